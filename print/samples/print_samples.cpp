// Writes the sample printouts of the test fixtures into a folder, for scripts/pictures.sh: the
// weekly register printout as a PDF file and the weekly register's workbook. With
// --weekly-register it writes the weekly register's file instead, as the history of the sample
// employee whose statement and paycheck the script prints with quillon-cli.
//   print_samples FOLDER
//   print_samples --weekly-register FILE.yrw
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "print/register_sheet.hpp"
#include "print/renderer.hpp"
#include "print/tests/fixtures.hpp"

namespace {

using namespace quillon;

bool report(const PrintStatus& status, const std::filesystem::path& file) {
    if (!status.ok()) {
        std::fprintf(stderr, "%s\n", status.error->message.c_str());
        return false;
    }
    std::printf("%s\n", file.c_str());
    return true;
}

bool pdf(const PageOutcome& outcome, const std::filesystem::path& file) {
    if (const auto* error = std::get_if<PrintError>(&outcome)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return false;
    }
    return report(writePdf({std::get<Page>(outcome)}, file), file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--weekly-register") {
        const Status written = writeRegisterFile(argv[2], testing::weeklyRegister(), kWeeklyRows);
        if (written.failed()) {
            std::fprintf(stderr, "%s\n", written.error().describe().c_str());
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: print_samples FOLDER | --weekly-register FILE.yrw\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const std::filesystem::path folder = argv[1];

    RegisterPrintInput weekly = testing::weeklyPrintInput();
    const RegisterSheet sheet =
        registerSheet(testing::shownWindow(weekly),
                      exportStatusText(weekly.UserFile, weekly.profile.EmpSSN, kMakerNotice));
    const std::filesystem::path workbook = registerWorkbookPath(folder, weekly.UserFile);

    const bool ok = pdf(PrintYr(weekly), folder / "register.pdf") &&
                    report(writeRegisterWorkbook(sheet, workbook), workbook);
    return ok ? 0 : 1;
}
