// The offset boxes: the stored offsets as the dialog shows them, and the offsets the boxes give.
#include "session/print_offset_dialog.hpp"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "engine/money.hpp"
#include "records/fields.hpp"

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

std::optional<int> offsetValue(std::string_view text, float add) {
    const std::optional<float> value = strictSingle(text);
    if (!value) {
        return std::nullopt;
    }
    const float rounded = roundedToWholeHalfEven(*value + add);
    if (!std::isfinite(rounded) || std::fabs(rounded) > kOffsetLimit + 3) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

OffsetRefusal refused(const char* box, std::string_view text) {
    return {"The " + std::string(box) + " offset " + quotedExcerpt(text) +
            " is not a number from -" + std::to_string(kOffsetLimit) + " to " +
            std::to_string(kOffsetLimit) + ". Nothing was stored or printed."};
}

}  // namespace

std::variant<CheckOffsets, OffsetRefusal> checkOffsets(std::string_view horizontal,
                                                       std::string_view vertical) {
    const std::optional<int> H = offsetValue(horizontal, 0);
    if (!H || std::abs(*H) > kOffsetLimit) {
        return refused("horizontal", horizontal);
    }
    const std::optional<int> N = offsetValue(vertical, 3);
    if (!N || std::abs(*N - 3) > kOffsetLimit) {
        return refused("vertical", vertical);
    }
    return CheckOffsets{*H, *N};
}

void PrintOffsetDialog::showOffsets(float PrintOffsetH, float PrintOffsetV) {
    cboHorz.text = offsetText(PrintOffsetH);
    cboVert.text = offsetText(PrintOffsetV);
}

}  // namespace quillon
