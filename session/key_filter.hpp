// The key filter of the dialogs' number boxes, and how a box whose text got past it without
// being a number is named when the dialog refuses to take it over.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// A typed character is taken only if it is a digit, a space, a minus, a period or Backspace (8).
[[nodiscard]] constexpr bool acceptsNumericKey(char c) {
    return (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '.' || c == '\b';
}

// The characters a number box holds, whether typed or given whole (the command line).
[[nodiscard]] constexpr bool isNumericBoxText(std::string_view text) {
    for (char c : text) {
        if (c == '\b' || !acceptsNumericKey(c)) {
            return false;
        }
    }
    return true;
}

// A box whose text is not a number, or a number no pay period holds (a billion or more), named
// as its dialog names it: "txtCityAmtBM(6)", "txtNonPer", "cboDepend2". The dialog changed no
// setting when it returned one.
struct BadBox {
    std::string box;
};

}  // namespace quillon
