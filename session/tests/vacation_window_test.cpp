// The vacation, holiday and sick tracker through the session and the real vacation file: the
// balances, the twenty rows, the key filter, and files that cannot be read or written.
#include "session/vacation_window.hpp"

#include <gtest/gtest.h>

#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    return lines;
}

std::string firstMessage(const Outcome& o) {
    return o.messages.empty() ? std::string() : o.messages.front().text;
}

class VacationTest : public WorkingFolder {
  protected:
    Session newBaker() {
        Session s = startedSession();
        Outcome created = s.newEmployee("Baker");
        EXPECT_TRUE(created.ok) << firstMessage(created);
        return s;
    }
    Session reopenedBaker() {
        Session s = startedSession();
        Outcome opened = s.openEmployee("Baker");
        EXPECT_TRUE(opened.ok) << firstMessage(opened);
        return s;
    }
    static DialogVac loaded(Session& s) {
        DialogVac dialog;
        Outcome outcome = loadDialogVac(s, dialog);
        EXPECT_TRUE(outcome.ok) << firstMessage(outcome);
        return dialog;
    }
};

TEST_F(VacationTest, TheWorkedCaseLeavesSixAndAHalfDaysAndSavesItOnLineOne) {
    Session s = newBaker();
    DialogVac dialog = loaded(s);
    EXPECT_EQ(dialog.caption, "Vacation / Holiday / Sick");
    EXPECT_EQ(dialog.boxes(DayAccount::Holiday).frameCaption, "Holiday/Personel");
    EXPECT_EQ(dialog.boxes(DayAccount::Vacation).startBalance.text, "0");
    EXPECT_EQ(dialog.boxes(DayAccount::Vacation).balance.caption, "0");

    ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Vacation, "10").ok);
    ASSERT_TRUE(dialog.take(DayAccount::Vacation, "1/4/2016", "1").ok);
    ASSERT_TRUE(dialog.take(DayAccount::Vacation, "March 3rd", "2").ok);
    ASSERT_TRUE(dialog.take(DayAccount::Vacation, "7/1/2016", "0.5").ok);
    EXPECT_EQ(dialog.boxes(DayAccount::Vacation).balance.caption, "6.5");
    EXPECT_EQ(dialog.boxes(DayAccount::Vacation).dates[1].text, "March 3rd");

    ASSERT_TRUE(SaveVac(s, dialog).ok);
    const std::vector<std::string> lines = linesOf(read("Baker.hol"));
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[0], "6.5,10,0,0,0,0");
    EXPECT_EQ(lines[1], "1,0,0");
    EXPECT_EQ(lines[2], "2,0,0");
    EXPECT_EQ(lines[3], "0.5,0,0");
    EXPECT_EQ(lines[21], "\"1/4/2016\",\"\",\"\"");
    EXPECT_EQ(lines[22], "\"March 3rd\",\"\",\"\"");

    Session later = reopenedBaker();
    const DialogVac again = loaded(later);
    EXPECT_EQ(again.boxes(DayAccount::Vacation).startBalance.text, "10");
    EXPECT_EQ(again.boxes(DayAccount::Vacation).balance.caption, "6.5");
    EXPECT_EQ(again.boxes(DayAccount::Vacation).days[2].text, "0.5");
    EXPECT_EQ(again.boxes(DayAccount::Vacation).dates[2].text, "7/1/2016");
}

TEST(DialogVac, TypingIntoADaysBoxChangesOnlyThatAccountsBalance) {
    static const struct {
        DayAccount account;
        const char* balances[3];  // vacation, holiday, sick after 2.5 days in row 4
    } cases[] = {
        {DayAccount::Vacation, {"7.5", "5", "3"}},
        {DayAccount::Holiday, {"10", "2.5", "3"}},
        {DayAccount::Sick, {"10", "5", "0.5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(infoOf(c.account).key));
        DialogVac dialog;
        dialog.load(VacationRecord{});
        ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Vacation, "10").ok);
        ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Holiday, "5").ok);
        ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Sick, "3").ok);
        ASSERT_TRUE(dialog.typeDays(c.account, 3, "2.5").ok);
        for (std::size_t k = 0; k < kDayAccounts; ++k) {
            EXPECT_EQ(dialog.accounts[k].balance.caption, c.balances[k]) << k;
        }
    }
}

