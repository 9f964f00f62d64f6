// "Save This Pay Period" and "Get Pay Period" through the session and the real files: what is
// saved, what reading it back shows, and what is refused with nothing written or changed.
#include "session/saved_period.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;

// Everything the main window shows of a period: the entry boxes, the result rows and figures,
// the week-ending box.
std::vector<std::string> shownTexts(const MainWindow& w) {
    std::vector<std::string> texts;
    for (const TextBox& box : w.txtAmount) {
        texts.push_back(box.text);
    }
    for (const Label& row : w.lbTaxDed) {
        texts.push_back(row.caption);
    }
    for (const Label* l : {&w.lbSDI, &w.lbSUI, &w.lbCafe, &w.Label13, &w.lbTaxes, &w.lbDeduct,
                           &w.lbNet, &w.lbOverT, &w.lbTips}) {
        texts.push_back(l->caption);
    }
    texts.push_back(w.txtWeek.text);
    return texts;
}

// The figures of the file's order, as the main window shows them.
std::vector<std::string> savedFigures(const MainWindow& w) {
    std::vector<std::string> texts;
    for (const Label& row : w.lbTaxDed) {
        texts.push_back(row.caption);
    }
    for (const Label* l :
         {&w.lbSDI, &w.lbSUI, &w.lbCafe, &w.Label13, &w.lbTaxes, &w.lbDeduct, &w.lbNet}) {
        texts.push_back(l->caption);
    }
    return texts;
}

std::string withoutSeparatorsOrDollar(std::string text) {
    text.erase(
        std::remove_if(text.begin(), text.end(), [](char c) { return c == ',' || c == '$'; }),
        text.end());
    return text;
}

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

// Answers the file dialog with a chosen file, or cancels it.
class FileChoice : public Questions {
  public:
    explicit FileChoice(std::optional<std::filesystem::path> chosen) : chosen_(std::move(chosen)) {}
    bool askYesNo(const Message& question) override {
        ADD_FAILURE() << "unexpected question: " << question.text;
        return false;
    }
    std::optional<std::string> askText(const TextQuestion&) override { return std::nullopt; }
    std::optional<std::filesystem::path> askFile(const FileQuestion& question) override {
        asked.push_back(question);
        return chosen_;
    }
    SaveUserEnd showSaveUser(SaveUserDialog&) override { return SaveUserEnd::No; }

    std::vector<FileQuestion> asked;

  private:
    std::optional<std::filesystem::path> chosen_;
};

class SavedPeriodTest : public WorkingFolder {
  protected:
    // Baker, new, paid 6,000.00 for the week ending 12/30/2016: a federal tax in the thousands.
    Session calculatedBaker() {
        Session s = startedSession();
        EXPECT_TRUE(s.newEmployee("Baker").ok);
        s.main.txtAmount[6].text = "6000";
        s.main.txtWeek.text = "12/30/2016";
        Outcome calculated = s.calculate();
        EXPECT_TRUE(calculated.ok);
        return s;
    }
    [[nodiscard]] int periodFiles() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            count += entry.path().extension() == ".prv" ? 1 : 0;
        }
        return count;
    }
};

