// The overtime tracker `Form2` ("OverTime Percentage") as a plain model: one year of overtime
// amounts, a row per pay period with its week-ending date, added up and held against the
// approved percentage of the annual salary; and its procedures over the employee profile, which
// keeps the rows and the results (the ".use" file and the ".ovw" or ".ovb" grid file).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "records/profile.hpp"
#include "session/boxes.hpp"
#include "session/date_dialog.hpp"
#include "session/key_filter.hpp"

namespace quillon {

class Session;
struct Outcome;  // session/session.hpp

inline constexpr const char* kOvertimeCaption = "OverTime Percentage";
inline constexpr const char* kAttentionTitle = "Attention";
inline constexpr const char* kAttentionText =
    "Please enter amounts in\r\nAnnual Salary and\r\nApproved Percent Boxes.";
// The salary box of an employee whose salary is 0, and the salary ClearAll leaves.
inline constexpr const char* kFilledInSalary = "25600";
inline constexpr const char* kClearedSalary = "11440";
inline constexpr float kClearedAnnualSalary = 11440;
// Money with a dollar sign, thousands separators and two decimals ("$4,649.50", "$.50"); the
// earned percentage as the fraction times 100 with up to two decimals ("12.34%", ".7%").
inline constexpr const char* kOvertimeMoneyFormat = "$#,###.#0";
inline constexpr const char* kOvertimePercentFormat = "##.##%";

// The grid's size by the pay frequency: 53 weekly rows in two columns (rows 1 to 26 and 27 to
// 53); 27 bi-weekly rows, of which rows 1 to 26 are shown and row 27 is a spare row that is not.
inline constexpr int kOvertimeRows = 53;
inline constexpr int kWeeklyOvertimeRows = 53;
inline constexpr int kBiWeeklyOvertimeRows = 27;
inline constexpr int kBiWeeklyShownRows = 26;
inline constexpr int kFirstColumnRows = 26;
inline constexpr int kWeeklyWidthTwips = 7725;
inline constexpr int kBiWeeklyWidthTwips = 5055;

// The boxes a person types into: a row's date (any text) and amount, the salary, the percentage.
enum class OvertimeBox { Text1, txtOT, txtAnnual, txtApPercent };

// A box of the grid: row 0 to 52 (shown as "1" to "53" under "Week No."), date or amount.
enum class OvertimeColumn { Date, Amount };
struct OvertimeCell {
    int row = 0;
    OvertimeColumn column = OvertimeColumn::Date;
    friend bool operator==(const OvertimeCell&, const OvertimeCell&) = default;
};
enum class GridKey { Enter, Up, Down, Left, Right };

struct Form2 {
    std::string caption = kOvertimeCaption;
    bool weekly = true;
    int usedRows = kWeeklyOvertimeRows;   // rows filled, added up, moved and saved
    int shownRows = kWeeklyOvertimeRows;  // rows on the screen
    bool secondColumnShown = true;        // rows 27 to 53
    int widthTwips = kWeeklyWidthTwips;

    std::string weekNoHeading = "Week No.";
    std::string dateHeading = " Week Ending";
    std::string amountHeading = " O.T. Only";
    std::array<TextBox, kOvertimeRows> Text1{};  // date boxes, free text, normally a date
    std::array<TextBox, kOvertimeRows> txtOT{};  // amount boxes: the period's overtime dollars

    Label lbAnnualCaption{"Annual Salary"};
    Label lbAnnualDollar{"$"};
    TextBox txtAnnual;
    std::string txtAnnualToolTip = "Look on your pay stub for SALARY";
    Label lbApPercentCaption{"Enter Your Approved Percentage"};
    Label lbApPercentSign{"%"};
    TextBox txtApPercent;
    Label lbEarnedCaption{"OverTime Earned"};
    Label lbEarned;
    std::string lbEarnedToolTip = "Total from O.T. Only boxes";
    Label lbMaxCaption{"Max. allowable amount at approved percentage "};
    Label lbMax;
    std::string lbMaxToolTip = "Your limit at the approved % rate";
    Label lbAvailCaption{"Available overtime left"};
    Label lbAvail;
    std::string lbAvailToolTip = "The difference";
    Label txtPercentCaption{"You are at"};
    TextBox txtPercent;
    std::string txtPercentToolTip = "Present percent rate";
    // For reference: the main window's overtime pay and week-ending date.
    Label lb_OTCaption{"OT Earned:"};
    Label lb_OT;
    Label lbWkCaption{"On:"};
    Label lbWk;

    std::string cmdADD = "&TOTAL";
    std::string cmdAdvance = "&New Week";
    std::string cmdAdvanceToolTip = "Move up one pay period. Delete 1st wk, add new 26wk.";
    std::string cmdUndo = "&Undo";
    std::string cmdUndoToolTip = "ONLY BACK TO WHEN FIRST OPENED";
    std::string cmdPrint = "&Print";
    std::string cmdClose = "&Back";

