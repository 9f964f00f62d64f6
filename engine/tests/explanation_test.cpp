// The explanation the calculation fills as it goes: every figure's text ends with the figure as
// the main window shows it, for every state formula and every kind of table; asking for it
// changes nothing in the result; a few texts are held word for word against arithmetic worked by
// hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/pay.hpp"
#include "engine/tests/pay_inputs.hpp"
#include "engine/tests/state_presets.hpp"
#include "engine/tests/tables_fixture.hpp"

namespace quillon {
namespace {

using testing::kBiWeekly;
using testing::kWeekly;
using K = ResultKey;

// A bi-weekly single employee at 25 an hour, 40 hours (1000.00), New York state and city.
PayInput thousand(PayFrequency frequency = kBiWeekly) {
    PayInput in = testing::newYorkInput(frequency);
    in.employee.HourRate = 25;
    in.txtAmount[0] = "40";
    return in;
}

using Box = std::int16_t StateSettings::*;

// The employee of thousand() in a special state, with the state's preset figures.
PayInput special(Box box, const StateSettings& preset, PayFrequency frequency = kBiWeekly) {
    PayInput in = thousand(frequency);
    in.state = preset;
    in.state.*box = 1;
    return in;
}

struct ExplainCase {
    const char* what;
    std::function<PayInput()> input;
    K key;                 // the figure this case is about
    const char* mentions;  // what its explanation must say, so the case runs the branch it names
};

// The figure's text after the last "= ".
std::string lastFigure(const std::string& text) {
    const std::size_t at = text.rfind("= ");
    return at == std::string::npos ? "" : text.substr(at + 2);
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The arithmetic ends at the figure: "... = HELD, to the cent = SHOWN", HELD rounding to SHOWN,
// or "... = SHOWN" directly. Never two results in a row ("= 138.2347 = 135.7347"): that would
// be a step's text and the figure the calculation went on with parting ways.
void expectArithmeticEndsAtTheFigure(const std::string& text, const std::string& shown,
                                     std::string_view pattern) {
    std::string body;
    const std::string rounded = ", to the cent = " + shown;
    if (endsWith(text, rounded)) {
        body = text.substr(0, text.size() - rounded.size());
        const std::size_t at = body.rfind(" = ");
        ASSERT_NE(at, std::string::npos) << text;
        const std::optional<double> held = strictNumber(body.substr(at + 3));
        ASSERT_TRUE(held.has_value()) << text;
        EXPECT_EQ(format(static_cast<float>(*held), pattern), shown) << text;
        body.resize(at);
    } else {
        ASSERT_TRUE(endsWith(text, " = " + shown)) << text;
        body = text.substr(0, text.size() - shown.size() - 3);
    }
    const std::size_t at = body.rfind(" = ");
    if (at != std::string::npos) {
        EXPECT_FALSE(strictNumber(body.substr(at + 3)).has_value()) << text;
    }
}

std::vector<ExplainCase> cases() {
    using testing::emptyTables;
    return {
        // --- State: the operator's tables and every formula ---------------------------------
        {"state table, bi-weekly single", [] { return thousand(); }, K::State,
         "line 4 of the single state table (from 533.00"},
        {"state table, weekly married",
         [] {
             PayInput in = thousand(kWeekly);
             in.employee.StateStatus = "Married";
             return in;
         },
         K::State, "married state table, halved for the week"},
        {"NO STATE TAX",
         [] {
             PayInput in = thousand();
             in.state = testing::noStateTax();
             return in;
         },
         K::State, "NO STATE TAX: no line of the single state table applies: 0"},
        {"Arizona", [] { return special(&StateSettings::StateAriz, testing::newYorkState()); },
         K::State, "Arizona, by the state table"},
        {"Louisiana, one personal exemption",
         [] {
             StateSettings s = emptyTables();
             s.StateSgExp[0] = 1;
             return special(&StateSettings::StateLouis, s);
         },
         K::State, "Louisiana formula: pay 1000.00, personal exemptions 1, dependents 0"},
        {"Louisiana, three personal exemptions",
         [] {
             StateSettings s = emptyTables();
             s.StateSgExp[0] = 3;
             return special(&StateSettings::StateLouis, s, kWeekly);
         },
         K::State, "3 personal exemptions or more: 0"},
        {"Louisiana before July 1",
         [] {
             StateSettings s = emptyTables();
             s.StateSgExp[0] = 2;
             s.StateMarExp[0] = 1;
             PayInput in = special(&StateSettings::StateLouis, s);
             in.louisianaPrior = true;
             return in;
         },
         K::State, "Louisiana, before July 1, formula"},
        {"Iowa", [] { return special(&StateSettings::StateIowa, testing::iowaPreset(true)); },
         K::State, "Iowa formula: wage 1000.00"},
        {"Iowa, weekly",
         [] { return special(&StateSettings::StateIowa, testing::iowaPreset(false), kWeekly); },
         K::State, "in the weekly table"},
        {"Missouri checks Round State",
         [] { return special(&StateSettings::StateMissouri, testing::missouriPreset(true)); },
         K::State, "Round State, to the whole dollar"},
        {"Missouri, federal above the limit",
         [] {
             PayInput in = special(&StateSettings::StateMissouri, testing::missouriPreset(true));
             in.state.SpouseWorks = 1;
             in.txtAmount[0] = "80";  // 2000: a federal tax above 5000 / 26
             return in;
         },
         K::State, "above the limit"},
        {"Alabama, single and single",
         [] { return special(&StateSettings::StateAlabama, emptyTables()); }, K::State,
         "chart S for federal Single, state Single"},
        {"Alabama, no chart",
         [] {
             PayInput in = special(&StateSettings::StateAlabama, emptyTables(), kWeekly);
             in.employee.StateStatus = "Married";
             in.employee.StateExemptions = 2;
             return in;
         },
         K::State, "no chart"},
        {"Massachusetts",
         [] {
             PayInput in = special(&StateSettings::StateMass, testing::massPreset());
             in.employee.StateExemptions = 2;
             return in;
         },
         K::State, "Massachusetts formula"},
        {"Utah, top line drops the credit",
         [] {
             PayInput in = special(&StateSettings::StateUtah, testing::utahPreset());
             in.txtAmount[0] = "80";  // 2000, above 1531
             in.state.StateSgExp.fill(10);
             return in;
         },
         K::State, "the top line drops the credit"},
        {"Utah, a credit below the tax of the first line: floored at 0",
         [] {
             PayInput in = special(&StateSettings::StateUtah, testing::utahPreset());
             in.txtAmount[0] = "4";  // 100, line 1 at 0 %
             in.state.StateSgExp.fill(10);
             return in;
         },
         K::State, "below 0: 0"},
        {"Oregon", [] { return special(&StateSettings::StateOregon, testing::oregonPreset(true)); },
         K::State, "Oregon formula"},
        {"Kentucky",
         [] { return special(&StateSettings::StateKentucky, testing::kentuckyPreset(true)); },
         K::State, "Kentucky formula"},
        {"Wisconsin with a California allowance",
         [] {
             PayInput in =
                 special(&StateSettings::StateWisconApril, testing::wisconsinPreset(false));
             in.state.CalAllow = 50;
             return in;
         },
         K::State, "California allowance 50.00"},
        {"Wisconsin before 4/1/14, weekly",
         [] {
             return special(&StateSettings::StateWiscon, testing::wisconsinPreset(true), kWeekly);
         },
         K::State, "Wisconsin formula"},
        {"North Carolina", [] { return special(&StateSettings::StateNC, testing::ncPreset()); },
         K::State, "North Carolina formula"},
        {"the adjustment and Round State",
         [] {
             PayInput in = thousand();
             in.txtStateAdj = "1.5";
             in.state.RoundState = 1;
             return in;
         },
         K::State, "+ adjustment 1.50"},
        // --- City and non-city -------------------------------------------------------------
        {"city table, weekly", [] { return thousand(kWeekly); }, K::City,
         "single city table, halved for the week"},
        {"NO LOCAL TAX",
         [] {
             PayInput in = thousand();
             in.city = testing::noLocalTax();
             return in;
         },
         K::City, "NO LOCAL TAX: no line"},
        {"non-city resident",
         [] {
             PayInput in = thousand();
             in.employee.NonCityRes = 1;
             return in;
         },
         K::City, "non-city resident: wage 1000.00 in line 4 of the bi-weekly non-city table"},
        {"non-city resident in no line keeps the city allowance",
         [] {
             PayInput in = thousand(kWeekly);
             in.employee.NonCityRes = 1;
             in.nonCity.NonMinWk.fill(kUnusedRowMinimum);
             return in;
         },
         K::City, "the city allowance 192.30 stays"},
        // --- SDI and SUI ---------------------------------------------------------------------
        {"SDI below its base",
         [] {
             PayInput in = thousand();
             in.state.SDIuseBase = 1;
             in.state.SDIpercent = 1.2f;
             in.state.SDIwageBase = 50000;
             return in;
         },
         K::Sdi, "1.2 % of the gross 1000.00"},
        {"SUI crossing its base",
         [] {
             PayInput in = thousand();
             in.state.SUIuseBase = 1;
             in.state.SUIpercent = 3.4f;
             in.state.SUIwageBase = 7000;
             in.TotGross = Currency::fromUnits(6500LL * 10000);
             return in;
         },
         K::Sui, "passes the wage base"},
        {"SDI base reached",
         [] {
             PayInput in = thousand();
             in.state.SDIuseBase = 1;
             in.state.SDIpercent = 1;
             in.state.SDIwageBase = 7000;
             in.TotGross = Currency::fromUnits(7000LL * 10000);
             return in;
         },
         K::Sdi, "has reached the wage base"},
        {"SUI flat", [] { return testing::realisticInput(); }, K::Sui, "a flat amount per pay"},
        // --- Social Security and Medicare --------------------------------------------------
        {"Social Security across the base", [] { return testing::realisticInput(); }, K::SocSec,
         "this pay crosses the wage base"},
        {"Social Security after the base",
         [] {
             PayInput in = thousand();
             in.TotGross = Currency::fromUnits(120000LL * 10000);
             return in;
         },
         K::SocSec, "above the wage base 118500.00: 0"},
        {"self-employed",
         [] {
             PayInput in = thousand();
             in.employee.SelfEmployed = 1;
             in.employee.HealthAmt = 100;
             return in;
         },
         K::SocSec, "self-employed, the health insurance not taken off"},
        {"self-employed Medicare",
         [] {
             PayInput in = thousand();
             in.employee.SelfEmployed = 1;
             return in;
         },
         K::Medicare, "self-employed, twice that"},
        {"Additional Medicare Tax",
         [] {
             PayInput in = thousand();
             in.medicareWagesPosted = Currency::fromUnits(199500LL * 10000);
             return in;
         },
         K::Medicare, "Additional Medicare Tax on the Medicare wages of the year above"},
        {"exempt from Social Security and Medicare",
         [] {
             PayInput in = thousand();
             in.employee.SSMediExempt = 1;
             return in;
         },
         K::Medicare, "exempt from Social Security and Medicare: 0"},
        // --- Federal -----------------------------------------------------------------------
        {"Federal Tax Exempt drops the additional withholding",
         [] {
             PayInput in = thousand();
             in.employee.FedExempt = 1;
             in.employee.FedAddWithhold = 20;
             return in;
         },
         K::Fed, "Federal Tax Exempt"},
        {"no frequency chosen",
         [] {
             PayInput in = thousand();
             in.employee.frequency = PayFrequency{};
             return in;
         },
         K::Fed, "neither Weekly nor Bi-Weekly is chosen"},
        {"an unknown status keeps the allowances",
         [] {
             PayInput in = thousand();
             in.employee.FedStatus = "Head of Household";
             in.employee.StateStatus = "Head of Household";
             in.carry = PayCarryOver{77.9f, 100, 50};
             return in;
         },
         K::Fed, "the allowance kept from the last calculation 155.80"},
        // --- Deductions and the gross ------------------------------------------------------
        {"K plan fixed",
         [] {
             PayInput in = thousand();
             in.employee.KplanValue = 50;
             return in;
         },
         K::Kplan, "a fixed amount 50.00"},
        {"K plan percent, pension, cafeteria on the state wage",
         [] { return testing::realisticInput(); }, K::Cafe, "(Deduct State)"},
        {"every box empty: the gross is not shown", [] { return testing::newYorkInput(kWeekly); },
         K::Gross, "Gross (not shown: the taxable wage is 0): no hours and no dollar amount"},
        {"no rate 1",
         [] {
             PayInput in = thousand();
             in.employee.HourRate = 0;
             in.txtAmount[4] = "8";
             return in;
         },
         K::Gross, "no rate 1: every hour but straight time 2 at the default 7.50"},
        {"health insurance and K plan take the whole gross",
         [] {
             PayInput in = thousand();
             in.employee.HealthAmt = 500;
             in.employee.KplanValue = 500;
             return in;
         },
         K::Gross, "(not shown: the taxable wage is 0)"},
    };
}

TEST(Explanation, EveryFigureEndsWithTheFigureAsShown) {
    for (const ExplainCase& c : cases()) {
        SCOPED_TRACE(c.what);
        PayExplanation x;
        const PayOutcome outcome = Calcu_late(c.input(), &x);
        ASSERT_TRUE(std::holds_alternative<PayResult>(outcome));
        const PayResult& r = std::get<PayResult>(outcome);
        EXPECT_NE(x[c.key].find(c.mentions), std::string::npos) << x[c.key];
        for (const ResultFigure& f : resultFigures(r)) {
            SCOPED_TRACE(f.key);
            const std::string& text = x[f.id];
            // The gross of a taxable wage of 0 is not shown: its explanation ends with it all
            // the same, in the format of the gross.
            const std::string shown =
                f.caption.empty() ? format(f.number, f.format) : std::string(f.caption);
            EXPECT_EQ(lastFigure(text), shown) << text;
            expectArithmeticEndsAtTheFigure(text, shown, f.format);
            EXPECT_EQ(text.find_first_of("\t\r\n"), std::string::npos) << text;
        }
    }
}

// The same figures, captions and earnings lines whether an explanation is asked for or not.
TEST(Explanation, AskingForItChangesNothing) {
    for (const ExplainCase& c : cases()) {
        SCOPED_TRACE(c.what);
        const PayInput in = c.input();
        PayExplanation x;
        const PayResult plain = std::get<PayResult>(Calcu_late(in));
        const PayResult explained = std::get<PayResult>(Calcu_late(in, &x));
        const auto a = resultFigures(plain);
        const auto b = resultFigures(explained);
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].caption, b[i].caption);
            EXPECT_EQ(a[i].number, b[i].number);
        }
        EXPECT_EQ(plain.StateWage, explained.StateWage);
        EXPECT_EQ(plain.CityWage, explained.CityWage);
        EXPECT_EQ(plain.RoundState, explained.RoundState);
        EXPECT_EQ(plain.carry.StateExpAmt, explained.carry.StateExpAmt);
        EXPECT_EQ(plain.carry.CityExpAmt, explained.carry.CityExpAmt);
        EXPECT_EQ(format(plain.earnings.overtime.earnings, "#####.00"),
                  format(explained.earnings.overtime.earnings, "#####.00"));
    }
}

