// The year-to-date register: 53 row slots (weekly uses all, bi-weekly rows 0 to 26) and the
// totals the printouts and the next calculation read. Records compare whole, field by field.
#pragma once

#include <array>
#include <string>

#include "engine/money.hpp"

namespace quillon {

struct RegisterRow {
    std::string Date;
    float Fed = 0, SS = 0, Medi = 0, State = 0, City = 0;
    float Muni = 0, Bond = 0, Dues = 0, Pen = 0, Misc = 0, Kplan = 0;
    float Tips = 0, OT = 0, Net = 0, Gross = 0;
    float Sdi = 0, Sui = 0, Cafe = 0;  // hidden columns

    friend bool operator==(const RegisterRow&, const RegisterRow&) = default;
};

struct RegisterTotals {
    float TotFed = 0, TotSS = 0, TotMedi = 0, TotState = 0, TotCity = 0;
    float TotMuni = 0, TotBond = 0, TotDues = 0, TotPen = 0, TotMisc = 0, TotKplan = 0;
    Currency TotOT, TotTips, TotGross, TotNet;
    float TotSdi = 0, TotSui = 0, TotCafe = 0;  // never stored in the register file

    friend bool operator==(const RegisterTotals&, const RegisterTotals&) = default;
};

inline constexpr int kRegisterSlots = 53;
inline constexpr int kWeeklyRows = 53;
inline constexpr int kBiWeeklyRows = 27;

struct Register {
    std::array<RegisterRow, kRegisterSlots> rows{};
    RegisterTotals totals;

    friend bool operator==(const Register&, const Register&) = default;
};

// Recomputes the totals from the used rows (53 weekly, 27 bi-weekly): the eleven tax and
// deduction totals summed in single precision, each partial sum kept to the 7 significant
// digits of its shortest decimal form; overtime, tips, gross and net summed as currency; the
// hidden SDI, SUI and cafeteria totals over all 53 slots.
[[nodiscard]] RegisterTotals AddAnnual(const std::array<RegisterRow, kRegisterSlots>& rows,
                                       int usedRows);

}  // namespace quillon
