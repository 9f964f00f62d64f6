// New, open, save and calculate through the session, on a fresh working folder.
#include <gtest/gtest.h>

#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;
using Workflow = WorkingFolder;

// The result area as the main window shows it, in the order of the command-line tool.
std::vector<std::string> shown(const MainWindow& w) {
    std::vector<std::string> texts;
    for (const Label& row : w.lbTaxDed) {
        texts.push_back(row.caption);
    }
    for (const Label* l : {&w.lbSDI, &w.lbSUI, &w.lbCafe, &w.Label13, &w.lbTaxes, &w.lbDeduct,
                           &w.lbNet, &w.lbOverT, &w.lbTips}) {
        texts.push_back(l->caption);
    }
    return texts;
}

// Rate 15.50, weekly, single; two federal exemptions, one state-and-city exemption.
void setUpOrdinaryEmployee(Session& s) {
    ASSERT_TRUE(s.loadTaxInfo().ok);
    TaxInfoDialog& info = *s.taxInfo.model;
    info.txtHourRate.text = "15.5";
    info.cboStatus.text = "Single";
    info.cboDepend.text = "2";
    info.cboStatus2.text = "Single";
    info.cboDepend2.text = "1";
    info.optWeek.value = true;
    info.optBiWeek.value = false;
    Outcome saved = s.taxInfoSave();
    ASSERT_TRUE(saved.ok) << (saved.messages.empty() ? "" : saved.messages.front().text);
}

TEST_F(Workflow, NewEmployeeGetsEveryFileWithTheNewYorkTables) {
    Session s = startedSession();
    Outcome created = s.newEmployee("Smith");
    ASSERT_TRUE(created.ok);
    EXPECT_EQ(s.main.caption, "Smith  User:  ");

    const struct {
        const char* file;
        int lines;
    } files[] = {{"Smith.use", 12}, {"Smith.and", 9},  {"Smith.cfe", 1}, {"Smith.ovw", 53},
                 {"Smith.sta", 23}, {"Smith.cti", 21}, {"Smith.nci", 9}, {"Smith.hol", 41}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        EXPECT_EQ(lineCount(f.file), f.lines);
    }
    EXPECT_FALSE(exists("Smith.ovb"));

    // New York state and city values, as the files hold them.
    Session reopened(dir, dir);
    reopened.startUp("12/30/2016");
    ASSERT_TRUE(reopened.openEmployee("Smith").ok);
    EXPECT_FLOAT_EQ(reopened.state.StateMinBS[1], 325.0f);
    EXPECT_FLOAT_EQ(reopened.state.StateAmtBM[7], 257.04f);
    EXPECT_FLOAT_EQ(reopened.state.StateSgExp[9], 631.1f);
    EXPECT_FLOAT_EQ(reopened.city.CityAmtBM[6], 801.09f);
    EXPECT_FLOAT_EQ(reopened.city.CityAmtBS[6], 801.31f);
    EXPECT_FLOAT_EQ(reopened.city.CityMinBS[7], 999999.0f);

    // The empty period shows zeros, and no gross figure.
    std::vector<std::string> texts = shown(s.main);
    EXPECT_EQ(texts[0], ".00");
    EXPECT_EQ(texts[14], "");
    EXPECT_EQ(texts[17], "$.00");
}

TEST_F(Workflow, AnOrdinaryWeekMatchesTheTablesWorkedByHand) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    setUpOrdinaryEmployee(s);

    Session week(dir, dir);
    week.startUp("12/30/2016");
    ASSERT_TRUE(week.openEmployee("Smith").ok);
    week.main.txtAmount[0].text = "40";
    Outcome calculated = week.calculate();
    ASSERT_TRUE(calculated.ok);

    // Gross 40 x 15.50 = 620.00.
    // Federal, single weekly, 2 allowances: 620 - 155.80 = 464.20; 17.90 + 15% x 242.20 = 54.23.
    // Social Security 620 x 6.2% = 38.44; Medicare 620 x 1.45% = 8.99.
    // State (New York, halved for a week), 1 exemption: 620 - 323.10 / 2 = 458.45, line 5
    // (409.50): 48.95 x 0.0645 + 19.94 = 23.10.
    // City (New York, halved), 1 exemption: 620 - 230.80 / 2 = 504.60, line 5 (481):
    // 23.60 x 0.039 + 14.155 = 15.08.
    // Taxes 139.84; net 480.16.
    const std::vector<std::string> expected = {
        "54.23", "38.44", "8.99", "23.10", "15.08",   ".00",     ".00",  ".00",     ".00",  ".00",
        ".00",   ".00",   ".00",  ".00",   "$620.00", "$139.84", "$.00", "$480.16", "$.00", "$.00"};
    EXPECT_EQ(shown(week.main), expected);
    // The entry boxes keep only what was typed.
    EXPECT_EQ(week.main.txtAmount[0].text, "40");
    EXPECT_EQ(week.main.txtAmount[1].text, "");
}

