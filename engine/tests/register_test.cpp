// The register totals: every total the exact currency sum of its rows as the grid shows them (two
// decimals each), and the hidden columns over every slot.
#include "engine/register.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "engine/tests/record_printers.hpp"

namespace quillon {
namespace {

using Rows = std::array<RegisterRow, kRegisterSlots>;

Currency dollars(std::int64_t cents) {
    return Currency::fromUnits(cents * 100);
}

TEST(AddAnnual, FiftyThreeWeeksAddUpToTheCent) {
    // 53 x 1,234.56 = 65,431.68. The Single 1234.56 is 1234.56005859375: taken at four
    // decimals (1234.5601) each week, the year came to 65,431.69.
    // 53 x 12,345.67 = 654,320.51. The Single is 12345.669921875; summed in single precision
    // and kept to seven digits, the year came to 654,321.20.
    Rows rows{};
    for (RegisterRow& row : rows) {
        row.Gross = 1234.56f;
        row.Fed = 12345.67f;
    }
    const RegisterTotals t = AddAnnual(rows, kWeeklyRows);
    EXPECT_EQ(t.TotGross, dollars(6543168));
    EXPECT_EQ(format(t.TotGross, "#,###.00"), "65,431.68");
    EXPECT_EQ(t.TotFed, dollars(65432051));
    EXPECT_EQ(format(t.TotFed, "#,###.00"), "654,320.51");
}

// Rows whose totals single precision cannot hold, each total worked out by adding the shown
// texts by hand.
TEST(AddAnnual, EachTotalIsTheSumOfTheShownAmounts) {
    struct Case {
        const char* what;
        float RegisterRow::*column;
        Currency RegisterTotals::*total;
        std::vector<float> amounts;
        std::int64_t cents;
    };
    const Case cases[] = {
        // 99,999.99 + .05 = 100,000.04; seven digits kept 100,000.0.
        {"state past 100,000",
         &RegisterRow::State,
         &RegisterTotals::TotState,
         {99999.99f, 0.05f},
         10000004},
        // Fifty-three tenths: 5.30 (a plain binary sum drifts to 5.2999...).
        {"medicare tenths", &RegisterRow::Medi, &RegisterTotals::TotMedi,
         std::vector<float>(53, 0.1f), 530},
        // 2.675 is the Single 2.67499995...; the grid shows 2.68 (its text 2.675, halves away
        // from zero), and so the total holds 2.68 three times: 8.04.
        {"half cents as shown",
         &RegisterRow::City,
         &RegisterTotals::TotCity,
         {2.675f, 2.675f, 2.675f},
         804},
        // The Single 123456.78 shows 123456.80 (its seven digits); nine of them, 1,111,111.20,
        // where seven digits kept 1,111,111.
        {"deduction past a million", &RegisterRow::Kplan, &RegisterTotals::TotKplan,
         std::vector<float>(9, 123456.78f), 111111120},
        // A correction typed as a negative amount: 500.01 - 0.02 = 499.99.
        {"a negative row", &RegisterRow::Pen, &RegisterTotals::TotPen, {500.01f, -0.02f}, 49999},
        // The net of 27 fortnights of 3,333.33: 89,999.91.
        {"net", &RegisterRow::Net, &RegisterTotals::TotNet, std::vector<float>(27, 3333.33f),
         8999991},
        // Overtime 0.015 shows .02 (its text 0.015): 53 of them, 1.06.
        {"overtime", &RegisterRow::OT, &RegisterTotals::TotOT, std::vector<float>(53, 0.015f), 106},
        // Hidden columns as well: 53 x 0.07 = 3.71.
        {"SDI", &RegisterRow::Sdi, &RegisterTotals::TotSdi, std::vector<float>(53, 0.07f), 371},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rows rows{};
        for (std::size_t i = 0; i < c.amounts.size(); ++i) {
            rows[i].*c.column = c.amounts[i];
        }
        EXPECT_EQ(AddAnnual(rows, kWeeklyRows).*c.total, dollars(c.cents));
    }
}

TEST(CentsAsShown, RoundsAsTheTwoDecimalFormatsDo) {
    const struct {
        float value;
        std::int64_t cents;
    } cases[] = {
        {1234.56f, 123456}, {12345.67f, 1234567},
        {2.675f, 268},      {0.005f, 1},
        {-3.005f, -301},    {0.0f, 0},
        {-0.001f, 0},       {1e-30f, 0},
        {0.994f, 99},       {999999.99f, 100000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(centsAsShown(c.value), dollars(c.cents));
        // Exactly what the grid's text says.
        EXPECT_EQ(format(centsAsShown(c.value), "#####.00"), format(c.value, "#####.00"));
    }
    EXPECT_EQ(centsAsShown(std::numeric_limits<float>::quiet_NaN()), Currency{});
    EXPECT_EQ(centsAsShown(3e38f), Currency::largest());
    EXPECT_EQ(centsAsShown(-std::numeric_limits<float>::infinity()), -Currency::largest());
}

TEST(AddAnnual, EachColumnGoesToItsTotal) {
    Rows rows{};
    rows[4] =
        RegisterRow{"1/8/2016", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const RegisterTotals t = AddAnnual(rows, kWeeklyRows);
    const Currency expected[] = {t.TotFed,   t.TotSS,   t.TotMedi, t.TotState, t.TotCity,
                                 t.TotMuni,  t.TotBond, t.TotDues, t.TotPen,   t.TotMisc,
                                 t.TotKplan, t.TotTips, t.TotOT,   t.TotNet,   t.TotGross,
                                 t.TotSdi,   t.TotSui,  t.TotCafe};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i], dollars(static_cast<std::int64_t>(i + 1) * 100));
    }
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
    EXPECT_EQ(t.TotFed, dollars(1000));
    EXPECT_EQ(t.TotGross, dollars(100000));
    EXPECT_EQ(t.TotSdi, dollars(250));
    EXPECT_EQ(t.TotSui, dollars(125));
    EXPECT_EQ(t.TotCafe, dollars(6000));

    const RegisterTotals weekly = AddAnnual(rows, kWeeklyRows);
    EXPECT_EQ(weekly.TotFed, dollars(10900));
}

TEST(AddAnnual, AnOutOfRangeRowCountIsClamped) {
    Rows rows{};
    for (auto& row : rows) {
        row.Fed = 1;
    }
    EXPECT_EQ(AddAnnual(rows, 100).TotFed, dollars(5300));
    EXPECT_EQ(AddAnnual(rows, -1).TotFed, Currency{});
}

}  // namespace
}  // namespace quillon
