// Amount in figures and in words for the check face.
#include "engine/check_words.hpp"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "engine/money.hpp"

namespace quillon {

namespace {

constexpr std::array<std::string_view, 20> kUnits = {
    "",         "One",     "Two",     "Three",     "Four",     "Five",    "Six",
    "Seven",    "Eight",   "Nine",    "Ten",       "Eleven",   "Twelve",  "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<std::string_view, 10> kTens = {
    "", "Ten", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

constexpr std::string_view kTooLarge = "Dollar amount is too large";

// "000000.00" of the amount, a negative amount counting as 0.
std::string sixDigitText(float amount) {
    return format(amount < 0 ? 0.0f : amount, "000000.00");
}

int digit(char c) {
    return c - '0';
}

void appendGroup(std::string& w, std::string_view group) {
    const int d1 = digit(group[0]);
    const int d2 = digit(group[1]);
    const int d3 = digit(group[2]);
    if (d1 != 0) {
        w += ' ';
        w += kUnits[static_cast<std::size_t>(d1)];
        w += " Hundred";
    }
    const int t = d2 * 10 + d3;
    if (t >= 1 && t <= 19) {
        w += ' ';
        w += kUnits[static_cast<std::size_t>(t)];
    } else if (t >= 20) {
        w += ' ';
        w += kTens[static_cast<std::size_t>(d2)];
        if (d3 != 0) {
            w += ' ';
            w += kUnits[static_cast<std::size_t>(d3)];
        }
    }
}

}  // namespace

std::string CheckFigures(float NetPay) {
    std::string text = sixDigitText(NetPay);
    // Only a six-digit dollar part is filled; a larger amount stays as formatted.
    if (text.size() != 9) {
        return text;
    }
    std::size_t firstNonZero = 0;
    while (firstNonZero < 6 && text[firstNonZero] == '0') {
        ++firstNonZero;
    }
    if (firstNonZero < 6) {  // below 1 the six zeros stay
        text.replace(0, firstNonZero, firstNonZero, '*');
    }
    return text;
}

AmountWords AmountInWords(float NetPay) {
    const std::string text = sixDigitText(NetPay);
    if (text.size() != 9) {
        // Seven or more dollar digits no longer fit the six-digit dollar part.
        return {std::string(kTooLarge), true};
    }
    const std::string_view dollars = std::string_view(text).substr(0, 6);
    std::string_view cents = std::string_view(text).substr(7, 2);

    std::string w;
    if (dollars == "000000") {
        w = "Zero";
    } else {
        if (dollars.substr(0, 3) != "000") {
            appendGroup(w, dollars.substr(0, 3));
            w += " Thousand";
        }
        if (dollars.substr(3, 3) != "000") {
            appendGroup(w, dollars.substr(3, 3));
        }
    }
    if (cents == "00") {
        cents = "No";
    }
    w += " and ";
    w += cents;
    w += "/100";
    return {std::move(w), false};
}

}  // namespace quillon
