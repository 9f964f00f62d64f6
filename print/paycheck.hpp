// The paycheck: the check face from the check screen in Arial 11 and the same pay stub twice in
// Arial 8, all shifted by the printer offset the operator sets for his check stock.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "engine/check_words.hpp"
#include "engine/register.hpp"
#include "print/page.hpp"
#include "print/pay_figures.hpp"
#include "records/profile.hpp"

namespace quillon {

// The check screen's boxes as they stand at printing.
struct CheckScreen {
    std::string txtCheckDate, txtPayTo, txtCheckAmt;
    std::string txtUserName, txtUserSSnum, txtUserAddress, txtUserState;
    std::string txtMemo;
};

// The working offsets: every item goes H character columns right, and the page starts with
// N + 1 blank face lines (none when N is negative).
struct CheckOffsets {
    int H = 0;
    int N = 3;
    friend bool operator==(const CheckOffsets&, const CheckOffsets&) = default;
};

// Offsets beyond this many columns or lines either way are refused: they would print nothing of
// use on a sheet of check stock.
inline constexpr int kOffsetLimit = 99;

// The offsets from the "Printer Offset" boxes: H is the horizontal text rounded to a whole
// number (halves to even), N the vertical text plus 3 rounded the same way ("1.5" gives 4). A
// box that is not a number, or one beyond the limit, is refused with a message naming it.
[[nodiscard]] std::variant<CheckOffsets, PrintError> checkOffsets(std::string_view horizontal,
                                                                  std::string_view vertical);

struct CheckInput {
    CheckScreen screen;
    AmountWords words;  // the amount in words as the check screen last computed it
    CheckOffsets offsets;
    Profile profile;  // the rates and the deduction names
    PrintedPeriod period;
    RegisterTotals totals;  // the register in memory
};

// PrintCheck: N + 1 blank lines, the face, 10 blank lines, stub 1, 7 blank lines, stub 2. Refused
// when the amount is too large for a check.
[[nodiscard]] PageOutcome PrintCheck(const CheckInput& in);

}  // namespace quillon
