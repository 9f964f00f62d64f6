// quillon-cli: new, calc, check, heading and register over the same session the windows use.
// Never asks questions. The printouts and the spreadsheet export run in quillon-print, which it
// hands over to. The commands are in files of their own (cli/commands.hpp).
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "cli/commands.hpp"
#include "cli/program.hpp"
#include "cli/summary_command.hpp"

int main(int argc, char** argv) {
    using namespace quillon;
    std::vector<std::string> args(argv + 1, argv + argc);
    ParseResult parsed = parseCommandLine(args);
    if (!parsed.commandLine) {
        std::cerr << "quillon-cli: " << parsed.error << '\n' << kUsage;
        return 2;
    }
    const CommandLine& line = *parsed.commandLine;
    if (runsInPrintProgram(line)) {
        return handOverToPrintProgram(argv);
    }

    const std::optional<std::filesystem::path> folder = workingFolder(line, "quillon-cli");
    if (!folder) {
        return 1;
    }
    if (line.command == CommandLine::Command::Check) {
        return checkCommand(*folder, line);
    }
    if (line.command == CommandLine::Command::Summary) {
        return summaryCommand(line, *folder, nullptr);
    }
    Terminal terminal;
    const CommandPlace place{*folder, dataFolder(argv[0]), terminal};
    switch (line.command) {
        case CommandLine::Command::Heading:
            return headingCommand(place, line);
        case CommandLine::Command::New:
            return newCommand(place, line);
        case CommandLine::Command::Register:
            return registerCommand(place, line);
        case CommandLine::Command::Period:
            return periodCommand(place, line);
        case CommandLine::Command::Vacation:
            return vacationCommand(place, line);
        case CommandLine::Command::Overtime:
            return overtimeCommand(place, line);
        case CommandLine::Command::Opening:
            return openingCommand(place, line);
        default:
            return calcCommand(place, line);
    }
}
