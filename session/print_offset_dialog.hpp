// The "Printer Offset" dialog as a plain model: the horizontal and vertical offsets that line the
// paycheck up with the operator's check stock, the week the check is for, and its buttons.
#pragma once

#include <array>
#include <string>

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
