// The paycheck's face and stubs.
#include "print/paycheck.hpp"

#include <iterator>
#include <vector>

namespace quillon {
namespace {

// One stub; stub 2 has a single blank line before its summary, stub 1 two.
void stub(PageWriter& out, const CheckInput& in, const PayFigures& f, int blankBeforeSummary) {
    const int H = in.offsets.H;
    const CheckScreen& s = in.screen;
    out.print({{H + 5, s.txtPayTo},
               {H + 45, s.txtUserSSnum},
               {H + 65, "For Week Ending: " + in.period.txtWeek},
               {H + 125, s.txtCheckDate}});
    out.print({{H + 5, "Description"},
               {H + 30, "Rate"},
               {H + 45, "Hours"},
               {H + 55, "Earnings"},
               {H + 65, "Taxes/Deduct"},
               {H + 102, "Current"},
               {H + 125, "YTD"}});
    out.print({{H + 5, std::string(198, '-')}});

    // The earnings part runs out after eight lines; the tax part goes on alone.
    const EarningsLine* earnings[] = {&f.regular1, &f.regular2, &f.overtime,   &f.overtime15,
                                      &f.holiday,  &f.vacation, &f.adjustment, &f.tips};
    for (std::size_t i = 0; i < f.taxes.size(); ++i) {
        const TaxLine& t = f.taxes[i];
        std::vector<Item> items;
        if (i < std::size(earnings)) {
            const EarningsLine& e = *earnings[i];
            items = {
                {H + 5, e.description}, {H + 30, e.rate}, {H + 45, e.hours}, {H + 55, e.earnings}};
        }
        items.insert(items.end(), {{H + 65, t.label}, {H + 102, t.current}, {H + 125, t.ytd}});
        out.print(items);
    }
    out.blankLines(blankBeforeSummary);
    out.print(
        {{H + 30, "Earnings"}, {H + 50, "Taxes"}, {H + 65, "Deductions"}, {H + 85, "Net Pay"}});
    const auto summary = [&](const char* caption, const SummaryLine& line) {
        out.print({{H + 5, caption},
                   {H + 30, line.earnings},
                   {H + 50, line.taxes},
                   {H + 65, line.deductions},
                   {H + 85, line.net}});
    };
    summary("Current", f.current);
    summary("YTD", f.ytd);
}

}  // namespace

PageOutcome PrintCheck(const CheckInput& in) {
    if (in.words.tooLarge) {
        return PrintError{
            "Dollar amount is too large: a check is written for less than "
            "1,000,000.00. No check was printed."};
    }
    const PayFigures f = payFigures(in.period, in.profile, in.totals);
    const int H = in.offsets.H;
    const CheckScreen& s = in.screen;
    PageWriter out(Orientation::Portrait);

    out.setFontSize(11);
    out.blankLines(in.offsets.N + 1);
    out.print({{H + 107, s.txtCheckDate}});
    out.blankLines(2);
    out.print({{H + 15, s.txtPayTo}, {H + 102, s.txtCheckAmt}});
    out.blankLines(1);
    out.print({{H + 5, "*****" + in.words.words + "*****"}});
    out.blankLines(1);
    out.print({{H + 15, s.txtUserName}, {H + 75, s.txtUserSSnum}});
    out.print({{H + 15, s.txtUserAddress}});
    out.print({{H + 15, s.txtUserState}});
    out.blankLines(1);
    out.print({{H + 10, s.txtMemo}});

    out.setFontSize(8);
    out.blankLines(10);
    stub(out, in, f, 2);
    out.blankLines(7);
    stub(out, in, f, 1);
    return out.page();
}

}  // namespace quillon
