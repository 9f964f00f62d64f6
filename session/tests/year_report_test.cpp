// The quarter and year report over three employees of engine/tests/year_fixture.hpp: Archer
// crosses the Social Security base in the third quarter, Baker 200,000 of Medicare wages, Carver
// has tips and a K plan. Every figure below is worked by hand from the fixture's rows; the
// report's JSON, CSV and terminal texts are checked whole where a key or a column could slip.
#include "session/year_report.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/tests/year_fixture.hpp"

namespace quillon {
namespace {

std::vector<YearEmployee> threeEmployees() {
    return {testing::archer(), testing::baker(), testing::carver()};
}

YearReport reportOf(SummaryPeriod period) {
    CompanyHeading heading{"Quill & Sons", "1 Main St", "Springfield, IL 62701", "36-1234567"};
    return yearReport(summarize(threeEmployees(), period), {}, heading);
}

TEST(ReportAmount, TwoDecimalsNoSeparatorMinusWhereNegative) {
    const struct {
        std::int64_t units;
        const char* text;
    } cases[] = {
        {0, "0.00"},           {5000, "0.50"},
        {12345000, "1234.50"}, {-5000, "-0.50"},
        {-49, "0.00"},         {50, "0.01"},  // a half cent: away
        {-50, "-0.01"},        {1185000000, "118500.00"},
        {1, "0.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(reportAmount(Currency::fromUnits(c.units)), c.text);
    }
}

// The third quarter: 7/15, 8/12 and 9/16 of Archer, 7/22 and 9/16 of Baker, 9/9 and 9/23 of
// Carver ("9/30/16" is skipped).
//   Archer: gross 3 x 15,000 = 45,000; fed 6,000; SS wages: 89,100 counted in the first half,
//     14,850 on 7/15 (103,950) and 14,550 of 8/12's 14,850 under 118,500, 0 on 9/16: 29,400;
//     SS tax 920.70 + 902.10 = 1,822.80; Medicare wages 3 x 14,850 = 44,550, tax 3 x 215.33 =
//     645.99; no Additional Medicare (178,200 in the year); state 1,500, city 300, SDI 60, SUI 30.
//   Baker: gross 60,000; fed 12,000; SS wages 0 (base crossed on 4/15); Medicare wages 60,000,
//     tax 525 + 705 = 1,230; Additional Medicare: 180,000 before 7/22, so 10,000 of it and all
//     30,000 of 9/16: 40,000; state 3,000.
//   Carver: gross 1,600; fed 120; SS wages 2 x 600 = 1,200 and tips 400; SS tax 99.20; Medicare
//     wages 1,600, tax 23.20; state 50.
TEST(YearReport, TheThirdQuarterAsJson) {
    const std::string json = reportJson(reportOf(SummaryPeriod::ofQuarter(3)));
    EXPECT_NE(json.find("{\"name\":\"Ann Archer\",\"file\":\"Archer\",\"gross\":\"45000.00\","
                        "\"fed\":\"6000.00\",\"ss_wages\":\"29400.00\",\"ss_tips\":\"0.00\","
                        "\"ss_tax\":\"1822.80\",\"medicare_wages\":\"44550.00\","
                        "\"medicare_tax\":\"645.99\",\"addl_medicare_wages\":\"0.00\","
                        "\"state\":\"1500.00\",\"city\":\"300.00\",\"sdi\":\"60.00\","
                        "\"sui\":\"30.00\"}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"medicare_tax\":\"1230.00\",\"addl_medicare_wages\":\"40000.00\""),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"ss_wages\":\"1200.00\",\"ss_tips\":\"400.00\",\"ss_tax\":\"99.20\""),
              std::string::npos)
        << json;
    // The totals: gross 106,600; fed 18,120; SS wages 30,600, tips 400, tax 1,922.00; Medicare
    // wages 106,150, tax 1,899.19; Additional Medicare 40,000; state 4,550; city 300.
    EXPECT_NE(json.find("\"totals\":{\"gross\":\"106600.00\",\"fed\":\"18120.00\","
                        "\"ss_wages\":\"30600.00\",\"ss_tips\":\"400.00\",\"ss_tax\":\"1922.00\","
                        "\"medicare_wages\":\"106150.00\",\"medicare_tax\":\"1899.19\","
                        "\"addl_medicare_wages\":\"40000.00\",\"state\":\"4550.00\","
                        "\"city\":\"300.00\",\"sdi\":\"60.00\",\"sui\":\"30.00\"}"),
              std::string::npos)
        << json;
    // Line 1: Archer's week 9/10-9/16 and Baker's fortnight 9/3-9/16 hold 9/12, Carver's weeks
    // of 9/9 and 9/23 do not: 2. Line 2, the box 1 wages: Archer 3 x (15,000 - 50 - 300 - 100)
    // = 43,650, Baker 60,000, Carver 2 x (800 - 40) = 1,520: 105,170. 5a 30,600 x 12.4 % =
    // 3,794.40; 5b 400 x 12.4 % = 49.60; 5c 106,150 x 2.9 % = 3,078.35; 5d 40,000 x 0.9 % =
    // 360.00; 5e 7,282.35; 6 = 18,120 + 7,282.35 = 25,402.35; 7 = 1,922.00 + 1,899.19 -
    // (3,794.40 + 49.60 + 3,078.35) / 2 - 360.00 = 3,821.19 - 3,821.175 = 0.015 -> 0.02;
    // 10 = 25,402.37.
    EXPECT_NE(json.find("\"form941\":{\"line1\":2,\"line2\":\"105170.00\",\"line3\":\"18120.00\","
                        "\"line5a_wages\":\"30600.00\",\"line5a_tax\":\"3794.40\","
                        "\"line5b_tips\":\"400.00\",\"line5b_tax\":\"49.60\","
                        "\"line5c_wages\":\"106150.00\",\"line5c_tax\":\"3078.35\","
                        "\"line5d_wages\":\"40000.00\",\"line5d_tax\":\"360.00\","
                        "\"line5e\":\"7282.35\",\"line6\":\"25402.35\",\"line7\":\"0.02\","
                        "\"line10\":\"25402.37\"}"),
              std::string::npos)
        << json;
    EXPECT_EQ(json.find("\"w2\""), std::string::npos);
    EXPECT_NE(json.find("\"skipped\":[{\"name\":\"Archer\",\"row\":13,\"date\":\"2/30/2016\"},"
                        "{\"name\":\"Carver\",\"row\":4,\"date\":\"9/30/16\"}]"),
              std::string::npos)
        << json;
}

// The year's wage statements:
//   Archer: box 1 12 x 14,550 = 174,600; 2 24,000; 3 118,500; 4 7 x 920.70 + 902.10 = 7,347.00;
//     5 12 x 14,850 = 178,200; 6 12 x 215.33 = 2,583.96; 7 0; 12 D 0; 16 12 x (15,000 - 50 -
//     100) = 178,200 ("Deduct State"); 17 6,000; 18 12 x 14,950 = 179,400; 19 1,200.
//   Baker: 1 240,000; 2 48,000; 3 118,500; 4 3 x 1,860 + 1,767 = 7,347.00; 5 240,000; 6 6 x 435
//     + 525 + 705 = 3,840.00; 16 240,000; 17 12,000; 18 240,000.
//   Carver: 1 3 x 760 = 2,280; 2 180; 3 3 x 600 = 1,800; 4 148.80; 5 2,400; 6 34.80; 7 600;
//     12 D 120; 16 2,280; 17 75; 18 2,280.
TEST(YearReport, TheYearsWageStatementsAsJson) {
    const std::string json = reportJson(reportOf(SummaryPeriod::wholeYear()));
    const char* expected[] = {
        "{\"name\":\"Ann Archer\",\"file\":\"Archer\",\"box1\":\"174600.00\",\"box2\":\"24000.00\","
        "\"box3\":\"118500.00\",\"box4\":\"7347.00\",\"box5\":\"178200.00\",\"box6\":\"2583.96\","
        "\"box7\":\"0.00\",\"box12d\":\"0.00\",\"box16\":\"178200.00\",\"box17\":\"6000.00\","
        "\"box18\":\"179400.00\",\"box19\":\"1200.00\",\"notes\":[",
        "{\"name\":\"Bob Baker\",\"file\":\"Baker\",\"box1\":\"240000.00\",\"box2\":\"48000.00\","
        "\"box3\":\"118500.00\",\"box4\":\"7347.00\",\"box5\":\"240000.00\",\"box6\":\"3840.00\","
        "\"box7\":\"0.00\",\"box12d\":\"0.00\",\"box16\":\"240000.00\",\"box17\":\"12000.00\","
        "\"box18\":\"240000.00\",\"box19\":\"0.00\",\"notes\":[",
        "{\"name\":\"Cy Carver\",\"file\":\"Carver\",\"box1\":\"2280.00\",\"box2\":\"180.00\","
        "\"box3\":\"1800.00\",\"box4\":\"148.80\",\"box5\":\"2400.00\",\"box6\":\"34.80\","
        "\"box7\":\"600.00\",\"box12d\":\"120.00\",\"box16\":\"2280.00\",\"box17\":\"75.00\","
        "\"box18\":\"2280.00\",\"box19\":\"0.00\",\"notes\":[",
    };
    for (const char* statement : expected) {
        EXPECT_NE(json.find(statement), std::string::npos) << statement << "\n" << json;
    }
    EXPECT_EQ(json.find("\"form941\""), std::string::npos);
    // The year's Additional Medicare wages: Baker's 240,000 less 200,000.
    EXPECT_NE(json.find("\"addl_medicare_wages\":\"40000.00\""), std::string::npos);
}

TEST(YearReport, TheCsvHasTheTableTheReturnAndTheSkippedRows) {
    const std::string csv = reportCsv(reportOf(SummaryPeriod::ofQuarter(3)));
    const char* expected[] = {
        "Quarter 3 of 2016: 7/1/2016 to 9/30/2016\r\n\r\n"
        "name,gross,fed,ss_wages,ss_tips,ss_tax,medicare_wages,medicare_tax,addl_medicare_wages,"
        "state,city,sdi,sui\r\n"
        "Ann Archer,45000.00,6000.00,29400.00,0.00,1822.80,44550.00,645.99,0.00,1500.00,300.00,"
        "60.00,30.00\r\n",
        "TOTAL,106600.00,18120.00,30600.00,400.00,1922.00,106150.00,1899.19,40000.00,4550.00,"
        "300.00,60.00,30.00\r\n\r\nline,description,column 1,column 2\r\n"
        "1,Employees paid for the pay period including the 12th of the last month,,2\r\n"
        "2,\"Wages, tips, and other compensation\",,105170.00\r\n",
        "5a,Taxable social security wages x 0.124,30600.00,3794.40\r\n",
        "10,Total taxes after adjustments (6 + 7),,25402.37\r\n",
        "skipped,row,date\r\nArcher,13,2/30/2016\r\nCarver,4,9/30/16\r\n",
    };
    for (const char* part : expected) {
        EXPECT_NE(csv.find(part), std::string::npos) << part << "\n" << csv;
    }
}

TEST(YearReport, TheTerminalTableLinesUpOnTheLastDigit) {
    const std::string text = reportText(reportOf(SummaryPeriod::ofQuarter(3)));
    EXPECT_NE(text.find("TOTAL       106,600.00"), std::string::npos) << text;
    EXPECT_NE(text.find("5a  Taxable social security wages x 0.124"), std::string::npos) << text;
    // Every line of the employee table ends at the same place (the SUI column's right edge).
    const std::size_t header = text.find("Employee");
    const std::size_t headerEnd = text.find('\n', header);
    const std::size_t total = text.find("TOTAL");
    const std::size_t totalEnd = text.find('\n', total);
    EXPECT_EQ(headerEnd - header, totalEnd - total) << text;
}

TEST(YearReport, SelfEmployedAndUnreadRegistersAreListedApart) {
    const std::vector<YearEmployee> five = testing::fiveEmployees();
    const YearReport report =
        yearReport(summarize(five, SummaryPeriod::ofQuarter(3)),
                   {UnreadRegister{"Baker.yrw", UnreadRegister::Why::OtherFrequency, 2}}, {});
    ASSERT_EQ(report.selfEmployed.size(), 1U);
    EXPECT_EQ(report.selfEmployed[0].name, "Ed Ellis");
    for (const ReportEmployee& e : report.employees) {
        EXPECT_NE(e.userFile, "Ellis");
    }
    bool unreadNoted = false;
    for (const std::string& note : report.notes) {
        unreadNoted = unreadNoted || note.find("Baker.yrw holds 2 rows") != std::string::npos;
    }
    EXPECT_TRUE(unreadNoted);
}

}  // namespace
}  // namespace quillon
