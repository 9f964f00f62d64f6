// Two programs on one employee: a save never replaces a file that the other program changed after
// this one read it. The save is refused whole, the message names the file, and the other
// program's file stays byte for byte; reading the file again (opening the employee) lets the
// next save go ahead.
#include <gtest/gtest.h>

#include <functional>

#include "session/printing.hpp"
#include "session/questions.hpp"
#include "session/register_window.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;

class AlwaysYes : public Questions {
  public:
    bool askYesNo(const Message&) override { return true; }
    std::optional<std::string> askText(const TextQuestion&) override { return std::nullopt; }
    std::optional<std::filesystem::path> askFile(const FileQuestion&) override {
        return std::nullopt;
    }
    SaveUserEnd showSaveUser(SaveUserDialog&) override { return SaveUserEnd::No; }
};

std::string messagesOf(const Outcome& o) {
    std::string text;
    for (const Message& m : o.messages) {
        text += m.text + "\n";
    }
    return text;
}

class OtherProgram : public WorkingFolder {
  protected:
    void SetUp() override {
        WorkingFolder::SetUp();
        Session maker = startedSession();
        ASSERT_TRUE(maker.newEmployee("Smith").ok);
    }
    Session opened() const {
        Session s = startedSession();
        Outcome open = s.openEmployee("Smith");
        EXPECT_TRUE(open.ok) << messagesOf(open);
        return s;
    }
    // What a save that was refused because of `file` must say.
    static void expectRefusedFor(const Outcome& saved, const std::string& file) {
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(messagesOf(saved), "Could not save " + file + ".\r\n" +
                                         "another program changed the file after it was read "
                                         "here\r\nThe file on disk is unchanged.\n");
    }
};

// The other program saves one file of the employee; this one, which read every file before,
// calculates, which saves them all.
TEST_F(OtherProgram, ACalculationDoesNotUndoAnotherProgramsSave) {
    const struct {
        const char* file;
        std::function<void(Session&)> change;
    } cases[] = {
        {"Smith.use", [](Session& s) { s.profile.DedName5 = "Savings"; }},
        {"Smith.and", [](Session& s) { s.profile.EmpAddress = "12 Elm Street"; }},
        {"Smith.cfe", [](Session& s) { s.profile.CafeAmt = 25; }},
        {"Smith.ovw", [](Session& s) { s.profile.OtDates[0] = "1/8/2016"; }},
        {"Smith.hol", [](Session& s) { s.vacation.VacStart = 5; }},
        {"Smith.sta", [](Session& s) { s.state.StateAmtBS[1] = 14; }},
        {"Smith.cti", [](Session& s) { s.city.CityAmtBS[1] = 6; }},
        {"Smith.nci", [](Session& s) { s.nonCity.NonPer = 0.005f; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Session mine = opened();
        {
            Session other = opened();
            c.change(other);
            ASSERT_TRUE(other.saveAction("Smith").ok);
        }
        const std::string theirs = read(c.file);
        mine.main.txtAmount[0].text = "40";
        expectRefusedFor(mine.calculate(), c.file);
        EXPECT_EQ(read(c.file), theirs);

        // Read again, the employee is the other program's, and the save goes ahead.
        Session again = opened();
        again.main.txtAmount[0].text = "40";
        EXPECT_TRUE(again.calculate().ok);
        EXPECT_EQ(read(c.file), theirs);
    }
}

// The register window opened here, a posting saved by the other program (quillon-cli calc
// --post), then this window closed with Yes.
TEST_F(OtherProgram, ARegisterSavedElsewhereIsNotWrittenOver) {
    Session mine = opened();
    mine.main.txtAmount[6].text = "700";
    mine.main.txtWeek.text = "1/8/2016";
    ASSERT_TRUE(mine.calculate().ok);
    ASSERT_TRUE(openRegisterWindow(mine).ok);
    ASSERT_TRUE(PasteMe(mine, 10).ok);
    {
        Session other = opened();
        other.main.txtAmount[6].text = "800";
        other.main.txtWeek.text = "1/15/2016";
        ASSERT_TRUE(calculateAndPost(other, 11).ok);
    }
    const std::string theirs = read("Smith.yrw");
    AlwaysYes yes;
    Outcome closed = closeRegisterWindow(mine, yes);
    expectRefusedFor(closed, "Smith.yrw");
    EXPECT_TRUE(mine.registerWindow);  // open still, with the posting
    EXPECT_EQ(read("Smith.yrw"), theirs);

    // Opened again, the window shows the other program's row, and this posting can be redone.
    ASSERT_TRUE(openRegisterWindow(mine).ok);
    EXPECT_EQ(mine.registerWindow->cell(11, GridColumn::Date), "1/15/2016");
    ASSERT_TRUE(PasteMe(mine, 10).ok);
    ASSERT_TRUE(closeRegisterWindow(mine, yes).ok);
    Session check = opened();
    ASSERT_TRUE(openRegisterWindow(check).ok);
    EXPECT_EQ(check.registerWindow->cell(10, GridColumn::Date), "1/8/2016");
    EXPECT_EQ(check.registerWindow->cell(11, GridColumn::Date), "1/15/2016");
}

// A file that was not there when it was read, and that the other program made since.
TEST_F(OtherProgram, AFileMadeSinceItWasFoundMissingIsNotWrittenOver) {
    Session mine = opened();
    ASSERT_TRUE(openHeadingDialog(mine).ok);  // no Header.sav yet
    mine.headingDialog.model->txtHeader[0].text = "Mine Inc.";
    {
        Session other = opened();
        ASSERT_TRUE(openHeadingDialog(other).ok);
        other.headingDialog.model->txtHeader[0].text = "Theirs Ltd.";
        ASSERT_TRUE(headingDialogOK(other).ok);
    }
    const std::string theirs = read("Header.sav");
    expectRefusedFor(headingDialogOK(mine), "Header.sav");
    EXPECT_TRUE(mine.headingDialog.loaded());
    EXPECT_EQ(read("Header.sav"), theirs);
}

// Two saves of this program one after the other: each remembers what it wrote, so the second is
// not taken for another program's change.
TEST_F(OtherProgram, ThisProgramsOwnSavesFollowEachOther) {
    Session mine = opened();
    for (const char* hours : {"40", "41", "42"}) {
        SCOPED_TRACE(hours);
        mine.main.txtAmount[0].text = hours;
        mine.profile.CafeAmt = static_cast<float>(std::stoi(hours));
        EXPECT_TRUE(mine.calculate().ok);
        EXPECT_TRUE(mine.saveAction("Smith").ok);
    }
}

}  // namespace
}  // namespace quillon
