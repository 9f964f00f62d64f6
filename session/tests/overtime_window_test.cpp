// The overtime tracker through the session and the real profile files: TOTAL's worked case and
// what it refuses, New Week on both grids, Undo, Back, ClearAll, the key filter and the grid's
// keyboard moves.
#include "session/overtime_window.hpp"

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

// The four results as the window shows them.
std::vector<std::string> results(const Form2& t) {
    return {t.lbEarned.caption, t.lbMax.caption, t.lbAvail.caption, t.txtPercent.text};
}

class OvertimeTest : public WorkingFolder {
  protected:
    // Baker, new and weekly, with the tracker open on him.
    Session newBaker(Form2& tracker) {
        Session s = startedSession();
        Outcome created = s.newEmployee("Baker");
        EXPECT_TRUE(created.ok) << firstMessage(created);
        Outcome opened = openForm2(s, tracker);
        EXPECT_TRUE(opened.ok) << firstMessage(opened);
        return s;
    }
    // The worked case typed in: salary 50000, 10 %, 100 and 250.50 in the first two weeks.
    static void typeWorkedCase(Form2& t) {
        ASSERT_TRUE(t.typeInto(OvertimeBox::txtAnnual, -1, "50000").ok);
        ASSERT_TRUE(t.typeInto(OvertimeBox::txtApPercent, -1, "10").ok);
        ASSERT_TRUE(t.typeInto(OvertimeBox::txtOT, 0, "100").ok);
        ASSERT_TRUE(t.typeInto(OvertimeBox::txtOT, 1, "250.50").ok);
        ASSERT_TRUE(t.typeInto(OvertimeBox::Text1, 0, "1/8/2016").ok);
        ASSERT_TRUE(t.typeInto(OvertimeBox::Text1, 1, "1/15/2016").ok);
    }
    [[nodiscard]] std::string profileFiles() const {
        return read("Baker.use") + read("Baker.and") + read("Baker.cfe") + read("Baker.ovw");
    }
};

TEST_F(OvertimeTest, TheWorkedCaseShowsEarnedMaxAvailableAndPercentAndIsSaved) {
    Form2 t;
    Session s = newBaker(t);
    EXPECT_EQ(t.caption, "OverTime Percentage");
    EXPECT_TRUE(t.weekly);
    EXPECT_EQ(t.usedRows, 53);
    typeWorkedCase(t);

    const Outcome totalled = overtimeTotal(s, t);
    ASSERT_TRUE(totalled.ok) << firstMessage(totalled);
    EXPECT_TRUE(totalled.messages.empty());
    // 100 + 250.50 = 350.50 earned; 10 % of 50,000 = 5,000 allowed; 4,649.50 left;
    // 350.50 / 50,000 = 0.00701, seven tenths of a percent.
    EXPECT_EQ(results(t), (std::vector<std::string>{"$350.50", "$5,000.00", "$4,649.50", ".7%"}));
    EXPECT_FLOAT_EQ(s.profile.OtEarned, 350.5f);
    EXPECT_FLOAT_EQ(s.profile.OtMax, 5000.0f);
    EXPECT_FLOAT_EQ(s.profile.OtAvail, 4649.5f);
    EXPECT_FLOAT_EQ(s.profile.OtEarnedPct, 0.00701f);
    EXPECT_EQ(t.txtOT[2].text, "0");

    const std::vector<std::string> use = linesOf(read("Baker.use"));
    EXPECT_EQ(use[0], "350.5,5000,4649.5");
    EXPECT_EQ(use[1].substr(0, 9), "50000,10,");
    const std::vector<std::string> grid = linesOf(read("Baker.ovw"));
    ASSERT_EQ(grid.size(), 53u);
    EXPECT_EQ(grid[0], "\"1/8/2016\",100");
    EXPECT_EQ(grid[1], "\"1/15/2016\",250.5");
    EXPECT_EQ(grid[52], "\"\",0");

    // Opened again another day: the rows as saved, and the same results.
    Session later = startedSession();
    ASSERT_TRUE(later.openEmployee("Baker").ok);
    Form2 again;
    ASSERT_TRUE(openForm2(later, again).ok);
    EXPECT_EQ(again.txtAnnual.text, "50000");
    EXPECT_EQ(again.txtOT[1].text, "250.5");
    EXPECT_EQ(again.Text1[1].text, "1/15/2016");
    EXPECT_EQ(results(again), results(t));
}

