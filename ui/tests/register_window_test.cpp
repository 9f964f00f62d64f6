// The "Year To Date" window on Qt's offscreen platform: posting with a click or a key, deleting
// with the right button, a key or the row's menu, the menu's Clear All, Add, Print and Excel, the
// closing question and the close box, a bi-weekly register's 27 rows, the boxes' key filter and
// accessible names, and a damaged register file.
#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "session/register_window.hpp"
#include "ui/controls.hpp"
#include "ui/main_window_view.hpp"
#include "ui/register_window_view.hpp"
#include "ui/tests/scripted_asker.hpp"

using namespace quillon;
using quillon::ui::arrayName;
using quillon::ui::testing::ScriptedAsker;

namespace {

// A working folder with the federal table, the main window on it, and the employee "Baker"
// (weekly, the rate of 7.50) calculated for 40 hours: gross 300.00.
struct Desk {
    Desk() {
        folder = std::filesystem::path(dir.path().toStdString());
        std::filesystem::copy_file(
            std::filesystem::path(QUILLON_SOURCE_DIR) / "data" / "Federal16.dtt",
            folder / "Federal16.dtt");
        session = std::make_unique<Session>(folder, folder);
        window = std::make_unique<ui::MainWindowView>(*session, asker);
        window->startUp("12/30/2016");
        window->show();
        asker.yes = {false};
        asker.texts = {std::string("Baker")};
        menu(*window, "mnuNew");
        calculate("40");
    }

    void calculate(const char* hours) {
        auto* box = window->findChild<QLineEdit*>(arrayName("txtAmount", 0));
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(hours));
        click(*window, "cmdCalc");
    }
    // The main window's "Year to Date".
    ui::RegisterWindowView* openRegister() {
        click(*window, "cmdYear");
        view = window->findChild<ui::RegisterWindowView*>();
        return view;
    }

    template <typename T = QWidget>
    static T* find(QWidget& in, const QString& name) {
        T* widget = in.findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QLineEdit* cell(const char* control, int row) const {
        return find<QLineEdit>(*view, arrayName(control, static_cast<std::size_t>(row - 1)));
    }
    QPushButton* rowNumber(int row) const {
        return find<QPushButton>(*view, arrayName("lbWeek", static_cast<std::size_t>(row - 1)));
    }
    QLineEdit* total(const char* control) const {
        return find<QLineEdit>(*view, QString::fromLatin1(control));
    }
    static void menu(QWidget& in, const char* action) {
        find<QAction>(in, QString::fromLatin1(action))->trigger();
    }
    static void click(QWidget& in, const char* button) {
        QTest::mouseClick(find<QPushButton>(in, QString::fromLatin1(button)), Qt::LeftButton);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(folder / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int lines(const std::string& name) const {
        const std::string text = read(name);
        int count = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2)) {
            ++count;
        }
        return count;
    }

    QTemporaryDir dir;
    std::filesystem::path folder;
    ScriptedAsker asker;
    std::unique_ptr<Session> session;
    std::unique_ptr<ui::MainWindowView> window;
    QPointer<ui::RegisterWindowView> view;
};

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

}  // namespace

class RegisterWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void leftClickAndEnterPostTheLastCalculation();
    void rightClickDeleteKeyAndTheRowMenuEmptyTheRow();
    void clearAllEmptiesEveryRowAndTheTotals();
    void netAndGrossTakeOnlyNumberKeysAndAddTakesTheEdits();
    void closingAsksAndYesSaves_data();
    void closingAsksAndYesSaves();
    void theCloseBoxSaysUseCloseInstead();
    void aBiWeeklyRegisterShowsTwentySevenRows();
    void everyBoxSaysWhereItIs();
    void printAsksForThePrinterAndCancelPrintsNothing();
    void excelWritesTheWorkbookAndOpensIt();
    void aDamagedRegisterIsRefusedAndTheWindowDoesNotOpen();
    void anotherEmployeeClosesTheWindow();
    void aCalculationLeavesTheWindowAndItsPostingsOpen();
};