TEST(DialogVac, BalancesAreLeadingNumbersShownToTheSingleTheyAreStoredAs) {
    static const struct {
        const char* start;
        const char* days[3];
        const char* balance;
    } cases[] = {
        {"10", {"1", "2", ".5"}, "6.5"},
        {"1", {"0.1", "0.2", "0"}, "0.7"},  // not 0.699999988079071
        {"12 days", {"3abc", "", " 1"}, "8"},
        {"", {"-2", "0", "0"}, "2"},
        {"abc", {"1", "0", "0"}, "-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        DialogVac dialog;
        DayAccountBoxes& sick = dialog.boxes(DayAccount::Sick);
        sick.startBalance.text = c.start;
        for (std::size_t i = 0; i < 3; ++i) {
            sick.days[i].text = c.days[i];
        }
        dialog.ShowBalance(DayAccount::Sick);
        EXPECT_EQ(sick.balance.caption, c.balance);
    }
}

TEST(DialogVac, TheKeyFilterRefusesNumberBoxesWholeAndDatesTakeAnyText) {
    DialogVac dialog;
    dialog.load(VacationRecord{});
    ASSERT_TRUE(dialog.typeDays(DayAccount::Holiday, 2, "1.5").ok);
    const Outcome refused = dialog.typeDays(DayAccount::Holiday, 2, "2 days");
    EXPECT_FALSE(refused.ok);
    ASSERT_TRUE(refused.badBox.has_value());
    EXPECT_EQ(refused.badBox->control, "txtHcnt");
    EXPECT_EQ(refused.badBox->row, 2);
    EXPECT_NE(firstMessage(refused).find("Holiday/Personel, #Taken, row 3"), std::string::npos);
    EXPECT_EQ(dialog.boxes(DayAccount::Holiday).days[2].text, "1.5");
    EXPECT_EQ(dialog.boxes(DayAccount::Holiday).balance.caption, "-1.5");

    const Outcome start = dialog.typeStartBalance(DayAccount::Sick, "$5");
    EXPECT_FALSE(start.ok);
    ASSERT_TRUE(start.badBox.has_value());
    EXPECT_EQ(start.badBox->control, "txtSickBal");

    dialog.typeDate(DayAccount::Sick, 0, "the 2nd of May, 2016");
    EXPECT_EQ(dialog.boxes(DayAccount::Sick).dates[0].text, "the 2nd of May, 2016");
}

TEST_F(VacationTest, TwentyEntriesAreAllSavedAndATwentyFirstIsRefused) {
    Session s = newBaker();
    DialogVac dialog = loaded(s);
    ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Sick, "30").ok);
    for (int i = 0; i < kVacationRows; ++i) {
        ASSERT_TRUE(dialog.take(DayAccount::Sick, "2/" + std::to_string(i + 1) + "/2016", "1").ok);
    }
    EXPECT_EQ(dialog.boxes(DayAccount::Sick).balance.caption, "10");
    const DialogVac full = dialog;
    const Outcome refused = dialog.take(DayAccount::Sick, "3/1/2016", "1");
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(firstMessage(refused).find("every one of its 20 rows"), std::string::npos)
        << firstMessage(refused);
    EXPECT_EQ(dialog.boxes(DayAccount::Sick).balance.caption, "10");
    for (int i = 0; i < kVacationRows; ++i) {
        EXPECT_EQ(dialog.boxes(DayAccount::Sick).dates[static_cast<std::size_t>(i)].text,
                  full.boxes(DayAccount::Sick).dates[static_cast<std::size_t>(i)].text);
    }
    // The other accounts still have room.
    EXPECT_TRUE(dialog.take(DayAccount::Vacation, "3/1/2016", "1").ok);

    ASSERT_TRUE(SaveVac(s, dialog).ok);
    const std::vector<std::string> lines = linesOf(read("Baker.hol"));
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(lines[20], "0,0,1");                    // row 20's days
    EXPECT_EQ(lines[40], "\"\",\"\",\"2/20/2016\"");  // row 20's date
    EXPECT_EQ(lines[21], "\"3/1/2016\",\"\",\"2/1/2016\"");
}

