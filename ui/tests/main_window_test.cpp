// The main window on Qt's offscreen platform: typing and calculating, the entry boxes' keys,
// the File menu's questions, User Info's effect on the main window, the accessible names and
// amounts, the entries of later versions; and the window against the session driven directly.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <memory>

#include "session/file_menu.hpp"
#include "session/shown_period.hpp"
#include "ui/controls.hpp"
#include "ui/main_window_view.hpp"
#include "ui/tests/desk.hpp"
#include "ui/tests/scripted_asker.hpp"

using namespace quillon;
using quillon::ui::arrayName;
using quillon::ui::testing::dataFolder;
using quillon::ui::testing::Desk;
using quillon::ui::testing::ScriptedAsker;

namespace {

// The result area as the window shows it, in the command-line tool's order.
QStringList shownResults(const Desk& desk) {
    QStringList texts;
    for (std::size_t i = 0; i < kResultFigureCount; ++i) {
        const std::string name = resultLabelName(static_cast<ResultKey>(i));
        texts << desk.find<QLineEdit>(QString::fromStdString(name))->text();
    }
    return texts;
}

// The same figures in the model, through the one table of the shown period.
QStringList modelResults(const Session& s) {
    QStringList texts;
    for (const ShownFigure& figure : shownPeriod(s).figures) {
        texts << ui::qs(figure.caption);
    }
    return texts;
}

QString accessibleText(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(kind) : QStringLiteral("<no accessible interface>");
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void fortyHoursAndCalculateShowTheResultsAndWriteTheFiles();
    void keysOtherThanTheNumberKeysAreDropped_data();
    void keysOtherThanTheNumberKeysAreDropped();
    void enterAndTheArrowsMoveTheFocus_data();
    void enterAndTheArrowsMoveTheFocus();
    void newWithAnExistingNameShowsOnlyTheMessage();
    void userInfoSaveChangesTheCaptionsAndTheNotice();
    void theWindowAndTheSessionAgreeTextForText();
    void everyFigureHasItsCaptionAsNameAndItsAmountAsText();
    void entriesOfLaterVersionsSaySoAndChangeNothing();
    void closingAsksAndShowsTheSaveUserDialog();
    void openTakesTheChosenEmployee();
    void helpShowsTheGuideAndAboutTheVersion();
    void helpWithoutTheGuideSaysWhereItBelongs();
    void theLargestAmountsShowInFullAtTheSmallestSize();
};

void MainWindowTest::fortyHoursAndCalculateShowTheResultsAndWriteTheFiles() {
    Desk desk;
    desk.newEmployee("Smith");
    QVERIFY(desk.asker.told.empty());
    QCOMPARE(desk.window->windowTitle(), QStringLiteral("Smith  User:  "));
    for (const char* ext : {".use", ".hol", ".sta"}) {
        std::filesystem::remove(desk.folder / (std::string("Smith") + ext));
    }

    QTest::keyClicks(desk.box(0), QStringLiteral("40"));
    desk.click("cmdCalc");

    QVERIFY2(desk.asker.told.empty(),
             desk.asker.told.empty() ? "" : desk.asker.told[0].text.c_str());
    // 40 hours at the rate of 7.50 an employee without a rate is paid: 300.00. Federal, single
    // weekly, no allowance: 17.90 + (300 - 222) x 15% = 29.60; Social Security 6.2% = 18.60;
    // Medicare 1.45% = 4.35.
    QCOMPARE(desk.find<QLineEdit>("Label13")->text(), QStringLiteral("$300.00"));
    QCOMPARE(desk.find<QLineEdit>("lbTaxDed_0")->text(), QStringLiteral("29.60"));
    QCOMPARE(desk.find<QLineEdit>("lbTaxDed_1")->text(), QStringLiteral("18.60"));
    QCOMPARE(desk.find<QLineEdit>("lbTaxDed_2")->text(), QStringLiteral("4.35"));
    QVERIFY(desk.find<QLineEdit>("lbNet")->text().startsWith(QLatin1Char('$')));
    QCOMPARE(desk.box(0)->text(), QStringLiteral("40"));
    QCOMPARE(desk.box(1)->text(), QString());  // boxes left empty stay empty
    for (const char* ext : {".use", ".hol", ".sta"}) {
        QVERIFY2(desk.exists(std::string("Smith") + ext), ext);
    }
    // The focus is back in box 0, its text selected for the next week.
    QCOMPARE(QApplication::focusWidget(), desk.box(0));
    QCOMPARE(desk.box(0)->selectedText(), QStringLiteral("40"));
}

void MainWindowTest::keysOtherThanTheNumberKeysAreDropped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a letter") << "a"
                              << "";
    QTest::newRow("a letter between digits") << "4x0"
                                             << "40";
    QTest::newRow("a dollar sign and a comma") << "$1,250"
                                               << "1250";
    QTest::newRow("point, minus and blank") << "1.5 -2"
                                            << "1.5 -2";
}

