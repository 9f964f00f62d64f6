// The print commands of the windows and of quillon-print, from the session to the pages: each
// runs the session's workflow for its command (session/printing.hpp), which reads, fills, checks
// and stores, and lays out the data it hands back. The callers put the pages on a printer or
// into a PDF file.
#pragma once

#include <string>
#include <vector>

#include "print/page.hpp"
#include "print/pay_figures.hpp"
#include "session/session.hpp"

namespace quillon {

// What a print command hands to the printer: its pages, when outcome.ok.
struct PrintJob {
    Outcome outcome;
    std::vector<Page> pages;
};

// "Print", "Print Sheet" after the printer dialog: prepareStatement, then PrintText. `today` is
// the statement's date.
[[nodiscard]] PrintJob printStatement(Session& session, const std::string& today);

// "Print Check": prepareCheck, then PrintCheck with the main window's period and the register
// in memory. Nothing is printed when the offsets are refused or the amount is too large for a
// check. Once the caller has printed the page, printOffsetPrinted (session/printing.hpp) stores
// the offsets and closes the dialog; a check not printed stores nothing.
[[nodiscard]] PrintJob printOffsetPrintCheck(Session& session);
// The paycheck as "Print Check" would print it with the offsets the boxes hold now, for the
// print preview: nothing is stored or changed.
[[nodiscard]] PrintJob paycheckPreview(const Session& session);

// The "Year To Date" window's "&Print" after the printer dialog: ReadHeading, then PrintYr of the
// register in memory, as many rows as the window shows (as the frequency gives when it is not
// open). Nothing is printed when Header.sav cannot be read. `today` is the printout's date.
[[nodiscard]] PrintJob printRegister(Session& session, const std::string& today);

}  // namespace quillon
