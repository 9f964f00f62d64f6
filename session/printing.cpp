// The printing workflows: what each print command reads, fills and checks before its page is
// laid out, and what it stores.
#include "session/printing.hpp"

#include <array>
#include <utility>
#include <variant>

#include "engine/money.hpp"
#include "print/paycheck.hpp"
#include "print/statement.hpp"
#include "records/save.hpp"

namespace quillon {
namespace {

constexpr const char* kCrLf = "\r\n";

Message printMessage(std::string text) {
    return Message{MessageKind::Ok, std::move(text), kProgramTitle};
}

Outcome failed(Message message) {
    return Outcome{false, {std::move(message)}};
}

PrintJob refused(Outcome outcome) {
    outcome.ok = false;
    return PrintJob{std::move(outcome), {}};
}

void append(Outcome& into, const Outcome& from) {
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
    into.ok = into.ok && from.ok;
}

std::filesystem::path headingFile(const Session& session) {
    return session.folder / std::string(kHeadingFileName);
}

// Printing sets every empty entry box of the main window to "0", where the operator sees it.
void zeroFillEntryBoxes(Session& session) {
    for (TextBox& box : session.main.txtAmount) {
        if (box.text.empty()) {
            box.text = "0";
        }
    }
}

// The period as the main window shows it: its boxes and result labels, and the figures the last
// calculation left behind.
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

CheckScreen checkScreen(const CheckWriter& w) {
    CheckScreen s;
    s.txtCheckDate = w.txtCheckDate.text;
    s.txtPayTo = w.txtPayTo.text;
    s.txtCheckAmt = w.txtCheckAmt.text;
    s.txtUserName = w.txtUserName.text;
    s.txtUserSSnum = w.txtUserSSnum.text;
    s.txtUserAddress = w.txtUserAddress.text;
    s.txtUserState = w.txtUserState.text;
    s.txtMemo = w.txtMemo.text;
    return s;
}

PrintJob pageJob(Outcome outcome, const PageOutcome& page) {
    if (const auto* error = std::get_if<PrintError>(&page)) {
        outcome.messages.push_back(printMessage(error->message));
        return refused(std::move(outcome));
    }
    return PrintJob{std::move(outcome), {std::get<Page>(page)}};
}

// The check screen's amounts from the net pay, and the boxes the profile fills.
void fillCheckWriter(const Session& session, CheckWriter& w) {
    w.FillCheck(session.profile, session.results.NetPay);
    w.CheckFigures(session.results.NetPay);
}

}  // namespace

// --- Company heading ---------------------------------------------------------------------------

Outcome ReadHeading(Session& session) {
    const std::filesystem::path file = headingFile(session);
    if (!fileExists(file)) {
        return {};
    }
    CompanyHeading read;
    if (ReadResult error = readHeadingFile(file, read)) {
        return failed(corruptedFileMessage(*error));
    }
    session.heading = std::move(read);
    return {};
}

Outcome openHeadingDialog(Session& session) {
    if (session.headingDialog.loaded()) {
        return {};  // already on the screen, with what the operator typed
    }
    Outcome outcome = ReadHeading(session);
    if (!outcome.ok) {
        return outcome;
    }
    session.headingDialog.model.emplace().show(session.heading);
    session.headingDialog.shown = true;
    return outcome;
}

Outcome headingDialogOK(Session& session) {
    if (!session.headingDialog.loaded()) {
        return {};
    }
    CompanyHeading typed = session.headingDialog.model->typed();
    const FileContent content{headingFile(session), headingFileText(typed)};
    if (std::optional<FileError> error = writeFiles({content})) {
        return failed(printMessage("Could not save " + error->file + "." + kCrLf + error->problem +
                                   kCrLf + "The file on disk is unchanged."));
    }
    session.heading = std::move(typed);
    session.headingDialog.unload();
    return {};
}

void headingDialogCancel(Session& session) {
    session.headingDialog.unload();
}

// --- Pay statement -----------------------------------------------------------------------------

PrintJob printStatement(Session& session, const std::string& today) {
    // The profile and the register as last saved, read into a copy: unsaved edits in memory
    // are not on the statement, and they are not thrown away by printing one either.
    Session saved = session;
    Outcome outcome = saved.LoadProfile();
    if (outcome.ok) {
        append(outcome, saved.LoadAnnual());
    }
    if (!outcome.ok) {
        return refused(std::move(outcome));
    }
    zeroFillEntryBoxes(session);
    append(outcome, ReadHeading(session));
    if (!outcome.ok) {
        return refused(std::move(outcome));
    }
    StatementInput in;
    in.heading = session.heading;
    in.UserFile = session.UserFile;
    in.today = today;
    in.profile = saved.profile;
    in.period = shownPeriod(session);
    in.totals = saved.yearRegister.totals;
    return pageJob(std::move(outcome), PrintText(in));
}

// --- Check screen ------------------------------------------------------------------------------

Outcome loadCheckWriter(Session& session) {
    if (!session.checkWriter.loaded()) {
        CheckWriter& w = session.checkWriter.model.emplace();
        fillCheckWriter(session, w);
        w.txtCheckDate.text = session.main.txtWeek.text;
    }
    session.checkWriter.shown = true;
    return {};
}

void refreshCheckWriter(Session& session) {
    if (session.checkWriter.loaded()) {
        fillCheckWriter(session, *session.checkWriter.model);
    }
}

void unloadCheckWriter(Session& session) {
    session.printOffset.unload();
    session.checkWriter.unload();
}

// --- Printer Offset ----------------------------------------------------------------------------

Outcome loadPrintOffsetDialog(Session& session) {
    Outcome outcome = loadCheckWriter(session);
    append(outcome, session.LoadProfile());
    if (!outcome.ok) {
        return outcome;
    }
    PrintOffsetDialog& d = session.printOffset.model.emplace();
    d.showOffsets(session.profile.PrintOffsetH, session.profile.PrintOffsetV);
    d.lbWeek.caption = session.main.txtWeek.text;
    session.printOffset.shown = true;
    return outcome;
}

Outcome printOffsetApply(Session& session) {
    if (!session.printOffset.loaded()) {
        return {};
    }
    const PrintOffsetDialog& d = *session.printOffset.model;
    const auto offsets = checkOffsets(d.cboHorz.text, d.cboVert.text);
    if (const auto* error = std::get_if<PrintError>(&offsets)) {
        return failed(printMessage(error->message));
    }
    Profile& p = session.profile;
    const float beforeH = p.PrintOffsetH;
    const float beforeV = p.PrintOffsetV;
    p.PrintOffsetH = strictSingle(d.cboHorz.text).value_or(0.0f);
    p.PrintOffsetV = strictSingle(d.cboVert.text).value_or(0.0f);
    Outcome saved = session.SaveOT();
    if (!saved.ok) {
        // Not in the files, so not in memory either.
        p.PrintOffsetH = beforeH;
        p.PrintOffsetV = beforeV;
    }
    return saved;
}

PrintJob printOffsetPrintCheck(Session& session) {
    Outcome applied = printOffsetApply(session);
    if (!applied.ok) {
        return refused(std::move(applied));
    }
    zeroFillEntryBoxes(session);
    PrintJob job = paycheckPreview(session);
    job.outcome.messages.insert(job.outcome.messages.begin(), applied.messages.begin(),
                                applied.messages.end());
    if (job.outcome.ok) {
        session.printOffset.unload();
    }
    return job;
}

void printOffsetCancel(Session& session) {
    session.printOffset.unload();
}

PrintJob paycheckPreview(const Session& session) {
    if (!session.printOffset.loaded() || !session.checkWriter.loaded()) {
        return refused(
            failed(printMessage("Open the check screen (File > Checks) and print the "
                                "paycheck from its Print menu.")));
    }
    const PrintOffsetDialog& d = *session.printOffset.model;
    const auto offsets = checkOffsets(d.cboHorz.text, d.cboVert.text);
    if (const auto* error = std::get_if<PrintError>(&offsets)) {
        return refused(failed(printMessage(error->message)));
    }
    const CheckWriter& w = *session.checkWriter.model;
    CheckInput in;
    in.screen = checkScreen(w);
    in.words = w.AmountWords;
    in.offsets = std::get<CheckOffsets>(offsets);
    in.profile = session.profile;
    in.period = shownPeriod(session);
    in.totals = session.yearRegister.totals;
    return pageJob(Outcome{}, PrintCheck(in));
}

}  // namespace quillon
