// quillon-cli overtime: the overtime tracker, its boxes typed from the options, then TOTAL (which
// saves the profile's files) or New Week (which saves nothing), and its results listed.
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "cli/commands.hpp"
#include "engine/money.hpp"
#include "session/overtime_window.hpp"
#include "session/session.hpp"

namespace quillon {
namespace {

bool typed(Terminal& terminal, const Outcome& outcome) {
    terminal.tell(outcome.messages);
    return outcome.ok;
}

}  // namespace

int overtimeCommand(const CommandPlace& place, const CommandLine& line) {
    Terminal& terminal = place.terminal;
    Session session(place.folder, place.data);
    if (!startAndOpen(session, terminal, line.name)) {
        return 1;
    }
    Form2 tracker;
    loadForm2(session, tracker);
    for (const auto& rows : {line.amounts, line.dates}) {
        for (const CommandLine::RowText& row : rows) {
            if (row.row > tracker.usedRows) {
                std::cerr << "quillon-cli: row " << row.row << ": the overtime tracker of "
                          << quotedExcerpt(line.name) << " has rows 1 to " << tracker.usedRows
                          << " (" << (tracker.weekly ? "weekly" : "bi-weekly") << ")\n"
                          << kUsage;
                return 2;
            }
        }
    }
    if (line.salary &&
        !typed(terminal, tracker.typeInto(OvertimeBox::txtAnnual, 0, *line.salary))) {
        return 1;
    }
    if (line.percent &&
        !typed(terminal, tracker.typeInto(OvertimeBox::txtApPercent, 0, *line.percent))) {
        return 1;
    }
    for (const CommandLine::RowText& row : line.dates) {
        if (!typed(terminal, tracker.typeInto(OvertimeBox::Text1, row.row - 1, row.text))) {
            return 1;
        }
    }
    for (const CommandLine::RowText& row : line.amounts) {
        if (!typed(terminal, tracker.typeInto(OvertimeBox::txtOT, row.row - 1, row.text))) {
            return 1;
        }
    }

    std::string earned, max, available, percent;
    if (line.newWeek) {
        // New Week computes nothing: the results are those the profile holds, as the window
        // shows them after opening.
        tracker.newWeek();
        const Profile& p = session.profile;
        earned = format(p.OtEarned, kOvertimeMoneyFormat);
        max = format(p.OtMax, kOvertimeMoneyFormat);
        available = format(p.OtAvail, kOvertimeMoneyFormat);
        percent = format(p.OtEarnedPct, kOvertimePercentFormat);
    } else {
        if (!typed(terminal, overtimeTotal(session, tracker))) {
            return 1;
        }
        earned = tracker.lbEarned.caption;
        max = tracker.lbMax.caption;
        available = tracker.lbAvail.caption;
        percent = tracker.txtPercent.text;
    }
    const std::pair<std::string_view, const std::string*> results[] = {
        {"earned", &earned}, {"max", &max}, {"available", &available}, {"percent", &percent}};
    if (line.json) {
        std::cout << '{';
        const char* comma = "";
        for (const auto& [key, text] : results) {
            std::cout << comma << jsonString(key) << ':' << jsonString(*text);
            comma = ",";
        }
        std::cout << "}\n";
    } else {
        for (const auto& [key, text] : results) {
            std::cout << key << '\t' << terminalText(*text) << '\n';
        }
    }
    return flushed();
}

}  // namespace quillon
