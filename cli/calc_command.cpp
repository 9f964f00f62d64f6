// quillon-cli calc: the period typed and calculated as the main window does, posted with --post,
// and the result area listed in the order scripts read it.
#include <iostream>

#include "cli/commands.hpp"
#include "records/fields.hpp"
#include "session/saved_period.hpp"
#include "session/session.hpp"
#include "session/shown_period.hpp"

namespace quillon {

int flushed() {
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int calcCommand(const CommandPlace& place, const CommandLine& line) {
    Terminal& terminal = place.terminal;
    Session session(place.folder, place.data);
    if (!startAndOpen(session, terminal, line.name)) {
        return 1;
    }
    if (line.postRow && *line.postRow > session.registerRows()) {
        std::cerr << "quillon-cli: --post " << *line.postRow << ": the register of "
                  << quotedExcerpt(line.name) << " has rows 1 to " << session.registerRows() << " ("
                  << (session.profile.PayWeekly ? "weekly" : "bi-weekly") << ")\n"
                  << kUsage;
        return 2;
    }
    if (!typeAndCalculate(session, terminal, line)) {
        return 1;
    }
    // "Save This Pay Period" after the calculation, named by the week-ending box.
    if (line.savePeriod) {
        const Outcome saved = SavePeriod(session);
        terminal.tell(saved.messages);
        if (!saved.ok) {
            return 1;
        }
    }

    // The result area as the main window shows it.
    const ShownPeriod shown = shownPeriod(session);
    if (line.json) {
        std::cout << '{';
        for (const ShownFigure& figure : shown.figures) {
            std::cout << (figure.id != ResultKey::Fed ? "," : "") << jsonString(figure.key) << ':'
                      << jsonString(figure.caption);
        }
        std::cout << "}\n";
    } else {
        for (const ShownFigure& figure : shown.figures) {
            std::cout << figure.key << '\t' << figure.caption << '\n';
        }
    }
    return flushed();
}

}  // namespace quillon
