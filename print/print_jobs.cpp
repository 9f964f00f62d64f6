// The print commands: the session's workflow, then the page.
#include "print/print_jobs.hpp"

#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "print/paycheck.hpp"
#include "print/register_printout.hpp"
#include "print/statement.hpp"
#include "session/printing.hpp"

namespace quillon {
namespace {

PrintJob refused(Outcome outcome) {
    outcome.ok = false;
    return PrintJob{std::move(outcome), {}};
}

PrintJob refused(Outcome outcome, const std::string& why) {
    outcome.messages.push_back(Message{MessageKind::Ok, why, kProgramTitle});
    return refused(std::move(outcome));
}

PrintJob pageJob(Outcome outcome, const PageOutcome& page) {
    if (const auto* error = std::get_if<PrintError>(&page)) {
        return refused(std::move(outcome), error->message);
    }
    return PrintJob{std::move(outcome), {std::get<Page>(page)}};
}

CheckInput checkInput(const Session& session, const PaycheckData& data) {
    CheckInput in;
    in.screen = data.screen;
    in.words = data.words;
    in.offsets = data.offsets;
    in.profile = session.profile;
    in.period = shownPeriod(session);
    in.totals = session.yearRegister.totals;
    return in;
}

// The paycheck, unless the amount is too large for a check or the period is not to be printed.
PrintJob checkJob(const Session& session, PaycheckData data) {
    const CheckInput in = checkInput(session, data);
    if (!in.words.tooLarge) {
        if (const std::optional<std::string> why = unprintableReason(in.period)) {
            return refused(std::move(data.outcome), *why);
        }
    }
    return pageJob(std::move(data.outcome), PrintCheck(in));
}

}  // namespace

PrintJob printStatement(Session& session, const std::string& today) {
    StatementData data = prepareStatement(session);
    if (!data.outcome.ok) {
        return refused(std::move(data.outcome));
    }
    StatementInput in;
    in.heading = session.heading;
    in.UserFile = session.UserFile;
    in.today = today;
    in.profile = std::move(data.profile);
    in.period = shownPeriod(session);
    in.totals = data.totals;
    if (const std::optional<std::string> why = unprintableReason(in.period)) {
        return refused(std::move(data.outcome), *why);
    }
    return pageJob(std::move(data.outcome), PrintText(in));
}

PrintJob printOffsetPrintCheck(Session& session) {
    PaycheckData data = prepareCheck(session);
    if (!data.outcome.ok) {
        return refused(std::move(data.outcome));
    }
    return checkJob(session, std::move(data));
}

PrintJob paycheckPreview(const Session& session) {
    PaycheckData data = paycheckData(session);
    if (!data.outcome.ok) {
        return refused(std::move(data.outcome));
    }
    return checkJob(session, std::move(data));
}

PrintJob printRegister(Session& session, const std::string& today) {
    Outcome heading = ReadHeading(session);
    if (!heading.ok) {
        return refused(std::move(heading));
    }
    // The rows the window shows, when it is open.
    const int rows =
        session.registerWindow ? session.registerWindow->usedRows() : session.registerRows();
    return PrintJob{std::move(heading),
                    {PrintYr({session.heading, session.UserFile, today, session.profile,
                              session.yearRegister, rows})}};
}

}  // namespace quillon
