// Reading a folder for the quarter and year figures: the five employees of
// engine/tests/year_fixture.hpp written as their files and read back, the flags taken from the
// files that keep them, the registers left unread, damaged files refusing the whole reading, and
// the words of the notes.
#include "session/year_folder.hpp"

#include <gtest/gtest.h>

#include <string>

#include "engine/tests/year_fixture.hpp"
#include "records/files.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::dollars;
using testing::fiveEmployees;
using testing::WorkingFolder;

class YearFolderTest : public WorkingFolder {
  protected:
    // An employee's profile files and register as the program writes them. Without `stateFile`
    // his exemption is left to the default state file.
    void writeEmployee(const YearEmployee& e, bool stateFile = true) const {
        Profile p;
        StateSettings s;
        p.EmpName = e.EmpName;
        p.DedName8 = e.DedName8;
        p.DedName9 = e.DedName9;
        p.PayWeekly = !e.biWeekly;
        p.PayBiWeekly = e.biWeekly;
        p.SelfEmployed = e.SelfEmployed ? 1 : 0;
        p.CafeDeductState = e.CafeDeductState ? 1 : 0;
        p.SSMediExempt = e.SSMediExempt ? 1 : 0;
        auto at = [&](const char* ext) { return employeeFile(dir, e.userFile, ext); };
        ASSERT_TRUE(writeUseFile(at(".use"), p, s).ok());
        ASSERT_TRUE(writeAndFile(at(".and"), p, s).ok());
        ASSERT_TRUE(writeCfeFile(at(".cfe"), p).ok());
        if (stateFile) {
            ASSERT_TRUE(writeStateFile(at(".sta"), s, p).ok());
        }
        writeRegister(e.userFile + (e.biWeekly ? ".yrb" : ".yrw"), e.rows);
    }
    void writeRegister(const std::string& name, const std::vector<RegisterRow>& rows) const {
        const int used = static_cast<int>(rows.size());
        Register r;
        std::copy(rows.begin(), rows.end(), r.rows.begin());
        r.totals = AddAnnual(r.rows, used);
        ASSERT_TRUE(writeRegisterFile(dir / name, r, used).ok());
    }
    void writeDefaultExemption(bool exempt) const {
        Profile fields;
        fields.SSMediExempt = exempt ? 1 : 0;
        ASSERT_TRUE(writeStateFile(employeeFile(dir, "", ".sta"), StateSettings{}, fields).ok());
    }
    // The five employees; Dunn has no state file and is exempt by the default one.
    void writeFive() const {
        for (const YearEmployee& e : fiveEmployees()) {
            writeEmployee(e, e.userFile != "Dunn");
        }
        writeDefaultExemption(true);
    }
    [[nodiscard]] YearFolder readFolder() const {
        auto read = readYearFolder(dir);
        if (auto* error = std::get_if<FileError>(&read)) {
            ADD_FAILURE() << error->describe();
            return {};
        }
        return std::get<YearFolder>(read);
    }
};

TEST_F(YearFolderTest, EveryEmployeeWithHisFlagsAndTheRegisterOfHisFrequency) {
    writeFive();
    const YearFolder folder = readFolder();
    EXPECT_EQ(folder.employees, fiveEmployees());
    EXPECT_TRUE(folder.unread.empty());

    // The figures of engine/tests/year_summary_test.cpp, worked out by hand there: the third
    // quarter's return of Archer, Baker, Carver and Dunn, Ellis apart.
    const YearSummary q3 = summarize(folder.employees, SummaryPeriod::ofQuarter(3));
    ASSERT_TRUE(q3.form941);
    EXPECT_EQ(q3.form941->line1, 3);
    EXPECT_EQ(q3.form941->line2, dollars(106170));
    EXPECT_EQ(q3.form941->line5aWages, dollars(30600));
    EXPECT_EQ(q3.form941->line5dWages, dollars(40000));
    EXPECT_EQ(q3.form941->line10, dollars(25502.37));
    ASSERT_EQ(q3.selfEmployed.size(), 1U);
    EXPECT_EQ(q3.skipped.size(), 3U);
}

TEST_F(YearFolderTest, AnEmployeeWithoutAStateFileIsExemptAsTheDefaultStateFileSays) {
    YearEmployee dunn = testing::dunn();
    writeEmployee(dunn, false);
    writeDefaultExemption(true);
    EXPECT_TRUE(readFolder().employees.at(0).SSMediExempt);
    writeDefaultExemption(false);
    EXPECT_FALSE(readFolder().employees.at(0).SSMediExempt);
    std::filesystem::remove(employeeFile(dir, "", ".sta"));
    EXPECT_FALSE(readFolder().employees.at(0).SSMediExempt);
}

TEST_F(YearFolderTest, AnEmployeeWithoutARegisterHasOnlyEmptyRows) {
    YearEmployee fox;
    fox.userFile = "Fox";
    fox.rows = testing::slots(kWeeklyRows);
    writeEmployee(fox);
    std::filesystem::remove(dir / "Fox.yrw");
    const YearFolder folder = readFolder();
    EXPECT_EQ(folder.employees, std::vector<YearEmployee>{fox});
    EXPECT_TRUE(summarize(folder.employees, SummaryPeriod::wholeYear()).employees.empty());
}

