// The state, city and non-city dialogs on Qt's offscreen platform, opened from the main window's
// Options menu: presets as the operator sees them, the main window's Louisiana box, what "SAVE"
// writes, a box that is not a number refused with the focus put in it, the non-city "&CANCEL"
// that keeps its edits; and every box named by where it is, entered row by row.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "ui/city_dialog_view.hpp"
#include "ui/controls.hpp"
#include "ui/main_window_view.hpp"
#include "ui/noncity_dialog_view.hpp"
#include "ui/state_dialog_view.hpp"
#include "ui/tests/file_contents.hpp"
#include "ui/tests/scripted_asker.hpp"

using namespace quillon;
using quillon::ui::arrayName;
using quillon::ui::testing::contents;
using quillon::ui::testing::ScriptedAsker;

namespace {

// The fields of a settings file, line by line.
std::vector<QStringList> fields(const std::filesystem::path& file) {
    std::vector<QStringList> lines;
    for (const QString& line :
         QString::fromStdString(contents(file)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        lines.push_back(line.split(QLatin1Char(',')));
    }
    return lines;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// A working folder with the federal table, the main window on it and a new employee "Smith",
// whose files the calculation of New has written.
struct Desk {
    explicit Desk(bool weekly = false) {
        folder = std::filesystem::path(dir.path().toStdString());
        std::filesystem::copy_file(std::filesystem::path(QUILLON_SOURCE_DIR) / "data/Federal16.dtt",
                                   folder / "Federal16.dtt");
        session = std::make_unique<Session>(folder, folder);
        window = std::make_unique<ui::MainWindowView>(*session, asker);
        window->startUp("12/30/2016");
        window->show();
        asker.yes = {false};
        asker.texts = {"Smith"};
        menu("mnuNew");
        // The pay frequency as User Info saves it.
        if (!session->loadTaxInfo().ok) {
            qFatal("no User Info");
        }
        session->taxInfo.model->optWeek.value = weekly;
        session->taxInfo.model->optBiWeek.value = !weekly;
        if (!session->taxInfoSave().ok) {
            qFatal("User Info not saved");
        }
        window->redraw();
        asker.told.clear();
    }

    void menu(const char* action) const {
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    // Options > the dialog, which becomes the active window.
    template <typename View>
    View* open(const char* action) {
        menu(action);
        auto* view = window->findChild<View*>();
        if (view == nullptr || !view->isVisible()) {
            qFatal("%s did not open the dialog", action);
        }
        view->activateWindow();
        if (!QTest::qWaitForWindowActive(view)) {
            qWarning("the dialog did not become active");
        }
        return view;
    }
    ui::StateDialogView* state() { return open<ui::StateDialogView>("mnuStateTax"); }
    ui::CityDialogView* city() { return open<ui::CityDialogView>("mnuCityTax"); }
    ui::NonCityDialogView* nonCity() { return open<ui::NonCityDialogView>("mnuNonCity"); }

    std::filesystem::path file(const char* extension) const {
        return folder / ("Smith" + std::string(extension));
    }

    QTemporaryDir dir;
    std::filesystem::path folder;
    ScriptedAsker asker;
    std::unique_ptr<Session> session;
    std::unique_ptr<ui::MainWindowView> window;
};

template <typename T = QWidget>
T* find(QWidget* dialog, const QString& name) {
    T* widget = dialog->findChild<T*>(name);
    if (widget == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return widget;
}
QLineEdit* box(QWidget* dialog, const char* array, std::size_t row) {
    return find<QLineEdit>(dialog, arrayName(array, row));
}
// A click on a button, or on a check box's square (its widget may be wider than its caption).
void click(QWidget* dialog, const char* name) {
    QWidget* control = find(dialog, QString::fromLatin1(name));
    const QPoint at = qobject_cast<QCheckBox*>(control) != nullptr
                          ? QPoint(6, control->height() / 2)
                          : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}
// Replaces a box's text as the operator does: into the box, everything selected, then the keys.
void retype(QLineEdit* box, const QString& keys) {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, keys);
}

}  // namespace

class TaxTablesTest : public QObject {
    Q_OBJECT

  private slots:
    void iowaOnAWeeklyEmployeeShowsTheWeeklyStandardAndHidesTheBiweeklyLabels();
    void louisianaShowsTheMainWindowsLouisianaBox();
    void aSpecialStateShowsItsSwitches_data();
    void aSpecialStateShowsItsSwitches();
    void useBaseNamesTheBaseBox();
    void noStateTaxThenSaveWritesTheEmptiedTables();
    void anEmptiedBoxIsSavedWithItsNewYorkValue();
    void aBoxThatIsNotANumberIsRefusedAndGetsTheFocus_data();
    void aBoxThatIsNotANumberIsRefusedAndGetsTheFocus();
    void nonCityCancelKeepsTheEditsForTheNextShowing();
    void everyControlSaysWhereItIsAndTabGoesAcrossARow();
    void aLetterIsNotTakenAndTheSingleBoxesSelectTheirText();
};

void TaxTablesTest::iowaOnAWeeklyEmployeeShowsTheWeeklyStandardAndHidesTheBiweeklyLabels() {
    Desk desk(/*weekly=*/true);
    ui::StateDialogView* dialog = desk.state();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Biweekly State Tax"));
    for (const char* label : {"Label19", "Label20", "Label21"}) {
        QVERIFY2(find<QLabel>(dialog, QString::fromLatin1(label))->isVisible(), label);
        QCOMPARE(find<QLabel>(dialog, QString::fromLatin1(label))->text(),
                 QStringLiteral("BIWEEKLY "));
    }
    click(dialog, "ckIowa");
    QVERIFY(find<QCheckBox>(dialog, QStringLiteral("ckIowa"))->isChecked());
    // "Standard" for 0 and 1 exemptions, then from 2 up; "Credit" 0.77 a exemption.
    const char* const standard[] = {"31.73", "31.73", "78.08", "78.08", "78.08",
                                    "78.08", "78.08", "78.08", "78.08", "78.08"};
    for (std::size_t n = 0; n < 10; ++n) {
        QCOMPARE(box(dialog, "txtStateSgExp", n)->text(), QString::fromLatin1(standard[n]));
    }
    QCOMPARE(box(dialog, "txtStateMarExp", 9)->text(), QStringLiteral("6.93"));
    QCOMPARE(find<QLabel>(dialog, QStringLiteral("Label14"))->text(), QStringLiteral("Standard"));
    QCOMPARE(find<QLabel>(dialog, QStringLiteral("Label15"))->text(), QStringLiteral("Credit"));
    for (const char* label : {"Label19", "Label20", "Label21"}) {
        QVERIFY2(!find<QLabel>(dialog, QString::fromLatin1(label))->isVisible(), label);
    }
    QVERIFY(find<QCheckBox>(dialog, QStringLiteral("ckRoundOff"))->isChecked());
    QVERIFY(!box(dialog, "txtStateMinBS", 0)->isEnabled());
    QVERIFY(!find<QGroupBox>(dialog, QStringLiteral("Frame1"))->isEnabled());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Biweekly State Tax (not saved)"));

    // Another special state shows the labels again; "New York" the standard layout.
    click(dialog, "ckAriz");
    QVERIFY(!find<QCheckBox>(dialog, QStringLiteral("ckIowa"))->isChecked());
    QVERIFY(find<QLabel>(dialog, QStringLiteral("Label19"))->isVisible());
    click(dialog, "cmdDefault");
    QVERIFY(!find<QCheckBox>(dialog, QStringLiteral("ckAriz"))->isChecked());
    QVERIFY(box(dialog, "txtStateMinBS", 0)->isEnabled());
    QCOMPARE(box(dialog, "txtStateSgExp", 0)->text(), QStringLiteral("284.6"));
    QVERIFY(desk.asker.told.empty());
}

void TaxTablesTest::louisianaShowsTheMainWindowsLouisianaBox() {
    Desk desk;
    auto* louisPrior = find<QCheckBox>(desk.window.get(), QStringLiteral("ckLouisPrior"));
    QVERIFY(!louisPrior->isVisible());
    ui::StateDialogView* dialog = desk.state();
    click(dialog, "ckLouis");
    QVERIFY(louisPrior->isVisible());
    QCOMPARE(louisPrior->text(), QStringLiteral("Louisiana- Prior to July 1"));
    QCOMPARE(find<QLabel>(dialog, QStringLiteral("Label14"))->text(), QStringLiteral("Personal"));
    QCOMPARE(find<QLabel>(dialog, QStringLiteral("Label15"))->text(), QStringLiteral("Dependent"));
    QVERIFY(box(dialog, "txtStateSgExp", 0)->isEnabled());
    QVERIFY(!box(dialog, "txtStateSgExp", 1)->isEnabled());
    // Any other special state, and "New York", hide it again.
    click(dialog, "ckMass");
    QVERIFY(!louisPrior->isVisible());
    click(dialog, "ckLouis");
    QVERIFY(louisPrior->isVisible());
    click(dialog, "cmdDefault");
    QVERIFY(!louisPrior->isVisible());
}

void TaxTablesTest::aSpecialStateShowsItsSwitches_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("spouseWorks");  // "Spouse Works" shown
    QTest::addColumn<bool>("roundState");   // "Round State" checked
    QTest::addColumn<bool>("biweekly");     // the three "BIWEEKLY " labels shown
    QTest::newRow("Missouri") << "ckMissouri" << true << true << true;
    QTest::newRow("N.C.") << "ckNC" << false << true << true;
    QTest::newRow("Iowa") << "ckIowa" << false << true << false;
    QTest::newRow("Utah") << "ckUtah" << false << false << true;
    QTest::newRow("Mass") << "ckMass" << false << false << true;
    QTest::newRow("Alabama") << "ckAlabama" << false << false << true;
}

void TaxTablesTest::aSpecialStateShowsItsSwitches() {
    QFETCH(QString, state);
    QFETCH(bool, spouseWorks);
    QFETCH(bool, roundState);
    QFETCH(bool, biweekly);
    Desk desk;
    ui::StateDialogView* dialog = desk.state();
    QVERIFY(!find(dialog, QStringLiteral("ckSpouse"))->isVisible());
    click(dialog, qPrintable(state));
    QVERIFY(find<QCheckBox>(dialog, state)->isChecked());
    QCOMPARE(find(dialog, QStringLiteral("ckSpouse"))->isVisible(), spouseWorks);
    QCOMPARE(find<QCheckBox>(dialog, QStringLiteral("ckRoundOff"))->isChecked(), roundState);
    for (const char* label : {"Label19", "Label20", "Label21"}) {
        QCOMPARE(find(dialog, QString::fromLatin1(label))->isVisible(), biweekly);
    }
    // "CLEAR ALL" hides "Spouse Works" and clears "Round State"; the tables empty.
    click(dialog, "cmdClearAll");
    QVERIFY(!find(dialog, QStringLiteral("ckSpouse"))->isVisible());
    QVERIFY(!find<QCheckBox>(dialog, QStringLiteral("ckRoundOff"))->isChecked());
    QCOMPARE(box(dialog, "txtStateMinBM", 0)->text(), QStringLiteral("999999"));
    QCOMPARE(box(dialog, "txtStateSgExp", 3)->text(), QStringLiteral("0"));
    QVERIFY(desk.asker.told.empty());
}

void TaxTablesTest::useBaseNamesTheBaseBox() {
    Desk desk;
    ui::StateDialogView* dialog = desk.state();
    auto* label = find<QLabel>(dialog, QStringLiteral("lbSDIbase"));
    QCOMPARE(label->text(), QStringLiteral("Flat Rate"));
    QCOMPARE(label->buddy(), find(dialog, QStringLiteral("txtSDIwageBase")));
    click(dialog, "ckSDI");
    QCOMPARE(label->text(), QStringLiteral("Wage Base"));
    retype(find<QLineEdit>(dialog, QStringLiteral("txtSDIpercent")), QStringLiteral("1.2"));
    // Cleared: the flat rate, and the rate box of its frame "0".
    click(dialog, "ckSDI");
    QCOMPARE(label->text(), QStringLiteral("Flat Rate"));
    QCOMPARE(find<QLineEdit>(dialog, QStringLiteral("txtSDIpercent"))->text(), QStringLiteral("0"));
    QCOMPARE(find<QLabel>(dialog, QStringLiteral("lbSUIbase"))->text(),
             QStringLiteral("Flat Rate"));
}

void TaxTablesTest::noStateTaxThenSaveWritesTheEmptiedTables() {
    Desk desk;
    ui::StateDialogView* dialog = desk.state();
    click(dialog, "ckNoStateTax");
    QCOMPARE(box(dialog, "txtStateMinBM", 4)->text(), QStringLiteral("999999"));
    QCOMPARE(box(dialog, "txtStateAmtBS", 4)->text(), QStringLiteral("0"));
    click(dialog, "OKButton");
    QVERIFY(desk.asker.told.empty());
    QVERIFY(!dialog->isVisible());

    const std::vector<QStringList> sta = fields(desk.file(".sta"));
    QCOMPARE(sta.size(), std::size_t{23});
    for (std::size_t line = 0; line < 10; ++line) {
        QCOMPARE(sta[line], QString("999999,0,0,999999,0,0").split(QLatin1Char(',')));
    }
    QCOMPARE(sta[10], QStringList{QStringLiteral("1")});
    for (std::size_t line = 11; line < 21; ++line) {
        QCOMPARE(sta[line], QString("0,0").split(QLatin1Char(',')));
    }
    // Shown again, from the file.
    dialog = desk.state();
    QVERIFY(find<QCheckBox>(dialog, QStringLiteral("ckNoStateTax"))->isChecked());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Biweekly State Tax"));
}

void TaxTablesTest::anEmptiedBoxIsSavedWithItsNewYorkValue() {
    Desk desk;
    ui::StateDialogView* dialog = desk.state();
    QLineEdit* amount = box(dialog, "txtStateAmtBM", 7);  // married, line 8
    QCOMPARE(amount->text(), QStringLiteral("257.04"));
    retype(amount, QStringLiteral("300"));
    retype(amount, QString());
    QCOMPARE(amount->text(), QString());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Biweekly State Tax (not saved)"));
    click(dialog, "OKButton");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(fields(desk.file(".sta"))[7][4], QStringLiteral("257.04"));

    // The city dialog the same way: single line 4 minimum.
    ui::CityDialogView* city = desk.city();
    QCOMPARE(city->windowTitle(), QStringLiteral("City (Local) Tax Tables"));
    retype(box(city, "txtCityMinBS", 3), QString());
    click(city, "OKButton");
    QVERIFY(!city->isVisible());
    QCOMPARE(fields(desk.file(".cti"))[3][0], QStringLiteral("577"));
}

void TaxTablesTest::aBoxThatIsNotANumberIsRefusedAndGetsTheFocus_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("words");
    QTest::newRow("state table") << "mnuStateTax"
                                 << "txtStatePerBS_2"
                                 << "1-2"
                                 << ".sta"
                                 << "Table for SINGLE Persons, Multiply by Percentage in "
                                    "Decimal, line 3";
    QTest::newRow("state allowance") << "mnuStateTax"
                                     << "txtStateMarExp_0"
                                     << "1..5"
                                     << ".sta"
                                     << "Withholding Allowance, MARRIED, 0 exemptions";
    QTest::newRow("state SDI") << "mnuStateTax"
                               << "txtSDIpercent"
                               << "-"
                               << ".sta"
                               << "State Disability Insurance, % Rate";
    QTest::newRow("city") << "mnuCityTax"
                          << "txtCityAmtBM_6"
                          << "8 01"
                          << ".cti"
                          << "Table for MARRIED Persons, Amount to Withhold, line 7";
    QTest::newRow("non-city") << "mnuNonCity"
                              << "txtNonPer"
                              << "."
                              << ".nci"
                              << "Multiply by Percentage in Decimal";
}

void TaxTablesTest::aBoxThatIsNotANumberIsRefusedAndGetsTheFocus() {
    QFETCH(QString, menu);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, extension);
    QFETCH(QString, words);
    Desk desk;
    const std::filesystem::path file = desk.file(qPrintable(extension));
    const std::string before = contents(file);
    QVERIFY(!before.empty());
    QDialog* dialog = menu == QStringLiteral("mnuStateTax")  ? desk.state()
                      : menu == QStringLiteral("mnuCityTax") ? static_cast<QDialog*>(desk.city())
                                                             : desk.nonCity();
    QVERIFY(!dialog->isModal());
    QLineEdit* edit = find<QLineEdit>(dialog, box);
    QCOMPARE(accessibleName(edit), words);
    retype(edit, typed);
    QCOMPARE(edit->text(), typed);
    // Away from the box, then "SAVE".
    find(dialog, QStringLiteral("CancelButton"))->setFocus();
    click(dialog, "OKButton");

    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    const QString told = QString::fromStdString(desk.asker.told[0].text);
    if (extension == QStringLiteral(".sta")) {
        QVERIFY2(told.startsWith(QStringLiteral("You have entered a NON numerial.")),
                 qPrintable(told));
    }
    QVERIFY2(told.contains(words), qPrintable(told));
    QVERIFY(dialog->isVisible());
    QCOMPARE(edit->text(), typed);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(edit));
    QCOMPARE(contents(file), before);
}

