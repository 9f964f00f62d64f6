// quillon-print: the printouts of quillon-cli into PDF files. quillon-cli hands its `print`
// command over to this program, which links the page renderer (Qt Gui) that quillon-cli does
// not, and takes the same command line. Qt starts, on its offscreen platform, only when there is
// a page to paint.
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "cli/print_kinds.hpp"
#include "cli/program.hpp"
#include "print/renderer.hpp"
#include "session/session.hpp"

namespace {

using namespace quillon;

constexpr const char* kProgram = "quillon-print";

int usageError(const std::string& problem) {
    std::cerr << kProgram << ": " << problem << '\n' << kUsage;
    return 2;
}

// Qt's notes on its own set-up (no runtime folder without a desktop session and the like) are
// not the operator's business; its errors are.
void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << kProgram << ": " << message.toStdString() << '\n';
    }
}

// The pages painted into the PDF file by the renderer, on Qt's offscreen platform unless
// another is asked for.
int writePdfFile(int argc, char** argv, const std::vector<Page>& pages,
                 const std::filesystem::path& file) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(qtMessages);
    QGuiApplication app(argc, argv);
    const PrintStatus written = writePdf(pages, file);
    if (!written.ok()) {
        std::cerr << terminalText(written.error->message) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = parseCommandLine(args);
    if (!parsed.commandLine) {
        return usageError(parsed.error);
    }
    const CommandLine& line = *parsed.commandLine;
    if (!runsInPrintProgram(line.command)) {
        return usageError("only print runs here; quillon-cli runs the other commands");
    }
    const PrintKind* kind = findPrintKind(line.printKind);
    if (kind == nullptr) {
        return usageError("there is no printout " + quotedExcerpt(line.printKind));
    }
    if (kind->checked != nullptr) {
        Outcome checked = kind->checked(line);
        printMessages(checked.messages);
        if (!checked.ok) {
            return 1;
        }
    }
    const std::optional<std::filesystem::path> folder = workingFolder(line, kProgram);
    if (!folder) {
        return 1;
    }
    Session session(*folder, dataFolder());
    if (!startAndOpen(session, line.name)) {
        return 1;
    }
    PrintedPages printed = kind->pages(session, line);
    printMessages(printed.outcome.messages);
    if (!printed.outcome.ok) {
        return 1;
    }
    return writePdfFile(argc, argv, printed.pages, *line.pdf);
}
