// quillon-cli period: a saved pay period shown as "Get Pay Period" shows it on the main window.
#include <cstddef>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/commands.hpp"
#include "records/fields.hpp"
#include "session/saved_period.hpp"
#include "session/session.hpp"
#include "session/shown_period.hpp"

namespace quillon {
namespace {

// The entry boxes as the calc options name them.
constexpr std::array<std::string_view, 8> kEntryKeys = {"hours1",  "hours2",   "ot",      "ot15",
                                                        "holiday", "vacation", "dollars", "tips"};

}  // namespace

// The result figures up to net, then the eight entry boxes, then the week-ending date, each
// `key<TAB>text` (or one JSON object of strings in that order).
int periodCommand(const CommandPlace& place, const CommandLine& line) {
    Terminal& terminal = place.terminal;
    Session session(place.folder, place.data);
    if (!startAndOpen(session, terminal, line.name)) {
        return 1;
    }
    const Outcome shown = GetPeriod(session, periodFile(session, line.periodDate));
    terminal.tell(shown.messages);
    if (!shown.ok) {
        return 1;
    }
    const ShownPeriod period = shownPeriod(session);
    std::vector<std::pair<std::string_view, std::string>> lines;
    for (const ShownFigure& figure : period.figures) {
        if (figure.id != ResultKey::Overtime && figure.id != ResultKey::Tips) {
            lines.emplace_back(figure.key, figure.caption);
        }
    }
    for (std::size_t i = 0; i < kEntryKeys.size(); ++i) {
        lines.emplace_back(kEntryKeys[i], period.txtAmount[i]);
    }
    lines.emplace_back("week-ending", period.txtWeek);
    if (line.json) {
        std::cout << '{';
        const char* comma = "";
        for (const auto& [key, text] : lines) {
            std::cout << comma << jsonString(key) << ':' << jsonString(text);
            comma = ",";
        }
        std::cout << "}\n";
    } else {
        for (const auto& [key, text] : lines) {
            std::cout << key << '\t' << terminalText(text) << '\n';
        }
    }
    return flushed();
}

}  // namespace quillon
