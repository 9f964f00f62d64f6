// Reading every file of employees without opening them, for `quillon-cli check`: which files
// cannot be read whole, and where. Nothing is written, except that an interrupted save is
// finished or discarded first, as opening would.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "records/fields.hpp"
#include "records/save.hpp"

namespace quillon {

struct CheckReport {
    Recovery recovery;               // what finishing an interrupted save found
    std::vector<FileError> damaged;  // one per file that cannot be read whole, by file name
    int filesRead = 0;               // files read whole
};

// The files of the named employees: each file of the employee that is there (a named employee
// must have his ".use"), his saved periods ("Name  date.prv"). With no names: every file of
// the folder that belongs to an employee or to the defaults, the federal table and the
// company heading. `held`: the program's own lock on the folder, when it holds one.
[[nodiscard]] CheckReport checkEmployeeFiles(const std::filesystem::path& folder,
                                             const std::vector<std::string>& names,
                                             const FolderLock* held = nullptr);

}  // namespace quillon
