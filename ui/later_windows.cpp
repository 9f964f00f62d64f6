// The main window's hooks for the windows of later versions. Each says so until its window is
// built; wiring a window replaces the body of its one function.
#include "session/register_window.hpp"
#include "ui/main_window_view.hpp"
#include "ui/register_window_view.hpp"

namespace quillon::ui {

void MainWindowView::vacationTracker() {
    notBuiltYet("Vacation");
}

void MainWindowView::overtimeTracker() {
    notBuiltYet("OT %");
}

// A fresh window each time, on the register file read again; a window already open with changes
// offers to save them first.
void MainWindowView::yearToDate() {
    const Outcome offered = offerToSaveRegister(session_, questions_);
    asker_.tell(offered.messages);
    if (!offered.ok) {
        return;
    }
    const Outcome opened = openRegisterWindow(session_);
    asker_.tell(opened.messages);
    if (!opened.ok) {
        return;
    }
    for (RegisterWindowView* old : findChildren<RegisterWindowView*>()) {
        old->dismiss();
    }
    auto* view = new RegisterWindowView(session_, asker_, printer_, this);
    view->show();
    view->raise();
    view->activateWindow();
}

void MainWindowView::stateTaxDialog() {
    notBuiltYet("S&tate Tax");
}

void MainWindowView::cityTaxDialog() {
    notBuiltYet("C&ity Tax");
}

void MainWindowView::nonCityTaxDialog() {
    notBuiltYet("Non City Tax");
}

void MainWindowView::savePayPeriod() {
    notBuiltYet("Save This Pay Period");
}

void MainWindowView::getPayPeriod() {
    notBuiltYet("Get Pay Period");
}

void MainWindowView::weekEndingDate() {
    notBuiltYet("Week ending date");
}

}  // namespace quillon::ui
