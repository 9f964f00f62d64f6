// The commands of quillon-cli, one function each in a file of its own; main.cpp parses the
// command line and hands it to one of them. Each returns the program's exit status: 0 done,
// 1 refused or failed (the messages on standard error), 2 a usage error.
#pragma once

#include <filesystem>

#include "cli/command_line.hpp"
#include "cli/program.hpp"

namespace quillon {

// Everything a command runs in: the working folder, the program's data folder, the terminal.
struct CommandPlace {
    std::filesystem::path folder;
    std::filesystem::path data;
    Terminal& terminal;
};

// `check`: one line per file that cannot be read whole; 0 when every file reads.
[[nodiscard]] int checkCommand(const std::filesystem::path& folder, const CommandLine& line);
// `heading`: the company heading of the folder, set from the options first when any is given.
[[nodiscard]] int headingCommand(const CommandPlace& place, const CommandLine& line);
// `new`: File > New with the name given.
[[nodiscard]] int newCommand(const CommandPlace& place, const CommandLine& line);
// `register`: the employee's register as the register window shows it after opening.
[[nodiscard]] int registerCommand(const CommandPlace& place, const CommandLine& line);
// `calc`: the period typed, calculated (and posted with --post), and the result area listed.
[[nodiscard]] int calcCommand(const CommandPlace& place, const CommandLine& line);
// `period`: a saved pay period as "Get Pay Period" shows it.
[[nodiscard]] int periodCommand(const CommandPlace& place, const CommandLine& line);
// `vacation`: the vacation, holiday and sick tracker, set and saved from the options, listed.
[[nodiscard]] int vacationCommand(const CommandPlace& place, const CommandLine& line);
// `overtime`: the overtime tracker typed from the options, then TOTAL or New Week, listed.
[[nodiscard]] int overtimeCommand(const CommandPlace& place, const CommandLine& line);
// `opening`: the opening balances typed into one register row and saved; the stored row printed.
[[nodiscard]] int openingCommand(const CommandPlace& place, const CommandLine& line);
// `print` and `export`: quillon-print, beside this program, run with the same arguments. Returns
// only when it cannot be started.
[[nodiscard]] int handOverToPrintProgram(char** argv);

// Results that did not reach their reader are a failure too (a full disk, a closed pipe): 0 when
// standard output took everything, else 1.
[[nodiscard]] int flushed();

}  // namespace quillon
