// The main window's hooks for the windows of later versions. Each says so until its window is
// built; wiring a window replaces the body of its one function.
#include "ui/main_window_view.hpp"

namespace quillon::ui {

void MainWindowView::vacationTracker() {
    notBuiltYet("Vacation");
}

void MainWindowView::overtimeTracker() {
    notBuiltYet("OT %");
}

void MainWindowView::yearToDate() {
    notBuiltYet("Year to Date");
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
