// quillon-cli summary: the quarter's or the year's figures over every employee of the folder, on
// standard output as a table or JSON, and into a CSV and a PDF file when asked.
#pragma once

#include <filesystem>
#include <functional>

#include "cli/command_line.hpp"
#include "records/save.hpp"
#include "session/year_report.hpp"

namespace quillon {

// Writes the report into the PDF file of --pdf, with the folder's lock held: 0 when done, 1 with
// the message on standard error. Only quillon-print, which links the renderer, has one.
using SummaryPdfWriter = std::function<int(const YearReport& report, const FolderLock& held)>;

// The folder read whole under its lock (a damaged file refuses the whole command, naming its
// place, before any output file is written), the figures made, then the PDF file, the CSV file
// and standard output. Each file is replaced whole or not at all. 0 when everything was written,
// 1 otherwise.
[[nodiscard]] int summaryCommand(const CommandLine& line, const std::filesystem::path& folder,
                                 const SummaryPdfWriter& pdf);

}  // namespace quillon