TEST_F(OvertimeTest, OpeningRunsTotalOnceWithTheMainWindowsReferences) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Baker").ok);
    s.main.txtAmount[2].text = "5";
    s.main.txtWeek.text = "3/4/2016";
    ASSERT_TRUE(s.calculate().ok);
    // Loading alone computes and saves nothing.
    const std::string use = read("Baker.use");
    Form2 loaded;
    loadForm2(s, loaded);
    EXPECT_EQ(results(loaded), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(read("Baker.use"), use);

    Form2 t;
    const Outcome opened = openForm2(s, t);
    ASSERT_TRUE(opened.ok) << firstMessage(opened);
    EXPECT_TRUE(opened.messages.empty());
    EXPECT_EQ(t.lb_OT.caption, s.main.lbOverT.caption);
    EXPECT_EQ(t.lbWk.caption, "3/4/2016");
    // TOTAL ran on the boxes as filled, and saved them: no overtime yet, approved 0 %.
    EXPECT_EQ(t.txtApPercent.text, "0");
    EXPECT_EQ(results(t), (std::vector<std::string>{"$.00", "$.00", "$.00", "0%"}));
    EXPECT_EQ(linesOf(read("Baker.use"))[1], t.txtAnnual.text + ",0,0");
}

TEST_F(OvertimeTest, WhatTotalCannotReadIsRefusedOncePerPressAndNothingIsComputedOrSaved) {
    Form2 t;
    Session s = newBaker(t);
    typeWorkedCase(t);
    ASSERT_TRUE(overtimeTotal(s, t).ok);
    ASSERT_TRUE(t.typeInto(OvertimeBox::txtOT, 4, "").ok);
    ASSERT_TRUE(t.typeInto(OvertimeBox::txtOT, 5, "75").ok);
    const std::vector<std::string> shown = results(t);
    const Profile profile = s.profile;
    const std::string files = profileFiles();

    static const struct {
        const char* salary;
        const char* percent;
        bool attention;
        const char* box;
        const char* says;
    } cases[] = {
        {"0", "0", true, "txtAnnual", ""},
        {"", "10", true, "txtAnnual", ""},
        {"   ", "10", true, "txtAnnual", ""},
        {"50000", "", true, "txtApPercent", ""},
        {"0", "10", false, "txtAnnual", "\"Annual Salary\" holds 0"},
        {"1..2", "10", false, "txtAnnual", "\"Annual Salary\" holds \"1..2\", which is not a"},
        {"-", "0", false, "txtAnnual", "\"Annual Salary\" holds \"-\", which is not a number"},
        {"50000", "-", false, "txtApPercent", "\"Enter Your Approved Percentage\" holds \"-\""},
        {"50000", "1.0.0", false, "txtApPercent", "holds \"1.0.0\", which is not a number"},
        {"50000", "99999999", false, "txtApPercent", "more than the files can hold"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.salary) + " / " + c.percent);
        ASSERT_TRUE(t.typeInto(OvertimeBox::txtAnnual, -1, c.salary).ok);
        ASSERT_TRUE(t.typeInto(OvertimeBox::txtApPercent, -1, c.percent).ok);
        for (int press = 0; press < 2; ++press) {
            const Outcome refused = overtimeTotal(s, t);
            EXPECT_FALSE(refused.ok);
            ASSERT_EQ(refused.messages.size(), 1u);
            const Message& m = refused.messages[0];
            if (c.attention) {
                EXPECT_EQ(m.title, "Attention");
                EXPECT_EQ(m.kind, MessageKind::Exclamation);
                EXPECT_EQ(
                    m.text,
                    "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.");
            } else {
                EXPECT_NE(m.text.find(c.says), std::string::npos) << m.text;
                EXPECT_NE(m.text.find("Nothing was computed or saved."), std::string::npos);
            }
            ASSERT_TRUE(refused.badBox.has_value());
            EXPECT_EQ(refused.badBox->control, c.box);
        }
        EXPECT_EQ(results(t), shown);
        EXPECT_EQ(t.txtOT[4].text, "");  // not even the empty amount filled
        EXPECT_EQ(s.profile, profile);
        EXPECT_EQ(profileFiles(), files);
    }
}

