// The overtime tracker's procedures: filling, TOTAL, New Week, Undo, Back, ClearAll, the key
// filter, the grid's keyboard moves and the date dialog of a row.
#include "session/overtime_window.hpp"

#include <utility>

#include "engine/money.hpp"
#include "session/session.hpp"
#include "session/session_helpers.hpp"

namespace quillon {
namespace {

using detail::failed;
using detail::kCrLf;
using detail::okMessage;

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

BadBox salaryBox() {
    return BadBox{"txtAnnual", -1, "Annual Salary"};
}

BadBox percentBox() {
    return BadBox{"txtApPercent", -1, "Enter Your Approved Percentage"};
}

BadBox amountBox(int row) {
    return BadBox{"txtOT", row, "O.T. Only, week " + std::to_string(row + 1)};
}

Outcome attention(const BadBox& box) {
    return Outcome{
        false, {Message{MessageKind::Exclamation, kAttentionText, kAttentionTitle}}, box};
}

Outcome refusedBox(const BadBox& box, const std::string& why) {
    return Outcome{
        false,
        {Message{MessageKind::Exclamation,
                 "The box \"" + box.words + "\" " + why + kCrLf + "Nothing was computed or saved.",
                 kProgramTitle}},
        box};
}

// The salary or percentage box as a number: an empty box as `whenEmpty`, else the whole text.
std::optional<float> boxNumber(const TextBox& box, std::optional<float> whenEmpty) {
    if (blank(box.text)) {
        return whenEmpty;
    }
    return strictAmount(box.text);
}

Outcome notANumber(const BadBox& box, const std::string& text) {
    return refusedBox(box, "holds " + quotedExcerpt(text) + ", which is not a number.");
}

}  // namespace

Form2::Form2(bool payWeekly) : weekly(payWeekly) {
    if (!weekly) {
        usedRows = kBiWeeklyOvertimeRows;
        shownRows = kBiWeeklyShownRows;
        secondColumnShown = false;
        widthTwips = kBiWeeklyWidthTwips;
    }
}

void Form2::FillInOT(const Profile& p) {
    txtAnnual.text = decimalText(p.AnnualSalary);
    txtApPercent.text = decimalText(p.OtApprovedPct);
    if (blank(txtAnnual.text) || leadingNumber(txtAnnual.text) == 0) {
        txtAnnual.text = kFilledInSalary;
    }
    for (int i = 0; i < usedRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Text1[at].text = p.OtDates[at];
        txtOT[at].text = p.OtAmounts[at];
    }
}

void Form2::load(const Profile& p) {
    FillInOT(p);
    for (TextBox& amount : txtOT) {
        if (amount.text.empty()) {
            amount.text = "0";
        }
    }
}

Outcome Form2::total(Profile& p) {
    // Step 1, and what it cannot read: the salary and the percentage must be numbers, not both
    // zero, and a percentage of a salary of zero cannot be worked out.
    if (blank(txtAnnual.text)) {
        return attention(salaryBox());
    }
    if (blank(txtApPercent.text)) {
        return attention(percentBox());
    }
    const std::optional<float> salary = boxNumber(txtAnnual, std::nullopt);
    if (!salary) {
        return notANumber(salaryBox(), txtAnnual.text);
    }
    const std::optional<float> percent = boxNumber(txtApPercent, std::nullopt);
    if (!percent) {
        return notANumber(percentBox(), txtApPercent.text);
    }
    if (*salary == 0 && *percent == 0) {
        return attention(salaryBox());
    }
    if (*salary == 0) {
        return refusedBox(salaryBox(),
                          "holds 0: no percentage of a salary of 0 can be worked out. Enter the "
                          "annual salary.");
    }
    double earned = 0;
    for (int i = 0; i < usedRows; ++i) {
        const std::string& text = txtOT[static_cast<std::size_t>(i)].text;
        const double amount = leadingNumber(text);
        if (!withinAmountLimit(amount)) {
            return refusedBox(amountBox(i), "holds " + quotedExcerpt(text) +
                                                ", more than any overtime amount can be.");
        }
        earned += amount;
    }
    const double max = static_cast<double>(*percent) * 0.01 * static_cast<double>(*salary);
    if (!withinAmountLimit(earned)) {
        return refusedBox(amountBox(0),
                          "and the other O.T. Only boxes add up to more than the "
                          "files can hold.");
    }
    if (!withinAmountLimit(max)) {
        return refusedBox(percentBox(), "holds " + quotedExcerpt(txtApPercent.text) +
                                            ": the allowable amount would be more than the files "
                                            "can hold.");
    }

    for (int i = 0; i < usedRows; ++i) {
        std::string& amount = txtOT[static_cast<std::size_t>(i)].text;
        if (amount.empty()) {
            amount = "0";
        }
    }
    p.OtEarned = static_cast<float>(earned);
    p.OtEarnedPct = static_cast<float>(static_cast<double>(p.OtEarned) / *salary);
    p.AnnualSalary = *salary;
    p.OtApprovedPct = *percent;
    p.OtMax = static_cast<float>(max);
    p.OtAvail = p.OtMax - p.OtEarned;
    showResults(p);
    return {};
}

void Form2::showResults(const Profile& p) {
    lbEarned.caption = format(p.OtEarned, kOvertimeMoneyFormat);
    txtPercent.text = format(p.OtEarnedPct, kOvertimePercentFormat);
    lbMax.caption = format(p.OtMax, kOvertimeMoneyFormat);
    lbAvail.caption = format(p.OtAvail, kOvertimeMoneyFormat);
}

void Form2::newWeek() {
    const auto last = static_cast<std::size_t>(usedRows - 1);
    for (std::size_t i = 0; i < last; ++i) {
        txtOT[i].text = txtOT[i + 1].text;
        Text1[i].text = Text1[i + 1].text;
    }
    txtOT[last].text = "0";
    Text1[last].text.clear();
}

void Form2::showProfile(const Profile& p) {
    for (int i = 0; i < usedRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Text1[at].text = p.OtDates[at];
        txtOT[at].text = p.OtAmounts[at];
    }
    txtAnnual.text = decimalText(p.AnnualSalary);
    txtApPercent.text = decimalText(p.OtApprovedPct);
}

Outcome Form2::takeOver(Profile& p) {
    const std::optional<float> salary = boxNumber(txtAnnual, 0.0f);
    if (!salary) {
        return notANumber(salaryBox(), txtAnnual.text);
    }
    const std::optional<float> percent = boxNumber(txtApPercent, 0.0f);
    if (!percent) {
        return notANumber(percentBox(), txtApPercent.text);
    }
    for (int i = 0; i < usedRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (txtOT[at].text.empty()) {
            txtOT[at].text = "0";
        }
        p.OtDates[at] = Text1[at].text;
        p.OtAmounts[at] = txtOT[at].text;
    }
    p.AnnualSalary = *salary;
    p.OtApprovedPct = *percent;
    return {};
}

void Form2::ClearAll(Profile& p) {
    for (int i = 0; i < usedRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        txtOT[at].text = "0";
        p.OtAmounts[at] = "0";
        Text1[at].text.clear();
        p.OtDates[at].clear();
    }
    if (leadingNumber(txtAnnual.text) == 0) {
        txtAnnual.text = kClearedSalary;
    }
    txtApPercent.text = "0";
    p.OtEarned = 0;
    p.OtEarnedPct = 0;
    p.AnnualSalary = kClearedAnnualSalary;
    p.OtApprovedPct = 0;
    p.OtMax =
        static_cast<float>(leadingNumber(txtApPercent.text) * 0.01 * leadingNumber(txtAnnual.text));
    p.OtAvail = p.OtMax - p.OtEarned;
    showResults(p);
}

Outcome Form2::typeInto(OvertimeBox box, int row, const std::string& text) {
    const bool gridBox = box == OvertimeBox::Text1 || box == OvertimeBox::txtOT;
    if (gridBox && (row < 0 || row >= usedRows)) {
        return failed(okMessage("There is no week " + std::to_string(row + 1) + " in the grid."));
    }
    const auto at = static_cast<std::size_t>(gridBox ? row : 0);
    switch (box) {
        case OvertimeBox::Text1:
            Text1[at].text = text;
            return {};
        case OvertimeBox::txtOT:
            if (!isNumericBoxText(text)) {
                return Outcome{false, {refusedKeyMessage(amountBox(row), text)}, amountBox(row)};
            }
            txtOT[at].text = text;
            return {};
        case OvertimeBox::txtAnnual:
            if (!isNumericBoxText(text)) {
                return Outcome{false, {refusedKeyMessage(salaryBox(), text)}, salaryBox()};
            }
            txtAnnual.text = text;
            return {};
        case OvertimeBox::txtApPercent:
            if (!isNumericBoxText(text)) {
                return Outcome{false, {refusedKeyMessage(percentBox(), text)}, percentBox()};
            }
            txtApPercent.text = text;
            return {};
    }
    return {};
}

std::optional<OvertimeCell> Form2::cellAfterKey(OvertimeCell from, GridKey key) const {
    const int last = shownRows - 1;
    if (from.row < 0 || from.row > last) {
        return std::nullopt;
    }
    // Right and Left do nothing on row 53 of the weekly grid, as they always have.
    const bool sideways = !(weekly && from.row == kWeeklyOvertimeRows - 1);
    switch (key) {
        case GridKey::Enter:
            return OvertimeCell{from.row < last ? from.row + 1 : 0, from.column};
        case GridKey::Up:
            if (from.row > 0) {
                return OvertimeCell{from.row - 1, from.column};
            }
            return std::nullopt;
        case GridKey::Down:
            if (from.row < last) {
                return OvertimeCell{from.row + 1, from.column};
            }
            return std::nullopt;
        case GridKey::Right:
            if (sideways && from.column == OvertimeColumn::Date) {
                return OvertimeCell{from.row, OvertimeColumn::Amount};
            }
            return std::nullopt;
        case GridKey::Left:
            if (sideways && from.column == OvertimeColumn::Amount) {
                return OvertimeCell{from.row, OvertimeColumn::Date};
            }
            return std::nullopt;
    }
    return std::nullopt;
}

DateDialog Form2::openDateDialog(int row, CalendarDate today) {
    OtDateRow = row >= 0 && row < usedRows ? row : 0;
    DateDialog dialog = overtimeDateDialog(OtDateRow);
    dialog.load(Text1[static_cast<std::size_t>(OtDateRow)], today);
    return dialog;
}

Outcome Form2::dateChanged(DateDialog& dialog, CalendarDate date) {
    return dialog.calendarChanged(date, Text1[static_cast<std::size_t>(OtDateRow)]);
}

void Form2::dateOk(const DateDialog& dialog) {
    dialog.ok(Text1[static_cast<std::size_t>(OtDateRow)]);
}

// --- Over the session -------------------------------------------------------------------------

void showForm2References(const Session& session, Form2& tracker) {
    tracker.lb_OT.caption = session.main.lbOverT.caption;
    tracker.lbWk.caption = session.main.txtWeek.text;
}

void loadForm2(const Session& session, Form2& tracker) {
    Form2 loaded(session.profile.PayWeekly);
    showForm2References(session, loaded);
    loaded.load(session.profile);
    tracker = std::move(loaded);
}

Outcome openForm2(Session& session, Form2& tracker) {
    loadForm2(session, tracker);
    return overtimeTotal(session, tracker);
}

Outcome overtimeTotal(Session& session, Form2& tracker) {
    const Form2 trackerBefore = tracker;
    const Profile profileBefore = session.profile;
    Outcome outcome = tracker.total(session.profile);
    if (outcome.ok) {
        outcome = tracker.takeOver(session.profile);
    }
    if (outcome.ok) {
        outcome = session.SaveOT();
    }
    if (!outcome.ok) {
        tracker = trackerBefore;
        session.profile = profileBefore;
    }
    return outcome;
}

Outcome overtimeUndo(Session& session, Form2& tracker) {
    Outcome outcome = session.LoadProfile();
    if (outcome.ok) {
        tracker.showProfile(session.profile);
    }
    return outcome;
}

Outcome overtimeBack(Session& session, Form2& tracker) {
    const Form2 trackerBefore = tracker;
    const Profile profileBefore = session.profile;
    Outcome outcome = tracker.takeOver(session.profile);
    if (outcome.ok) {
        outcome = session.SaveOT();
    }
    if (!outcome.ok) {
        // The boxes stay as typed (an empty amount shows "0" again only with a save that works).
        tracker = trackerBefore;
        session.profile = profileBefore;
    }
    return outcome;
}

void clearOvertimeTracker(Profile& profile) {
    Form2 tracker(profile.PayWeekly);
    tracker.load(profile);
    tracker.ClearAll(profile);
}

}  // namespace quillon