void MainWindowTest::keysOtherThanTheNumberKeysAreDropped() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Desk desk;
    for (std::size_t i : {std::size_t{0}, std::size_t{6}}) {
        QTest::keyClicks(desk.box(i), typed);
        QCOMPARE(desk.box(i)->text(), shown);
        QCOMPARE(ui::qs(desk.session->main.txtAmount[i].text), shown);
    }
    QTest::keyClicks(desk.box(7), QStringLiteral("45"));
    QTest::keyClick(desk.box(7), Qt::Key_Backspace);
    QCOMPARE(desk.box(7)->text(), QStringLiteral("4"));
}

void MainWindowTest::enterAndTheArrowsMoveTheFocus_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("Enter in box 0") << 0 << int(Qt::Key_Return) << 1;
    QTest::newRow("Enter in box 7 wraps") << 7 << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter in box 7") << 7 << int(Qt::Key_Enter) << 0;
    QTest::newRow("down in box 3") << 3 << int(Qt::Key_Down) << 4;
    QTest::newRow("down in box 7 stays") << 7 << int(Qt::Key_Down) << 7;
    QTest::newRow("up in box 5") << 5 << int(Qt::Key_Up) << 4;
    QTest::newRow("up in box 0 stays") << 0 << int(Qt::Key_Up) << 0;
}

void MainWindowTest::enterAndTheArrowsMoveTheFocus() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    Desk desk;
    desk.box(static_cast<std::size_t>(to))->setText(QStringLiteral("12"));
    desk.box(static_cast<std::size_t>(from))->setFocus();
    QTest::keyClick(desk.box(static_cast<std::size_t>(from)), static_cast<Qt::Key>(key));
    QCOMPARE(QApplication::focusWidget(), desk.box(static_cast<std::size_t>(to)));
    QTRY_COMPARE(desk.box(static_cast<std::size_t>(to))->selectedText(), QStringLiteral("12"));
}

void MainWindowTest::newWithAnExistingNameShowsOnlyTheMessage() {
    Desk desk(true);
    const std::filesystem::file_time_type before =
        std::filesystem::last_write_time(desk.folder / "Sample.use");
    QTest::keyClicks(desk.box(0), QStringLiteral("12"));

    desk.newEmployee("Sample");

    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    QCOMPARE(desk.asker.told[0].text, std::string("Sample........ already exists. Use Open"));
    QVERIFY(desk.asker.dialogs.empty());
    QCOMPARE(desk.window->windowTitle(), QStringLiteral("LANTERNA SOFTWARE"));
    QCOMPARE(desk.find<QLabel>("lbUser")->text(), QStringLiteral("USER"));
    QCOMPARE(desk.box(0)->text(), QStringLiteral("12"));
    QCOMPARE(std::filesystem::last_write_time(desk.folder / "Sample.use"), before);
}

