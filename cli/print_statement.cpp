// print statement: the pay statement of the period just calculated.
#include <utility>

#include "cli/print_kinds.hpp"
#include "cli/program.hpp"

namespace quillon {

PrintJob statementPrintout(Session& session, Terminal& terminal, const CommandLine& line) {
    if (!typeAndCalculate(session, terminal, line)) {
        return PrintJob{Outcome{false, {}}, {}};
    }
    return printStatement(session, todayText());
}

}  // namespace quillon
