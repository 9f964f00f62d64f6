// quillon-cli register: the employee's register as its window shows it after opening.
#include <iostream>

#include "cli/commands.hpp"
#include "session/register_window.hpp"
#include "session/session.hpp"

namespace quillon {
namespace {

// The used rows and the totals as the register window shows them after opening.
int printRegister(Session& session, Terminal& terminal, bool json) {
    Outcome opened = openRegisterWindow(session);
    terminal.tell(opened.messages);
    if (!opened.ok) {
        return 1;
    }
    const RegisterWindow& w = *session.registerWindow;
    if (json) {
        std::cout << "{\"rows\":[";
        for (int row = 1; row <= w.usedRows(); ++row) {
            std::cout << (row > 1 ? "," : "") << "{\"row\":" << row;
            for (const auto& [field, text] : w.rowInFileOrder(row, session.yearRegister)) {
                std::cout << ',' << jsonString(field) << ':' << jsonString(text);
            }
            std::cout << '}';
        }
        std::cout << "],\"totals\":{";
        bool first = true;
        for (const auto& [total, text] : w.totalsInFileOrder()) {
            std::cout << (first ? "" : ",") << jsonString(total) << ':' << jsonString(text);
            first = false;
        }
        std::cout << "}}\n";
        return flushed();
    }
    for (int row = 1; row <= w.usedRows(); ++row) {
        std::cout << row;
        for (const auto& field : w.rowInFileOrder(row, session.yearRegister)) {
            std::cout << '\t' << terminalText(field.second);
        }
        std::cout << '\n';
    }
    std::cout << "TOTALS";
    for (const auto& total : w.totalsInFileOrder()) {
        std::cout << '\t' << terminalText(total.second);
    }
    std::cout << '\n';
    return flushed();
}

}  // namespace

int registerCommand(const CommandPlace& place, const CommandLine& line) {
    Session session(place.folder, place.data);
    if (!startAndOpen(session, place.terminal, line.name)) {
        return 1;
    }
    return printRegister(session, place.terminal, line.json);
}

}  // namespace quillon