void RegisterWindowTest::leftClickAndEnterPostTheLastCalculation() {
    Desk desk;
    ui::RegisterWindowView* view = desk.openRegister();
    QVERIFY(view != nullptr);
    QVERIFY(view->isVisible());
    QCOMPARE(view->windowTitle(), QStringLiteral("Year To Date"));
    QCOMPARE(desk.cell("txtDate", 5)->text(), QString());
    QCOMPARE(desk.cell("txtNet", 5)->text(), QStringLiteral(".00"));

    QTest::mouseClick(desk.rowNumber(5), Qt::LeftButton);
    QVERIFY(desk.asker.told.empty());
    QCOMPARE(desk.cell("txtDate", 5)->text(), QStringLiteral("12/30/2016"));  // the week box
    QCOMPARE(desk.cell("txtFed", 5)->text(), QStringLiteral("29.60"));
    QCOMPARE(desk.cell("txtNet", 5)->text(), QStringLiteral("300.00"));   // the gross column
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("300.00"));  // the gross total
    QCOMPARE(desk.total("txtTotFed")->text(), QStringLiteral("29.60"));

    // From the keyboard: the row number takes the focus, Enter posts.
    desk.rowNumber(7)->setFocus();
    QTest::keyClick(desk.rowNumber(7), Qt::Key_Return);
    QCOMPARE(desk.cell("txtNet", 7)->text(), QStringLiteral("300.00"));
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("600.00"));
    QCOMPARE(desk.session->yearRegister.totals.TotGross, Currency::fromUnits(600'0000));
}

void RegisterWindowTest::rightClickDeleteKeyAndTheRowMenuEmptyTheRow() {
    Desk desk;
    desk.openRegister();
    for (int row : {3, 4, 5, 6}) {
        QTest::mouseClick(desk.rowNumber(row), Qt::LeftButton);
    }
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("1200.00"));

    QTest::mouseClick(desk.rowNumber(4), Qt::RightButton);
    QCOMPARE(desk.cell("txtDate", 4)->text(), QString());
    QCOMPARE(desk.cell("txtFed", 4)->text(), QStringLiteral("0"));
    QCOMPARE(desk.cell("txtNet", 4)->text(), QStringLiteral("0"));
    QCOMPARE(desk.cell("txtNet", 5)->text(), QStringLiteral("300.00"));  // the rows below stay
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("900.00"));

    QTest::keyClick(desk.rowNumber(5), Qt::Key_Delete);
    QCOMPARE(desk.cell("txtNet", 5)->text(), QStringLiteral("0"));
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("600.00"));

    // The keyboard's menu key offers both; the menu does not wait.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2),
                              desk.rowNumber(6)->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(desk.rowNumber(6), &menuKey);
    auto* rowMenu = desk.rowNumber(6)->findChild<QMenu*>(QStringLiteral("mnuRow"));
    QVERIFY(rowMenu != nullptr);
    rowMenu->findChild<QAction*>(QStringLiteral("mnuRowDelete"))->trigger();
    QCOMPARE(desk.cell("txtNet", 6)->text(), QStringLiteral("0"));
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("300.00"));
    QVERIFY(desk.asker.told.empty());
}

void RegisterWindowTest::clearAllEmptiesEveryRowAndTheTotals() {
    Desk desk;
    desk.openRegister();
    QTest::mouseClick(desk.rowNumber(1), Qt::LeftButton);
    QTest::mouseClick(desk.rowNumber(53), Qt::LeftButton);
    Desk::menu(*desk.view, "mnuClearAll");
    for (int row : {1, 53}) {
        QCOMPARE(desk.cell("txtDate", row)->text(), QString());
        QCOMPARE(desk.cell("txtNet", row)->text(), QStringLiteral("0"));
    }
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral(".00"));
    QCOMPARE(desk.total("txtTotSdi")->text(), QStringLiteral(".00"));
    QCOMPARE(desk.session->yearRegister.totals.TotGross, Currency{});
    QVERIFY(desk.asker.told.empty());
}

void RegisterWindowTest::netAndGrossTakeOnlyNumberKeysAndAddTakesTheEdits() {
    Desk desk;
    desk.openRegister();
    QLineEdit* gross = desk.cell("txtNet", 2);
    QLineEdit* net = desk.cell("txtGross", 2);
    QLineEdit* tips = desk.cell("txtTips", 2);
    for (QLineEdit* box : {gross, net, tips}) {
        box->selectAll();
    }
    QTest::keyClicks(gross, QStringLiteral("4x1$2.5"));
    QTest::keyClicks(net, QStringLiteral("3a00"));
    QTest::keyClicks(tips, QStringLiteral("15 cash"));
    QCOMPARE(gross->text(), QStringLiteral("412.5"));
    QCOMPARE(net->text(), QStringLiteral("300"));
    QCOMPARE(tips->text(), QStringLiteral("15 cash"));
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral(".00"));  // not taken in yet

    Desk::menu(*desk.view, "mnuAdd");
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("412.50"));
    QCOMPARE(desk.total("txtTotGross")->text(), QStringLiteral("300.00"));
    QCOMPARE(desk.total("txtTotTips")->text(), QStringLiteral("15.00"));
    // The strip's gross and net boxes filter keys too; the others take any.
    QLineEdit* totalGross = desk.total("txtTotNet");
    totalGross->selectAll();
    QTest::keyClicks(totalGross, QStringLiteral("9z"));
    QCOMPARE(totalGross->text(), QStringLiteral("9"));
}

