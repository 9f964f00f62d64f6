// The quarter and year report: the figures of every employee of the folder laid out once, as
// plain data with every amount a number, for each of its renderers (the JSON and CSV texts and
// the plain table here, the printed page in print/). Only the renderers format.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/money.hpp"
#include "engine/year_summary.hpp"
#include "records/files.hpp"
#include "session/year_folder.hpp"

namespace quillon {

// The employee table's amounts, left to right: the JSON key (a contract of `summary --json`)
// and the heading the table and the printout give it.
struct ReportColumn {
    std::string_view key;
    std::string_view heading;
};
inline constexpr std::array<ReportColumn, 12> kReportColumns = {{
    {"gross", "Gross"},
    {"fed", "Federal"},
    {"ss_wages", "SS wages"},
    {"ss_tips", "SS tips"},
    {"ss_tax", "SS tax"},
    {"medicare_wages", "Medi wages"},
    {"medicare_tax", "Medi tax"},
    {"addl_medicare_wages", "Addl Medi"},
    {"state", "State"},
    {"city", "City"},
    {"sdi", "SDI"},
    {"sui", "SUI"},
}};
using ReportAmounts = std::array<Currency, kReportColumns.size()>;

// One employee's line of the table (or the totals line).
struct ReportEmployee {
    std::string name;      // his name, or his file's base name when he has none
    std::string userFile;  // the base name of his files
    int rows = 0;          // the register rows of the period counted
    ReportAmounts amounts{};
    friend bool operator==(const ReportEmployee&, const ReportEmployee&) = default;
};

// A line of the quarter's federal return. Lines 5a to 5d have both columns; the others hold one
// amount, which the form puts in the right-hand column (`tax`); line 1 holds a count.
struct ReturnLine {
    std::string_view line;      // "5a"
    std::string_view words;     // the form's words for it
    std::string_view wagesKey;  // JSON key of column 1, empty when the line has none
    std::string_view taxKey;    // JSON key of column 2 (or of the count)
    std::optional<Currency> wages;
    std::optional<Currency> tax;
    std::optional<int> count;
    friend bool operator==(const ReturnLine&, const ReturnLine&) = default;
};

// The wage statement's boxes in the order of the form.
struct W2Box {
    std::string_view key;      // "box12d"
    std::string_view box;      // "12a D"
    std::string_view heading;  // "Elective deferrals (401(k))"
};
inline constexpr std::array<W2Box, 12> kW2Boxes = {{
    {"box1", "1", "Wages, tips, other compensation"},
    {"box2", "2", "Federal income tax withheld"},
    {"box3", "3", "Social security wages"},
    {"box4", "4", "Social security tax withheld"},
    {"box5", "5", "Medicare wages and tips"},
    {"box6", "6", "Medicare tax withheld"},
    {"box7", "7", "Social security tips"},
    {"box12d", "12 D", "Elective deferrals (code D)"},
    {"box16", "16", "State wages, tips, etc."},
    {"box17", "17", "State income tax"},
    {"box18", "18", "Local wages, tips, etc."},
    {"box19", "19", "Local income tax"},
}};

struct ReportW2 {
    std::string name, userFile;
    std::array<Currency, kW2Boxes.size()> boxes{};
    std::vector<std::string> notes;  // what to check on this statement
    friend bool operator==(const ReportW2&, const ReportW2&) = default;
};

struct ReportSkipped {
    std::string name;  // the employee's base name
    int row = 0;
    std::string date;  // the row's date text as stored
    std::string text;  // what the report says of it
    friend bool operator==(const ReportSkipped&, const ReportSkipped&) = default;
};

struct YearReport {
    SummaryPeriod period;
    std::string title;  // "Quarter 3 of 2016: 7/1/2016 to 9/30/2016", "The year 2016"
    CompanyHeading heading;
    std::vector<ReportEmployee> employees;     // on the return
    ReportEmployee totals;                     // of `employees`; name "TOTAL"
    std::vector<ReportEmployee> selfEmployed;  // listed apart, on no line
    std::vector<ReturnLine> form941;           // a quarter's; empty for the year
    std::vector<ReportW2> w2;                  // the year's; empty for a quarter
    std::vector<ReportSkipped> skipped;
    std::vector<std::string> notes;  // the report's, the employees' and the unread registers'
    friend bool operator==(const YearReport&, const YearReport&) = default;
};

// The report of the figures of a folder (its unread registers become notes).
[[nodiscard]] YearReport yearReport(const YearSummary& summary,
                                    const std::vector<UnreadRegister>& unread,
                                    const CompanyHeading& heading);

// An amount as the report's texts give it: two decimals, a point, a minus sign where it is
// negative, no thousands separator: 1234.5 -> "1234.50", 0 -> "0.00", -0.5 -> "-0.50". Every
// amount of the report is whole cents; a fraction of a cent would be rounded half away from
// zero.
[[nodiscard]] std::string reportAmount(Currency amount);
// The same with thousands separators: 1234.5 -> "1,234.50".
[[nodiscard]] std::string groupedAmount(Currency amount);

// `summary --json`: one object with `employees`, `totals`, `form941` (a quarter) or `w2` (the
// year), `self_employed`, `skipped` and `notes`; every amount a text of reportAmount, line 1 a
// whole number.
[[nodiscard]] std::string reportJson(const YearReport& report);
// `summary --csv FILE`: sections separated by a blank line, each with its header row: the
// employee table and its TOTAL row, the return's lines or the wage statements, the self-employed,
// the skipped rows and the notes. Amounts as reportAmount gives them.
[[nodiscard]] std::string reportCsv(const YearReport& report);
// `summary` on the terminal: the same in aligned columns, amounts with thousands separators.
[[nodiscard]] std::string reportText(const YearReport& report);

}  // namespace quillon
