// The calendar dialogs: dates as the boxes write them, and the calendar's changes into the box.
#include "session/date_dialog.hpp"

#include "session/session.hpp"
#include "session/session_helpers.hpp"

namespace quillon {
namespace {

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

// Digits from `at`, at least `fewest` and at most `most` of them; nullopt when there are too few.
std::optional<int> digits(std::string_view text, std::size_t& at, std::size_t fewest,
                          std::size_t most) {
    std::size_t count = 0;
    int value = 0;
    while (at < text.size() && count < most && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++count;
    }
    if (count < fewest) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool CalendarDate::valid() const {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

std::optional<CalendarDate> shortDate(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t at = 0;
    const std::optional<int> month = digits(text, at, 1, 2);
    if (!month || at >= text.size() || text[at] != '/') {
        return std::nullopt;
    }
    ++at;
    const std::optional<int> day = digits(text, at, 1, 2);
    if (!day || at >= text.size() || text[at] != '/') {
        return std::nullopt;
    }
    ++at;
    const std::optional<int> year = digits(text, at, 4, 4);
    if (!year || at != text.size()) {
        return std::nullopt;
    }
    const CalendarDate date{*year, *month, *day};
    if (!date.valid()) {
        return std::nullopt;
    }
    return date;
}

std::string shortDateText(CalendarDate date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
           std::to_string(date.year);
}

void DateDialog::load(TextBox& box, CalendarDate today) {
    CalendarDate shown = today;
    if (box.text.find_first_not_of(' ') != std::string::npos) {
        if (const std::optional<CalendarDate> date = shortDate(box.text)) {
            shown = *date;
        } else {
            box.text = shortDateText(today);
        }
    }
    calendar = shown < earliest ? earliest : shown;
}

Outcome DateDialog::calendarChanged(CalendarDate date, TextBox& box) {
    if (!date.valid()) {
        return detail::failed(detail::okMessage(
            "There is no day " + std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
            std::to_string(date.year) + " in the calendar. The date was not changed."));
    }
    calendar = date < earliest ? earliest : date;
    box.text = shortDateText(calendar);
    return {};
}

void DateDialog::ok(TextBox& box) const {
    box.text = shortDateText(calendar);
}

DateDialog weekEndingDateDialog() {
    DateDialog dialog;
    dialog.caption = kWeekEndingDialogCaption;
    dialog.OKButton = "Ok";
    return dialog;
}

DateDialog overtimeDateDialog(int row) {
    DateDialog dialog;
    dialog.caption = kOvertimeDateDialogCaption + std::to_string(row + 1);
    dialog.OKButton = "&OK";
    return dialog;
}

DateDialog openWeekEndingDialog(Session& session, CalendarDate today) {
    DateDialog dialog = weekEndingDateDialog();
    dialog.load(session.main.txtWeek, today);
    return dialog;
}

Outcome weekEndingDateChanged(Session& session, DateDialog& dialog, CalendarDate date) {
    const Session::Change change(session, Part::MainWindow);
    return dialog.calendarChanged(date, session.main.txtWeek);
}

void weekEndingOk(Session& session, const DateDialog& dialog) {
    const Session::Change change(session, Part::MainWindow);
    dialog.ok(session.main.txtWeek);
}

}  // namespace quillon