void RegisterWindowTest::closingAsksAndYesSaves_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("fromTheButton");
    QTest::newRow("Yes from the menu") << true << false;
    QTest::newRow("No from the button") << false << true;
}

void RegisterWindowTest::closingAsksAndYesSaves() {
    QFETCH(bool, yes);
    QFETCH(bool, fromTheButton);
    Desk desk;
    desk.openRegister();
    QTest::mouseClick(desk.rowNumber(2), Qt::LeftButton);
    desk.asker.asked.clear();
    desk.asker.yes = {yes};
    if (fromTheButton) {
        Desk::click(*desk.view, "cmdClose");
    } else {
        Desk::menu(*desk.view, "mnuClose");
    }
    QCOMPARE(desk.asker.asked, std::vector<std::string>{"     Do you want to save YTD"});
    QTRY_VERIFY(desk.view.isNull());
    QVERIFY(!desk.session->registerWindow);
    QCOMPARE(std::filesystem::exists(desk.folder / "Baker.yrw"), yes);
    if (yes) {
        QCOMPARE(desk.lines("Baker.yrw"), 215);
        QVERIFY(desk.read("Baker.yrw").find("\"12/30/2016\"") != std::string::npos);
    }
    // Opened again, the window shows what the file holds.
    desk.openRegister();
    QCOMPARE(desk.cell("txtNet", 2)->text(),
             yes ? QStringLiteral("300.00") : QStringLiteral(".00"));
}

void RegisterWindowTest::theCloseBoxSaysUseCloseInstead() {
    Desk desk;
    desk.openRegister();
    QVERIFY(!desk.view->close());
    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    QCOMPARE(desk.asker.told[0].text, std::string("USE CLOSE INSTEAD"));
    QCOMPARE(desk.asker.told[0].kind, MessageKind::Ok);
    QVERIFY(desk.view->isVisible());
    QVERIFY(desk.session->registerWindow);
}

void RegisterWindowTest::aBiWeeklyRegisterShowsTwentySevenRows() {
    Desk desk;
    QVERIFY(desk.session->loadTaxInfo().ok);
    desk.session->taxInfo.model->optWeek.value = false;
    desk.session->taxInfo.model->optBiWeek.value = true;
    QVERIFY(desk.session->taxInfoSave().ok);
    desk.openRegister();
    QVERIFY(desk.view != nullptr);
    QVERIFY(desk.view->findChild<QPushButton*>(arrayName("lbWeek", 26)) != nullptr);
    QVERIFY(desk.view->findChild<QPushButton*>(arrayName("lbWeek", 27)) == nullptr);
    QVERIFY(desk.view->findChild<QLineEdit*>(arrayName("txtDate", 27)) == nullptr);
    QTest::mouseClick(desk.rowNumber(27), Qt::LeftButton);
    desk.asker.yes = {true};
    Desk::menu(*desk.view, "mnuClose");
    QCOMPARE(desk.lines("Baker.yrb"), 111);
    QVERIFY(!std::filesystem::exists(desk.folder / "Baker.yrw"));
}

void RegisterWindowTest::everyBoxSaysWhereItIs() {
    Desk desk;
    desk.openRegister();
    QCOMPARE(accessibleName(desk.cell("txtFed", 5)), QStringLiteral("Week 5, Federal"));
    QCOMPARE(accessibleName(desk.cell("txtGross", 30)), QStringLiteral("Week 30, Net"));
    QCOMPARE(accessibleName(desk.cell("txtMuni", 1)), QStringLiteral("Week 1, CrUnion"));
    QCOMPARE(accessibleName(desk.rowNumber(12)), QStringLiteral("Week 12"));
    QCOMPARE(accessibleName(desk.total("txtTotGross")), QStringLiteral("TOTALS, Net"));
    QCOMPARE(accessibleName(desk.total("txtTotSdi")), QStringLiteral("TOTALS, SDI"));
    // The amount is the box's text, which a screen reader reads with the name.
    QTest::mouseClick(desk.rowNumber(5), Qt::LeftButton);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(desk.cell("txtFed", 5));
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("29.60"));
    // Every box and row number of the window has a name.
    for (QWidget* w : desk.view->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QPushButton*>(w) != nullptr) {
            QVERIFY2(!accessibleName(w).isEmpty(), qPrintable(w->objectName()));
        }
    }
}

