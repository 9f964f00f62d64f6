// Two posted weeks of 620.00 gross, as the register window saves them, shared by the tests that
// write a register file before printing: federal 54.23, Social Security 38.44, Medicare 8.99,
// state 23.10 and city 15.08 a week (139.84 of taxes), the bond given, and the net that leaves
// (480.16 without a bond).
#pragma once

#include "engine/money.hpp"
#include "engine/register.hpp"

namespace quillon::testing {

inline Register twoPostedWeeks(float bond) {
    Register r;
    for (int i = 0; i < 2; ++i) {
        RegisterRow& row = r.rows[static_cast<std::size_t>(i)];
        row.Date = i == 0 ? "12/16/2016" : "12/23/2016";
        row.Fed = 54.23f;
        row.SS = 38.44f;
        row.Medi = 8.99f;
        row.State = 23.1f;
        row.City = 15.08f;
        row.Bond = bond;
        row.Gross = 620;
        row.Net = roundedToCents(480.16f - bond);
    }
    r.totals = AddAnnual(r.rows, kWeeklyRows);
    return r;
}

}  // namespace quillon::testing
