// opening: type, check, save, show.
#include "cli/commands.hpp"
#include "session/session.hpp"

#include <iostream>

#include "session/opening_balances.hpp"
#include "session/register_window.hpp"

namespace quillon {
namespace {

// With the employee open under the folder's lock: the dialog opened on --row (or the first
// empty row), each option typed into its box, OK; then the stored row printed as `register`
// prints a row (its number, then each column in the file's order, tab-separated). A box refused
// by the key filter or as no number stores nothing: 1, with the message on standard error.
int typeOpeningBalances(Session& session, Terminal& terminal, const CommandLine& line) {
    OpeningBalancesDialog dialog;
    Outcome opened = openOpeningBalances(session, line.row, dialog);
    terminal.tell(opened.messages);
    if (!opened.ok) {
        return 1;
    }
    if (line.date) {
        dialog.typeDate(*line.date);
    }
    for (std::size_t box = 0; box < line.opening.size(); ++box) {
        if (!line.opening[box]) {
            continue;
        }
        Outcome typed = dialog.typeAmount(box, *line.opening[box]);
        if (!typed.ok) {
            terminal.tell(typed.messages);
            std::cerr << "quillon-cli: nothing was stored\n";
            return 1;
        }
    }
    Outcome saved = openingBalancesOK(session, dialog);
    terminal.tell(saved.messages);
    if (!saved.ok) {
        return 1;
    }
    Outcome shown = openRegisterWindow(session);
    terminal.tell(shown.messages);
    if (!shown.ok) {
        return 1;
    }
    std::cout << dialog.row;
    for (const auto& [field, text] :
         session.registerWindow->rowInFileOrder(dialog.row, session.yearRegister)) {
        std::cout << '\t' << field << '=' << terminalText(text);
    }
    std::cout << '\n';
    session.registerWindow.reset();
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace

int openingCommand(const CommandPlace& place, const CommandLine& line) {
    Session session(place.folder, place.data);
    if (!startAndOpen(session, place.terminal, line.name)) {
        return 1;
    }
    return typeOpeningBalances(session, place.terminal, line);
}

}  // namespace quillon
