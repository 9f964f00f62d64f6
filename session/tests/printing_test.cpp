// The printing workflows through the session: the check screen and its refresh, the "Printer
// Offset" dialog and what it stores, what "Print Check" does before its page, the company
// heading and Header.sav. The pages themselves: print/tests/print_jobs_test.cpp.
#include "session/printing.hpp"

#include <gtest/gtest.h>

#include "records/files.hpp"
#include "session/register_window.hpp"
#include "session/tests/printing_fixture.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::calculateWeek;
using testing::messageOf;
using testing::setUpEmployee;
using testing::WorkingFolder;
using Printing = WorkingFolder;

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

// "Print Check" hides the Year To Date window before the paycheck is printed, its rows as they
// are; an offset that is refused hides nothing and fills no box.
TEST_F(Printing, PrintCheckHidesTheYearToDateWindowWithItsRows) {
    Session s = startedSession();
    setUpEmployee(s);
    calculateWeek(s);
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, 1).ok);
    const std::vector<GridRow> grid = s.registerWindow->grid;
    ASSERT_TRUE(loadPrintOffsetDialog(s).ok);
    ASSERT_EQ(s.main.txtAmount[1].text, "");

    s.printOffset.model->cboVert.text = "down";
    const PaycheckData refused = prepareCheck(s);
    EXPECT_FALSE(refused.outcome.ok);
    EXPECT_FALSE(s.registerWindow->hidden);
    EXPECT_EQ(s.main.txtAmount[1].text, "");

    s.printOffset.model->cboVert.text = "+1";
    const PaycheckData data = prepareCheck(s);
    ASSERT_TRUE(data.outcome.ok) << messageOf(data.outcome);
    ASSERT_TRUE(s.registerWindow.has_value());
    EXPECT_TRUE(s.registerWindow->hidden);
    EXPECT_EQ(s.registerWindow->grid, grid);
    EXPECT_TRUE(registerChanged(s));  // the posting is still there to be saved
    EXPECT_EQ(s.main.txtAmount[1].text, "0");
    EXPECT_EQ(data.offsets, (CheckOffsets{0, 4}));
    EXPECT_EQ(data.screen.txtPayTo, "Maria Lopez********");
    EXPECT_EQ(data.words.words, s.checkWriter.model->txtDollars.text);
    EXPECT_TRUE(s.printOffset.loaded());  // it closes once the page is made
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
    ASSERT_FALSE(readHeadingFile(dir / "Header.sav", read).failed());
    EXPECT_EQ(read, expected);

    // Another program started in the folder gets the same heading.
    Session other = startedSession();
    ASSERT_TRUE(ReadHeading(other).ok);
    EXPECT_EQ(other.heading, expected);
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
