// quillon-print: the printouts to PDF and the spreadsheet export of quillon-cli, which hands its
// `print` and `export` commands over to this program. It links the page renderer (Qt Gui) and
// libxlsxwriter, which quillon-cli does not, and takes the same command line. Qt starts, on its
// offscreen platform, only when there is a page to paint.
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "cli/print_kinds.hpp"
#include "cli/program.hpp"
#include "cli/summary_command.hpp"
#include "print/register_sheet.hpp"
#include "print/renderer.hpp"
#include "print/year_report.hpp"
#include "session/register_window.hpp"
#include "session/session.hpp"

namespace {

using namespace quillon;

constexpr const char* kProgram = "quillon-print";

void printUsage() {
    std::cerr << kUsage << "printouts:";
    for (const PrintKind& kind : printKinds()) {
        std::cerr << "\n  " << kind.word << "  " << kind.what;
    }
    std::cerr << '\n';
}

int usageError(const std::string& problem) {
    std::cerr << kProgram << ": " << problem << '\n';
    printUsage();
    return 2;
}

bool reported(const PrintStatus& status) {
    if (!status.ok()) {
        std::cerr << terminalText(status.error->message) << '\n';
        return false;
    }
    return true;
}

// export NAME FILE.xlsx: the register window opened and exported as its "&Excel" exports it, into
// the file named.
int exportRegister(Session& session, Terminal& terminal, const CommandLine& line) {
    Outcome opened = openRegisterWindow(session);
    terminal.tell(opened.messages);
    if (!opened.ok) {
        return 1;
    }
    const RegisterSheet sheet =
        registerSheet(*session.registerWindow,
                      exportStatusText(session.UserFile, session.profile.EmpSSN, kMakerNotice));
    return reported(writeRegisterWorkbook(sheet, line.workbook, session.folderLock.get())) ? 0 : 1;
}

// Qt's own notes on its set-up (no runtime folder for a program without a desktop session, and
// the like) are not the operator's business; its errors are.
void qtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << kProgram << ": " << message.toStdString() << '\n';
    }
}

// The pages into the PDF file, painted by the renderer on Qt's offscreen platform unless another
// is asked for.
int writePdfFile(int argc, char** argv, const std::vector<Page>& pages,
                 const std::filesystem::path& file, const FolderLock* held) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(qtMessages);
    QGuiApplication app(argc, argv);
    const PrintFontCheck font = checkPrintFont();
    if (font.problem) {
        std::cerr << terminalText(font.problem->message) << '\n';
        return 1;
    }
    return reported(writePdf(pages, file, PdfSheet{}, held)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = parseCommandLine(args);
    if (!parsed.commandLine) {
        return usageError(parsed.error);
    }
    const CommandLine& line = *parsed.commandLine;
    if (!runsInPrintProgram(line)) {
        return usageError(
            "only print, export and summary --pdf run here; quillon-cli runs the others");
    }
    const PrintKind* kind = nullptr;
    if (line.command == CommandLine::Command::Print) {
        kind = findPrintKind(line.printKind);
        if (kind == nullptr) {
            return usageError("there is no printout " + quotedExcerpt(line.printKind));
        }
        if (kind->checked != nullptr) {
            Outcome checked = kind->checked(line);
            Terminal().tell(checked.messages);
            if (!checked.ok) {
                return 1;
            }
        }
    }

    const std::optional<std::filesystem::path> folder = workingFolder(line, kProgram);
    if (!folder) {
        return 1;
    }
    if (line.command == CommandLine::Command::Summary) {
        return summaryCommand(line, *folder, [&](const YearReport& report, const FolderLock& held) {
            return writePdfFile(argc, argv, {yearReportPage(report, todayText())}, *line.pdf,
                                &held);
        });
    }
    Session session(*folder, dataFolder(argv[0]));
    Terminal terminal;
    if (!startAndOpen(session, terminal, line.name)) {
        return 1;
    }
    if (kind == nullptr) {
        return exportRegister(session, terminal, line);
    }
    PrintJob printed = kind->pages(session, terminal, line);
    terminal.tell(printed.outcome.messages);
    if (!printed.outcome.ok) {
        return 1;
    }
    if (const int written =
            writePdfFile(argc, argv, printed.pages, *line.pdf, session.folderLock.get());
        written != 0 || kind->printed == nullptr) {
        return written;
    }
    Outcome stored = kind->printed(session);
    terminal.tell(stored.messages);
    return stored.ok ? 0 : 1;
}