void MainWindowTest::userInfoSaveChangesTheCaptionsAndTheNotice() {
    Desk desk;
    desk.newEmployee("Smith");
    QCOMPARE(desk.find<QLabel>("lbTableNotice")->text(), QStringLiteral("Weekly Tax Tables"));
    QCOMPARE(desk.find<QLabel>("lbTaxTag_7")->text(), QStringLiteral("Dues"));

    desk.asker.inDialog = {[](QDialog& dialog) {
        auto* caption = dialog.findChild<QLineEdit*>(QStringLiteral("txtTax7"));
        caption->selectAll();
        QTest::keyClicks(caption, QStringLiteral("Union"));
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("optBiWeek")),
                          Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    }};
    desk.menu("mnuUserInfo");
    QCOMPARE(desk.asker.dialogs, QStringList{QStringLiteral("User Info")});
    QVERIFY(desk.asker.told.empty());
    QCOMPARE(desk.find<QLabel>("lbTaxTag_7")->text(), QStringLiteral("Union"));
    QCOMPARE(accessibleText(desk.find("lbTaxDed_7"), QAccessible::Name), QStringLiteral("Union"));
    QCOMPARE(desk.find<QLabel>("lbTableNotice")->text(), QStringLiteral("Bi-Weekly Tax Tables"));
    QVERIFY(desk.exists("Smith.ovb"));  // saved as a bi-weekly employee

    // "Close" drops what was typed.
    desk.asker.inDialog = {[](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtTax7"))->setText(QStringLiteral("X"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    }};
    desk.menu("mnuUserInfo");
    QCOMPARE(desk.find<QLabel>("lbTaxTag_7")->text(), QStringLiteral("Union"));
    QVERIFY(!desk.session->taxInfo.loaded() || desk.session->taxInfo.model->txtTax7.text != "X");
}

void MainWindowTest::theWindowAndTheSessionAgreeTextForText() {
    // The same employee and week, once through the window, once through the session alone.
    Desk desk;
    desk.newEmployee("Smith");
    desk.asker.inDialog = {[](QDialog& dialog) {
        auto* rate = dialog.findChild<QLineEdit*>(QStringLiteral("txtHourRate"));
        rate->selectAll();
        QTest::keyClicks(rate, QStringLiteral("15.5"));
        auto* tips = dialog.findChild<QLineEdit*>(QStringLiteral("txtTipsRate"));
        tips->selectAll();
        QTest::keyClicks(tips, QStringLiteral("2"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    }};
    desk.menu("mnuUserInfo");
    const QString typed[] = {"40", "", "3", "2", "", "", "25", "6"};
    for (std::size_t i = 0; i < 8; ++i) {
        QTest::keyClicks(desk.box(i), typed[i]);
    }
    QTest::mouseClick(desk.find<QRadioButton>("opt2x"), Qt::LeftButton);
    desk.click("cmdCalc");
    QVERIFY(desk.asker.told.empty());

    QTemporaryDir other;
    const std::filesystem::path folder = other.path().toStdString();
    std::filesystem::copy_file(dataFolder() / "Federal16.dtt", folder / "Federal16.dtt");
    Session s(folder, folder);
    s.startUp("12/30/2016");
    QVERIFY(s.newEmployee("Smith").ok);
    QVERIFY(s.loadTaxInfo().ok);
    s.taxInfo.model->txtHourRate.text = "15.5";
    s.taxInfo.model->txtTipsRate.text = "2";
    QVERIFY(s.taxInfoSave().ok);
    for (std::size_t i = 0; i < 8; ++i) {
        s.main.txtAmount[i].text = ui::text(typed[i]);
    }
    s.main.opt1x.value = false;
    s.main.opt2x.value = true;
    QVERIFY(s.calculate().ok);

    const QStringList shown = shownResults(desk);
    QCOMPARE(shown, modelResults(s));
    QVERIFY(shown.contains(QStringLiteral("$12.00")));  // 6 tip hours at 2.00
    for (std::size_t i = 0; i < 8; ++i) {
        QCOMPARE(desk.box(i)->text(), ui::qs(s.main.txtAmount[i].text));
    }
    for (std::size_t i = 0; i < 11; ++i) {
        QCOMPARE(desk.find<QLabel>(arrayName("lbTaxTag", i))->text(),
                 ui::qs(s.main.lbTaxTag[i].caption));
    }
    QCOMPARE(desk.window->windowTitle(), ui::qs(s.main.caption));
}

void MainWindowTest::everyFigureHasItsCaptionAsNameAndItsAmountAsText() {
    Desk desk;
    desk.newEmployee("Smith");
    QTest::keyClicks(desk.box(0), QStringLiteral("40"));
    desk.click("cmdCalc");

    const struct {
        const char* control;
        const char* name;
    } named[] = {{"lbTaxDed_0", "Federal Tax"},
                 {"lbTaxDed_1", "Soc Sec"},
                 {"lbTaxDed_2", "Medicare"},
                 {"lbTaxDed_3", "State Tax"},
                 {"lbTaxDed_4", "City Tax"},
                 {"lbTaxDed_5", "CrUnion"},
                 {"lbTaxDed_9", "Misc."},
                 {"lbTaxDed_10", "K Plan"},
                 {"lbSDI", "SDI"},
                 {"lbSUI", "SUI"},
                 {"lbCafe", "Cafeteria Plan"},
                 {"Label13", "GROSS PAY"},
                 {"lbTaxes", "TAXES"},
                 {"lbDeduct", "DEDUCTIONS"},
                 {"lbNet", "NET PAY"},
                 {"lbOverT", "OverTime"},
                 {"lbTips", "Tips"}};
    for (const auto& n : named) {
        auto* figure = desk.find<QLineEdit>(QString::fromLatin1(n.control));
        QCOMPARE(accessibleText(figure, QAccessible::Name), QString::fromLatin1(n.name));
        QVERIFY(!figure->text().isEmpty() || QByteArray(n.control) == "Label13");
        QCOMPARE(accessibleText(figure, QAccessible::Value), figure->text());
    }
    QCOMPARE(accessibleText(desk.find("lbNet"), QAccessible::Value),
             desk.find<QLineEdit>("lbNet")->text());
    for (std::size_t i = 0; i < 8; ++i) {
        QCOMPARE(accessibleText(desk.box(i), QAccessible::Name),
                 QString::fromLatin1(kEntryLabels[i]));
    }
    QCOMPARE(accessibleText(desk.find("cmdCalc"), QAccessible::Name), QStringLiteral("Calculate"));
    QCOMPARE(accessibleText(desk.find("txtWeek"), QAccessible::Name),
             QStringLiteral("WEEK ENDING:"));
    QCOMPARE(accessibleText(desk.find("opt2x"), QAccessible::Name), QStringLiteral("O.T. (2X)"));
}

void MainWindowTest::entriesOfLaterVersionsSaySoAndChangeNothing() {
    Desk desk;
    desk.newEmployee("Smith");
    QTest::keyClicks(desk.box(0), QStringLiteral("40"));
    desk.click("cmdCalc");
    const QStringList before = shownResults(desk);
    const struct {
        const char* control;
        bool menu;
        const char* caption;
    } later[] = {
        {"mnuVacation", true, "Vacation"},
        {"mnuOT", true, "OT %"},
        {"cmdVacation", false, "Vacation"},
        {"cmdOverTime", false, "OT %"},
        {"cmdSavePeriod", false, "Save This Pay Period"},
        {"cmdGetPeriod", false, "Get Pay Period"},
    };
    for (const auto& l : later) {
        desk.asker.told.clear();
        if (l.menu) {
            desk.menu(l.control);
        } else {
            desk.click(l.control);
        }
        QCOMPARE(desk.asker.told.size(), std::size_t{1});
        QCOMPARE(desk.asker.told[0].text, "\"" + std::string(l.caption) +
                                              "\" is not built yet in this version of "
                                              "Quillon 2016.");
        QCOMPARE(shownResults(desk), before);
    }
    desk.asker.told.clear();
    QTest::mouseClick(desk.find("txtWeek"), Qt::LeftButton);
    QCOMPARE(desk.asker.told.size(), std::size_t{1});
}

void MainWindowTest::closingAsksAndShowsTheSaveUserDialog() {
    Desk desk;
    desk.newEmployee("Smith");
    std::filesystem::remove(desk.folder / "Smith.hol");
    desk.asker.asked.clear();
    desk.asker.yes = {true};
    desk.asker.inDialog = {[](QDialog& dialog) {
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lbLine1"))->text(),
                 QStringLiteral("Before opening a user file,"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lbLine2"))->text(),
                 QStringLiteral("Do you want to save this user?"));
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("txtUser"));
        QCOMPARE(name->text(), QStringLiteral("Smith"));
        QCOMPARE(name->toolTip(), QStringLiteral("File that is already opened."));
        QTRY_COMPARE(name->selectedText(), QStringLiteral("Smith"));
        for (const char* button : {"cmdSave", "cmdNo", "cmdQuit"}) {
            QVERIFY(dialog.findChild<QPushButton*>(QString::fromLatin1(button)) != nullptr);
        }
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cmdQuit"))->text(),
                 QStringLiteral("&Quit"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdSave")),
                          Qt::LeftButton);
    }};

    desk.window->close();

    QCOMPARE(desk.asker.asked, std::vector<std::string>{"     SAVE USER'S SETTINGS?"});
    QCOMPARE(desk.asker.dialogs, QStringList{QStringLiteral("Save User")});
    QVERIFY(desk.exists("Smith.hol"));
    QVERIFY(!desk.window->isVisible());
}

void MainWindowTest::openTakesTheChosenEmployee() {
    Desk desk(true);
    desk.asker.files = {desk.folder / "Sample.use"};
    desk.asker.inDialog = {[](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdNo")), Qt::LeftButton);
    }};
    desk.menu("mnuOpen");
    QVERIFY(desk.asker.told.empty());
    QCOMPARE(desk.asker.asked, std::vector<std::string>{"Saved Files (*.use)"});
    QCOMPARE(desk.window->windowTitle(), QStringLiteral("Sample  User:  "));
    QCOMPARE(desk.find<QLabel>("lbUser")->text(), QStringLiteral("Sample"));
    QCOMPARE(desk.find<QLabel>("lbTaxTag_9")->text(), ui::qs(desk.session->profile.DedName9));

    // A cancelled file dialog changes nothing.
    desk.asker.files = {std::nullopt};
    desk.menu("mnuOpen");
    QCOMPARE(desk.window->windowTitle(), QStringLiteral("Sample  User:  "));
    QVERIFY(desk.asker.told.empty());
}

void MainWindowTest::helpShowsTheGuideAndAboutTheVersion() {
    Desk desk;
    // The desk's folder is the session's data folder too: the guide is read from there.
    std::filesystem::copy_file(std::filesystem::path(QUILLON_SOURCE_DIR) / "ui/help/guide.html",
                               desk.folder / "guide.html");
    desk.menu("mnuHelp");
    auto* guide = desk.window->findChild<QTextBrowser*>(QStringLiteral("helpText"));
    QVERIFY(guide != nullptr);
    QVERIFY(guide->window()->isVisible());
    for (const char* section : {"Setting up an employee", "Entering a week", "Reading the results",
                                "State and local settings", "Posting to the register",
                                "Printing a statement or a check"}) {
        QVERIFY2(guide->toPlainText().contains(QString::fromLatin1(section)), section);
    }
    desk.menu("mnuAbout");
    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    QCOMPARE(desk.asker.told[0].title, std::string("About Quillon 2016"));
    QVERIFY(desk.asker.told[0].text.find("Version " QUILLON_VERSION) != std::string::npos);
}

void MainWindowTest::helpWithoutTheGuideSaysWhereItBelongs() {
    Desk desk;
    desk.menu("mnuHelp");
    auto* guide = desk.window->findChild<QTextBrowser*>(QStringLiteral("helpText"));
    QVERIFY(guide != nullptr);
    QVERIFY(guide->window()->isVisible());
    const QString text = guide->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("guide is missing")), qPrintable(text));
    QVERIFY2(text.contains(QString::fromStdString((desk.folder / "guide.html").string())),
             qPrintable(text));
}

