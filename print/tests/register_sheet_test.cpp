// The register workbook read back by a real reader (openpyxl): cells, fonts and colours, the
// frozen heading row, the page setup, the comment, the fitted widths; and a write that fails.
#include "print/register_sheet.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "print/tests/fixtures.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

class RegisterSheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quillon-sheet-test-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // What the checker script reads from the workbook, one fact a line.
    static std::set<std::string> readBack(const fs::path& file) {
        const std::string command = std::string(QUILLON_PYTHON) + " " + QUILLON_SOURCE_DIR +
                                    "/print/tests/check_workbook.py '" + file.string() + "'";
        std::FILE* pipe = ::popen(command.c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        std::string out;
        std::array<char, 4096> buffer{};
        while (pipe != nullptr && std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
            out += buffer.data();
        }
        EXPECT_EQ(pipe != nullptr ? ::pclose(pipe) : -1, 0) << out;
        std::set<std::string> facts;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            facts.insert(line);
        }
        return facts;
    }

    static double width(const std::set<std::string>& facts, char column) {
        const std::string prefix = std::string("width ") + column + " ";
        for (const std::string& fact : facts) {
            if (fact.starts_with(prefix)) {
                return std::stod(fact.substr(prefix.size()));
            }
        }
        ADD_FAILURE() << "no width for column " << column;
        return 0;
    }

    static RegisterSheet weeklySheet() {
        RegisterPrintInput in = testing::weeklyPrintInput();
        return registerSheet(testing::shownWindow(in),
                             exportStatusText("Baker", "987-65-4321", "Quillon 2016"));
    }

    fs::path folder_;
};

TEST_F(RegisterSheetTest, BlocksFollowTheLastPeriod) {
    EXPECT_EQ(registerSheetLayout(53).totalsRow, 55);
    EXPECT_EQ(registerSheetLayout(53).sdiCaptionRow, 57);
    EXPECT_EQ(registerSheetLayout(53).sdiValueRow, 58);
    EXPECT_EQ(registerSheetLayout(27).totalsRow, 29);
    EXPECT_EQ(registerSheetLayout(27).sdiCaptionRow, 31);
    EXPECT_EQ(registerSheetLayout(27).sdiValueRow, 32);
    EXPECT_EQ(registerWorkbookPath("/data/pay", "Baker"), fs::path("/data/pay/Baker YTD.xlsx"));
    EXPECT_EQ(exportStatusText("Baker", "987-65-4321", "Quillon 2016"),
              "File: Baker   987-65-4321  -  Quillon 2016");
}

TEST_F(RegisterSheetTest, WeeklyRegisterAsAReaderSeesIt) {
    const RegisterSheet sheet = weeklySheet();
    const fs::path file = registerWorkbookPath(folder_, "Baker");
    const PrintStatus status = writeRegisterWorkbook(sheet, file);
    ASSERT_TRUE(status.ok()) << status.error->message;
    const std::set<std::string> facts = readBack(file);

    const char* expected[] = {
        // Headings: bold red.
        "cell A1 s 'Date' bold FF0000",
        "cell C1 s 'Soc Sec' bold FF0000",
        "cell G1 s 'CrUnion' bold FF0000",
        "cell K1 s 'Health' bold FF0000",
        "cell P1 s 'Gross' bold FF0000",
        // Week 1: 740.00 gross; amounts are numbers shown with two decimals.
        "cell A2 s '1/1/2016' -",
        "cell B2 n 81.4 0.00 -",
        "cell P2 n 740.0 0.00 -",
        // Week 6's credit, and an empty week (its date empty, its amounts zero).
        "cell F7 n -12.5 0.00 -",
        "cell B14 n 0.0 0.00 -",
        // Week 53 keeps its own row; TOTALS follows it, bold blue.
        "cell B54 n 0.0 0.00 -",
        "cell A55 s 'TOTALS=' bold 0000FF",
        "cell P55 n 10101.0 0.00 bold 0000FF",
        "cell M55 n 0.0 0.00 bold 0000FF",
        // The SDI block two rows below: captions bold red, values blue.
        "cell A57 blank bold FF0000",
        "cell B58 blank 0000FF",
        "cell C57 s 'SDI' bold FF0000",
        "cell F57 s 'Tips' bold FF0000",
        "cell C58 n 50.52 0.00 0000FF",
        "cell D58 n 18.0 0.00 0000FF",
        "freeze A2",
        "setup landscape fit 1x1 fitToPage True paper 1",
        // libxlsxwriter keeps its header and footer margins of 0.3 inch (it takes no 0); the
        // sheet has no header or footer for them to make room for.
        "margins 0.0 0.0 0.0 0.0 0.3 0.3",
        "centred True False",
        "comment File: Baker   987-65-4321  -  Quillon 2016",
        "rows 58",
    };
    for (const char* fact : expected) {
        EXPECT_TRUE(facts.contains(fact)) << "missing: " << fact;
    }
    EXPECT_FALSE(facts.contains("cell A56 blank bold FF0000"));
    EXPECT_FALSE(facts.contains("cell A54 s 'TOTALS=' bold 0000FF"));

    // Fitted widths: the dates' column is wider than one holding "Tips" and short figures,
    // and every column holds its widest text (a digit is one width unit).
    EXPECT_GT(width(facts, 'A'), width(facts, 'M'));
    EXPECT_GE(width(facts, 'P'), 8.0);   // "10101.00"
    EXPECT_GE(width(facts, 'A'), 10.0);  // "3/18/2016"
    EXPECT_LT(width(facts, 'M'), 8.43);  // narrower than the sheet's default
}

