// The "Year To Date" window as plain texts: the register grid (one row of sixteen columns per
// used slot, 53 weekly or 27 bi-weekly), its headings and the totals strip under it; and the
// register's procedures (load, fill, update, total, post, delete, clear, save, close) over the
// session's register, which the printouts and the next calculation read.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/register.hpp"
#include "records/profile.hpp"
#include "session/boxes.hpp"
#include "session/shown_period.hpp"

namespace quillon {

class Session;
struct Outcome;  // session/session.hpp
class Questions;

inline constexpr const char* kRegisterCaption = "Year To Date";
inline constexpr const char* kRegisterFrameCaption = "Click on a week number to paste in data.";
inline constexpr const char* kRegisterInstruction =
    "LEFT CLICK ON WEEK NUMBER TO PASTE IN DATA.     RIGHT CLICK TO DELETE ROW";
inline constexpr const char* kSaveRegisterQuestion = "     Do you want to save YTD";
inline constexpr const char* kUseCloseInstead = "USE CLOSE INSTEAD";
inline constexpr const char* kTotalsOverflow = "CHECK YOUR ENTRY FOR NON NUMBER TYPE";
inline constexpr const char* kMakerNotice = "Quillon 2016 by LANTERNA SOFTWARE";
// Every amount of the grid and of the totals strip once filled: two decimals, no thousands
// separator, no digit before the point for a zero whole part (0 shows ".00").
inline constexpr std::string_view kRegisterFormat = "#####.00";

// The grid's columns, left to right.
enum class GridColumn : std::size_t {
    Date,
    Fed,
    SS,
    Medi,
    State,
    City,
    Muni,
    Bond,
    Dues,
    Pen,
    Misc,
    Kplan,
    Tips,
    OT,
    Net,
    Gross
};
inline constexpr std::size_t kGridColumns = 16;

struct GridColumnInfo {
    std::string_view control;  // the control array showing the column (txtGross shows Net,
                               // txtNet shows Gross)
    std::string_view field;    // the register column
    std::string_view heading;  // empty for the five deductions: the employee's DedName5 to 9
    bool editable;             // Tips, Net and Gross are text boxes, the others labels
    bool keyFilter;            // Net and Gross take only "0123456789 -." and Backspace
};
inline constexpr std::array<GridColumnInfo, kGridColumns> kGridColumnInfo = {{
    {"txtDate", "Date", "Week", false, false},
    {"txtFed", "Fed", "Federal", false, false},
    {"txtSS", "SS", "SS", false, false},
    {"txtMedi", "Medi", "Medi", false, false},
    {"txtState", "State", "State", false, false},
    {"txtCity", "City", "City", false, false},
    {"txtMuni", "Muni", "", false, false},
    {"txtBond", "Bond", "", false, false},
    {"txtDues", "Dues", "", false, false},
    {"txtPen", "Pen", "", false, false},
    {"txtMisc", "Misc", "", false, false},
    {"txtKplan", "Kplan", "K-Plan", false, false},
    {"txtTips", "Tips", "Tips", true, false},
    {"txtOT", "OT", "OT", false, false},
    {"txtGross", "Net", "Net", true, true},
    {"txtNet", "Gross", "Gross", true, true},
}};

// The totals strip's eighteen boxes: the first row under the grid's columns (no date, no tips),
// the second row the cafeteria plan, SDI, SUI and tips totals.
enum class TotalBox : std::size_t {
    Fed,
    SS,
    Medi,
    State,
    City,
    Muni,
    Bond,
    Dues,
    Pen,
    Misc,
    Kplan,
    OT,
    Net,
    Gross,
    Cafe,
    Sdi,
    Sui,
    Tips
};
inline constexpr std::size_t kTotalBoxes = 18;
inline constexpr std::size_t kFirstRowTotals = 14;

struct TotalBoxInfo {
    std::string_view control;  // txtTotGross shows the net total, txtTotNet the gross total
    std::string_view total;    // the register total it shows
    std::string_view heading;  // empty for the five deductions: DedName5 to DedName9
    bool keyFilter;            // txtTotGross and txtTotNet
};
inline constexpr std::array<TotalBoxInfo, kTotalBoxes> kTotalBoxInfo = {{
    {"txtTotFed", "TotFed", "Federal", false},
    {"txtTotSS", "TotSS", "SS", false},
    {"txtTotMedi", "TotMedi", "Medi", false},
    {"txtTotState", "TotState", "State", false},
    {"txtTotCity", "TotCity", "City", false},
    {"txtTotMuni", "TotMuni", "", false},
    {"txtTotBond", "TotBond", "", false},
    {"txtTotDues", "TotDues", "", false},
    {"txtTotPen", "TotPen", "", false},
    {"txtTotMisc", "TotMisc", "", false},
    {"txtTotKplan", "TotKplan", "K-Plan", false},
    {"txtTotOT", "TotOT", "OT", false},
    {"txtTotGross", "TotNet", "Net", true},
    {"txtTotNet", "TotGross", "Gross", true},
    {"txtTotCafe", "TotCafe", "Cafeteria Plan:", false},
    {"txtTotSdi", "TotSdi", "SDI:", false},
    {"txtTotSui", "TotSui", "SUI:", false},
    {"txtTotTips", "TotTips", "Tips:", false},
}};

using GridRow = std::array<std::string, kGridColumns>;

// A register column or total by its name in the file's order, and its text as shown.
using NamedText = std::pair<std::string_view, std::string>;

// The grid and the strip. Each procedure works on the register it is given (the session's
// yearRegister), as the window's procedures worked on the program's register.
class RegisterWindow {
  public:
    // An empty window for a register of usedRows rows (53 weekly, 27 bi-weekly).
    explicit RegisterWindow(int usedRows = kWeeklyRows);

