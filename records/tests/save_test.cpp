// Saving several files as one transaction, and what the next save or opening does with a save
// that was interrupted at each of its steps.
#include "records/save.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

#include "records/tests/file_text.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

using testing::contentOf;
using testing::writeText;

class SaveFolder : public ::testing::Test {
  public:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quillon-save-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const auto& [name, text] : oldFiles) {
            writeText(dir / name, text);
        }
    }
    void TearDown() override { fs::remove_all(dir); }

    // Every name in the folder with its content ("<folder>" for a folder).
    [[nodiscard]] std::map<std::string, std::string> folderContents() const {
        std::map<std::string, std::string> out;
        for (const auto& entry : fs::directory_iterator(dir)) {
            out[entry.path().filename().string()] =
                entry.is_directory() ? "<folder>" : contentOf(entry.path());
        }
        return out;
    }
    [[nodiscard]] std::vector<FileContent> newContents() const {
        std::vector<FileContent> files;
        for (const auto& [name, text] : newFiles) {
            files.push_back(FileContent{dir / name, text, true});
        }
        return files;
    }
    // A save interrupted after staging: the staged files, and the commit record if committed.
    void stage(const std::vector<std::string>& names, bool committed) const {
        const fs::path staging = dir / kStagingFolderName;
        fs::create_directories(staging);
        std::string record = "quillon save\n";
        for (const std::string& name : names) {
            writeText(staging / name, newFiles.at(name));
            record += name + "\n";
        }
        if (committed) {
            writeText(staging / "commit", record + "end\n");
        }
    }

    const std::map<std::string, std::string> oldFiles = {
        {"Smith.use", "old use\r\n"}, {"Smith.sta", "old sta\r\n"}, {"Smith.cti", "old cti\r\n"}};
    const std::map<std::string, std::string> newFiles = {{"Smith.use", "new use\r\n"},
                                                         {"Smith.sta", "new sta\r\n"},
                                                         {"Smith.cti", "new cti\r\n"},
                                                         {"Smith.hol", "new hol\r\n"}};
    fs::path dir;
};

TEST_F(SaveFolder, ReplacesEveryFileAndLeavesNothingElse) {
    ASSERT_FALSE(writeFiles(newContents()).failed());
    EXPECT_EQ(folderContents(), newFiles);
    EXPECT_EQ(finishInterruptedSave(dir).found, Recovery::Found::Nothing);
}

