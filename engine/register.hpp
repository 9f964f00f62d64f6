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

// Every total is exact currency: the sum of its rows' amounts as the grid shows them.
struct RegisterTotals {
    Currency TotFed, TotSS, TotMedi, TotState, TotCity;
    Currency TotMuni, TotBond, TotDues, TotPen, TotMisc, TotKplan;
    Currency TotOT, TotTips, TotGross, TotNet;
    Currency TotSdi, TotSui, TotCafe;  // never stored in the register file

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

// Recomputes the totals from the used rows (53 weekly, 27 bi-weekly): each row's amount taken
// at the two decimals the grid shows it with (centsAsShown) and summed exactly in currency, so a
// total is what a reader adding up the column gets (53 weeks of 12,345.67 are 654,320.51, of
// 1,234.56 are 65,431.68). The hidden SDI, SUI and cafeteria totals run over all 53 slots.
[[nodiscard]] RegisterTotals AddAnnual(const std::array<RegisterRow, kRegisterSlots>& rows,
                                       int usedRows);

}  // namespace quillon
