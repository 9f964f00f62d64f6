// print statement: the pay statement of the period just calculated.
#include "cli/print_kinds.hpp"
#include "cli/program.hpp"
#include "session/printing.hpp"

namespace quillon {

PrintedPages statementPrintout(Session& session, const CommandLine& line) {
    if (!typeAndCalculate(session, line)) {
        return PrintedPages{Outcome{false, {}}, {}};
    }
    PrintJob job = printStatement(session, todayText());
    return PrintedPages{std::move(job.outcome), std::move(job.pages)};
}

}  // namespace quillon