    // --- What the window shows ----------------------------------------------------------------
    std::string caption = kRegisterCaption;
    std::string frameCaption = kRegisterFrameCaption;
    std::string instruction = kRegisterInstruction;
    std::string notice = kMakerNotice;
    std::array<std::string, kGridColumns> headings{};  // both heading lines
    std::vector<GridRow> grid;                         // row r (1 to usedRows) at grid[r - 1]
    std::array<std::string, kTotalBoxes> totalHeadings{};
    std::array<std::string, kTotalBoxes> totals{};  // the strip's boxes

    [[nodiscard]] int usedRows() const { return static_cast<int>(grid.size()); }
    [[nodiscard]] const std::string& cell(int row, GridColumn column) const;
    [[nodiscard]] const std::string& total(TotalBox box) const;

    // --- The procedures -----------------------------------------------------------------------
    // LoadAnnual's last step: every used row into the grid unformatted (dates as they are,
    // amounts as their plain number text), the totals likewise into the strip, the deduction
    // names into the headings of the grid and of the strip.
    void show(const Register& r, const Profile& profile);
    // fillBoxes after LoadAnnual: every used row shown in the display format.
    void fillBoxes(const Register& r);
    // Update: the grid into the rows, each amount the leading number of its text. The hidden
    // columns are not touched.
    void Update(Register& r) const;
    // AddAnnual: the eighteen totals from the rows, shown in the strip. An amount or a total a
    // register cannot hold (a billion or more) is refused with "CHECK YOUR ENTRY FOR NON NUMBER
    // TYPE": the totals then keep the sums of the rows before it and the strip is not refreshed.
    Outcome AddAnnual(Register& r);
    // The four steps of opening the window on a register just read: show, fillBoxes, Update,
    // AddAnnual.
    Outcome open(Register& r, const Profile& profile);

    // PasteMe(row): the period into row 1 to usedRows, whatever the row held; then Update and
    // AddAnnual.
    Outcome PasteMe(int row, const ShownPeriod& period, Register& r);
    // DeleteRow(row): an empty date, "0" in every amount, the hidden columns 0; then Update and
    // AddAnnual. Rows below stay where they are.
    Outcome DeleteRow(int row, Register& r);
    // ClearAll: every used row of the grid empty ("0" in each amount), the hidden columns of all
    // 53 slots 0, TotSdi, TotSui, TotCafe and TotTips 0 and "0" in their boxes. Neither copies
    // the grid into the rows nor recomputes the other totals.
    void ClearAll(Register& r);
    // The menu's "&Clear All": ClearAll, Update, AddAnnual.
    Outcome clearAllCommand(Register& r);
    // The menu's "&Add": Update, AddAnnual (takes hand edits into the rows and the totals).
    Outcome addCommand(Register& r);