TEST_F(RegisterSheetTest, BiWeeklyRegisterEndsAfterPeriod27) {
    RegisterPrintInput in = testing::biWeeklyPrintInput();
    const RegisterSheet sheet = registerSheet(testing::shownWindow(in), "File: Lopez");
    ASSERT_EQ(sheet.rows.size(), 27u);
    const fs::path file = registerWorkbookPath(folder_, "Lopez");
    ASSERT_TRUE(writeRegisterWorkbook(sheet, file).ok());
    const std::set<std::string> facts = readBack(file);
    for (const char* fact :
         {"cell A27 s '12/16/2016' -", "cell P27 n 4500.0 0.00 -", "cell P28 n 0.0 0.00 -",
          "cell A29 s 'TOTALS=' bold 0000FF", "cell P29 n 117000.0 0.00 bold 0000FF",
          "cell C31 s 'SDI' bold FF0000", "cell C32 n 1170.0 0.00 0000FF",
          "cell F32 n 624.0 0.00 0000FF", "rows 32"}) {
        EXPECT_TRUE(facts.contains(fact)) << "missing: " << fact;
    }
}

TEST_F(RegisterSheetTest, TheSheetHoldsTheTextsTheWindowShows) {
    RegisterPrintInput in = testing::weeklyPrintInput();
    RegisterWindow window = testing::shownWindow(in);
    ASSERT_TRUE(window.DeleteRow(2, in.yearRegister).ok);              // "0" until a fill
    ASSERT_TRUE(window.typeInto(3, GridColumn::Tips, "12 cash").ok);   // not taken in yet
    ASSERT_TRUE(window.typeIntoTotal(TotalBox::Sdi, "see notes").ok);  // the strip as typed
    const fs::path file = registerWorkbookPath(folder_, "Baker");
    ASSERT_TRUE(writeRegisterWorkbook(registerSheet(window, "File: Baker"), file).ok());
    const std::set<std::string> facts = readBack(file);
    EXPECT_FALSE(facts.contains("cell A3 s '1/8/2016' -"));
    for (const char* fact : {"cell B3 n 0.0 0.00 -", "cell M4 s '12 cash' -",
                             "cell M55 n 0.0 0.00 bold 0000FF", "cell C58 s 'see notes' 0000FF"}) {
        EXPECT_TRUE(facts.contains(fact)) << "missing: " << fact;
    }
}

TEST_F(RegisterSheetTest, TextsKeepTheirCharacters) {
    RegisterSheet sheet = weeklySheet();
    sheet.headings[6] =
        "Cr\xE9"
        "dit";  // 8-bit text from an employee file
    sheet.rows[0][0] = "Week 1";
    sheet.rows[1][1] = "";  // a cell left empty
    sheet.status =
        "File: Pe\xF1"
        "a";
    const fs::path file = registerWorkbookPath(folder_, "Pena");
    ASSERT_TRUE(writeRegisterWorkbook(sheet, file).ok());
    const std::set<std::string> facts = readBack(file);
    EXPECT_TRUE(
        facts.contains("cell G1 s 'Cr\xC3\xA9"
                       "dit' bold FF0000"));
    EXPECT_TRUE(facts.contains("cell A2 s 'Week 1' -"));
    EXPECT_FALSE(facts.contains("cell B3 n 0.0 0.00 -"));
    EXPECT_TRUE(
        facts.contains("comment File: Pe\xC3\xB1"
                       "a"));
}

TEST_F(RegisterSheetTest, AFailedWriteSaysSoAndLeavesWhatWasThere) {
    // The workbook's name is taken by a folder: the replacement cannot go there.
    const fs::path taken = registerWorkbookPath(folder_, "Baker");
    fs::create_directories(taken / "inside");
    PrintStatus status = writeRegisterWorkbook(weeklySheet(), taken);
    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(
        status.error->message.starts_with("The spreadsheet Baker YTD.xlsx could not be written: "))
        << status.error->message;
    EXPECT_NE(status.error->message.find("folder"), std::string::npos) << status.error->message;
    EXPECT_TRUE(fs::is_directory(taken / "inside"));

    // A folder that does not exist.
    status = writeRegisterWorkbook(weeklySheet(), folder_ / "missing" / "Baker YTD.xlsx");
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error->message.find("No such file or directory"), std::string::npos)
        << status.error->message;

    // An earlier workbook is replaced whole.
    const fs::path file = registerWorkbookPath(folder_, "Lopez");
    std::ofstream(file) << "an older workbook";
    ASSERT_TRUE(writeRegisterWorkbook(weeklySheet(), file).ok());
    EXPECT_GT(fs::file_size(file), 1000u);
    int left = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        left += entry.path().filename().string().starts_with(".quillon") ? 1 : 0;
    }
    EXPECT_EQ(left, 0);
}

}  // namespace
}  // namespace quillon
