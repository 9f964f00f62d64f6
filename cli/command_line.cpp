#include "cli/command_line.hpp"

#include <string_view>
#include <utility>

#include "engine/register.hpp"
#include "records/fields.hpp"
#include "session/opening_balances.hpp"

namespace quillon {
namespace {

// Options that take the text of an entry box, and the box they fill.
struct EntryOption {
    std::string_view option;
    int box;
};
constexpr std::array<EntryOption, 8> kEntryOptions = {{
    {"--hours1", 0},
    {"--hours2", 1},
    {"--ot", 2},
    {"--ot15", 3},
    {"--holiday", 4},
    {"--vacation", 5},
    {"--dollars", 6},
    {"--tips", 7},
}};

// The heading's boxes, in the order of CommandLine::heading.
constexpr std::array<std::string_view, 4> kHeadingOptions = {"--company", "--address", "--zip",
                                                             "--id"};

ParseResult failure(std::string message) {
    return ParseResult{std::nullopt, std::move(message)};
}

// A register row number: 1 to 53, digits only.
std::optional<int> rowNumber(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int row = std::stoi(text);
    if (row < 1 || row > kRegisterSlots) {
        return std::nullopt;
    }
    return row;
}

const char* commandWord(CommandLine::Command command) {
    switch (command) {
        case CommandLine::Command::New:
            return "new";
        case CommandLine::Command::Calc:
            return "calc";
        case CommandLine::Command::Check:
            return "check";
        case CommandLine::Command::Heading:
            return "heading";
        case CommandLine::Command::Register:
            return "register";
        case CommandLine::Command::Export:
            return "export";
        case CommandLine::Command::Print:
            return "print";
        case CommandLine::Command::Period:
            return "period";
        case CommandLine::Command::Vacation:
            return "vacation";
        case CommandLine::Command::Overtime:
            return "overtime";
        case CommandLine::Command::Summary:
            return "summary";
        case CommandLine::Command::Opening:
            return "opening";
    }
    return "";
}

// The printouts that print what the files hold: they take no period and calculate nothing.
bool printsWithoutPeriod(const CommandLine& line) {
    return line.command == CommandLine::Command::Print && line.printKind == "register";
}

// True when the file name ends in the extension, in any case (".xlsx", ".XLSX").
bool endsWithExtension(std::string_view file, std::string_view extension) {
    if (file.size() < extension.size()) {
        return false;
    }
    const std::string_view end = file.substr(file.size() - extension.size());
    for (std::size_t i = 0; i < end.size(); ++i) {
        const char c =
            end[i] >= 'A' && end[i] <= 'Z' ? static_cast<char>(end[i] - 'A' + 'a') : end[i];
        if (c != extension[i]) {
            return false;
        }
    }
    return true;
}

bool dayAccountKnown(std::string_view account) {
    return account == "vacation" || account == "holiday" || account == "sick";
}

}  // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            return args[++i];
        };
        // Options with a value, and where the value goes.
        std::optional<std::string>* target = nullptr;
        if (arg == "--dir") {
            target = &line.dir;
        } else if (arg == "--week-ending") {
            target = &line.weekEnding;
        } else if (arg == "--pdf") {
            target = &line.pdf;
        } else if (arg == "--offset-h") {
            target = &line.offsetH;
        } else if (arg == "--offset-v") {
            target = &line.offsetV;
        } else if (arg == "--check-date") {
            target = &line.checkDate;
        } else if (arg == "--memo") {
            target = &line.memo;
        } else if (arg == "--salary") {
            target = &line.salary;
        } else if (arg == "--percent") {
            target = &line.percent;
        } else if (arg == "--csv") {
            target = &line.csv;
        } else if (arg == "--date" && !positional.empty() && positional[0] == "opening") {
            // opening's --date takes the row's date; overtime's takes a row and a text (below).
            target = &line.date;
        }
        // The opening row's amounts; --ot and --tips are the entry boxes' and are taken over
        // below when the command is opening.
        if (arg.size() > 2 && arg != "--ot" && arg != "--tips") {
            if (const auto column = openingColumn(std::string_view(arg).substr(2))) {
                target = &line.opening.at(*column);
            }
        }
        for (std::size_t h = 0; h < kHeadingOptions.size(); ++h) {
            if (arg == kHeadingOptions[h]) {
                target = &line.heading[h];
            }
        }
        if (target != nullptr) {
            auto v = value();
            if (!v) {
                return failure(arg + " needs a value");
            }
            *target = *v;
            continue;
        }
        if (arg == "--post") {
            auto v = value();
            if (!v) {
                return failure(arg + " needs a value");
            }
            line.postRow = rowNumber(*v);
            if (!line.postRow) {
                return failure("--post takes a register row, 1 to 53 (1 to 27 bi-weekly), not " +
                               quotedExcerpt(*v));
            }
            continue;
        }
        if (arg == "--quarter" || arg == "--row") {
            auto v = value();
            if (!v) {
                return failure(arg + " needs a value");
            }
            if (arg == "--row") {
                line.row = rowNumber(*v);
                if (!line.row) {
                    return failure(
                        "--row takes a register row, 1 to 53 (1 to 27 bi-weekly), "
                        "not " +
                        quotedExcerpt(*v));
                }
                continue;
            }
            if (v->size() != 1 || (*v)[0] < '1' || (*v)[0] > '4') {
                return failure("--quarter takes 1, 2, 3 or 4, not " + quotedExcerpt(*v));
            }
            line.quarter = (*v)[0] - '0';
            continue;
        }
        if (arg == "--year") {
            line.year = true;
            continue;
        }
        if (arg == "--ot2x") {
            line.ot2x = true;
            continue;
        }
        if (arg == "--louisiana-prior") {
            line.louisianaPrior = true;
            continue;
        }
        if (arg == "--json") {
            line.json = true;
            continue;
        }
        if (arg == "--save-period") {
            line.savePeriod = true;
            continue;
        }
        if (arg == "--clear") {
            line.clear = true;
            continue;
        }
        if (arg == "--new-week") {
            line.newWeek = true;
            continue;
        }
        // Options with two or three values.
        auto values = [&](std::size_t count) -> std::optional<std::vector<std::string>> {
            if (i + count >= args.size()) {
                return std::nullopt;
            }
            std::vector<std::string> taken(
                args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                args.begin() + static_cast<std::ptrdiff_t>(i + count) + 1);
            i += count;
            return taken;
        };
        if (arg == "--start") {
            auto v = values(2);
            if (!v) {
                return failure("--start needs an account and a balance");
            }
            line.starts.push_back({(*v)[0], (*v)[1]});
            continue;
        }
        if (arg == "--take") {
            auto v = values(3);
            if (!v) {
                return failure("--take needs an account, a date and the days");
            }
            line.takes.push_back({(*v)[0], (*v)[1], (*v)[2]});
            continue;
        }
        if (arg == "--amount" || arg == "--date") {
            auto v = values(2);
            if (!v) {
                return failure(arg + " needs a row and a text");
            }
            const std::optional<int> row = rowNumber((*v)[0]);
            if (!row) {
                return failure(arg + " takes a row, 1 to 53 (1 to 27 bi-weekly), not " +
                               quotedExcerpt((*v)[0]));
            }
            (arg == "--amount" ? line.amounts : line.dates).push_back({*row, (*v)[1]});
            continue;
        }
        bool entry = false;
        for (const EntryOption& option : kEntryOptions) {
            if (arg == option.option) {
                auto v = value();
                if (!v) {
                    return failure(arg + " needs a value");
                }
                line.entries[static_cast<std::size_t>(option.box)] = *v;
                if (const auto column = openingColumn(option.option.substr(2));
                    column && (option.option == "--ot" || option.option == "--tips")) {
                    line.opening.at(*column) = *v;
                }
                entry = true;
                break;
            }
        }
        if (entry) {
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            return failure("unknown option " + quotedExcerpt(arg));
        }
        positional.push_back(arg);
    }

    if (positional.empty()) {
        return failure("no command given");
    }
    const std::string& word = positional[0];
    const struct {
        const char* word;
        CommandLine::Command command;
        std::size_t arguments;  // after the command word
        const char* expected;
    } kCommands[] = {
        {"new", CommandLine::Command::New, 1, "expected a command and a name"},
        {"calc", CommandLine::Command::Calc, 1, "expected a command and a name"},
        {"heading", CommandLine::Command::Heading, 0,
         "heading takes no name: the heading is the folder's"},
        {"register", CommandLine::Command::Register, 1, "expected a command and a name"},
        {"export", CommandLine::Command::Export, 2, "expected export NAME FILE.xlsx"},
        {"print", CommandLine::Command::Print, 2, "expected print WHAT NAME --pdf FILE.pdf"},
        {"period", CommandLine::Command::Period, 2, "expected period NAME DATE"},
        {"vacation", CommandLine::Command::Vacation, 1, "expected a command and a name"},
        {"overtime", CommandLine::Command::Overtime, 1, "expected a command and a name"},
        {"summary", CommandLine::Command::Summary, 0,
         "summary takes no name: it is over every employee of the folder"},
        {"opening", CommandLine::Command::Opening, 1, "expected opening NAME"},
    };
    if (word == "check") {
        line.command = CommandLine::Command::Check;
        line.names.assign(positional.begin() + 1, positional.end());
    } else {
        bool known = false;
        for (const auto& c : kCommands) {
            if (word != c.word) {
                continue;
            }
            known = true;
            if (positional.size() != c.arguments + 1) {
                return failure(c.expected);
            }
            line.command = c.command;
            break;
        }
        if (!known) {
            return failure("unknown command " + quotedExcerpt(word));
        }
        if (line.command == CommandLine::Command::Export) {
            line.name = positional[1];
            line.workbook = positional[2];
        } else if (line.command == CommandLine::Command::Print) {
            line.printKind = positional[1];
            line.name = positional[2];
        } else if (line.command == CommandLine::Command::Period) {
            line.name = positional[1];
            line.periodDate = positional[2];
        } else if (line.command != CommandLine::Command::Heading &&
                   line.command != CommandLine::Command::Summary) {
            line.name = positional[1];
        }
    }
    // --ot and --tips are the entry boxes of calc and print, and the row's overtime and tips of
    // opening.
    for (const auto& [box, column] : {std::pair<std::size_t, std::string_view>{2, "ot"},
                                      std::pair<std::size_t, std::string_view>{7, "tips"}}) {
        auto& amount = line.opening.at(*openingColumn(column));
        if (line.command == CommandLine::Command::Opening) {
            line.entries.at(box).clear();
        } else {
            amount.reset();
        }
    }

    // An empty name would name the default files (a script's unset variable, say).
    const bool named = line.command != CommandLine::Command::Check &&
                       line.command != CommandLine::Command::Heading &&
                       line.command != CommandLine::Command::Summary;
    if (named && line.name.empty()) {
        return failure("NAME is empty: give the employee's name");
    }
    for (const std::string& name : line.names) {
        if (name.empty()) {
            return failure("NAME is empty: give the employee's name");
        }
    }
    // An output file must be of its kind, so that no employee file can be written over with a
    // workbook or a PDF.
    if (line.command == CommandLine::Command::Export &&
        !endsWithExtension(line.workbook, ".xlsx")) {
        return failure("export writes a workbook: FILE must end in .xlsx, not " +
                       quotedExcerpt(line.workbook));
    }
    if (line.pdf && !endsWithExtension(*line.pdf, ".pdf")) {
        return failure("--pdf writes a PDF file: FILE must end in .pdf, not " +
                       quotedExcerpt(*line.pdf));
    }

    // Each option belongs to the commands that read it.
    const bool calculates =
        line.command == CommandLine::Command::Calc ||
        (line.command == CommandLine::Command::Print && !printsWithoutPeriod(line));
    bool periodOptions = line.ot2x || line.louisianaPrior || line.weekEnding.has_value();
    for (const std::string& text : line.entries) {
        periodOptions = periodOptions || !text.empty();
    }
    const std::string command = commandWord(line.command);
    if (periodOptions && !calculates) {
        return failure(command + " takes no period options");
    }
    if (line.postRow && line.command != CommandLine::Command::Calc) {
        return failure(command + " takes no --post");
    }
    if (line.json && line.command != CommandLine::Command::Calc &&
        line.command != CommandLine::Command::Register &&
        line.command != CommandLine::Command::Period &&
        line.command != CommandLine::Command::Vacation &&
        line.command != CommandLine::Command::Overtime &&
        line.command != CommandLine::Command::Summary) {
        return failure(command + " takes no --json");
    }
    if (line.savePeriod && line.command != CommandLine::Command::Calc) {
        return failure(command + " takes no --save-period");
    }
    if ((!line.starts.empty() || !line.takes.empty() || line.clear) &&
        line.command != CommandLine::Command::Vacation) {
        return failure("--start, --take and --clear are for vacation");
    }
    for (const auto& start : line.starts) {
        if (!dayAccountKnown(start.account)) {
            return failure("--start: ACCOUNT is vacation, holiday or sick, not " +
                           quotedExcerpt(start.account));
        }
    }
    for (const auto& take : line.takes) {
        if (!dayAccountKnown(take.account)) {
            return failure("--take: ACCOUNT is vacation, holiday or sick, not " +
                           quotedExcerpt(take.account));
        }
    }
    const bool overtimeOptions =
        line.salary || line.percent || !line.amounts.empty() || !line.dates.empty() || line.newWeek;
    if (overtimeOptions && line.command != CommandLine::Command::Overtime) {
        return failure("--salary, --percent, --amount, --date and --new-week are for overtime");
    }
    if (line.pdf && line.command != CommandLine::Command::Print &&
        line.command != CommandLine::Command::Summary) {
        return failure(command + " takes no --pdf");
    }
    const bool summary = line.command == CommandLine::Command::Summary;
    if ((line.quarter || line.year || line.csv) && !summary) {
        return failure("--quarter, --year and --csv are for summary");
    }
    if (summary && line.quarter.has_value() == line.year) {
        return failure("summary needs one of --quarter N and --year");
    }
    if (line.csv && !endsWithExtension(*line.csv, ".csv")) {
        return failure("--csv writes a CSV file: FILE must end in .csv, not " +
                       quotedExcerpt(*line.csv));
    }
    bool openingOptions = line.row || line.date;
    for (const auto& amount : line.opening) {
        openingOptions = openingOptions || amount.has_value();
    }
    if (openingOptions && line.command != CommandLine::Command::Opening) {
        return failure(
            "--row, --date and the opening amounts (--fed, --gross, ...) are for "
            "opening");
    }
    if (line.command == CommandLine::Command::Print && !line.pdf) {
        return failure("print needs --pdf FILE.pdf");
    }
    const bool checkOptions = line.offsetH || line.offsetV || line.checkDate || line.memo;
    if (checkOptions &&
        !(line.command == CommandLine::Command::Print && line.printKind == "check")) {
        return failure("--offset-h, --offset-v, --check-date and --memo are for print check");
    }
    for (const auto& box : line.heading) {
        if (box && line.command != CommandLine::Command::Heading) {
            return failure("--company, --address, --zip and --id are for heading");
        }
    }
    return ParseResult{line, {}};
}

}  // namespace quillon
