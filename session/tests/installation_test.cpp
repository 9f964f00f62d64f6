// Where the programs find their data, and the folder the desktop program works in when it is not
// given one.
#include "session/installation.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

// A scratch folder with a started folder, a home with no Documents folder yet, and a data
// folder holding the shipped federal table.
class DesktopFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        top = fs::temp_directory_path() /
              ("quillon-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(top);
        started = top / "started";
        documents = top / "home/Documents";
        data = top / "share/quillon";
        own = documents / "Quillon 2016";
        fs::create_directories(started);
        fs::create_directories(data);
        fs::copy_file(testing::dataFolder() / "Federal16.dtt", data / "Federal16.dtt");
    }
    void TearDown() override { fs::remove_all(top); }

    fs::path top, started, documents, data, own;
};

TEST(DataFolder, LiesBesideTheProgramsFolder) {
    EXPECT_EQ(dataFolderBeside("/usr/bin"), fs::path("/usr/share/quillon"));
    EXPECT_EQ(dataFolderBeside("/opt/payroll/bin"), fs::path("/opt/payroll/share/quillon"));
    EXPECT_EQ(dataFolderBeside("/home/ann/quillon/build/release/app"),
              fs::path("/home/ann/quillon/build/release/share/quillon"));
    EXPECT_TRUE(dataFolderBeside("").empty());
}

// The running program's own folder, whatever argv[0] says and wherever it was started.
TEST(DataFolder, ProgramFolderIsTheRunningProgramsOwn) {
    const fs::path self = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(programFolder("session_installation_test"), self.parent_path());
    EXPECT_EQ(programFolder("/somewhere/else/quillon"), self.parent_path());
}

// The build tree has the installed layout: a program built in build/<preset>/<folder>/ finds the
// federal table and the guide in build/<preset>/share/quillon, copies of the source's.
TEST(DataFolder, TheBuildTreeKeepsTheDataWhereTheProgramsLookForIt) {
    const fs::path data = dataFolderBeside(programFolder(""));
    const fs::path source = QUILLON_SOURCE_DIR;
    EXPECT_EQ(contentOf(data / "Federal16.dtt"), contentOf(source / "data/Federal16.dtt"));
    EXPECT_EQ(contentOf(data / kHelpGuideFileName), contentOf(source / "ui/help/guide.html"));
    EXPECT_NE(fs::weakly_canonical(data), fs::weakly_canonical(source / "data"));
}

// A program that cannot tell where it is has no data folder: the federal table is then missing,
// and is never read from wherever the program happens to be started.
TEST_F(DesktopFolderTest, AnUnknownDataFolderIsNeverTheCurrentFolder) {
    writeFile(started / "Federal16.dtt", "a table planted where the program is started");
    const fs::path before = fs::current_path();
    fs::current_path(started);
    Session session(documents, "");
    fs::create_directories(documents);
    const Outcome outcome = session.startUp("12/30/2016");
    fs::current_path(before);
    ASSERT_EQ(outcome.messages.size(), 1U);
    EXPECT_EQ(outcome.messages[0].text, federalTableMissingMessage().text);
    EXPECT_TRUE(session.federal.FedTableVersion.empty());

    // With its data folder it reads the table there.
    Session installed(documents, data);
    EXPECT_TRUE(installed.startUp("12/30/2016").messages.empty());
    EXPECT_FALSE(installed.federal.FedTableVersion.empty());
}

TEST_F(DesktopFolderTest, OnlyANamedUseFileIsAnEmployee) {
    struct Case {
        const char* what;
        std::vector<std::string> files;
        std::vector<std::string> folders;
        bool holds;
    };
    const Case cases[] = {
        {"an empty folder", {}, {}, false},
        {"an employee", {"Smith.use"}, {}, true},
        {"an employee among others' files", {"Federal16.dtt", "Jones.use", "Jones.sta"}, {}, true},
        {"the default files only", {".use", ".and", ".sta", ".cti", ".nci"}, {}, false},
        {"the federal table and the heading", {"Federal16.dtt", "Header.sav"}, {}, false},
        {"an employee's other files without his .use", {"Smith.sta", "Smith.cti"}, {}, false},
        {"a folder named like an employee", {}, {"Smith.use"}, false},
        {"other endings", {"Smith.used", "Smith.use~", "Smith.USE"}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = top / "case";
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const std::string& name : c.files) {
            writeFile(folder / name, "");
        }
        for (const std::string& name : c.folders) {
            fs::create_directories(folder / name);
        }
        EXPECT_EQ(holdsEmployees(folder), c.holds);
    }
    EXPECT_FALSE(holdsEmployees(top / "no such folder"));
}

