// The command line of quillon-cli, parsed into what the session is asked to do.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

struct CommandLine {
    enum class Command { New, Calc, Check };
    Command command = Command::Calc;
    std::string name;                // new and calc
    std::vector<std::string> names;  // check: the employees, none for every one in the folder
    std::optional<std::string> dir;
    // The eight entry boxes as typed; boxes not given stay empty.
    std::array<std::string, 8> entries{};
    bool ot2x = false;
    bool louisianaPrior = false;
    std::optional<std::string> weekEnding;
    bool json = false;
};

struct ParseResult {
    std::optional<CommandLine> commandLine;
    std::string error;  // set when commandLine is empty
};

[[nodiscard]] ParseResult parseCommandLine(const std::vector<std::string>& args);

inline constexpr const char* kUsage =
    "usage: quillon-cli [--dir DIR] new NAME\n"
    "       quillon-cli [--dir DIR] calc NAME [--hours1 T] [--hours2 T] [--ot T] [--ot2x]\n"
    "                   [--ot15 T] [--holiday T] [--vacation T] [--dollars T] [--tips T]\n"
    "                   [--week-ending T] [--louisiana-prior] [--json]\n"
    "       quillon-cli [--dir DIR] check [NAME...]\n";

}  // namespace quillon
