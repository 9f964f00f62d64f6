// User Info and the save-user dialog on Qt's offscreen platform: every control over its model,
// the key filter and select-all, the K plan boxes, and input that is refused with the dialog left
// open and nothing written.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "session/file_menu.hpp"
#include "ui/controls.hpp"
#include "ui/save_user_dialog_view.hpp"
#include "ui/tax_info_dialog_view.hpp"
#include "ui/tests/file_contents.hpp"
#include "ui/tests/scripted_asker.hpp"

using namespace quillon;
using quillon::ui::testing::contents;
using quillon::ui::testing::ScriptedAsker;

namespace {

// A new employee "Smith" and its User Info dialog on the screen.
struct UserInfo {
    UserInfo() {
        folder = std::filesystem::path(dir.path().toStdString());
        std::filesystem::copy_file(std::filesystem::path(QUILLON_SOURCE_DIR) / "data/Federal16.dtt",
                                   folder / "Federal16.dtt");
        session = std::make_unique<Session>(folder, folder);
        session->startUp("12/30/2016");
        if (!session->newEmployee("Smith").ok || !session->loadTaxInfo().ok) {
            qFatal("no employee to edit");
        }
        dialog = std::make_unique<ui::TaxInfoDialogView>(*session, asker);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get())) {
            qWarning("User Info did not become active");
        }
    }
    template <typename T = QWidget>
    T* find(const char* name) const {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }

    QTemporaryDir dir;
    std::filesystem::path folder;
    ScriptedAsker asker;
    std::unique_ptr<Session> session;
    std::unique_ptr<ui::TaxInfoDialogView> dialog;
};

const char* const kNumberBoxes[] = {"txtHourRate", "txtHourRate2", "txtTipsRate", "txtFedAddL",
                                    "txtPension",  "txtMuni",      "txtBond",     "txtMisc",
                                    "txtDues",     "txtKplan",     "txtCafe"};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void userInfoShowsEveryControlOfItsModel();
    void userInfoNumberBoxesTakeOnlyNumberKeys_data();
    void userInfoNumberBoxesTakeOnlyNumberKeys();
    void userInfoSelectsTheWholeTextOnFocus_data();
    void userInfoSelectsTheWholeTextOnFocus();
    void userInfoKPlanBoxesExcludeEachOther();
    void userInfoRefusesARateThatIsNotANumber();
    void saveUserRefusesAnUnusableNameAndStaysOpen();
    void saveUserAsksBeforeReplacingAnotherEmployee();
    void aQuestionThatReplacesSomethingHasNoAsItsDefault();
};