    // Typing into a Tips, Net or Gross box of row 1 to usedRows. Net and Gross take only
    // "0123456789 -."; a text with another character is refused whole and the box keeps its
    // text. Other columns are labels and take nothing.
    Outcome typeInto(int row, GridColumn column, const std::string& text);
    // Typing into a box of the strip (txtTotGross and txtTotNet filtered as above). Nothing reads
    // it back into the totals; the next AddAnnual overwrites it.
    Outcome typeIntoTotal(TotalBox box, const std::string& text);

    // The register a save would write: the rows as the grid shows them, the hidden columns as
    // held, the totals recomputed.
    [[nodiscard]] Register toSave(const Register& r) const;

    // Row 1 to usedRows in the register file's order (Date, Fed, ..., Kplan, OT, Gross, Net,
    // Sdi, Sui, Cafe, Tips), as the grid shows it; the hidden columns in the display format.
    [[nodiscard]] std::vector<NamedText> rowInFileOrder(int row, const Register& r) const;
    // The totals in the file's order (TotFed ... TotKplan, TotOT, TotGross, TotNet, TotTips),
    // then TotSdi, TotSui and TotCafe, as the strip shows them.
    [[nodiscard]] std::vector<NamedText> totalsInFileOrder() const;
    // The strip's boxes under the grid's columns Fed to Gross: TotFed ... TotKplan, TotTips,
    // TotOT, TotNet, TotGross.
    [[nodiscard]] std::array<std::string, kGridColumns - 1> totalsInGridOrder() const;

    // --- What the window's workflows keep -----------------------------------------------------
    std::string extension = ".yrw";  // the register file it was read from and saves to
    Register atOpen;                 // the register as read, restored when closed without saving
    std::string savedText;  // what a save would have written when the window opened or last saved
    // Set once "Print Check" has hidden the window (the paycheck is printed without it); the
    // window keeps its rows, and Year to Date opens it afresh.
    bool hidden = false;

  private:
    [[nodiscard]] bool usedRow(int row) const { return row >= 1 && row <= usedRows(); }
    void showTotals(const RegisterTotals& t);
};

// --- The window's workflows over the session -------------------------------------------------
// The main window's "Year to Date": a fresh window (any open one is dropped) on the register file
// read again. A damaged file is refused with its place named; the window does not open and the
// register stays as it was.
Outcome openRegisterWindow(Session& session);
// A row number clicked with the left button: the last calculation posted into the row.
Outcome PasteMe(Session& session, int row);
// The window's other events, each on the session's register: the row's "Delete", the menu's
// "&Clear All" and "&Add", and typing into a box of the grid or of the strip (as the window's
// procedures of the same names describe them). Without the window open they do nothing.
Outcome DeleteRow(Session& session, int row);
Outcome clearAllCommand(Session& session);
Outcome addCommand(Session& session);
Outcome typeIntoRegister(Session& session, int row, GridColumn column, const std::string& text);
Outcome typeIntoRegisterTotal(Session& session, TotalBox box, const std::string& text);
// SaveAnnual: AddAnnual, then the register file replaced with what the grid shows, the hidden
// columns and the totals. When the totals cannot be computed or the file cannot be written,
// nothing is written and the window stays as it was.
Outcome SaveAnnual(Session& session);
// True while the window shows a register that differs from its file.
[[nodiscard]] bool registerChanged(const Session& session);
// The "&Close" menu and button: "     Do you want to save YTD" (Yes, No). Yes takes the grid in
// and saves; No puts the register back as it was read. The window closes, unless the save
// failed (then it stays open with the message, and ok is false).
Outcome closeRegisterWindow(Session& session, Questions& questions);
// Before something else drops a window whose register changed (another employee, leaving the
// program, opening the window afresh): the same question; Yes saves. ok is false when the save
// failed, and then the window stays.
Outcome offerToSaveRegister(Session& session, Questions& questions);
// quillon-cli calc --post ROW: the calculate button, and before its save the window opened, the
// period posted into the row and the register taken as closing with Yes takes it; then the
// employee's files and the register are written as one transaction (both old or both new,
// whenever the program is killed), and the window closes. When the posting or the save fails,
// nothing is written and the session is as it was before the calculation.
Outcome calculateAndPost(Session& session, int row);

// The question on closing, and what the window's close box says.
[[nodiscard]] Message saveRegisterQuestion();
[[nodiscard]] Message useCloseInsteadMessage();
// The register file of the open employee for the frequency in force: ".yrw" or ".yrb".
[[nodiscard]] std::string registerExtension(const Profile& profile);

}  // namespace quillon
