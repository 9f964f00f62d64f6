// What quillon-cli and quillon-print share: today's date, the program's data folder, messages and
// JSON on the terminal, the working folder, a session started with an employee open, and the
// period calculated as `calc` calculates it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.hpp"
#include "session/session.hpp"

namespace quillon {

// Today as the week-ending box and the printouts show it: "1/4/2017".
[[nodiscard]] std::string todayText();
// The data folder beside the program's own folder (session/installation.hpp), found from
// /proc/self/exe or argv[0]: ../share/quillon, installed or in the build tree.
[[nodiscard]] std::filesystem::path dataFolder(const char* argv0);
// A message as the terminal shows it: its lines, and no control character but the line ends
// (nor a byte that is not UTF-8).
[[nodiscard]] std::string terminalText(const std::string& text);

// Standard error of one command: each message's text, one after the other, and each only once,
// however many steps of the command find the same thing (a damaged Federal16.dtt is found at
// start-up, at opening and by the calculation).
class Terminal {
  public:
    void tell(const Messages& messages);

  private:
    std::vector<std::string> told_;
};
// A JSON string: quotes, backslashes and control characters escaped.
[[nodiscard]] std::string jsonString(std::string_view text);

// The folder of --dir, or the current one. When it is no folder, the program says so on standard
// error ("quillon-cli: no such folder: ...") and the result is empty.
[[nodiscard]] std::optional<std::filesystem::path> workingFolder(const CommandLine& line,
                                                                 std::string_view program);
// The working folder's lock taken for the whole command (a second command on the folder waits
// for it), start-up in the folder, then the employee opened; every message on standard error.
// False when one of them failed.
[[nodiscard]] bool startAndOpen(Session& session, Terminal& terminal, const std::string& name);
// The period of the command line typed into the entry boxes (through their key filter), the
// options set, then the calculate button, which saves the employee's files, with --post the
// register too (calculateAndPost); every message on standard error. False when a box was
// refused or the calculation, the posting or the save failed.
[[nodiscard]] bool typeAndCalculate(Session& session, Terminal& terminal, const CommandLine& line);

// Where quillon-cli finds quillon-print, which it hands its print and export commands over to:
// beside itself, by an absolute path only. `self` is the program's own path as /proc/self/exe
// gives it (empty when that cannot be read), `argv0` what it was started as, `current` the
// folder it was started in. A bare name is never used: it would be looked up in the current
// folder, which is the data folder. No path: `problem` says where the program looked.
struct PrintProgramPath {
    std::optional<std::filesystem::path> path;
    std::string problem;
};
[[nodiscard]] PrintProgramPath printProgramPath(const std::filesystem::path& self,
                                                std::string_view argv0,
                                                const std::filesystem::path& current);

}  // namespace quillon
