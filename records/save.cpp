// Saving files as one transaction: the staging folder, the commit record, the renames, and the
// recovery of a save that was interrupted.
#include "records/save.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace quillon {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCommitRecord = "commit";
constexpr const char* kCommitRecordBeingWritten = "commit.new";
constexpr const char* kCommitFirstLine = "quillon save";
constexpr const char* kCommitLastLine = "end";

std::string nameOf(const fs::path& file) {
    return file.filename().string();
}

fs::path folderOf(const fs::path& file) {
    fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

FileError writeError(const std::string& fileName, int error) {
    return FileError{fileName, 0, 0, std::string("cannot write: ") + std::strerror(error)};
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes a new file and flushes it to disk; 0 or the error number.
int writeDurably(const fs::path& file, std::string_view content, std::optional<mode_t> mode) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno;
    }
    if (mode) {
        ::fchmod(fd, *mode & 07777);
    }
    if (!writeAll(fd, content) || ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

// The lock in use for a save in `folder`: the program's own when it is that folder's, else one
// taken for the save.
class LockInUse {
  public:
    LockInUse(const fs::path& folder, const FolderLock* held) {
        if (held != nullptr && held->locks(folder)) {
            lock_ = held;
        } else {
            own_.emplace(folder);
            lock_ = &*own_;
        }
    }
    [[nodiscard]] const FolderLock& operator*() const { return *lock_; }
    [[nodiscard]] const FolderLock* operator->() const { return lock_; }

  private:
    std::optional<FolderLock> own_;
    const FolderLock* lock_ = nullptr;
};

void flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The bytes of an ordinary file, or nothing when it cannot be read.
std::optional<std::string> bytesOf(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string held(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == held.size()) {
            held.resize(held.size() + 4096);  // the file grew
        }
        const ssize_t n = ::read(fd, held.data() + got, held.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    held.resize(got);
    return held;
}

// A file the operator has made read-only is not replaced, although a rename would replace it:
// no write permission for this program, or (as the superuser has every permission) none of
// its write bits set.
bool readOnly(const fs::path& path, const struct stat& target) {
    if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    return ::access(path.c_str(), W_OK) != 0 &&
           (errno == EACCES || errno == EPERM || errno == EROFS);
}

FileError changedMeanwhile(const std::string& name) {
    return FileError{name, 0, 0, "another program changed the file after it was read here"};
}

FileError readOnlyError(const std::string& name) {
    return FileError{name, 0, 0, "the file is read-only"};
}

// A name a commit record may list: one file of the folder, nothing that leads elsewhere.
bool plainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
}

// The files a complete commit record lists; nullopt when there is no record or it is not one.
std::optional<std::vector<std::string>> readCommitRecord(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    if (lines.size() < 2 || lines.front() != kCommitFirstLine || lines.back() != kCommitLastLine) {
        return std::nullopt;
    }
    std::vector<std::string> names(lines.begin() + 1, lines.end() - 1);
    for (const std::string& name : names) {
        if (!plainFileName(name)) {
            return std::nullopt;
        }
    }
    return names;
}

Recovery recoverLocked(const fs::path& folder, const FolderLock& lock) {
    Recovery recovery;
    const fs::path staging = folder / kStagingFolderName;
    struct stat info {};
    if (::lstat(staging.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            recovery.status = FileError{std::string(kStagingFolderName), 0, 0,
                                        std::string("cannot look at it: ") + std::strerror(errno)};
        }
        return recovery;
    }
    if (S_ISDIR(info.st_mode)) {
        if (auto committed = readCommitRecord(staging / kCommitRecord)) {
            for (const std::string& name : *committed) {
                const fs::path staged = staging / name;
                struct stat stagedInfo {};
                if (::lstat(staged.c_str(), &stagedInfo) != 0) {
                    continue;  // renamed into place before the save was interrupted
                }
                if (::rename(staged.c_str(), (folder / name).c_str()) != 0) {
                    recovery.status = FileError{
                        name, 0, 0,
                        std::string("cannot finish an interrupted save: ") + std::strerror(errno)};
                    return recovery;
                }
                ++recovery.files;
            }
            lock.flush();
            recovery.found = Recovery::Found::Finished;
        } else {
            std::error_code ec;
            for (const auto& entry : fs::directory_iterator(staging, ec)) {
                if (entry.path().filename() != kCommitRecordBeingWritten) {
                    ++recovery.files;
                }
            }
            if (recovery.files > 0) {
                recovery.found = Recovery::Found::Discarded;
            }
        }
    }
    std::error_code ec;
    fs::remove_all(staging, ec);
    if (ec) {
        recovery.status =
            FileError{std::string(kStagingFolderName), 0, 0, "cannot remove it: " + ec.message()};
    }
    return recovery;
}

struct Pending {
    std::string name;
    const std::string* text = nullptr;
    std::optional<mode_t> mode;  // of the file it replaces
};

}  // namespace

FolderLock::FolderLock(const fs::path& folder)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // closing releases the lock
    }
}

