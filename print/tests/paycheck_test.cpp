// The paycheck: the face and both stubs, the printer offsets and what is refused.
#include "print/paycheck.hpp"

#include <gtest/gtest.h>

#include "print/tests/fixtures.hpp"
#include "print/tests/golden.hpp"

namespace quillon {
namespace {

using testing::expectGolden;
using testing::workedCheck;

Page checkPage(const CheckInput& in) {
    PageOutcome outcome = PrintCheck(in);
    if (const auto* error = std::get_if<PrintError>(&outcome)) {
        ADD_FAILURE() << error->message;
        return {};
    }
    return std::get<Page>(outcome);
}

CheckOffsets offsets(std::string_view horizontal, std::string_view vertical) {
    auto parsed = checkOffsets(horizontal, vertical);
    if (const auto* refusal = std::get_if<OffsetRefusal>(&parsed)) {
        ADD_FAILURE() << refusal->message;
        return {};
    }
    return std::get<CheckOffsets>(parsed);
}

std::size_t blankLinesAtTop(const Page& page) {
    std::size_t n = 0;
    while (n < page.lines.size() && page.lines[n].items.empty()) {
        ++n;
    }
    return n;
}

// Offsets 0 and 0: four blank lines, the date at column 107 of the face.
TEST(PrintCheck, WorkedPeriodWithoutOffsets) {
    const Page page = checkPage(workedCheck(offsets("0", "0")));
    EXPECT_EQ(page.orientation, Orientation::Portrait);
    EXPECT_EQ(blankLinesAtTop(page), 4u);
    expectGolden("check_offset_0_0.txt", describe(page));
    EXPECT_EQ(
        page.lines[9].items,
        (std::vector<Item>{{5, "***** One Thousand Eight Hundred Eighty Six and 15/100*****"}}));
}

TEST(PrintCheck, VerticalOffsetsMoveTheFaceDownByWholeLines) {
    static const struct {
        const char* vertical;
        int N;
        std::size_t blankLines;
    } cases[] = {
        {"0", 3, 4},   {"+1", 4, 5},  {"-1", 2, 3},  {"-3", 0, 1},
        {"-4", -1, 0}, {"-5", -2, 0}, {"1.5", 4, 5},  // 4.5 rounds to the even 4
        {"2.5", 6, 7},                                // 5.5 rounds to the even 6
        {" 2 ", 5, 6},
    };
    const Page plain = checkPage(workedCheck(offsets("0", "0")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vertical);
        const CheckOffsets o = offsets("0", c.vertical);
        EXPECT_EQ(o.N, c.N);
        const Page page = checkPage(workedCheck(o));
        EXPECT_EQ(blankLinesAtTop(page), c.blankLines);
        EXPECT_EQ(page.lines[c.blankLines].items, (std::vector<Item>{{107, "12/30/2016"}}));
        // Below the blank lines the page is the same.
        ASSERT_EQ(page.lines.size() - c.blankLines, plain.lines.size() - 4);
        EXPECT_TRUE(std::equal(page.lines.begin() + static_cast<long>(c.blankLines),
                               page.lines.end(), plain.lines.begin() + 4));
    }
}

TEST(PrintCheck, HorizontalOffsetMovesEveryItemOnFaceAndStubs) {
    static const struct {
        const char* horizontal;
        int H;
    } cases[] = {{"+2", 2}, {"1.5", 2}, {"2.5", 2}, {"-0.5", 0}, {"-3", -3}, {"5", 5}};
    const Page plain = checkPage(workedCheck(offsets("0", "0")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.horizontal);
        const CheckOffsets o = offsets(c.horizontal, "0");
        EXPECT_EQ(o.H, c.H);
        const Page moved = checkPage(workedCheck(o));
        ASSERT_EQ(moved.lines.size(), plain.lines.size());
        for (std::size_t i = 0; i < plain.lines.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const auto& was = plain.lines[i].items;
            const auto& now = moved.lines[i].items;
            EXPECT_EQ(moved.lines[i].font, plain.lines[i].font);
            ASSERT_EQ(now.size(), was.size());
            for (std::size_t k = 0; k < was.size(); ++k) {
                EXPECT_EQ(now[k], (Item{was[k].column + c.H, was[k].text}));
            }
        }
    }
}

TEST(PrintCheck, PlusTwoColumns) {
    expectGolden("check_offset_2_0.txt", describe(checkPage(workedCheck(offsets("+2", "0")))));
}

TEST(PrintCheck, TheStubsDifferOnlyInTheBlankLinesBeforeTheSummary) {
    const Page page = checkPage(workedCheck());
    // Face: 4 + 12 lines; 10 blank; stub 1: 22 lines; 7 blank; stub 2: 21 lines.
    ASSERT_EQ(page.lines.size(), 16u + 10 + 22 + 7 + 21);
    const auto stub1 = page.lines.begin() + 26;
    const auto stub2 = stub1 + 22 + 7;
    EXPECT_TRUE(std::equal(stub1, stub1 + 18, stub2));
    EXPECT_TRUE(stub1[18].items.empty());
    EXPECT_TRUE(std::equal(stub1 + 19, stub1 + 22, stub2 + 18));
    EXPECT_EQ(stub1[0].font, (Font{"Arial", 8}));
    EXPECT_EQ(page.lines[4].font, (Font{"Arial", 11}));
    // Stub line 11: tips on the earnings side, the first deduction on the other.
    EXPECT_EQ(stub1[10].items, (std::vector<Item>{{5, "Tips"},
                                                  {30, "2.00"},
                                                  {45, "12.00"},
                                                  {55, "24.00"},
                                                  {65, "CrUnion"},
                                                  {102, "25.00"},
                                                  {125, "650.00"}}));
    // Stub line 12: the earnings side has ended.
    EXPECT_EQ(stub1[11].items, (std::vector<Item>{{65, "Bond"}, {102, "10.00"}, {125, "260.00"}}));
}

TEST(PrintCheck, AnAmountTooLargeForACheckPrintsNothing) {
    CheckInput in = workedCheck();
    in.words = AmountInWords(1000000.0f);
    const PageOutcome outcome = PrintCheck(in);
    ASSERT_TRUE(std::holds_alternative<PrintError>(outcome));
    EXPECT_EQ(std::get<PrintError>(outcome).message,
              "Dollar amount is too large: a check is written for less than 1,000,000.00. No "
              "check was printed.");
}

}  // namespace
}  // namespace quillon
