// The main window's other windows: the settings dialogs and the register window, and the hooks
// of the windows not built yet. A hook says so until its window is built; wiring a window
// replaces the body of its one function.
#include "session/register_window.hpp"
#include "ui/city_dialog_view.hpp"
#include "ui/main_window_view.hpp"
#include "ui/noncity_dialog_view.hpp"
#include "ui/register_window_view.hpp"
#include "ui/state_dialog_view.hpp"

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
    QPointer<RegisterWindowView> view;
    showModeless(view, true,
                 [this] { return new RegisterWindowView(session_, asker_, printer_, this); });
}

// The settings dialogs are not modal: each is built once and shown again, drawn from the model
// the session shows (loaded afresh after a save or cancel, the non-city edits kept after its
// cancel).
void MainWindowView::stateTaxDialog() {
    showOutcome(session_.showStateDialog());
    if (!session_.stateDialog.shown) {
        return;
    }
    showModeless(stateTax_, false, [this] { return new StateDialogView(session_, asker_, this); });
    stateTax_->redraw();
}

void MainWindowView::cityTaxDialog() {
    showOutcome(session_.showCityDialog());
    if (!session_.cityDialog.shown) {
        return;
    }
    showModeless(cityTax_, false, [this] { return new CityDialogView(session_, asker_, this); });
    cityTax_->redraw();
}

void MainWindowView::nonCityTaxDialog() {
    showOutcome(session_.showNonCityDialog());
    if (!session_.nonCityDialog.shown) {
        return;
    }
    showModeless(nonCityTax_, false,
                 [this] { return new NonCityDialogView(session_, asker_, this); });
    nonCityTax_->redraw();
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