void DialogsTest::userInfoShowsEveryControlOfItsModel() {
    UserInfo u;
    const TaxInfoDialog& m = *u.session->taxInfo.model;
    QCOMPARE(u.dialog->windowTitle(), QStringLiteral("User Info"));
    QCOMPARE(u.dialog->objectName(), QStringLiteral("frmTaxInfo"));
    const std::pair<const char*, const TextBox*> boxes[] = {{"txtName", &m.txtName},
                                                            {"txtAddress", &m.txtAddress},
                                                            {"txtStateCityZip", &m.txtStateCityZip},
                                                            {"txtSSnum", &m.txtSSnum},
                                                            {"txtHourRate", &m.txtHourRate},
                                                            {"txtHourRate2", &m.txtHourRate2},
                                                            {"txtTipsRate", &m.txtTipsRate},
                                                            {"txtFedAddL", &m.txtFedAddL},
                                                            {"txtTax5", &m.txtTax5},
                                                            {"txtTax9", &m.txtTax9},
                                                            {"txtMuni", &m.txtMuni},
                                                            {"txtPension", &m.txtPension},
                                                            {"txtKplan", &m.txtKplan},
                                                            {"txtCafe", &m.txtCafe}};
    for (const auto& [name, model] : boxes) {
        QCOMPARE(u.find<QLineEdit>(name)->text(), ui::qs(model->text));
    }
    QCOMPARE(u.find<QLineEdit>("txtHourRate")->text(), QStringLiteral("7.5"));
    QCOMPARE(u.find<QLineEdit>("txtTax9")->text(), QStringLiteral("Misc."));
    const std::pair<const char*, const TextBox*> lists[] = {{"cboStatus", &m.cboStatus},
                                                            {"cboDepend", &m.cboDepend},
                                                            {"cboStatus2", &m.cboStatus2},
                                                            {"cboDepend2", &m.cboDepend2}};
    for (const auto& [name, model] : lists) {
        QCOMPARE(u.find<QComboBox>(name)->currentText(), ui::qs(model->text));
    }
    QCOMPARE(u.find<QComboBox>("cboDepend")->count(), 10);
    QCOMPARE(u.find<QComboBox>("cboStatus2")->itemText(1), QStringLiteral("Married"));
    for (const char* name : {"ckFedExemp", "ckSSMediExemp", "ckSelfEmp", "ckNonCity", "ckKpFix",
                             "ckKpPer", "ckCafeState", "optWeek", "optBiWeek"}) {
        QVERIFY2(u.dialog->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    }
    QVERIFY(u.find<QCheckBox>("ckKpPer")->isChecked());
    QCOMPARE(u.find<QPushButton>("cmdOk")->text(), QStringLiteral("Save"));
    QCOMPARE(u.find<QPushButton>("Command1")->text(), QStringLiteral("Close"));
}

void DialogsTest::userInfoNumberBoxesTakeOnlyNumberKeys_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("shown");
    for (const char* box : kNumberBoxes) {
        QTest::newRow(box) << box << "12.5 -";
    }
    for (const char* box : {"txtName", "txtSSnum", "txtTax7"}) {
        QTest::newRow(box) << box << "1a2.5 -x";
    }
}

void DialogsTest::userInfoNumberBoxesTakeOnlyNumberKeys() {
    QFETCH(QString, box);
    QFETCH(QString, shown);
    UserInfo u;
    auto* edit = u.find<QLineEdit>(qPrintable(box));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("1a2.5 -x"));
    QCOMPARE(edit->text(), shown);
}

void DialogsTest::userInfoSelectsTheWholeTextOnFocus_data() {
    QTest::addColumn<QString>("box");
    for (const char* box : kNumberBoxes) {
        QTest::newRow(box) << box;
    }
    for (const char* box : {"cboStatus", "cboDepend", "cboStatus2", "cboDepend2"}) {
        QTest::newRow(box) << box;
    }
}

void DialogsTest::userInfoSelectsTheWholeTextOnFocus() {
    QFETCH(QString, box);
    UserInfo u;
    QWidget* control = u.find(qPrintable(box));
    auto* combo = qobject_cast<QComboBox*>(control);
    QLineEdit* edit = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(control);
    QVERIFY(!edit->text().isEmpty());
    // A click gives the focus and would place the cursor; the whole text is selected anyway.
    QTest::mouseClick(edit, Qt::LeftButton);
    QTRY_COMPARE(edit->selectedText(), edit->text());
}

namespace {
// A click on a check box's square.
void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}
}  // namespace

void DialogsTest::userInfoKPlanBoxesExcludeEachOther() {
    UserInfo u;
    auto* fixed = u.find<QCheckBox>("ckKpFix");
    auto* percent = u.find<QCheckBox>("ckKpPer");
    QVERIFY(percent->isChecked() && !fixed->isChecked());
    tick(fixed);
    QVERIFY(fixed->isChecked() && !percent->isChecked());
    tick(percent);
    QVERIFY(percent->isChecked() && !fixed->isChecked());
    tick(percent);  // clearing the checked one leaves both clear
    QVERIFY(!percent->isChecked() && !fixed->isChecked());

    tick(fixed);
    QTest::mouseClick(u.find<QPushButton>("cmdOk"), Qt::LeftButton);
    QVERIFY(u.asker.told.empty());
    QVERIFY(!u.dialog->isVisible());
    QCOMPARE(u.session->profile.KplanFixed, std::int16_t{1});
    QCOMPARE(u.session->profile.KplanPercent, std::int16_t{0});
}

