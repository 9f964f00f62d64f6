// The printer of this run of the program: the one the operator last chose in the printer dialog.
// The pay statement, the window picture and the register printout ask for it with the dialog;
// the paycheck goes to it without one, as the check stock sits in that printer.
#pragma once

#include <QPrinter>
#include <memory>
#include <optional>

#include "session/boxes.hpp"
#include "ui/asker.hpp"

namespace quillon::ui {

class SessionPrinter {
  public:
    // The printer dialog: true when the operator chose to print, and the printer is then the one
    // a paycheck goes to.
    [[nodiscard]] bool choose(Asker& asker);
    // The printer for printing without a dialog: the one last chosen, or before any choice the
    // system's default printer. Nothing when no printer is set up on this computer.
    [[nodiscard]] QPrinter* current();
    // The printer as it stands, for a print preview (a preview needs no printer of its own).
    [[nodiscard]] QPrinter& printer();

  private:
    // Made on first use: finding the system's printers takes a moment that start-up need not.
    std::unique_ptr<QPrinter> printer_;
    bool chosen_ = false;
};

// What the operator is told when the paycheck has no printer to go to.
[[nodiscard]] Message noPrinterMessage();

}  // namespace quillon::ui
