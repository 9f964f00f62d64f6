// The statement's and the stubs' figures, computed once for both.
#include "print/pay_figures.hpp"

#include <optional>

#include "records/fields.hpp"

namespace quillon {
namespace {

// A box as the calculation read it: a text whose leading number is 0 reads as 0, any other
// text is a whole number (the calculation refuses it otherwise).
float boxValue(const std::string& text) {
    if (leadingNumber(text) == 0) {
        return 0;
    }
    return strictSingle(text).value_or(0.0f);
}

std::string amount(float value) {
    return format(value, kAmountFormat);
}
std::string amount(double value) {
    return format(value, kAmountFormat);
}
std::string amount(Currency value) {
    return format(value, kAmountFormat);
}
std::string rate(float value) {
    return format(value, kHoursFormat);
}
std::string rate(double value) {
    return format(value, kHoursFormat);
}

}  // namespace

PrintedPeriod printedPeriod(const PayResult& r, const std::array<std::string, 8>& txtAmount,
                            bool opt1x, std::string txtWeek) {
    PrintedPeriod p;
    p.txtAmount = txtAmount;
    p.opt1x = opt1x;
    p.txtWeek = std::move(txtWeek);
    p.PayRate = r.PayRate;
    p.StraightPay1 = r.StraightPay1;
    p.StraightPay2 = r.StraightPay2;
    p.OtHrs = boxValue(r.txtAmountFilled[3]);
    p.Avas = boxValue(r.txtAmountFilled[4]);
    p.VacDys = boxValue(r.txtAmountFilled[5]);
    p.TipsHrs = boxValue(r.txtAmountFilled[7]);
    if (leadingNumber(r.txtAmountFilled[6]) != 0) {
        p.Addit = Currency::fromDouble(strictNumber(r.txtAmountFilled[6]).value_or(0.0));
    }
    p.lbTaxDed = r.lbTaxDed;
    p.lbSDI = r.lbSDI;
    p.lbSUI = r.lbSUI;
    p.lbCafe = r.lbCafe;
    p.Label13 = r.Label13;
    p.lbTaxes = r.lbTaxes;
    p.lbDeduct = r.lbDeduct;
    p.lbNet = r.lbNet;
    return p;
}

std::string printedText(std::string_view shown, std::string_view pattern) {
    if (const std::optional<double> value = strictNumber(shown)) {
        return format(*value, pattern);
    }
    return std::string(shown);
}

Currency ytdTaxes(const RegisterTotals& t) {
    return t.TotFed + t.TotSS + t.TotMedi + t.TotState + t.TotCity + t.TotSdi + t.TotSui +
           t.TotCafe;
}

Currency ytdDeductions(const RegisterTotals& t) {
    return t.TotMuni + t.TotBond + t.TotDues + t.TotPen + t.TotMisc + t.TotKplan;
}

std::variant<PayFigures, PrintError> payFigures(const PrintedPeriod& period, const Profile& profile,
                                                const RegisterTotals& totals) {
    // Printing fills every empty entry box with "0" first.
    std::array<std::string, 8> box = period.txtAmount;
    for (std::string& text : box) {
        if (text.empty()) {
            text = "0";
        }
    }
    const auto hours = [&](std::size_t i) { return printedText(box[i], kHoursFormat); };

    const std::optional<double> otHours = strictNumber(box[2]);
    if (!otHours) {
        return PrintError{"The O.T. box holds " + quotedExcerpt(box[2]) +
                          ", which is not a number. Correct it and print again."};
    }

    const float PayRate = period.PayRate;
    PayFigures f;
    // Every hour kind but straight hours 2 is paid at PayRate (rate 1, or the default rate when
    // the employee has none), so that is the rate these lines print.
    f.regular1 = {"Regular1 Earning", rate(PayRate), hours(0), amount(period.StraightPay1)};
    f.regular2 = {"Regular2 Earning", rate(profile.HourRate2), hours(1),
                  amount(period.StraightPay2)};
    const float otRate = period.opt1x ? PayRate : PayRate * 2;
    f.overtime = {"O.T. 1x / 2x Earned", rate(otRate), hours(2), amount(*otHours * otRate)};
    f.overtime15 = {"O.T. 1.5x Earned", rate(PayRate * 1.5), hours(3),
                    amount(period.OtHrs * 1.5 * PayRate)};
    f.tips = {"Tips", rate(profile.TipsRate), format(period.TipsHrs, kHoursFormat),
              amount(profile.TipsRate * period.TipsHrs)};
    f.TotTips = amount(totals.TotTips);
    f.holiday = {"Holiday", rate(PayRate), hours(4), amount(period.Avas * PayRate)};
    f.vacation = {"Vacation/Sick", rate(PayRate), hours(5), amount(period.VacDys * PayRate)};
    f.adjustment = {"Adjustment", printedText(box[6], kHoursFormat), "", amount(period.Addit)};

    const auto current = [](const std::string& shown) { return printedText(shown, kAmountFormat); };
    const auto& lb = period.lbTaxDed;
    f.taxes = {{
        {"Federal Tax", current(lb[0]), amount(totals.TotFed)},
        {"Social Security Tax", current(lb[1]), amount(totals.TotSS)},
        {"Medicare Tax", current(lb[2]), amount(totals.TotMedi)},
        {"State Tax", current(lb[3]), amount(totals.TotState)},
        {"City Tax", current(lb[4]), amount(totals.TotCity)},
        {"State Disability Ins", current(period.lbSDI), amount(totals.TotSdi)},
        {"State Unemployment Ins", current(period.lbSUI), amount(totals.TotSui)},
        {profile.DedName5, current(lb[5]), amount(totals.TotMuni)},
        {profile.DedName6, current(lb[6]), amount(totals.TotBond)},
        {profile.DedName7, current(lb[7]), amount(totals.TotDues)},
        {profile.DedName8, current(lb[8]), amount(totals.TotPen)},
        {profile.DedName9, current(lb[9]), amount(totals.TotMisc)},
        {"K-Plan", current(lb[10]), amount(totals.TotKplan)},
        {"Cafeteria Plan", current(period.lbCafe), amount(totals.TotCafe)},
    }};
    f.current = {current(period.Label13), current(period.lbTaxes), current(period.lbDeduct),
                 current(period.lbNet)};
    f.ytd = {amount(totals.TotGross), amount(ytdTaxes(totals)), amount(ytdDeductions(totals)),
             amount(totals.TotNet)};
    return f;
}

}  // namespace quillon