TEST_F(OvertimeTest, ASaveThatFailsLeavesTheTrackerAndTheProfileAsTheyWere) {
    Form2 t;
    Session s = newBaker(t);
    typeWorkedCase(t);
    const Form2 typed = t;
    const Profile profile = s.profile;
    std::filesystem::remove(dir / "Baker.ovw");
    std::filesystem::create_directory(dir / "Baker.ovw");

    const Outcome totalled = overtimeTotal(s, t);
    EXPECT_FALSE(totalled.ok);
    EXPECT_NE(firstMessage(totalled).find("Could not save Baker.ovw."), std::string::npos)
        << firstMessage(totalled);
    EXPECT_EQ(results(t), results(typed));
    EXPECT_EQ(s.profile, profile);

    const Outcome back = overtimeBack(s, t);
    EXPECT_FALSE(back.ok);
    EXPECT_EQ(t.txtOT[1].text, "250.50");
    EXPECT_EQ(t.Text1[1].text, "1/15/2016");
    EXPECT_EQ(s.profile, profile);
}

TEST(Form2, WeeklyNewWeekDropsTheOldestWeekAndAddsAnEmptyOne) {
    Form2 t(true);
    for (std::size_t i = 0; i < 53; ++i) {
        t.Text1[i].text = "w" + std::to_string(i + 1);
        t.txtOT[i].text = std::to_string(i + 1);
    }
    t.newWeek();
    EXPECT_EQ(t.Text1[0].text, "w2");
    EXPECT_EQ(t.txtOT[0].text, "2");
    EXPECT_EQ(t.Text1[51].text, "w53");
    EXPECT_EQ(t.txtOT[51].text, "53");
    EXPECT_EQ(t.Text1[52].text, "");
    EXPECT_EQ(t.txtOT[52].text, "0");
}

TEST(Form2, BiWeeklyNewWeekMovesTheSpareRowUpAndTheTotalCoversIt) {
    Form2 t(false);
    EXPECT_EQ(t.usedRows, 27);
    EXPECT_EQ(t.shownRows, 26);
    EXPECT_FALSE(t.secondColumnShown);
    EXPECT_EQ(t.widthTwips, 5055);
    for (std::size_t i = 0; i < 53; ++i) {
        t.Text1[i].text = "p" + std::to_string(i + 1);
        t.txtOT[i].text = std::to_string(i + 1);
    }
    t.newWeek();
    EXPECT_EQ(t.Text1[0].text, "p2");
    EXPECT_EQ(t.Text1[24].text, "p26");
    EXPECT_EQ(t.Text1[25].text, "p27");  // row 26 takes the spare row
    EXPECT_EQ(t.txtOT[25].text, "27");
    EXPECT_EQ(t.Text1[26].text, "");  // the spare row is emptied
    EXPECT_EQ(t.txtOT[26].text, "0");
    EXPECT_EQ(t.Text1[27].text, "p28");  // beyond the used rows: untouched

    // The spare row counts: 2 + 3 + ... + 27 = 377; rows beyond it do not.
    t.txtAnnual.text = "10000";
    t.txtApPercent.text = "5";
    Profile p;
    ASSERT_TRUE(t.total(p).ok);
    EXPECT_FLOAT_EQ(p.OtEarned, 377.0f);
    t.txtOT[26].text = "100";
    ASSERT_TRUE(t.total(p).ok);
    EXPECT_FLOAT_EQ(p.OtEarned, 477.0f);
    EXPECT_EQ(t.lbEarned.caption, "$477.00");
    EXPECT_EQ(t.lbAvail.caption, "$23.00");  // 500 - 477
}

