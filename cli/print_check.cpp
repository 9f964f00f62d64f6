// print check: the paycheck of the period just calculated, through the check screen and the
// "Printer Offset" dialog as the windows print it.
#include <variant>

#include "cli/print_kinds.hpp"
#include "cli/program.hpp"
#include "session/printing.hpp"

namespace quillon {

// An offset that is not a number is refused before anything is calculated or stored.
Outcome checkOffsetOptions(const CommandLine& line) {
    const auto offsets = checkOffsets(line.offsetH.value_or("0"), line.offsetV.value_or("0"));
    if (const auto* refusal = std::get_if<OffsetRefusal>(&offsets)) {
        return Outcome{false, {Message{MessageKind::Ok, refusal->message, kProgramTitle}}};
    }
    return {};
}

PrintJob checkPrintout(Session& session, Terminal& terminal, const CommandLine& line) {
    if (!typeAndCalculate(session, terminal, line)) {
        return PrintJob{Outcome{false, {}}, {}};
    }
    Outcome loaded = loadPrintOffsetDialog(session);
    if (!loaded.ok) {
        return PrintJob{std::move(loaded), {}};
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
    job.outcome.messages.insert(job.outcome.messages.begin(), loaded.messages.begin(),
                                loaded.messages.end());
    return job;
}

Outcome checkPrinted(Session& session) {
    return printOffsetPrinted(session);
}

}  // namespace quillon
