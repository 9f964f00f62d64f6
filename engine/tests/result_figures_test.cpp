// The figures the calculation's result carries for the windows and pages: the result area as one
// ordered table, and the statement's earnings lines.
//
// The earnings lines are pinned against the texts the pay statement prints for these periods
// when it works them out itself from the entry boxes (print/pay_figures.cpp, run over these
// periods when the lines came to the calculation): the rate and hours in "###.00", the earnings
// in "#####.00". A line held in the wrong precision shows here: the O.T. 1.5x rate 13.37 x 1.5
// prints "20.05" worked in double, "20.06" in single precision; the hours "1.0049999" print
// "1.00" read in double, "1.01" as a Single (which the tips line prints, from the tip hours the
// calculation read).
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <variant>

#include "engine/figure.hpp"
#include "engine/pay.hpp"
#include "engine/tests/earnings_periods.hpp"

namespace quillon {
namespace {

struct PrintedLine {
    std::string description, rate, hours, earnings;
};

struct PinnedPeriod {
    const char* what;
    std::array<PrintedLine, 8> lines;  // in the statement's order
};

// What the statement prints, period by period, in the order of testing::earningsPeriods().
const PinnedPeriod kPrinted[] = {
    {"the worked period: (2X), a dollar amount, tips",
     {{{"Regular1 Earning", "25.00", "80.00", "2000.00"},
       {"Regular2 Earning", "30.00", "4.00", "120.00"},
       {"O.T. 1x / 2x Earned", "50.00", "3.00", "150.00"},
       {"O.T. 1.5x Earned", "37.50", "6.50", "243.75"},
       {"Tips", "2.00", "12.00", "24.00"},
       {"Holiday", "25.00", "8.00", "200.00"},
       {"Vacation/Sick", "25.00", ".00", ".00"},
       {"Adjustment", "150.25", "", "150.25"}}}},
    {"every box empty",
     {{{"Regular1 Earning", "20.00", ".00", ".00"},
       {"Regular2 Earning", ".00", ".00", ".00"},
       {"O.T. 1x / 2x Earned", "20.00", ".00", ".00"},
       {"O.T. 1.5x Earned", "30.00", ".00", ".00"},
       {"Tips", ".00", ".00", ".00"},
       {"Holiday", "20.00", ".00", ".00"},
       {"Vacation/Sick", "20.00", ".00", ".00"},
       {"Adjustment", ".00", "", ".00"}}}},
    {"no rate 1: the default 7.50",
     {{{"Regular1 Earning", "7.50", "40.00", "300.00"},
       {"Regular2 Earning", "12.00", "5.00", "60.00"},
       {"O.T. 1x / 2x Earned", "7.50", "2.00", "15.00"},
       {"O.T. 1.5x Earned", "11.25", "3.00", "33.75"},
       {"Tips", "1.50", "6.00", "9.00"},
       {"Holiday", "7.50", "8.00", "60.00"},
       {"Vacation/Sick", "7.50", "4.00", "30.00"},
       {"Adjustment", ".00", "", ".00"}}}},
    {"(1X) and odd hours",
     {{{"Regular1 Earning", "13.37", "37.13", "496.36"},
       {"Regular2 Earning", "9.99", ".33", "3.33"},
       {"O.T. 1x / 2x Earned", "13.37", "7.78", "103.98"},
       {"O.T. 1.5x Earned", "20.05", "2.68", "53.65"},
       {"Tips", "2.68", "2.68", "7.16"},
       {"Holiday", "13.37", "1.01", "13.44"},
       {"Vacation/Sick", "13.37", "3.33", "44.57"},
       {"Adjustment", ".00", "", ".00"}}}},
    {"(2X) and a negative dollar amount",
     {{{"Regular1 Earning", "10.01", "40.00", "400.40"},
       {"Regular2 Earning", ".00", ".00", ".00"},
       {"O.T. 1x / 2x Earned", "20.02", "2.68", "53.55"},
       {"O.T. 1.5x Earned", "15.02", ".00", ".00"},
       {"Tips", ".00", ".00", ".00"},
       {"Holiday", "10.01", ".00", ".00"},
       {"Vacation/Sick", "10.01", ".00", ".00"},
       {"Adjustment", "-50.00", "", "-50.00"}}}},
    {"a dollar amount of four decimals with a separator",
     {{{"Regular1 Earning", "20.00", ".00", ".00"},
       {"Regular2 Earning", ".00", ".00", ".00"},
       {"O.T. 1x / 2x Earned", "20.00", ".00", ".00"},
       {"O.T. 1.5x Earned", "30.00", ".00", ".00"},
       {"Tips", ".00", ".00", ".00"},
       {"Holiday", "20.00", ".00", ".00"},
       {"Vacation/Sick", "20.00", ".00", ".00"},
       {"Adjustment", "1234.57", "", "1234.57"}}}},
    {"texts that read as zero",
     {{{"Regular1 Earning", "20.00", ".00", ".00"},
       {"Regular2 Earning", ".00", ".00", ".00"},
       {"O.T. 1x / 2x Earned", "40.00", ".00", ".00"},
       {"O.T. 1.5x Earned", "30.00", ".00", ".00"},
       {"Tips", ".00", ".00", ".00"},
       {"Holiday", "20.00", ".00", ".00"},
       {"Vacation/Sick", "20.00", ".00", ".00"},
       {"Adjustment", ".00", "", ".00"}}}},
    {"a bi-weekly employee, half cents",
     {{{"Regular1 Earning", "20.05", "80.50", "1614.03"},
       {"Regular2 Earning", ".00", ".00", ".00"},
       {"O.T. 1x / 2x Earned", "40.10", "1.50", "60.15"},
       {"O.T. 1.5x Earned", "30.07", "10.25", "308.27"},
       {"Tips", ".35", "3.00", "1.05"},
       {"Holiday", "20.05", ".00", ".00"},
       {"Vacation/Sick", "20.05", "7.75", "155.39"},
       {"Adjustment", ".01", "", ".01"}}}},
    {"more digits than a Single keeps, exponents and separators",
     {{{"Regular1 Earning", ".10", "1.00", ".10"},
       {"Regular2 Earning", "2.50", "1000.00", "2500.00"},
       {"O.T. 1x / 2x Earned", ".10", "12.35", "1.23"},
       {"O.T. 1.5x Earned", ".15", ".13", ".02"},
       {"Tips", "1.00", "1.01", "1.01"},
       {"Holiday", ".10", "1000.00", "100.00"},
       {"Vacation/Sick", ".10", ".38", ".04"},
       {"Adjustment", "100000.00", "", "100000.00"}}}},
};

PrintedLine printed(const EarningsRow& row) {
    return {std::string(row.description), format(row.rate, "###.00"),
            row.hours ? format(*row.hours, "###.00") : "", format(row.earnings, "#####.00")};
}

TEST(StatementEarnings, EachLineAsTheStatementPrintsIt) {
    const auto periods = testing::earningsPeriods();
    ASSERT_EQ(periods.size(), std::size(kPrinted));
    for (std::size_t p = 0; p < periods.size(); ++p) {
        SCOPED_TRACE(periods[p].what);
        ASSERT_STREQ(periods[p].what, kPrinted[p].what);
        const PayOutcome outcome = Calcu_late(periods[p].in);
        ASSERT_TRUE(std::holds_alternative<PayResult>(outcome));
        const StatementEarnings& e = std::get<PayResult>(outcome).earnings;
        const std::array<const EarningsRow*, 8> rows = {&e.regular1,   &e.regular2,  &e.overtime,
                                                        &e.overtime15, &e.tips,      &e.holiday,
                                                        &e.vacation,   &e.adjustment};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const PrintedLine got = printed(*rows[i]);
            const PrintedLine& want = kPrinted[p].lines[i];
            SCOPED_TRACE(want.description);
            EXPECT_EQ(got.description, want.description);
            EXPECT_EQ(got.rate, want.rate);
            EXPECT_EQ(got.hours, want.hours);
            EXPECT_EQ(got.earnings, want.earnings);
        }
    }
}

// The figures are the calculation's own: the straight-time lines carry its pay, and the
// adjustment its currency amount to the ten-thousandth.
TEST(StatementEarnings, LinesCarryTheCalculationsFigures) {
    PayInput in = testing::realisticInput();
    in.txtAmount[6] = "1,234.5678";
    const PayResult r = std::get<PayResult>(Calcu_late(in));
    EXPECT_EQ(std::get<float>(r.earnings.regular1.earnings), r.StraightPay1);
    EXPECT_EQ(std::get<float>(r.earnings.regular2.earnings), r.StraightPay2);
    EXPECT_EQ(std::get<float>(r.earnings.tips.earnings), r.TipsPay);
    EXPECT_EQ(std::get<Currency>(r.earnings.adjustment.earnings), Currency::fromUnits(12345678));
    EXPECT_EQ(std::get<double>(r.earnings.adjustment.rate), 1234.5678);
    EXPECT_FALSE(r.earnings.adjustment.hours.has_value());
    // (2X): 3 hours at twice 25.
    EXPECT_EQ(valueOf(r.earnings.overtime.rate), 50.0);
    EXPECT_EQ(valueOf(r.earnings.overtime.earnings), 150.0);
}

// The keys in the order scripts read them, each figure with its caption and format.
TEST(ResultFigures, KeysInOrderWithTheirCaptionsAndFormats) {
    const PayResult r = std::get<PayResult>(Calcu_late(testing::realisticInput()));
    const auto figures = resultFigures(r);
    const char* const keys[] = {"fed",   "socsec",     "medicare", "state",    "city",
                                "ded5",  "ded6",       "ded7",     "ded8",     "ded9",
                                "kplan", "sdi",        "sui",      "cafe",     "gross",
                                "taxes", "deductions", "net",      "overtime", "tips"};
    ASSERT_EQ(figures.size(), std::size(keys));
    for (std::size_t i = 0; i < figures.size(); ++i) {
        SCOPED_TRACE(keys[i]);
        EXPECT_EQ(figures[i].key, keys[i]);
        EXPECT_EQ(static_cast<std::size_t>(figures[i].id), i);
        // Every caption is its number in its format (the gross too: the taxable wage is not 0).
        EXPECT_EQ(figures[i].caption, format(figures[i].number, figures[i].format));
    }
    // A few against the worked period (engine/tests/pay_inputs.hpp).
    EXPECT_EQ(figures[0].caption, "274.64");
    EXPECT_EQ(figures[3].caption, "135.73");
    EXPECT_EQ(figures[7].caption, "18.76");
    EXPECT_EQ(figures[14].caption, "$2,888.00");
    EXPECT_EQ(figures[17].caption, "$1,886.15");
    EXPECT_EQ(figures[17].number, r.NetPay);
    EXPECT_EQ(figures[18].caption, "$393.75");  // 6.5 x 1.5 x 25 + 3 x 2 x 25
}

}  // namespace
}  // namespace quillon