TEST_F(DesktopFolderTest, AFolderThatHoldsAnEmployeeIsTheWorkingFolder) {
    writeFile(started / "Smith.use", "");
    const DesktopFolder chosen = desktopWorkingFolder(started, documents, data);
    EXPECT_EQ(chosen.folder, started);
    EXPECT_FALSE(chosen.created);
    EXPECT_TRUE(chosen.status.ok());
    EXPECT_FALSE(fs::exists(documents)) << "nothing is made in the Documents folder";
}

TEST_F(DesktopFolderTest, TheFirstStartElsewhereMakesTheOwnFolderWithTheFederalTable) {
    writeFile(started / ".use", "");  // the default files hold no employee
    const DesktopFolder chosen = desktopWorkingFolder(started, documents, data);
    EXPECT_EQ(chosen.folder, own);
    EXPECT_TRUE(chosen.created);
    ASSERT_TRUE(chosen.status.ok()) << chosen.status.error().describe();
    EXPECT_EQ(contentOf(own / "Federal16.dtt"), contentOf(data / "Federal16.dtt"));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(own)) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"Federal16.dtt"}) << "nothing left beside it";

    // Started without a folder it could read (the current folder was removed).
    fs::remove_all(own);
    EXPECT_EQ(desktopWorkingFolder("", documents, data).folder, own);
    EXPECT_TRUE(fs::exists(own / "Federal16.dtt"));
}

TEST_F(DesktopFolderTest, TheOwnFolderIsTakenAsItIsOnLaterStarts) {
    fs::create_directories(own);
    writeFile(own / "Federal16.dtt", "the operator's own table");
    const DesktopFolder chosen = desktopWorkingFolder(started, documents, data);
    EXPECT_EQ(chosen.folder, own);
    EXPECT_FALSE(chosen.created);
    EXPECT_TRUE(chosen.status.ok());
    EXPECT_EQ(contentOf(own / "Federal16.dtt"), "the operator's own table");

    // One who deleted the table gets no new copy: it is read from the data folder.
    fs::remove(own / "Federal16.dtt");
    EXPECT_TRUE(desktopWorkingFolder(started, documents, data).status.ok());
    EXPECT_FALSE(fs::exists(own / "Federal16.dtt"));
}

TEST_F(DesktopFolderTest, WithoutATableInTheDataFolderTheFolderIsMadeEmpty) {
    fs::remove(data / "Federal16.dtt");
    const DesktopFolder chosen = desktopWorkingFolder(started, documents, data);
    EXPECT_TRUE(chosen.created);
    EXPECT_TRUE(chosen.status.ok());
    EXPECT_TRUE(fs::is_empty(own));
    EXPECT_TRUE(desktopWorkingFolder(started, documents, "").status.ok());
}

// A table that cannot be read leaves the new folder without one, and says so: the session then
// reads the data folder's.
TEST_F(DesktopFolderTest, ATableThatCannotBeCopiedIsReportedAndTheFolderStays) {
    fs::remove(data / "Federal16.dtt");
    fs::create_directories(data / "Federal16.dtt");
    const DesktopFolder chosen = desktopWorkingFolder(started, documents, data);
    EXPECT_EQ(chosen.folder, own);
    EXPECT_TRUE(chosen.created);
    ASSERT_TRUE(chosen.status.failed());
    EXPECT_TRUE(fs::is_directory(own));
    EXPECT_FALSE(fs::exists(own / "Federal16.dtt"));
    const Message message = desktopFolderFailedMessage(chosen);
    EXPECT_NE(message.text.find("could not be copied"), std::string::npos) << message.text;
}

// A folder that cannot be made is reported with the place and the reason, and nothing in its
// way is touched.
TEST_F(DesktopFolderTest, AFolderThatCannotBeMadeIsReported) {
    struct Case {
        const char* what;
        fs::path documents;
        std::string why;
    };
    fs::create_directories(documents);
    writeFile(own, "a file in the way");
    writeFile(top / "Papers", "a file where the Documents folder would be");
    const Case cases[] = {
        {"a file in its place", documents, "something that is not a folder is in its place"},
        {"a file in place of the Documents folder", top / "Papers", "cannot make the folder"},
        {"no Documents folder known", "", "there is no Documents folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DesktopFolder chosen = desktopWorkingFolder(started, c.documents, data);
        ASSERT_TRUE(chosen.status.failed());
        EXPECT_FALSE(chosen.created);
        EXPECT_NE(chosen.status.error().problem.find(c.why), std::string::npos)
            << chosen.status.error().problem;
        const Message message = desktopFolderFailedMessage(chosen);
        EXPECT_NE(message.text.find("could not be made"), std::string::npos) << message.text;
        EXPECT_NE(message.text.find("quillon FOLDER"), std::string::npos) << message.text;
    }
    EXPECT_EQ(contentOf(own), "a file in the way");
    EXPECT_EQ(contentOf(top / "Papers"), "a file where the Documents folder would be");
}

}  // namespace
}  // namespace quillon
