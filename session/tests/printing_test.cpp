// The printing workflows through the session: the check screen and its refresh, the "Printer
// Offset" dialog and what it stores, the company heading and Header.sav, and the pay statement
// with the figures it reads.
#include "session/printing.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "print/tests/golden.hpp"
#include "records/files.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;
using Printing = WorkingFolder;

// Maria Lopez at 15.50 an hour, weekly, single, two federal exemptions, one state-and-city
// exemption, a bond deduction of `bond` a period.
void setUpEmployee(Session& s, const char* bond = "0") {
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    ASSERT_TRUE(s.loadTaxInfo().ok);
    TaxInfoDialog& info = *s.taxInfo.model;
    info.txtName.text = "Maria Lopez";
    info.txtAddress.text = "48 Fore Street";
    info.txtStateCityZip.text = "Portland, ME 04101";
    info.txtSSnum.text = "123-45-6789";
    info.txtHourRate.text = "15.5";
    info.cboDepend.text = "2";
    info.cboDepend2.text = "1";
    info.txtBond.text = bond;
    Outcome saved = s.taxInfoSave();
    ASSERT_TRUE(saved.ok) << saved.messages.front().text;
}

// 40 hours: gross 620.00, taxes 139.84, net 480.16 (worked by hand in workflow_test.cpp).
void calculateWeek(Session& s, const char* hours = "40") {
    s.main.txtAmount[0].text = hours;
    Outcome calculated = s.calculate();
    ASSERT_TRUE(calculated.ok) << calculated.messages.front().text;
}

// Two posted weeks in the register file, as the register window saves them.
Register twoWeeks() {
    Register r;
    for (int i = 0; i < 2; ++i) {
        RegisterRow& row = r.rows[static_cast<std::size_t>(i)];
        row.Date = i == 0 ? "12/16/2016" : "12/23/2016";
        row.Fed = 54.23f;
        row.SS = 38.44f;
        row.Medi = 8.99f;
        row.State = 23.1f;
        row.City = 15.08f;
        row.Bond = 10;
        row.Gross = 620;
        row.Net = 470.16f;
    }
    r.totals = AddAnnual(r.rows, kWeeklyRows);
    return r;
}

const std::string& messageOf(const Outcome& o) {
    static const std::string none = "(no message)";
    return o.messages.empty() ? none : o.messages.front().text;
}

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

// --- Check screen ------------------------------------------------------------------------------

TEST_F(Printing, TheCheckScreenFillsItselfFromTheProfileAndTheNetPay) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(loadCheckWriter(s).ok);
    const CheckWriter& w = *s.checkWriter.model;
    EXPECT_EQ(w.caption, "Check Printing");
    EXPECT_EQ(w.txtCheckDate.text, "12/30/2016");
    EXPECT_EQ(w.txtCheckDateToolTip, "Change on Previous Form");
    EXPECT_EQ(w.txtPayTo.text, "Maria Lopez********");
    EXPECT_EQ(w.txtCheckAmt.text, "***480.16");
    EXPECT_EQ(w.txtDollars.text, " Four Hundred Eighty and 16/100");
    EXPECT_EQ(w.AmountWords.words, w.txtDollars.text);
    EXPECT_EQ(w.txtUserName.text, "Maria Lopez");
    EXPECT_EQ(w.txtUserAddress.text, "48 Fore Street");
    EXPECT_EQ(w.txtUserState.text, "Portland, ME 04101");
    EXPECT_EQ(w.txtUserSSnum.text, "123-45-6789");
    EXPECT_EQ(w.txtMemo.text, "");
    EXPECT_EQ(w.txtCheckCompany.text, "");
}

