// The calculation around the special-state formulas: what it hands them (this period's
// Social Security and Medicare before rounding, the register totals, the allowance it picked)
// and what it takes back (the tax, a changed allowance, the "Round State" check).
#include <gtest/gtest.h>

#include "engine/pay.hpp"
#include "engine/tests/tables_fixture.hpp"

namespace quillon {
namespace {

constexpr PayFrequency kBiWeekly{false, true};

PayInput biWeeklyThousand() {
    PayInput in;
    in.employee.HourRate = 25;
    in.employee.FedStatus = "Single";
    in.employee.FedExemptions = "0";
    in.employee.StateStatus = "Single";
    in.employee.frequency = kBiWeekly;
    in.federal = testing::federal2016();
    in.state = testing::newYorkState();
    in.city = testing::noLocalTax();
    in.nonCity = testing::nonCityDefaults();
    in.txtAmount[0] = "40";  // 1000
    in.opt1x = true;
    return in;
}

PayResult calculate(const PayInput& in) {
    const PayOutcome outcome = Calcu_late(in);
    EXPECT_TRUE(std::holds_alternative<PayResult>(outcome));
    return std::holds_alternative<PayResult>(outcome) ? std::get<PayResult>(outcome) : PayResult{};
}

// Massachusetts, two exemptions, married allowance 207, rate 5.1 %: with year-to-date Social
// Security and Medicare of 500, this period's 62 and 14.50 come off:
// (1000 - 76.50 - 207) x 5.1% = 36.5415; above 2000 they do not: 793 x 5.1% = 40.443.
TEST(CalculateSpecialStates, MassachusettsGetsThisPeriodsTaxesAndTheTotals) {
    PayInput in = biWeeklyThousand();
    in.state.StateMass = 1;
    in.state.StatePerBS[0] = 0.051f;
    in.state.StateMarExp[2] = 207;
    in.employee.StateExemptions = 2;
    in.TotSS = 400;
    in.TotMedi = 100;
    EXPECT_EQ(calculate(in).lbTaxDed[3], "36.54");
    in.TotSS = 1900;
    in.TotMedi = 200;
    EXPECT_EQ(calculate(in).lbTaxDed[3], "40.44");
}

// Missouri, single, no exemptions, "Spouse Works" off: the federal 35.60 + 15% x 557 = 119.15
// is under 10000 / 26, so x = 1000 - 119.15 - 242.31 = 638.54;
// 12.1275 + 6% x (638.54 - 346.50) = 29.6499 -> 29.65, and the formula checks "Round State".
TEST(CalculateSpecialStates, MissouriChecksRoundState) {
    PayInput in = biWeeklyThousand();
    in.state.StateMissouri = 1;
    in.state.RoundState = 0;
    in.state.StateSgExp.fill(242.31f);
    in.state.StateMarExp.fill(0);
    const PayResult r = calculate(in);
    EXPECT_EQ(r.RoundState, 1);
    EXPECT_EQ(r.lbTaxDed[3], "30.00");
}

// Utah: the whole wage times the row's rate, less the allowance as a credit; in the top row
// the credit is dropped and the calculation carries the allowance of 0 on.
TEST(CalculateSpecialStates, UtahTopRowDropsTheCredit) {
    PayInput in = biWeeklyThousand();
    in.state = testing::noStateTax();
    in.state.StateUtah = 1;
    for (std::size_t r = 0; r <= 6; ++r) {
        in.state.StateMinBS[r] = 100.0f * static_cast<float>(r);
        in.state.StatePerBS[r] = 0.05f;
    }
    in.state.StateSgExp[0] = 10;
    PayResult r = calculate(in);
    EXPECT_EQ(r.lbTaxDed[3], "50.00");  // 1000 x 5%
    EXPECT_EQ(r.carry.StateExpAmt, 0.0f);

    in.txtAmount[0] = "22";  // 550: row 5, 27.50 - 10
    r = calculate(in);
    EXPECT_EQ(r.lbTaxDed[3], "17.50");
    EXPECT_EQ(r.carry.StateExpAmt, 10.0f);
}

// Iowa through the whole calculation: x = the gross of 1681.25 (no federal tax, no standard
// deduction, no credit); 82.78 + 0.0792 x 181.25 = 97.135 shows as 97.14. Iowa's formula in
// single precision shows 97.13 (checked by switching GetIowa to float).
TEST(CalculateSpecialStates, IowaKeepsItsDoublePrecisionToTheCentShown) {
    PayInput in = biWeeklyThousand();
    in.employee.FedExempt = 1;
    in.txtAmount = {"", "", "", "", "", "", "1681.25", ""};
    in.state.StateIowa = 1;
    in.state.StateSgExp.fill(0);
    in.state.StateMarExp.fill(0);
    EXPECT_EQ(calculate(in).lbTaxDed[3], "97.14");
}

// Arizona has no formula: the operator's table (here New York's) is applied.
// 1000 - 284.60 = 715.40: (715.40 - 533) x 5.9% + 23 = 33.7616
TEST(CalculateSpecialStates, ArizonaUsesTheTable) {
    PayInput in = biWeeklyThousand();
    in.state.StateAriz = 1;
    EXPECT_EQ(calculate(in).lbTaxDed[3], "33.76");
}

}  // namespace
}  // namespace quillon
