#include "cli/command_line.hpp"

#include <string_view>
#include <utility>

#include "engine/register.hpp"
#include "records/fields.hpp"

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
        case CommandLine::Command::Register:
            return "register";
        case CommandLine::Command::Export:
            return "export";
        case CommandLine::Command::Print:
            return "print";
    }
    return "";
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
        if (arg == "--dir" || arg == "--week-ending" || arg == "--pdf") {
            auto v = value();
            if (!v) {
                return failure(arg + " needs a value");
            }
            (arg == "--dir" ? line.dir : arg == "--pdf" ? line.pdf : line.weekEnding) = *v;
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
        bool entry = false;
        for (const EntryOption& option : kEntryOptions) {
            if (arg == option.option) {
                auto v = value();
                if (!v) {
                    return failure(arg + " needs a value");
                }
                line.entries[static_cast<std::size_t>(option.box)] = *v;
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
        {"register", CommandLine::Command::Register, 1, "expected a command and a name"},
        {"export", CommandLine::Command::Export, 2, "expected export NAME FILE.xlsx"},
        {"print", CommandLine::Command::Print, 2, "expected print WHAT NAME --pdf FILE.pdf"},
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
        } else {
            line.name = positional[1];
        }
    }
    bool periodOptions = line.ot2x || line.louisianaPrior || line.weekEnding || line.postRow;
    for (const std::string& text : line.entries) {
        periodOptions = periodOptions || !text.empty();
    }
    const char* command = commandWord(line.command);
    if (line.command != CommandLine::Command::Calc && periodOptions) {
        return failure(std::string(command) + " takes no period options");
    }
    if (line.json && line.command != CommandLine::Command::Calc &&
        line.command != CommandLine::Command::Register) {
        return failure(std::string(command) + " takes no --json");
    }
    if (line.pdf && line.command != CommandLine::Command::Print) {
        return failure(std::string(command) + " takes no --pdf");
    }
    if (line.command == CommandLine::Command::Print && !line.pdf) {
        return failure("print needs --pdf FILE.pdf");
    }
    return ParseResult{line, {}};
}

}  // namespace quillon