void MainWindowTest::theLargestAmountsShowInFullAtTheSmallestSize() {
    // At the smallest size the window allows, an entry box holds the longest amount it takes and
    // every figure the largest amount a period shows, without cutting a digit off.
    Desk desk;
    desk.window->resize(desk.window->minimumSizeHint());
    QApplication::processEvents();
    auto fits = [](QLineEdit* box, const QString& text) {
        const QMargins margins = box->textMargins();
        return box->contentsRect().width() - margins.left() - margins.right() >=
               box->fontMetrics().horizontalAdvance(text);
    };
    for (std::size_t i = 0; i < 8; ++i) {
        QVERIFY2(fits(desk.box(i), QStringLiteral("9999999.99")),
                 qPrintable(arrayName("txtAmount", i)));
    }
    for (std::size_t i = 0; i < 11; ++i) {
        auto* figure = desk.find<QLineEdit>(arrayName("lbTaxDed", i));
        QVERIFY2(fits(figure, QStringLiteral("$99,999.00")), qPrintable(figure->objectName()));
    }
    for (const char* name : {"lbTaxes", "lbDeduct", "lbNet"}) {
        auto* figure = desk.find<QLineEdit>(QString::fromLatin1(name));
        QVERIFY2(fits(figure, QStringLiteral("$99,999.00")), name);
    }
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
