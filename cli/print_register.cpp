// print register: the register printout of the open employee.
#include <utility>

#include "cli/print_kinds.hpp"
#include "cli/program.hpp"
#include "session/register_window.hpp"

namespace quillon {

PrintJob registerPrintout(Session& session, Terminal&, const CommandLine&) {
    Outcome opened = openRegisterWindow(session);
    if (!opened.ok) {
        return PrintJob{std::move(opened), {}};
    }
    PrintJob job = printRegister(session, todayText());
    job.outcome.messages.insert(job.outcome.messages.begin(), opened.messages.begin(),
                                opened.messages.end());
    return job;
}

}  // namespace quillon
