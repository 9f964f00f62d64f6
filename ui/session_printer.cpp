#include "ui/session_printer.hpp"

#include <QPrinterInfo>

#include "session/session.hpp"

namespace quillon::ui {

QPrinter& SessionPrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

bool SessionPrinter::choose(Asker& asker) {
    if (!asker.askPrinter(printer())) {
        return false;
    }
    chosen_ = true;
    return true;
}

QPrinter* SessionPrinter::current() {
    if (!chosen_ && QPrinterInfo::availablePrinters().isEmpty()) {
        return nullptr;
    }
    return &printer();
}

Message noPrinterMessage() {
    return Message{MessageKind::Exclamation,
                   "No printer is set up on this computer, so the paycheck cannot be printed.\r\n"
                   "Set up a printer, or choose one with File > Print Sheet, and print again.\r\n"
                   "Nothing was stored or printed.",
                   kProgramTitle};
}

}  // namespace quillon::ui