TEST_F(Workflow, NewRefusesAnExistingEmployeeAndTouchesNothing) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    const std::string before = read("Smith.sta");
    ASSERT_TRUE(s.newEmployee("Jones").ok);

    Outcome again = s.newEmployee("Smith");
    EXPECT_FALSE(again.ok);
    ASSERT_EQ(again.messages.size(), 1u);
    EXPECT_EQ(again.messages[0].text, "Smith........ already exists. Use Open");
    // The open employee stays Jones: a later calculation does not write over Smith's files.
    EXPECT_EQ(s.UserFile, "Jones");
    ASSERT_TRUE(s.calculate().ok);
    EXPECT_EQ(read("Smith.sta"), before);
}

TEST_F(Workflow, UnusableNamesAreRefusedAndNothingIsWritten) {
    Session s = startedSession();
    const auto filesBefore = std::distance(std::filesystem::directory_iterator(dir),
                                           std::filesystem::directory_iterator());
    for (const char* name : {"../Smith", "a/b", "   ", "Smith?", "x:y", "\"quoted\""}) {
        SCOPED_TRACE(name);
        Outcome created = s.newEmployee(name);
        EXPECT_FALSE(created.ok);
        ASSERT_EQ(created.messages.size(), 1u);
        EXPECT_NE(created.messages[0].text.find("cannot be used"), std::string::npos);
        EXPECT_FALSE(s.saveAction(name).ok);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              filesBefore);
}

TEST_F(Workflow, EntryBoxThatIsNotANumberIsRefusedNamingTheBox) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    const std::string before = read("Smith.use");
    for (const char* text : {"1 2", "-", "1.2.3", "4-5"}) {
        SCOPED_TRACE(text);
        s.main.txtAmount[3].text = text;
        Outcome calculated = s.calculate();
        EXPECT_FALSE(calculated.ok);
        ASSERT_EQ(calculated.messages.size(), 1u);
        EXPECT_NE(calculated.messages[0].text.find("O.T. TIME AND 1/2 (1.5X)"), std::string::npos);
        EXPECT_EQ(s.main.txtAmount[3].text, text);
    }
    EXPECT_EQ(read("Smith.use"), before);
}

TEST_F(Workflow, OpenReportsAnUnknownEmployee) {
    Session s = startedSession();
    Outcome opened = s.openEmployee("Nobody");
    EXPECT_FALSE(opened.ok);
    ASSERT_EQ(opened.messages.size(), 1u);
    EXPECT_NE(opened.messages[0].text.find("Nobody"), std::string::npos);
}

TEST_F(Workflow, CorruptedSettingsFileStopsTheCalculationAndIsLeftAlone) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    for (const char* ext : {".sta", ".cti"}) {
        SCOPED_TRACE(ext);
        const std::string name = std::string("Smith") + ext;
        const std::string good = read(name);
        const std::string corrupted = good.substr(0, good.size() / 2) + "abc\r\n";
        write(name, corrupted);
        const std::string profileBefore = read("Smith.use");

        Outcome calculated = s.calculate();
        EXPECT_FALSE(calculated.ok);
        ASSERT_FALSE(calculated.messages.empty());
        // The program's words, then the place: file, line, field and what is wrong.
        EXPECT_EQ(
            calculated.messages[0].text.rfind("You have corupted a file.\r\nFind file,\r\n" + name +
                                                  "\r\nand delete it.\r\n" + name + ", line ",
                                              0),
            0u)
            << calculated.messages[0].text;
        EXPECT_EQ(read(name), corrupted);
        EXPECT_EQ(read("Smith.use"), profileBefore);
        write(name, good);
    }
}

TEST_F(Workflow, MissingStateAndCityFilesFallBackToNewYork) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    std::filesystem::remove(dir / "Smith.sta");
    std::filesystem::remove(dir / "Smith.cti");
    s.state.StateAmtBS[2] = 1.0f;  // whatever was in memory does not count
    ASSERT_TRUE(s.calculate().ok);
    EXPECT_FLOAT_EQ(s.state.StateAmtBS[2], 18.54f);
    EXPECT_FLOAT_EQ(s.city.CityAmtBS[2], 6.58f);
    EXPECT_EQ(lineCount("Smith.sta"), 23);
    EXPECT_EQ(lineCount("Smith.cti"), 21);
}

