// Printing from the windows on Qt's offscreen platform: the printer dialog (Cancel prints
// nothing), the check screen and its refresh, the "Printer Offset" dialog with a refused offset,
// the paycheck on the printer last chosen (the register's printer dialog chooses it too, and the
// paycheck hides the Year To Date window), the live preview, and the company heading dialog.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "session/printing.hpp"
#include "ui/check_writer_view.hpp"
#include "ui/controls.hpp"
#include "ui/heading_dialog_view.hpp"
#include "ui/main_window_view.hpp"
#include "ui/print_offset_dialog_view.hpp"
#include "ui/register_window_view.hpp"
#include "ui/tests/file_contents.hpp"
#include "ui/tests/scripted_asker.hpp"

using namespace quillon;
using quillon::ui::arrayName;
using quillon::ui::testing::contents;
using quillon::ui::testing::ScriptedAsker;

namespace {

bool isPdf(const std::filesystem::path& file) {
    return contents(file).rfind("%PDF-", 0) == 0;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// The main window on a new employee, Maria Lopez at 15.50 an hour, after 40 hours: net 480.16.
struct Desk {
    Desk() {
        folder = std::filesystem::path(dir.path().toStdString());
        std::filesystem::copy_file(std::filesystem::path(QUILLON_SOURCE_DIR) / "data/Federal16.dtt",
                                   folder / "Federal16.dtt");
        session = std::make_unique<Session>(folder, folder);
        window = std::make_unique<ui::MainWindowView>(*session, asker);
        window->startUp("12/30/2016");
        window->show();
        if (!session->newEmployee("Smith").ok || !session->loadTaxInfo().ok) {
            qFatal("no employee");
        }
        TaxInfoDialog& info = *session->taxInfo.model;
        info.txtName.text = "Maria Lopez";
        info.txtAddress.text = "48 Fore Street";
        info.txtStateCityZip.text = "Portland, ME 04101";
        info.txtSSnum.text = "123-45-6789";
        info.txtHourRate.text = "15.5";
        info.cboDepend.text = "2";
        info.cboDepend2.text = "1";
        if (!session->taxInfoSave().ok) {
            qFatal("User Info not saved");
        }
        window->redraw();
        QTest::keyClicks(window->findChild<QLineEdit*>(arrayName("txtAmount", 0)),
                         QStringLiteral("40"));
        click(window.get(), "cmdCalc");
    }

    template <typename T = QWidget>
    static T* find(QWidget* in, const char* name) {
        T* widget = in->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    static void click(QWidget* in, const char* button) {
        QTest::mouseClick(find<QPushButton>(in, button), Qt::LeftButton);
    }
    void menu(const char* action) const { find<QAction>(window.get(), action)->trigger(); }
    // File > Checks: the check screen on the screen.
    ui::CheckWriterView* checks() {
        menu("mnuChecks");
        auto* view = window->findChild<ui::CheckWriterView*>();
        if (view == nullptr || !view->isVisible()) {
            qFatal("no check screen");
        }
        return view;
    }
    std::string read(const char* name) const { return contents(folder / name); }

    QTemporaryDir dir;
    std::filesystem::path folder;
    ScriptedAsker asker;
    std::unique_ptr<Session> session;
    std::unique_ptr<ui::MainWindowView> window;
};

void setOffset(QDialog& dialog, const char* list, const QString& text) {
    auto* box = dialog.findChild<QComboBox*>(QString::fromLatin1(list));
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
    QCOMPARE(box->currentText(), text);
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

  private slots:
    void cancelInThePrinterDialogPrintsNothing();
    void theStatementAndTheWindowPictureGoToTheChosenPrinter();
    void theCheckScreenRefreshesOnAClickAndKeepsDateAndMemo();
    void aBadOffsetIsRefusedThenThePaycheckGoesToTheLastPrinter();
    void theRegistersPrinterTakesThePaycheckWhichHidesTheRegister();
    void thePreviewFollowsTheOffsetsAsTheyAreTyped();
    void withoutAnyPrinterThePaycheckSaysSo();
    void aPaycheckThePrinterDidNotTakeStoresNoOffsets();
    void theHeadingDialogShowsTheDefaultsAndSavesWhatIsTyped();
};

void PrintingTest::cancelInThePrinterDialogPrintsNothing() {
    Desk desk;
    const auto pdf = desk.folder / "out.pdf";
    desk.asker.printers = {std::nullopt, std::nullopt};
    Desk::click(desk.window.get(), "cmdPrint");
    desk.menu("mnuPrintItem");
    QVERIFY(desk.asker.printers.empty());
    QVERIFY(desk.asker.told.empty());
    QVERIFY(!std::filesystem::exists(pdf));
    // Nothing was prepared either: the empty boxes stay empty.
    QCOMPARE(desk.find<QLineEdit>(desk.window.get(), "txtAmount_1")->text(), QString());
}

void PrintingTest::theStatementAndTheWindowPictureGoToTheChosenPrinter() {
    Desk desk;
    const auto statement = desk.folder / "statement.pdf";
    const auto picture = desk.folder / "picture.pdf";
    desk.asker.printers = {statement, picture};
    desk.menu("mnuPrintSheetItem");
    QVERIFY2(desk.asker.told.empty(),
             desk.asker.told.empty() ? "" : desk.asker.told[0].text.c_str());
    QVERIFY(isPdf(statement));
    // The empty entry boxes now show "0".
    QCOMPARE(desk.find<QLineEdit>(desk.window.get(), "txtAmount_1")->text(), QStringLiteral("0"));
    desk.menu("mnuPrintItem");
    QVERIFY(desk.asker.told.empty());
    QVERIFY(isPdf(picture));
}

void PrintingTest::theCheckScreenRefreshesOnAClickAndKeepsDateAndMemo() {
    Desk desk;
    ui::CheckWriterView* view = desk.checks();
    QCOMPARE(view->windowTitle(), QStringLiteral("Check Printing"));
    QCOMPARE(view->objectName(), QStringLiteral("frmChecks"));
    const struct {
        const char* box;
        const char* text;
    } filled[] = {{"txtCheckDate", "12/30/2016"},
                  {"txtPayTo", "Maria Lopez********"},
                  {"txtCheckAmt", "***480.16"},
                  {"txtDollars", " Four Hundred Eighty and 16/100"},
                  {"txtUserName", "Maria Lopez"},
                  {"txtUserAddress", "48 Fore Street"},
                  {"txtUserState", "Portland, ME 04101"},
                  {"txtUserSSnum", "123-45-6789"},
                  {"txtMemo", ""}};
    for (const auto& f : filled) {
        auto* box = Desk::find<QLineEdit>(view, f.box);
        QCOMPARE(box->text(), QString::fromLatin1(f.text));
        QVERIFY2(!accessibleName(box).isEmpty(), f.box);
    }
    QCOMPARE(Desk::find<QLineEdit>(view, "txtCheckDate")->toolTip(),
             QStringLiteral("Change on Previous Form"));
    QCOMPARE(accessibleName(Desk::find(view, "txtPayTo")), QStringLiteral("PAY TO THE ORDER OF"));

    auto retype = [&](const char* name, const QString& text) {
        auto* box = Desk::find<QLineEdit>(view, name);
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    retype("txtPayTo", QStringLiteral("Somebody Else"));
    retype("txtCheckDate", QStringLiteral("1/2/2017"));
    retype("txtMemo", QStringLiteral("Week 52"));
    QTest::keyClicks(Desk::find<QPlainTextEdit>(view, "txtCheckCompany"),
                     QStringLiteral("Harbor Street Hardware"));
    QCOMPARE(desk.session->checkWriter.model->txtPayTo.text, std::string("Somebody Else"));

    // A click on the check's paper, away from every box.
    QTest::mouseClick(Desk::find(view, "checkFace"), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(Desk::find<QLineEdit>(view, "txtPayTo")->text(),
             QStringLiteral("Maria Lopez********"));
    QCOMPARE(Desk::find<QLineEdit>(view, "txtCheckDate")->text(), QStringLiteral("1/2/2017"));
    QCOMPARE(Desk::find<QLineEdit>(view, "txtMemo")->text(), QStringLiteral("Week 52"));
    QCOMPARE(Desk::find<QPlainTextEdit>(view, "txtCheckCompany")->toPlainText(),
             QStringLiteral("Harbor Street Hardware"));

    // Another employee: the check screen closes with the one it was written for.
    desk.asker.yes = {false};
    desk.asker.texts = {std::string("Jones")};
    QPointer<ui::CheckWriterView> watched(view);
    desk.menu("mnuNew");
    QVERIFY(!watched || !watched->isVisible());
    QVERIFY(!desk.session->checkWriter.loaded());
}

void PrintingTest::aBadOffsetIsRefusedThenThePaycheckGoesToTheLastPrinter() {
    Desk desk;
    // The printer is chosen once, for the window's picture; the paycheck goes there too.
    const auto printer = desk.folder / "printer.pdf";
    desk.asker.printers = {printer};
    desk.menu("mnuPrintItem");
    std::filesystem::remove(printer);
    const std::string offsetsFile = desk.read("Smith.and");

    ui::CheckWriterView* view = desk.checks();
    desk.asker.inDialog = {[&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Printer Offset"));
        auto* horizontal = dialog.findChild<QComboBox*>(QStringLiteral("cboHorz"));
        QCOMPARE(horizontal->count(), 11);
        QCOMPARE(horizontal->itemText(0), QStringLiteral("+5"));
        QCOMPARE(horizontal->itemText(5), QStringLiteral("0"));
        QCOMPARE(horizontal->itemText(10), QStringLiteral("-5"));
        QCOMPARE(horizontal->currentText(), QStringLiteral("0"));
        // On Linux an editable list's accessible name is its text; its caption reaches a screen
        // reader as the label that is its buddy.
        QCOMPARE(horizontal->accessibleName(), QStringLiteral("Horizontal"));
        bool labelled = false;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            labelled = labelled || (label->buddy() == horizontal &&
                                    label->text() == QStringLiteral("Horizontal "));
        }
        QVERIFY(labelled);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("lbWeek"))->text(),
                 QStringLiteral("12/30/2016"));
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("lbInstruction"))
                    ->text()
                    .startsWith(QStringLiteral("Before printing on actual checks")));
        for (const char* button : {"cmdApply", "OKButton", "CancelButton"}) {
            QVERIFY(dialog.findChild<QPushButton*>(QString::fromLatin1(button)) != nullptr);
        }

        setOffset(dialog, "cboHorz", QStringLiteral("abc"));
        Desk::click(&dialog, "OKButton");
        QCOMPARE(desk.asker.told.size(), std::size_t{1});
        QCOMPARE(desk.asker.told[0].text,
                 std::string("The horizontal offset \"abc\" is not a number from -99 to 99. "
                             "Nothing was stored or printed."));
        QVERIFY(dialog.isVisible());
        QVERIFY(!std::filesystem::exists(printer));
        QCOMPARE(desk.read("Smith.and"), offsetsFile);

        setOffset(dialog, "cboHorz", QStringLiteral("+2"));
        setOffset(dialog, "cboVert", QStringLiteral("-1"));
        Desk::click(&dialog, "OKButton");
        QVERIFY(!dialog.isVisible());
    }};
    desk.asker.told.clear();
    desk.find<QAction>(view, "mnuPrintCheck")->trigger();
    QCOMPARE(desk.asker.told.size(), std::size_t{1});
    QVERIFY(isPdf(printer));
    QCOMPARE(desk.session->profile.PrintOffsetH, 2.0f);
    QCOMPARE(desk.session->profile.PrintOffsetV, -1.0f);
    QVERIFY(desk.read("Smith.and") != offsetsFile);
    // Printing set the empty entry boxes to "0" on the main window.
    QCOMPARE(desk.find<QLineEdit>(desk.window.get(), "txtAmount_1")->text(), QStringLiteral("0"));
}