    // The row whose date box the date dialog is editing.
    int OtDateRow = 0;

    // The layout for the pay frequency: weekly, or bi-weekly.
    explicit Form2(bool payWeekly = true);

    // FillInOT: the salary box AnnualSalary and the percentage box OtApprovedPct as decimal text
    // (a salary box that then reads as zero or is empty becomes "25600"), each used row's date
    // and amount boxes OtDates(i) and OtAmounts(i).
    void FillInOT(const Profile& p);
    // The load: FillInOT, then every empty amount box "0".
    void load(const Profile& p);
    // TOTAL ("&TOTAL") up to the save: OtEarned (the leading numbers of the used rows' amount
    // boxes, summed in double), OtEarnedPct = OtEarned / salary, AnnualSalary and
    // OtApprovedPct from their boxes, OtMax = percentage x 0.01 x salary, OtAvail = OtMax -
    // OtEarned, each into the profile and shown; empty amount boxes become "0" first. Refused,
    // nothing computed or changed: an empty salary or percentage box, or both zero (the
    // "Attention" message); a salary or percentage that is not a number ("1..2", "-"), or a
    // salary of zero with a percentage that is not, or figures beyond what the files hold (a
    // message naming the box, badBox set).
    [[nodiscard]] Outcome total(Profile& p);
    // New Week ("&New Week"): each used row takes the next row's date and amount, the last used
    // row gets "0" and no date. Nothing is computed or saved.
    void newWeek();
    // Undo's last step, after the profile files are read again: the used rows, the salary and
    // the percentage as the profile holds them.
    void showProfile(const Profile& p);
    // What Back and the profile's save take from the window: each used row's date and amount
    // (an empty amount becomes "0", in the box too), the salary and the percentage as numbers
    // (an empty box as 0). A salary or percentage that is not a number is refused, naming the
    // box, and nothing is taken.
    [[nodiscard]] Outcome takeOver(Profile& p);
    // ClearAll: every used row "0" and no date, in the boxes and the profile; a salary box that
    // reads as zero becomes "11440", the percentage box "0"; AnnualSalary 11440, OtApprovedPct
    // 0, and the results 0, shown. Nothing is saved.
    void ClearAll(Profile& p);

    // Typing into a box: the amount, salary and percentage boxes take only "0123456789 -."; a
    // text with another character is refused whole, naming the box, which keeps its text. A date
    // box takes any text. Rows beyond the used ones take nothing.
    Outcome typeInto(OvertimeBox box, int row, const std::string& text);
    // Where the focus goes from a grid box on a key, or nothing when it stays: Enter to the same
    // kind of box in the next row, from the last row shown back to row 1; Up and Down to the
    // previous and next row, not beyond the first and last row shown; Right from a date box to
    // its amount box and Left back, except on row 53 of the weekly grid.
    [[nodiscard]] std::optional<OvertimeCell> cellAfterKey(OvertimeCell from, GridKey key) const;

    // A click in the date box of a used row: the date dialog for that row (OtDateRow), loaded
    // on the box. Every change of its calendar, and its "&OK", write the row's date box.
    [[nodiscard]] DateDialog openDateDialog(int row, CalendarDate today);
    Outcome dateChanged(DateDialog& dialog, CalendarDate date);
    void dateOk(const DateDialog& dialog);

  private:
    void showResults(const Profile& p);
};

// --- The tracker over the session --------------------------------------------------------------
// The main window's "OverTime" and "OT %": a fresh tracker laid out for the employee's pay
// frequency, the main window's overtime pay and week-ending date copied in, the load, then
// TOTAL, as on every opening (its one "Attention" message among the messages). The window opens
// whatever TOTAL says.
Outcome openForm2(Session& session, Form2& tracker);
// openForm2 without its TOTAL: the tracker laid out, the references copied in, the load. Nothing
// is computed or saved (for a caller that types boxes before its own TOTAL or New Week).
void loadForm2(const Session& session, Form2& tracker);
// Each time the open tracker is shown again: the main window's overtime pay into lb_OT and its
// week-ending date into lbWk. Nothing is computed.
void showForm2References(const Session& session, Form2& tracker);
// "&TOTAL": Form2::total, then the profile's files saved, as one step: when it is refused or the
// save fails, the tracker and the profile stay as they were.
Outcome overtimeTotal(Session& session, Form2& tracker);
// "&Undo": the profile files read again (all of the profile, not only the tracker's fields),
// then shown. A file that cannot be read: the message, and nothing changes.
Outcome overtimeUndo(Session& session, Form2& tracker);
// "&Back": the boxes taken over and the profile's files saved, as one step; then the tracker
// closes when ok. When the save fails it stays open with its boxes and the profile as it was.
Outcome overtimeBack(Session& session, Form2& tracker);
// What a new employee's tracker is: ClearAll on the tracker filled from the profile, then
// dropped. The profile then holds salary 11440, percentage 0 and an empty grid.
void clearOvertimeTracker(Profile& profile);

}  // namespace quillon
