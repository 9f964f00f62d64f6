// Money and number primitives: the single-precision dollar, the 4-decimal currency type,
// the display formats and the two text-to-number conversions.
#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// Amounts are single-precision dollars unless a step asks for more.
using Single = float;
// Extended precision, for the steps that ask for it: the 80-bit long double of x86-64. The
// configure step refuses any other platform; this is the backstop for a build it did not see
// (flags changed afterwards, another build system).
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Quillon 2016 needs the x86-64 extended long double (a 64-bit significand); "
              "see the README, \"Platforms\"");

// How a value is rounded where a cent (or a whole dollar) is decided.
//   HalfEven:         2.5 -> 2, 3.5 -> 4, -2.5 -> -2
//   HalfAwayFromZero: 2.5 -> 3, 3.5 -> 4, -2.5 -> -3
enum class Rounding { HalfEven, HalfAwayFromZero };

// Fixed-point currency: a 64-bit count of ten-thousandths of a dollar. Sums and differences
// are exact; conversion from binary floating point rounds half to even at the fourth decimal
// (on the exact value of the binary number: the Single 1234.56 is 1234.56005859375 and becomes
// 1234.5601). A value beyond the range (about 9.2e14 dollars) is held at the nearest end of it,
// NaN as 0. Conversion back gives the nearest binary value.
//
// Arithmetic never overflows: a sum, a difference or a negation beyond the range is held at the
// nearest end of it, and stays there. No amount a
// pay period can hold comes near that end (amounts are below a billion, see kAmountLimit), so a
// result at an end is a sign that an input was out of range, which the callers refuse.
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
    // The largest amount the type holds, about 9.2e14 dollars.
    [[nodiscard]] static constexpr Currency largest() {
        return fromUnits(std::numeric_limits<std::int64_t>::max());
    }

    [[nodiscard]] constexpr std::int64_t units() const { return units_; }
    [[nodiscard]] float toSingle() const;
    [[nodiscard]] double toDouble() const;
    [[nodiscard]] long double toExtended() const;

    constexpr Currency& operator+=(Currency other) {
        units_ = saturatedSum(units_, other.units_);
        return *this;
    }
    constexpr Currency& operator-=(Currency other) {
        units_ = saturatedSum(units_, negated(other.units_));
        return *this;
    }
    friend constexpr Currency operator+(Currency a, Currency b) { return a += b; }
    friend constexpr Currency operator-(Currency a, Currency b) { return a -= b; }
    friend constexpr Currency operator-(Currency a) { return fromUnits(negated(a.units_)); }
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 takes the generated 0 for a pointer
    friend constexpr auto operator<=>(Currency a, Currency b) = default;
    friend constexpr bool operator==(Currency a, Currency b) = default;

  private:
    // -min does not exist: it is held at max. Every other count negates exactly.
    static constexpr std::int64_t negated(std::int64_t units) {
        return units == std::numeric_limits<std::int64_t>::min()
                   ? std::numeric_limits<std::int64_t>::max()
                   : -units;
    }
    static constexpr std::int64_t saturatedSum(std::int64_t a, std::int64_t b) {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(a, b, &sum)) {
            return b > 0 ? std::numeric_limits<std::int64_t>::max()
                         : std::numeric_limits<std::int64_t>::min();
        }
        return sum;
    }

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
// Single 2.675 formats as "2.68". The digits are correctly rounded first (half to even on the
// exact value): the Single 1234567.5 has the text 1234568 and formats as "1,234,568.00". A value
// that rounds to zero has no sign (-0.001 -> ".00"). Infinities and NaN give "inf", "-inf" and
// "nan". An unknown pattern is a programming error (it throws std::invalid_argument).
[[nodiscard]] std::string format(float value, std::string_view pattern);
[[nodiscard]] std::string format(double value, std::string_view pattern);
[[nodiscard]] std::string format(Currency value, std::string_view pattern);

// Decimal text of a Single: up to seven significant digits, no trailing zeros, no exponent in
// the usual range: 7.5 -> "7.5", 0 -> "0", 1234.56 -> "1234.56", 0.0525 -> "0.0525",
// 1e-5 -> "0.00001", 12345678 -> "12345680". From 1e15 up and below 1e-15 the text takes an
// exponent ("3e+20", "1.5e-16") that strictNumber reads back. Negative zero is "0".
[[nodiscard]] std::string decimalText(float value);
// Decimal text of a double: up to fifteen significant digits, otherwise as above.
[[nodiscard]] std::string decimalText(double value);

// The leading number: spaces skipped, then an optional sign, digits, an optional point and
// digits; reading stops at the first character that cannot continue the number. Never fails:
// text without a number reads as 0 ("12abc" -> 12, "" -> 0, "  -.5" -> -0.5, "1 2" -> 1,
// "1,234" -> 1, "1e3" -> 1). Spaces and tabs count as spaces. Digits beyond the range of a
// double read as an infinity.
[[nodiscard]] double leadingNumber(std::string_view text);

// The strict number: the whole text must be a number. Surrounding spaces, thousands
// separators and a leading dollar sign are accepted ("$1,234.56", " -3 ", ".5", "1e3");
// anything else, the empty text included, is a conversion error (nullopt). In detail: spaces,
// an optional sign and an optional "$" in either order ("-$3", "$-3"), digits in which a comma
// may stand between two digits of the whole part (groups are not checked: "1,2" is 12), an
// optional point and digits (one digit at least in all), an optional exponent, spaces. A
// magnitude beyond the type's range is nullopt; one below it reads as 0.
[[nodiscard]] std::optional<double> strictNumber(std::string_view text);
[[nodiscard]] std::optional<float> strictSingle(std::string_view text);
// A strict number converted to a 16-bit integer, rounding half to even; out of range -> nullopt.
[[nodiscard]] std::optional<std::int16_t> strictInteger(std::string_view text);

// The magnitude no amount, rate, hour count or percentage reaches, in a file or in a box: a
// billion. No pay period holds that much, and below it a Single's sums and products stay far
// inside what currency and double carry to the cent.
inline constexpr double kAmountLimit = 1e9;
// True when the value is finite and its magnitude is below kAmountLimit.
[[nodiscard]] constexpr bool withinAmountLimit(double value) {
    return value > -kAmountLimit && value < kAmountLimit;  // false for NaN
}
// A strict Single within the amount limit, judged on the Single itself (the text 999999999 is
// the Single 1e9 and is refused); nullopt otherwise ("1e30", "nan", "abc").
[[nodiscard]] std::optional<float> strictAmount(std::string_view text);

// A Single as the two-decimal formats show it ("#####.00", "#,###.00"), as currency: the
// value's seven-digit decimal text rounded to cents, halves away from zero, exactly as format()
// rounds it. The Single 1234.56 (1234.56005859375) is 1234.56, not the 1234.5601 that
// Currency::fromSingle gives; 12345.67 (12345.669921875) is 12345.67; 2.675 is 2.68; 0.005
// is .01. A sum of these is the sum of the texts a reader sees. NaN is 0; a value beyond the
// currency's range is held at its nearest end.
[[nodiscard]] Currency centsAsShown(float value);

// Round to cents the way the program always has: format with "#,###.00" and read it back
// (the nearest Single to the two-decimal text; -0.001 gives +0).
[[nodiscard]] float roundedToCents(float value);
// Nearest whole number, halves to the even one (12.5 -> 12, 13.5 -> 14).
[[nodiscard]] float roundedToWholeHalfEven(float value);

}  // namespace quillon