void DialogsTest::userInfoRefusesARateThatIsNotANumber() {
    UserInfo u;
    const std::string before = contents(u.folder / "Smith.use");
    auto* rate = u.find<QLineEdit>("txtHourRate2");
    rate->selectAll();
    QTest::keyClicks(rate, QStringLiteral("1.2.3"));
    u.find<QLineEdit>("txtTax5")->setText(QStringLiteral("Savings"));

    QTest::mouseClick(u.find<QPushButton>("cmdOk"), Qt::LeftButton);

    QCOMPARE(u.asker.told.size(), std::size_t{1});
    QVERIFY(u.asker.told[0].text.find("Hourly Rate 2") != std::string::npos);
    QVERIFY(u.dialog->isVisible());  // open for the correction, the typing kept
    QCOMPARE(rate->text(), QStringLiteral("1.2.3"));
    QCOMPARE(u.find<QLineEdit>("txtTax5")->text(), QStringLiteral("Savings"));
    QCOMPARE(contents(u.folder / "Smith.use"), before);
    QCOMPARE(u.session->profile.DedName5, std::string("CrUnion"));
}

void DialogsTest::saveUserRefusesAnUnusableNameAndStaysOpen() {
    UserInfo u;
    u.dialog->hide();
    SaveUserDialog model(u.session->UserFile);
    ui::SaveUserDialogView view(*u.session, model, u.asker);
    view.show();
    QCOMPARE(view.windowTitle(), QStringLiteral("Save User"));
    auto* name = view.findChild<QLineEdit*>(QStringLiteral("txtUser"));
    name->setText(QStringLiteral("a/b"));
    QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(u.asker.told.size(), std::size_t{1});
    QVERIFY(view.isVisible());
    QCOMPARE(u.session->UserFile, std::string("Smith"));

    name->setText(QStringLiteral("Smith Copy"));
    QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.end(), SaveUserEnd::Saved);
    QVERIFY(std::filesystem::exists(u.folder / "Smith Copy.use"));
}

// Save with the name of another employee who has files in the folder: the question names him;
// No leaves the dialog open and his files byte for byte as they were; Yes saves over them.
void DialogsTest::saveUserAsksBeforeReplacingAnotherEmployee() {
    UserInfo u;
    u.dialog->hide();
    {
        Session other(u.folder, u.folder);
        other.startUp("12/30/2016");
        QVERIFY(other.newEmployee("Employee2").ok);
        other.profile.HourRate = 21.5f;
        QVERIFY(other.saveAction("Employee2").ok);
    }
    std::map<std::string, std::string> his;
    for (const auto& entry : std::filesystem::directory_iterator(u.folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("Employee2.")) {
            his[name] = contents(entry.path());
        }
    }
    QVERIFY(his.size() >= 8);

    SaveUserDialog model(u.session->UserFile);
    ui::SaveUserDialogView view(*u.session, model, u.asker);
    view.show();
    auto* name = view.findChild<QLineEdit*>(QStringLiteral("txtUser"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Employee2"));
    u.asker.yes = {false};
    QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(u.asker.asked.size(), std::size_t{1});
    QCOMPARE(u.asker.asked[0], std::string("Employee2 already has files in this folder. Replace "
                                           "them with the open employee's settings?"));
    QVERIFY(u.asker.told.empty());
    QVERIFY(view.isVisible());
    QCOMPARE(name->text(), QStringLiteral("Employee2"));
    QCOMPARE(u.session->UserFile, std::string("Smith"));
    for (const auto& [file, text] : his) {
        QCOMPARE(contents(u.folder / file), text);
    }

    u.asker.yes = {true};
    QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.end(), SaveUserEnd::Saved);
    QCOMPARE(u.session->UserFile, std::string("Employee2"));
    QCOMPARE(contents(u.folder / "Employee2.use"), contents(u.folder / "Smith.use"));
}

void DialogsTest::aQuestionThatReplacesSomethingHasNoAsItsDefault() {
    ui::DialogAsker asker;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        defaultButton = box->standardButton(box->defaultButton());
        QTest::keyClick(box, Qt::Key_Return);  // Enter takes the default
    });
    QVERIFY(!asker.askYesNo(replaceEmployeeQuestion("Employee2")));
    QCOMPARE(defaultButton, QMessageBox::No);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
