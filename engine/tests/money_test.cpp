// Tests of the money primitives: currency conversions, display formats, decimal text and the two
// text-to-number readings. Expected values are worked out by hand from the exact binary values
// of the inputs (noted beside the cases where they matter).
#include "engine/money.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();

// ---------------------------------------------------------------------------------------------
// Currency

struct DoubleToUnits {
    double value;
    std::int64_t units;
};

TEST(Currency, FromDoubleRoundsTheExactBinaryValueHalfToEven) {
    static const DoubleToUnits cases[] = {
        {0.0, 0},
        {1.0, 10000},
        {-3.0, -30000},
        // Binary ties at the fourth decimal: 1/32 = 0.03125 and 3/32 = 0.09375 are exact.
        {0.03125, 312},
        {0.09375, 938},
        {-0.03125, -312},
        {-0.09375, -938},
        {1.03125, 10312},
        {1.09375, 10938},
        // 0.00005 is 0.0000500000000000000023... as a double: just above the half.
        {0.00005, 1},
        // 0.00015 is 0.000149999999999999986... : just below 1.5 units.
        {0.00015, 1},
        // 0.00025 is 0.000250000000000000005... : above 2.5 units, so 3 and not the even 2.
        {0.00025, 3},
        {1.00005, 10001},  // 1.00005000000000010...
        {2.675, 26750},    // 2.67499999999999982...
        {0.1, 1000},
        {123456789.1234, 1234567891234},  // 123456789.12340000271...
        {-123456789.1234, -1234567891234},
        {0.00004, 0},
        {-0.00004, 0},
        // Beyond the range of a 64-bit count of ten-thousandths: held at the nearest end.
        {1e15, int64Max},
        {-1e15, int64Min},
        {std::numeric_limits<double>::infinity(), int64Max},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {922337203685477.0, 9223372036854770000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Currency::fromDouble(c.value).units(), c.units);
    }
}

struct SingleToUnits {
    float value;
    std::int64_t units;
};

TEST(Currency, FromSingleUsesTheSinglesOwnBinaryValue) {
    static const SingleToUnits cases[] = {
        {0.03125f, 312},       // exact tie, to even
        {0.09375f, 938},       // exact tie, to even
        {0.00005f, 0},         // 0.0000499999987... as a float: below the half
        {0.00015f, 2},         // 0.000150000007... : above 1.5 units
        {1.00005f, 10000},     // 1.0000499486...
        {2.675f, 26750},       // 2.67499995...
        {0.1f, 1000},          // 0.100000001...
        {1234.56f, 12345601},  // 1234.56005859375: the float is not 1234.56
        {0.125f, 1250},       {1234567.5f, 12345675000}, {-7.25f, -72500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Currency::fromSingle(c.value).units(), c.units);
    }
}

TEST(Currency, FromExtendedKeepsTheBitsADoubleWouldLose) {
    // 1/32 + 2^-60 needs 56 significant bits: a double rounds it back to the tie 1/32 (312
    // units, to even), the 64-bit extended value keeps it just above the tie (313 units).
    const long double aboveTie = 0.03125L + std::ldexp(1.0L, -60);
    EXPECT_EQ(Currency::fromExtended(aboveTie).units(), 313);
    EXPECT_EQ(Currency::fromDouble(static_cast<double>(aboveTie)).units(), 312);
    EXPECT_EQ(Currency::fromExtended(0.03125L).units(), 312);
    EXPECT_EQ(Currency::fromExtended(-0.09375L).units(), -938);
    EXPECT_EQ(Currency::fromExtended(123456789.1234L).units(), 1234567891234);
    EXPECT_EQ(Currency::fromExtended(0.0L).units(), 0);
}

TEST(Currency, SumsAndDifferencesAreExact) {
    const Currency tenth = Currency::fromDouble(0.1);
    const Currency fifth = Currency::fromDouble(0.2);
    EXPECT_EQ(tenth + fifth, Currency::fromDouble(0.3));
    EXPECT_EQ((tenth + fifth).units(), 3000);
    EXPECT_NE(0.1 + 0.2, 0.3);  // what the sum would be in binary

    Currency total;
    for (int i = 0; i < 1000; ++i) {
        total += Currency::fromDouble(0.01);
    }
    EXPECT_EQ(total, Currency::fromUnits(100000));
    EXPECT_EQ(total - Currency::fromDouble(10.0), Currency{});
    EXPECT_EQ(-Currency::fromUnits(5), Currency::fromUnits(-5));
    EXPECT_LT(Currency::fromUnits(-1), Currency{});
}