void RegisterWindowTest::printAsksForThePrinterAndCancelPrintsNothing() {
    Desk desk;
    desk.openRegister();
    QTest::mouseClick(desk.rowNumber(1), Qt::LeftButton);
    const std::filesystem::path printed = desk.folder / "register.pdf";
    desk.asker.printers = {std::nullopt};
    Desk::menu(*desk.view, "mnuPrint");
    QVERIFY(desk.asker.printers.empty());
    QVERIFY(!std::filesystem::exists(printed));

    desk.asker.printers = {printed};
    Desk::menu(*desk.view, "mnuPrint");
    QVERIFY2(desk.asker.told.empty(),
             desk.asker.told.empty() ? "" : desk.asker.told[0].text.c_str());
    const std::string command =
        std::string(QUILLON_PDFTOTEXT) + " -layout '" + printed.string() + "' -";
    FILE* pipe = popen(command.c_str(), "r");
    QVERIFY(pipe != nullptr);
    std::string text;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        text.append(buffer.data(), n);
    }
    QCOMPARE(pclose(pipe), 0);
    QVERIFY2(text.find("Employee:") != std::string::npos, text.c_str());
    QVERIFY2(text.find("Baker") != std::string::npos, text.c_str());
    QVERIFY2(text.find("12/30/2016") != std::string::npos, text.c_str());
    QVERIFY2(text.find("TOTALS") != std::string::npos, text.c_str());
    QVERIFY2(text.find("300.00") != std::string::npos, text.c_str());
}

void RegisterWindowTest::excelWritesTheWorkbookAndOpensIt() {
    Desk desk;
    desk.openRegister();
    QTest::mouseClick(desk.rowNumber(1), Qt::LeftButton);
    Desk::menu(*desk.view, "mnuExcel");
    const std::filesystem::path workbook = desk.folder / "Baker YTD.xlsx";
    QCOMPARE(desk.asker.opened, std::vector<std::filesystem::path>{workbook});
    QVERIFY(std::filesystem::file_size(workbook) > 1000);
    QVERIFY(desk.asker.told.empty());

    // Nothing opens it: the operator is told where it is.
    desk.asker.desktopOpens = false;
    Desk::menu(*desk.view, "mnuExcel");
    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    QVERIFY(desk.asker.told[0].text.find(workbook.string()) != std::string::npos);

    // It cannot be written: the message says so and nothing is opened.
    desk.asker.told.clear();
    desk.asker.opened.clear();
    std::filesystem::remove(workbook);
    std::filesystem::create_directory(workbook);
    Desk::menu(*desk.view, "mnuExcel");
    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    QVERIFY(desk.asker.told[0].text.find("could not be written") != std::string::npos);
    QVERIFY(desk.asker.opened.empty());
}

void RegisterWindowTest::aDamagedRegisterIsRefusedAndTheWindowDoesNotOpen() {
    Desk desk;
    std::ofstream(desk.folder / "Baker.yrw", std::ios::binary) << "\"1/1/2016\",1,2\r\n";
    const std::string damaged = desk.read("Baker.yrw");
    QVERIFY(desk.openRegister() == nullptr);
    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    QVERIFY2(
        desk.asker.told[0].text.find("Baker.yrw, line 2: the file ends early") != std::string::npos,
        desk.asker.told[0].text.c_str());
    QCOMPARE(desk.read("Baker.yrw"), damaged);
}

void RegisterWindowTest::anotherEmployeeClosesTheWindow() {
    Desk desk;
    desk.openRegister();
    desk.asker.yes = {false};
    desk.asker.texts = {std::string("Lopez")};
    Desk::menu(*desk.window, "mnuNew");
    QTRY_VERIFY(desk.view.isNull());
    QVERIFY(desk.asker.told.empty());
}

void RegisterWindowTest::aCalculationLeavesTheWindowAndItsPostingsOpen() {
    Desk desk;
    desk.openRegister();
    QTest::mouseClick(desk.rowNumber(1), Qt::LeftButton);
    desk.calculate("38");  // the next week, posted into row 2 without closing the window
    QTest::qWait(0);
    QVERIFY(!desk.view.isNull());
    QTest::mouseClick(desk.rowNumber(2), Qt::LeftButton);
    QCOMPARE(desk.cell("txtNet", 1)->text(), QStringLiteral("300.00"));
    QCOMPARE(desk.cell("txtNet", 2)->text(), QStringLiteral("285.00"));
    QCOMPARE(desk.total("txtTotNet")->text(), QStringLiteral("585.00"));
    QVERIFY(desk.asker.told.empty());
}

QTEST_MAIN(RegisterWindowTest)
#include "register_window_test.moc"