void PrintingTest::theRegistersPrinterTakesThePaycheckWhichHidesTheRegister() {
    Desk desk;
    Desk::click(desk.window.get(), "cmdYear");
    QPointer<ui::RegisterWindowView> year = desk.window->findChild<ui::RegisterWindowView*>();
    QVERIFY(year && year->isVisible());
    const auto printer = desk.folder / "printer.pdf";
    desk.asker.printers = {printer};
    Desk::find<QAction>(year, "mnuPrint")->trigger();
    QVERIFY2(desk.asker.told.empty(),
             desk.asker.told.empty() ? "" : desk.asker.told[0].text.c_str());
    QVERIFY(isPdf(printer));
    std::filesystem::remove(printer);

    ui::CheckWriterView* view = desk.checks();
    desk.asker.inDialog = {[&](QDialog& dialog) { Desk::click(&dialog, "OKButton"); }};
    desk.find<QAction>(view, "mnuPrintCheck")->trigger();
    QVERIFY(desk.asker.inDialog.empty());
    QVERIFY(desk.asker.printers.empty());  // no printer dialog for the paycheck
    QVERIFY(isPdf(printer));
    // The Year To Date window is hidden, not closed: the session keeps it with its rows.
    QVERIFY(year && !year->isVisible());
    QVERIFY(desk.session->registerWindow.has_value());
}

