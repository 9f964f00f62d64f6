// The quarter and year report's page: the whole page of the third quarter against its golden
// file, the amounts of a column ending on one line, and the year's wage statements.
#include "print/year_report.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/tests/year_fixture.hpp"
#include "print/tests/golden.hpp"

namespace quillon {
namespace {

YearReport reportOf(SummaryPeriod period) {
    const CompanyHeading heading{"Quill & Sons", "1 Main St", "Springfield, IL 62701",
                                 "36-1234567"};
    const std::vector<YearEmployee> three = {testing::archer(), testing::baker(),
                                             testing::carver()};
    return yearReport(summarize(three, period), {}, heading);
}

// The line whose first item is `first`, or null.
const Line* lineStarting(const Page& page, const std::string& first) {
    for (const Line& line : page.lines) {
        if (!line.items.empty() && line.items.front().text == first) {
            return &line;
        }
    }
    return nullptr;
}

// Where an item ends, in points from the margin.
double rightEdge(const Line& line, const Item& item) {
    return item.column * columnWidth(line.font) + textWidth(line.font, item.text);
}

std::string trimmed(const std::string& text) {
    return text.substr(text.find_first_not_of(' '));
}

TEST(YearReportPage, TheThirdQuarter) {
    const Page page = yearReportPage(reportOf(SummaryPeriod::ofQuarter(3)), "10/5/2016");
    EXPECT_EQ(page.orientation, Orientation::Landscape);
    testing::expectGolden("year_report_q3.txt", describe(page));
}

TEST(YearReportPage, TheReturnsLinesHoldTheFiguresInTheirColumns) {
    const Page page = yearReportPage(reportOf(SummaryPeriod::ofQuarter(3)), "10/5/2016");
    // Line 5a: column 1 the wages, column 2 the tax; line 1 the count in column 2.
    const struct {
        const char* line;
        std::vector<std::string> amounts;
    } cases[] = {
        {"1", {"2"}},
        {"2", {"105,170.00"}},
        {"5a", {"30,600.00", "3,794.40"}},
        {"5d", {"40,000.00", "360.00"}},
        {"7", {"0.02"}},
        {"10", {"25,402.37"}},
    };
    const Line* fiveA = lineStarting(page, "5a");
    const Line* ten = lineStarting(page, "10");
    ASSERT_NE(fiveA, nullptr);
    ASSERT_NE(ten, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Line* line = lineStarting(page, c.line);
        ASSERT_NE(line, nullptr);
        ASSERT_EQ(line->items.size(), 2 + c.amounts.size());
        for (std::size_t i = 0; i < c.amounts.size(); ++i) {
            EXPECT_EQ(trimmed(line->items[2 + i].text), c.amounts[i]);
        }
        // Column 2 ends where line 10's amount ends, within half a space.
        const Item& last = line->items.back();
        EXPECT_NEAR(rightEdge(*line, last), rightEdge(*ten, ten->items.back()),
                    textWidth(line->font, " ") / 4);
    }
    EXPECT_NEAR(rightEdge(*fiveA, fiveA->items[2]),
                rightEdge(*lineStarting(page, "5c"), lineStarting(page, "5c")->items[2]),
                textWidth(fiveA->font, " ") / 4);
}

TEST(YearReportPage, TheTablesAmountsEndUnderTheirHeadings) {
    const Page page = yearReportPage(reportOf(SummaryPeriod::ofQuarter(3)), "10/5/2016");
    const Line* header = lineStarting(page, "Employee");
    const Line* total = lineStarting(page, "TOTAL");
    const Line* carver = lineStarting(page, "Cy Carver");
    ASSERT_NE(header, nullptr);
    ASSERT_NE(total, nullptr);
    ASSERT_NE(carver, nullptr);
    ASSERT_EQ(header->items.size(), 13U);
    ASSERT_EQ(total->items.size(), 13U);
    EXPECT_EQ(trimmed(total->items[1].text), "106,600.00");
    EXPECT_EQ(trimmed(total->items[8].text), "40,000.00");  // Additional Medicare
    for (std::size_t c = 1; c < 13; ++c) {
        SCOPED_TRACE(c);
        const double half = textWidth(total->font, " ") / 4;
        EXPECT_NEAR(rightEdge(*total, total->items[c]), rightEdge(*header, header->items[c]), half);
        EXPECT_NEAR(rightEdge(*carver, carver->items[c]), rightEdge(*header, header->items[c]),
                    half);
        // Each column clears the one before it.
        EXPECT_GT(total->items[c].column * columnWidth(total->font),
                  rightEdge(*total, total->items[c - 1]));
    }
}

TEST(YearReportPage, TheYearPrintsAWageStatementForEachEmployee) {
    const Page page = yearReportPage(reportOf(SummaryPeriod::wholeYear()), "1/20/2017");
    const std::string text = describe(page);
    EXPECT_NE(text.find("Form W-2 for 2016: Cy Carver (Carver)"), std::string::npos) << text;
    EXPECT_EQ(text.find("Form 941"), std::string::npos);
    // Carver's box 12 D, his K plan of 3 x 40.00, beside box 7, his tips of 3 x 200.00.
    bool found = false;
    for (const Line& line : page.lines) {
        if (line.items.size() == 4 && line.items[0].text.rfind("7  ", 0) == 0 &&
            trimmed(line.items[1].text) == "600.00") {
            found = trimmed(line.items[3].text) == "120.00";
        }
    }
    EXPECT_TRUE(found) << text;
}

}  // namespace
}  // namespace quillon
