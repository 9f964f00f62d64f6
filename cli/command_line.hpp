// The command line of quillon-cli and quillon-print, parsed into what the session is asked to
// do.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

struct CommandLine {
    enum class Command {
        New,
        Calc,
        Check,
        Heading,
        Register,
        Export,
        Print,
        Period,
        Vacation,
        Overtime,
        Summary,
        Opening
    };
    Command command = Command::Calc;
    std::string name;                // new, calc, register, export and print
    std::vector<std::string> names;  // check: the employees, none for every one in the folder
    std::optional<std::string> dir;
    // The eight entry boxes as typed; boxes not given stay empty.
    std::array<std::string, 8> entries{};
    bool ot2x = false;
    bool louisianaPrior = false;
    std::optional<std::string> weekEnding;
    bool json = false;        // calc, register, period, vacation and overtime
    bool savePeriod = false;  // calc --save-period
    std::string periodDate;   // period NAME DATE: the week-ending date of the saved period
    // vacation: --start ACCOUNT N, --take ACCOUNT DATE DAYS (in the order given), --clear.
    struct StartBalance {
        std::string account, balance;
    };
    struct DaysTaken {
        std::string account, date, days;
    };
    std::vector<StartBalance> starts;
    std::vector<DaysTaken> takes;
    bool clear = false;
    // overtime: the boxes typed (ROW 1 to 53; the frequency narrows it), then TOTAL or New Week.
    struct RowText {
        int row = 1;
        std::string text;
    };
    std::optional<std::string> salary, percent;
    std::vector<RowText> amounts, dates;
    bool newWeek = false;
    std::optional<int> postRow;  // calc --post ROW: 1 to 53 (the frequency narrows it)
    std::string workbook;        // export: the .xlsx file to write
    // print: what to print ("statement", "check", "register") and the PDF file it goes into.
    std::string printKind;
    std::optional<std::string> pdf;
    // print check: the "Printer Offset" boxes and the check screen's date and memo, when given.
    std::optional<std::string> offsetH, offsetV, checkDate, memo;
    // heading: the four boxes of "Print Out Heading" to set, in the order of the heading.
    std::array<std::optional<std::string>, 4> heading{};
    // summary: --quarter 1 to 4, or --year; --csv FILE.csv (--json and --pdf as above).
    std::optional<int> quarter;
    bool year = false;
    std::optional<std::string> csv;
    // opening NAME: the register row (--row), its date and its amounts in the order of
    // kOpeningColumns (session/opening_balances.hpp); those not given keep what the row holds.
    std::optional<int> row;
    std::optional<std::string> date;
    std::array<std::optional<std::string>, 18> opening{};
};

// The commands quillon-cli hands to quillon-print, which links the page renderer and the
// spreadsheet library.
[[nodiscard]] constexpr bool runsInPrintProgram(CommandLine::Command command) {
    return command == CommandLine::Command::Export || command == CommandLine::Command::Print;
}
// The same for a whole command line: `summary --pdf` runs there too.
[[nodiscard]] inline bool runsInPrintProgram(const CommandLine& line) {
    return runsInPrintProgram(line.command) ||
           (line.command == CommandLine::Command::Summary && line.pdf.has_value());
}

struct ParseResult {
    std::optional<CommandLine> commandLine;
    std::string error;  // set when commandLine is empty
};

[[nodiscard]] ParseResult parseCommandLine(const std::vector<std::string>& args);

inline constexpr const char* kUsage =
    "usage: quillon-cli [--dir DIR] new NAME\n"
    "       quillon-cli [--dir DIR] calc NAME [--hours1 T] [--hours2 T] [--ot T] [--ot2x]\n"
    "                   [--ot15 T] [--holiday T] [--vacation T] [--dollars T] [--tips T]\n"
    "                   [--week-ending T] [--louisiana-prior] [--post ROW] [--save-period]\n"
    "                   [--json]\n"
    "       quillon-cli [--dir DIR] period NAME DATE [--json]\n"
    "       quillon-cli [--dir DIR] vacation NAME [--start ACCOUNT N]...\n"
    "                   [--take ACCOUNT DATE DAYS]... [--clear] [--json]\n"
    "       quillon-cli [--dir DIR] overtime NAME [--salary T] [--percent T] [--amount ROW T]...\n"
    "                   [--date ROW T]... [--new-week] [--json]\n"
    "       quillon-cli [--dir DIR] check [NAME...]\n"
    "       quillon-cli [--dir DIR] heading [--company T] [--address T] [--zip T] [--id T]\n"
    "       quillon-cli [--dir DIR] register NAME [--json]\n"
    "       quillon-cli [--dir DIR] export NAME FILE.xlsx\n"
    "       quillon-cli [--dir DIR] print register NAME --pdf FILE.pdf\n"
    "       quillon-cli [--dir DIR] print statement NAME --pdf FILE [calc options]\n"
    "       quillon-cli [--dir DIR] print check NAME --pdf FILE [--offset-h N] [--offset-v N]\n"
    "                   [--check-date T] [--memo T] [calc options]\n"
    "       quillon-cli [--dir DIR] summary (--quarter N | --year) [--json] [--csv FILE.csv]\n"
    "                   [--pdf FILE.pdf]\n"
    "       quillon-cli [--dir DIR] opening NAME [--row N] [--date T] [--fed T] [--ss T]\n"
    "                   [--medi T] [--state T] [--city T] [--muni T] [--bond T] [--dues T]\n"
    "                   [--pen T] [--misc T] [--kplan T] [--ot T] [--gross T] [--net T]\n"
    "                   [--sdi T] [--sui T] [--cafe T] [--tips T]\n";

}  // namespace quillon