void PrintingTest::thePreviewFollowsTheOffsetsAsTheyAreTyped() {
    Desk desk;
    ui::CheckWriterView* view = desk.checks();
    desk.asker.inDialog = {[&](QDialog& dialog) {
        auto& offsets = static_cast<ui::PrintOffsetDialogView&>(dialog);
        QPrintPreviewDialog* preview = offsets.preview();
        QVERIFY(preview != nullptr);
        QVERIFY(preview->isVisible());
        QVERIFY(!preview->isModal());
        for (QAction* action : preview->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Print")) {
                QVERIFY(!action->isVisible());
            }
        }
        int paints = 0;
        QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                         [&paints] { ++paints; });
        setOffset(dialog, "cboVert", QStringLiteral("+2"));
        QCOMPARE(paints, 1);  // "+2"; "+" on the way is no number and redraws nothing
        QCOMPARE(desk.session->printOffset.model->cboVert.text, std::string("+2"));
        setOffset(dialog, "cboVert", QStringLiteral("-"));
        QCOMPARE(paints, 1);  // half typed: the preview keeps the page it shows
        Desk::click(&dialog, "CancelButton");
    }};
    desk.find<QAction>(view, "mnuPreviewCheck")->trigger();
    QVERIFY(desk.asker.inDialog.empty());
    QCOMPARE(desk.session->profile.PrintOffsetV, 0.0f);
    QVERIFY(!desk.session->printOffset.loaded());
}

