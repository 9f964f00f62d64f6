// quillon-cli check: the employee files of the folder read whole, each one that cannot be named.
#include <cstring>
#include <filesystem>
#include <iostream>

#include "cli/commands.hpp"
#include "records/fields.hpp"
#include "records/save.hpp"
#include "session/check.hpp"

namespace quillon {

// The folder's lock is held throughout, so no save of another program is read half done.
int checkCommand(const std::filesystem::path& folder, const CommandLine& line) {
    const FolderLock lock(folder);
    if (!lock.ok()) {
        std::cerr << "quillon-cli: cannot open the folder " << quotedExcerpt(folder.string())
                  << ": " << std::strerror(lock.error()) << '\n';
        return 1;
    }
    CheckReport report = checkEmployeeFiles(folder, line.names, &lock);
    bool ok = report.damaged.empty();
    if (report.recovery.status.failed()) {
        std::cout << terminalText(report.recovery.status.error().describe()) << '\n';
        ok = false;
    } else if (report.recovery.found == Recovery::Found::Finished) {
        std::cerr << "quillon-cli: finished an interrupted save (" << report.recovery.files
                  << " files)\n";
    } else if (report.recovery.found == Recovery::Found::Discarded) {
        std::cerr << "quillon-cli: discarded an interrupted save that was not complete ("
                  << report.recovery.files << " files)\n";
    }
    for (const FileError& error : report.damaged) {
        std::cout << terminalText(error.describe()) << '\n';
    }
    std::cout.flush();
    return ok && std::cout ? 0 : 1;
}

}  // namespace quillon
