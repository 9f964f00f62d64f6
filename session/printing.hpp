// The printing workflows over the session: the company heading and its dialog, the pay
// statement, the check screen and the "Printer Offset" dialog that prints the paycheck. Each
// does what its command reads, fills, checks and stores, and hands back the plain data the
// printout is made of; the page layouts that turn that data into pages are in print/
// (print/print_jobs.hpp).
#pragma once

#include "engine/check_words.hpp"
#include "engine/register.hpp"
#include "records/profile.hpp"
#include "session/check_writer.hpp"
#include "session/print_offset_dialog.hpp"
#include "session/session.hpp"

namespace quillon {

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
// Typing into heading box `line` (0 to 3): the box takes the text; "OK" takes the boxes over.
Outcome headingDialogType(Session& session, std::size_t line, const std::string& text);

// --- Pay statement -----------------------------------------------------------------------------

// What the statement prints as last saved.
struct StatementData {
    Outcome outcome;        // ok false: nothing is to be printed
    Profile profile;        // the rates, the names, EmpSSN
    RegisterTotals totals;  // the year to date
};

// PrintText's steps before the page, after the printer dialog ("Print", "Print Sheet"): the
// profile and the register files read again into a copy of the session (what is in memory is
// left alone), every empty entry box of the main window set to "0", ReadHeading. The page then
// takes the main window's period and session.heading.
[[nodiscard]] StatementData prepareStatement(Session& session);

// --- Check screen ------------------------------------------------------------------------------

// File > "C&hecks", when the screen loads: FillCheck, CheckFigures, the date from the main
// window's week-ending box. The period's net pay is read, never changed: a negative one gives a
// check of zero here and stays what it is everywhere else.
Outcome loadCheckWriter(Session& session);
// A click on the check and the screen getting the focus: as loading, except that the date, the
// memo and the payer block keep what they hold. Every other box is filled again.
void refreshCheckWriter(Session& session);
void unloadCheckWriter(Session& session);
// Typing into a box of the check screen (the payer block among them): the box takes the text,
// which the paycheck prints.
Outcome checkWriterType(Session& session, TextBox CheckWriter::*box, const std::string& text);

// --- Printer Offset ----------------------------------------------------------------------------

// The check screen's "Print": loads the dialog (the check screen with it, if it was not): the
// profile read again from its files, the stored offsets in the boxes, the week-ending date.
Outcome loadPrintOffsetDialog(Session& session);
// "&Apply": the two offsets into the profile and its files. An offset that is not a number
// (or beyond -99 to 99) is refused, naming its box, and nothing is stored.
Outcome printOffsetApply(Session& session);
// Typing into or choosing from one of the two offset lists: the box takes the text, checked
// when the offsets are applied or printed.
Outcome printOffsetType(Session& session, TextBox PrintOffsetDialog::*box, const std::string& text);
// What the paycheck prints besides the main window's period and the register in memory.
struct PaycheckData {
    Outcome outcome;       // ok false: nothing is to be printed
    CheckScreen screen;    // the check screen's boxes as they stand
    AmountWords words;     // the amount in words as the check screen last computed it
    CheckOffsets offsets;  // from the "Printer Offset" boxes
};

// The check screen and the offsets the boxes hold now, for the paycheck and its print preview:
// nothing is stored or changed. Refused when the check screen or the dialog is not loaded, or
// an offset is not a number.
[[nodiscard]] PaycheckData paycheckData(const Session& session);
// "Print Check" up to the page: PrintCheck's first steps, the "Year To Date" window hidden if
// it is shown and every empty entry box set to "0"; then paycheckData. Nothing is stored yet:
// the offsets are stored once the check is printed (printOffsetPrinted), so a check that is
// refused (too large an amount) or cannot be printed leaves them as they were. Nothing is
// hidden or filled when the offsets are refused.
[[nodiscard]] PaycheckData prepareCheck(Session& session);
// Once the paycheck is printed: the offsets it was printed with stored as "&Apply" stores them,
// and the dialog closes. ok is false, with the message, when they could not be stored.
Outcome printOffsetPrinted(Session& session);
// "&Cancel": the dialog closes; nothing more is stored.
void printOffsetCancel(Session& session);

}  // namespace quillon
