// Every input reaches the model: a box set with setText (as an accessibility client or a test
// sets it, with no key typed) and a check box toggled through its accessibility action (with no
// click) are what the next calculation and save use, in the main window, the state dialog and
// User Info.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <fstream>
#include <sstream>

#include "ui/tests/desk.hpp"

using namespace quillon;
using quillon::ui::testing::Desk;

namespace {

// What an assistive technology does: the named action of the control's accessible interface.
void accessibleAction(QWidget* control, const QString& action) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible != nullptr && accessible->actionInterface() != nullptr);
    QVERIFY(accessible->actionInterface()->actionNames().contains(action));
    accessible->actionInterface()->doAction(action);
}

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

class EveryInputTest : public QObject {
    Q_OBJECT
  private slots:
    void theMainWindowCalculatesWhatItsBoxesShow();
    void theStateDialogSavesWhatItShows();
    void userInfoSavesWhatItShows();
};

void EveryInputTest::theMainWindowCalculatesWhatItsBoxesShow() {
    Desk desk(true);
    QVERIFY(desk.session->openEmployee("Sample").ok);
    QCOMPARE(desk.window->windowTitle().left(6), QStringLiteral("Sample"));  // told, redrawn

    desk.box(0)->setText(QStringLiteral("40"));  // regular hours
    desk.box(2)->setText(QStringLiteral("4"));   // overtime hours, at the chosen times
    QCOMPARE(desk.session->main.txtAmount[0].text, std::string("40"));
    auto* twice = desk.find<QRadioButton>(QStringLiteral("opt2x"));
    accessibleAction(twice, QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(twice->isChecked());
    QVERIFY(!desk.session->main.opt1x.value);

    desk.click("cmdCalc");
    QVERIFY(desk.asker.told.empty());
    QVERIFY(desk.session->results.GrossPay > 0);
    const float grossTwice = desk.session->results.GrossPay;
    QVERIFY(!desk.find<QLineEdit>(QStringLiteral("lbNet"))->text().isEmpty());

    // The overtime at one time: less gross pay for the same hours.
    auto* once = desk.find<QRadioButton>(QStringLiteral("opt1x"));
    accessibleAction(once, QAccessibleActionInterface::toggleAction());
    QTRY_VERIFY(desk.session->main.opt1x.value);
    desk.click("cmdCalc");
    QVERIFY(desk.session->results.GrossPay < grossTwice);
}

void EveryInputTest::theStateDialogSavesWhatItShows() {
    Desk desk(true);
    QVERIFY(desk.session->openEmployee("Sample").ok);
    desk.menu("mnuStateTax");
    auto* dialog = desk.window->findChild<QDialog*>(QStringLiteral("DialogState"));
    QVERIFY(dialog != nullptr && dialog->isVisible());

    dialog->findChild<QLineEdit*>(QStringLiteral("txtSDIpercent"))->setText(QStringLiteral("1.25"));
    auto* round = dialog->findChild<QCheckBox*>(QStringLiteral("ckRoundOff"));
    const bool wasRound = round->isChecked();
    accessibleAction(round, QAccessibleActionInterface::toggleAction());
    QCOMPARE(desk.session->stateDialog.model->ckRoundOff.value != 0, !wasRound);
    QVERIFY(dialog->windowTitle().contains(QLatin1Char('*')) ||
            desk.session->stateDialog.model->unsaved);

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    QVERIFY(desk.asker.told.empty());
    QVERIFY(!dialog->isVisible());  // saved: the session told the dialog it is no longer shown
    QCOMPARE(desk.session->state.SDIpercent, 1.25f);
    QCOMPARE(desk.session->state.RoundState != 0, !wasRound);
    QVERIFY(fileText(desk.folder / "Sample.sta").find("1.25") != std::string::npos);
}

void EveryInputTest::userInfoSavesWhatItShows() {
    Desk desk(true);
    QVERIFY(desk.session->openEmployee("Sample").ok);
    const std::int16_t wasExempt = desk.session->profile.FedExempt;
    desk.asker.inDialog = {[](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtHourRate"))
            ->setText(QStringLiteral("17.75"));
        accessibleAction(dialog.findChild<QCheckBox*>(QStringLiteral("ckFedExemp")),
                         QAccessibleActionInterface::toggleAction());
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    }};
    desk.menu("mnuUserInfo");
    QVERIFY(desk.asker.told.empty());
    QCOMPARE(desk.session->profile.HourRate, 17.75f);
    QCOMPARE(desk.session->profile.FedExempt != 0, wasExempt == 0);
    QVERIFY(fileText(desk.folder / "Sample.use").find("17.75") != std::string::npos);
}

QTEST_MAIN(EveryInputTest)
#include "every_input_test.moc"
