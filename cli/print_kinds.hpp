// The printouts quillon-print makes, one function each, found by the word that follows "print"
// on the command line. A new printout is a function in a file of its own and a line in the table
// (print_kinds.cpp).
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "cli/command_line.hpp"
#include "print/page.hpp"
#include "session/session.hpp"

namespace quillon {

// The pages of a printout of the open employee, or the messages that say why there are none
// (outcome.ok false).
struct PrintedPages {
    Outcome outcome;
    std::vector<Page> pages;
};

struct PrintKind {
    std::string_view word;  // "print register NAME"
    std::string_view what;  // for the usage message
    PrintedPages (*pages)(Session& session, const CommandLine& line);
};

// Every printout, in the order the usage message lists them.
[[nodiscard]] std::span<const PrintKind> printKinds();
[[nodiscard]] const PrintKind* findPrintKind(std::string_view word);

// --- The printouts ---------------------------------------------------------------------------
// print register: the register window opened and printed as its "&Print" prints it.
[[nodiscard]] PrintedPages registerPrintout(Session& session, const CommandLine& line);

}  // namespace quillon