TEST_F(YearFolderTest, RegistersThatHoldRowsNoFigureReadAreListed) {
    writeFive();
    std::vector<RegisterRow> weekly = testing::slots(kWeeklyRows);
    weekly[0] = testing::dated(weekly[0], "1/1/2016");
    weekly[0].Gross = 500;
    weekly[1].Gross = 20;
    writeRegister("Baker.yrw", weekly);                         // Baker is bi-weekly
    writeRegister("Ghost.yrw", weekly);                         // no Ghost.use
    writeRegister("Empty.yrb", testing::slots(kBiWeeklyRows));  // nothing in it: not listed
    std::vector<RegisterRow> biWeekly = testing::slots(kBiWeeklyRows);
    biWeekly[4].Fed = 1;
    writeRegister(".yrb", biWeekly);  // the default files'

    const YearFolder folder = readFolder();
    const std::vector<UnreadRegister> expected = {
        {".yrb", UnreadRegister::Why::DefaultFiles, 1},
        {"Baker.yrw", UnreadRegister::Why::OtherFrequency, 2},
        {"Ghost.yrw", UnreadRegister::Why::NoProfile, 2},
    };
    EXPECT_EQ(folder.unread, expected);
    EXPECT_EQ(unreadRegisterText(folder.unread[0]),
              ".yrb holds 1 row posted with no employee open: they are in no figure.");
    EXPECT_EQ(unreadRegisterText(folder.unread[1]),
              "Baker.yrw holds 2 rows, but Baker is paid bi-weekly now: they are in no figure.");
    EXPECT_EQ(unreadRegisterText(folder.unread[2]),
              "Ghost.yrw holds 2 rows, but there is no employee Ghost (no Ghost.use): they are in "
              "no figure.");
    EXPECT_EQ(folder.employees, fiveEmployees());  // Baker's figures are his .yrb's
}

struct DamageCase {
    const char* file;
    const char* from;  // the first place of this text in the file is damaged
    const char* to;
    int line, field;
};

TEST_F(YearFolderTest, ADamagedFileRefusesTheWholeReadingNamingItsPlace) {
    static const DamageCase cases[] = {
        // Carver's row 2 block starts on line 5; its Medicare is field 4 of it.
        {"Carver.yrw", "\"9/9/2016\",60,49.6,11.6", "\"9/9/2016\",60,49.6,abc", 5, 4},
        {"Ellis.cfe", "0,0,1", "0,0,#TRUE", 1, 3},
        {"Baker.yrb", "\"2/19/2016\"", "2/19/2016", 5, 1},  // a date not in quotes
        {".sta", "", "x", 1, 1},  // the default state file, which Dunn's exemption needs
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        writeFive();
        std::string text = read(c.file);
        const std::size_t at = text.find(c.from);
        ASSERT_NE(at, std::string::npos) << text.substr(0, 200);
        write(c.file, text.replace(at, std::string(c.from).size(), c.to));

        auto refused = readYearFolder(dir);
        ASSERT_TRUE(std::holds_alternative<FileError>(refused));
        const FileError& error = std::get<FileError>(refused);
        EXPECT_EQ(error.file, c.file);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.field, c.field);
        const Message message = yearFolderRefusedMessage(error);
        EXPECT_NE(message.text.find(error.describe()), std::string::npos) << message.text;
        EXPECT_NE(message.text.find("nothing was written"), std::string::npos);
    }
}

TEST(YearNotes, TheOperatorsWords) {
    EmployeeSummary carver;
    carver.userFile = "Carver";
    carver.EmpName = "Cy Carver";
    carver.DedName9 = "H.I.";
    carver.figures.ssTax = dollars(148.8);
    EXPECT_EQ(employeeNoteText({SummaryNoteKind::KplanIsBox12D, dollars(120)}, carver),
              "Box 12 code D holds the K plan of Cy Carver, 120.00: right for a 401(k) plan. A "
              "403(b) plan takes code E, a governmental 457(b) plan code G, a SIMPLE plan code S.");
    EXPECT_EQ(employeeNoteText({SummaryNoteKind::SocialSecurityDiffers, dollars(1234.5)}, carver),
              "Social Security withheld from Cy Carver, 148.80, is not 6.2 % of his Social "
              "Security wages and tips, 1,234.50. Check the register.");
    EXPECT_EQ(employeeNoteText({SummaryNoteKind::NinthDeductionLeftOut, dollars(600)}, carver),
              "Boxes 1, 3 and 5 of Cy Carver leave out \"H.I.\" (deduction 9), 600.00, as the "
              "withholding did. If it is not a pre-tax (cafeteria plan) deduction, add it to "
              "those boxes.");
    carver.EmpName.clear();  // then his file's name
    EXPECT_EQ(employeeNoteText({SummaryNoteKind::PensionLeftOutOfBox1, dollars(3600)}, carver),
              "Box 1 of Carver leaves out deduction 8, 3,600.00, as the federal withholding did. "
              "If it is not a pre-tax plan, add it to box 1.");

    EXPECT_EQ(skippedRowText({"Carver", 4, "9/30/16"}),
              "Carver, row 4: \"9/30/16\" is not a date of 2016 (M/D/YYYY); the row is in no "
              "figure.");
    EXPECT_EQ(skippedRowText({"Dunn", 2, " "}), "Dunn, row 2: no date; the row is in no figure.");
    EXPECT_EQ(skippedRowText({"Eve", 1, "1/5/2016\x1b[2J"}),
              "Eve, row 1: \"1/5/2016\\x1b[2J\" is not a date of 2016 (M/D/YYYY); the row is in "
              "no figure.");
    EXPECT_NE(reportNoteText({SummaryNoteKind::LinesNotFigured, {}}).find("Lines 4, 5f, 8, 9"),
              std::string::npos);
}

}  // namespace
}  // namespace quillon
