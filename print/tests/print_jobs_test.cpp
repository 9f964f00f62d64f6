// The print commands from the session to the page: the paycheck of the check screen and the
// "Printer Offset" dialog with what it stores and refuses, its preview, the pay statement with
// the heading and the figures it reads, and the register printout.
#include "print/print_jobs.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/tests/two_weeks.hpp"
#include "print/tests/golden.hpp"
#include "records/files.hpp"
#include "session/printing.hpp"
#include "session/register_window.hpp"
#include "session/tests/printing_fixture.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::calculateWeek;
using testing::messageOf;
using testing::setUpEmployee;
using testing::twoPostedWeeks;
using testing::WorkingFolder;
using PrintJobs = WorkingFolder;

std::vector<Item> itemsOfLine(const Page& page, std::size_t lineNumber) {
    return page.lines.at(lineNumber - 1).items;
}

std::size_t blankLinesAtTop(const Page& page) {
    std::size_t n = 0;
    while (n < page.lines.size() && page.lines[n].items.empty()) {
        ++n;
    }
    return n;
}

// --- Paycheck ----------------------------------------------------------------------------------

TEST_F(PrintJobs, ANegativeNetPayGivesACheckOfZeroAndStaysInThePeriod) {
    Session s = startedSession();
    setUpEmployee(s, "500");
    calculateWeek(s, "1");
    const float net = s.results.NetPay;
    const std::string shownNet = s.main.lbNet.caption;
    ASSERT_LT(net, 0);

    ASSERT_TRUE(loadCheckWriter(s).ok);
    EXPECT_EQ(s.checkWriter.model->txtCheckAmt.text, "000000.00");
    EXPECT_EQ(s.checkWriter.model->txtDollars.text, "Zero and No/100");
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    PrintJob job = printOffsetPrintCheck(s);
    ASSERT_TRUE(job.outcome.ok) << messageOf(job.outcome);
    const Page& page = job.pages.at(0);
    EXPECT_EQ(itemsOfLine(page, 10), (std::vector<Item>{{5, "*****Zero and No/100*****"}}));

    EXPECT_EQ(s.results.NetPay, net);
    EXPECT_EQ(s.main.lbNet.caption, shownNet);
    // The stubs show the period as it is: its net pay below zero.
    EXPECT_EQ(itemsOfLine(page, 47).back().text, format(net, "#####.00"));
}

TEST_F(PrintJobs, FromAMillionOnNoCheckIsPrintedAndTheMessageSaysWhy) {
    Session s = startedSession();
    setUpEmployee(s);
    s.main.txtAmount[6].text = "2500000";
    calculateWeek(s, "0");
    ASSERT_GE(s.results.NetPay, 1000000.0f);
    ASSERT_TRUE(loadCheckWriter(s).ok);
    EXPECT_EQ(s.checkWriter.model->txtDollars.text, "Dollar amount is too large");
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    const std::string offsets = read("Smith.and");
    s.printOffset.model->cboHorz.text = "+3";
    PrintJob job = printOffsetPrintCheck(s);
    EXPECT_FALSE(job.outcome.ok);
    EXPECT_TRUE(job.pages.empty());
    EXPECT_EQ(messageOf(job.outcome),
              "Dollar amount is too large: a check is written for less than 1,000,000.00. No "
              "check was printed.");
    EXPECT_TRUE(s.printOffset.loaded());  // the dialog stays open
    // A check refused stores no offsets.
    EXPECT_EQ(read("Smith.and"), offsets);
    EXPECT_EQ(s.profile.PrintOffsetH, 0.0f);
}