TEST_F(Workflow, CorruptedProfileOrNonCityFileStopsTheOpening) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    for (const char* ext : {".use", ".and", ".nci", ".hol"}) {
        SCOPED_TRACE(ext);
        const std::string name = std::string("Smith") + ext;
        const std::string good = read(name);
        write(name, "\"x\",abc,\r\n");
        Session other(dir, dir);
        other.startUp("12/30/2016");
        Outcome opened = other.openEmployee("Smith");
        EXPECT_FALSE(opened.ok);
        ASSERT_FALSE(opened.messages.empty());
        EXPECT_NE(opened.messages.back().text.find(name), std::string::npos);
        EXPECT_EQ(read(name), "\"x\",abc,\r\n");
        write(name, good);
    }
}

TEST_F(Workflow, MakeDefaultWritesTheDefaultFilesThatANewEmployeeStartsFrom) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    ASSERT_TRUE(s.showStateDialog().ok);
    ASSERT_TRUE(s.stateDialogType({"txtStateAmtBS", 1}, "14").ok);
    ASSERT_TRUE(s.showCityDialog().ok);
    ASSERT_TRUE(s.stateDialogMakeDefault().ok);
    EXPECT_EQ(s.UserFile, "Smith");
    for (const char* name : {".sta", ".cti", ".nci", ".use", ".and", ".cfe", ".hol"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(exists(name));
    }
    EXPECT_EQ(lineCount(".sta"), 23);

    ASSERT_TRUE(s.newEmployee("Jones").ok);
    Session reopened(dir, dir);
    reopened.startUp("12/30/2016");
    ASSERT_TRUE(reopened.openEmployee("Jones").ok);
    EXPECT_FLOAT_EQ(reopened.state.StateAmtBS[1], 14.0f);
    EXPECT_FLOAT_EQ(reopened.state.StateAmtBS[2], 18.54f);
}

TEST_F(Workflow, ASettingsDialogOnTheScreenKeepsItsEditsThroughACalculation) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    const std::string saved = read("Smith.sta");
    ASSERT_TRUE(s.showStateDialog().ok);
    ASSERT_TRUE(s.stateDialogType({"txtStateAmtBS", 1}, "99").ok);

    ASSERT_TRUE(s.typeIntoEntryBox(0, "40").ok);
    ASSERT_TRUE(s.calculate().ok);
    ASSERT_TRUE(s.stateDialog.loaded());
    EXPECT_TRUE(s.stateDialog.shown);
    EXPECT_EQ(s.stateDialog.model->txtStateAmtBS[1].text, "99");
    // The calculation used what was last saved.
    EXPECT_FLOAT_EQ(s.state.StateAmtBS[1], 13.0f);
    EXPECT_EQ(read("Smith.sta"), saved);
}

TEST_F(Workflow, WithoutTheFederalTableEveryCalculationWarnsAndWithholdsNoFederalTax) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    std::filesystem::remove(dir / "Federal16.dtt");
    s.main.txtAmount[0].text = "40";
    for (int i = 0; i < 2; ++i) {
        Outcome calculated = s.calculate();
        EXPECT_TRUE(calculated.ok);
        ASSERT_EQ(calculated.messages.size(), 1u);
        EXPECT_EQ(calculated.messages[0].kind, MessageKind::Exclamation);
        EXPECT_EQ(calculated.messages[0].text.rfind("   Operation Failed ! ! !\r\n", 0), 0u);
        EXPECT_EQ(s.main.lbTaxDed[0].caption, ".00");
        EXPECT_EQ(s.main.lbTaxDed[1].caption, "18.60");  // the rest is calculated
    }
}

TEST_F(Workflow, AFederalTableThatCannotBeReadStopsTheCalculation) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    const std::string table = read("Federal16.dtt");
    write("Federal16.dtt", table.substr(0, table.size() / 2) + "x\r\n");
    const std::string before = read("Smith.use");
    s.main.txtAmount[0].text = "40";
    Outcome calculated = s.calculate();
    EXPECT_FALSE(calculated.ok);
    ASSERT_EQ(calculated.messages.size(), 1u);
    EXPECT_NE(calculated.messages[0].text.find("Federal16.dtt"), std::string::npos);
    EXPECT_EQ(s.main.lbTaxDed[0].caption, ".00");  // the last results stay as they were
    EXPECT_EQ(read("Smith.use"), before);
}

}  // namespace
}  // namespace quillon
