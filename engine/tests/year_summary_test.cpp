// The quarter and year figures: the dates they take, the return's cents, the five employees of
// engine/tests/year_fixture.hpp worked through by hand, the pay period of the 12th, the base
// crossed by wages and tips, and the notes.
#include "engine/year_summary.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/tests/year_fixture.hpp"

namespace quillon {
namespace {

using testing::dollars;
using testing::fiveEmployees;

struct DateCase {
    const char* text;
    int month, day;  // 0: no date of 2016
    int dayOfYear, quarter;
};

TEST(Date2016, MonthDayAndTheYear2016Only) {
    static const DateCase cases[] = {
        {"3/12/2016", 3, 12, 72, 1},  // 31 + 29 + 12
        {"1/1/2016", 1, 1, 1, 1},     {"12/31/2016", 12, 31, 366, 4},
        {"02/29/2016", 2, 29, 60, 1},  // a leap year
        {" 7/4/2016 ", 7, 4, 186, 3},  // 182 + 4; blanks around it
        {"4/1/2016", 4, 1, 92, 2},    {"9/30/2016", 9, 30, 274, 3},
        {"2/30/2016", 0, 0, 0, 0},    {"4/31/2016", 0, 0, 0, 0},
        {"13/1/2016", 0, 0, 0, 0},    {"0/5/2016", 0, 0, 0, 0},
        {"3/0/2016", 0, 0, 0, 0},     {"3/12/16", 0, 0, 0, 0},
        {"3/12/2015", 0, 0, 0, 0},    {"3/12/20160", 0, 0, 0, 0},
        {"3-12-2016", 0, 0, 0, 0},    {"3/12 /2016", 0, 0, 0, 0},
        {"003/12/2016", 0, 0, 0, 0},  {"+3/12/2016", 0, 0, 0, 0},
        {"3/12/2016x", 0, 0, 0, 0},   {"", 0, 0, 0, 0},
        {"week 3", 0, 0, 0, 0},       {"//2016", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        const std::optional<Date2016> date = date2016(c.text);
        if (c.month == 0) {
            EXPECT_FALSE(date);
            continue;
        }
        ASSERT_TRUE(date);
        EXPECT_EQ(*date, (Date2016{c.month, c.day}));
        EXPECT_EQ(date->dayOfYear(), c.dayOfYear);
        EXPECT_EQ(date->quarter(), c.quarter);
    }
}

TEST(Date2016, TheQuartersLastDaysAsTheWeekEndingBoxWritesThem) {
    const char* expected[] = {"3/31/2016", "6/30/2016", "9/30/2016", "12/31/2016"};
    for (int q = 1; q <= 4; ++q) {
        SCOPED_TRACE(q);
        EXPECT_EQ(dateText(lastDayOfQuarter(q)), expected[q - 1]);
        EXPECT_EQ(date2016(dateText(lastDayOfQuarter(q))), lastDayOfQuarter(q));
    }
}

struct RateCase {
    std::int64_t units;  // ten-thousandths
    std::int64_t rate;
    std::int64_t cents;
};

TEST(TaxAtRate, ToTheCentHalvesAwayFromZero) {
    static const RateCase cases[] = {
        {10000'0000, 1240, 124000},  // 10,000.00 x 12.4 %
        {2500, 290, 1},              // 0.25 x 2.9 % = 0.00725
        {1'5000, 90, 1},             // 1.50 x 0.9 % = 0.0135
        {-5000, 90, 0},              // -0.50 x 0.9 % = -0.0045
        {5000, 10000, 50},           // 0.50 x 1
        {50, 10000, 1},              // 0.005 x 1: the half cent up
        {-50, 10000, -1},            // and down
        {49, 10000, 0},              // 0.0049
        {-150, 10000, -2},           // -0.015
        {106150'0000, 290, 307835},  // 106,150 x 2.9 % = 3,078.35
        {1'8750, 1240, 23},          // 1.875 x 12.4 % = 0.2325
        // 900,000,000,000.00 x 12.4 %: no step leaves 64 bits
        {900'000'000'000'0000, 1240, 11'160'000'000'000},
        {-900'000'000'000'0000, 1240, -11'160'000'000'000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(taxAtRate(Currency::fromUnits(c.units), c.rate),
                  Currency::fromUnits(c.cents * 100));
    }
}

TEST(TaxAtRate, AgreesWithTheRoundedProductOverASweep) {
    // The product of two integers below 2^63 is exact in the 64-bit significand of the extended
    // type, and so is its half-cent test once divided by a cent of product.
    for (std::int64_t rate : {1240, 620, 290, 145, 90, 10000}) {
        for (std::int64_t units = -3'000'000; units <= 3'000'000; units += 997) {
            const long double product = static_cast<long double>(units) * rate / 1e6L;
            const auto cents = static_cast<std::int64_t>(std::llroundl(product));
            ASSERT_EQ(taxAtRate(Currency::fromUnits(units), rate), Currency::fromUnits(cents * 100))
                << units << " x " << rate;
        }
    }
}

// The quarter's figures of the five employees. The third quarter holds Archer's 7/15, 8/12 and
// 9/16, Baker's 7/22 and 9/16, Carver's 9/9 and 9/23, Dunn's 9/16 and Ellis's 9/16.
TEST(Summarize, TheThirdQuarterByHand) {
    const YearSummary q3 = summarize(fiveEmployees(), SummaryPeriod::ofQuarter(3));
    ASSERT_EQ(q3.employees.size(), 4U);
    ASSERT_EQ(q3.selfEmployed.size(), 1U);
    EXPECT_EQ(q3.selfEmployed[0].userFile, "Ellis");
    EXPECT_EQ(q3.selfEmployed[0].notes,
              (std::vector<SummaryNote>{{SummaryNoteKind::SelfEmployed, {}}}));
    EXPECT_EQ(q3.selfEmployed[0].figures.gross, dollars(2000));

    // Archer: Social Security on 14,850 + 14,550 (the rest of the base) + 0 = 29,400;
    // Medicare 3 x 14,850 = 44,550; federal wage 3 x (15,000 - 50 - 300 - 100) = 43,650.
    const WageFigures& a = q3.employees[0].figures;
    EXPECT_EQ(q3.employees[0].userFile, "Archer");
    EXPECT_EQ(q3.employees[0].rows, 3);
    EXPECT_EQ(a.gross, dollars(45000));
    EXPECT_EQ(a.ssWages, dollars(29400));
    EXPECT_EQ(a.ssTips, Currency{});
    EXPECT_EQ(a.ssTax, dollars(1822.80));  // 920.70 + 902.10 + 0
    EXPECT_EQ(a.medicareWages, dollars(44550));
    EXPECT_EQ(a.medicareTax, dollars(645.99));  // 3 x 215.33
    EXPECT_EQ(a.addlMedicareWages, Currency{});
    EXPECT_EQ(a.federalWages, dollars(43650));
    EXPECT_EQ(a.sdi, dollars(60));
    EXPECT_EQ(a.sui, dollars(30));
    EXPECT_TRUE(q3.employees[0].notes.empty());  // 645.99 is 44,550 x 1.45 % within its cents

    // Baker: under the base since 4/15; 210,000 and 240,000 counted: 40,000 above 200,000.
    const WageFigures& b = q3.employees[1].figures;
    EXPECT_EQ(b.ssWages, Currency{});
    EXPECT_EQ(b.medicareWages, dollars(60000));
    EXPECT_EQ(b.addlMedicareWages, dollars(40000));
    EXPECT_EQ(b.medicareTax, dollars(1230));  // 525 + 705 = 60,000 x 1.45 % + 40,000 x 0.9 %

    // Carver: two rows; 600 of wages and 200 of tips each; the K plan stays in these wages.
    const WageFigures& c = q3.employees[2].figures;
    EXPECT_EQ(c.ssWages, dollars(1200));
    EXPECT_EQ(c.ssTips, dollars(400));
    EXPECT_EQ(c.medicareWages, dollars(1600));
    EXPECT_EQ(c.federalWages, dollars(1520));  // 2 x (800 - 40)

    // Dunn is exempt: no Social Security or Medicare wages, but his federal wage counts.
    const WageFigures& d = q3.employees[3].figures;
    EXPECT_EQ(d.gross, dollars(1000));
    EXPECT_EQ(d.ssWages, Currency{});
    EXPECT_EQ(d.medicareWages, Currency{});
    EXPECT_EQ(d.federalWages, dollars(1000));

    WageFigures t;
    t.gross = dollars(107600);   // 45,000 + 60,000 + 1,600 + 1,000
    t.fed = dollars(18220);      // 6,000 + 12,000 + 120 + 100
    t.ssWages = dollars(30600);  // 29,400 + 1,200
    t.ssTips = dollars(400);
    t.ssTax = dollars(1922);            // 1,822.80 + 99.20
    t.medicareWages = dollars(106150);  // 44,550 + 60,000 + 1,600
    t.medicareTax = dollars(1899.19);   // 645.99 + 1,230 + 23.20
    t.addlMedicareWages = dollars(40000);
    t.state = dollars(4550);  // 1,500 + 3,000 + 50
    t.city = dollars(300);
    t.sdi = dollars(60);
    t.sui = dollars(30);
    t.federalWages = dollars(106170);  // 43,650 + 60,000 + 1,520 + 1,000
    t.kplan = dollars(80);
    t.pension = dollars(900);
    t.ninthDeduction = dollars(150);
    t.cafeteria = dollars(300);
    t.tips = dollars(400);
    t.stateWages = dollars(107070);  // 3 x 14,850 + 60,000 + 2 x 760 + 1,000
    t.cityWages = dollars(107370);   // 3 x 14,950 + 60,000 + 2 x 760 + 1,000
    EXPECT_EQ(q3.totals, t);

    Form941 f;
    f.line1 = 3;  // Archer (9/10-9/16), Baker (9/3-9/16), Dunn; not Carver (9/3-9/9, 9/17-9/23)
    f.line2 = dollars(106170);
    f.line3 = dollars(18220);
    f.line5aWages = dollars(30600);
    f.line5aTax = dollars(3794.40);  // x 12.4 %
    f.line5bTips = dollars(400);
    f.line5bTax = dollars(49.60);
    f.line5cWages = dollars(106150);
    f.line5cTax = dollars(3078.35);  // x 2.9 %
    f.line5dWages = dollars(40000);
    f.line5dTax = dollars(360);  // x 0.9 %
    f.line5e = dollars(7282.35);
    f.line6 = dollars(25502.35);
    // withheld 1,922.00 + 1,899.19 = 3,821.19; the employees' share (3,794.40 + 49.60 +
    // 3,078.35) / 2 + 360 = 3,821.175: 0.015, to the cent 0.02
    f.line7 = dollars(0.02);
    f.line10 = dollars(25502.37);
    ASSERT_TRUE(q3.form941);
    EXPECT_EQ(*q3.form941, f);
    EXPECT_TRUE(q3.w2.empty());
    EXPECT_EQ(q3.notes, (std::vector<SummaryNote>{{SummaryNoteKind::LinesNotFigured, {}}}));
}

TEST(Summarize, AQuarterHoldsOnlyItsShareOfTheBases) {
    const std::vector<YearEmployee> five = fiveEmployees();
    // Baker: 90,000 under the base in the first quarter, the 28,500 left of it in the second.
    const YearSummary q1 = summarize(five, SummaryPeriod::ofQuarter(1));
    const YearSummary q2 = summarize(five, SummaryPeriod::ofQuarter(2));
    const YearSummary q3 = summarize(five, SummaryPeriod::ofQuarter(3));
    const YearSummary q4 = summarize(five, SummaryPeriod::ofQuarter(4));
    ASSERT_EQ(q1.employees.size(), 2U);  // Archer and Baker
    EXPECT_EQ(q1.employees[1].figures.ssWages, dollars(90000));
    ASSERT_EQ(q2.employees.size(), 3U);  // and Carver's 6/10
    EXPECT_EQ(q2.employees[1].figures.ssWages, dollars(28500));
    EXPECT_EQ(q1.form941->line1, 2);  // Archer's 3/18 (3/12-3/18), Baker's 3/18 (3/5-3/18)
    // Archer past the base since 8/12: the last quarter has Medicare wages only.
    ASSERT_EQ(q4.employees.size(), 1U);
    EXPECT_EQ(q4.employees[0].figures.ssWages, Currency{});
    EXPECT_EQ(q4.employees[0].figures.medicareWages, dollars(44550));
    EXPECT_EQ(q4.form941->line5aTax, Currency{});
    // The four quarters make the year.
    WageFigures quarters;
    for (const YearSummary* q : {&q1, &q2, &q3, &q4}) {
        quarters += q->totals;
    }
    EXPECT_EQ(quarters, summarize(five, SummaryPeriod::wholeYear()).totals);
}

TEST(Summarize, TheYearsWageStatementsByHand) {
    const YearSummary year = summarize(fiveEmployees(), SummaryPeriod::wholeYear());
    EXPECT_FALSE(year.form941);
    ASSERT_EQ(year.w2.size(), 4U);  // not Ellis, who is self-employed

    FormW2 archer;
    archer.userFile = "Archer";
    archer.EmpName = "Ann Archer";
    archer.box1 = dollars(174600);  // 12 x 14,550
    archer.box2 = dollars(24000);
    archer.box3 = dollars(118500);   // the base
    archer.box4 = dollars(7347);     // 7 x 920.70 + 902.10 = 118,500 x 6.2 %
    archer.box5 = dollars(178200);   // 12 x 14,850
    archer.box6 = dollars(2583.96);  // 12 x 215.33
    archer.box16 = dollars(178200);  // 12 x (15,000 - 50 - 100): "Deduct State"
    archer.box17 = dollars(6000);
    archer.box18 = dollars(179400);  // 12 x (15,000 - 50)
    archer.box19 = dollars(1200);
    archer.notes = {{SummaryNoteKind::PensionLeftOutOfBox1, dollars(3600)},
                    {SummaryNoteKind::NinthDeductionLeftOut, dollars(600)},
                    {SummaryNoteKind::CafeteriaLeftOut, dollars(1200)}};
    EXPECT_EQ(year.w2[0], archer);

    FormW2 baker;
    baker.userFile = "Baker";
    baker.EmpName = "Bob Baker";
    baker.box1 = dollars(240000);
    baker.box2 = dollars(48000);
    baker.box3 = dollars(118500);
    baker.box4 = dollars(7347);  // 3 x 1,860 + 1,767
    baker.box5 = dollars(240000);
    baker.box6 = dollars(3840);  // 6 x 435 + 525 + 705 = 240,000 x 1.45 % + 40,000 x 0.9 %
    baker.box16 = dollars(240000);
    baker.box17 = dollars(12000);
    baker.box18 = dollars(240000);
    EXPECT_EQ(year.w2[1], baker);

    // Carver's three rows (row 4 is skipped): box 3 + box 7 = 2,400, the tips apart.
    FormW2 carver;
    carver.userFile = "Carver";
    carver.EmpName = "Cy Carver";
    carver.box1 = dollars(2280);  // 3 x (800 - 40)
    carver.box2 = dollars(180);
    carver.box3 = dollars(1800);
    carver.box4 = dollars(148.80);
    carver.box5 = dollars(2400);
    carver.box6 = dollars(34.80);
    carver.box7 = dollars(600);
    carver.box12D = dollars(120);
    carver.box16 = dollars(2280);
    carver.box17 = dollars(75);
    carver.box18 = dollars(2280);
    carver.notes = {{SummaryNoteKind::KplanIsBox12D, dollars(120)}};
    EXPECT_EQ(year.w2[2], carver);

    // Dunn is exempt: 0 in boxes 3 to 7.
    FormW2 dunn;
    dunn.userFile = "Dunn";
    dunn.EmpName = "Di Dunn";
    dunn.box1 = dollars(1000);
    dunn.box2 = dollars(100);
    dunn.box16 = dollars(1000);
    dunn.box18 = dollars(1000);
    EXPECT_EQ(year.w2[3], dunn);

    EXPECT_EQ(year.totals.gross, dollars(423400));  // 180,000 + 240,000 + 2,400 + 1,000
    EXPECT_EQ(year.totals.addlMedicareWages, dollars(40000));
    EXPECT_EQ(year.notes, (std::vector<SummaryNote>{{SummaryNoteKind::StateAndCityWages, {}}}));
    for (const EmployeeSummary& e : year.employees) {
        SCOPED_TRACE(e.userFile);
        EXPECT_TRUE(e.notes.empty());  // every withheld amount is the rates' within its cents
    }
}

TEST(Summarize, RowsWithoutA2016DateAreListedInEveryReportAndCountNowhere) {
    const std::vector<SkippedRow> expected = {
        {"Archer", 13, "2/30/2016"}, {"Carver", 4, "9/30/16"}, {"Dunn", 2, ""}};
    for (SummaryPeriod period :
         {SummaryPeriod::ofQuarter(1), SummaryPeriod::ofQuarter(3), SummaryPeriod::wholeYear()}) {
        SCOPED_TRACE(period.quarter);
        EXPECT_EQ(summarize(fiveEmployees(), period).skipped, expected);
    }
    // Nor are they in any figure.
    const YearSummary year = summarize(fiveEmployees(), SummaryPeriod::wholeYear());
    EXPECT_EQ(year.employees[2].rows, 3);
    EXPECT_EQ(year.employees[3].figures.gross, dollars(1000));
}

struct TwelfthCase {
    const char* what;
    bool biWeekly;
    const char* date;
    float gross;
    int quarter;
    int line1;
};

TEST(Summarize, LineOneCountsAPayPeriodThatIncludesTheTwelfth) {
    static const TwelfthCase cases[] = {
        {"weekly, ending on it", false, "9/12/2016", 500, 3, 1},
        {"weekly, starting on it", false, "9/18/2016", 500, 3, 1},  // 9/12-9/18
        {"weekly, starting after it", false, "9/19/2016", 500, 3, 0},
        {"weekly, ending before it", false, "9/11/2016", 500, 3, 0},
        {"bi-weekly, starting on it", true, "9/25/2016", 500, 3, 1},  // 9/12-9/25
        {"bi-weekly, starting after it", true, "9/26/2016", 500, 3, 0},
        {"bi-weekly, ending on it", true, "9/12/2016", 500, 3, 1},
        {"the quarter's first month", false, "7/12/2016", 500, 3, 0},
        {"nothing paid", false, "9/16/2016", 0, 3, 0},
        {"the first quarter", false, "3/12/2016", 500, 1, 1},
        {"the last quarter", true, "12/20/2016", 500, 4, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        YearEmployee e;
        e.userFile = "Fox";
        e.biWeekly = c.biWeekly;
        e.rows.resize(2);
        e.rows[0].Date = c.date;
        e.rows[0].Gross = c.gross;
        const YearSummary q = summarize({e}, SummaryPeriod::ofQuarter(c.quarter));
        ASSERT_TRUE(q.form941);
        EXPECT_EQ(q.form941->line1, c.line1);

        e.SelfEmployed = true;  // on no line of the return
        EXPECT_EQ(summarize({e}, SummaryPeriod::ofQuarter(c.quarter)).form941->line1, 0);
    }
}

TEST(Summarize, ARowCrossingTheBaseCountsItsWagesBeforeItsTips) {
    YearEmployee e;
    e.userFile = "Gray";
    e.rows.resize(3);
    e.rows[0].Date = "6/3/2016";
    e.rows[0].Gross = 118000;
    // 1,000 of which 800 are tips: the 200 of wages, then 300 of the tips reach the base.
    e.rows[1].Date = "7/1/2016";
    e.rows[1].Gross = 1000;
    e.rows[1].Tips = 800;
    e.rows[2].Date = "7/8/2016";
    e.rows[2].Gross = 500;
    e.rows[2].Tips = 100;
    const YearSummary year = summarize({e}, SummaryPeriod::wholeYear());
    ASSERT_EQ(year.w2.size(), 1U);
    EXPECT_EQ(year.w2[0].box3, dollars(118200));
    EXPECT_EQ(year.w2[0].box7, dollars(300));
    EXPECT_EQ(year.w2[0].box5, dollars(119500));
    const YearSummary q3 = summarize({e}, SummaryPeriod::ofQuarter(3));
    EXPECT_EQ(q3.form941->line5aWages, dollars(200));
    EXPECT_EQ(q3.form941->line5bTips, dollars(300));
    EXPECT_EQ(q3.form941->line5cWages, dollars(1500));
}

TEST(Summarize, WithheldAmountsTheRatesDoNotGiveAreNoted) {
    // The calculation's own crossing of the base leaves the cafeteria and the ninth deduction
    // in: Archer's 8/12 row withheld on 118,500 - 105,000 = 13,500, 837.00, not 902.10.
    YearEmployee archer = testing::archer();
    archer.rows[7].SS = 837;
    archer.rows[0].Medi = 200;  // 15.33 short
    const YearSummary year = summarize({archer}, SummaryPeriod::wholeYear());
    EXPECT_EQ(year.employees[0].notes,
              (std::vector<SummaryNote>{{SummaryNoteKind::SocialSecurityDiffers, dollars(7347)},
                                        {SummaryNoteKind::MedicareDiffers, dollars(2583.90)}}));
    EXPECT_EQ(year.w2[0].box4, dollars(7281.90));  // the statement says what was withheld

    // Exempt, yet Medicare was withheld: noted, in no box, and in line 7.
    YearEmployee dunn = testing::dunn();
    dunn.rows[0].Medi = 14.5f;
    const YearSummary q3 = summarize({dunn}, SummaryPeriod::ofQuarter(3));
    EXPECT_EQ(q3.employees[0].notes,
              (std::vector<SummaryNote>{{SummaryNoteKind::ExemptButWithheld, dollars(14.50)}}));
    EXPECT_EQ(q3.form941->line5cWages, Currency{});
    EXPECT_EQ(q3.form941->line7, dollars(14.50));
    EXPECT_EQ(summarize({dunn}, SummaryPeriod::wholeYear()).w2[0].box6, Currency{});
}

TEST(Summarize, AnAmountBeyondASinglesCentsKeepsTheCentItWasWrittenWith) {
    // 123,456.78 is the Single 123456.78125; the register wrote it from the text "123456.78".
    YearEmployee e;
    e.userFile = "Hale";
    e.rows.resize(1);
    e.rows[0].Date = "1/8/2016";
    e.rows[0].Gross = 123456.78f;
    EXPECT_EQ(summarize({e}, SummaryPeriod::wholeYear()).totals.gross, dollars(123456.78));
}

TEST(Summarize, AQuarterOutsideOneToFourIsAProgrammingError) {
    EXPECT_THROW((void)summarize({}, SummaryPeriod::ofQuarter(5)), std::invalid_argument);
    EXPECT_THROW((void)summarize({}, SummaryPeriod::ofQuarter(-1)), std::invalid_argument);
    const YearSummary none = summarize({}, SummaryPeriod::ofQuarter(2));
    EXPECT_EQ(*none.form941, Form941{});
}

}  // namespace
}  // namespace quillon