void TaxTablesTest::nonCityCancelKeepsTheEditsForTheNextShowing() {
    Desk desk;
    const std::string before = contents(desk.file(".nci"));
    ui::NonCityDialogView* dialog = desk.nonCity();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("NON City Resident"));
    QCOMPARE(box(dialog, "txtNonMinBi", 1)->text(), QStringLiteral("145"));
    retype(box(dialog, "txtNonMinBi", 1), QStringLiteral("150"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("NON City Resident (not saved)"));
    click(dialog, "CancelButton");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(contents(desk.file(".nci")), before);
    QCOMPARE(desk.session->nonCity.NonMinBi[1], 145.0f);

    dialog = desk.nonCity();
    QCOMPARE(box(dialog, "txtNonMinBi", 1)->text(), QStringLiteral("150"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("NON City Resident (not saved)"));
    click(dialog, "OKButton");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(fields(desk.file(".nci"))[1][0], QStringLiteral("150"));

    // "&CANCEL" of the city dialog drops its edits.
    ui::CityDialogView* city = desk.city();
    retype(box(city, "txtCityMinBS", 1), QStringLiteral("400"));
    click(city, "CancelButton");
    city = desk.city();
    QCOMPARE(box(city, "txtCityMinBS", 1)->text(), QStringLiteral("308"));
    QVERIFY(desk.asker.told.empty());
}

void TaxTablesTest::everyControlSaysWhereItIsAndTabGoesAcrossARow() {
    Desk desk;
    const std::vector<QDialog*> dialogs = {desk.state(), desk.city(), desk.nonCity()};
    for (QDialog* dialog : dialogs) {
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
            QVERIFY2(!accessibleName(edit).isEmpty(), qPrintable(edit->objectName()));
            QVERIFY2(edit->alignment() & Qt::AlignRight, qPrintable(edit->objectName()));
            QVERIFY2(edit->validator() != nullptr, qPrintable(edit->objectName()));
        }
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            QVERIFY2(!accessibleName(button).isEmpty(), qPrintable(button->objectName()));
        }
    }
    QWidget* state = dialogs[0];
    QCOMPARE(accessibleName(box(state, "txtStateMinBS", 2)),
             QStringLiteral("Table for SINGLE Persons, Minimum Range, line 3"));
    QCOMPARE(accessibleName(find(state, QStringLiteral("txtSDIwageBase"))),
             QStringLiteral("State Disability Insurance, Wage Base / Flat Rate"));
    QCOMPARE(accessibleName(box(dialogs[1], "txtCityMarExp", 9)),
             QStringLiteral("Withholding Allowance, MARRIED, 9 exemptions"));
    QCOMPARE(accessibleName(box(dialogs[2], "txtNonExpWk", 7)),
             QStringLiteral("WEEKLY NON Resident Table, Subtract, line 8"));

    // Tab: across a row's three boxes, then to the next row; the last single line goes on to
    // the married table.
    const std::pair<QWidget*, QWidget*> tabs[] = {
        {box(state, "txtStateMinBS", 0), box(state, "txtStateAmtBS", 0)},
        {box(state, "txtStateAmtBS", 0), box(state, "txtStatePerBS", 0)},
        {box(state, "txtStatePerBS", 0), box(state, "txtStateMinBS", 1)},
        {box(state, "txtStatePerBS", 9), box(state, "txtStateMinBM", 0)},
        {box(state, "txtStatePerBM", 9), box(state, "txtStateSgExp", 0)},
        {box(state, "txtStateSgExp", 0), box(state, "txtStateMarExp", 0)},
        {box(state, "txtStateMarExp", 0), box(state, "txtStateSgExp", 1)},
        {box(dialogs[1], "txtCityPerBS", 3), box(dialogs[1], "txtCityMinBS", 4)},
        {box(dialogs[2], "txtNonExpBi", 0), box(dialogs[2], "txtNonMinBi", 1)},
        {box(dialogs[2], "txtNonExpBi", 7), box(dialogs[2], "txtNonMinWk", 0)},
    };
    for (const auto& [from, to] : tabs) {
        QCOMPARE(from->nextInFocusChain(), to);
    }
}

