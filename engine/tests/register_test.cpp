// The register totals: seven significant digits for the tax and deduction columns, cents for
// overtime, tips, gross and net, and the hidden columns over every slot.
#include "engine/register.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using Rows = std::array<RegisterRow, kRegisterSlots>;

TEST(AddAnnual, TaxTotalsKeepSevenDigitsSoLargeTotalsLoseTheirCents) {
    Rows rows{};
    rows[0].Fed = 99999.99f;
    rows[1].Fed = 0.05f;  // 100000.04 keeps seven digits: 100000.0
    rows[2].Fed = 0.06f;  // 100000.06: 100000.1
    rows[0].Gross = 99999.99f;
    rows[1].Gross = 0.05f;
    rows[2].Gross = 0.06f;
    const RegisterTotals t = AddAnnual(rows, kWeeklyRows);
    EXPECT_EQ(t.TotFed, 100000.1f);
    EXPECT_EQ(format(t.TotFed, "#####.00"), "100000.10");
    EXPECT_EQ(format(t.TotGross, "#####.00"), "100000.10");

    Rows two{};
    two[0].SS = 99999.99f;
    two[1].SS = 0.05f;
    EXPECT_EQ(format(AddAnnual(two, kWeeklyRows).TotSS, "#####.00"), "100000.00");
    two[0].Net = 99999.99f;
    two[1].Net = 0.05f;
    EXPECT_EQ(format(AddAnnual(two, kWeeklyRows).TotNet, "#####.00"), "100000.04");
}

TEST(AddAnnual, EveryPartialSumIsItsDecimalText) {
    // Fifty-three tenths: each partial sum is read back from its decimal text, so the total
    // is the Single nearest 5.3 and not the drift of a plain binary sum.
    Rows rows{};
    for (auto& row : rows) {
        row.Medi = 0.1f;
        row.Sdi = 0.1f;
    }
    const RegisterTotals t = AddAnnual(rows, kWeeklyRows);
    EXPECT_EQ(t.TotMedi, 5.3f);
    EXPECT_NEAR(t.TotSdi, 5.3f, 1e-5f);
}

TEST(AddAnnual, EachColumnGoesToItsTotal) {
    Rows rows{};
    rows[4] =
        RegisterRow{"1/8/2016", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const RegisterTotals t = AddAnnual(rows, kWeeklyRows);
    EXPECT_EQ(t.TotFed, 1);
    EXPECT_EQ(t.TotSS, 2);
    EXPECT_EQ(t.TotMedi, 3);
    EXPECT_EQ(t.TotState, 4);
    EXPECT_EQ(t.TotCity, 5);
    EXPECT_EQ(t.TotMuni, 6);
    EXPECT_EQ(t.TotBond, 7);
    EXPECT_EQ(t.TotDues, 8);
    EXPECT_EQ(t.TotPen, 9);
    EXPECT_EQ(t.TotMisc, 10);
    EXPECT_EQ(t.TotKplan, 11);
    EXPECT_EQ(t.TotTips, Currency::fromUnits(120000));
    EXPECT_EQ(t.TotOT, Currency::fromUnits(130000));
    EXPECT_EQ(t.TotNet, Currency::fromUnits(140000));
    EXPECT_EQ(t.TotGross, Currency::fromUnits(150000));
    EXPECT_EQ(t.TotSdi, 16);
    EXPECT_EQ(t.TotSui, 17);
    EXPECT_EQ(t.TotCafe, 18);
}

TEST(AddAnnual, BiWeeklyTotalsUseRowsOneTo27ButHiddenColumnsAll53) {
    Rows rows{};
    rows[26].Fed = 10;
    rows[26].Gross = 1000;
    rows[27].Fed = 99;  // slot 28: not used bi-weekly
    rows[27].Gross = 9999;
    rows[27].Sdi = 2.5f;
    rows[52].Sui = 1.25f;
    rows[52].Cafe = 60;
    const RegisterTotals t = AddAnnual(rows, kBiWeeklyRows);
    EXPECT_EQ(t.TotFed, 10);
    EXPECT_EQ(t.TotGross, Currency::fromUnits(10000000));
    EXPECT_EQ(t.TotSdi, 2.5f);
    EXPECT_EQ(t.TotSui, 1.25f);
    EXPECT_EQ(t.TotCafe, 60);

    const RegisterTotals weekly = AddAnnual(rows, kWeeklyRows);
    EXPECT_EQ(weekly.TotFed, 109);
}

TEST(AddAnnual, GrossCentsAreSummedExactly) {
    // Tenths of a cent would drift in binary; as currency 53 x 1234.56 is exact.
    Rows rows{};
    for (auto& row : rows) {
        row.Gross = 1234.56f;  // 1234.56005859375: 1234.5601 as currency
    }
    EXPECT_EQ(AddAnnual(rows, kWeeklyRows).TotGross, Currency::fromUnits(53LL * 12345601));
}

TEST(AddAnnual, AnOutOfRangeRowCountIsClamped) {
    Rows rows{};
    for (auto& row : rows) {
        row.Fed = 1;
    }
    EXPECT_EQ(AddAnnual(rows, 100).TotFed, 53);
    EXPECT_EQ(AddAnnual(rows, -1).TotFed, 0);
}

}  // namespace
}  // namespace quillon