TEST_F(PrintJobs, ApplyAndPrintCheckStoreTheOffsetsInTheProfileFiles) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(loadCheckWriter(s).ok);
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    s.printOffset.model->cboHorz.text = "+2";
    s.printOffset.model->cboVert.text = "-3";
    ASSERT_TRUE(printOffsetApply(s).ok);
    printOffsetCancel(s);
    {
        Session reopened(dir, dir);
        reopened.startUp("12/30/2016");
        ASSERT_TRUE(reopened.openEmployee("Smith").ok);
        EXPECT_EQ(reopened.profile.PrintOffsetH, 2.0f);
        EXPECT_EQ(reopened.profile.PrintOffsetV, -3.0f);
    }

    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    EXPECT_EQ(s.printOffset.model->cboHorz.text, "2");
    s.printOffset.model->cboVert.text = "1.5";
    const std::string stored = read("Smith.and");
    PrintJob job = printOffsetPrintCheck(s);
    ASSERT_TRUE(job.outcome.ok) << messageOf(job.outcome);
    EXPECT_EQ(read("Smith.and"), stored);  // not before the check is printed
    EXPECT_TRUE(s.printOffset.loaded());
    ASSERT_TRUE(printOffsetPrinted(s).ok);
    EXPECT_FALSE(s.printOffset.loaded());  // the dialog closed
    const Page& page = job.pages.at(0);
    EXPECT_EQ(blankLinesAtTop(page), 5u);
    EXPECT_EQ(page.lines[5].items, (std::vector<Item>{{109, "12/30/2016"}}));
    EXPECT_EQ(page.lines[8].items,
              (std::vector<Item>{{17, "Maria Lopez********"}, {104, "***480.16"}}));
    Session reopened(dir, dir);
    reopened.startUp("12/30/2016");
    ASSERT_TRUE(reopened.openEmployee("Smith").ok);
    EXPECT_EQ(reopened.profile.PrintOffsetV, 1.5f);
}

TEST_F(PrintJobs, AnOffsetThatIsNotANumberIsRefusedAndNothingIsStoredOrPrinted) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    const std::string offsets = read("Smith.and");
    static const struct {
        const char* horizontal;
        const char* vertical;
        const char* message;
    } cases[] = {
        {"two", "0",
         "The horizontal offset \"two\" is not a number from -99 to 99. Nothing was stored or "
         "printed."},
        {"0", "",
         "The vertical offset \"\" is not a number from -99 to 99. Nothing was stored "
         "or printed."},
        // A typed escape sequence or a byte that is no character is shown escaped.
        {"\x1b[2J\x80", "0",
         "The horizontal offset \"\\x1b[2J\\x80\" is not a number from -99 to 99. Nothing was "
         "stored or printed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        s.printOffset.model->cboHorz.text = c.horizontal;
        s.printOffset.model->cboVert.text = c.vertical;
        Outcome applied = printOffsetApply(s);
        EXPECT_FALSE(applied.ok);
        EXPECT_EQ(messageOf(applied), c.message);
        PrintJob job = printOffsetPrintCheck(s);
        EXPECT_FALSE(job.outcome.ok);
        EXPECT_TRUE(job.pages.empty());
        EXPECT_EQ(messageOf(job.outcome), c.message);
        EXPECT_EQ(s.profile.PrintOffsetH, 0.0f);
        EXPECT_EQ(s.profile.PrintOffsetV, 0.0f);
        EXPECT_EQ(read("Smith.and"), offsets);
        EXPECT_TRUE(s.printOffset.loaded());
    }
}

TEST_F(PrintJobs, ThePreviewFollowsTheBoxesAndStoresNothing) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    const std::string offsets = read("Smith.and");
    for (const char* vertical : {"0", "+1", "-5"}) {
        SCOPED_TRACE(vertical);
        s.printOffset.model->cboVert.text = vertical;
        PrintJob job = paycheckPreview(s);
        ASSERT_TRUE(job.outcome.ok);
        const int N = std::atoi(vertical) + 3;
        EXPECT_EQ(blankLinesAtTop(job.pages.at(0)), static_cast<std::size_t>(N < 0 ? 0 : N + 1));
    }
    EXPECT_EQ(read("Smith.and"), offsets);
    EXPECT_EQ(s.profile.PrintOffsetV, 0.0f);
}

// --- Pay statement -----------------------------------------------------------------------------

TEST_F(PrintJobs, AfterCancelTheStatementShowsTheDefaultHeadingWithoutAFile) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(openHeadingDialog(s).ok);
    headingDialogCancel(s);
    EXPECT_FALSE(exists("Header.sav"));
    PrintJob job = printStatement(s, "1/4/2017");
    ASSERT_TRUE(job.outcome.ok) << messageOf(job.outcome);
    EXPECT_EQ(itemsOfLine(job.pages.at(0), 3), (std::vector<Item>{{0, "Company"}}));
    EXPECT_EQ(itemsOfLine(job.pages.at(0), 5),
              (std::vector<Item>{{0, "Zip Code"}, {85, "ID Number"}}));
}

