// quillon-cli vacation: the vacation, holiday and sick tracker, its boxes set from the options
// and saved as the dialog's "Save" saves it, then listed.
#include <iostream>
#include <string>

#include "cli/commands.hpp"
#include "session/session.hpp"
#include "session/vacation_window.hpp"

namespace quillon {
namespace {

DayAccount accountOf(const std::string& key) {
    for (const DayAccount account : kEveryDayAccount) {
        if (infoOf(account).key == key) {
            return account;
        }
    }
    return DayAccount::Vacation;  // the command line admits only the three words
}

void printAccounts(const DialogVac& dialog, bool json) {
    if (json) {
        std::cout << '{';
        const char* comma = "";
        for (const DayAccount account : kEveryDayAccount) {
            const DayAccountBoxes& boxes = dialog.boxes(account);
            std::cout << comma << jsonString(infoOf(account).key)
                      << ":{\"start\":" << jsonString(boxes.startBalance.text)
                      << ",\"balance\":" << jsonString(boxes.balance.caption) << ",\"rows\":[";
            const char* rowComma = "";
            for (int row = 0; row < kVacationRows; ++row) {
                if (!dialog.rowUsed(account, row)) {
                    continue;
                }
                const auto i = static_cast<std::size_t>(row);
                std::cout << rowComma << "{\"row\":" << row + 1
                          << ",\"date\":" << jsonString(boxes.dates[i].text)
                          << ",\"days\":" << jsonString(boxes.days[i].text) << '}';
                rowComma = ",";
            }
            std::cout << "]}";
            comma = ",";
        }
        std::cout << "}\n";
        return;
    }
    for (const DayAccount account : kEveryDayAccount) {
        const DayAccountBoxes& boxes = dialog.boxes(account);
        std::cout << infoOf(account).key << '\t' << terminalText(boxes.startBalance.text) << '\t'
                  << terminalText(boxes.balance.caption) << '\n';
    }
    for (const DayAccount account : kEveryDayAccount) {
        const DayAccountBoxes& boxes = dialog.boxes(account);
        for (int row = 0; row < kVacationRows; ++row) {
            if (dialog.rowUsed(account, row)) {
                const auto i = static_cast<std::size_t>(row);
                std::cout << infoOf(account).key << '\t' << row + 1 << '\t'
                          << terminalText(boxes.dates[i].text) << '\t'
                          << terminalText(boxes.days[i].text) << '\n';
            }
        }
    }
}

}  // namespace

// --clear first, then each --start, then each --take in the order given; then "Save" when any
// was given. Any refusal: the message, exit 1, and the file is not written.
int vacationCommand(const CommandPlace& place, const CommandLine& line) {
    Terminal& terminal = place.terminal;
    Session session(place.folder, place.data);
    if (!startAndOpen(session, terminal, line.name)) {
        return 1;
    }
    DialogVac dialog;
    if (Outcome loaded = loadDialogVac(session, dialog); !loaded.ok) {
        terminal.tell(loaded.messages);
        return 1;
    }
    if (line.clear) {
        dialog.clearVac();
    }
    for (const CommandLine::StartBalance& start : line.starts) {
        if (Outcome typed = dialog.typeStartBalance(accountOf(start.account), start.balance);
            !typed.ok) {
            terminal.tell(typed.messages);
            return 1;
        }
    }
    for (const CommandLine::DaysTaken& take : line.takes) {
        if (Outcome taken = dialog.take(accountOf(take.account), take.date, take.days); !taken.ok) {
            terminal.tell(taken.messages);
            return 1;
        }
    }
    if (line.clear || !line.starts.empty() || !line.takes.empty()) {
        if (Outcome saved = SaveVac(session, dialog); !saved.ok) {
            terminal.tell(saved.messages);
            return 1;
        }
    }
    printAccounts(dialog, line.json);
    return flushed();
}

}  // namespace quillon