bool FolderLock::locks(const fs::path& folder) const {
    struct stat mine {};
    struct stat other {};
    return fd_ >= 0 && ::fstat(fd_, &mine) == 0 && ::stat(folder.c_str(), &other) == 0 &&
           mine.st_dev == other.st_dev && mine.st_ino == other.st_ino;
}

// A file system that cannot flush a folder loses nothing by it that a rename had not already
// put in place.
void FolderLock::flush() const {
    ::fsync(fd_);
}

Recovery finishInterruptedSave(const fs::path& folder, const FolderLock* held) {
    struct stat info {};
    const fs::path staging = folder / kStagingFolderName;
    if (::lstat(staging.c_str(), &info) != 0 && errno == ENOENT) {
        return {};  // the usual case: nothing was left behind
    }
    const LockInUse lock(folder, held);
    if (!lock->ok()) {
        Recovery failed;
        failed.status =
            FileError{std::string(kStagingFolderName), 0, 0,
                      std::string("cannot open the folder: ") + std::strerror(lock->error())};
        return failed;
    }
    return recoverLocked(folder, *lock);
}

Status writeFiles(const std::vector<FileContent>& files, const FolderLock* held) {
    if (files.empty()) {
        return Status::done();
    }
    const fs::path folder = folderOf(files.front().file);
    // The files in the order given, the last content given for a name counting.
    std::vector<const FileContent*> unique;
    for (const FileContent& content : files) {
        if (folderOf(content.file) != folder) {
            return FileError{nameOf(content.file), 0, 0, "not in the folder of the other files"};
        }
        if (!content.storable) {
            return FileError{nameOf(content.file), 0, 0,
                             "a number that cannot be stored (not finite, or a billion or more)"};
        }
        bool replaced = false;
        for (const FileContent*& earlier : unique) {
            if (nameOf(earlier->file) == nameOf(content.file)) {
                earlier = &content;
                replaced = true;
            }
        }
        if (!replaced) {
            unique.push_back(&content);
        }
    }

    const LockInUse lock(folder, held);
    if (!lock->ok()) {
        return writeError(nameOf(files.front().file), lock->error());
    }
    if (Recovery recovery = recoverLocked(folder, *lock); recovery.status.failed()) {
        FileError error = recovery.status.error();
        error.problem = "an earlier save could not be finished: " + error.problem;
        return error;
    }

    std::vector<Pending> changed;
    for (const FileContent* content : unique) {
        const std::string name = nameOf(content->file);
        struct stat old {};
        if (::lstat(content->file.c_str(), &old) != 0) {
            if (errno != ENOENT) {
                return writeError(name, errno);
            }
            // Removed since it was read (by the operator, say): writing it again undoes no save.
            changed.push_back(Pending{name, &content->text, std::nullopt});
            continue;
        }
        if (S_ISDIR(old.st_mode)) {
            return FileError{name, 0, 0, "a folder in place of the file"};
        }
        if (!S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) {
            return FileError{name, 0, 0, "not an ordinary file"};
        }
        const std::optional<std::string> bytes = bytesOf(content->file);
        if (bytes && *bytes == content->text) {
            continue;  // it already holds its content: nothing to write, nothing to undo
        }
        if (content->readAs && (!bytes || Fingerprint::of(*bytes) != *content->readAs)) {
            return changedMeanwhile(name);
        }
        std::optional<mode_t> mode;
        if (struct stat target{}; ::stat(content->file.c_str(), &target) == 0) {
            if (readOnly(content->file, target)) {
                return readOnlyError(name);
            }
            mode = target.st_mode;
        }
        changed.push_back(Pending{name, &content->text, mode});
    }
    if (changed.empty()) {
        return Status::done();
    }

    const fs::path staging = folder / kStagingFolderName;
    if (::mkdir(staging.c_str(), 0777) != 0) {
        return writeError(changed.front().name, errno);
    }
    auto abandon = [&](FileError error) {
        std::error_code ec;
        fs::remove_all(staging, ec);
        return error;
    };
    for (const Pending& file : changed) {
        if (int error = writeDurably(staging / file.name, *file.text, file.mode)) {
            return abandon(writeError(file.name, error));
        }
    }
    const bool several = changed.size() > 1;
    if (several) {
        std::string record = std::string(kCommitFirstLine) + "\n";
        for (const Pending& file : changed) {
            record += file.name + "\n";
        }
        record += std::string(kCommitLastLine) + "\n";
        const fs::path beingWritten = staging / kCommitRecordBeingWritten;
        if (int error = writeDurably(beingWritten, record, std::nullopt)) {
            return abandon(writeError(changed.front().name, error));
        }
        flushFolder(staging);  // every staged file is on disk under its name
        if (::rename(beingWritten.c_str(), (staging / kCommitRecord).c_str()) != 0) {
            return abandon(writeError(changed.front().name, errno));
        }
        flushFolder(staging);  // the save is committed
    }
    for (const Pending& file : changed) {
        if (::rename((staging / file.name).c_str(), (folder / file.name).c_str()) != 0) {
            const int error = errno;
            if (!several) {
                return abandon(writeError(file.name, error));
            }
            // Committed: the next save or opening in the folder finishes the renames.
            return FileError{file.name, 0, 0,
                             std::string("cannot write: ") + std::strerror(error) +
                                 "; the save is finished the next time the folder is opened"};
        }
    }
    lock->flush();
    // What is left is the empty staging folder and the record; an interruption from here on
    // leaves nothing the next recovery would change.
    ::unlink((staging / kCommitRecord).c_str());
    ::rmdir(staging.c_str());
    return Status::done();
}