// A click on the check or the screen getting the focus fills every box again from the profile
// and the net pay, except the date, the memo and the payer block.
TEST_F(Printing, RefreshRestoresThePayeeAndKeepsDateMemoAndPayer) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(loadCheckWriter(s).ok);
    CheckWriter& w = *s.checkWriter.model;
    w.txtPayTo.text = "Somebody Else";
    w.txtCheckAmt.text = "1.00";
    w.txtDollars.text = "One";
    w.txtUserAddress.text = "elsewhere";
    w.txtCheckDate.text = "1/2/2017";
    w.txtMemo.text = "Week 52";
    w.txtCheckCompany.text = "Harbor Street Hardware\n1200 Harbor Street";

    // A new calculation while the screen is open: the refresh shows the new amount.
    calculateWeek(s, "20");
    refreshCheckWriter(s);
    EXPECT_EQ(w.txtPayTo.text, "Maria Lopez********");
    EXPECT_EQ(w.txtUserAddress.text, "48 Fore Street");
    EXPECT_NE(w.txtCheckAmt.text, "***480.16");
    EXPECT_EQ(w.txtCheckAmt.text, CheckFigures(s.results.NetPay));
    EXPECT_EQ(w.txtDollars.text, w.AmountWords.words);
    EXPECT_EQ(w.txtCheckDate.text, "1/2/2017");
    EXPECT_EQ(w.txtMemo.text, "Week 52");
    EXPECT_EQ(w.txtCheckCompany.text, "Harbor Street Hardware\n1200 Harbor Street");
}

// A deduction larger than the pay: the check is written for zero, and the period's net pay stays
// what the calculation made it, on the main window and for the posting that copies it.
TEST_F(Printing, ANegativeNetPayGivesACheckOfZeroAndStaysInThePeriod) {
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

TEST_F(Printing, FromAMillionOnNoCheckIsPrintedAndTheMessageSaysWhy) {
    Session s = startedSession();
    setUpEmployee(s);
    s.main.txtAmount[6].text = "2000000";
    calculateWeek(s, "0");
    ASSERT_GE(s.results.NetPay, 1000000.0f);
    ASSERT_TRUE(loadCheckWriter(s).ok);
    EXPECT_EQ(s.checkWriter.model->txtDollars.text, "Dollar amount is too large");
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    PrintJob job = printOffsetPrintCheck(s);
    EXPECT_FALSE(job.outcome.ok);
    EXPECT_TRUE(job.pages.empty());
    EXPECT_EQ(messageOf(job.outcome),
              "Dollar amount is too large: a check is written for less than 1,000,000.00. No "
              "check was printed.");
    EXPECT_TRUE(s.printOffset.loaded());  // the dialog stays open
}

// --- Printer Offset ----------------------------------------------------------------------------

TEST_F(Printing, TheOffsetDialogShowsTheStoredOffsetsAndTheWeek) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    // Stored offsets are shown as whole numbers, halves to even; the files are read again.
    s.profile.PrintOffsetH = 2.5f;
    s.profile.PrintOffsetV = -1.5f;
    ASSERT_TRUE(s.SaveOT().ok);
    s.profile.PrintOffsetH = 0;
    s.profile.PrintOffsetV = 0;
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    const PrintOffsetDialog& d = *s.printOffset.model;
    EXPECT_EQ(d.caption, "Printer Offset");
    EXPECT_EQ(d.cboHorz.text, "2");
    EXPECT_EQ(d.cboVert.text, "-2");
    EXPECT_EQ(d.lbWeek.caption, "12/30/2016");
    EXPECT_EQ(d.lbHeading.caption, "OFFSET ADJUSTMENT");
    EXPECT_EQ(d.lbInstruction.caption,
              "Before printing on actual checks, print on plain printer paper. Match up by "
              "holding the printed paper behind the actual blank check sheet and hold up to "
              "light. To adust change settings above until disired settings are achived");
    EXPECT_TRUE(s.checkWriter.loaded());
}

