// Opening balances through the session: the dialog's row and default date, the whole row refused
// when a box is not a number, and the row saved as an ordinary register row that the next
// calculation's Social Security base and the quarter's figures count.
#include "session/opening_balances.hpp"

#include <gtest/gtest.h>

#include <string>

#include "records/files.hpp"
#include "session/register_window.hpp"
#include "session/tests/session_fixture.hpp"
#include "session/year_folder.hpp"

namespace quillon {
namespace {

std::string firstMessage(const Outcome& o) {
    return o.messages.empty() ? std::string() : o.messages.front().text;
}

class OpeningTest : public testing::WorkingFolder {
  protected:
    // A new weekly employee "Baker" whose register holds `rows`.
    Session bakerWith(const Register& rows) {
        {
            Session s = startedSession();
            Outcome created = s.newEmployee("Baker");
            EXPECT_TRUE(created.ok) << firstMessage(created);
        }
        Register r = rows;
        r.totals = AddAnnual(r.rows, kWeeklyRows);
        EXPECT_TRUE(writeRegisterFile(dir / "Baker.yrw", r, kWeeklyRows).ok());
        Session s = startedSession();
        Outcome opened = s.openEmployee("Baker");
        EXPECT_TRUE(opened.ok) << firstMessage(opened);
        return s;
    }
    static Register postedFrom(const char* date, float gross, int slot = 0) {
        Register r;
        r.rows[static_cast<std::size_t>(slot)].Date = date;
        r.rows[static_cast<std::size_t>(slot)].Gross = gross;
        return r;
    }
};

TEST_F(OpeningTest, TheDialogOpensOnTheFirstEmptyRowDatedTheQuarterBefore) {
    const struct {
        const char* firstDated;
        const char* expected;
    } cases[] = {
        {"6/17/2016", "3/31/2016"},  // second quarter: the first quarter's last day
        {"7/1/2016", "6/30/2016"},
        {"12/30/2016", "9/30/2016"},
        {"2/5/2016", "1/1/2016"},  // no quarter before the first: the year's first day
        {"6/17/16", ""},           // no 2016 date in the register: the operator types one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstDated);
        EXPECT_EQ(openingDate(postedFrom(c.firstDated, 100), kWeeklyRows), c.expected);
    }
    Session s = bakerWith(postedFrom("6/17/2016", 1000));
    OpeningBalancesDialog d;
    ASSERT_TRUE(openOpeningBalances(s, std::nullopt, d).ok);
    EXPECT_EQ(d.row, 2);
    EXPECT_EQ(d.txtDate, "3/31/2016");
    EXPECT_EQ(d.txtAmount[12], ".00");  // Gross
    EXPECT_FALSE(s.registerWindow);
    // A row picked that holds a posting shows it.
    ASSERT_TRUE(openOpeningBalances(s, 1, d).ok);
    EXPECT_EQ(d.txtDate, "6/17/2016");
    EXPECT_EQ(d.txtAmount[12], "1000.00");
    EXPECT_FALSE(openOpeningBalances(s, 54, d).ok);
}

TEST_F(OpeningTest, ABoxThatIsNoNumberRefusesTheWholeRowNamingTheBox) {
    Session s = bakerWith(postedFrom("6/17/2016", 1000));
    const std::string fileBefore = read("Baker.yrw");
    const Register before = s.yearRegister;
    OpeningBalancesDialog d;
    ASSERT_TRUE(openOpeningBalances(s, std::nullopt, d).ok);
    // The key filter refuses a character a number box does not take, and keeps the box.
    Outcome typed = d.typeAmount(0, "1,000");
    EXPECT_FALSE(typed.ok);
    EXPECT_NE(firstMessage(typed).find("Federal"), std::string::npos) << firstMessage(typed);
    EXPECT_EQ(d.txtAmount[0], ".00");

    const struct {
        std::size_t box;
        const char* text;
        const char* named;
    } cases[] = {
        {12, "1-2", "Gross"},
        {1, "", "Social Security"},
        {16, "..", "Cafeteria Plan"},
        {17, "9999999999", "Tips"},  // beyond what a register holds
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        OpeningBalancesDialog bad = d;
        ASSERT_TRUE(bad.typeAmount(0, "5000").ok);  // a good box beside the bad one
        ASSERT_TRUE(bad.typeAmount(c.box, c.text).ok);
        Outcome ok = openingBalancesOK(s, bad);
        EXPECT_FALSE(ok.ok);
        EXPECT_NE(firstMessage(ok).find(c.named), std::string::npos) << firstMessage(ok);
        EXPECT_EQ(read("Baker.yrw"), fileBefore);
        EXPECT_EQ(s.yearRegister, before);
    }
    OpeningBalancesDialog badDate = d;
    badDate.typeDate("3/31/16");
    Outcome refused = openingBalancesOK(s, badDate);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(firstMessage(refused).find("date"), std::string::npos);
    EXPECT_EQ(read("Baker.yrw"), fileBefore);
}

// 100,000.00 of gross paid before the program, entered on 3/31: the next period of 20,000.00
// pays Social Security only on what is left under the 118,500.00 base.
TEST_F(OpeningTest, TheSavedRowCountsInTheNextSocialSecurityBaseAndItsQuarter) {
    Session s = bakerWith(postedFrom("4/1/2016", 0.01F));
    OpeningBalancesDialog d;
    ASSERT_TRUE(openOpeningBalances(s, std::nullopt, d).ok);
    ASSERT_EQ(d.row, 2);
    ASSERT_TRUE(d.typeAmount(12, "100000").ok);  // Gross
    ASSERT_TRUE(d.typeAmount(1, "6200").ok);     // Social Security
    ASSERT_TRUE(d.typeAmount(16, "25.5").ok);    // Cafeteria (a hidden column)
    Outcome saved = openingBalancesOK(s, d);
    ASSERT_TRUE(saved.ok) << firstMessage(saved);
    EXPECT_FALSE(s.registerWindow);

    // Read back from the file: an ordinary row.
    Session next = startedSession();
    ASSERT_TRUE(next.openEmployee("Baker").ok);
    const RegisterRow& row = next.yearRegister.rows[1];
    EXPECT_EQ(row.Date, "3/31/2016");
    EXPECT_EQ(row.Gross, 100000.0F);
    EXPECT_EQ(row.SS, 6200.0F);
    EXPECT_EQ(row.Cafe, 25.5F);

    next.main.txtAmount[6].text = "20000";
    next.main.txtWeek.text = "4/8/2016";
    ASSERT_TRUE(next.calculate().ok);
    // The calculation's base counts the gross posted so far, 100,000.01: 18,499.99 are left
    // under it, x 6.2 % = 1,146.9994 -> 1,147.00 (20,000.00 would pay 1,240.00).
    EXPECT_EQ(next.main.lbTaxDed[1].caption, "1,147.00");

    // Entered in slot 2 after a row of 4/1, the 3/31 row still counts in the first quarter.
    auto read = readYearFolder(dir);
    ASSERT_TRUE(std::holds_alternative<YearFolder>(read));
    const YearSummary q1 =
        summarize(std::get<YearFolder>(read).employees, SummaryPeriod::ofQuarter(1));
    ASSERT_EQ(q1.employees.size(), 1U);
    EXPECT_EQ(q1.employees[0].figures.gross, Currency::fromUnits(100000'0000));
}

}  // namespace
}  // namespace quillon
