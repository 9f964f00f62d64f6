// Box texts and number conversions: the strict and leading numbers, decimal text and the display
// formats, currency arithmetic, the entry boxes through the calculation, and the settings
// dialogs taking their boxes over. Nothing may crash or reach undefined behaviour, and:
// - a Single's decimal text reads back as a number within seven digits of it;
// - an excerpt for a message holds no control character and stays short;
// - a text the key filter refuses is not typed into an entry box;
// - a dialog that refuses its boxes changes no setting, and one that takes them holds only
//   numbers a pay period can hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/pay.hpp"
#include "records/files.hpp"
#include "session/session.hpp"

namespace {

using namespace quillon;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void numbers(FuzzedDataProvider& in) {
    const std::string text = in.ConsumeRandomLengthString(64);
    (void)strictNumber(text);
    (void)strictInteger(text);
    (void)leadingNumber(text);
    if (std::optional<float> amount = strictAmount(text)) {
        check(withinAmountLimit(static_cast<double>(*amount)));
    }
    if (std::optional<float> single = strictSingle(text)) {
        // Seven digits: the text reads back as a number within their rounding of the value.
        const std::optional<float> back = strictSingle(decimalText(*single));
        check(back.has_value());
        check(std::fabs(static_cast<double>(*back) - static_cast<double>(*single)) <=
              std::fabs(static_cast<double>(*single)) * 1e-6);
        for (const char* pattern :
             {"#,###.00", "$#,###.00", "#####.00", "000000.00", "##.##", "##.##%"}) {
            (void)format(*single, pattern);
        }
        (void)roundedToCents(*single);
        (void)roundedToWholeHalfEven(*single);
    }
    const std::string shown = excerpt(text, 16);
    check(shown.size() <= 16 * 4 + 3);
    for (char c : shown) {
        check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
    }

    const double value = in.ConsumeFloatingPoint<double>();
    const Currency a = Currency::fromDouble(value);
    const Currency b = Currency::fromUnits(in.ConsumeIntegral<std::int64_t>());
    const Currency c = Currency::fromExtended(static_cast<long double>(value) * 3.0L);
    for (Currency sum :
         {a + b, a - b, -b, b - a + c, Currency::fromSingle(static_cast<float>(value))}) {
        (void)format(sum, "$#,###.00");
        (void)sum.toSingle();
        (void)sum.toDouble();
    }
    (void)decimalText(value);
    (void)format(value, "#,###.00");
}

void calculation(FuzzedDataProvider& in) {
    PayInput pay;
    for (std::string& box : pay.txtAmount) {
        box = in.ConsumeRandomLengthString(24);
    }
    pay.opt1x = in.ConsumeBool();
    pay.louisianaPrior = in.ConsumeBool();
    PayEmployee& e = pay.employee;
    for (float* number :
         {&e.HourRate, &e.HourRate2, &e.TipsRate, &e.FedAddWithhold, &e.MuniAmt, &e.BondAmt,
          &e.DuesAmt, &e.PensionPct, &e.HealthAmt, &e.KplanValue, &e.CafeAmt}) {
        *number = in.ConsumeFloatingPoint<float>();
    }
    e.FedStatus = in.ConsumeBool() ? "Single" : "Married";
    e.FedExemptions = in.ConsumeRandomLengthString(4);
    e.StateStatus = in.ConsumeBool() ? "Single" : "Married";
    e.StateExemptions = in.ConsumeIntegral<std::int16_t>();
    for (std::int16_t* flag : {&e.FedExempt, &e.SSMediExempt, &e.SelfEmployed, &e.NonCityRes,
                               &e.KplanPercent, &e.CafeDeductState}) {
        *flag = in.ConsumeIntegralInRange<std::int16_t>(0, 1);
    }
    e.frequency = PayFrequency{in.ConsumeBool(), in.ConsumeBool()};
    for (auto& set : pay.federal.sets) {
        for (FedBracket& b : set) {
            b = FedBracket{in.ConsumeFloatingPoint<float>(), in.ConsumeFloatingPoint<float>(),
                           in.ConsumeFloatingPoint<float>(), in.ConsumeFloatingPoint<float>(),
                           in.ConsumeFloatingPoint<float>()};
        }
    }
    for (float& allowance : pay.federal.FedAllow) {
        allowance = in.ConsumeFloatingPoint<float>();
    }
    for (auto* column : {&pay.state.StateMinBS, &pay.state.StateAmtBS, &pay.state.StatePerBS,
                         &pay.state.StateSgExp, &pay.state.StateMarExp}) {
        for (float& cell : *column) {
            cell = in.ConsumeFloatingPoint<float>();
        }
    }
    pay.state.StateMinBM = pay.state.StateMinBS;
    pay.state.StateAmtBM = pay.state.StateAmtBS;
    pay.state.StatePerBM = pay.state.StatePerBS;
    std::int16_t* special[] = {
        &pay.state.StateLouis,       &pay.state.StateIowa,     &pay.state.StateMissouri,
        &pay.state.StateMass,        &pay.state.StateOregon,   &pay.state.StateUtah,
        &pay.state.StateAlabama,     &pay.state.StateKentucky, &pay.state.StateWiscon,
        &pay.state.StateWisconApril, &pay.state.StateNC};
    *special[in.ConsumeIntegralInRange<std::size_t>(0, std::size(special) - 1)] =
        in.ConsumeIntegralInRange<std::int16_t>(0, 1);
    pay.state.RoundState = in.ConsumeIntegralInRange<std::int16_t>(0, 1);
    pay.state.SDIuseBase = in.ConsumeIntegralInRange<std::int16_t>(0, 1);
    for (float* number : {&pay.state.SDIpercent, &pay.state.SDIwageBase, &pay.state.SUIpercent,
                          &pay.state.SUIwageBase, &pay.state.CalAllow}) {
        *number = in.ConsumeFloatingPoint<float>();
    }
    pay.txtStateAdj = in.ConsumeRandomLengthString(12);
    pay.txtCalAllow = in.ConsumeRandomLengthString(12);
    for (auto* column : {&pay.city.CityMinBS, &pay.city.CityAmtBS, &pay.city.CityPerBS,
                         &pay.city.CitySgExp, &pay.city.CityMarExp}) {
        for (float& cell : *column) {
            cell = in.ConsumeFloatingPoint<float>();
        }
    }
    for (auto* column : {&pay.nonCity.NonMinBi, &pay.nonCity.NonExpBi, &pay.nonCity.NonMinWk,
                         &pay.nonCity.NonExpWk}) {
        for (float& cell : *column) {
            cell = in.ConsumeFloatingPoint<float>();
        }
    }
    pay.nonCity.NonPer = in.ConsumeFloatingPoint<float>();
    pay.TotGross = Currency::fromUnits(in.ConsumeIntegral<std::int64_t>());
    pay.TotSS = in.ConsumeFloatingPoint<float>();
    pay.TotMedi = in.ConsumeFloatingPoint<float>();
    (void)Calcu_late(pay);
}

Status readBack(FieldReader& in, CitySettings& c) {
    return readCityFile(in, c);
}
Status readBack(FieldReader& in, NonCitySettings& n) {
    return readNonCityFile(in, n);
}

template <typename Dialog, typename Settings, typename TakeOver, typename Text>
void dialogTakeOver(FuzzedDataProvider& in, Dialog& dialog, std::initializer_list<TextBox*> boxes,
                    TakeOver takeOver, Text text) {
    for (TextBox* box : boxes) {
        box->text = in.ConsumeRandomLengthString(12);
    }
    Settings settings{};
    const std::string before = text(settings);
    if (takeOver(dialog, settings)) {
        check(text(settings) == before);  // refused: no setting changed
    } else {
        FieldReader back(text(settings), "taken");
        Settings read{};
        check(readBack(back, read).ok());  // every number taken is one a file can hold
    }
}

void dialogs(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            CityDialog d;
            std::initializer_list<TextBox*> boxes = {
                &d.txtCityMinBS[0], &d.txtCityAmtBS[1], &d.txtCityPerBS[2], &d.txtCityMinBM[3],
                &d.txtCityAmtBM[4], &d.txtCityPerBM[5], &d.txtCitySgExp[6], &d.txtCityMarExp[9]};
            d.newYork();
            dialogTakeOver<CityDialog, CitySettings>(
                in, d, boxes,
                [](CityDialog& dialog, CitySettings& c) {
                    return dialog.takeOverBoxes(c).has_value();
                },
                [](const CitySettings& c) { return cityFileText(c); });
            break;
        }
        case 1: {
            NonCityDialog d;
            d.deFault();
            std::initializer_list<TextBox*> boxes = {&d.txtNonMinBi[0], &d.txtNonExpBi[3],
                                                     &d.txtNonMinWk[5], &d.txtNonExpWk[7],
                                                     &d.txtNonPer};
            dialogTakeOver<NonCityDialog, NonCitySettings>(
                in, d, boxes,
                [](NonCityDialog& dialog, NonCitySettings& n) {
                    return dialog.takeOverBoxes(n).has_value();
                },
                [](const NonCitySettings& n) { return nonCityFileText(n); });
            break;
        }
        case 2: {
            StateDialog d;
            d.newYork();
            for (TextBox* box : {&d.txtStateMinBS[1], &d.txtStateAmtBM[8], &d.txtStatePerBS[9],
                                 &d.txtStateSgExp[0], &d.txtSDIpercent, &d.txtSUIwageBase,
                                 &d.txtStateAdj, &d.txtCalAllow}) {
                box->text = in.ConsumeRandomLengthString(12);
            }
            StateSettings s{};
            Profile p;
            const std::string before = stateFileText(s, p);
            if (d.takeOverBoxes(s)) {
                check(stateFileText(s, p) == before);
            } else {
                FieldReader back(stateFileText(s, p), "taken");
                StateSettings read{};
                check(readStateFile(back, read, p).ok());
            }
            break;
        }
        default: {
            TaxInfoDialog d;
            Profile p;
            d.prepareLoad(p);
            for (TextBox* box : {&d.txtHourRate, &d.txtHourRate2, &d.txtTipsRate, &d.txtMuni,
                                 &d.txtBond, &d.txtDues, &d.txtPension, &d.txtMisc, &d.txtKplan,
                                 &d.txtCafe, &d.txtFedAddL, &d.cboDepend2}) {
                box->text = in.ConsumeRandomLengthString(12);
            }
            StateSettings s;
            const std::string before = useFileText(p, s) + stateFileText(s, p);
            auto taken = d.takeOverBoxes(p);
            if (std::holds_alternative<BadBox>(taken)) {
                check(useFileText(p, s) + stateFileText(s, p) == before);
            } else {
                FieldReader use(useFileText(p, s), "taken");
                Profile read;
                StateSettings readState;
                check(readUseFile(use, read, readState).ok());
            }
            break;
        }
    }
}

void entryBox(FuzzedDataProvider& in) {
    Session s(".", ".");
    const std::string text = in.ConsumeRandomLengthString(32);
    const std::size_t box = in.ConsumeIntegralInRange<std::size_t>(0, 7);
    const bool typed = s.typeIntoEntryBox(box, text).ok;
    check(typed == isNumericBoxText(text));
    check(s.main.txtAmount[box].text == (typed ? text : std::string()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            numbers(in);
            break;
        case 1:
            calculation(in);
            break;
        case 2:
            dialogs(in);
            break;
        default:
            entryBox(in);
            break;
    }
    return 0;
}
