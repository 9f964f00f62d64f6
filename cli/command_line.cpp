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
        if (arg == "--dir" || arg == "--week-ending") {
            auto v = value();
            if (!v) {
                return failure(arg + " needs a value");
            }
            (arg == "--dir" ? line.dir : line.weekEnding) = *v;
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
    if (positional[0] == "check") {
        line.command = CommandLine::Command::Check;
        line.names.assign(positional.begin() + 1, positional.end());
    } else if (positional[0] == "new" || positional[0] == "calc") {
        line.command =
            positional[0] == "new" ? CommandLine::Command::New : CommandLine::Command::Calc;
        if (positional.size() != 2) {
            return failure("expected a command and a name");
        }
        line.name = positional[1];
    } else {
        return failure("unknown command " + quotedExcerpt(positional[0]));
    }
    bool calcOnly = line.ot2x || line.louisianaPrior || line.json || line.weekEnding;
    for (const std::string& text : line.entries) {
        calcOnly = calcOnly || !text.empty();
    }
    if (line.command != CommandLine::Command::Calc && calcOnly) {
        return failure(std::string(line.command == CommandLine::Command::New ? "new" : "check") +
                       " takes no period options");
    }
    return ParseResult{line, {}};
}

}  // namespace quillon