void TaxTablesTest::aLetterIsNotTakenAndTheSingleBoxesSelectTheirText() {
    Desk desk;
    ui::StateDialogView* dialog = desk.state();
    QLineEdit* minimum = box(dialog, "txtStateMinBS", 1);
    minimum->setFocus();
    minimum->end(false);
    QTest::keyClicks(minimum, QStringLiteral("a,5"));
    QCOMPARE(minimum->text(), QStringLiteral("3255"));
    QTest::keyClick(minimum, Qt::Key_Backspace);
    QCOMPARE(minimum->text(), QStringLiteral("325"));
    QCOMPARE(desk.session->stateDialog.model->txtStateMinBS[1].text, std::string("325"));

    QLineEdit* adjustment = find<QLineEdit>(dialog, QStringLiteral("txtStateAdj"));
    retype(adjustment, QStringLiteral("-2.5"));
    QTest::mouseClick(minimum, Qt::LeftButton);
    QTest::mouseClick(adjustment, Qt::LeftButton);
    QTRY_COMPARE(adjustment->selectedText(), QStringLiteral("-2.5"));
    QCOMPARE(desk.session->stateDialog.model->txtStateAdj.text, std::string("-2.5"));
}

QTEST_MAIN(TaxTablesTest)
#include "tax_tables_test.moc"