TEST_F(PrintJobs, ADamagedHeadingFileIsReportedAndLeftAlone) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    write("Header.sav", "\"Company\",\"Address\",3\r\n");
    Outcome opened = openHeadingDialog(s);
    EXPECT_FALSE(opened.ok);
    EXPECT_FALSE(s.headingDialog.loaded());
    EXPECT_NE(messageOf(opened).find("Header.sav, line 1, field 3"), std::string::npos)
        << messageOf(opened);
    PrintJob job = printStatement(s, "1/4/2017");
    EXPECT_FALSE(job.outcome.ok);
    EXPECT_TRUE(job.pages.empty());
    EXPECT_EQ(read("Header.sav"), "\"Company\",\"Address\",3\r\n");
}

TEST_F(PrintJobs, TheStatementOfAWorkedWeek) {
    Session s = startedSession();
    setUpEmployee(s);
    write("Header.sav",
          "\"Harbor Street Hardware\",\"1200 Harbor Street\",\"Portland, ME 04101\","
          "\"01-2345678\"\r\n");
    ASSERT_FALSE(writeRegisterFile(dir / "Smith.yrw", twoPostedWeeks(10), kWeeklyRows).failed());
    ASSERT_TRUE(s.LoadAnnual().ok);
    s.main.txtAmount[3].text = "2";
    calculateWeek(s);
    PrintJob job = printStatement(s, "1/4/2017");
    ASSERT_TRUE(job.outcome.ok) << messageOf(job.outcome);
    ASSERT_EQ(job.pages.size(), 1u);
    testing::expectGolden("statement_session_week.txt", describe(job.pages[0]));
    // The empty entry boxes now hold "0" on the main window.
    EXPECT_EQ(s.main.txtAmount[1].text, "0");
    EXPECT_EQ(s.main.txtAmount[0].text, "40");
}

// The statement prints the period its net pay was calculated from: hours typed after the
// calculation are not on it beside the old earnings, and after File > Clear no earnings of the
// cleared period are left on it. 40 h at 15.50 = 620.00.
TEST_F(PrintJobs, TheStatementPrintsTheCalculatedPeriodOnly) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    s.main.txtAmount[0].text = "50";
    PrintJob edited = printStatement(s, "1/4/2017");
    ASSERT_TRUE(edited.outcome.ok) << messageOf(edited.outcome);
    EXPECT_EQ(
        itemsOfLine(edited.pages.at(0), 20),
        (std::vector<Item>{{5, "Regular1 Earning"}, {30, "15.50"}, {50, "40.00"}, {65, "620.00"}}));
    EXPECT_EQ(itemsOfLine(edited.pages.at(0), 59)[1], (Item{30, "620.00"}));

    s.Clear_All();
    PrintJob cleared = printStatement(s, "1/4/2017");
    ASSERT_TRUE(cleared.outcome.ok) << messageOf(cleared.outcome);
    EXPECT_EQ(itemsOfLine(cleared.pages.at(0), 20),
              (std::vector<Item>{{5, "Regular1 Earning"}, {30, ".00"}, {50, ".00"}, {65, ".00"}}));
    EXPECT_EQ(itemsOfLine(cleared.pages.at(0), 59)[1], (Item{30, ""}));
}

// An O.T. box typed after the calculation that is not a number: the statement and the check are
// refused, naming the box, and nothing is printed.
TEST_F(PrintJobs, AnOvertimeBoxThatIsNotANumberIsRefused) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    s.main.txtAmount[2].text = "1 2";
    const char* const kRefusal =
        "The O.T. box holds \"1 2\", which is not a number. Correct it and print again.";
    PrintJob statement = printStatement(s, "1/4/2017");
    EXPECT_FALSE(statement.outcome.ok);
    EXPECT_TRUE(statement.pages.empty());
    EXPECT_EQ(messageOf(statement.outcome), kRefusal);

    ASSERT_TRUE(loadCheckWriter(s).ok);
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    PrintJob check = printOffsetPrintCheck(s);
    EXPECT_FALSE(check.outcome.ok);
    EXPECT_TRUE(check.pages.empty());
    EXPECT_EQ(messageOf(check.outcome), kRefusal);
}