void PrintingTest::withoutAnyPrinterThePaycheckSaysSo() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QSKIP("this computer has a printer");
    }
    Desk desk;
    const std::string offsetsFile = desk.read("Smith.and");
    ui::CheckWriterView* view = desk.checks();
    desk.asker.inDialog = {[&](QDialog& dialog) {
        setOffset(dialog, "cboHorz", QStringLiteral("+3"));
        Desk::click(&dialog, "OKButton");
        QCOMPARE(desk.asker.told.size(), std::size_t{1});
        QVERIFY(desk.asker.told[0].text.find("No printer is set up") == 0);
        QVERIFY(dialog.isVisible());
    }};
    desk.asker.told.clear();
    desk.find<QAction>(view, "mnuPrintCheck")->trigger();
    QCOMPARE(desk.read("Smith.and"), offsetsFile);
    QCOMPARE(desk.session->profile.PrintOffsetH, 0.0f);
}

// The offsets are stored with a printed check only: when the printer does not take the paycheck
// (here a PDF file in a folder that is not there), the dialog stays for another try and nothing
// is stored.
void PrintingTest::aPaycheckThePrinterDidNotTakeStoresNoOffsets() {
    Desk desk;
    const auto printer = desk.folder / "no such folder" / "printer.pdf";
    desk.asker.printers = {printer};
    desk.menu("mnuPrintItem");
    const std::string offsetsFile = desk.read("Smith.and");
    desk.asker.told.clear();

    ui::CheckWriterView* view = desk.checks();
    desk.asker.inDialog = {[&](QDialog& dialog) {
        setOffset(dialog, "cboHorz", QStringLiteral("+3"));
        Desk::click(&dialog, "OKButton");
        QCOMPARE(desk.asker.told.size(), std::size_t{1});
        QVERIFY(dialog.isVisible());
        QCOMPARE(desk.read("Smith.and"), offsetsFile);
        QCOMPARE(desk.session->profile.PrintOffsetH, 0.0f);
        Desk::click(&dialog, "CancelButton");
    }};
    desk.find<QAction>(view, "mnuPrintCheck")->trigger();
    QVERIFY(desk.asker.inDialog.empty());
    QVERIFY(!std::filesystem::exists(printer));
    QCOMPARE(desk.read("Smith.and"), offsetsFile);
}

void PrintingTest::theHeadingDialogShowsTheDefaultsAndSavesWhatIsTyped() {
    Desk desk;
    desk.menu("mnuHeader");
    auto* dialog = desk.window->findChild<ui::HeadingDialogView*>();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Out Heading"));
    const char* defaults[] = {"Company", "Address", "Zip Code", "ID Number"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* box = dialog->findChild<QLineEdit*>(arrayName("txtHeader", i));
        QCOMPARE(box->text(), QString::fromLatin1(defaults[i]));
        QCOMPARE(accessibleName(box), QString::fromLatin1(defaults[i]));
    }
    // The ID number sits right of the zip line, on its row.
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtHeader_3"))->y(),
             dialog->findChild<QLineEdit*>(QStringLiteral("txtHeader_2"))->y());
    auto* company = dialog->findChild<QLineEdit*>(QStringLiteral("txtHeader_0"));
    company->selectAll();
    QTest::keyClicks(company, QStringLiteral("Joe \"Big\" Hardware"));
    Desk::click(dialog, "OKButton");
    QVERIFY(desk.asker.told.empty());
    QCOMPARE(desk.read("Header.sav"),
             std::string("\"Joe 'Big' Hardware\",\"Address\",\"Zip Code\",\"ID Number\"\r\n"));
    QVERIFY(!desk.session->headingDialog.loaded());

    desk.menu("mnuHeader");
    dialog = desk.window->findChild<ui::HeadingDialogView*>();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtHeader_0"))->text(),
             QStringLiteral("Joe 'Big' Hardware"));
    Desk::click(dialog, "CancelButton");
    QVERIFY(!desk.session->headingDialog.loaded());
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
