#include "cli/command_line.hpp"

#include <string_view>
#include <utility>

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

// The heading's boxes, in the order of CommandLine::heading.
constexpr std::array<std::string_view, 4> kHeadingOptions = {"--company", "--address", "--zip",
                                                             "--id"};

ParseResult failure(std::string message) {
    return ParseResult{std::nullopt, std::move(message)};
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
    const std::string& command = positional[0];
    if (command == "check") {
        line.command = CommandLine::Command::Check;
        line.names.assign(positional.begin() + 1, positional.end());
    } else if (command == "new" || command == "calc") {
        line.command = command == "new" ? CommandLine::Command::New : CommandLine::Command::Calc;
        if (positional.size() != 2) {
            return failure("expected a command and a name");
        }
        line.name = positional[1];
    } else if (command == "heading") {
        line.command = CommandLine::Command::Heading;
        if (positional.size() != 1) {
            return failure("heading takes no name: the heading is the folder's");
        }
    } else if (command == "print") {
        line.command = CommandLine::Command::Print;
        if (positional.size() != 3) {
            return failure("expected print, what to print and a name");
        }
        line.printKind = positional[1];
        line.name = positional[2];
        if (!line.pdf) {
            return failure("print needs --pdf FILE");
        }
    } else {
        return failure("unknown command " + quotedExcerpt(command));
    }

    // Each option belongs to the commands that read it.
    const bool calculates =
        line.command == CommandLine::Command::Calc || line.command == CommandLine::Command::Print;
    bool periodOptions = line.ot2x || line.louisianaPrior || line.weekEnding.has_value();
    for (const std::string& text : line.entries) {
        periodOptions = periodOptions || !text.empty();
    }
    if (periodOptions && !calculates) {
        return failure(command + " takes no period options");
    }
    if (line.json && line.command != CommandLine::Command::Calc) {
        return failure(command + " takes no --json");
    }
    if (line.pdf && line.command != CommandLine::Command::Print) {
        return failure(command + " takes no --pdf");
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