// Beyond the range a sum is held at the nearest end instead of wrapping around (which would
// be undefined behaviour and turn a huge gross pay negative).
TEST(Currency, SumsBeyondTheRangeAreHeldAtItsEnds) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    struct Case {
        std::int64_t a, b;
        char op;
        std::int64_t expected;
    };
    static const Case cases[] = {
        {kMax, 1, '+', kMax},     {kMax, kMax, '+', kMax},   {kMin, -1, '+', kMin},
        {kMin, kMin, '+', kMin},  {kMax, -1, '-', kMax},     {kMin, 1, '-', kMin},
        {0, kMin, '-', kMax},     {kMax, kMin, '-', kMax},   {kMin, kMax, '-', kMin},
        {kMax - 5, 5, '+', kMax}, {kMin + 5, -5, '+', kMin}, {-3, kMax, '+', kMax - 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " " + c.op + " " + std::to_string(c.b));
        const Currency a = Currency::fromUnits(c.a);
        const Currency b = Currency::fromUnits(c.b);
        EXPECT_EQ((c.op == '+' ? a + b : a - b).units(), c.expected);
    }
    EXPECT_EQ((-Currency::fromUnits(kMin)).units(), kMax);
    EXPECT_EQ(Currency::largest().units(), kMax);
    // A gross pay from absurd hours stays at the end, however many terms follow.
    Currency gross = Currency::fromDouble(1e30);
    for (int i = 0; i < 5; ++i) {
        gross += Currency::fromDouble(1e30);
    }
    EXPECT_EQ(gross, Currency::largest());
}

