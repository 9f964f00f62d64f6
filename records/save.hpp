// Saving several files of one folder as one transaction, and finishing or discarding a save that
// a killed process or a lost machine left behind.
//
// How a save goes: the new content of every file that changes is written into the staging
// folder ".quillon-save" beside the files and flushed to disk. Then the commit record
// ".quillon-save/commit", which lists those files, is written, flushed and renamed into place:
// from that moment the save counts as done. Each staged file is then renamed over its old
// file, the folder is flushed, and the staging folder is removed.
//
// Killed at any moment, a save leaves either no commit record, and then the staged files are
// thrown away and every file is as before the save, or a complete one, and then the renames it
// lists are finished and every file is as after the save. finishInterruptedSave does that; every
// save runs it first, and so do opening an employee and `quillon-cli check`. A save of a
// single file needs no commit record (one rename is all or nothing by itself).
//
// Saves and their recovery in one folder take a lock on the folder, so two programs saving in
// the same folder wait for each other instead of mixing their files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/fields.hpp"

namespace quillon {

// The new content of one file.
struct FileContent {
    std::filesystem::path file;
    std::string text;
    // False when the text holds a number the readers would refuse (FieldWriter::ok()).
    bool storable = true;
};

inline constexpr std::string_view kStagingFolderName = ".quillon-save";

// What finishInterruptedSave found in a folder.
struct Recovery {
    enum class Found { Nothing, Finished, Discarded };
    Found found = Found::Nothing;
    int files = 0;  // files renamed into place (Finished) or thrown away (Discarded)
    Status status;  // failed when something was left that could not be finished or removed
};

// Finishes a save that has its commit record, discards one that has none, and removes what was
// staged. A folder without a staging folder is left untouched (one look-up).
[[nodiscard]] Recovery finishInterruptedSave(const std::filesystem::path& folder);

// Replaces every file whose content changes, all of them or none. The files must lie in one
// folder; a file that already holds its content is not rewritten (nor flushed). A file that has
// a folder or anything but an ordinary file in its place, or content that is not storable,
// refuses the whole save before anything is written. A replacement keeps the permissions of the
// file it replaces.
Status writeFiles(const std::vector<FileContent>& files);

}  // namespace quillon