TEST_F(SavedPeriodTest, ASavedPeriodReadBackShowsTheFiguresWithoutSeparatorsAndTheFilesDate) {
    Session s = calculatedBaker();
    const std::vector<std::string> figures = savedFigures(s.main);
    ASSERT_NE(figures[0].find(','), std::string::npos) << figures[0];  // "1,xxx.xx"
    EXPECT_EQ(s.main.Label13.caption, "$6,000.00");
    EXPECT_EQ(s.main.txtAmount[0].text, "");

    const Outcome saved = SavePeriod(s);
    ASSERT_TRUE(saved.ok);
    EXPECT_TRUE(saved.messages.empty());
    // Empty boxes are written as 0 and show "0" afterwards.
    EXPECT_EQ(s.main.txtAmount[0].text, "0");
    EXPECT_EQ(s.main.txtAmount[6].text, "6000");

    const std::vector<std::string> lines = linesOf(read("Baker  12_30_2016.prv"));
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0], "0");
    EXPECT_EQ(lines[6], "6000");
    EXPECT_EQ(lines[22], "6000");                                // gross
    EXPECT_EQ(lines[8], withoutSeparatorsOrDollar(figures[0]));  // the federal tax, whole

    // Another day: the period shown again, the last calculation's results untouched.
    Session later = startedSession();
    ASSERT_TRUE(later.openEmployee("Baker").ok);
    const PayResult resultsBefore = later.results;
    const Outcome got = GetPeriod(later, dir / "Baker  12_30_2016.prv");
    ASSERT_TRUE(got.ok);
    EXPECT_TRUE(got.messages.empty());
    EXPECT_EQ(later.main.txtWeek.text, "12/30/2016");
    EXPECT_EQ(later.main.txtAmount[0].text, "0");
    EXPECT_EQ(later.main.txtAmount[6].text, "6000");
    EXPECT_EQ(later.main.Label13.caption, "6000.00");  // no dollar sign
    const std::vector<std::string> shownAgain = savedFigures(later.main);
    for (std::size_t k = 0; k < figures.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(shownAgain[k], withoutSeparatorsOrDollar(figures[k]));
    }
    EXPECT_EQ(later.results.GrossPay, resultsBefore.GrossPay);
    EXPECT_EQ(later.results.NetPay, resultsBefore.NetPay);
}

TEST_F(SavedPeriodTest, SavingTheSameDateReplacesTheFileAndANewDateGivesASecond) {
    Session s = calculatedBaker();
    ASSERT_TRUE(SavePeriod(s).ok);
    s.main.txtAmount[6].text = "6500";
    ASSERT_TRUE(SavePeriod(s).ok);
    EXPECT_EQ(periodFiles(), 1);
    EXPECT_EQ(linesOf(read("Baker  12_30_2016.prv"))[6], "6500");

    s.main.txtWeek.text = "1/6/2017";
    ASSERT_TRUE(SavePeriod(s).ok);
    EXPECT_EQ(periodFiles(), 2);
    EXPECT_TRUE(exists("Baker  1_6_2017.prv"));
}

TEST_F(SavedPeriodTest, AWeekEndingThatCannotNameAFileIsRefusedAndNothingChanges) {
    Session s = calculatedBaker();
    const std::vector<std::string> before = shownTexts(s.main);
    static const struct {
        std::string week;
        const char* says;
    } cases[] = {
        {"", "is empty"},
        {"   ", "is empty"},
        {"12/30/2016?", "cannot name a file"},
        {"12\\30\\2016", "cannot name a file"},
        {"12:30", "cannot name a file"},
        {"<12/30/2016>", "cannot name a file"},
        {"12/30\n2016", "cannot name a file"},
        {std::string(300, '1'), "too long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.week);
        s.main.txtWeek.text = c.week;
        const Outcome refused = SavePeriod(s);
        EXPECT_FALSE(refused.ok);
        ASSERT_EQ(refused.messages.size(), 1u);
        EXPECT_NE(refused.messages[0].text.find(c.says), std::string::npos)
            << refused.messages[0].text;
        EXPECT_NE(refused.messages[0].text.find("Nothing was saved."), std::string::npos);
        EXPECT_EQ(periodFiles(), 0);
        std::vector<std::string> now = shownTexts(s.main);
        now.back() = before.back();  // the week-ending box holds the case's text
        EXPECT_EQ(now, before);
    }
}

TEST_F(SavedPeriodTest, AnEntryBoxThatIsNotANumberIsRefusedNamingTheBox) {
    Session s = calculatedBaker();
    for (const char* text : {"1..2", "-", "4-5"}) {
        SCOPED_TRACE(text);
        s.main.txtAmount[3].text = text;
        const Outcome refused = SavePeriod(s);
        EXPECT_FALSE(refused.ok);
        ASSERT_TRUE(refused.badBox.has_value());
        EXPECT_EQ(refused.badBox->control, "txtAmount");
        EXPECT_EQ(refused.badBox->row, 3);
        ASSERT_EQ(refused.messages.size(), 1u);
        EXPECT_NE(refused.messages[0].text.find("O.T. TIME AND 1/2 (1.5X)"), std::string::npos);
        EXPECT_EQ(s.main.txtAmount[0].text, "");  // nothing filled with "0"
        EXPECT_EQ(periodFiles(), 0);
    }
}

TEST_F(SavedPeriodTest, ADamagedFileIsRefusedWithItsLineAndTheMainWindowStaysAsItWas) {
    Session s = calculatedBaker();
    ASSERT_TRUE(SavePeriod(s).ok);
    std::vector<std::string> lines = linesOf(read("Baker  12_30_2016.prv"));
    std::string notANumber, endsEarly;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        notANumber += (i == 4 ? std::string("abc") : lines[i]) + "\r\n";
        if (i < 20) {
            endsEarly += lines[i] + "\r\n";
        }
    }
    write("Baker  1_6_2017.prv", notANumber);
    write("Baker  1_13_2017.prv", endsEarly);

    s.main.txtWeek.text = "12/30/2016";
    const std::vector<std::string> before = shownTexts(s.main);
    static const struct {
        const char* file;
        const char* says;
    } cases[] = {
        {"Baker  1_6_2017.prv", "Baker  1_6_2017.prv, line 5, field 1: not a number"},
        {"Baker  1_13_2017.prv", "Baker  1_13_2017.prv, line 21"},
        {"Baker  1_20_2017.prv", "Could not read Baker  1_20_2017.prv"},  // no such file
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        FileChoice chosen(dir / c.file);
        const Outcome refused = GetPeriod(s, chosen);
        EXPECT_FALSE(refused.ok);
        ASSERT_EQ(refused.messages.size(), 1u);
        EXPECT_NE(refused.messages[0].text.find(c.says), std::string::npos)
            << refused.messages[0].text;
        EXPECT_NE(refused.messages[0].text.find("Nothing on the main window was changed."),
                  std::string::npos);
        EXPECT_EQ(shownTexts(s.main), before);
    }
    // The damaged file is left as it was.
    EXPECT_EQ(read("Baker  1_6_2017.prv"), notANumber);
}

