// The printing workflows: what each print command reads, fills and checks before its page is
// laid out, and what it stores.
#include "session/printing.hpp"

#include <utility>
#include <variant>

#include "engine/money.hpp"
#include "records/save.hpp"

namespace quillon {
namespace {

Message printMessage(std::string text) {
    return Message{MessageKind::Ok, std::move(text), kProgramTitle};
}

Outcome failed(Message message) {
    return Outcome{false, {std::move(message)}};
}

Outcome refused(const OffsetRefusal& refusal) {
    return failed(printMessage(refusal.message));
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
    const Session::Change change(session, Part::MainWindow);
    for (TextBox& box : session.main.txtAmount) {
        if (box.text.empty()) {
            box.text = "0";
        }
    }
}

// The check screen's amounts from the net pay, and the boxes the profile fills.
void fillCheckWriter(const Session& session, CheckWriter& w) {
    w.FillCheck(session.profile, session.results.NetPay);
    w.CheckFigures(session.results.NetPay);
}

}  // namespace

// --- Company heading ---------------------------------------------------------------------------

Outcome ReadHeading(Session& session) {
    const Session::Change change(session, Part::Heading);
    const std::filesystem::path file = headingFile(session);
    if (!fileExists(file)) {
        session.rememberRead(file, Fingerprint::missing());
        return {};
    }
    CompanyHeading read;
    Fingerprint asRead;
    if (Status status = readHeadingFile(file, read, &asRead); status.failed()) {
        return failed(corruptedFileMessage(status.error()));
    }
    session.heading = std::move(read);
    session.rememberRead(file, asRead);
    return {};
}

Outcome openHeadingDialog(Session& session) {
    const Session::Change change(session, Part::Heading);
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
    const Session::Change change(session, Part::Heading);
    if (!session.headingDialog.loaded()) {
        return {};
    }
    CompanyHeading typed = session.headingDialog.model->typed();
    if (Outcome saved =
            session.saveFiles({FileContent{headingFile(session), headingFileText(typed)}});
        !saved.ok) {
        return saved;
    }
    session.heading = std::move(typed);
    session.headingDialog.unload();
    return {};
}

void headingDialogCancel(Session& session) {
    const Session::Change change(session, Part::Heading);
    session.headingDialog.unload();
}

// --- Pay statement -----------------------------------------------------------------------------

StatementData prepareStatement(Session& session) {
    // The profile and the register as last saved, read into a copy: unsaved edits in memory
    // are not on the statement, and they are not thrown away by printing one either.
    Session saved = session;
    StatementData data;
    data.outcome = saved.LoadProfile();
    if (data.outcome.ok) {
        append(data.outcome, saved.LoadAnnual());
    }
    if (!data.outcome.ok) {
        return data;
    }
    zeroFillEntryBoxes(session);
    append(data.outcome, ReadHeading(session));
    data.profile = std::move(saved.profile);
    data.totals = saved.yearRegister.totals;
    return data;
}

// --- Check screen ------------------------------------------------------------------------------

Outcome loadCheckWriter(Session& session) {
    const Session::Change change(session, Part::CheckWriter);
    if (!session.checkWriter.loaded()) {
        CheckWriter& w = session.checkWriter.model.emplace();
        fillCheckWriter(session, w);
        w.txtCheckDate.text = session.main.txtWeek.text;
    }
    session.checkWriter.shown = true;
    return {};
}

void refreshCheckWriter(Session& session) {
    const Session::Change change(session, Part::CheckWriter);
    if (session.checkWriter.loaded()) {
        fillCheckWriter(session, *session.checkWriter.model);
    }
}

void unloadCheckWriter(Session& session) {
    const Session::Change change(session, Part::CheckWriter | Part::PrintOffset);
    session.printOffset.unload();
    session.checkWriter.unload();
}

// --- Printer Offset ----------------------------------------------------------------------------

Outcome loadPrintOffsetDialog(Session& session) {
    const Session::Change change(session, Part::CheckWriter | Part::PrintOffset);
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
    if (const auto* refusal = std::get_if<OffsetRefusal>(&offsets)) {
        return refused(*refusal);
    }
    // Not in the files, so not in memory either.
    Session::Change change(session, Part::PrintOffset, Session::Change::Undo::Snapshot);
    Profile& p = session.profile;
    p.PrintOffsetH = strictSingle(d.cboHorz.text).value_or(0.0f);
    p.PrintOffsetV = strictSingle(d.cboVert.text).value_or(0.0f);
    Outcome saved = session.SaveOT();
    if (saved.ok) {
        change.commit();
    }
    return saved;
}

PaycheckData paycheckData(const Session& session) {
    PaycheckData data;
    if (!session.printOffset.loaded() || !session.checkWriter.loaded()) {
        data.outcome = failed(printMessage(
            "Open the check screen (File > Checks) and print the paycheck from its Print menu."));
        return data;
    }
    const PrintOffsetDialog& d = *session.printOffset.model;
    const auto offsets = checkOffsets(d.cboHorz.text, d.cboVert.text);
    if (const auto* refusal = std::get_if<OffsetRefusal>(&offsets)) {
        data.outcome = refused(*refusal);
        return data;
    }
    const CheckWriter& w = *session.checkWriter.model;
    data.screen = w.printedTexts();
    data.words = w.AmountWords;
    data.offsets = std::get<CheckOffsets>(offsets);
    return data;
}

PaycheckData prepareCheck(Session& session) {
    const Session::Change change(session, Part::Register | Part::MainWindow);
    PaycheckData refused = paycheckData(session);
    if (!refused.outcome.ok) {
        return refused;
    }
    if (session.registerWindow) {
        session.registerWindow->hidden = true;
    }
    zeroFillEntryBoxes(session);
    return paycheckData(session);
}

Outcome printOffsetPrinted(Session& session) {
    const Session::Change change(session, Part::PrintOffset);
    Outcome stored = printOffsetApply(session);
    session.printOffset.unload();
    if (!stored.ok) {
        stored.messages.push_back(
            printMessage("The check was printed, but its offsets were not stored."));
    }
    return stored;
}

void printOffsetCancel(Session& session) {
    const Session::Change change(session, Part::PrintOffset);
    session.printOffset.unload();
}

// --- Typing into the boxes ----------------------------------------------------------------------

Outcome headingDialogType(Session& session, std::size_t line, const std::string& text) {
    const Session::Change change(session, Part::Heading);
    if (session.headingDialog.loaded() && line < session.headingDialog.model->txtHeader.size()) {
        session.headingDialog.model->txtHeader[line].text = text;
    }
    return {};
}

Outcome checkWriterType(Session& session, TextBox CheckWriter::*box, const std::string& text) {
    const Session::Change change(session, Part::CheckWriter);
    if (session.checkWriter.loaded()) {
        ((*session.checkWriter.model).*box).text = text;
    }
    return {};
}

Outcome printOffsetType(Session& session, TextBox PrintOffsetDialog::*box,
                        const std::string& text) {
    const Session::Change change(session, Part::PrintOffset);
    if (session.printOffset.loaded()) {
        ((*session.printOffset.model).*box).text = text;
    }
    return {};
}

}  // namespace quillon
