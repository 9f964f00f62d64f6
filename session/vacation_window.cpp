// The vacation tracker's procedures: showing the record, the balances, the boxes taken over, and
// the file read and written through the session.
#include "session/vacation_window.hpp"

#include "engine/money.hpp"
#include "session/session.hpp"
#include "session/session_helpers.hpp"

namespace quillon {
namespace {

using detail::failed;
using detail::kCrLf;
using detail::okMessage;

// The record's fields of one account.
struct AccountFields {
    float VacationRecord::*bal;
    float VacationRecord::*start;
    std::array<float, kVacationRows> VacationRecord::*taken;
    std::array<std::string, kVacationRows> VacationRecord::*date;
};
constexpr std::array<AccountFields, kDayAccounts> kFields = {{
    {&VacationRecord::VacBal, &VacationRecord::VacStart, &VacationRecord::VacTaken,
     &VacationRecord::VacDate},
    {&VacationRecord::HolBal, &VacationRecord::HolStart, &VacationRecord::HolTaken,
     &VacationRecord::HolDate},
    {&VacationRecord::SickBal, &VacationRecord::SickStart, &VacationRecord::SickTaken,
     &VacationRecord::SickDate},
}};

const AccountFields& fieldsOf(DayAccount account) {
    return kFields[static_cast<std::size_t>(account)];
}

bool validRow(int row) {
    return row >= 0 && row < kVacationRows;
}

BadBox startBox(DayAccount account) {
    const DayAccountInfo& info = infoOf(account);
    return BadBox{std::string(info.startBox), -1, std::string(info.frame) + ", Start Balance"};
}

BadBox daysBox(DayAccount account, int row) {
    const DayAccountInfo& info = infoOf(account);
    return BadBox{std::string(info.daysBoxes), row,
                  std::string(info.frame) + ", #Taken, row " + std::to_string(row + 1)};
}

// The balance as ShowBalance computes it: the days summed in single precision, subtracted from
// the start balance in double.
double balanceOf(const DayAccountBoxes& boxes) {
    float taken = 0;
    for (const TextBox& days : boxes.days) {
        taken += static_cast<float>(leadingNumber(days.text));
    }
    return leadingNumber(boxes.startBalance.text) - static_cast<double>(taken);
}

Message beyondFileMessage(const BadBox& box, const std::string& text) {
    return okMessage("The box \"" + box.words + "\" holds " + quotedExcerpt(text) +
                     ", more days than the vacation file holds." + kCrLf + "Nothing was saved.");
}

}  // namespace

DialogVac::DialogVac() {
    for (DayAccount account : kEveryDayAccount) {
        DayAccountBoxes& b = boxes(account);
        b.frameCaption = infoOf(account).frame;
        for (TextBox& days : b.days) {
            days.text = "0";
        }
    }
}

void DialogVac::show(const VacationRecord& v) {
    for (DayAccount account : kEveryDayAccount) {
        const AccountFields& f = fieldsOf(account);
        DayAccountBoxes& b = boxes(account);
        b.balance.caption = decimalText(v.*f.bal);
        b.startBalance.text = decimalText(v.*f.start);
        for (std::size_t i = 0; i < b.days.size(); ++i) {
            b.days[i].text = decimalText((v.*f.taken)[i]);
            b.dates[i].text = (v.*f.date)[i];
        }
    }
}

void DialogVac::load(const VacationRecord& v) {
    show(v);
    for (DayAccount account : kEveryDayAccount) {
        DayAccountBoxes& b = boxes(account);
        if (b.startBalance.text.empty()) {
            b.startBalance.text = "0";
        }
        ShowBalance(account);
    }
}

void DialogVac::ShowBalance(DayAccount account) {
    DayAccountBoxes& b = boxes(account);
    // The days are summed in single precision: more than a Single's digits would show only the
    // error of that sum (1 - (0.1 + 0.2) is 0.699999988079071 in double).
    b.balance.caption = decimalText(static_cast<float>(balanceOf(b)));
}

Outcome DialogVac::typeStartBalance(DayAccount account, const std::string& text) {
    if (!isNumericBoxText(text)) {
        const BadBox box = startBox(account);
        return Outcome{false, {refusedKeyMessage(box, text)}, box};
    }
    boxes(account).startBalance.text = text;
    ShowBalance(account);
    return {};
}

Outcome DialogVac::typeDays(DayAccount account, int row, const std::string& text) {
    if (!validRow(row)) {
        return failed(okMessage("There is no row " + std::to_string(row + 1) + " in \"" +
                                std::string(infoOf(account).frame) + "\"."));
    }
    if (!isNumericBoxText(text)) {
        const BadBox box = daysBox(account, row);
        return Outcome{false, {refusedKeyMessage(box, text)}, box};
    }
    boxes(account).days[static_cast<std::size_t>(row)].text = text;
    ShowBalance(account);
    return {};
}

void DialogVac::typeDate(DayAccount account, int row, const std::string& text) {
    if (validRow(row)) {
        boxes(account).dates[static_cast<std::size_t>(row)].text = text;
    }
}

bool DialogVac::rowUsed(DayAccount account, int row) const {
    if (!validRow(row)) {
        return false;
    }
    const DayAccountBoxes& b = boxes(account);
    const auto at = static_cast<std::size_t>(row);
    return b.dates[at].text.find_first_not_of(' ') != std::string::npos ||
           leadingNumber(b.days[at].text) != 0;
}

Outcome DialogVac::take(DayAccount account, const std::string& date, const std::string& days) {
    int row = 0;
    while (row < kVacationRows && rowUsed(account, row)) {
        ++row;
    }
    if (row == kVacationRows) {
        return failed(okMessage(
            "\"" + std::string(infoOf(account).frame) + "\" holds an entry in every one of its " +
            std::to_string(kVacationRows) + " rows: there is no row for " + quotedExcerpt(date) +
            "." + kCrLf + "Clear the rows that are done with first. Nothing was added."));
    }
    if (Outcome typed = typeDays(account, row, days); !typed.ok) {
        return typed;
    }
    typeDate(account, row, date);
    return {};
}

Outcome DialogVac::takeOver(VacationRecord& v) const {
    VacationRecord taken = v;
    for (DayAccount account : kEveryDayAccount) {
        const AccountFields& f = fieldsOf(account);
        const DayAccountBoxes& b = boxes(account);
        for (std::size_t i = 0; i < b.days.size(); ++i) {
            const double days = leadingNumber(b.days[i].text);
            if (!withinAmountLimit(days)) {
                const BadBox box = daysBox(account, static_cast<int>(i));
                return Outcome{false, {beyondFileMessage(box, b.days[i].text)}, box};
            }
            (taken.*f.taken)[i] = static_cast<float>(days);
            (taken.*f.date)[i] = b.dates[i].text;
        }
        const double start = leadingNumber(b.startBalance.text);
        const double balance = balanceOf(b);
        if (!withinAmountLimit(start) || !withinAmountLimit(balance)) {
            const BadBox box = startBox(account);
            return Outcome{false, {beyondFileMessage(box, b.startBalance.text)}, box};
        }
        taken.*f.start = static_cast<float>(start);
        taken.*f.bal = static_cast<float>(balance);
    }
    v = taken;
    return {};
}

void DialogVac::clearVac() {
    for (DayAccount account : kEveryDayAccount) {
        DayAccountBoxes& b = boxes(account);
        for (std::size_t i = 0; i < b.days.size(); ++i) {
            b.dates[i].text.clear();
            b.days[i].text = "0";
        }
        b.startBalance.text = "0";
        ShowBalance(account);
    }
}

Outcome GetVac(Session& session, DialogVac& dialog) {
    if (session.ProfileFileExists(".hol")) {
        VacationRecord read;
        if (Status status = readVacationFile(session.file(".hol"), read); status.failed()) {
            return failed(corruptedFileMessage(status.error()));
        }
        session.vacation = read;
    }
    dialog.show(session.vacation);
    return {};
}

Outcome loadDialogVac(Session& session, DialogVac& dialog) {
    DialogVac loaded;
    Outcome outcome = GetVac(session, loaded);
    if (!outcome.ok) {
        outcome.messages.back().text += std::string(kCrLf) +
                                        "The tracker does not open, so that its Save cannot write "
                                        "over the file; the days it held stay.";
        return outcome;
    }
    loaded.load(session.vacation);
    dialog = std::move(loaded);
    return outcome;
}

Outcome SaveVac(Session& session, const DialogVac& dialog) {
    VacationRecord taken = session.vacation;
    if (Outcome refused = dialog.takeOver(taken); !refused.ok) {
        return refused;
    }
    // The one save transaction, under the folder lock the session may hold.
    if (Outcome saved = session.saveFiles({vacationFileContent(session.file(".hol"), taken)});
        !saved.ok) {
        return saved;
    }
    session.vacation = taken;
    return {};
}

}  // namespace quillon
