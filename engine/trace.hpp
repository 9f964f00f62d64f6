// The words of the explanation trace: how a step of the calculation writes its numbers when it
// tells how it reached a figure. A step that can explain itself takes a `std::string* why`,
// null unless an explanation was asked for; it appends to the text only when it is not null, so
// that a calculation nobody asked to explain builds no text at all.
#pragma once

#include <string>
#include <string_view>

#include "engine/money.hpp"

namespace quillon {

// The operators, as the explanations print them.
inline constexpr char kTraceMinus[] = " \u2212 ";  // " − "
inline constexpr char kTraceTimes[] = " \u00d7 ";  // " × "

// An amount as the calculation holds it, with at least two decimals and no separators: 800 ->
// "800.00", 0 -> "0.00", -2.5 -> "-2.50", the Single 259.643 -> "259.643" (a Single's seven
// significant digits; more decimals than two mean that a cent is still to be decided).
[[nodiscard]] std::string traceAmount(float value);
// A double to a Single's seven significant digits, as above.
[[nodiscard]] std::string traceAmount(double value);
// Currency with its four decimals, trailing zeros dropped down to two: 53.4375 -> "53.4375",
// 150.25 -> "150.25", -50 -> "-50.00".
[[nodiscard]] std::string traceAmount(Currency value);
// A decimal rate as a percentage: 0.15 -> "15 %", 0.0645 -> "6.45 %", 0.0036 -> "0.36 %".
[[nodiscard]] std::string tracePercent(double rate);
// A count or a number of hours as it is held: 80 -> "80", 6.5 -> "6.5".
[[nodiscard]] std::string traceNumber(float value);

// Ends an explanation at the figure as shown. A held value whose text has two decimals or fewer
// is its own cent: " = SHOWN" (a text already ending in " = HELD" has HELD replaced). Any other:
// " = HELD, to the cent = SHOWN" (" = HELD" not repeated).
void traceEnd(std::string& text, float held, std::string_view shown);

}  // namespace quillon