TEST_F(PrintJobs, TheStatementTakesTheSavedRegisterAndLeavesMemoryAlone) {
    Session s = startedSession();
    setUpEmployee(s);
    ASSERT_FALSE(writeRegisterFile(dir / "Smith.yrw", twoPostedWeeks(10), kWeeklyRows).failed());
    ASSERT_TRUE(s.LoadAnnual().ok);
    calculateWeek(s);
    s.yearRegister.rows[2].Fed = 99;
    s.yearRegister.totals = AddAnnual(s.yearRegister.rows, kWeeklyRows);
    const Register inMemory = s.yearRegister;
    PrintJob job = printStatement(s, "1/4/2017");
    ASSERT_TRUE(job.outcome.ok) << messageOf(job.outcome);
    EXPECT_EQ(itemsOfLine(job.pages.at(0), 37),
              (std::vector<Item>{{65, "Federal Tax"}, {100, "54.23"}, {115, "108.46"}}));
    EXPECT_EQ(s.yearRegister, inMemory);
}

TEST_F(PrintJobs, TwoEmployeesGetTheSameHeading) {
    write("Header.sav",
          "\"Harbor Street Hardware\",\"1200 Harbor Street\",\"Portland\",\"01\"\r\n");
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    PrintJob first = printStatement(s, "1/4/2017");
    ASSERT_TRUE(s.newEmployee("Jones").ok);
    PrintJob second = printStatement(s, "1/4/2017");
    ASSERT_TRUE(first.outcome.ok && second.outcome.ok);
    for (std::size_t line = 3; line <= 5; ++line) {
        EXPECT_EQ(itemsOfLine(first.pages.at(0), line), itemsOfLine(second.pages.at(0), line));
    }
    EXPECT_EQ(itemsOfLine(second.pages.at(0), 3),
              (std::vector<Item>{{0, "Harbor Street Hardware"}}));
    EXPECT_EQ(itemsOfLine(second.pages.at(0), 7)[1].text, "Jones");
}

// --- Register printout -------------------------------------------------------------------------

// The register printout takes the heading of Header.sav and the register in memory, as many
// rows as the window shows; a damaged Header.sav prints nothing and is left as it is.
TEST_F(PrintJobs, TheRegisterPrintoutReadsTheHeadingAndTheRegisterInMemory) {
    Session s = startedSession();
    setUpEmployee(s);
    write("Header.sav",
          "\"Harbor Street Hardware\",\"1200 Harbor Street\",\"Portland\",\"01\"\r\n");
    calculateWeek(s);
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, 2).ok);  // posted, not saved
    PrintJob job = printRegister(s, "1/4/2017");
    ASSERT_TRUE(job.outcome.ok) << messageOf(job.outcome);
    ASSERT_EQ(job.pages.size(), 1u);
    const Page& page = job.pages[0];
    EXPECT_EQ(page.orientation, Orientation::Landscape);
    EXPECT_EQ(itemsOfLine(page, 1), (std::vector<Item>{{0, "Harbor Street Hardware"}}));
    // The heading, the employee and the column headings, then one line per weekly slot.
    EXPECT_EQ(itemsOfLine(page, 7).at(0), (Item{5, "12/30/2016"}));
    EXPECT_EQ(page.lines.size(), 5u + 53 + 4);

    write("Header.sav", "\"Harbor\",3\r\n");
    PrintJob refused = printRegister(s, "1/4/2017");
    EXPECT_FALSE(refused.outcome.ok);
    EXPECT_TRUE(refused.pages.empty());
    EXPECT_NE(messageOf(refused.outcome).find("Header.sav, line 1, field 2"), std::string::npos)
        << messageOf(refused.outcome);
    EXPECT_EQ(read("Header.sav"), "\"Harbor\",3\r\n");
}
}  // namespace
}  // namespace quillon
