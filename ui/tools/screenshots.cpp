// quillon-screenshots OUTPUT_FOLDER: pictures of the windows as an operator sees them, for the
// README and for looking at a change. It draws on the display in DISPLAY (scripts/screenshots.sh
// starts Xvfb), else offscreen, on a copy of the sample employee:
// 40 straight-time hours and 2 at time and a half, week ending 12/30/2016; the check screen,
// the "Printer Offset" dialog with its preview, and the company heading dialog of that week; the
// state tax dialog (standard, Louisiana, Kentucky), the city and the non-city dialog; then the
// Year To Date window with periods posted, weekly and bi-weekly.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <filesystem>
#include <iostream>

#include "session/file_menu.hpp"
#include "session/printing.hpp"
#include "session/register_window.hpp"
#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/check_writer_view.hpp"
#include "ui/city_dialog_view.hpp"
#include "ui/controls.hpp"
#include "ui/heading_dialog_view.hpp"
#include "ui/help_window.hpp"
#include "ui/main_window_view.hpp"
#include "ui/noncity_dialog_view.hpp"
#include "ui/print_offset_dialog_view.hpp"
#include "ui/register_window_view.hpp"
#include "ui/save_user_dialog_view.hpp"
#include "ui/state_dialog_view.hpp"
#include "ui/tax_info_dialog_view.hpp"

