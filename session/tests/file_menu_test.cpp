// New, Open, Save and Exit with their questions answered beforehand, as the windows and the
// command-line tool run them; the save-user dialog's texts, its name box and its "&Save".
#include "session/file_menu.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>

#include "session/entry_keys.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;

class FileMenu : public WorkingFolder {
  protected:
    // Every file of the working folder with its text.
    [[nodiscard]] std::map<std::string, std::string> folderContents() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            files[entry.path().filename().string()] = read(entry.path().filename().string());
        }
        return files;
    }
};

// Answers given beforehand, in order; every question asked is written down as one line.
class Script : public Questions {
  public:
    explicit Script(Session& s) : session(s) {}

    bool askYesNo(const Message& question) override {
        asked.push_back(question.title + ": " + question.text);
        bool answer = yes.front();
        yes.pop_front();
        return answer;
    }
    std::optional<std::string> askText(const TextQuestion& question) override {
        asked.push_back(question.title + ": " + question.prompt);
        auto answer = texts.front();
        texts.pop_front();
        return answer;
    }
    std::optional<std::filesystem::path> askFile(const FileQuestion& question) override {
        asked.push_back(question.filter + " in " + question.folder.string());
        auto answer = files.front();
        files.pop_front();
        return answer;
    }
    // Types the scripted name into the box and presses the scripted button.
    SaveUserEnd showSaveUser(SaveUserDialog& dialog) override {
        asked.push_back(dialog.caption + ": " + dialog.txtUser.text);
        auto [end, name] = saveUser.front();
        saveUser.pop_front();
        if (end != SaveUserEnd::Saved) {
            return end;
        }
        dialog.txtUser.text = name;
        Outcome saved = saveUserDialogSave(session, dialog, *this);
        EXPECT_TRUE(saved.ok);
        return SaveUserEnd::Saved;
    }

    Session& session;
    std::vector<std::string> asked;
    std::deque<bool> yes;
    std::deque<std::optional<std::string>> texts;
    std::deque<std::optional<std::filesystem::path>> files;
    std::deque<std::pair<SaveUserEnd, std::string>> saveUser;
};

TEST(SaveUserDialog, TextsAndTheNameBoxTakingTheOpenEmployee) {
    const SaveUserDialog designed;
    EXPECT_EQ(designed.caption, "Save User");
    EXPECT_EQ(designed.lbLine1.caption, "Before opening a user file,");
    EXPECT_EQ(designed.lbLine2.caption, "Do you want to save this user?");
    EXPECT_EQ(designed.txtUser.text, "TYPE NAME");
    EXPECT_EQ(designed.txtUserToolTip, "File that is already opened.");
    EXPECT_EQ(designed.cmdSave, "&Save");
    EXPECT_EQ(designed.cmdNo, "&No");
    EXPECT_EQ(designed.cmdQuit, "&Quit");
    EXPECT_EQ(SaveUserDialog("Smith").txtUser.text, "Smith");
}

TEST_F(FileMenu, NewAsksBothQuestionsAndCreatesTheEmployee) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    Script script(s);
    script.yes = {true};
    script.saveUser = {{SaveUserEnd::Saved, "Smith"}};
    script.texts = {"Jones"};

    WorkflowEnd end = fileNew(s, script);
    EXPECT_TRUE(end.outcome.ok);
    EXPECT_FALSE(end.endProgram);
    const std::vector<std::string> expected = {"Save?: ........SAVE PREVIOUS USER?",
                                               "Save User: Smith", "File New: Enter new user:"};
    EXPECT_EQ(script.asked, expected);
    EXPECT_EQ(s.UserFile, "Jones");
    EXPECT_EQ(s.main.caption, "Jones  User:  ");
    EXPECT_EQ(s.main.lbUser.caption, "Jones");
    for (const char* name : {"Jones.use", "Jones.sta", "Jones.cti", "Jones.nci", "Jones.hol"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(exists(name));
    }
}

TEST_F(FileMenu, NewWithAnExistingNameShowsOnlyTheMessage) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    ASSERT_TRUE(s.newEmployee("Jones").ok);
    const std::string before = read("Smith.use");
    Script script(s);
    script.yes = {false};
    script.texts = {"Smith"};

    WorkflowEnd end = fileNew(s, script);
    EXPECT_FALSE(end.outcome.ok);
    ASSERT_EQ(end.outcome.messages.size(), 1u);
    EXPECT_EQ(end.outcome.messages[0].text, "Smith........ already exists. Use Open");
    EXPECT_EQ(s.UserFile, "Jones");
    EXPECT_EQ(s.main.caption, "Jones  User:  ");
    EXPECT_EQ(read("Smith.use"), before);
}

