// The register totals.
#include "engine/register.hpp"

#include <algorithm>

namespace quillon {

namespace {

// A running tax or deduction total keeps the seven significant digits of its decimal form
// after every addition, so above 99999.99 only one decimal survives.
void addKept(float& total, float amount) {
    const float sum = total + amount;
    total = strictSingle(decimalText(sum)).value_or(sum);
}

}  // namespace

RegisterTotals AddAnnual(const std::array<RegisterRow, kRegisterSlots>& rows, int usedRows) {
    RegisterTotals t;
    const int used = std::clamp(usedRows, 0, kRegisterSlots);
    for (int i = 0; i < used; ++i) {
        const RegisterRow& row = rows[static_cast<std::size_t>(i)];
        addKept(t.TotFed, row.Fed);
        addKept(t.TotSS, row.SS);
        addKept(t.TotMedi, row.Medi);
        addKept(t.TotState, row.State);
        addKept(t.TotCity, row.City);
        addKept(t.TotMuni, row.Muni);
        addKept(t.TotBond, row.Bond);
        addKept(t.TotDues, row.Dues);
        addKept(t.TotPen, row.Pen);
        addKept(t.TotMisc, row.Misc);
        addKept(t.TotKplan, row.Kplan);
        t.TotOT += Currency::fromSingle(row.OT);
        t.TotTips += Currency::fromSingle(row.Tips);
        t.TotGross += Currency::fromSingle(row.Gross);
        t.TotNet += Currency::fromSingle(row.Net);
    }
    // The hidden columns are summed over every slot, whatever the frequency.
    for (const RegisterRow& row : rows) {
        t.TotSdi += row.Sdi;
        t.TotSui += row.Sui;
        t.TotCafe += row.Cafe;
    }
    return t;
}

}  // namespace quillon
