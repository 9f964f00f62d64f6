// The offset boxes as the dialog shows the stored offsets.
#include "session/print_offset_dialog.hpp"

#include <cmath>

#include "engine/money.hpp"

namespace quillon {
namespace {

// A stored offset rounded to a whole number, halves to even ("2", "-3"). One too large for a
// whole number of ordinary size is shown as it is, so that the box refuses it.
std::string offsetText(float stored) {
    const float whole = roundedToWholeHalfEven(stored);
    if (!std::isfinite(whole) || std::fabs(whole) > 1e6f) {
        return decimalText(stored);
    }
    return std::to_string(static_cast<long>(whole));
}

}  // namespace

void PrintOffsetDialog::showOffsets(float PrintOffsetH, float PrintOffsetV) {
    cboHorz.text = offsetText(PrintOffsetH);
    cboVert.text = offsetText(PrintOffsetV);
}

}  // namespace quillon
