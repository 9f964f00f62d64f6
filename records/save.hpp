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
// the same folder wait for each other instead of mixing their files. A program may hold the
// lock for longer (FolderLock): the command-line tool holds it from its first read to its last
// write, so that two commands on one folder run one after the other; its saves in that folder
// are then handed the lock they already hold.
//
// A save replaces no file that changed on disk since the program read it (FileContent::readAs),
// and none that the operator made read-only: either refuses the whole save before anything is
// written.
#pragma once

#include <filesystem>
#include <functional>
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
    // What the file held when the program last read or wrote it (missing when it was not there).
    // Given, the save is refused if the file on disk is no longer that: another program changed
    // it in between, and replacing it would silently undo that program's save.
    std::optional<Fingerprint> readAs = std::nullopt;
};

// The lock on a folder that saves in it take, held while this object lives. A lock held by
// this program is handed to the saves in that folder (writeFiles and the others below), which
// would otherwise wait for it forever.
class FolderLock {
  public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when the folder could not be opened; error() says why (an errno value).
    [[nodiscard]] bool ok() const { return fd_ >= 0; }
    [[nodiscard]] int error() const { return error_; }
    // True when this is the lock of that folder (the same folder under any name).
    [[nodiscard]] bool locks(const std::filesystem::path& folder) const;
    // Makes the renames and removals in the folder durable.
    void flush() const;

  private:
    int fd_ = -1;
    int error_ = 0;
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
// staged. A folder without a staging folder is left untouched (one look-up). `held`: the
// program's own lock, used when it is the folder's.
[[nodiscard]] Recovery finishInterruptedSave(const std::filesystem::path& folder,
                                             const FolderLock* held = nullptr);

// Replaces every file whose content changes, all of them or none. The files must lie in one
// folder; a file that already holds its content is not rewritten (nor flushed). The whole save
// is refused before anything is written when a file has a folder or anything but an ordinary
// file in its place, when its content is not storable, when it is read-only (no write
// permission, or none of its write bits set), or when it is no longer what readAs says. A
// replacement keeps the permissions of the file it replaces. `held`: the program's own lock,
// used when it is the folder's.
Status writeFiles(const std::vector<FileContent>& files, const FolderLock* held = nullptr);

// Writes one file whose content a library writes to a path of its own (the spreadsheet
// workbook): `produce` writes the content at the path it is given, inside the staging folder,
// and the finished file is flushed and renamed into place, as a save of one file is. Killed
// meanwhile, it leaves only the staging folder, which the next save in the folder clears. A file
// that could not be replaced (read-only, a folder in its place) is refused before `produce`
// runs.
Status writeFileThrough(const std::filesystem::path& file,
                        const std::function<Status(const std::filesystem::path& staged)>& produce,
                        const FolderLock* held = nullptr);

}  // namespace quillon
