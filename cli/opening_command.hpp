// quillon-cli opening NAME: the opening balances typed into one register row and saved, as the
// register window's "Opening Balances" does.
#pragma once

#include "cli/command_line.hpp"
#include "cli/program.hpp"
#include "session/session.hpp"

namespace quillon {

// With the employee open under the folder's lock: the dialog opened on --row (or the first
// empty row), each option typed into its box, OK; then the stored row printed as `register`
// prints a row (its number, then each column in the file's order, tab-separated). A box refused
// by the key filter or as no number stores nothing: 1, with the message on standard error.
[[nodiscard]] int openingCommand(Session& session, Terminal& terminal, const CommandLine& line);

}  // namespace quillon
