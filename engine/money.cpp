// Money and number primitives: currency conversions, display formats, decimal text and the two
// text-to-number readings.
#include "engine/money.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace quillon {
namespace {

__extension__ typedef unsigned __int128 Uint128;

constexpr int singleDigits = 7;
constexpr int doubleDigits = 15;
constexpr int currencyDecimals = 4;

// ---------------------------------------------------------------------------------------------
// Currency from binary floating point: the exact binary value sig * 2^exp times 10000, rounded
// half to even. No decimal text and no scaling in floating point are involved.

std::int64_t saturated(bool negative) {
    return negative ? std::numeric_limits<std::int64_t>::min()
                    : std::numeric_limits<std::int64_t>::max();
}

std::int64_t unitsFromBinary(bool negative, std::uint64_t sig, int exp) {
    if (sig == 0) {
        return 0;
    }
    Uint128 product = static_cast<Uint128>(sig) * 10000u;  // below 2^78
    Uint128 magnitude = 0;
    if (exp >= 0) {
        if (exp > 63) {
            return saturated(negative);
        }
        const Uint128 limit = Uint128{1} << 63;
        if (product > (limit >> exp)) {
            return saturated(negative);
        }
        magnitude = product << exp;
    } else {
        const int shift = -exp;
        if (shift > 100) {
            return 0;  // far below half a unit
        }
        magnitude = product >> shift;
        const Uint128 remainder = product - (magnitude << shift);
        const Uint128 half = Uint128{1} << (shift - 1);
        if (remainder > half || (remainder == half && (magnitude & 1u) != 0)) {
            ++magnitude;
        }
    }
    // 2^63 itself is representable only as a negative count.
    const Uint128 maxPositive = static_cast<Uint128>(std::numeric_limits<std::int64_t>::max());
    if (!negative) {
        return magnitude > maxPositive ? saturated(false) : static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > maxPositive + 1) {
        return saturated(true);
    }
    return magnitude == maxPositive + 1 ? std::numeric_limits<std::int64_t>::min()
                                        : -static_cast<std::int64_t>(magnitude);
}

// ---------------------------------------------------------------------------------------------
// A finite decimal number: value = 0.d1 d2 ... dn * 10^point, digits without leading or
// trailing zeros; count == 0 is zero.

struct Decimal {
    bool negative = false;
    int count = 0;
    int point = 0;
    std::array<char, 48> digits{};

    void trimTrailingZeros() {
        while (count > 0 && digits[static_cast<std::size_t>(count - 1)] == '0') {
            --count;
        }
        if (count == 0) {
            negative = false;
            point = 0;
        }
    }

    // The digit at 0-based position i (0 for positions before or after the stored digits).
    [[nodiscard]] char at(int i) const {
        return i >= 0 && i < count ? digits[static_cast<std::size_t>(i)] : '0';
    }
};

// Reads std::to_chars scientific text ("-1.2345e+03") into a Decimal.
Decimal parseScientific(const char* p, const char* end) {
    Decimal d;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') {
            d.digits[static_cast<std::size_t>(d.count++)] = *p;
        }
    }
    int exponent = 0;
    if (p != end) {
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    }
    d.point = exponent + 1;
    if (d.digits[0] == '0') {
        d.count = 0;
    }
    d.trimTrailingZeros();
    return d;
}

// The value correctly rounded to `precision` significant digits (half to even on the exact
// binary value, as std::to_chars does). The value must be finite.
Decimal roundedDigits(double value, int precision) {
    std::array<char, 64> buffer;  // NOLINT: written before it is read
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, precision - 1);
    return parseScientific(buffer.data(), result.ptr);
}

