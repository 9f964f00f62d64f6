// The paycheck: the check face from the check screen in Arial 11 and the same pay stub twice in
// Arial 8, all shifted by the printer offset the operator sets for his check stock.
#pragma once

#include "engine/check_words.hpp"
#include "engine/register.hpp"
#include "print/page.hpp"
#include "print/pay_figures.hpp"
#include "records/profile.hpp"
#include "session/check_writer.hpp"
#include "session/print_offset_dialog.hpp"

namespace quillon {

struct CheckInput {
    CheckScreen screen;
    AmountWords words;  // the amount in words as the check screen last computed it
    CheckOffsets offsets;
    Profile profile;        // the rates and the deduction names
    ShownPeriod period;     // the main window's
    RegisterTotals totals;  // the register in memory
};

// PrintCheck: N + 1 blank lines, the face, 10 blank lines, stub 1, 7 blank lines, stub 2. Refused
// when the amount is too large for a check.
[[nodiscard]] PageOutcome PrintCheck(const CheckInput& in);

}  // namespace quillon
