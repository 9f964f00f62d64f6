// The "Printer Offset" dialog as a plain model: the horizontal and vertical offsets that line the
// paycheck up with the operator's check stock, the week the check is for, and its buttons.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "session/boxes.hpp"

namespace quillon {

inline constexpr const char* kPrintOffsetCaption = "Printer Offset";
inline constexpr const char* kOffsetHeading = "OFFSET ADJUSTMENT";
inline constexpr const char* kOffsetInstruction =
    "Before printing on actual checks, print on plain printer paper. Match up by holding the "
    "printed paper behind the actual blank check sheet and hold up to light. To adust change "
    "settings above until disired settings are achived";
// What each offset list offers; a typed value is taken too.
inline constexpr std::array<const char*, 11> kOffsetChoices = {"+5", "+4", "+3", "+2", "+1", "0",
                                                               "-1", "-2", "-3", "-4", "-5"};

// The working offsets: every item of the paycheck goes H character columns right, and the page
// starts with N + 1 blank face lines (none when N is negative).
struct CheckOffsets {
    int H = 0;
    int N = 3;
    friend bool operator==(const CheckOffsets&, const CheckOffsets&) = default;
};

// Offsets beyond this many columns or lines either way are refused: they would print nothing of
// use on a sheet of check stock.
inline constexpr int kOffsetLimit = 99;

// Why the boxes' offsets cannot be used; the message names the box.
struct OffsetRefusal {
    std::string message;
    friend bool operator==(const OffsetRefusal&, const OffsetRefusal&) = default;
};

// The offsets from the boxes' texts: H is the horizontal text rounded to a whole number (halves
// to even), N the vertical text plus 3 rounded the same way ("1.5" gives 4). A box that is not a
// number, or one beyond the limit, is refused.
[[nodiscard]] std::variant<CheckOffsets, OffsetRefusal> checkOffsets(std::string_view horizontal,
                                                                     std::string_view vertical);

struct PrintOffsetDialog {
    std::string caption = kPrintOffsetCaption;
    Label lbHeading{kOffsetHeading};
    Label lbHorz{"Horizontal "};
    Label lbVert{"Vertical"};
    TextBox cboHorz{"0"};  // editable lists of kOffsetChoices
    TextBox cboVert{"0"};
    Label lbWeek;  // the main window's week-ending date
    Label lbInstruction{kOffsetInstruction};
    std::string cmdApply = "&Apply";
    std::string OKButton = "Print Check";
    std::string CancelButton = "&Cancel";

    // The stored offsets as the boxes show them: rounded to whole numbers, halves to even.
    void showOffsets(float PrintOffsetH, float PrintOffsetV);
};

}  // namespace quillon