TEST_F(VacationTest, AnEmptyStartBalanceShowsZeroAtTheNextLoad) {
    Session s = newBaker();
    DialogVac dialog = loaded(s);
    ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Holiday, "").ok);
    EXPECT_EQ(dialog.boxes(DayAccount::Holiday).balance.caption, "0");
    ASSERT_TRUE(SaveVac(s, dialog).ok);
    const DialogVac again = loaded(s);
    EXPECT_EQ(again.boxes(DayAccount::Holiday).startBalance.text, "0");
}

TEST_F(VacationTest, ClearAllThenClosingWithoutSaveLosesNothingNowOrAtTheNextSave) {
    Session s = newBaker();
    DialogVac dialog = loaded(s);
    ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Vacation, "10").ok);
    ASSERT_TRUE(dialog.take(DayAccount::Vacation, "1/4/2016", "1").ok);
    ASSERT_TRUE(SaveVac(s, dialog).ok);
    const std::string saved = read("Baker.hol");

    DialogVac cleared = loaded(s);
    cleared.clearVac();
    for (const DayAccountBoxes& account : cleared.accounts) {
        EXPECT_EQ(account.startBalance.text, "0");
        EXPECT_EQ(account.balance.caption, "0");
        EXPECT_EQ(account.days[0].text, "0");
        EXPECT_EQ(account.dates[0].text, "");
    }
    // Closed without "Save": the file, and the employee's next save, keep the days.
    EXPECT_EQ(read("Baker.hol"), saved);
    s.main.txtAmount[0].text = "8";
    ASSERT_TRUE(s.calculate().ok);
    EXPECT_EQ(read("Baker.hol"), saved);
    EXPECT_EQ(loaded(s).boxes(DayAccount::Vacation).balance.caption, "9");
}

TEST_F(VacationTest, AFileThatCannotBeReadIsRefusedTheDaysHeldStayAndItIsNotWrittenOver) {
    Session s = newBaker();
    DialogVac dialog = loaded(s);
    ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Vacation, "10").ok);
    ASSERT_TRUE(SaveVac(s, dialog).ok);
    const VacationRecord held = s.vacation;

    std::vector<std::string> lines = linesOf(read("Baker.hol"));
    lines[2] = "1,x,0";
    std::string damaged;
    for (const std::string& line : lines) {
        damaged += line + "\r\n";
    }
    write("Baker.hol", damaged);

    DialogVac notLoaded;
    notLoaded.boxes(DayAccount::Sick).startBalance.text = "untouched";
    const Outcome refused = loadDialogVac(s, notLoaded);
    EXPECT_FALSE(refused.ok);
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_NE(firstMessage(refused).find("Baker.hol, line 3, field 2: not a number"),
              std::string::npos)
        << firstMessage(refused);
    EXPECT_EQ(notLoaded.boxes(DayAccount::Sick).startBalance.text, "untouched");
    EXPECT_EQ(s.vacation, held);
    EXPECT_EQ(read("Baker.hol"), damaged);
}

TEST_F(VacationTest, ASaveThatFailsKeepsTheDaysHeldAndTheBoxes) {
    Session s = newBaker();
    DialogVac dialog = loaded(s);
    ASSERT_TRUE(dialog.typeStartBalance(DayAccount::Vacation, "10").ok);
    const VacationRecord held = s.vacation;
    // Something that is not a file stands where the vacation file goes.
    std::filesystem::remove(dir / "Baker.hol");
    std::filesystem::create_directory(dir / "Baker.hol");

    const Outcome failed = SaveVac(s, dialog);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(firstMessage(failed).find("Could not save Baker.hol."), std::string::npos)
        << firstMessage(failed);
    EXPECT_EQ(s.vacation, held);
    EXPECT_EQ(dialog.boxes(DayAccount::Vacation).startBalance.text, "10");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Baker.hol"));

    // Days no file holds are refused before anything is written, naming the box.
    std::filesystem::remove(dir / "Baker.hol");
    ASSERT_TRUE(dialog.typeDays(DayAccount::Sick, 5, "99999999999").ok);
    const Outcome refused = SaveVac(s, dialog);
    EXPECT_FALSE(refused.ok);
    ASSERT_TRUE(refused.badBox.has_value());
    EXPECT_EQ(refused.badBox->control, "txtScnt");
    EXPECT_EQ(refused.badBox->row, 5);
    EXPECT_FALSE(exists("Baker.hol"));
    EXPECT_EQ(s.vacation, held);
}

}  // namespace
}  // namespace quillon