TEST_F(FileMenu, NewWithTheNamePromptCancelledChangesNothing) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    s.main.txtAmount[0].text = "40";
    const auto filesBefore = folderContents();
    Script script(s);
    script.yes = {false};
    script.texts = {std::nullopt};

    WorkflowEnd end = fileNew(s, script);
    EXPECT_TRUE(end.outcome.ok);
    EXPECT_TRUE(end.outcome.messages.empty());
    EXPECT_EQ(s.UserFile, "Smith");
    EXPECT_EQ(s.main.txtAmount[0].text, "40");
    // No file is written for a cancelled prompt, the default files included.
    EXPECT_EQ(folderContents(), filesBefore);
}

TEST_F(FileMenu, QuitInTheSaveUserDialogEndsTheProgramWithoutSaving) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    const std::string before = read("Smith.use");
    s.profile.HourRate = 99;

    struct Case {
        const char* menu;
        WorkflowEnd (*workflow)(Session&, Questions&);
        bool asksFirst;
    };
    for (const Case& c : {Case{"New", fileNew, true}, Case{"Open", fileOpen, false},
                          Case{"Save", fileSave, false}, Case{"Exit", fileExit, true}}) {
        SCOPED_TRACE(c.menu);
        Script script(s);
        if (c.asksFirst) {
            script.yes = {true};
        }
        script.saveUser = {{SaveUserEnd::Quit, ""}};
        WorkflowEnd end = c.workflow(s, script);
        EXPECT_TRUE(end.endProgram);
        EXPECT_EQ(script.asked.back(), "Save User: Smith");  // nothing asked after "&Quit"
        EXPECT_EQ(read("Smith.use"), before);
    }
}

TEST_F(FileMenu, ExitAsksToSaveAndEndsWhateverTheAnswer) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    {
        Script script(s);
        script.yes = {false};
        WorkflowEnd end = fileExit(s, script);
        EXPECT_TRUE(end.endProgram);
        EXPECT_EQ(script.asked, std::vector<std::string>{"Save?:      SAVE USER'S SETTINGS?"});
    }
    {
        std::filesystem::remove(dir / "Smith.hol");
        Script script(s);
        script.yes = {true};
        script.saveUser = {{SaveUserEnd::Saved, "Smith"}};
        WorkflowEnd end = fileExit(s, script);
        EXPECT_TRUE(end.endProgram);
        EXPECT_EQ(script.asked.size(), 2u);
        EXPECT_TRUE(exists("Smith.hol"));  // saved before the end
    }
}

TEST_F(FileMenu, SaveUnderANewNameWritesEveryFileAndRenamesTheWindow) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    SaveUserDialog dialog(s.UserFile);
    dialog.txtUser.text = "Smith Copy";
    Script script(s);  // no question: nobody has files under the new name
    ASSERT_TRUE(saveUserDialogSave(s, dialog, script).ok);
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(s.UserFile, "Smith Copy");
    EXPECT_EQ(s.main.caption, "Smith Copy  User:  ");
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci", ".hol"}) {
        SCOPED_TRACE(ext);
        EXPECT_EQ(read(std::string("Smith Copy") + ext), read(std::string("Smith") + ext));
    }

    dialog.txtUser.text = "a/b";
    Outcome refused = saveUserDialogSave(s, dialog, script);
    EXPECT_FALSE(refused.ok);
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(s.UserFile, "Smith Copy");
}

