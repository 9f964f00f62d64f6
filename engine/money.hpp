// Money and number primitives: the single-precision dollar, the 4-decimal currency type,
// the display formats and the two text-to-number conversions.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// Amounts are single-precision dollars unless a step asks for more.
using Single = float;
// Extended precision, for the steps that ask for it.
using Extended = long double;

// How a value is rounded where a cent (or a whole dollar) is decided.
//   HalfEven:         2.5 -> 2, 3.5 -> 4, -2.5 -> -2
//   HalfAwayFromZero: 2.5 -> 3, 3.5 -> 4, -2.5 -> -3
enum class Rounding { HalfEven, HalfAwayFromZero };

// Fixed-point currency: a 64-bit count of ten-thousandths of a dollar. Sums and differences
// are exact; conversion from binary floating point rounds half to even at the fourth decimal
// (on the exact value of the binary number).
class Currency {
public:
    constexpr Currency() = default;
    [[nodiscard]] static constexpr Currency fromUnits(std::int64_t tenThousandths) {
        Currency c;
        c.units_ = tenThousandths;
        return c;
    }
    [[nodiscard]] static Currency fromDouble(double value);
    [[nodiscard]] static Currency fromSingle(float value) {
        return fromDouble(static_cast<double>(value));
    }
    [[nodiscard]] static Currency fromExtended(long double value);

    [[nodiscard]] constexpr std::int64_t units() const { return units_; }
    [[nodiscard]] float toSingle() const;
    [[nodiscard]] double toDouble() const;
    [[nodiscard]] long double toExtended() const;

    constexpr Currency& operator+=(Currency other) {
        units_ += other.units_;
        return *this;
    }
    constexpr Currency& operator-=(Currency other) {
        units_ -= other.units_;
        return *this;
    }
    friend constexpr Currency operator+(Currency a, Currency b) { return a += b; }
    friend constexpr Currency operator-(Currency a, Currency b) { return a -= b; }
    friend constexpr Currency operator-(Currency a) { return fromUnits(-a.units_); }
    friend constexpr auto operator<=>(Currency a, Currency b) = default;
    friend constexpr bool operator==(Currency a, Currency b) = default;

private:
    std::int64_t units_ = 0;
};

// Display formats, as the windows and printouts name them:
//   "#,###.00"   1234.5 -> "1,234.50"   0 -> ".00"    -3 -> "-3.00"
//   "$#,###.00"  1234.5 -> "$1,234.50"  0.5 -> "$.50" -3 -> "-$3.00"
//   "$#,###.#0"  as "$#,###.00"
//   "#####.00"   1234.5 -> "1234.50"    0 -> ".00"
//   "###.00"     as "#####.00"
//   "000000.00"  12.5 -> "000012.50"    (at least six whole digits, zero-padded)
//   "##.##"      12.345 -> "12.35"  0.5 -> ".5"  12 -> "12"  0 -> "0" (up to two decimals)
//   "##.##%"     the value times 100, as "##.##", then "%": 0.1234 -> "12.34%"
// Two decimals are rounded half away from zero, applied to the value's own decimal text
// (7 significant digits for a Single, 15 for a double, 4 decimals for Currency), so the
// Single 2.675 formats as "2.68". An unknown pattern is a programming error (it throws
// std::invalid_argument).
[[nodiscard]] std::string format(float value, std::string_view pattern);
[[nodiscard]] std::string format(double value, std::string_view pattern);
[[nodiscard]] std::string format(Currency value, std::string_view pattern);

// Decimal text of a Single: up to seven significant digits, no trailing zeros, no exponent in
// the usual range: 7.5 -> "7.5", 0 -> "0", 1234.56 -> "1234.56", 0.0525 -> "0.0525".
[[nodiscard]] std::string decimalText(float value);
// Decimal text of a double: up to fifteen significant digits, otherwise as above.
[[nodiscard]] std::string decimalText(double value);

// The leading number: spaces skipped, then an optional sign, digits, an optional point and
// digits; reading stops at the first character that cannot continue the number. Never fails:
// text without a number reads as 0 ("12abc" -> 12, "" -> 0, "  -.5" -> -0.5, "1 2" -> 1).
[[nodiscard]] double leadingNumber(std::string_view text);

// The strict number: the whole text must be a number. Surrounding spaces, thousands
// separators and a leading dollar sign are accepted ("$1,234.56", " -3 ", ".5", "1e3");
// anything else, the empty text included, is a conversion error (nullopt).
[[nodiscard]] std::optional<double> strictNumber(std::string_view text);
[[nodiscard]] std::optional<float> strictSingle(std::string_view text);
// A strict number converted to a 16-bit integer, rounding half to even; out of range -> nullopt.
[[nodiscard]] std::optional<std::int16_t> strictInteger(std::string_view text);

// Round to cents the way the program always has: format with "#,###.00" and read it back.
[[nodiscard]] float roundedToCents(float value);
// Nearest whole number, halves to the even one (12.5 -> 12, 13.5 -> 14).
[[nodiscard]] float roundedToWholeHalfEven(float value);

}  // namespace quillon