Status writeFileThrough(const fs::path& file,
                        const std::function<Status(const fs::path& staged)>& produce,
                        const FolderLock* held) {
    const fs::path folder = folderOf(file);
    const std::string name = nameOf(file);
    const LockInUse lock(folder, held);
    if (!lock->ok()) {
        return writeError(name, lock->error());
    }
    if (Recovery recovery = recoverLocked(folder, *lock); recovery.status.failed()) {
        FileError error = recovery.status.error();
        error.problem = "an earlier save could not be finished: " + error.problem;
        return error;
    }
    std::optional<mode_t> mode;
    if (struct stat old{}; ::lstat(file.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            return FileError{name, 0, 0, "a folder in place of the file"};
        }
        if (!S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) {
            return FileError{name, 0, 0, "not an ordinary file"};
        }
        if (struct stat target{}; ::stat(file.c_str(), &target) == 0) {
            if (readOnly(file, target)) {
                return readOnlyError(name);
            }
            mode = target.st_mode;
        }
    } else if (errno != ENOENT) {
        return writeError(name, errno);
    }

    const fs::path staging = folder / kStagingFolderName;
    if (::mkdir(staging.c_str(), 0777) != 0) {
        return writeError(name, errno);
    }
    auto abandon = [&](Status status) {
        std::error_code ec;
        fs::remove_all(staging, ec);
        return status;
    };
    const fs::path staged = staging / name;
    if (Status produced = produce(staged); produced.failed()) {
        return abandon(produced);
    }
    // Flushed to disk under its name, with the permissions of the file it replaces.
    const int fd = ::open(staged.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return abandon(writeError(name, errno));
    }
    if (mode) {
        ::fchmod(fd, *mode & 07777);
    }
    const int flushed = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (flushed != 0) {
        return abandon(writeError(name, flushed));
    }
    if (::rename(staged.c_str(), file.c_str()) != 0) {
        return abandon(writeError(name, errno));
    }
    lock->flush();
    ::rmdir(staging.c_str());
    return Status::done();
}

Status writeFileAtomically(const fs::path& path, std::string_view content, std::string fileName,
                           const FolderLock* held) {
    Status written = writeFiles({FileContent{path, std::string(content), true}}, held);
    if (written.failed()) {
        FileError error = written.error();
        error.file = std::move(fileName);
        return error;
    }
    return written;
}

}  // namespace quillon