// File > Save under the name of another employee who has files in the folder asks before his
// files are replaced; No changes nothing.
TEST_F(FileMenu, SavingUnderAnotherEmployeesNameAsksFirst) {
    {
        Session other = startedSession();
        ASSERT_TRUE(other.newEmployee("Employee2").ok);
        other.profile.HourRate = 21.5f;  // his own settings, which the question protects
        ASSERT_TRUE(other.saveAction("Employee2").ok);
        ASSERT_TRUE(other.newEmployee("Smith").ok);
    }
    const struct {
        const char* what;
        const char* name;
        std::vector<const char*> hisFiles;  // left in the folder before the save
        std::optional<bool> answer;         // nullopt: no question
        bool saved;
    } cases[] = {
        {"No keeps his files", "Employee2", {}, false, false},
        {"Yes replaces them", "Employee2", {}, true, true},
        {"a register is files too", "Carter", {"Carter.yrw"}, false, false},
        {"a stray state file too", "Dunn", {"Dunn.sta"}, true, true},
        {"nobody of that name", "Evans", {}, std::nullopt, true},
        {"the open employee himself", "Smith", {}, std::nullopt, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* file : c.hisFiles) {
            write(file, "his\r\n");
        }
        Session s = startedSession();
        ASSERT_TRUE(s.openEmployee("Smith").ok);
        const auto before = folderContents();
        SaveUserDialog dialog(s.UserFile);
        dialog.txtUser.text = c.name;
        Script script(s);
        if (c.answer) {
            script.yes = {*c.answer};
        }
        Outcome saved = saveUserDialogSave(s, dialog, script);
        EXPECT_EQ(saved.ok, c.saved);
        if (c.answer) {
            ASSERT_EQ(script.asked.size(), 1u);
            EXPECT_EQ(script.asked[0], std::string("Save User: ") + c.name +
                                           " already has files in this folder. Replace them with "
                                           "the open employee's settings?");
            EXPECT_TRUE(replaceEmployeeQuestion(c.name).noByDefault);
        } else {
            EXPECT_TRUE(script.asked.empty());
        }
        if (!c.saved) {
            EXPECT_TRUE(saved.messages.empty());  // the dialog stays open, nothing to tell
            EXPECT_EQ(folderContents(), before);  // byte for byte
            EXPECT_EQ(s.UserFile, "Smith");
        } else {
            EXPECT_EQ(s.UserFile, c.name);
            EXPECT_EQ(read(std::string(c.name) + ".use"), read("Smith.use"));
        }
    }
}

class FileMenuOpen : public WorkingFolder {
  protected:
    void SetUp() override {
        WorkingFolder::SetUp();
        other = dir / "other";
        std::filesystem::create_directories(other);
        Session maker(other, testing::dataFolder());
        maker.startUp("12/30/2016");
        ASSERT_TRUE(maker.newEmployee("Brown").ok);
    }
    std::filesystem::path other;
};

TEST_F(FileMenuOpen, OpenMovesTheWorkingFolderToTheChosenFile) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    Script script(s);
    script.saveUser = {{SaveUserEnd::No, ""}};
    script.files = {other / "Brown.use"};

    WorkflowEnd end = fileOpen(s, script);
    EXPECT_TRUE(end.outcome.ok);
    const std::vector<std::string> expected = {"Save User: Smith",
                                               "Saved Files (*.use) in " + dir.string()};
    EXPECT_EQ(script.asked, expected);
    EXPECT_EQ(s.folder, other);
    EXPECT_EQ(s.UserFile, "Brown");
    EXPECT_EQ(s.main.caption, "Brown  User:  ");
}

TEST_F(FileMenuOpen, OpenCancelledOrRefusedChangesNothing) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    std::filesystem::copy_file(other / "Brown.sta", other / "Brown.txt");
    const struct {
        std::optional<std::filesystem::path> chosen;
        std::size_t messages;
    } cases[] = {{std::nullopt, 0}, {other / "Brown.txt", 1}, {other / "Gray.use", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen ? c.chosen->string() : "cancelled");
        Script script(s);
        script.saveUser = {{SaveUserEnd::No, ""}};
        script.files = {c.chosen};
        WorkflowEnd end = fileOpen(s, script);
        EXPECT_EQ(end.outcome.messages.size(), c.messages);
        EXPECT_FALSE(end.endProgram);
        EXPECT_EQ(s.folder, dir);
        EXPECT_EQ(s.UserFile, "Smith");
        EXPECT_EQ(s.main.caption, "Smith  User:  ");
    }
}

TEST(EntryKeys, EnterWrapsAndTheArrowsStopAtTheEnds) {
    const struct {
        int box;
        EntryKey key;
        std::optional<int> next;
    } cases[] = {
        {0, EntryKey::Enter, 1},         {6, EntryKey::Enter, 7},           {7, EntryKey::Enter, 0},
        {0, EntryKey::Down, 1},          {7, EntryKey::Down, std::nullopt}, {3, EntryKey::Up, 2},
        {0, EntryKey::Up, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        EXPECT_EQ(entryBoxAfterKey(c.box, c.key), c.next);
    }
}

TEST(ProgramTexts, AboutAndTheWindowsStillToCome) {
    Message about = aboutMessage("2016.1");
    EXPECT_EQ(about.text.rfind("Quillon 2016\r\nVersion 2016.1\r\n", 0), 0u);
    EXPECT_NE(about.text.find("current tax tables"), std::string::npos);
    EXPECT_EQ(notBuiltYetMessage("C&hecks").text,
              "\"Checks\" is not built yet in this version of Quillon 2016.");
    EXPECT_EQ(notBuiltYetMessage("OT %").text,
              "\"OT %\" is not built yet in this version of Quillon 2016.");
}

}  // namespace
}  // namespace quillon
