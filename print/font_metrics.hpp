// Arial's character widths (Liberation Sans has the same ones), the width of a character column
// and the height of a line: what a page layout needs to know where a printed item ends.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quillon {

// Every printout is in Arial; only the size changes.
struct Font {
    std::string family = "Arial";
    double pointSize = 10;
    friend bool operator==(const Font&, const Font&) = default;
};

// Arial's metrics are in units of 1/2048 em.
inline constexpr int kUnitsPerEm = 2048;
inline constexpr int kAscentUnits = 1854;
inline constexpr int kDescentUnits = 434;

// A character column is the font's average character width: the advances of "a" to "z" and the
// space, weighted by how often they occur in English text (thousandths). This is the average
// Arial's own font tables carry (904 units). Liberation Sans states the newer average over all
// its glyphs (1208 units), which would make every column a third wider than on Arial's pages and
// push the register's column 197 past the edge of a landscape sheet; weighting its advances the
// classic way gives Arial's 904 again.
struct AverageWidthWeight {
    char character;
    int weight;
};
inline constexpr std::array<AverageWidthWeight, 27> kAverageWidthWeights = {{
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
    {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
    {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
    {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
}};

// The characters of a text: UTF-8, where a byte that does not begin a well-formed sequence is
// taken as the Latin-1 character of that value (so 8-bit text prints as it was written).
[[nodiscard]] std::u32string decodeText(std::string_view text);
// The same characters as well-formed UTF-8.
[[nodiscard]] std::string wellFormedUtf8(std::string_view text);

// Advance of one character in units of 1/2048 em. The printable ASCII and Latin-1 characters
// have Arial's advances; any other character counts as wide as a digit.
[[nodiscard]] int advanceUnits(char32_t c);

// In points, for the font's size.
[[nodiscard]] double textWidth(const Font& font, std::string_view text);
[[nodiscard]] double columnWidth(const Font& font);
[[nodiscard]] double lineHeight(const Font& font);  // ascent + descent

}  // namespace quillon
