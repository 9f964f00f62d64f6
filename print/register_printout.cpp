// The register printout's lines and columns.
#include "print/register_printout.hpp"

#include <array>

#include "print/pay_figures.hpp"

namespace quillon {
namespace {

// Week, the eleven tax and deduction columns, tips, overtime, net, gross.
constexpr std::array<int, 16> kColumns = {5,   17,  30,  43,  56,  69,  82,  95,
                                          108, 121, 134, 145, 156, 172, 182, 197};

std::vector<Item> atColumns(const std::array<std::string, 16>& texts) {
    std::vector<Item> items;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        items.push_back({kColumns[i], texts[i]});
    }
    return items;
}

std::string total(Currency value) {
    return format(value, kAmountFormat);
}

}  // namespace

std::string slotText(float value) {
    return (value >= 0 ? " " : "") + decimalText(value) + " ";
}

Page PrintYr(const RegisterPrintInput& in) {
    const Profile& p = in.profile;
    const RegisterTotals& t = in.yearRegister.totals;
    PageWriter out(Orientation::Landscape);

    out.setFontSize(10);
    out.print({{0, in.heading.HeadCompany}});
    out.print({{0, in.heading.HeadAddress}});
    out.print({{0, in.heading.HeadZip}, {134, in.heading.HeadId}});
    out.setFontSize(9);
    out.print({{0, "Employee:"}, {17, in.UserFile}, {145, in.today}});

    out.setFontSize(8);
    out.print(
        atColumns({"Week", "Federal", "SS", "MediCare", "State", "City", p.DedName5, p.DedName6,
                   p.DedName7, p.DedName8, p.DedName9, "KPlan", "Tips", "OT", "Net", "Gross"}));
    for (int i = 0; i < in.usedRows && i < kRegisterSlots; ++i) {
        const RegisterRow& r = in.yearRegister.rows[static_cast<std::size_t>(i)];
        out.print(
            atColumns({r.Date, slotText(r.Fed), slotText(r.SS), slotText(r.Medi), slotText(r.State),
                       slotText(r.City), slotText(r.Muni), slotText(r.Bond), slotText(r.Dues),
                       slotText(r.Pen), slotText(r.Misc), slotText(r.Kplan), slotText(r.Tips),
                       slotText(r.OT), slotText(r.Net), slotText(r.Gross)}));
    }
    out.print({{5, std::string(291, '-')}});
    out.print(atColumns({"TOTALS", total(t.TotFed), total(t.TotSS), total(t.TotMedi),
                         total(t.TotState), total(t.TotCity), total(t.TotMuni), total(t.TotBond),
                         total(t.TotDues), total(t.TotPen), total(t.TotMisc), total(t.TotKplan),
                         total(t.TotTips), total(t.TotOT), total(t.TotNet), total(t.TotGross)}));
    out.print({{56, "Total Tips: " + total(t.TotTips)},
               {95, "Total SDI: " + total(t.TotSdi)},
               {121, "Total SUI: " + total(t.TotSui)},
               {145, "Total Cafeteria: " + total(t.TotCafe)}});
    out.blankLines(1);
    return out.page();
}

}  // namespace quillon