// Seven significant digits of a Single, correctly rounded (half to even on the exact value).
// From 1e-6 up to 2^23 this is done exactly in double: a float times 10^k for k <= 12 is exact
// (24 significant bits times the at most 28 bits of 5^12), so rounding that product to a whole
// number rounds the float's exact value. Elsewhere std::to_chars does the work, more slowly.
Decimal decimalOf(float value) {
    static constexpr std::array<double, 13> powersOfTen = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                                           1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    const double magnitude = std::fabs(static_cast<double>(value));
    if (!(magnitude >= 1e-6 && magnitude < 8388608.0)) {
        return roundedDigits(static_cast<double>(value), singleDigits);
    }
    std::size_t k = 0;
    while (magnitude * powersOfTen[k] < 1e6) {
        ++k;
    }
    const double scaled = magnitude * powersOfTen[k];  // exact, in [1e6, 1e7)
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    auto digits = static_cast<std::uint32_t>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && digits % 2 != 0)) {
        ++digits;
    }
    Decimal d;
    d.negative = std::signbit(value);
    const auto result = std::to_chars(d.digits.data(), d.digits.data() + d.digits.size(), digits);
    d.count = static_cast<int>(result.ptr - d.digits.data());
    d.point = d.count - static_cast<int>(k);
    d.trimTrailingZeros();
    return d;
}

// Fifteen significant digits of a double, correctly rounded.
Decimal decimalOf(double value) {
    return roundedDigits(value, doubleDigits);
}

// The nearest T to a decimal.
template <typename T>
T valueOf(const Decimal& d) {
    if (d.count == 0) {
        return T{0};
    }
    std::array<char, 64> text;  // NOLINT: written before it is read
    char* p = text.data();
    if (d.negative) {
        *p++ = '-';
    }
    p = std::copy(d.digits.data(), d.digits.data() + d.count, p);
    *p++ = 'e';
    p = std::to_chars(p, text.data() + text.size(), d.point - d.count).ptr;
    T value{};
    std::from_chars(text.data(), p, value);
    return value;
}

Decimal decimalOf(Currency value) {
    const std::int64_t units = value.units();
    const std::uint64_t magnitude = units < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(units)
                                              : static_cast<std::uint64_t>(units);
    Decimal d;
    if (magnitude == 0) {
        return d;
    }
    d.negative = units < 0;
    const auto result =
        std::to_chars(d.digits.data(), d.digits.data() + d.digits.size(), magnitude);
    d.count = static_cast<int>(result.ptr - d.digits.data());
    d.point = d.count - currencyDecimals;
    d.trimTrailingZeros();
    return d;
}

// Rounds to `decimals` places, halves away from zero (the digits are exact decimal text, so a
// 5 in the first dropped place is at least a half).
void roundHalfAwayFromZero(Decimal& d, int decimals) {
    const int keep = d.point + decimals;
    if (d.count <= keep) {
        return;
    }
    if (keep < 0) {
        d.count = 0;
        d.trimTrailingZeros();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            // All nines (or nothing kept): the result is one unit of the next place up.
            d.digits[0] = '1';
            d.count = 1;
            d.point += 1;
        }
    }
    d.trimTrailingZeros();
}

// ---------------------------------------------------------------------------------------------
// Display formats.

enum class Pattern { Grouped, DollarGrouped, Plain, ZeroPadded, UpToTwo, Percent };

Pattern patternOf(std::string_view pattern) {
    if (pattern == "#,###.00") {
        return Pattern::Grouped;
    }
    if (pattern == "$#,###.00" || pattern == "$#,###.#0") {
        return Pattern::DollarGrouped;
    }
    if (pattern == "#####.00" || pattern == "###.00") {
        return Pattern::Plain;
    }
    if (pattern == "000000.00") {
        return Pattern::ZeroPadded;
    }
    if (pattern == "##.##") {
        return Pattern::UpToTwo;
    }
    if (pattern == "##.##%") {
        return Pattern::Percent;
    }
    throw std::invalid_argument("unknown display format: " + std::string(pattern));
}

// Largest output: a double near 1e308 with thousands separators, a sign and a dollar sign.
using OutBuffer = std::array<char, 512>;

