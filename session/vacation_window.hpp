// The vacation, holiday and sick tracker `DialogVac` ("Vacation / Holiday / Sick") as a plain
// model: three day accounts, each a start balance and twenty rows of a date and the days taken,
// with the balance left; and its procedures over the vacation record the session holds and the
// employee's vacation file (".hol").
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "records/files.hpp"
#include "session/boxes.hpp"
#include "session/key_filter.hpp"

namespace quillon {

class Session;
struct Outcome;  // session/session.hpp

inline constexpr const char* kVacationCaption = "Vacation / Holiday / Sick";
inline constexpr const char* kVacationHeading = "SAVED / ACCUMULATED DAYS";
inline constexpr int kVacationRows = 20;

enum class DayAccount : std::size_t { Vacation, Holiday, Sick };
inline constexpr std::size_t kDayAccounts = 3;
inline constexpr std::array<DayAccount, kDayAccounts> kEveryDayAccount = {
    DayAccount::Vacation, DayAccount::Holiday, DayAccount::Sick};

// An account's frame and controls as the dialog names them, and the word the command line uses.
struct DayAccountInfo {
    std::string_view frame;         // the frame's caption
    std::string_view startBox;      // "Start Balance"
    std::string_view balanceLabel;  // "Balance"
    std::string_view dateBoxes;     // "Dates", rows 0 to 19
    std::string_view daysBoxes;     // "#Taken", rows 0 to 19
    std::string_view key;           // "vacation", "holiday", "sick"
};
inline constexpr std::array<DayAccountInfo, kDayAccounts> kDayAccountInfo = {{
    {"Vacation", "txtVacBal", "lbVacBal", "txtVdate", "txtVcnt", "vacation"},
    {"Holiday/Personel", "txtHolBal", "lbHolBal", "txtHdate", "txtHcnt", "holiday"},
    {"Sick", "txtSickBal", "lbSickBal", "txtSdate", "txtScnt", "sick"},
}};

[[nodiscard]] constexpr const DayAccountInfo& infoOf(DayAccount account) {
    return kDayAccountInfo[static_cast<std::size_t>(account)];
}

// One account's frame.
struct DayAccountBoxes {
    std::string frameCaption;
    TextBox startBalance{"0"};                   // txtVacBal, txtHolBal, txtSickBal
    Label balance{"0"};                          // lbVacBal, lbHolBal, lbSickBal
    std::array<TextBox, kVacationRows> dates{};  // txtVdate, txtHdate, txtSdate: any text
    std::array<TextBox, kVacationRows> days{};   // txtVcnt, txtHcnt, txtScnt
};

struct DialogVac {
    std::string caption = kVacationCaption;
    std::string heading = kVacationHeading;
    // Each frame's parts.
    std::string startBalanceCaption = "Start Balance";
    std::string balanceCaption = "Balance";
    std::string datesCaption = "Dates";
    std::string takenCaption = "#Taken";
    std::string OKButton = "Save";
    std::string cmdClear = "Clear All";
    std::string mnuHelp = "&Help";
    std::array<DayAccountBoxes, kDayAccounts> accounts;

    DialogVac();

    [[nodiscard]] DayAccountBoxes& boxes(DayAccount account) {
        return accounts[static_cast<std::size_t>(account)];
    }
    [[nodiscard]] const DayAccountBoxes& boxes(DayAccount account) const {
        return accounts[static_cast<std::size_t>(account)];
    }

    // GetVac's last step: each balance label and start balance box its value (up to seven
    // significant digits), each days box its value and each date box its text.
    void show(const VacationRecord& v);
    // The dialog's load after GetVac: the variables shown, an empty start balance box "0", the
    // three balances computed.
    void load(const VacationRecord& v);
    // ShowVacBalance, ShowHolBalance, ShowSickBalance: the start balance box's leading number
    // less the sum of the leading numbers of the account's twenty days boxes (summed in single
    // precision, subtracted in double), shown as the Single it is stored as: start 10 with 1, 2
    // and 0.5 taken shows "6.5"; start 1 with 0.1 and 0.2 taken shows "0.7".
    void ShowBalance(DayAccount account);

    // Typing into a start balance or days box: the key filter takes only "0123456789 -."; a text
    // with another character is refused whole, naming the box, which keeps its text. The
    // account's balance follows at once; the other two accounts do not change.
    Outcome typeStartBalance(DayAccount account, const std::string& text);
    Outcome typeDays(DayAccount account, int row, const std::string& text);
    // A date box takes any text: a written-out month, digits with slashes.
    void typeDate(DayAccount account, int row, const std::string& text);
    // An entry into the account's first empty row (no date and no days): its date and days, as
    // typed. Refused with a message when all twenty rows hold an entry, or when the days do not
    // pass the key filter; nothing changes then.
    Outcome take(DayAccount account, const std::string& date, const std::string& days);
    // True when row 0 to 19 of the account holds a date or days other than 0.
    [[nodiscard]] bool rowUsed(DayAccount account, int row) const;

    // SaveVac's first two steps: the record the boxes give (each days and start box's leading
    // number, each date box's text, each balance label's number). Refused, naming the box, when
    // a number is beyond what the vacation file holds.
    [[nodiscard]] Outcome takeOver(VacationRecord& v) const;
    // clearVac ("Clear All"): every date box empty, every days box and start balance box "0", the
    // balances 0. Only the boxes: the record held and the file keep what they have until "Save",
    // so that clearing and closing without saving loses nothing.
    void clearVac();
};

// --- The tracker over the session --------------------------------------------------------------
// GetVac: the vacation file, when the employee has one, into the record held; then shown. A file
// that exists but cannot be read is refused with its place named: the record held stays, and
// the dialog is not to be shown (so that its "Save" cannot write over the file).
Outcome GetVac(Session& session, DialogVac& dialog);
// Loading the dialog ("Vacation", "&Vacation"): GetVac, then the dialog's load. ok false: the
// dialog does not open.
Outcome loadDialogVac(Session& session, DialogVac& dialog);
// SaveVac: the boxes taken over and the vacation file replaced, as one step: when a box is
// refused or the file cannot be written, the record held and the file stay as they were, and
// the dialog keeps its boxes. The dialog's "Save" is SaveVac, then the dialog closes when ok.
Outcome SaveVac(Session& session, const DialogVac& dialog);

}  // namespace quillon
