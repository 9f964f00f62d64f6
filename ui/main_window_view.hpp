// The main window: the week-ending date, the employee and the federal table on top, the period's
// eight entry boxes on the left, the taxes and deductions and the totals on the right, the menus
// and the buttons. It shows the session's main-window model; each menu entry, button and key
// calls one operation of the session and then redraws from the models.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>

#include "session/file_menu.hpp"
#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/save_user_dialog_view.hpp"
#include "ui/session_printer.hpp"
#include "ui/windows.hpp"

namespace quillon::ui {

class CheckWriterView;
class CityDialogView;
class HeadingDialogView;
class HelpWindow;
class NonCityDialogView;
class StateDialogView;

class MainWindowView : public QMainWindow {
    Q_OBJECT
  public:
    MainWindowView(Session& session, Asker& asker, QWidget* parent = nullptr);
    ~MainWindowView() override;

    // Start-up: the session's start-up, then the window shows its models. Its messages (a
    // missing federal table) are shown once the window is on the screen.
    void startUp(const std::string& today);
    // Every control from the session's models.
    void redraw();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildTop();
    QWidget* buildEntries();
    QWidget* buildResults();
    QWidget* buildTotals();
    QWidget* buildButtons();

    void showOutcome(const Outcome& outcome);
    void finish(const WorkflowEnd& end);

    // --- Menu entries, buttons and keys: one session operation each.
    void calculate();
    void clearAll();
    void newEmployee();
    void openEmployee();
    void saveEmployee();
    void exitProgram();
    void userInfo();
    void help();
    void about();

    // --- Printing (main_window_printing.cpp).
    void checkWriter();     // File > "C&hecks"
    void printStatement();  // File > "Print Sheet", the "Print" button
    void printImage();      // File > "&Print Image"
    void companyHeading();  // Options > "H&eader"

    // --- The other windows (later_windows.cpp): the settings dialogs and the register window,
    // and the hooks of the windows not built yet, each of which says so until wiring its window
    // replaces its body.
    void vacationTracker();   // Forms > "&Vacation", the "Vacation" button
    void overtimeTracker();   // Forms > "OT %", the "OverTime" button
    void yearToDate();        // Forms > "&Year to Date", the "Year to Date" button
    void stateTaxDialog();    // Options > "S&tate Tax"
    void cityTaxDialog();     // Options > "C&ity Tax"
    void nonCityTaxDialog();  // Options > "Non City Tax"
    void savePayPeriod();     // the "Save This Pay Period" button
    void getPayPeriod();      // the "Get Pay Period" button
    void weekEndingDate();    // a click in the week-ending box
    void notBuiltYet(const char* caption);

    void focusEntryBox(int box);

    Session& session_;
    Asker& asker_;
    SessionWatch watch_;
    WindowQuestions questions_;
    bool ending_ = false;
    QPointer<HelpWindow> help_;
    // The printer of this run: the statement's and the picture's dialogs choose it, the
    // paycheck goes to it.
    SessionPrinter printer_;
    QPointer<CheckWriterView> checks_;
    QPointer<HeadingDialogView> heading_;
    // The state, city and non-city dialogs, each built once and shown while the session shows it.
    QPointer<StateDialogView> stateTax_;
    QPointer<CityDialogView> cityTax_;
    QPointer<NonCityDialogView> nonCityTax_;

    QLineEdit* txtWeek_ = nullptr;
    QLabel* lbUser_ = nullptr;
    QLabel* lbTableNotice_ = nullptr;
    QLabel* lbTableVersion_ = nullptr;
    std::array<QLineEdit*, 8> txtAmount_{};
    QRadioButton* opt1x_ = nullptr;
    QRadioButton* opt2x_ = nullptr;
    QCheckBox* ckLouisPrior_ = nullptr;
    QPushButton* cmdCalc_ = nullptr;
    std::array<QLabel*, 11> lbTaxTag_{};
    std::array<QLineEdit*, 11> lbTaxDed_{};
    QLineEdit *lbSDI_ = nullptr, *lbSUI_ = nullptr, *lbCafe_ = nullptr;
    QLineEdit* Label13_ = nullptr;
    QLineEdit *lbTaxes_ = nullptr, *lbDeduct_ = nullptr, *lbNet_ = nullptr;
    QLineEdit *lbOverT_ = nullptr, *lbTips_ = nullptr;
};

}  // namespace quillon::ui
