// summary: read, figure, write.
#include "cli/summary_command.hpp"

#include <cstring>
#include <iostream>
#include <variant>

#include "cli/program.hpp"
#include "records/fields.hpp"
#include "records/files.hpp"
#include "session/heading_dialog.hpp"
#include "session/year_folder.hpp"

namespace quillon {
namespace {

constexpr const char* kProgram = "quillon-cli";

int refused(const std::string& text) {
    std::cerr << terminalText(text) << '\n';
    return 1;
}

}  // namespace

int summaryCommand(const CommandLine& line, const std::filesystem::path& folder,
                   const SummaryPdfWriter& pdf) {
    const FolderLock lock(folder);
    if (!lock.ok()) {
        std::cerr << kProgram << ": cannot open the folder " << quotedExcerpt(folder.string())
                  << ": " << std::strerror(lock.error()) << '\n';
        return 1;
    }
    auto read = readYearFolder(folder, &lock);
    if (const auto* error = std::get_if<FileError>(&read)) {
        return refused(yearFolderRefusedMessage(*error).text);
    }
    const YearFolder& year = std::get<YearFolder>(read);

    // The printout's heading, as the other printouts take it; none when there is no Header.sav.
    CompanyHeading heading;
    const std::filesystem::path headingFile = folder / std::string(kHeadingFileName);
    std::error_code noFile;
    if (std::filesystem::exists(headingFile, noFile)) {
        if (Status status = readHeadingFile(headingFile, heading); status.failed()) {
            return refused(yearFolderRefusedMessage(status.error()).text);
        }
    }

    const SummaryPeriod period =
        line.year ? SummaryPeriod::wholeYear() : SummaryPeriod::ofQuarter(line.quarter.value_or(1));
    const YearReport report = yearReport(summarize(year.employees, period), year.unread, heading);

    if (line.pdf) {
        if (!pdf) {
            std::cerr << kProgram << ": the PDF file is written by quillon-print\n";
            return 1;
        }
        if (const int written = pdf(report, lock); written != 0) {
            return written;
        }
    }
    if (line.csv) {
        const FileContent csv{*line.csv, reportCsv(report)};
        if (Status status = writeFiles({csv}, &lock); status.failed()) {
            return refused(status.error().describe());
        }
    }
    std::cout << (line.json ? reportJson(report) : terminalText(reportText(report)));
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace quillon
