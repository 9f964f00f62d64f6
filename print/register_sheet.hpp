// The register exported as a spreadsheet workbook: the grid's and the totals strip's shown
// texts in a fixed cell layout, coloured headings and totals, the heading row frozen, and a page
// setup that prints the sheet on one landscape page.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/register.hpp"
#include "print/page.hpp"
#include "records/profile.hpp"
#include "records/save.hpp"
#include "session/register_window.hpp"

namespace quillon {

inline constexpr std::size_t kSheetColumns = 16;  // A to P
using SheetRow = std::array<std::string, kSheetColumns>;

// What the register window shows, as texts (session/register_window.hpp formats them).
struct RegisterSheet {
    SheetRow headings;           // A1 to P1
    std::vector<SheetRow> rows;  // one per used slot, in slot order: date, the eleven tax and
                                 // deduction columns, tips, overtime, net, gross
    // The totals strip's boxes in the same column order, B to P of the TOTALS row: TotFed to
    // TotKplan, TotTips, TotOT, TotNet, TotGross.
    std::array<std::string, kSheetColumns - 1> totals;
    std::string TotSdi, TotSui, TotCafe, TotTips;  // the strip's second row
    std::string status;  // the status-bar text, kept as the workbook's comment
};

// "Date", "Federal", "Soc Sec", "Medicare", "State", "City", the five deduction names, "Kplan",
// "Tips", "OT", "Net", "Gross".
[[nodiscard]] SheetRow registerSheetHeadings(const std::array<std::string, 5>& deductionNames);

// "File: " + UserFile, three spaces, EmpSSN, two spaces, "-", two spaces, the notice line.
[[nodiscard]] std::string exportStatusText(std::string_view UserFile, std::string_view EmpSSN,
                                           std::string_view notice);

// The sheet as the register window shows it: the deduction names of its headings, every used
// row's texts, the totals strip's boxes.
[[nodiscard]] RegisterSheet registerSheet(const RegisterWindow& window, std::string status);

// Where the blocks go (rows count from 1). The used slots take rows 2 to usedRows + 1, the
// TOTALS row follows the last slot, and the SDI block's captions and values stand two and three
// rows below it: rows 55, 57 and 58 for a weekly register, 29, 31 and 32 for a bi-weekly one.
struct SheetLayout {
    int totalsRow, sdiCaptionRow, sdiValueRow;
};
[[nodiscard]] SheetLayout registerSheetLayout(std::size_t usedRows);

// The workbook's file in the employee's folder: UserFile + " YTD.xlsx".
[[nodiscard]] std::filesystem::path registerWorkbookPath(const std::filesystem::path& folder,
                                                         std::string_view UserFile);

// Writes the workbook, replacing the file atomically: an old workbook stays as it was unless the
// new one was written whole, and a read-only one is not replaced. The workbook is made in the
// staging folder beside the file (records/save.hpp), so a write that is killed leaves nothing
// that the next save in the folder does not clear. A text that is a number (".00", "1234.50")
// goes into its cell as that number, shown with two decimals, so the sheet can add it up; other
// texts go in as text. `held`: the program's own lock on a folder, used when it is the file's.
[[nodiscard]] PrintStatus writeRegisterWorkbook(const RegisterSheet& sheet,
                                                const std::filesystem::path& file,
                                                const FolderLock* held = nullptr);

}  // namespace quillon