TEST(Form2, FillingAndClearingGiveTheDefaultSalaries) {
    Profile p;
    p.PayWeekly = true;
    p.OtApprovedPct = 5;
    p.OtDates[3] = "1/29/2016";
    p.OtAmounts[3] = "40";
    Form2 t(true);
    t.load(p);
    EXPECT_EQ(t.txtAnnual.text, "25600");  // a salary of 0 is filled in
    EXPECT_EQ(t.txtApPercent.text, "5");
    EXPECT_EQ(t.txtOT[3].text, "40");
    EXPECT_EQ(t.txtOT[4].text, "0");  // empty amounts show 0

    static const struct {
        const char* salaryBox;
        const char* salaryAfter;
    } cases[] = {{"0", "11440"}, {"", "11440"}, {"50000", "50000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.salaryBox);
        Profile cleared = p;
        Form2 tracker(true);
        tracker.load(cleared);
        tracker.txtAnnual.text = c.salaryBox;
        tracker.ClearAll(cleared);
        EXPECT_EQ(tracker.txtAnnual.text, c.salaryAfter);
        EXPECT_EQ(tracker.txtApPercent.text, "0");
        EXPECT_EQ(tracker.txtOT[3].text, "0");
        EXPECT_EQ(tracker.Text1[3].text, "");
        EXPECT_EQ(cleared.OtAmounts[3], "0");
        EXPECT_EQ(cleared.OtDates[3], "");
        EXPECT_FLOAT_EQ(cleared.AnnualSalary, 11440.0f);
        EXPECT_FLOAT_EQ(cleared.OtApprovedPct, 0.0f);
        EXPECT_EQ(results(tracker), (std::vector<std::string>{"$.00", "$.00", "$.00", "0%"}));
    }

    // What a new employee starts from.
    Profile fresh = p;
    clearOvertimeTracker(fresh);
    EXPECT_FLOAT_EQ(fresh.AnnualSalary, 11440.0f);
    EXPECT_FLOAT_EQ(fresh.OtApprovedPct, 0.0f);
    EXPECT_EQ(fresh.OtAmounts[3], "0");
    EXPECT_EQ(fresh.OtDates[3], "");
}

TEST_F(OvertimeTest, UndoGoesBackToTheLastSaveAndBackSavesTheGrid) {
    Form2 t;
    Session s = newBaker(t);
    typeWorkedCase(t);
    ASSERT_TRUE(overtimeTotal(s, t).ok);

    ASSERT_TRUE(t.typeInto(OvertimeBox::txtOT, 1, "999").ok);
    ASSERT_TRUE(t.typeInto(OvertimeBox::txtAnnual, -1, "1").ok);
    t.newWeek();
    ASSERT_TRUE(overtimeUndo(s, t).ok);
    EXPECT_EQ(t.txtOT[0].text, "100");
    EXPECT_EQ(t.txtOT[1].text, "250.5");
    EXPECT_EQ(t.Text1[0].text, "1/8/2016");
    EXPECT_EQ(t.txtAnnual.text, "50000");

    // A profile file that cannot be read: the message, and the tracker as it was.
    t.newWeek();
    const std::string use = read("Baker.use");
    write("Baker.use", "damaged\r\n");
    const Outcome refused = overtimeUndo(s, t);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(firstMessage(refused).find("Baker.use, line 1"), std::string::npos)
        << firstMessage(refused);
    EXPECT_EQ(t.txtOT[0].text, "250.5");
    write("Baker.use", use);

    ASSERT_TRUE(t.typeInto(OvertimeBox::txtOT, 2, "").ok);
    ASSERT_TRUE(t.typeInto(OvertimeBox::Text1, 2, "1/22/2016").ok);
    const Outcome back = overtimeBack(s, t);
    ASSERT_TRUE(back.ok) << firstMessage(back);
    EXPECT_EQ(t.txtOT[2].text, "0");
    const std::vector<std::string> grid = linesOf(read("Baker.ovw"));
    EXPECT_EQ(grid[0], "\"1/15/2016\",250.5");
    EXPECT_EQ(grid[2], "\"1/22/2016\",0");
    EXPECT_EQ(s.profile.OtDates[2], "1/22/2016");
    EXPECT_EQ(s.profile.OtAmounts[2], "0");
}

TEST(Form2, TheKeyFilterRefusesNumberBoxesWholeAndDatesTakeAnyText) {
    Form2 t(true);
    t.txtOT[7].text = "12";
    static const struct {
        OvertimeBox box;
        const char* control;
    } boxes[] = {{OvertimeBox::txtOT, "txtOT"},
                 {OvertimeBox::txtAnnual, "txtAnnual"},
                 {OvertimeBox::txtApPercent, "txtApPercent"}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.control);
        const Outcome refused = t.typeInto(b.box, 7, "12a");
        EXPECT_FALSE(refused.ok);
        ASSERT_TRUE(refused.badBox.has_value());
        EXPECT_EQ(refused.badBox->control, b.control);
    }
    EXPECT_EQ(t.txtOT[7].text, "12");
    ASSERT_TRUE(t.typeInto(OvertimeBox::Text1, 7, "Feb 19th").ok);
    EXPECT_EQ(t.Text1[7].text, "Feb 19th");
    EXPECT_FALSE(t.typeInto(OvertimeBox::txtOT, 53, "1").ok);
    EXPECT_FALSE(Form2(false).typeInto(OvertimeBox::txtOT, 27, "1").ok);
}

