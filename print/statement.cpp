// The pay statement's lines and columns.
#include "print/statement.hpp"

namespace quillon {
namespace {

const std::string kLongRule(198, '-');

void earnings(PageWriter& out, const EarningsLine& line) {
    out.print({{5, line.description}, {30, line.rate}, {50, line.hours}, {65, line.earnings}});
}

}  // namespace

PageOutcome PrintText(const StatementInput& in) {
    const PayFigures f = payFigures(in.period, in.profile, in.totals);
    PageWriter out(Orientation::Portrait);

    out.setFontSize(11);
    out.blankLines(2);
    out.print({{0, in.heading.HeadCompany}});
    out.print({{0, in.heading.HeadAddress}});
    out.print({{0, in.heading.HeadZip}, {85, in.heading.HeadId}});

    out.setFontSize(10);
    out.print({{0, std::string(203, '-')}});
    out.print({{0, "Employee:"}, {20, in.UserFile}, {50, in.profile.EmpSSN}});
    out.blankLines(1);
    out.print({{5, "Date:"}, {15, in.today}, {85, "For Week Ending: " + in.period.txtWeek}});
    out.blankLines(1);
    out.print({{45, std::string(12, ' ')}, {65, std::string(13, ' ') + ".  .  "}});
    out.blankLines(6);

    out.print({{5, "Description"}, {30, "Rate"}, {50, "Hours"}, {65, "Earnings"}});
    out.print({{5, kLongRule}});
    earnings(out, f.regular1);
    earnings(out, f.regular2);
    earnings(out, f.overtime);
    const EarningsLine& ot = f.overtime15;
    out.print({{5, ot.description}, {30, ot.rate}, {50, ot.hours}, {65, ot.earnings}, {85, "YTD"}});
    const EarningsLine& tips = f.tips;
    out.print({{5, tips.description},
               {30, tips.rate},
               {50, tips.hours},
               {65, tips.earnings},
               {85, f.TotTips}});
    earnings(out, f.holiday);
    earnings(out, f.vacation);
    earnings(out, f.adjustment);
    out.blankLines(7);

    out.print({{65, "Taxes / Deductions"}, {100, "Current"}, {115, "YTD"}});
    out.print({{5, kLongRule}});
    for (const TaxLine& tax : f.taxes) {
        out.print({{65, tax.label}, {100, tax.current}, {115, tax.ytd}});
    }
    out.blankLines(5);

    out.print({{30, "Earnings"},
               {50, "Taxes"},
               {65, "Deductions"},
               {85, "Net Pay"},
               {100, "Period Ending"}});
    out.print({{5, kLongRule}});
    out.blankLines(1);
    const SummaryLine& now = f.current;
    out.print(
        {{5, "Current"}, {30, now.earnings}, {50, now.taxes}, {65, now.deductions}, {85, now.net}});
    const SummaryLine& ytd = f.ytd;
    out.print({{5, "YTD"},
               {30, ytd.earnings},
               {50, ytd.taxes},
               {65, ytd.deductions},
               {85, ytd.net},
               {100, in.period.txtWeek}});
    out.print({{5, kLongRule}});
    return out.page();
}

}  // namespace quillon
