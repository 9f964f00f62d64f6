// quillon-cli print and export: handed over to quillon-print, which links the page renderer and
// the spreadsheet library.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "records/fields.hpp"

namespace quillon {
namespace {

constexpr const char* kPrintProgram = "quillon-print";

}  // namespace

// quillon-print is started by its absolute path only, never by a bare name that the current
// folder could answer.
int handOverToPrintProgram(char** argv) {
    std::error_code noSelf;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", noSelf);
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    const PrintProgramPath found =
        printProgramPath(noSelf ? std::filesystem::path() : self, argv[0], current);
    if (!found.path) {
        std::cerr << "quillon-cli: " << terminalText(found.problem) << '\n';
        return 1;
    }
    const std::filesystem::path& program = *found.path;
    if (!std::filesystem::is_regular_file(program, ec)) {
        std::cerr << "quillon-cli: " << kPrintProgram << " is missing: it writes the printouts "
                  << "and the spreadsheet export, and belongs beside quillon-cli at "
                  << quotedExcerpt(program.string(), 200) << ".\n";
        return 1;
    }
    const std::string path = program.string();
    std::vector<char*> arguments;
    arguments.push_back(const_cast<char*>(path.c_str()));
    for (char** arg = argv + 1; *arg != nullptr; ++arg) {
        arguments.push_back(*arg);
    }
    arguments.push_back(nullptr);
    ::execv(path.c_str(), arguments.data());
    std::cerr << "quillon-cli: cannot start " << quotedExcerpt(path, 200) << ": "
              << std::strerror(errno) << '\n';
    return 1;
}

}  // namespace quillon
