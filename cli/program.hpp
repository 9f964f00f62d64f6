// What quillon-cli and quillon-print share: today's date, the program's data folder, messages and
// JSON on the terminal, the working folder, a session started with an employee open, and the
// period calculated as `calc` calculates it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "cli/command_line.hpp"
#include "session/session.hpp"

namespace quillon {

// Today as the week-ending box and the printouts show it: "1/4/2017".
[[nodiscard]] std::string todayText();
// The data folder beside the program's own folder (session/installation.hpp), found from
// /proc/self/exe or argv[0]: ../share/quillon, installed or in the build tree.
[[nodiscard]] std::filesystem::path dataFolder(const char* argv0);
// A message as the terminal shows it: its lines, and no control character but the line ends.
[[nodiscard]] std::string terminalText(const std::string& text);
// Each message's text on standard error, one after the other.
void printMessages(const Messages& messages);
// A JSON string: quotes, backslashes and control characters escaped.
[[nodiscard]] std::string jsonString(std::string_view text);

// The folder of --dir, or the current one. When it is no folder, the program says so on standard
// error ("quillon-cli: no such folder: ...") and the result is empty.
[[nodiscard]] std::optional<std::filesystem::path> workingFolder(const CommandLine& line,
                                                                 std::string_view program);
// Start-up in the session's folder, then the employee opened; every message on standard error.
// False when either failed.
[[nodiscard]] bool startAndOpen(Session& session, const std::string& name);
// The period of the command line typed into the entry boxes (through their key filter), the
// options set, then the calculate button, which saves the employee's files; every message on
// standard error. False when a box was refused or the calculation failed.
[[nodiscard]] bool typeAndCalculate(Session& session, const CommandLine& line);

}  // namespace quillon
