// The key filter of the dialogs' number boxes, and how a box is named: by its control and row for
// the program, in the dialog's own words for the operator.
#pragma once

#include <string>
#include <string_view>
#include <utility>

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

// Where a box is: its control (array) name as the dialog names it and its row (-1 for a single
// box), plus the words a message and an accessible name use for it:
//   {"txtStateMinBS", 2, "Table for SINGLE Persons, Minimum Range, line 3"}
//   {"txtSDIpercent", -1, "State Disability Insurance, % Rate"}
// A dialog that refuses a box (not a number, or a number no pay period holds) names it so and
// changes no setting.
struct BadBox {
    std::string control;
    int row = -1;
    std::string words;

    BadBox() = default;
    // A view names a box by control and row; the words are the dialog's (namedBox).
    BadBox(std::string controlName, int rowIndex = -1, std::string wordsUsed = {})
        : control(std::move(controlName)), row(rowIndex), words(std::move(wordsUsed)) {}

    friend bool operator==(const BadBox&, const BadBox&) = default;
};

// The box control(row) with the words its dialog uses for it; a control the dialogs do not have
// is named by itself.
[[nodiscard]] BadBox namedBox(std::string_view control, int row = -1);

}  // namespace quillon