// "&Apply" stores the offsets in the profile files; "&Cancel" afterwards keeps them. "Print
// Check" stores a typed 1.5 as it is and prints with N = 4 (4.5 to even): 5 blank lines.
TEST_F(Printing, ApplyAndPrintCheckStoreTheOffsetsInTheProfileFiles) {
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
    PrintJob job = printOffsetPrintCheck(s);
    ASSERT_TRUE(job.outcome.ok) << messageOf(job.outcome);
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

TEST_F(Printing, AnOffsetThatIsNotANumberIsRefusedAndNothingIsStoredOrPrinted) {
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

// The preview shows the page with the offsets the boxes hold now, and stores nothing.
TEST_F(Printing, ThePreviewFollowsTheBoxesAndStoresNothing) {
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

// --- Company heading ---------------------------------------------------------------------------

TEST_F(Printing, FirstUseOfTheHeadingDialogShowsAndSavesTheDefaults) {
    Session s = startedSession();
    ASSERT_TRUE(openHeadingDialog(s).ok);
    const HeadingDialog& d = *s.headingDialog.model;
    EXPECT_EQ(d.caption, "Print Out Heading");
    EXPECT_EQ(d.txtHeader[0].text, "Company");
    EXPECT_EQ(d.txtHeader[1].text, "Address");
    EXPECT_EQ(d.txtHeader[2].text, "Zip Code");
    EXPECT_EQ(d.txtHeader[3].text, "ID Number");
    EXPECT_FALSE(exists("Header.sav"));
    ASSERT_TRUE(headingDialogOK(s).ok);
    EXPECT_FALSE(s.headingDialog.loaded());
    EXPECT_EQ(read("Header.sav"), "\"Company\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");
}

// Cancel on a first use: no file, and the printouts of this run show the defaults.
TEST_F(Printing, AfterCancelTheStatementShowsTheDefaultHeadingWithoutAFile) {
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

// The line format has no escape: a double quote is kept as ', a line break as a blank, in the
// file and in memory alike, and the file always reads back.
TEST_F(Printing, AHeadingWithAQuoteOrALineBreakReadsBack) {
    Session s = startedSession();
    ASSERT_TRUE(openHeadingDialog(s).ok);
    HeadingDialog& d = *s.headingDialog.model;
    d.txtHeader[0].text = "Joe \"Big\" Hardware, Inc.";
    d.txtHeader[1].text = "12 Main St\r\nSuite 4";
    d.txtHeader[2].text = "Portland\nME";
    d.txtHeader[3].text = "";
    ASSERT_TRUE(headingDialogOK(s).ok);
    const CompanyHeading expected{"Joe 'Big' Hardware, Inc.", "12 Main St Suite 4", "Portland ME",
                                  ""};
    EXPECT_EQ(s.heading, expected);
    CompanyHeading read;
    ASSERT_FALSE(readHeadingFile(dir / "Header.sav", read).has_value());
    EXPECT_EQ(read, expected);

    // Another program started in the folder gets the same heading.
    Session other = startedSession();
    ASSERT_TRUE(ReadHeading(other).ok);
    EXPECT_EQ(other.heading, expected);
}

// A damaged Header.sav is reported with its place and never written over: the dialog does not
// open and the statement is not printed.
TEST_F(Printing, ADamagedHeadingFileIsReportedAndLeftAlone) {
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

// --- Pay statement -----------------------------------------------------------------------------

// The whole page for a worked week: the heading from Header.sav, the employee, the week's
// earnings and taxes from the main window, the year to date from the register file.
TEST_F(Printing, TheStatementOfAWorkedWeek) {
    Session s = startedSession();
    setUpEmployee(s);
    write("Header.sav",
          "\"Harbor Street Hardware\",\"1200 Harbor Street\",\"Portland, ME 04101\","
          "\"01-2345678\"\r\n");
    ASSERT_FALSE(writeRegisterFile(dir / "Smith.yrw", twoWeeks(), kWeeklyRows).has_value());
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

// The year-to-date figures are those last saved: an unsaved change of the register in memory is
// not on the statement, and printing leaves it in memory.
TEST_F(Printing, TheStatementTakesTheSavedRegisterAndLeavesMemoryAlone) {
    Session s = startedSession();
    setUpEmployee(s);
    ASSERT_FALSE(writeRegisterFile(dir / "Smith.yrw", twoWeeks(), kWeeklyRows).has_value());
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

// Two employees printed one after the other get the same heading.
TEST_F(Printing, TwoEmployeesGetTheSameHeading) {
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

TEST_F(Printing, OpeningAnotherEmployeeClosesTheCheckScreen) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    ASSERT_TRUE(s.newEmployee("Jones").ok);
    EXPECT_FALSE(s.checkWriter.loaded());
    EXPECT_FALSE(s.printOffset.loaded());
}

}  // namespace
}  // namespace quillon
