// The year-to-date register through the session: posting and the next calculation, deleting,
// clearing, the totals to the cent, the files of either frequency, damaged files,
// and closing with and without saving.
#include "session/register_window.hpp"

#include <gtest/gtest.h>

#include <deque>

#include "session/file_menu.hpp"
#include "session/questions.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;

// Answers the closing question from a list; anything else is a test failure.
class Answers : public Questions {
  public:
    explicit Answers(std::deque<bool> yes = {}) : yes_(std::move(yes)) {}
    bool askYesNo(const Message& question) override {
        asked.push_back(question);
        if (yes_.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.text;
            return false;
        }
        const bool answer = yes_.front();
        yes_.pop_front();
        return answer;
    }
    std::optional<std::string> askText(const TextQuestion&) override { return name; }
    std::optional<std::filesystem::path> askFile(const FileQuestion&) override {
        return std::nullopt;
    }
    SaveUserEnd showSaveUser(SaveUserDialog&) override { return SaveUserEnd::No; }

    std::vector<Message> asked;
    std::optional<std::string> name;  // the answer to the name prompt

  private:
    std::deque<bool> yes_;
};

std::string firstMessage(const Outcome& o) {
    return o.messages.empty() ? std::string() : o.messages.front().text;
}

// A period of `dollars` in the dollar box, week ending `week`, calculated.
void calculatePeriod(Session& s, const std::string& dollars, const std::string& week) {
    s.main.txtAmount[6].text = dollars;
    s.main.txtWeek.text = week;
    Outcome calculated = s.calculate();
    ASSERT_TRUE(calculated.ok) << firstMessage(calculated);
}

// A period posted into a row through the window and the window closed with Yes.
void postAndSave(Session& s, int row) {
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, row).ok);
    Answers yes({true});
    Outcome closed = closeRegisterWindow(s, yes);
    ASSERT_TRUE(closed.ok) << firstMessage(closed);
    ASSERT_FALSE(s.registerWindow);
}

class RegisterTest : public WorkingFolder {
  protected:
    // A new weekly employee "Baker" with the default settings.
    Session newBaker() {
        Session s = startedSession();
        Outcome created = s.newEmployee("Baker");
        EXPECT_TRUE(created.ok) << firstMessage(created);
        return s;
    }
    Session reopened(const std::string& name = "Baker") {
        Session s = startedSession();
        Outcome opened = s.openEmployee(name);
        EXPECT_TRUE(opened.ok) << firstMessage(opened);
        return s;
    }
    // A window over a register whose rows are given, without files.
    static RegisterWindow windowOver(Register& r, int rows = kWeeklyRows) {
        RegisterWindow w(rows);
        Profile p;
        p.DedName5 = "CrUnion";
        EXPECT_TRUE(w.open(r, p).ok);
        return w;
    }
};