TEST(AmountLimit, RefusesWhatNoPayPeriodHolds) {
    struct Case {
        const char* text;
        bool accepted;
    };
    static const Case cases[] = {
        {"999999", true},     {"999999936", true}, {"-999999936", true}, {"0", true},
        {"999999999", false},  // the Single nearest to it is 1e9
        {"1e9", false},       {"-1e9", false},     {"1e30", false},      {"nan", false},
        {"inf", false},       {"1e39", false},     {"abc", false},       {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strictAmount(c.text).has_value(), c.accepted);
    }
    EXPECT_TRUE(withinAmountLimit(999999999.0));
    EXPECT_FALSE(withinAmountLimit(1e9));
    EXPECT_FALSE(withinAmountLimit(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(withinAmountLimit(-std::numeric_limits<double>::infinity()));
}

struct UnitsToValues {
    std::int64_t units;
    double asDouble;
    float asSingle;
};

TEST(Currency, ConvertsBackToTheNearestBinaryValue) {
    static const UnitsToValues cases[] = {
        {0, 0.0, 0.0f},
        {3000, 0.3, 0.3f},
        {-12345, -1.2345, -1.2345f},
        {1234567891234, 123456789.1234, 123456789.1234f},
        {26750, 2.675, 2.675f},
        {1, 0.0001, 0.0001f},
        // Beyond 2^53 units the count itself is not a double; still the nearest value.
        {int64Max, 922337203685477.5807, 922337203685477.5807f},
        {int64Min, -922337203685477.5808, -922337203685477.5808f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        const Currency value = Currency::fromUnits(c.units);
        EXPECT_EQ(value.toDouble(), c.asDouble);
        EXPECT_EQ(value.toSingle(), c.asSingle);
    }
    EXPECT_EQ(Currency::fromUnits(12345).toExtended(), 1.2345L);
    EXPECT_EQ(Currency::fromUnits(-26750).toExtended(), -2.675L);
}

// ---------------------------------------------------------------------------------------------
// Display formats

struct SingleFormat {
    float value;
    const char* pattern;
    const char* expected;
};

TEST(Format, SingleTwoDecimalFormats) {
    static const SingleFormat cases[] = {
        {1234.5f, "#,###.00", "1,234.50"},
        {0.0f, "#,###.00", ".00"},
        {-0.0f, "#,###.00", ".00"},
        {-3.0f, "#,###.00", "-3.00"},
        {100.0f, "#,###.00", "100.00"},
        {999.99f, "#,###.00", "999.99"},
        {1000.0f, "#,###.00", "1,000.00"},
        {1000000.0f, "#,###.00", "1,000,000.00"},
        // Rounding works on the seven-digit decimal text, halves away from zero.
        {2.675f, "#,###.00", "2.68"},  // 2.67499995... reads 2.675000
        {0.125f, "#,###.00", ".13"},   // exact tie
        {0.005f, "#,###.00", ".01"},   // 0.00499999988... reads 0.005000000
        {-0.005f, "#,###.00", "-.01"},
        {999.995f, "#,###.00", "1,000.00"},  // 999.994995... reads 999.9950, carries twice
        {-999.995f, "#,###.00", "-1,000.00"},
        {0.994f, "#,###.00", ".99"},
        {0.995f, "#,###.00", "1.00"},
        {-0.001f, "#,###.00", ".00"},  // rounds to zero: no sign
        {-0.004f, "#,###.00", ".00"},
        // 1234567.5 is exact; seven digits round it to 1234568 before the cents are decided.
        {1234567.5f, "#,###.00", "1,234,568.00"},
        // 1234567.25 is exact too; seven digits leave no cents.
        {1234567.25f, "#,###.00", "1,234,567.00"},
        {12345678.0f, "#,###.00", "12,345,680.00"},

        {1234.5f, "$#,###.00", "$1,234.50"},
        {0.5f, "$#,###.00", "$.50"},
        {0.0f, "$#,###.00", "$.00"},
        {-3.0f, "$#,###.00", "-$3.00"},
        {-0.005f, "$#,###.00", "-$.01"},
        {1234567.0f, "$#,###.00", "$1,234,567.00"},
        {1234.5f, "$#,###.#0", "$1,234.50"},
        {0.5f, "$#,###.#0", "$.50"},
        {-3.0f, "$#,###.#0", "-$3.00"},

        {1234.5f, "#####.00", "1234.50"},
        {0.0f, "#####.00", ".00"},
        {0.5f, "#####.00", ".50"},
        {-0.25f, "#####.00", "-.25"},
        {123456.789f, "#####.00", "123456.80"},  // 123456.7890625 reads 123456.8
        {1234567.5f, "#####.00", "1234568.00"},
        {40.0f, "###.00", "40.00"},
        {7.25f, "###.00", "7.25"},
        {0.375f, "###.00", ".38"},
        {1234.5f, "###.00", "1234.50"},

        {12.5f, "000000.00", "000012.50"},
        {1234.56f, "000000.00", "001234.56"},
        {0.56f, "000000.00", "000000.56"},
        {0.0f, "000000.00", "000000.00"},
        {100000.0f, "000000.00", "100000.00"},
        {999999.99f, "000000.00", "1000000.00"},  // the nearest float is 1000000
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.value));
        EXPECT_EQ(format(c.value, c.pattern), c.expected);
    }
}

TEST(Format, SingleUpToTwoDecimalsAndPercent) {
    static const SingleFormat cases[] = {
        {12.345f, "##.##", "12.35"},  // 12.3450003 reads 12.34500
        {0.5f, "##.##", ".5"},
        {12.0f, "##.##", "12"},
        {0.0f, "##.##", "0"},
        {0.004f, "##.##", "0"},
        {-0.004f, "##.##", "0"},
        {0.05f, "##.##", ".05"},
        {-0.5f, "##.##", "-.5"},
        {12.1f, "##.##", "12.1"},
        {12.999f, "##.##", "13"},
        {123.456f, "##.##", "123.46"},

        {0.1234f, "##.##%", "12.34%"},
        {0.0f, "##.##%", "0%"},
        {0.5f, "##.##%", "50%"},
        {1.5f, "##.##%", "150%"},
        {0.123456f, "##.##%", "12.35%"},
        // 0.00125 is 0.00124999997... as a float; its text 0.001250000 times 100 is a tie.
        {0.00125f, "##.##%", ".13%"},
        {0.001f, "##.##%", ".1%"},
        {-0.25f, "##.##%", "-25%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.value));
        EXPECT_EQ(format(c.value, c.pattern), c.expected);
    }
}

struct DoubleFormat {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(Format, DoubleUsesFifteenDigits) {
    static const DoubleFormat cases[] = {
        {2.675, "#,###.00", "2.68"},  // 2.67499999999999982 reads 2.67500000000000
        {1.005, "#,###.00", "1.01"},  // 1.00499999999999989 reads 1.00500000000000
        {0.1 + 0.2, "#,###.00", ".30"},
        {1234567.25, "#,###.00", "1,234,567.25"},  // a float would lose the cents
        {123456789.125, "#,###.00", "123,456,789.13"},
        {-0.001, "#,###.00", ".00"},
        {0.5, "$#,###.00", "$.50"},
        {-1234.5, "$#,###.00", "-$1,234.50"},
        {999999.99, "000000.00", "999999.99"},
        {1234567.89, "000000.00", "1234567.89"},
        {0.05, "##.##", ".05"},
        {0.1234, "##.##%", "12.34%"},
        {1e20, "#####.00", "100000000000000000000.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.value));
        EXPECT_EQ(format(c.value, c.pattern), c.expected);
    }
}

struct CurrencyFormat {
    std::int64_t units;
    const char* pattern;
    const char* expected;
};

TEST(Format, CurrencyUsesItsFourDecimals) {
    static const CurrencyFormat cases[] = {
        {1234567891234, "#,###.00", "123,456,789.12"},
        {1234567891234, "$#,###.00", "$123,456,789.12"},
        {1234567891234, "#####.00", "123456789.12"},
        {-1234567891234, "$#,###.00", "-$123,456,789.12"},
        {0, "#,###.00", ".00"},
        {0, "$#,###.00", "$.00"},
        {5000, "$#,###.00", "$.50"},
        {50, "#,###.00", ".01"},  // 0.005: half away from zero
        {-50, "#,###.00", "-.01"},
        {49, "#,###.00", ".00"},
        {-49, "#,###.00", ".00"},
        {9999950, "#,###.00", "1,000.00"},  // 999.995
        {12345, "#,###.00", "1.23"},
        {12355, "#,###.00", "1.24"},
        {int64Max, "#,###.00", "922,337,203,685,477.58"},
        {int64Min, "#,###.00", "-922,337,203,685,477.58"},
        {125000, "000000.00", "000012.50"},
        {5000, "##.##", ".5"},
        {1234, "##.##%", "12.34%"},
        {-30000, "#####.00", "-3.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + std::to_string(c.units));
        EXPECT_EQ(format(Currency::fromUnits(c.units), c.pattern), c.expected);
    }
}

TEST(Format, AnUnknownPatternIsAProgrammingError) {
    EXPECT_THROW((void)format(1.0f, "#,##0.00"), std::invalid_argument);
    EXPECT_THROW((void)format(1.0, ""), std::invalid_argument);
    EXPECT_THROW((void)format(Currency{}, "0.00"), std::invalid_argument);
}

// ---------------------------------------------------------------------------------------------
// Decimal text

struct SingleText {
    float value;
    const char* expected;
};

TEST(DecimalText, SingleShowsUpToSevenDigits) {
    static const SingleText cases[] = {
        {7.5f, "7.5"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {1234.56f, "1234.56"},  // 1234.56005859375
        {0.0525f, "0.0525"},    // 0.0524999983...
        {999999.0f, "999999"},
        {1e-5f, "0.00001"},
        {0.1f, "0.1"},
        {-2.5f, "-2.5"},
        {100.0f, "100"},
        {1.0f / 3.0f, "0.3333333"},
        {2.675f, "2.675"},
        {123456.7f, "123456.7"},
        {1234567.5f, "1234568"},
        {16777216.0f, "16777220"},
        {0.1f + 0.2f, "0.3"},        // 0.300000011920928955
        {1e14f, "100000000000000"},  // 100000000376832
        {3e20f, "3e+20"},
        {1.5e-16f, "1.5e-16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(decimalText(c.value), c.expected);
    }
}

struct DoubleText {
    double value;
    const char* expected;
};

TEST(DecimalText, DoubleShowsUpToFifteenDigits) {
    static const DoubleText cases[] = {
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789.123, "123456789.123"},
        {1e-5, "0.00001"},
        {2.675, "2.675"},
        {-7.5, "-7.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {123456789012345.6, "123456789012346"},
        {1e20, "1e+20"},
        {1234567890123456.0, "1.23456789012346e+15"},
        {2.5e-300, "2.5e-300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(decimalText(c.value), c.expected);
    }
}

TEST(DecimalText, ReadsBackAsTheSameSingle) {
    // Seven digits identify a float only where they are enough; within those the text must
    // come back as the value it came from, the exponent forms included.
    static const float values[] = {7.5f,     0.0525f, 1234.56f,  1e-5f, 0.1f,      3e20f,
                                   1.5e-16f, -2.5f,   999999.0f, 1e30f, -4.25e-20f};
    for (float value : values) {
        const std::string text = decimalText(value);
        SCOPED_TRACE(text);
        const std::optional<float> back = strictSingle(text);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, value);
        EXPECT_EQ(text.find(','), std::string::npos);
    }
}

// The text of a whole count of thousandths, built without floating point: 12345 -> "12.345".
std::string thousandthsText(long count) {
    std::string text = count < 0 ? "-" : "";
    const long magnitude = count < 0 ? -count : count;
    text += std::to_string(magnitude / 1000);
    std::string fraction = std::to_string(1000 + magnitude % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}

TEST(DecimalText, GivesBackTheDecimalASingleWasReadFrom) {
    // Any decimal of at most seven digits is the text of the Single nearest to it.
    for (long count = -9999999; count <= 9999999; count += 7919) {
        const std::string expected = thousandthsText(count);
        SCOPED_TRACE(expected);
        const std::optional<float> value = strictSingle(expected);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(decimalText(*value), count == 0 ? "0" : expected);
    }
}

// ---------------------------------------------------------------------------------------------
// Text to number

struct TextToDouble {
    const char* text;
    double expected;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndNeverFails) {
    static const TextToDouble cases[] = {
        {"12abc", 12.0},  {"", 0.0},
        {"  -.5", -0.5},  {"1 2", 1.0},
        {"12.5-3", 12.5}, {"1.2.3", 1.2},
        {"abc", 0.0},     {"-", 0.0},
        {".", 0.0},       {"-.", 0.0},
        {"+7", 7.0},      {"$5", 0.0},
        {"1,234", 1.0},   {"1e3", 1.0},
        {"  42  ", 42.0}, {"5.", 5.0},
        {"007.50", 7.5},  {"0.1", 0.1},
        {"- 3", 0.0},     {"123456789.123456789", 123456789.123456789},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(leadingNumber(c.text), c.expected);
    }
}

TEST(LeadingNumber, AnEndlessDigitRunReadsAsInfinityNotAsAFailure) {
    EXPECT_EQ(leadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

struct StrictCase {
    const char* text;
    std::optional<double> expected;
};

TEST(StrictNumber, AcceptsOnlyAWholeNumber) {
    static const StrictCase cases[] = {
        {"$1,234.56", 1234.56},
        {" -3 ", -3.0},
        {".5", 0.5},
        {"1e3", 1000.0},
        {"-$3.00", -3.0},
        {"$-3.00", -3.0},
        {"+4", 4.0},
        {"$.50", 0.5},
        {"1,234,567.5", 1234567.5},
        {"1,2", 12.0},  // separators are not checked for groups of three
        {"5.", 5.0},
        {"2.5E-2", 0.025},
        {"1e+2", 100.0},
        {"0", 0.0},
        {"-0", 0.0},
        {"007", 7.0},
        {"1e-400", 0.0},
        {"\t12\t", 12.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"$", std::nullopt},
        {"-$", std::nullopt},
        {"1 2", std::nullopt},
        {"1.2.3", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1,", std::nullopt},
        {",1", std::nullopt},
        {"1,.5", std::nullopt},
        {"1.5,0", std::nullopt},
        {"--1", std::nullopt},
        {"-+1", std::nullopt},
        {"$$1", std::nullopt},
        {"$ 5", std::nullopt},
        {"- 5", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"e5", std::nullopt},
        {".e5", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"1e400", std::nullopt},
        {"5-", std::nullopt},
        {"5$", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strictNumber(c.text), c.expected);
    }
}

TEST(StrictNumber, ReadsBackEveryDisplayFormat) {
    static const char* const patterns[] = {"#,###.00", "$#,###.00", "$#,###.#0", "#####.00",
                                           "###.00",   "000000.00", "##.##"};
    static const DoubleFormat values[] = {
        {1234567.5, "", ""}, {-3.0, "", ""}, {0.0, "", ""}, {0.5, "", ""}, {-0.25, "", ""}};
    for (const char* pattern : patterns) {
        for (const auto& v : values) {
            const std::string text = format(v.value, pattern);
            SCOPED_TRACE(text);
            EXPECT_EQ(strictNumber(text), v.value);
        }
    }
}

struct StrictSingleCase {
    const char* text;
    std::optional<float> expected;
};

TEST(StrictSingle, ConvertsToTheNearestSingleWithinRange) {
    static const StrictSingleCase cases[] = {
        {"1.5", 1.5f},
        {"0.1", 0.1f},
        {"$1,234.56", 1234.56f},
        {"3.4e38", 3.4e38f},
        {"3.5e38", std::nullopt},
        {"-1e39", std::nullopt},
        {"1e-50", 0.0f},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strictSingle(c.text), c.expected);
    }
}

struct StrictIntegerCase {
    const char* text;
    std::optional<std::int16_t> expected;
};

TEST(StrictInteger, RoundsHalfToEvenWithinSixteenBits) {
    static const StrictIntegerCase cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"-3.5", -4},
        {"0.5", 0},
        {"1.5", 2},
        {"2.4", 2},
        {"2.6", 3},
        {"-2.6", -3},
        {"7", 7},
        {" +1 ", 1},
        {"1,000", 1000},
        {"32767", 32767},
        {"32767.4", 32767},
        {"32767.5", std::nullopt},  // rounds to 32768
        {"-32768", -32768},
        {"-32768.5", -32768},  // the even neighbour is in range
        {"-32769", std::nullopt},
        {"40000", std::nullopt},
        {"1e10", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"2.5x", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strictInteger(c.text), c.expected);
    }
}

// ---------------------------------------------------------------------------------------------
// Named roundings

struct SingleToSingle {
    float value;
    float expected;
};

TEST(RoundedToCents, IsTheFormattedTextReadBack) {
    static const SingleToSingle cases[] = {
        {2.675f, 2.68f},     {0.125f, 0.13f},    {-0.005f, -0.01f},     {0.005f, 0.01f},
        {999.995f, 1000.0f}, {1234.5f, 1234.5f}, {1234.567f, 1234.57f}, {1234567.25f, 1234567.0f},
        {0.1f + 0.2f, 0.3f}, {12.0f, 12.0f},     {-12.344f, -12.34f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundedToCents(c.value), c.expected);
    }
}

TEST(RoundedToCents, AgreesWithTheFormattedTextOverASweep) {
    for (int i = -300000; i <= 300000; i += 7) {
        const float value = static_cast<float>(i) * 0.00731f;
        SCOPED_TRACE(decimalText(value));
        EXPECT_EQ(roundedToCents(value), strictSingle(format(value, "#,###.00")).value());
    }
}

TEST(RoundedToCents, ASmallNegativeBecomesPlainZero) {
    const float rounded = roundedToCents(-0.001f);
    EXPECT_EQ(rounded, 0.0f);
    EXPECT_FALSE(std::signbit(rounded));
    EXPECT_EQ(decimalText(rounded), "0");
}

TEST(RoundedToWholeHalfEven, HalvesGoToTheEvenNeighbour) {
    static const SingleToSingle cases[] = {
        {12.5f, 12.0f},           {13.5f, 14.0f}, {-2.5f, -2.0f},
        {-3.5f, -4.0f},           {0.5f, 0.0f},   {1.5f, 2.0f},
        {12.4f, 12.0f},           {12.6f, 13.0f}, {-12.6f, -13.0f},
        {2.50000024f, 3.0f},  // the float just above 2.5 is not a half
        {8388609.0f, 8388609.0f}, {0.0f, 0.0f},   {100.0f, 100.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundedToWholeHalfEven(c.value), c.expected);
    }
}

}  // namespace
}  // namespace quillon
