// quillon: the desktop program, over the same session as quillon-cli. It works in the folder
// given on its command line, else in the one it was started in when that holds an employee, else
// in its own folder in the user's Documents folder (session/installation.hpp).
#include <QApplication>
#include <QDate>
#include <QIcon>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "session/installation.hpp"
#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/first_frame.hpp"
#include "ui/main_window_view.hpp"

namespace {

// The user's Documents folder: ~/Documents, unless the desktop's user folders name another.
std::filesystem::path documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

void printUsage(std::ostream& out) {
    out << "usage: quillon [FOLDER] [--first-frame]\n"
           "  FOLDER         the working folder, where the employees' files are\n"
           "  --first-frame  print the time and the peak memory at the first painted frame, "
           "and end\n"
           "Without FOLDER, quillon works in the folder it is started in when that holds an\n"
           "employee (a file NAME.use; the default file .use alone is none), else in\n  "
        << (documentsFolder() / quillon::kDesktopFolderName).string()
        << "\nwhich it makes the first time, with the federal table copied in.\n";
}

constexpr const char* kNoDisplay =
    "quillon: there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
    "set); quillon-cli calculates without a window.\n";

// A message on standard error too, one line per line of the box.
void printMessage(const quillon::Message& message) {
    std::string text = message.text;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.replace(at, 2, "\n");
    }
    std::cerr << "quillon: " << text << '\n';
}

bool set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

QtMessageHandler qtHandler = nullptr;

// While Qt opens the display: a display that cannot be opened ends the program with one line
// instead of Qt's abort.
void whileOpeningTheDisplay(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << "quillon: the display cannot be opened; quillon-cli calculates without a "
                     "window.\n";
        std::_Exit(1);
    }
    if (qtHandler != nullptr) {
        qtHandler(type, context, message);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path folder;
    bool firstFrame = false;
    bool platformGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printUsage(std::cout);
            return 0;
        }
        if (arg == "--first-frame") {
            firstFrame = true;
        } else if (arg == "-platform" && i + 1 < argc) {
            platformGiven = true;  // Qt's own option
            ++i;
        } else if (!arg.empty() && arg[0] == '-') {
            std::cerr << "quillon: unknown option " << arg << '\n';
            printUsage(std::cerr);
            return 2;
        } else if (folder.empty()) {
            folder = arg;
        } else {
            std::cerr << "quillon: one folder only\n";
            printUsage(std::cerr);
            return 2;
        }
    }
    std::error_code ec;
    if (!folder.empty()) {
        folder = std::filesystem::absolute(folder, ec);
        if (!std::filesystem::is_directory(folder, ec)) {
            std::cerr << "quillon: no such folder: " << folder.string() << '\n';
            return 1;
        }
    }
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM") && !platformGiven) {
        std::cerr << kNoDisplay;
        return 1;
    }

    qtHandler = qInstallMessageHandler(whileOpeningTheDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QString::fromLatin1(quillon::kProgramTitle));
    QApplication::setDesktopFileName(QStringLiteral(QUILLON_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QUILLON_APP_ID)));

    const std::filesystem::path data = quillon::dataFolderBeside(quillon::programFolder(argv[0]));
    quillon::ui::DialogAsker asker;
    if (folder.empty()) {
        const std::filesystem::path started = std::filesystem::current_path(ec);
        const quillon::DesktopFolder chosen = quillon::desktopWorkingFolder(
            ec ? std::filesystem::path() : started, documentsFolder(), data);
        if (chosen.status.failed()) {
            const quillon::Message message = quillon::desktopFolderFailedMessage(chosen);
            printMessage(message);
            asker.tell(message);
            if (!chosen.created) {
                return 1;
            }
        }
        folder = chosen.folder;
    }

    quillon::Session session(folder, data);
    quillon::ui::MainWindowView window(session, asker);
    asker.setParent(&window);
    window.startUp(QDate::currentDate().toString(QStringLiteral("M/d/yyyy")).toStdString());
    if (firstFrame) {
        new quillon::ui::FirstFrameReport(&window);
    }
    window.show();
    return QApplication::exec();
}