TEST_F(RegisterTest, PostedPeriodsFeedTheTotalsAndTheNextSocialSecurityBase) {
    Session s = newBaker();
    // 60,000.00 a period: the first pays Social Security on all of it, the second only on the
    // 58,500.00 left below the 118,500.00 base, the third on nothing.
    calculatePeriod(s, "60000", "1/8/2016");
    EXPECT_EQ(s.main.lbTaxDed[1].caption, "3,720.00");
    postAndSave(s, 1);
    calculatePeriod(s, "60000", "1/15/2016");
    EXPECT_EQ(s.main.lbTaxDed[1].caption, "3,627.00");
    postAndSave(s, 2);

    Session next = reopened();
    EXPECT_EQ(next.yearRegister.totals.TotGross, Currency::fromUnits(120000'0000));
    ASSERT_TRUE(openRegisterWindow(next).ok);
    const RegisterWindow& w = *next.registerWindow;
    EXPECT_EQ(w.cell(1, GridColumn::Date), "1/8/2016");
    EXPECT_EQ(w.cell(2, GridColumn::Date), "1/15/2016");
    EXPECT_EQ(w.cell(1, GridColumn::SS), "3720.00");
    EXPECT_EQ(w.cell(2, GridColumn::SS), "3627.00");
    EXPECT_EQ(w.cell(2, GridColumn::Gross), "60000.00");
    EXPECT_EQ(w.cell(3, GridColumn::Gross), ".00");
    EXPECT_EQ(w.total(TotalBox::SS), "7347.00");
    EXPECT_EQ(w.total(TotalBox::Gross), "120000.00");
    Answers no({false});
    ASSERT_TRUE(closeRegisterWindow(next, no).ok);

    calculatePeriod(next, "60000", "1/22/2016");
    EXPECT_EQ(next.main.lbTaxDed[1].caption, ".00");
}

TEST_F(RegisterTest, TheMedicareWagesPostedStartTheAdditionalMedicareTax) {
    (void)newBaker();
    // Posted this year: 200,050.00 of gross, of which the cafeteria plan (50.00) and the ninth
    // deduction (50.00) are no Medicare wages: 199,950.00 of Medicare wages.
    Register posted;
    posted.rows[0].Date = "6/3/2016";
    posted.rows[0].Gross = 100000;
    posted.rows[1].Date = "6/10/2016";
    posted.rows[1].Gross = 100050;
    posted.rows[1].Cafe = 50;
    posted.rows[1].Misc = 50;
    posted.totals = AddAnnual(posted.rows, kWeeklyRows);
    ASSERT_TRUE(writeRegisterFile(dir / "Baker.yrw", posted, kWeeklyRows).ok());

    // 100.00 now: 1.45 of Medicare, and 0.9% of the 50.00 above 200,000.00, 0.45.
    Session s = reopened();
    calculatePeriod(s, "100", "6/17/2016");
    EXPECT_EQ(s.main.lbTaxDed[2].caption, "1.90");

    // Posted, the next 100.00 is above the threshold all of it: 1.45 + 0.90.
    postAndSave(s, 3);
    calculatePeriod(s, "100", "6/24/2016");
    EXPECT_EQ(s.main.lbTaxDed[2].caption, "2.35");
}

TEST_F(RegisterTest, APostingCopiesTheShownResultsIntoTheRow) {
    Session s = newBaker();
    ASSERT_TRUE(openRegisterWindow(s).ok);
    s.main.txtWeek.text = "3/4/2016";
    s.main.lbTaxDed[0].caption = "1,234.56";  // thousands separators are part of the number
    s.main.lbTaxDed[5].caption = "12.50";
    s.main.lbTaxDed[10].caption = "-3.00";
    s.main.lbSDI.caption = "1,002.345";
    s.main.lbSUI.caption = "";
    s.results.TotalOt = 55.5f;
    s.results.TotalTips = 7;
    s.results.GrossPay = 2500.5f;
    s.results.NetPay = 1800.25f;
    // Posting into a row that holds a period replaces it.
    ASSERT_TRUE(PasteMe(s, 9).ok);
    ASSERT_TRUE(PasteMe(s, 9).ok);

    const RegisterWindow& w = *s.registerWindow;
    EXPECT_EQ(w.cell(9, GridColumn::Date), "3/4/2016");
    EXPECT_EQ(w.cell(9, GridColumn::Fed), "1234.56");
    EXPECT_EQ(w.cell(9, GridColumn::Muni), "12.50");
    EXPECT_EQ(w.cell(9, GridColumn::Kplan), "-3.00");
    EXPECT_EQ(w.cell(9, GridColumn::SS), ".00");
    EXPECT_EQ(w.cell(9, GridColumn::OT), "55.50");
    EXPECT_EQ(w.cell(9, GridColumn::Tips), "7.00");
    EXPECT_EQ(w.cell(9, GridColumn::Net), "1800.25");
    EXPECT_EQ(w.cell(9, GridColumn::Gross), "2500.50");
    const RegisterRow& row = s.yearRegister.rows[8];
    EXPECT_EQ(row.Date, "3/4/2016");
    EXPECT_FLOAT_EQ(row.Fed, 1234.56f);
    EXPECT_FLOAT_EQ(row.Sdi, 1002.35f);
    EXPECT_FLOAT_EQ(row.Sui, 0);
    EXPECT_EQ(w.total(TotalBox::Fed), "1234.56");
    EXPECT_EQ(w.total(TotalBox::Net), "1800.25");
    EXPECT_EQ(w.total(TotalBox::Sdi), "1002.35");
    EXPECT_EQ(s.yearRegister.totals.TotGross, Currency::fromUnits(2500'5000));

    for (int outside : {0, 54}) {
        SCOPED_TRACE(outside);
        EXPECT_FALSE(PasteMe(s, outside).ok);
    }
}

TEST_F(RegisterTest, DeletingRowFiveOfTenLeavesTheRowsBelowInPlace) {
    Register r;
    for (std::size_t i = 0; i < 10; ++i) {
        r.rows[i].Date = "week " + std::to_string(i + 1);
        r.rows[i].Fed = static_cast<float>(i + 1);
        r.rows[i].Gross = 100.0f * static_cast<float>(i + 1);
        r.rows[i].Sdi = 1;
    }
    RegisterWindow w = windowOver(r);
    ASSERT_TRUE(w.DeleteRow(5, r).ok);

    EXPECT_EQ(w.cell(5, GridColumn::Date), "");
    EXPECT_EQ(w.cell(5, GridColumn::Fed), "0");  // "0" until the next fill
    EXPECT_EQ(w.cell(5, GridColumn::Gross), "0");
    EXPECT_FLOAT_EQ(r.rows[4].Sdi, 0);
    for (int row = 6; row <= 10; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(w.cell(row, GridColumn::Date), "week " + std::to_string(row));
        EXPECT_EQ(r.rows[static_cast<std::size_t>(row - 1)].Date, "week " + std::to_string(row));
        EXPECT_EQ(w.cell(row, GridColumn::Gross), std::to_string(100 * row) + ".00");
    }
    // 1 + ... + 10 less 5, and the gross likewise; SDI of nine rows.
    EXPECT_EQ(w.total(TotalBox::Fed), "50.00");
    EXPECT_EQ(w.total(TotalBox::Gross), "5000.00");
    EXPECT_EQ(w.total(TotalBox::Sdi), "9.00");
}

// A year of one employee in the original program's register file: the window's totals, the
// file it saves and the next calculation's wage base are the exact sums of the rows as shown.
TEST_F(RegisterTest, TotalsAreTheExactSumsOfTheShownRows) {
    {
        Session s = newBaker();
        Register year;
        for (RegisterRow& row : year.rows) {
            row.Date = "12/30/2016";
            row.Gross = 1234.56f;  // 53 weeks: 65,431.68
            row.Fed = 12345.67f;   // 53 weeks: 654,320.51
            row.Net = 1000.01f;
        }
        // Totals as the original program stored them, in single precision.
        year.totals.TotFed = Currency::fromDouble(654321.2);
        year.totals.TotGross = Currency::fromDouble(65431.69);
        ASSERT_FALSE(writeRegisterFile(dir / "Baker.yrw", year, kWeeklyRows).failed());
    }
    Session s = reopened();
    ASSERT_TRUE(openRegisterWindow(s).ok);
    const RegisterWindow& w = *s.registerWindow;
    EXPECT_EQ(w.total(TotalBox::Gross), "65431.68");
    EXPECT_EQ(w.total(TotalBox::Fed), "654320.51");
    EXPECT_EQ(w.total(TotalBox::Net), "53000.53");
    EXPECT_EQ(s.yearRegister.totals.TotGross, Currency::fromUnits(65431'6800));
    Answers yes({true});
    ASSERT_TRUE(closeRegisterWindow(s, yes).ok);
    const std::string saved = read("Baker.yrw");
    EXPECT_NE(saved.find("\r\n654320.51,"), std::string::npos) << saved.substr(saved.size() - 120);
    EXPECT_NE(saved.find(",65431.68,53000.53,"), std::string::npos)
        << saved.substr(saved.size() - 120);
    EXPECT_EQ(lineCount("Baker.yrw"), 215);
}

// Rows whose totals single precision cannot hold, through the window: each total is what adding
// the shown amounts by hand gives.
TEST_F(RegisterTest, TotalsSinglePrecisionCannotHold) {
    struct Case {
        const char* what;
        float RegisterRow::*column;
        TotalBox box;
        float amount;
        int rows;
        const char* total;
    };
    const Case cases[] = {
        // 3 x 40,000.25 = 120,000.75; seven digits kept 120,000.8.
        {"federal", &RegisterRow::Fed, TotalBox::Fed, 40000.25f, 3, "120000.75"},
        // 53 x 2,345.67 = 124,320.51; seven digits kept 124,320.5.
        {"state", &RegisterRow::State, TotalBox::State, 2345.67f, 53, "124320.51"},
        // 27 x 9,876.54 = 266,666.58 (the Single 9876.54 is 9876.5400390625).
        {"K plan", &RegisterRow::Kplan, TotalBox::Kplan, 9876.54f, 27, "266666.58"},
        // 53 x 0.07 in the hidden SDI column: 3.71.
        {"SDI", &RegisterRow::Sdi, TotalBox::Sdi, 0.07f, 53, "3.71"},
        // 53 x 2,345.67 = 124,320.51; at four decimals (2345.6699) it came to 124,320.50.
        {"gross", &RegisterRow::Gross, TotalBox::Gross, 2345.67f, 53, "124320.51"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Register r;
        for (int i = 0; i < c.rows; ++i) {
            r.rows[static_cast<std::size_t>(i)].*c.column = c.amount;
        }
        RegisterWindow w = windowOver(r);
        EXPECT_EQ(w.total(c.box), c.total);
    }
}

TEST_F(RegisterTest, TheStripShowsPlainNumbersUntilTheTotalsAreComputed) {
    Register r;
    r.rows[0].Gross = 1234.5f;
    r.totals.TotGross = Currency::fromUnits(1234'5000);
    RegisterWindow w(kWeeklyRows);
    w.show(r, Profile{});
    EXPECT_EQ(w.total(TotalBox::Gross), "1234.5");
    EXPECT_EQ(w.cell(1, GridColumn::Gross), "1234.5");
    EXPECT_EQ(w.cell(2, GridColumn::Gross), "0");
    w.fillBoxes(r);
    EXPECT_EQ(w.cell(1, GridColumn::Gross), "1234.50");
    EXPECT_EQ(w.cell(2, GridColumn::Gross), ".00");
    ASSERT_TRUE(w.AddAnnual(r).ok);
    EXPECT_EQ(w.total(TotalBox::Gross), "1234.50");
    EXPECT_EQ(w.total(TotalBox::Fed), ".00");
}

TEST_F(RegisterTest, ClearAllZeroesTheHiddenTotalsAndTheMenuRecomputesTheRest) {
    Register r;
    r.rows[0].Fed = 10;
    r.rows[0].Tips = 4;
    r.rows[0].Sdi = 2;
    r.rows[40].Cafe = 6;  // a slot past the bi-weekly rows
    RegisterWindow w = windowOver(r, kBiWeeklyRows);
    EXPECT_EQ(w.total(TotalBox::Cafe), "6.00");  // the hidden totals run over all 53 slots

    w.ClearAll(r);
    EXPECT_EQ(w.cell(1, GridColumn::Fed), "0");
    EXPECT_EQ(w.total(TotalBox::Sdi), "0");
    EXPECT_EQ(w.total(TotalBox::Cafe), "0");
    EXPECT_EQ(w.total(TotalBox::Tips), "0");
    EXPECT_EQ(w.total(TotalBox::Fed), "10.00");  // not recomputed by ClearAll
    EXPECT_FLOAT_EQ(r.rows[40].Cafe, 0);
    EXPECT_FLOAT_EQ(r.rows[0].Fed, 10);  // the grid is not taken in

    ASSERT_TRUE(w.clearAllCommand(r).ok);
    EXPECT_FLOAT_EQ(r.rows[0].Fed, 0);
    EXPECT_EQ(w.total(TotalBox::Fed), ".00");
    EXPECT_EQ(w.total(TotalBox::Tips), ".00");
}

TEST_F(RegisterTest, HandEditsCountAfterAddAndTheNetAndGrossBoxesFilterKeys) {
    Register r;
    RegisterWindow w = windowOver(r);
    EXPECT_FALSE(w.typeInto(3, GridColumn::Gross, "12a").ok);
    EXPECT_FALSE(w.typeInto(3, GridColumn::Net, "$5").ok);
    EXPECT_EQ(w.cell(3, GridColumn::Gross), ".00");
    EXPECT_FALSE(w.typeInto(3, GridColumn::Fed, "5").ok);  // a label
    ASSERT_TRUE(w.typeInto(3, GridColumn::Gross, "812.5").ok);
    ASSERT_TRUE(w.typeInto(3, GridColumn::Tips, "40 dollars").ok);  // any key; reads as 40
    EXPECT_EQ(w.total(TotalBox::Gross), ".00");
    ASSERT_TRUE(w.addCommand(r).ok);
    EXPECT_EQ(w.total(TotalBox::Gross), "812.50");
    EXPECT_EQ(w.total(TotalBox::Tips), "40.00");
    EXPECT_FLOAT_EQ(r.rows[2].Tips, 40);

    EXPECT_FALSE(w.typeIntoTotal(TotalBox::Gross, "x").ok);
    EXPECT_TRUE(w.typeIntoTotal(TotalBox::Fed, "x").ok);
}

TEST_F(RegisterTest, AnAmountNoRegisterHoldsStopsTheTotalsAndTheSave) {
    Session s = newBaker();
    calculatePeriod(s, "500", "1/8/2016");
    postAndSave(s, 1);
    const std::string before = read("Baker.yrw");

    ASSERT_TRUE(openRegisterWindow(s).ok);
    RegisterWindow& w = *s.registerWindow;
    ASSERT_TRUE(w.typeInto(2, GridColumn::Gross, "100").ok);
    ASSERT_TRUE(w.typeInto(3, GridColumn::Gross, "2000000000").ok);
    const std::string grossShown = w.total(TotalBox::Gross);
    Outcome added = w.addCommand(s.yearRegister);
    ASSERT_EQ(added.messages.size(), 1u);
    EXPECT_EQ(added.messages[0].text, kTotalsOverflow);
    // The sums of rows 1 and 2; the strip as it was.
    EXPECT_EQ(s.yearRegister.totals.TotGross, Currency::fromUnits(600'0000));
    EXPECT_EQ(w.total(TotalBox::Gross), grossShown);

    Answers yes({true});
    Outcome closed = closeRegisterWindow(s, yes);
    EXPECT_FALSE(closed.ok);
    EXPECT_EQ(firstMessage(closed), kTotalsOverflow);
    EXPECT_TRUE(s.registerWindow);  // still open, the rows kept
    EXPECT_EQ(read("Baker.yrw"), before);
}

TEST_F(RegisterTest, EachFrequencyHasItsFileWrittenOnlyWhenClosedWithYes) {
    static const struct {
        bool weekly;
        const char* file;
        int lines;
        int rows;
    } cases[] = {{true, "Baker.yrw", 215, 53}, {false, "Baker.yrb", 111, 27}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::filesystem::remove(dir / "Baker.use");
        Session s = newBaker();
        s.profile.PayWeekly = c.weekly;
        s.profile.PayBiWeekly = !c.weekly;
        ASSERT_TRUE(openRegisterWindow(s).ok);
        EXPECT_EQ(s.registerWindow->usedRows(), c.rows);
        Answers no({false});
        ASSERT_TRUE(closeRegisterWindow(s, no).ok);
        EXPECT_FALSE(exists(c.file));
        postAndSave(s, c.rows);  // the last row of the register
        EXPECT_EQ(lineCount(c.file), c.lines);
        EXPECT_FALSE(PasteMe(s, c.rows + 1).ok);
    }
    // Each frequency opens its own file.
    Session weekly = reopened();
    ASSERT_TRUE(openRegisterWindow(weekly).ok);
    EXPECT_EQ(weekly.registerWindow->usedRows(), 53);
    EXPECT_EQ(weekly.registerWindow->cell(53, GridColumn::Date), "12/30/2016");
}

TEST_F(RegisterTest, ADamagedRegisterIsRefusedAndKept) {
    Session s = newBaker();
    postAndSave(s, 1);
    std::string damaged = read("Baker.yrw");
    damaged.replace(damaged.find("\r\n") + 2, 1, "x");  // row 1, line 2: City
    write("Baker.yrw", damaged);

    Outcome opened = openRegisterWindow(s);
    EXPECT_FALSE(opened.ok);
    EXPECT_NE(firstMessage(opened).find("Baker.yrw, line 2, field 1"), std::string::npos)
        << firstMessage(opened);
    EXPECT_FALSE(s.registerWindow);
    const std::string profile = read("Baker.use");
    s.main.txtAmount[6].text = "500";
    Outcome posted = calculateAndPost(s, 2);
    EXPECT_FALSE(posted.ok);
    EXPECT_EQ(read("Baker.yrw"), damaged);
    EXPECT_EQ(read("Baker.use"), profile);  // the calculation was not saved either

    Session other = startedSession();
    EXPECT_FALSE(other.openEmployee("Baker").ok);
    EXPECT_EQ(read("Baker.yrw"), damaged);
}

TEST_F(RegisterTest, ClosingWithNoPutsTheRegisterBackAsItsFileHoldsIt) {
    Session s = newBaker();
    calculatePeriod(s, "60000", "1/8/2016");
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, 1).ok);
    EXPECT_TRUE(registerChanged(s));
    EXPECT_EQ(s.yearRegister.totals.TotGross, Currency::fromUnits(60000'0000));
    Answers no({false});
    ASSERT_TRUE(closeRegisterWindow(s, no).ok);
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(no.asked[0].text, "     Do you want to save YTD");
    EXPECT_EQ(no.asked[0].title, "Save?");
    EXPECT_EQ(no.asked[0].kind, MessageKind::YesNo);

    // The period that was not saved counts nowhere: not in the file, not in the next
    // calculation's Social Security base.
    EXPECT_FALSE(exists("Baker.yrw"));
    EXPECT_EQ(s.yearRegister.totals.TotGross, Currency{});
    calculatePeriod(s, "60000", "1/8/2016");
    EXPECT_EQ(s.main.lbTaxDed[1].caption, "3,720.00");
}

TEST_F(RegisterTest, ASaveThatCannotBeWrittenKeepsTheWindowOpen) {
    Session s = newBaker();
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, 4).ok);
    std::filesystem::create_directory(dir / "Baker.yrw");  // a folder in the file's place
    Answers yes({true});
    Outcome closed = closeRegisterWindow(s, yes);
    EXPECT_FALSE(closed.ok);
    EXPECT_NE(firstMessage(closed).find("Could not save Baker.yrw"), std::string::npos)
        << firstMessage(closed);
    ASSERT_TRUE(s.registerWindow);
    EXPECT_EQ(s.registerWindow->cell(4, GridColumn::Date), "12/30/2016");
}

TEST_F(RegisterTest, TheSaveQuestionBeforeDroppingTheWindowComesOnlyAfterAChange) {
    Session s = newBaker();
    ASSERT_TRUE(openRegisterWindow(s).ok);
    EXPECT_FALSE(registerChanged(s));
    Answers none;
    EXPECT_TRUE(offerToSaveRegister(s, none).ok);  // no question
    ASSERT_TRUE(PasteMe(s, 2).ok);
    ASSERT_TRUE(registerChanged(s));
    Answers yes({true});
    ASSERT_TRUE(offerToSaveRegister(s, yes).ok);
    EXPECT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(lineCount("Baker.yrw"), 215);
    EXPECT_FALSE(registerChanged(s));
}

TEST_F(RegisterTest, NewAndExitOfferToSaveAChangedRegisterFirst) {
    Session s = newBaker();
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, 3).ok);
    // New: "SAVE PREVIOUS USER?" No, the name, then the register's question: Yes saves Baker's.
    Answers newAnswers({false, true});
    newAnswers.name = "Lopez";
    WorkflowEnd created = fileNew(s, newAnswers);
    ASSERT_TRUE(created.outcome.ok) << firstMessage(created.outcome);
    ASSERT_EQ(newAnswers.asked.size(), 2u);
    EXPECT_EQ(newAnswers.asked[1].text, kSaveRegisterQuestion);
    EXPECT_EQ(lineCount("Baker.yrw"), 215);
    EXPECT_FALSE(s.registerWindow);

    // Exit with a register whose file cannot be written: the program stays, the window too.
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, 1).ok);
    std::filesystem::create_directory(dir / "Lopez.yrw");
    Answers exitAnswers({false, true});
    WorkflowEnd ended = fileExit(s, exitAnswers);
    EXPECT_FALSE(ended.endProgram);
    EXPECT_FALSE(ended.outcome.ok);
    EXPECT_TRUE(s.registerWindow);
    // Without a change nothing more is asked.
    std::filesystem::remove(dir / "Lopez.yrw");
    Answers yes({true});
    ASSERT_TRUE(closeRegisterWindow(s, yes).ok);
    ASSERT_TRUE(openRegisterWindow(s).ok);
    Answers onlySettings({false});
    EXPECT_TRUE(fileExit(s, onlySettings).endProgram);
    EXPECT_EQ(onlySettings.asked.size(), 1u);
}

TEST_F(RegisterTest, PostingFromTheCommandLineSavesAsClosingWithYes) {
    Session s = newBaker();
    s.main.txtAmount[6].text = "740";
    s.main.txtWeek.text = "1/8/2016";
    ASSERT_TRUE(calculateAndPost(s, 1).ok);
    EXPECT_FALSE(s.registerWindow);
    const std::string once = read("Baker.yrw");

    // The same post through the window.
    std::filesystem::remove(dir / "Baker.yrw");
    calculatePeriod(s, "740", "1/8/2016");
    postAndSave(s, 1);
    EXPECT_EQ(read("Baker.yrw"), once);
    EXPECT_NE(once.find("\"1/8/2016\""), std::string::npos);
}

TEST_F(RegisterTest, OpeningAnotherEmployeeDropsTheWindow) {
    Session s = newBaker();
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(s.newEmployee("Lopez").ok);
    EXPECT_FALSE(s.registerWindow);
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(s.openEmployee("Baker").ok);
    EXPECT_FALSE(s.registerWindow);
}

}  // namespace
}  // namespace quillon