TEST(Explanation, ARefusedBoxLeavesNone) {
    PayInput in = thousand();
    in.txtAmount[3] = "1 2";
    PayExplanation x;
    x[K::Fed] = "from before";
    ASSERT_TRUE(std::holds_alternative<EntryBoxError>(Calcu_late(in, &x)));
    for (const std::string& text : x.texts) {
        EXPECT_EQ(text, "");
    }
}

// --- Word for word -----------------------------------------------------------------------------

struct WordCase {
    const char* what;
    std::function<PayInput()> input;
    K key;
    const char* text;
};

TEST(Explanation, WordForWord) {
    static const WordCase words[] = {
        // Weekly single, 2 exemptions: 800 - 155.80 - 0 = 644.20, in the weekly single bracket
        // over 222 (base 17.90, 15 %): 17.90 + 0.15 x 422.20 = 17.90 + 63.33 = 81.23.
        {"federal, the example of the help text",
         [] {
             PayInput in = testing::newYorkInput(kWeekly);
             in.txtAmount[0] = "40";
             in.employee.FedExemptions = "2";
             return in;
         },
         K::Fed,
         "Federal: wage 800.00 \u2212 allowance for 2 exemptions 155.80 \u2212 cafeteria 0.00 = "
         "644.20; over 222.00 in the single weekly bracket: 17.90 + 15 % of 422.20 = 81.23"},
        // The worked period: taxable wage 2888 - 45.50 - 115.52 = 2726.98; less pension 57.76,
        // twice the weekly allowance 155.80 and the cafeteria 60 = 2297.62; married bi-weekly
        // over 1042: 71.30 + 0.15 x 1255.62 = 259.643, plus 15 withheld = 274.643 -> 274.64.
        {"federal, bi-weekly married with every deduction",
         [] { return testing::realisticInput(); }, K::Fed,
         "Federal: wage 2726.98 (gross 2888.00 \u2212 health insurance 45.50 \u2212 K plan "
         "115.52) \u2212 pension 57.76 \u2212 allowance for 2 exemptions 311.60 (twice the weekly "
         "155.80) \u2212 cafeteria 60.00 = 2297.62; over 1042.00 in the married bi-weekly "
         "bracket: 71.30 + 15 % of 1255.62 = 259.643; + additional withholding 15.00 = 274.643, "
         "to the cent = 274.64"},
        // 117000 + 2888 - 60 = 119828 is above the base of 118500, so 0 at first; but the year
        // to date before this pay is below it: (118500 - 117000) x 6.2 % = 93.00.
        {"Social Security across the base", [] { return testing::realisticInput(); }, K::SocSec,
         "Social Security: year to date 117000.00 + gross 2888.00 \u2212 cafeteria 60.00 = "
         "119828.00, above the wage base 118500.00: 0; this pay crosses the wage base: "
         "(118500.00 \u2212 year to date 117000.00) 1500.00 \u00d7 6.2 % = 93.00"},
        // (2888 - 45.50 - 60) x 1.45 % = 2782.50 x 0.0145 = 40.34625; with nothing posted the
        // year's Medicare wages stay far below 200000: 40.34625 -> 40.35.
        {"Medicare", [] { return testing::realisticInput(); }, K::Medicare,
         "Medicare: (gross 2888.00 \u2212 health insurance 45.50 \u2212 cafeteria 60.00) \u00d7 "
         "1.45 % = 40.34625; no Additional Medicare Tax: the Medicare wages of the year 0.00 "
         "posted + 2782.50 = 2782.50 are not above 200000.00; 40.34625 + 0.00 = 40.34625, to the "
         "cent = 40.35"},
        // 1000 x 1.45 % = 14.50; 199500 posted + 1000 = 200500 is 500 above 200000:
        // 500 x 0.9 % = 4.50; 14.50 + 4.50 = 19.00.
        {"Medicare with the Additional Medicare Tax",
         [] {
             PayInput in = thousand();
             in.medicareWagesPosted = Currency::fromUnits(199500LL * 10000);
             return in;
         },
         K::Medicare,
         "Medicare: (gross 1000.00 \u2212 health insurance 0.00 \u2212 cafeteria 0.00) \u00d7 "
         "1.45 % = 14.50; Additional Medicare Tax on the Medicare wages of the year above "
         "200000.00: (199500.00 posted + 1000.00 \u2212 200000.00) 500.00 \u00d7 0.9 % = 4.50; "
         "14.50 + 4.50 = 19.00"},
        // New York single, 1 exemption 323.10: 2726.98 - 323.10 - 60 = 2343.88 in line 5 (819 to
        // 3083): 1524.88 x 6.45 % + 39.88 = 138.23476, held as the Single 138.2347 (the single-
        // precision steps lose the last digit); less 2.50 = 135.7347 -> 135.73.
        {"state table with the adjustment", [] { return testing::realisticInput(); }, K::State,
         "State: by the state table: wage 2726.98 \u2212 allowance 323.10 \u2212 cafeteria 60.00 "
         "= 2343.88; line 5 of the single state table (from 819.00 to under 3083.00): (2343.88 "
         "\u2212 819.00) \u00d7 6.45 % + 39.88 = 138.2347; + adjustment -2.50 = 135.7347, to the "
         "cent = 135.73"},
        // Missouri, single, 0 exemptions, spouse not working: the federal 35.60 + 15 % x 557 =
        // 119.15 is at most 10000 / 26 = 384.6154, so 1000 - 119.15 - 0 = 880.85; less the
        // standard 242.31 and no W4 allowance = 638.54, over 346.50: 12.1275 + 6 % x 292.04 =
        // 29.6499; Round State, checked by the formula: 30.
        {"Missouri and Round State",
         [] {
             PayInput in = special(&StateSettings::StateMissouri, testing::missouriPreset(true));
             in.city = testing::noLocalTax();
             return in;
         },
         K::State,
         "State: Missouri formula: federal 119.15 at most the limit 384.6154 (10000 / 26): wage "
         "1000.00 \u2212 federal 119.15 \u2212 cafeteria 0.00 = 880.85 \u2212 standard 242.31 "
         "\u2212 W4 allowance 0.00 = 638.54; over 346.50 in the bi-weekly table: 12.1275 + 6 % of "
         "292.04 = 29.6499; the Missouri formula checks Round State; to the cent 29.65; Round "
         "State, to the whole dollar (halves to even) = 30.00"},
        // The non-city defaults: 1000 lies in line 4 (from 769) of the bi-weekly table, whose
        // exemption is 38: (1000 - 38) x 0.45 % = 4.329 -> 4.33.
        {"non-city resident",
         [] {
             PayInput in = thousand();
             in.employee.NonCityRes = 1;
             return in;
         },
         K::City,
         "City: non-city resident: wage 1000.00 in line 4 of the bi-weekly non-city table (from "
         "769.00): exemption 38.00; (1000.00 \u2212 38.00) \u00d7 0.45 % = 4.329, to the cent = "
         "4.33"},
        // SDI 1 % up to 118000 with 117000 posted: 1 % of 2888 = 28.88, but 117000 + 2888 =
        // 119888 passes the base: (118000 - 117000) x 1 % = 10.00.
        {"SDI across its base", [] { return testing::realisticInput(); }, K::Sdi,
         "SDI: 1 % of the gross 2888.00 = 28.88; the year to date after this pay 119888.00 passes "
         "the wage base: (118000.00 \u2212 year to date 117000.00) 1000.00 \u00d7 1 % = 10.00"},
        // 4 h x 30 + 80 h x 25 + 6.5 h x 1.5 x 25 + 8 h x 25 = 120 + 2000 + 243.75 + 200 =
        // 2563.75; with 150.25, 3 h x 2 x 25 = 150 and 12 tip hours x 2 = 24: 2888.00.
        {"the gross of the worked period", [] { return testing::realisticInput(); }, K::Gross,
         "Gross: straight time 2 4 h \u00d7 30.00 + straight time 1 80 h \u00d7 25.00 + O.T. 1.5x "
         "6.5 h \u00d7 1.5 \u00d7 25.00 + holiday 8 h \u00d7 25.00 = 2563.75; dollar amount "
         "150.25; O.T. (2X) 3 h \u00d7 2 \u00d7 25.00 = 150.00; tips 12 h \u00d7 2.00 = 24.00; "
         "together = $2,888.00"},
        // 2888 - (332.54 + 645.31) - 24 = 1886.15.
        {"the net of the worked period", [] { return testing::realisticInput(); }, K::Net,
         "Net: gross 2888.00 \u2212 (deductions 332.54 + taxes 645.31) \u2212 tips 24.00, paid "
         "out already = $1,886.15"},
    };
    for (const WordCase& c : words) {
        SCOPED_TRACE(c.what);
        PayExplanation x;
        ASSERT_TRUE(std::holds_alternative<PayResult>(Calcu_late(c.input(), &x)));
        EXPECT_EQ(x[c.key], c.text);
    }
}

}  // namespace
}  // namespace quillon
