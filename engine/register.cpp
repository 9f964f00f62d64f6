// The register totals.
#include "engine/register.hpp"

#include <algorithm>

namespace quillon {

RegisterTotals AddAnnual(const std::array<RegisterRow, kRegisterSlots>& rows, int usedRows) {
    RegisterTotals t;
    const int used = std::clamp(usedRows, 0, kRegisterSlots);
    for (int i = 0; i < used; ++i) {
        const RegisterRow& row = rows[static_cast<std::size_t>(i)];
        t.TotFed += centsAsShown(row.Fed);
        t.TotSS += centsAsShown(row.SS);
        t.TotMedi += centsAsShown(row.Medi);
        t.TotState += centsAsShown(row.State);
        t.TotCity += centsAsShown(row.City);
        t.TotMuni += centsAsShown(row.Muni);
        t.TotBond += centsAsShown(row.Bond);
        t.TotDues += centsAsShown(row.Dues);
        t.TotPen += centsAsShown(row.Pen);
        t.TotMisc += centsAsShown(row.Misc);
        t.TotKplan += centsAsShown(row.Kplan);
        t.TotOT += centsAsShown(row.OT);
        t.TotTips += centsAsShown(row.Tips);
        t.TotGross += centsAsShown(row.Gross);
        t.TotNet += centsAsShown(row.Net);
    }
    // The hidden columns are summed over every slot, whatever the frequency.
    for (const RegisterRow& row : rows) {
        t.TotSdi += centsAsShown(row.Sdi);
        t.TotSui += centsAsShown(row.Sui);
        t.TotCafe += centsAsShown(row.Cafe);
    }
    return t;
}

}  // namespace quillon