TEST_F(SaveFolder, AFileThatAlreadyHoldsItsContentIsNotRewritten) {
    ASSERT_FALSE(writeFiles(newContents()).failed());
    struct stat before {};
    ASSERT_EQ(::stat((dir / "Smith.sta").c_str(), &before), 0);
    std::vector<FileContent> again = newContents();
    for (FileContent& file : again) {
        if (file.file.filename() == "Smith.hol") {
            file.text = "newer hol\r\n";  // Smith.hol changes, the others do not
        }
    }
    ASSERT_FALSE(writeFiles(again).failed());
    struct stat after {};
    ASSERT_EQ(::stat((dir / "Smith.sta").c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);  // the same file, not a replacement
    EXPECT_EQ(contentOf(dir / "Smith.hol"), "newer hol\r\n");
}

TEST_F(SaveFolder, KeepsThePermissionsOfTheFilesItReplaces) {
    ::chmod((dir / "Smith.sta").c_str(), 0640);
    ASSERT_FALSE(writeFiles(newContents()).failed());
    struct stat info {};
    ASSERT_EQ(::stat((dir / "Smith.sta").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SaveFolder, AnythingThatCannotBeReplacedRefusesTheWholeSaveBeforeAnyWrite) {
    struct Case {
        const char* what;
        std::function<void(SaveFolder&, std::vector<FileContent>&)> arrange;
        const char* described;
    };
    const Case cases[] = {
        {"a folder in place of a file",
         [](SaveFolder& f, std::vector<FileContent>&) {
             fs::create_directory(f.dir / "Smith.hol");
         },
         "Smith.hol: a folder in place of the file"},
        {"a number that cannot be stored",
         [](SaveFolder&, std::vector<FileContent>& files) { files[2].storable = false; },
         "Smith.sta: a number that cannot be stored (not finite, or a billion or more)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        std::vector<FileContent> files = newContents();
        c.arrange(*this, files);
        const auto before = folderContents();
        auto error = writeFiles(files);
        ASSERT_TRUE(error.failed());
        EXPECT_EQ(error.error().describe(), c.described);
        EXPECT_EQ(folderContents(), before);
    }
}

// A save killed at each of its steps: before its commit record it leaves every file as it was,
// after it the renames are finished; either way no staged file remains.
TEST_F(SaveFolder, AnInterruptedSaveIsFinishedOrDiscardedAsItsCommitRecordSays) {
    struct Case {
        const char* moment;
        std::vector<std::string> staged;   // still in the staging folder
        std::vector<std::string> renamed;  // already in place
        bool committed;
        Recovery::Found found;
        bool allNew;
    };
    const std::vector<std::string> all = {"Smith.cti", "Smith.hol", "Smith.sta", "Smith.use"};
    const Case cases[] = {
        {"halfway through staging",
         {"Smith.cti", "Smith.hol"},
         {},
         false,
         Recovery::Found::Discarded,
         false},
        {"staged, not committed", all, {}, false, Recovery::Found::Discarded, false},
        {"committed, nothing renamed", all, {}, true, Recovery::Found::Finished, true},
        {"committed, two renamed",
         {"Smith.sta", "Smith.use"},
         {"Smith.cti", "Smith.hol"},
         true,
         Recovery::Found::Finished,
         true},
        {"committed, all renamed", {}, all, true, Recovery::Found::Finished, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moment);
        TearDown();
        SetUp();
        stage(c.staged, false);
        if (c.committed) {
            std::string record = "quillon save\n";
            for (const std::string& name : all) {
                record += name + "\n";
            }
            writeText(dir / kStagingFolderName / "commit", record + "end\n");
        }
        for (const std::string& name : c.renamed) {
            writeText(dir / name, newFiles.at(name));
        }
        Recovery recovery = finishInterruptedSave(dir);
        EXPECT_TRUE(recovery.status.ok());
        EXPECT_EQ(recovery.found, c.found);
        EXPECT_EQ(folderContents(), c.allNew ? newFiles : oldFiles);
    }
}

TEST_F(SaveFolder, ARecordThatIsNotCompleteOrNamesAnotherFolderIsDiscarded) {
    for (const char* record : {"quillon save\nSmith.use\n", "quillon save\n../Smith.use\nend\n",
                               "something else\nSmith.use\nend\n"}) {
        SCOPED_TRACE(record);
        TearDown();
        SetUp();
        stage({"Smith.use"}, false);
        writeText(dir / kStagingFolderName / "commit", record);
        EXPECT_EQ(finishInterruptedSave(dir).found, Recovery::Found::Discarded);
        EXPECT_EQ(folderContents(), oldFiles);
    }
}

TEST_F(SaveFolder, TheNextSaveFinishesAnInterruptedOneFirst) {
    stage({"Smith.use", "Smith.sta", "Smith.cti", "Smith.hol"}, true);
    std::vector<FileContent> next = {FileContent{dir / "Smith.use", "newest use\r\n", true}};
    ASSERT_FALSE(writeFiles(next).failed());
    std::map<std::string, std::string> expected = newFiles;
    expected["Smith.use"] = "newest use\r\n";
    EXPECT_EQ(folderContents(), expected);
}

// A file the operator made read-only is not replaced, although a rename could replace it; the
// superuser, who may write anything, is held to the file's write bits too.
TEST_F(SaveFolder, AReadOnlyFileRefusesTheWholeSave) {
    const struct {
        const char* what;
        mode_t mode;
        bool refused;
    } cases[] = {
        {"read-only for all", 0444, true},
        {"read-only for its owner alone", 0400, true},
        {"read and execute", 0555, true},
        {"writable by its owner", 0644, false},
        {"writable by its group only", 0464, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        ::chmod((dir / "Smith.sta").c_str(), c.mode);
        const auto before = folderContents();
        const Status status = writeFiles(newContents());
        if (c.refused) {
            ASSERT_TRUE(status.failed());
            EXPECT_EQ(status.error().describe(), "Smith.sta: the file is read-only");
            EXPECT_EQ(folderContents(), before);
        } else {
            EXPECT_TRUE(status.ok());
            EXPECT_EQ(folderContents(), newFiles);
        }
        struct stat info {};
        ASSERT_EQ(::stat((dir / "Smith.sta").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, c.mode);
    }
    // A read-only file that already holds its content needs no replacing: nothing is refused.
    TearDown();
    SetUp();
    writeText(dir / "Smith.sta", newFiles.at("Smith.sta"));
    ::chmod((dir / "Smith.sta").c_str(), 0444);
    EXPECT_TRUE(writeFiles(newContents()).ok());
    EXPECT_EQ(folderContents(), newFiles);
}

// What the program read of a file, against what is on disk when it saves: a file another program
// changed or created meanwhile refuses the whole save; one it removed is written again.
TEST_F(SaveFolder, AFileChangedSinceItWasReadRefusesTheWholeSave) {
    const struct {
        const char* what;
        std::optional<std::string> read;  // what the program read: nullopt for missing
        std::optional<std::string> now;   // on disk at the save: nullopt for removed
        bool refused;
    } cases[] = {
        {"unchanged", "old sta\r\n", "old sta\r\n", false},
        {"changed, same size", "old sta\r\n", "odd sta\r\n", true},
        {"changed, longer", "old sta\r\n", "old sta\r\n0\r\n", true},
        {"emptied", "old sta\r\n", "", true},
        {"created since it was found missing", std::nullopt, "other sta\r\n", true},
        {"still missing", std::nullopt, std::nullopt, false},
        {"removed since it was read", "old sta\r\n", std::nullopt, false},
        {"changed to what this save writes", "old sta\r\n", "new sta\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        std::vector<FileContent> files = newContents();
        for (FileContent& file : files) {
            if (file.file.filename() == "Smith.sta") {
                file.readAs = c.read ? Fingerprint::of(*c.read) : Fingerprint::missing();
            } else if (fs::exists(file.file)) {
                file.readAs = Fingerprint::of(contentOf(file.file));
            }
        }
        fs::remove(dir / "Smith.sta");
        if (c.now) {
            writeText(dir / "Smith.sta", *c.now);
        }
        const auto before = folderContents();
        const Status status = writeFiles(files);
        if (c.refused) {
            ASSERT_TRUE(status.failed());
            EXPECT_EQ(status.error().describe(),
                      "Smith.sta: another program changed the file after it was read here");
            EXPECT_EQ(folderContents(), before);
        } else {
            EXPECT_TRUE(status.ok()) << status.error().describe();
            EXPECT_EQ(folderContents(), newFiles);
        }
    }
}

TEST_F(SaveFolder, ASaveUsesTheLockTheProgramHolds) {
    std::optional<FolderLock> held;
    held.emplace(dir);
    ASSERT_TRUE(held->ok());
    EXPECT_TRUE(held->locks(dir / "."));
    EXPECT_FALSE(held->locks(dir.parent_path()));
    // Without the held lock handed over, this save would wait for itself forever.
    ASSERT_TRUE(writeFiles(newContents(), &*held).ok());
    EXPECT_EQ(folderContents(), newFiles);
    stage({"Smith.use"}, false);
    EXPECT_EQ(finishInterruptedSave(dir, &*held).found, Recovery::Found::Discarded);

    // Another process's save waits until the lock is let go, then goes ahead.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        held.reset();  // its copy of the descriptor; the parent's still holds the lock
        const bool saved = writeFiles({FileContent{dir / "Smith.hol", "child hol\r\n", true}}).ok();
        ::_exit(saved ? 0 : 1);
    }
    ::usleep(200 * 1000);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0);  // still waiting
    EXPECT_EQ(contentOf(dir / "Smith.hol"), "new hol\r\n");
    held.reset();
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(contentOf(dir / "Smith.hol"), "child hol\r\n");
}

// A file a library writes to a path of its own (the workbook) is made in the staging folder and
// renamed into place; killed halfway, it leaves only the staging folder, which the next save
// clears.
TEST_F(SaveFolder, AFileWrittenThroughTheStagingFolderIsReplacedWhole) {
    const fs::path book = dir / "Smith YTD.xlsx";
    writeText(book, "old book");
    ::chmod(book.c_str(), 0640);
    fs::path stagedAt;
    const Status written = writeFileThrough(book, [&](const fs::path& staged) -> Status {
        stagedAt = staged;
        writeText(staged, "new book");
        return Status::done();
    });
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(stagedAt, dir / kStagingFolderName / "Smith YTD.xlsx");
    EXPECT_EQ(contentOf(book), "new book");
    EXPECT_FALSE(fs::exists(dir / kStagingFolderName));
    struct stat info {};
    ASSERT_EQ(::stat(book.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // The library fails: nothing replaced, nothing left.
    const Status failed = writeFileThrough(book, [&](const fs::path& staged) -> Status {
        writeText(staged, "half a bo");
        return FileError{"Smith YTD.xlsx", 0, 0, "out of memory"};
    });
    EXPECT_TRUE(failed.failed());
    EXPECT_EQ(contentOf(book), "new book");
    EXPECT_FALSE(fs::exists(dir / kStagingFolderName));

    // Killed halfway: the half-written book stays in the staging folder only, and the next
    // save in the folder clears it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        (void)writeFileThrough(book, [&](const fs::path& staged) -> Status {
            writeText(staged, "half a bo");
            ::_exit(0);
        });
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(fs::exists(dir / kStagingFolderName / "Smith YTD.xlsx"));
    EXPECT_EQ(contentOf(book), "new book");
    ASSERT_TRUE(writeFiles({FileContent{dir / "Smith.hol", "new hol\r\n", true}}).ok());
    EXPECT_FALSE(fs::exists(dir / kStagingFolderName));
    EXPECT_EQ(contentOf(book), "new book");

    // A read-only book is refused before the library writes anything.
    ::chmod(book.c_str(), 0444);
    bool produced = false;
    const Status refused = writeFileThrough(book, [&](const fs::path&) -> Status {
        produced = true;
        return Status::done();
    });
    ASSERT_TRUE(refused.failed());
    EXPECT_EQ(refused.error().describe(), "Smith YTD.xlsx: the file is read-only");
    EXPECT_FALSE(produced);
}

}  // namespace
}  // namespace quillon
