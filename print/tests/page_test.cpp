// The page model: where the writer puts items, the metrics it measures them with, its text form.
#include "print/page.hpp"

#include <gtest/gtest.h>

#include "print/font_metrics.hpp"

namespace quillon {
namespace {

// Arial 10: a column is 904.463 / 2048 x 10 = 4.4163 points; a digit 1139 / 2048 x 10 = 5.5615.
TEST(FontMetrics, ArialColumnsLinesAndTexts) {
    const Font ten{"Arial", 10};
    EXPECT_NEAR(columnWidth(ten), 4.41632, 1e-5);
    EXPECT_NEAR(columnWidth(Font{"Arial", 8}), 3.53306, 1e-5);
    EXPECT_NEAR(lineHeight(ten), 2288.0 / 2048 * 10, 1e-9);
    EXPECT_NEAR(textWidth(ten, "1234.56"), (6 * 1139 + 569) / 2048.0 * 10, 1e-9);
    EXPECT_NEAR(textWidth(ten, "Federal"),
                (1251 + 1139 + 1139 + 1139 + 682 + 1139 + 455) / 2048.0 * 10, 1e-9);
    EXPECT_EQ(textWidth(ten, ""), 0);
}

TEST(FontMetrics, TextIsUtf8OrElseLatin1) {
    EXPECT_EQ(decodeText("Pe\xC3\xB1"
                         "a"),
              U"Pe\u00F1a");  // UTF-8
    EXPECT_EQ(decodeText("Pe\xF1"
                         "a"),
              U"Pe\u00F1a");                             // the same name in 8-bit text
    EXPECT_EQ(decodeText("\xE2\x82"), U"\u00E2\u0082");  // a sequence cut short
    EXPECT_EQ(wellFormedUtf8("Pe\xF1"
                             "a"),
              "Pe\xC3\xB1"
              "a");
    EXPECT_EQ(wellFormedUtf8("\xE2\x82\xAC 5"), "\xE2\x82\xAC 5");
    EXPECT_EQ(advanceUnits(U'\u00F1'), advanceUnits(U'n'));
    EXPECT_EQ(advanceUnits(U'\u20AC'), advanceUnits(U'0'));  // beyond Latin-1: a digit's width
}

struct Placement {
    const char* what;
    std::vector<Item> statement;
    std::vector<std::vector<Item>> lines;  // the page lines it makes
};

TEST(PageWriter, ItemsGoToTheirColumnsOrToTheNextLine) {
    const std::string longZip(60, 'W');  // 60 x 1933 units at 10 points: 566 points
    // At Arial 10, "0000" ends at 22.24 points: past column 5 (22.08), short of column 6 (26.50).
    static const Placement cases[] = {
        {"left to right on one line",
         {{0, "Employee:"}, {20, "Lopez"}, {50, "123-45-6789"}},
         {{{0, "Employee:"}, {20, "Lopez"}, {50, "123-45-6789"}}}},
        {"a column inside the last item goes to the next line",
         {{0, "0000"}, {5, "A"}},
         {{{0, "0000"}}, {{5, "A"}}}},
        {"a column just past the last item stays on the line",
         {{0, "0000"}, {6, "A"}},
         {{{0, "0000"}, {6, "A"}}}},
        {"after a wrap the statement carries on on the new line",
         {{0, longZip}, {85, "01-2345678"}, {110, "x"}},
         {{{0, longZip}}, {{85, "01-2345678"}, {110, "x"}}}},
        {"a column behind the current one wraps again",
         {{30, "Rate"}, {10, "a"}, {5, "b"}},
         {{{30, "Rate"}}, {{10, "a"}}, {{5, "b"}}}},
        {"a column left of the margin is the margin",
         {{-3, "Memo"}, {7, "x"}},
         {{{0, "Memo"}, {7, "x"}}}},
        {"an empty text takes no room", {{10, ""}, {10, "x"}}, {{{10, ""}, {10, "x"}}}},
        {"no items: a blank line", {}, {{}}},
    };
    for (const Placement& c : cases) {
        SCOPED_TRACE(c.what);
        PageWriter out(Orientation::Portrait);
        out.setFontSize(10);
        out.print(c.statement);
        const Page& page = out.page();
        ASSERT_EQ(page.lines.size(), c.lines.size()) << describe(page);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(page.lines[i].items, c.lines[i]) << describe(page);
            EXPECT_EQ(page.lines[i].font, (Font{"Arial", 10}));
        }
    }
}

TEST(PageWriter, TheFontGoesWithTheLinesPrintedInIt) {
    PageWriter out(Orientation::Landscape);
    out.setFontSize(11);
    out.blankLines(2);
    out.print({{0, "Harbor Street Hardware"}, {85, "say \"hi\""}});
    out.setFontSize(8);
    out.blankLines(0);
    out.blankLines(-1);
    out.print({{5, "Week"}});
    EXPECT_EQ(describe(out.page()),
              "landscape\n"
              "  1  Arial 11\n"
              "  2  Arial 11\n"
              "  3  Arial 11  @0 \"Harbor Street Hardware\"  @85 \"say \\\"hi\\\"\"\n"
              "  4  Arial 8  @5 \"Week\"\n");
}

}  // namespace
}  // namespace quillon