std::string render(Decimal d, Pattern pattern) {
    if (pattern == Pattern::Percent) {
        if (d.count > 0) {
            d.point += 2;
        }
    }
    roundHalfAwayFromZero(d, 2);

    OutBuffer out;  // NOLINT: written before it is read
    std::size_t n = 0;
    auto put = [&](char c) { out[n++] = c; };

    if (d.negative) {
        put('-');
    }
    if (pattern == Pattern::DollarGrouped) {
        put('$');
    }
    const int wholeDigits = d.count > 0 ? std::max(d.point, 0) : 0;
    const bool grouped = pattern == Pattern::Grouped || pattern == Pattern::DollarGrouped;
    if (pattern == Pattern::ZeroPadded) {
        for (int i = wholeDigits; i < 6; ++i) {
            put('0');
        }
    }
    for (int i = 0; i < wholeDigits; ++i) {
        if (grouped && i > 0 && (wholeDigits - i) % 3 == 0) {
            put(',');
        }
        put(d.at(i));
    }

    if (pattern == Pattern::UpToTwo || pattern == Pattern::Percent) {
        if (d.count == 0) {
            put('0');
        } else if (d.count > d.point) {
            put('.');
            for (int i = d.point; i < d.count; ++i) {
                put(d.at(i));
            }
        }
        if (pattern == Pattern::Percent) {
            put('%');
        }
    } else {
        put('.');
        put(d.at(d.point));
        put(d.at(d.point + 1));
    }
    return std::string(out.data(), n);
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

// Plain decimal text of the digits: fixed notation in the usual range, otherwise d.ddde+XX.
template <typename T>
std::string plainText(T value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(static_cast<double>(value));
    }
    const Decimal d = decimalOf(value);
    if (d.count == 0) {
        return "0";
    }
    OutBuffer out;  // NOLINT: written before it is read
    std::size_t n = 0;
    auto put = [&](char c) { out[n++] = c; };
    if (d.negative) {
        put('-');
    }
    const int exponent = d.point - 1;
    if (exponent < -15 || exponent >= 15) {
        put(d.at(0));
        if (d.count > 1) {
            put('.');
            for (int i = 1; i < d.count; ++i) {
                put(d.at(i));
            }
        }
        put('e');
        put(exponent < 0 ? '-' : '+');
        const auto result = std::to_chars(out.data() + n, out.data() + out.size(),
                                          exponent < 0 ? -exponent : exponent);
        n = static_cast<std::size_t>(result.ptr - out.data());
        return std::string(out.data(), n);
    }
    if (d.point <= 0) {
        put('0');
        put('.');
        for (int i = d.point; i < 0; ++i) {
            put('0');
        }
        for (int i = 0; i < d.count; ++i) {
            put(d.at(i));
        }
    } else {
        for (int i = 0; i < d.point; ++i) {
            put(d.at(i));
        }
        if (d.count > d.point) {
            put('.');
            for (int i = d.point; i < d.count; ++i) {
                put(d.at(i));
            }
        }
    }
    return std::string(out.data(), n);
}

// ---------------------------------------------------------------------------------------------
// Text to number.

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// A number's characters gathered into a clean buffer ("-123.45e6") for std::from_chars, with
// the decimal exponent of its first significant digit to tell overflow from underflow.
class CleanNumber {
  public:
    void put(char c) {
        if (size_ < buffer_.size()) {
            buffer_[size_] = c;
        } else {
            overflowed_ = true;
        }
        ++size_;
    }
    [[nodiscard]] bool fits() const { return !overflowed_; }
    [[nodiscard]] const char* begin() const { return buffer_.data(); }
    [[nodiscard]] const char* end() const { return buffer_.data() + size_; }

  private:
    std::array<char, 1024> buffer_;  // NOLINT: written before it is read
    std::size_t size_ = 0;
    bool overflowed_ = false;
};

