// quillon: the desktop program, over the same session as quillon-cli. It works in the current
// folder, or in the folder given on its command line.
#include <QApplication>
#include <QDate>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/first_frame.hpp"
#include "ui/main_window_view.hpp"

namespace {

constexpr const char* kUsage =
    "usage: quillon [FOLDER] [--first-frame]\n"
    "  FOLDER         the working folder with the employees' files (default: the current one)\n"
    "  --first-frame  print the time and the peak memory at the first painted frame, and end\n";

constexpr const char* kNoDisplay =
    "quillon: there is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
    "set); quillon-cli calculates without a window.\n";

// The program's data folder: the installed one, or the source tree's for a build that was not
// installed.
std::filesystem::path dataFolder() {
    std::filesystem::path installed = QUILLON_INSTALLED_DATA;
    std::error_code ec;
    if (std::filesystem::exists(installed / std::string(quillon::kFederalTableFileName), ec)) {
        return installed;
    }
    return std::filesystem::path(QUILLON_SOURCE_DIR) / "data";
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
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--first-frame") {
            firstFrame = true;
        } else if (arg == "-platform" && i + 1 < argc) {
            platformGiven = true;  // Qt's own option
            ++i;
        } else if (!arg.empty() && arg[0] == '-') {
            std::cerr << "quillon: unknown option " << arg << '\n' << kUsage;
            return 2;
        } else if (folder.empty()) {
            folder = arg;
        } else {
            std::cerr << "quillon: one folder only\n" << kUsage;
            return 2;
        }
    }
    std::error_code ec;
    folder =
        std::filesystem::absolute(folder.empty() ? std::filesystem::current_path(ec) : folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        std::cerr << "quillon: no such folder: " << folder.string() << '\n';
        return 1;
    }
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM") && !platformGiven) {
        std::cerr << kNoDisplay;
        return 1;
    }

    qtHandler = qInstallMessageHandler(whileOpeningTheDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QString::fromLatin1(quillon::kProgramTitle));

    quillon::Session session(folder, dataFolder());
    quillon::ui::DialogAsker asker;
    quillon::ui::MainWindowView window(session, asker);
    asker.setParent(&window);
    window.startUp(QDate::currentDate().toString(QStringLiteral("M/d/yyyy")).toStdString());
    if (firstFrame) {
        new quillon::ui::FirstFrameReport(&window);
    }
    window.show();
    return QApplication::exec();
}