TEST_F(SavedPeriodTest, TheFileDialogAsksForSavedPeriodsAndCancellingChangesNothing) {
    Session s = calculatedBaker();
    ASSERT_TRUE(SavePeriod(s).ok);
    s.main.txtWeek.text = "1/6/2017";
    const std::vector<std::string> before = shownTexts(s.main);

    FileChoice cancelled(std::nullopt);
    const Outcome nothing = GetPeriod(s, cancelled);
    EXPECT_TRUE(nothing.ok);
    EXPECT_TRUE(nothing.messages.empty());
    EXPECT_EQ(shownTexts(s.main), before);
    ASSERT_EQ(cancelled.asked.size(), 1u);
    EXPECT_EQ(cancelled.asked[0].filter, "Saved Files (*.prv)");
    EXPECT_EQ(cancelled.asked[0].folder, dir);

    // A file whose name carries no date is not a saved period's.
    std::filesystem::copy_file(dir / "Baker  12_30_2016.prv", dir / "Baker.prv");
    FileChoice undated(dir / "Baker.prv");
    const Outcome refused = GetPeriod(s, undated);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(shownTexts(s.main), before);

    FileChoice chosen(dir / "Baker  12_30_2016.prv");
    ASSERT_TRUE(GetPeriod(s, chosen).ok);
    EXPECT_EQ(s.main.txtWeek.text, "12/30/2016");
    EXPECT_EQ(s.folder, dir);
}

TEST(PeriodDate, IsTheTextBetweenTheLastTwoBlanksAndTheExtension) {
    static const struct {
        const char* name;
        std::optional<std::string> date;
    } cases[] = {
        {"Baker  12_30_2016.prv", "12/30/2016"},
        {"John  Smith  1_6_2017.prv", "1/6/2017"},
        {"  12_30_2016.prv", "12/30/2016"},  // the default employee (empty name)
        {"Baker  week 3.prv", "week 3"},
        {"Baker 12_30_2016.prv", std::nullopt},
        {"Baker  .prv", std::nullopt},
        {"Baker  12_30_2016.txt", std::nullopt},
        {".prv", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(periodDate(c.name), c.date);
    }
}

}  // namespace
}  // namespace quillon
