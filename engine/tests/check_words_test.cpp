// The check's amount in figures with asterisk fill and the amount in words.
#include "engine/check_words.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

struct CheckCase {
    float amount;
    const char* figures;
    const char* words;
};

TEST(Check, FiguresAndWords) {
    static const CheckCase cases[] = {
        {1234.56f, "**1234.56", " One Thousand Two Hundred Thirty Four and 56/100"},
        {100.0f, "***100.00", " One Hundred and No/100"},
        {15.0f, "****15.00", " Fifteen and No/100"},
        {0.07f, "000000.07", "Zero and 07/100"},
        {0.56f, "000000.56", "Zero and 56/100"},
        {200017.5f, "200017.50", " Two Hundred Thousand Seventeen and 50/100"},
        {1000.0f, "**1000.00", " One Thousand and No/100"},
        {10.0f, "****10.00", " Ten and No/100"},
        {20.0f, "****20.00", " Twenty and No/100"},
        {21.0f, "****21.00", " Twenty One and No/100"},
        {110.0f, "***110.00", " One Hundred Ten and No/100"},
        {1.0f, "*****1.00", " One and No/100"},
        {19019.19f, "*19019.19", " Nineteen Thousand Nineteen and 19/100"},
        {100000.0f, "100000.00", " One Hundred Thousand and No/100"},
        {5000.05f, "**5000.05", " Five Thousand and 05/100"},
        {90.0f, "****90.00", " Ninety and No/100"},
        {101.0f, "***101.00", " One Hundred One and No/100"},
        // 999.995 rounds up to the next dollar
        {999.995f, "**1000.00", " One Thousand and No/100"},
        // 999999.99 is not a Single; the nearest below 1,000,000 is 999999.9375, whose seven
        // digits read 999999.9
        {999999.9375f, "999999.90",
         " Nine Hundred Ninety Nine Thousand Nine Hundred Ninety Nine and 90/100"},
        {0.0f, "000000.00", "Zero and No/100"},
        {-25.0f, "000000.00", "Zero and No/100"},  // a negative net pay is written as 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.figures);
        EXPECT_EQ(CheckFigures(c.amount), c.figures);
        const AmountWords words = AmountInWords(c.amount);
        EXPECT_EQ(words.words, c.words);
        EXPECT_FALSE(words.tooLarge);
    }
}

TEST(Check, AMillionOrMoreIsTooLarge) {
    static const float amounts[] = {1000000.0f, 999999.99f, 1234567.0f, 3e9f};
    for (float amount : amounts) {
        SCOPED_TRACE(amount);
        const AmountWords words = AmountInWords(amount);
        EXPECT_EQ(words.words, "Dollar amount is too large");
        EXPECT_TRUE(words.tooLarge);
    }
    EXPECT_EQ(CheckFigures(1234567.0f), "1234567.00");
}

}  // namespace
}  // namespace quillon
