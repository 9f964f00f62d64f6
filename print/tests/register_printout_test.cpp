// The register printout: its lines and columns for a weekly and a bi-weekly register.
#include "print/register_printout.hpp"

#include <gtest/gtest.h>

#include "print/tests/fixtures.hpp"
#include "print/tests/golden.hpp"

namespace quillon {
namespace {

using testing::biWeeklyPrintInput;
using testing::expectGolden;
using testing::weeklyPrintInput;

TEST(PrintYr, WeeklyRegister) {
    const Page page = PrintYr(weeklyPrintInput());
    EXPECT_EQ(page.orientation, Orientation::Landscape);
    // 3 heading lines, the employee, the column headings, 53 slots, rule, totals, SDI line,
    // blank.
    EXPECT_EQ(page.lines.size(), 62u);
    expectGolden("register_weekly.txt", describe(page));
}

TEST(PrintYr, BiWeeklyRegisterPrintsTwentySevenSlots) {
    const Page page = PrintYr(biWeeklyPrintInput());
    EXPECT_EQ(page.lines.size(), 36u);
    expectGolden("register_biweekly.txt", describe(page));
}

TEST(PrintYr, SlotValuesPrintAsPlainNumbers) {
    static const struct {
        float value;
        const char* text;
    } cases[] = {
        {12.5f, " 12.5 "},       {0.0f, " 0 "},     {-3.0f, "-3 "},
        {1234.56f, " 1234.56 "}, {0.05f, " 0.05 "}, {123456.7f, " 123456.7 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(slotText(c.value), c.text);
    }
}

TEST(PrintYr, ALongZipLinePushesTheIdNumberDownALine) {
    RegisterPrintInput in = weeklyPrintInput();
    in.heading.HeadZip = std::string(140, 'M');  // 140 x 1706 units at 10 points: past column 134
    const Page page = PrintYr(in);
    ASSERT_EQ(page.lines.size(), 63u);
    EXPECT_EQ(page.lines[2].items, (std::vector<Item>{{0, in.heading.HeadZip}}));
    EXPECT_EQ(page.lines[3].items, (std::vector<Item>{{134, "01-2345678"}}));
}

TEST(PrintYr, EmptyDeductionNamesLeaveTheirHeadingsEmpty) {
    RegisterPrintInput in = weeklyPrintInput();
    in.profile.DedName5 = "";
    in.profile.DedName9 = "";
    const Page page = PrintYr(in);
    const std::vector<Item>& headings = page.lines[4].items;
    ASSERT_EQ(headings.size(), 16u);
    EXPECT_EQ(headings[6], (Item{82, ""}));
    EXPECT_EQ(headings[7], (Item{95, "Bond"}));
    EXPECT_EQ(headings[10], (Item{134, ""}));
}

}  // namespace
}  // namespace quillon
