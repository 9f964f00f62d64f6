// The statement's and the stubs' figures, computed once for both.
#include "print/pay_figures.hpp"

namespace quillon {
namespace {

std::string amount(const Figure& value) {
    return format(value, kAmountFormat);
}
std::string amount(Currency value) {
    return format(value, kAmountFormat);
}

// One earnings line: the rate and the hours in "###.00", the earnings in "#####.00"; the line
// without hours prints none.
EarningsLine line(const EarningsRow& row) {
    return {std::string(row.description), format(row.rate, kHoursFormat),
            row.hours ? format(*row.hours, kHoursFormat) : std::string(), amount(row.earnings)};
}

}  // namespace

std::string printedText(const ShownFigure& shown, std::string_view pattern) {
    return shown.number ? format(*shown.number, pattern) : shown.caption;
}

Currency ytdTaxes(const RegisterTotals& t) {
    return t.TotFed + t.TotSS + t.TotMedi + t.TotState + t.TotCity + t.TotSdi + t.TotSui +
           t.TotCafe;
}

Currency ytdDeductions(const RegisterTotals& t) {
    return t.TotMuni + t.TotBond + t.TotDues + t.TotPen + t.TotMisc + t.TotKplan;
}

PayFigures payFigures(const ShownPeriod& period, const Profile& profile,
                      const RegisterTotals& totals) {
    const StatementEarnings& e = period.earnings;
    PayFigures f;
    f.regular1 = line(e.regular1);
    f.regular2 = line(e.regular2);
    f.overtime = line(e.overtime);
    f.overtime15 = line(e.overtime15);
    f.tips = line(e.tips);
    f.TotTips = amount(totals.TotTips);
    f.holiday = line(e.holiday);
    f.vacation = line(e.vacation);
    f.adjustment = line(e.adjustment);

    using K = ResultKey;
    const auto current = [&](K key) { return printedText(period[key], kAmountFormat); };
    f.taxes = {{
        {"Federal Tax", current(K::Fed), amount(totals.TotFed)},
        {"Social Security Tax", current(K::SocSec), amount(totals.TotSS)},
        {"Medicare Tax", current(K::Medicare), amount(totals.TotMedi)},
        {"State Tax", current(K::State), amount(totals.TotState)},
        {"City Tax", current(K::City), amount(totals.TotCity)},
        {"State Disability Ins", current(K::Sdi), amount(totals.TotSdi)},
        {"State Unemployment Ins", current(K::Sui), amount(totals.TotSui)},
        {profile.DedName5, current(K::Ded5), amount(totals.TotMuni)},
        {profile.DedName6, current(K::Ded6), amount(totals.TotBond)},
        {profile.DedName7, current(K::Ded7), amount(totals.TotDues)},
        {profile.DedName8, current(K::Ded8), amount(totals.TotPen)},
        {profile.DedName9, current(K::Ded9), amount(totals.TotMisc)},
        {"K-Plan", current(K::Kplan), amount(totals.TotKplan)},
        {"Cafeteria Plan", current(K::Cafe), amount(totals.TotCafe)},
    }};
    f.current = {current(K::Gross), current(K::Taxes), current(K::Deductions), current(K::Net)};
    f.ytd = {amount(totals.TotGross), amount(ytdTaxes(totals)), amount(ytdDeductions(totals)),
             amount(totals.TotNet)};
    return f;
}

}  // namespace quillon