// Converts the clean text; a magnitude beyond T's range is nullopt, one below it reads as 0.
template <typename T>
std::optional<T> convert(const CleanNumber& clean, bool negative, bool hugeMagnitude) {
    if (!clean.fits()) {
        return std::nullopt;
    }
    T value{};
    const auto result = std::from_chars(clean.begin(), clean.end(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (hugeMagnitude) {
            return std::nullopt;
        }
        return negative ? -T{0} : T{0};
    }
    if (result.ec != std::errc{} || result.ptr != clean.end() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

struct Scanned {
    bool ok = false;
    bool negative = false;
    bool hugeMagnitude = false;  // the first significant digit sits at 10^1 or above
};

// Strict grammar: spaces, [sign][$] or [$][sign], digits with thousands separators between
// digits, an optional point and digits (at least one digit in all), an optional exponent,
// spaces.
Scanned scanStrict(std::string_view text, CleanNumber& clean) {
    Scanned s;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isSpace(text[i])) {
        ++i;
    }
    bool signSeen = false;
    bool dollarSeen = false;
    for (int k = 0; k < 2 && i < n; ++k) {
        if (!signSeen && (text[i] == '-' || text[i] == '+')) {
            signSeen = true;
            s.negative = text[i] == '-';
            ++i;
        } else if (!dollarSeen && text[i] == '$') {
            dollarSeen = true;
            ++i;
        }
    }
    if (s.negative) {
        clean.put('-');
    }
    int digits = 0;
    long long firstSignificant = 0;  // decimal exponent + 1 of the first non-zero digit
    bool significantSeen = false;
    int wholeDigits = 0;
    while (i < n && (isDigit(text[i]) || text[i] == ',')) {
        if (text[i] == ',') {
            if (wholeDigits == 0 || i + 1 >= n || !isDigit(text[i + 1])) {
                return s;
            }
            ++i;
            continue;
        }
        if (text[i] != '0' && !significantSeen) {
            significantSeen = true;
            firstSignificant = 0;
        }
        if (significantSeen) {
            ++firstSignificant;
        }
        clean.put(text[i]);
        ++wholeDigits;
        ++i;
    }
    digits += wholeDigits;
    if (i < n && text[i] == '.') {
        clean.put('.');
        ++i;
        long long position = 0;
        while (i < n && isDigit(text[i])) {
            --position;
            if (text[i] != '0' && !significantSeen) {
                significantSeen = true;
                firstSignificant = position + 1;
            }
            clean.put(text[i]);
            ++digits;
            ++i;
        }
    }
    if (digits == 0) {
        return s;
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        clean.put('e');
        ++i;
        bool exponentNegative = false;
        if (i < n && (text[i] == '-' || text[i] == '+')) {
            exponentNegative = text[i] == '-';
            clean.put(text[i]);
            ++i;
        }
        long long exponent = 0;
        int exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            if (exponent < 1000000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            clean.put(text[i]);
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0) {
            return s;
        }
        firstSignificant += exponentNegative ? -exponent : exponent;
    }
    while (i < n && isSpace(text[i])) {
        ++i;
    }
    if (i != n) {
        return s;
    }
    s.ok = true;
    s.hugeMagnitude = significantSeen && firstSignificant > 0;
    return s;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Currency

Currency Currency::fromDouble(double value) {
    if (std::isnan(value)) {
        return Currency{};
    }
    if (std::isinf(value)) {
        return fromUnits(saturated(value < 0));
    }
    int exp = 0;
    const double fraction = std::frexp(std::fabs(value), &exp);  // [0.5, 1)
    const auto sig = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    return fromUnits(unitsFromBinary(std::signbit(value), sig, exp - 53));
}

Currency Currency::fromExtended(long double value) {
    static_assert(std::numeric_limits<long double>::digits <= 64,
                  "the exact conversion takes the significand as a 64-bit integer");
    constexpr int bits = std::numeric_limits<long double>::digits;
    if (std::isnan(value)) {
        return Currency{};
    }
    if (std::isinf(value)) {
        return fromUnits(saturated(value < 0));
    }
    int exp = 0;
    const long double fraction = std::frexp(std::fabs(value), &exp);
    const auto sig = static_cast<std::uint64_t>(std::ldexp(fraction, bits));
    return fromUnits(unitsFromBinary(std::signbit(value), sig, exp - bits));
}

namespace {
// The nearest T to the exact decimal value units / 10000.
template <typename T>
T currencyTo(std::int64_t units) {
    std::array<char, 32> text{};
    char* p = text.data();
    std::uint64_t magnitude = static_cast<std::uint64_t>(units);
    if (units < 0) {
        *p++ = '-';
        magnitude = std::uint64_t{0} - magnitude;
    }
    p = std::to_chars(p, text.data() + text.size(), magnitude).ptr;
    *p++ = 'e';
    *p++ = '-';
    *p++ = '4';
    T value{};
    std::from_chars(text.data(), p, value);
    return value;
}
}  // namespace

float Currency::toSingle() const {
    return currencyTo<float>(units_);
}

double Currency::toDouble() const {
    // Exact integers divided once: correctly rounded as long as the count fits 53 bits.
    constexpr std::int64_t exactLimit = std::int64_t{1} << 53;
    if (units_ <= exactLimit && units_ >= -exactLimit) {
        return static_cast<double>(units_) / 10000.0;
    }
    return currencyTo<double>(units_);
}

long double Currency::toExtended() const {
    return static_cast<long double>(units_) / 10000.0L;
}

// ---------------------------------------------------------------------------------------------
// Formats and decimal text

std::string format(float value, std::string_view pattern) {
    const Pattern p = patternOf(pattern);
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return render(decimalOf(value), p);
}

std::string format(double value, std::string_view pattern) {
    const Pattern p = patternOf(pattern);
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return render(decimalOf(value), p);
}

std::string format(Currency value, std::string_view pattern) {
    return render(decimalOf(value), patternOf(pattern));
}

std::string decimalText(float value) {
    return plainText(value);
}

std::string decimalText(double value) {
    return plainText(value);
}

// ---------------------------------------------------------------------------------------------
// Text to number

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    int digits = 0;
    bool huge = false;  // a non-zero digit before the point
    while (i < n && isDigit(text[i])) {
        huge = huge || text[i] != '0';
        ++digits;
        ++i;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++digits;
            ++i;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    double value = 0.0;
    const auto result =
        std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::optional<double> strictNumber(std::string_view text) {
    CleanNumber clean;
    const Scanned s = scanStrict(text, clean);
    if (!s.ok) {
        return std::nullopt;
    }
    return convert<double>(clean, s.negative, s.hugeMagnitude);
}

std::optional<float> strictSingle(std::string_view text) {
    CleanNumber clean;
    const Scanned s = scanStrict(text, clean);
    if (!s.ok) {
        return std::nullopt;
    }
    return convert<float>(clean, s.negative, s.hugeMagnitude);
}

std::optional<float> strictAmount(std::string_view text) {
    const std::optional<float> value = strictSingle(text);
    if (!value || !withinAmountLimit(static_cast<double>(*value))) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int16_t> strictInteger(std::string_view text) {
    const std::optional<double> number = strictNumber(text);
    if (!number) {
        return std::nullopt;
    }
    double whole = std::round(*number);  // halves away from zero ...
    if (std::fabs(*number - std::trunc(*number)) == 0.5 && std::fmod(whole, 2.0) != 0.0) {
        whole -= std::copysign(1.0, *number);  // ... then back to the even neighbour
    }
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

float roundedToCents(float value) {
    if (!std::isfinite(value)) {
        return value;
    }
    // The same as reading back format(value, "#,###.00"), without the text in between.
    Decimal d = decimalOf(value);
    roundHalfAwayFromZero(d, 2);
    if (d.count == 0) {
        return 0.0f;
    }
    if (d.point + 2 > 15) {
        return valueOf<float>(d);
    }
    // A whole count of cents below 10^15 is exact in double, and one division and one
    // narrowing give the nearest Single: a quotient of two small integers cannot come within
    // a double's rounding error of a point halfway between two Singles without being it.
    std::int64_t cents = 0;
    for (int i = 0; i < d.point + 2; ++i) {
        cents = cents * 10 + (d.at(i) - '0');
    }
    const double dollars = static_cast<double>(cents) / 100.0;
    return static_cast<float>(d.negative ? -dollars : dollars);
}

Currency centsAsShown(float value) {
    if (std::isnan(value)) {
        return Currency{};
    }
    if (std::isinf(value)) {
        return value < 0 ? -Currency::largest() : Currency::largest();
    }
    Decimal d = decimalOf(value);
    roundHalfAwayFromZero(d, 2);
    // The count of cents, then of ten-thousandths; beyond the range it is held at its end.
    std::int64_t units = 0;
    for (int i = 0; i < d.point + 2; ++i) {
        if (__builtin_mul_overflow(units, 10, &units) ||
            __builtin_add_overflow(units, d.at(i) - '0', &units)) {
            return d.negative ? -Currency::largest() : Currency::largest();
        }
    }
    if (__builtin_mul_overflow(units, 100, &units)) {
        return d.negative ? -Currency::largest() : Currency::largest();
    }
    return Currency::fromUnits(d.negative ? -units : units);
}

float roundedToWholeHalfEven(float value) {
    if (!std::isfinite(value)) {
        return value;
    }
    float whole = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5f && std::fmod(whole, 2.0f) != 0.0f) {
        whole -= std::copysign(1.0f, value);
    }
    return whole;
}

}  // namespace quillon