TEST(Form2, TheGridsKeyboardMoves) {
    using C = OvertimeColumn;
    static const struct {
        bool weekly;
        OvertimeCell from;
        GridKey key;
        std::optional<OvertimeCell> to;
    } cases[] = {
        {true, {0, C::Date}, GridKey::Enter, OvertimeCell{1, C::Date}},
        {true, {25, C::Amount}, GridKey::Enter, OvertimeCell{26, C::Amount}},  // to column two
        {true, {52, C::Amount}, GridKey::Enter, OvertimeCell{0, C::Amount}},   // back to row 1
        {true, {0, C::Date}, GridKey::Up, std::nullopt},
        {true, {10, C::Date}, GridKey::Up, OvertimeCell{9, C::Date}},
        {true, {52, C::Date}, GridKey::Down, std::nullopt},
        {true, {51, C::Amount}, GridKey::Down, OvertimeCell{52, C::Amount}},
        {true, {4, C::Date}, GridKey::Right, OvertimeCell{4, C::Amount}},
        {true, {4, C::Amount}, GridKey::Left, OvertimeCell{4, C::Date}},
        {true, {4, C::Amount}, GridKey::Right, std::nullopt},
        {true, {4, C::Date}, GridKey::Left, std::nullopt},
        {true, {52, C::Date}, GridKey::Right, std::nullopt},  // row 53, as it always was
        {true, {52, C::Amount}, GridKey::Left, std::nullopt},
        {false, {25, C::Date}, GridKey::Enter, OvertimeCell{0, C::Date}},  // row 26 is the last
        {false, {25, C::Amount}, GridKey::Down, std::nullopt},
        {false, {24, C::Amount}, GridKey::Down, OvertimeCell{25, C::Amount}},
        {false, {25, C::Date}, GridKey::Right, OvertimeCell{25, C::Amount}},
        {false, {26, C::Date}, GridKey::Up, std::nullopt},  // the spare row is not shown
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.from.row) + (c.weekly ? " weekly" : " bi-weekly"));
        EXPECT_EQ(Form2(c.weekly).cellAfterKey(c.from, c.key), c.to);
    }
}

}  // namespace
}  // namespace quillon
