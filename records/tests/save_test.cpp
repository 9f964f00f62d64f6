// Saving several files as one transaction, and what the next save or opening does with a save
// that was interrupted at each of its steps.
#include "records/save.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>

namespace quillon {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

class SaveFolder : public ::testing::Test {
  public:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quillon-save-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (const auto& [name, text] : oldFiles) {
            put(dir / name, text);
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
            put(staging / name, newFiles.at(name));
            record += name + "\n";
        }
        if (committed) {
            put(staging / "commit", record + "end\n");
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
            put(dir / kStagingFolderName / "commit", record + "end\n");
        }
        for (const std::string& name : c.renamed) {
            put(dir / name, newFiles.at(name));
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
        put(dir / kStagingFolderName / "commit", record);
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

}  // namespace
}  // namespace quillon
