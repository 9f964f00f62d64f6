// The printing workflows over the session: the company heading and its dialog, the pay
// statement, the check screen and the "Printer Offset" dialog that prints the paycheck. Each
// hands back the messages to show and, when something is to be printed, the pages; the windows
// and the command-line tool put those pages on a printer or into a PDF file.
#pragma once

#include <string>
#include <vector>

#include "print/page.hpp"
#include "session/session.hpp"

namespace quillon {

// What a print command hands to the printer: its pages, when outcome.ok.
struct PrintJob {
    Outcome outcome;
    std::vector<Page> pages;
};

// --- Company heading ---------------------------------------------------------------------------

// ReadHeading: Header.sav of the working folder into session.heading. Without the file the
// heading stays as it is (empty at start-up); a file that cannot be read is reported and the
// heading is left alone.
Outcome ReadHeading(Session& session);
// Options > "H&eader": ReadHeading, the defaults into the empty fields, the dialog loaded with
// them. Refused, and not loaded, when Header.sav cannot be read (it would be written over).
Outcome openHeadingDialog(Session& session);
// "OK": the boxes into the heading and Header.sav, then the dialog closes. When the file cannot
// be written the heading stays as it was and the dialog stays open with the message.
Outcome headingDialogOK(Session& session);
// "Cancel": the dialog closes; the heading keeps what opening it put there.
void headingDialogCancel(Session& session);

// --- Pay statement -----------------------------------------------------------------------------

// PrintText, after the printer dialog ("Print", "Print Sheet"): the rates, names and
// year-to-date figures as last saved (the profile and register files are read again for the
// statement; what is in memory is left alone), every empty entry box set to "0", ReadHeading,
// then the page. `today` is the statement's date.
[[nodiscard]] PrintJob printStatement(Session& session, const std::string& today);

// --- Check screen ------------------------------------------------------------------------------

// File > "C&hecks", when the screen loads: FillCheck, CheckFigures, the date from the main
// window's week-ending box. The period's net pay is read, never changed: a negative one gives a
// check of zero here and stays what it is everywhere else.
Outcome loadCheckWriter(Session& session);
// A click on the check and the screen getting the focus: as loading, except that the date, the
// memo and the payer block keep what they hold. Every other box is filled again.
void refreshCheckWriter(Session& session);
void unloadCheckWriter(Session& session);

// --- Printer Offset ----------------------------------------------------------------------------

// The check screen's "Print": loads the dialog (the check screen with it, if it was not): the
// profile read again from its files, the stored offsets in the boxes, the week-ending date.
Outcome loadPrintOffsetDialog(Session& session);
// "&Apply": the two offsets into the profile and its files. An offset that is not a number
// (or beyond -99 to 99) is refused, naming its box, and nothing is stored.
Outcome printOffsetApply(Session& session);
// "Print Check": "&Apply", then PrintCheck: every empty entry box set to "0", and the paycheck
// with the check screen's face and the register in memory. Nothing is printed when the offsets
// are refused or cannot be stored, or when the amount is too large for a check; the dialog
// closes when there is a page to print.
[[nodiscard]] PrintJob printOffsetPrintCheck(Session& session);
// "&Cancel": the dialog closes; nothing more is stored.
void printOffsetCancel(Session& session);
// The paycheck as "Print Check" would print it with the offsets the boxes hold now, for the
// print preview: nothing is stored or changed.
[[nodiscard]] PrintJob paycheckPreview(const Session& session);

}  // namespace quillon
