// The printouts quillon-print makes, one function each in a file of its own, found by the word
// that follows "print" on the command line (the table is in print_kinds.cpp).
#pragma once

#include <span>
#include <string_view>

#include "cli/command_line.hpp"
#include "cli/program.hpp"
#include "print/print_jobs.hpp"
#include "session/session.hpp"

namespace quillon {

struct PrintKind {
    std::string_view word;  // "print register NAME"
    std::string_view what;  // for the usage message
    // Checks the command line before anything is opened or calculated: its messages, ok false
    // for a usage error. Null when the printout has nothing to check.
    Outcome (*checked)(const CommandLine& line);
    // The pages of the printout of the open employee, or the messages that say why there are
    // none (outcome.ok false). Messages of the calculation go to the terminal.
    PrintJob (*pages)(Session& session, Terminal& terminal, const CommandLine& line);
    // What the printout stores once its pages are written (the check's offsets), or null.
    Outcome (*printed)(Session& session);
};

// Every printout, in the order the usage message lists them.
[[nodiscard]] std::span<const PrintKind> printKinds();
[[nodiscard]] const PrintKind* findPrintKind(std::string_view word);

// --- The printouts ---------------------------------------------------------------------------
// print register: the register window opened and printed as its "&Print" prints it.
[[nodiscard]] PrintJob registerPrintout(Session& session, Terminal& terminal,
                                        const CommandLine& line);
// print statement: the period calculated as `calc` does, then the pay statement as "Print
// Sheet" prints it.
[[nodiscard]] PrintJob statementPrintout(Session& session, Terminal& terminal,
                                         const CommandLine& line);
// print check: the period calculated, the check screen filled as it fills itself (the date and
// the memo as given), then "Print Check" in "Printer Offset" with the offsets given or stored;
// given offsets are stored as "Print Check" stores them, once the PDF file is written
// (checkPrinted).
[[nodiscard]] Outcome checkOffsetOptions(const CommandLine& line);
[[nodiscard]] PrintJob checkPrintout(Session& session, Terminal& terminal, const CommandLine& line);
[[nodiscard]] Outcome checkPrinted(Session& session);

}  // namespace quillon
