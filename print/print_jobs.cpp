// The print commands: the session's workflow, then the page.
#include "print/print_jobs.hpp"

#include <array>
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

PrintJob pageJob(Outcome outcome, const PageOutcome& page) {
    if (const auto* error = std::get_if<PrintError>(&page)) {
        outcome.messages.push_back(Message{MessageKind::Ok, error->message, kProgramTitle});
        return refused(std::move(outcome));
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

}  // namespace

PrintedPeriod shownPeriod(const Session& session) {
    const MainWindow& m = session.main;
    std::array<std::string, 8> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = m.txtAmount[i].text;
    }
    PrintedPeriod period = printedPeriod(session.results, boxes, m.opt1x.value, m.txtWeek.text);
    for (std::size_t i = 0; i < period.lbTaxDed.size(); ++i) {
        period.lbTaxDed[i] = m.lbTaxDed[i].caption;
    }
    period.lbSDI = m.lbSDI.caption;
    period.lbSUI = m.lbSUI.caption;
    period.lbCafe = m.lbCafe.caption;
    period.Label13 = m.Label13.caption;
    period.lbTaxes = m.lbTaxes.caption;
    period.lbDeduct = m.lbDeduct.caption;
    period.lbNet = m.lbNet.caption;
    return period;
}

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
    return pageJob(std::move(data.outcome), PrintText(in));
}

PrintJob printOffsetPrintCheck(Session& session) {
    PaycheckData data = prepareCheck(session);
    if (!data.outcome.ok) {
        return refused(std::move(data.outcome));
    }
    return pageJob(std::move(data.outcome), PrintCheck(checkInput(session, data)));
}

PrintJob paycheckPreview(const Session& session) {
    PaycheckData data = paycheckData(session);
    if (!data.outcome.ok) {
        return refused(std::move(data.outcome));
    }
    return pageJob(std::move(data.outcome), PrintCheck(checkInput(session, data)));
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
