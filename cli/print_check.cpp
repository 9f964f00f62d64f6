// print check: the paycheck of the period just calculated, through the check screen and the
// "Printer Offset" dialog as the windows print it.
#include <variant>

#include "cli/print_kinds.hpp"
#include "cli/program.hpp"
#include "print/paycheck.hpp"
#include "session/printing.hpp"

namespace quillon {

// An offset that is not a number is refused before anything is calculated or stored.
Outcome checkOffsetOptions(const CommandLine& line) {
    const auto offsets = checkOffsets(line.offsetH.value_or("0"), line.offsetV.value_or("0"));
    if (const auto* error = std::get_if<PrintError>(&offsets)) {
        return Outcome{false, {Message{MessageKind::Ok, error->message, kProgramTitle}}};
    }
    return {};
}

PrintedPages checkPrintout(Session& session, const CommandLine& line) {
    PrintedPages printed;
    if (!typeAndCalculate(session, line)) {
        printed.outcome.ok = false;
        return printed;
    }
    printed.outcome = loadPrintOffsetDialog(session);
    if (!printed.outcome.ok) {
        return printed;
    }
    CheckWriter& check = *session.checkWriter.model;
    if (line.checkDate) {
        check.txtCheckDate.text = *line.checkDate;
    }
    if (line.memo) {
        check.txtMemo.text = *line.memo;
    }
    PrintOffsetDialog& offsets = *session.printOffset.model;
    if (line.offsetH) {
        offsets.cboHorz.text = *line.offsetH;
    }
    if (line.offsetV) {
        offsets.cboVert.text = *line.offsetV;
    }
    PrintJob job = printOffsetPrintCheck(session);
    printed.outcome.messages.insert(printed.outcome.messages.end(), job.outcome.messages.begin(),
                                    job.outcome.messages.end());
    printed.outcome.ok = job.outcome.ok;
    printed.pages = std::move(job.pages);
    return printed;
}

}  // namespace quillon
