// The check writer's amount in figures (asterisk fill) and in words.
#pragma once

#include <string>

namespace quillon {

// CheckFigures: the amount as "000000.00" with the leading zeros of the dollar part replaced by
// asterisks ("**1234.56"); an amount below 1 keeps its zeros ("000000.56"). A negative amount
// is written as 0.
[[nodiscard]] std::string CheckFigures(float NetPay);

struct AmountWords {
    std::string words;      // " One Thousand Two Hundred Thirty Four and 56/100"
    bool tooLarge = false;  // 1,000,000 or more: words say so and no check is to be printed
};

// The amount in words, every word led by a space ("Zero" when there are no dollars), then
// " and " and the cents over 100 ("No/100" for none). A negative amount is written as 0.
[[nodiscard]] AmountWords AmountInWords(float NetPay);

}  // namespace quillon
