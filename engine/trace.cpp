// Number texts of the explanation trace.
#include "engine/trace.hpp"

#include <cstdint>
#include <cstdlib>

namespace quillon {
namespace {

// "800" -> "800.00", "2.5" -> "2.50"; a text with two decimals or more, or with an exponent, as
// it stands.
std::string withTwoDecimals(std::string text) {
    if (text.find_first_of("eEn") != std::string::npos) {
        return text;  // an exponent, "inf" or "nan"
    }
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        return text + ".00";
    }
    const std::size_t decimals = text.size() - point - 1;
    if (decimals < 2) {
        text.append(2 - decimals, '0');
    }
    return text;
}

}  // namespace

std::string traceAmount(float value) {
    return withTwoDecimals(decimalText(value));
}

std::string traceAmount(double value) {
    return traceAmount(static_cast<float>(value));
}

std::string traceAmount(Currency value) {
    const std::int64_t units = value.units();
    const std::uint64_t magnitude = units < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(units)
                                              : static_cast<std::uint64_t>(units);
    std::string decimals = std::to_string(magnitude % 10000);
    decimals.insert(0, 4 - decimals.size(), '0');
    while (decimals.size() > 2 && decimals.back() == '0') {
        decimals.pop_back();
    }
    return (units < 0 ? "-" : "") + std::to_string(magnitude / 10000) + "." + decimals;
}

std::string tracePercent(double rate) {
    return decimalText(static_cast<float>(rate * 100.0)) + " %";
}

std::string traceNumber(float value) {
    return decimalText(value);
}

void traceEnd(std::string& text, float held, std::string_view shown) {
    const std::string heldText = traceAmount(held);
    const std::string last = " = " + heldText;
    const bool endsWithHeld = text.size() >= last.size() &&
                              text.compare(text.size() - last.size(), last.size(), last) == 0;
    const std::size_t point = heldText.find('.');
    const bool cents = point == std::string::npos || heldText.size() - point - 1 <= 2;
    if (cents) {
        // "... = 81.23" becomes "... = 81.23" as shown ("1,886.15", "$.00").
        if (endsWithHeld) {
            text.resize(text.size() - heldText.size());
        } else {
            text += " = ";
        }
    } else {
        if (!endsWithHeld) {
            text += last;
        }
        text += ", to the cent = ";
    }
    text += shown;
}

}  // namespace quillon
