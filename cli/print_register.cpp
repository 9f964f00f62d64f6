// print register: the register printout of the open employee.
#include "cli/print_kinds.hpp"
#include "cli/program.hpp"
#include "print/register_printout.hpp"
#include "session/printing.hpp"
#include "session/register_window.hpp"

namespace quillon {

PrintedPages registerPrintout(Session& session, const CommandLine&) {
    PrintedPages printed;
    printed.outcome = openRegisterWindow(session);
    if (!printed.outcome.ok) {
        return printed;
    }
    Outcome heading = ReadHeading(session);
    printed.outcome.messages.insert(printed.outcome.messages.end(), heading.messages.begin(),
                                    heading.messages.end());
    if (!heading.ok) {
        printed.outcome.ok = false;
        return printed;
    }
    printed.pages.push_back(
        PrintYr({session.heading, session.UserFile, todayText(), session.profile,
                 session.yearRegister, session.registerRows()}));
    return printed;
}

}  // namespace quillon
