// A figure as the calculation holds it: a Single, a double or currency. The precision is part of
// the figure, because it decides the printed cent: the Single 2.675 has the text 2.675 and
// prints "2.68", the same number held as a double (2.67499995231628) prints "2.67".
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "engine/money.hpp"

namespace quillon {

using Figure = std::variant<float, double, Currency>;

// The figure in a display format (engine/money.hpp), from the decimal text of its own precision:
// exactly what format() gives the value where it was computed.
[[nodiscard]] std::string format(const Figure& value, std::string_view pattern);

// The figure's value as a double (exact for a Single; the nearest double for currency).
[[nodiscard]] double valueOf(const Figure& value);

}  // namespace quillon