namespace {

using namespace quillon;

// Nothing is asked while the pictures are taken; a message would mean the picture is wrong.
class NoQuestions : public ui::Asker {
  public:
    void tell(const Message& message) override {
        std::cerr << "quillon-screenshots: " << message.text << '\n';
        failed = true;
    }
    bool askYesNo(const Message&) override { return false; }
    std::optional<std::string> askText(const TextQuestion&) override { return std::nullopt; }
    std::optional<std::filesystem::path> askFile(const FileQuestion&) override {
        return std::nullopt;
    }
    int runModal(QDialog&) override { return QDialog::Rejected; }
    bool askPrinter(QPrinter&) override { return false; }
    bool openWithDesktop(const std::filesystem::path&) override { return false; }
    using Asker::tell;
    bool failed = false;
};

bool save(QWidget& widget, const std::filesystem::path& file) {
    widget.show();
    QApplication::processEvents();
    if (!widget.grab().save(QString::fromStdString(file.string()))) {
        std::cerr << "quillon-screenshots: cannot write " << file.string() << '\n';
        return false;
    }
    std::cout << file.string() << '\n';
    return true;
}

// "m/d/2016" for day (1 = January 1) of the leap year 2016.
std::string date2016(int day) {
    static constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    while (month < 11 && day > kMonthDays[month]) {
        day -= kMonthDays[month++];
    }
    return std::to_string(month + 1) + "/" + std::to_string(day) + "/2016";
}

// Periods calculated and posted one after the other, as an operator does it week by week: hours
// that vary a little, some overtime.
bool postPeriods(Session& session, int periods, int days, int hours) {
    bool ok = true;
    for (int period = 1; period <= periods; ++period) {
        session.main.txtAmount[0].text = std::to_string(hours - 4 + period % 5);
        session.main.txtAmount[3].text = period % 3 == 0 ? "3" : "";
        session.main.txtWeek.text = date2016(1 + days * (period - 1));
        ok = calculateAndPost(session, period).ok && ok;
    }
    return ok;
}

// The register window as it opens from the main window, every row in view.
bool registerPicture(ui::MainWindowView& window, const std::filesystem::path& file) {
    window.findChild<QPushButton*>(QStringLiteral("cmdYear"))->click();
    auto* view = window.findChild<ui::RegisterWindowView*>();
    if (view == nullptr) {
        std::cerr << "quillon-screenshots: the register window did not open\n";
        return false;
    }
    view->resize(view->wholeSize());
    const bool ok = save(*view, file);
    view->dismiss();
    QApplication::processEvents();
    return ok;
}

// A settings dialog as its Options entry opens it.
template <typename View>
View* openSettings(ui::MainWindowView& window, const char* action) {
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    View* view = window.findChild<View*>();
    if (view == nullptr || !view->isVisible()) {
        std::cerr << "quillon-screenshots: " << action << " did not open its dialog\n";
        return nullptr;
    }
    return view;
}

bool settingsPictures(ui::MainWindowView& window, const std::filesystem::path& out) {
    auto* state = openSettings<ui::StateDialogView>(window, "mnuStateTax");
    if (state == nullptr) {
        return false;
    }
    bool ok = save(*state, out / "state-tax.png");
    state->findChild<QCheckBox*>(QStringLiteral("ckLouis"))->click();
    ok = save(*state, out / "state-tax-louisiana.png") && ok;
    // Kentucky from the standard layout, as a new employee in Kentucky would have it.
    state->findChild<QPushButton*>(QStringLiteral("cmdDefault"))->click();
    state->findChild<QCheckBox*>(QStringLiteral("ckKentucky"))->click();
    ok = save(*state, out / "state-tax-kentucky.png") && ok;
    state->reject();
    auto* city = openSettings<ui::CityDialogView>(window, "mnuCityTax");
    ok = city != nullptr && save(*city, out / "city-tax.png") && ok;
    if (city != nullptr) {
        city->reject();
    }
    auto* nonCity = openSettings<ui::NonCityDialogView>(window, "mnuNonCity");
    ok = nonCity != nullptr && save(*nonCity, out / "noncity-tax.png") && ok;
    if (nonCity != nullptr) {
        nonCity->reject();
    }
    QApplication::processEvents();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quillon-screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::filesystem::path out = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(out);

    QDir work(QDir::tempPath() + QStringLiteral("/quillon-screenshots"));
    work.removeRecursively();
    const std::filesystem::path folder = work.absolutePath().toStdString();
    std::filesystem::create_directories(folder);
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(QUILLON_SOURCE_DIR) / "data")) {
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }

    Session session(folder, folder);
    NoQuestions asker;
    ui::MainWindowView window(session, asker);
    window.startUp("12/30/2016");
    bool ok = session.openEmployee("Sample").ok;
    session.main.txtAmount[0].text = "40";
    session.main.txtAmount[3].text = "2";
    window.redraw();
    window.findChild<QPushButton*>(QStringLiteral("cmdCalc"))->click();

    window.resize(1280, 800);
    ok = save(window, out / "main-window.png") && ok;
    window.resize(window.sizeHint());
    ok = save(window, out / "main-window-default-size.png") && ok;

    ok = session.loadTaxInfo().ok && ok;
    {
        ui::TaxInfoDialogView userInfo(session, asker, &window);
        ok = save(userInfo, out / "user-info.png") && ok;
        userInfo.hide();
    }
    {
        SaveUserDialog model(session.UserFile);
        ui::SaveUserDialogView saveUser(session, model, asker, &window);
        ok = save(saveUser, out / "save-user.png") && ok;
    }
    {
        ui::HelpWindow help(std::filesystem::path(QUILLON_SOURCE_DIR) / "ui/help", &window);
        ok = save(help, out / "help.png") && ok;
    }
    ui::SessionPrinter printer;
    {
        ok = loadCheckWriter(session).ok && ok;
        ui::CheckWriterView checks(session, asker, printer, &window);
        session.checkWriter.model->txtMemo.text = "Week ending 12/30/2016";
        session.checkWriter.model->txtCheckCompany.text =
            "Harbor Street Hardware\n1200 Harbor Street\nPortland, ME 04101";
        checks.redraw();
        ok = save(checks, out / "check-screen.png") && ok;
        ok = loadPrintOffsetDialog(session).ok && ok;
        ui::PrintOffsetDialogView offsets(session, asker, printer, false, &checks);
        ok = save(offsets, out / "printer-offset.png") && ok;
        offsets.showPreview();
        if (offsets.preview() != nullptr) {
            ok = save(*offsets.preview(), out / "check-preview.png") && ok;
        }
        offsets.reject();
    }
    {
        ok = openHeadingDialog(session).ok && ok;
        ui::HeadingDialogView heading(session, asker, &window);
        ok = save(heading, out / "heading.png") && ok;
    }

    // The state tax dialog as Options opens it, in its standard layout and with the Louisiana
    // and Kentucky presets; the city and the non-city dialog. Each is cancelled afterwards.
    ok = settingsPictures(window, out) && ok;

    // The register of a weekly employee with twelve weeks posted, then of a bi-weekly one with
    // six periods.
    ok = postPeriods(session, 12, 7, 40) && ok;
    ok = registerPicture(window, out / "register-window.png") && ok;
    // Bi-weekly, as User Info saves it.
    ok = session.loadTaxInfo().ok && ok;
    session.taxInfo.model->optWeek.value = false;
    session.taxInfo.model->optBiWeek.value = true;
    ok = session.taxInfoSave().ok && ok;
    ok = postPeriods(session, 6, 14, 80) && ok;
    ok = registerPicture(window, out / "register-window-biweekly.png") && ok;
    work.removeRecursively();
    return ok && !asker.failed ? 0 : 1;
}
