// The two calendar dialogs: the one behind the main window's week-ending box ("Click for Date
// change") and the one behind a date cell of the overtime tracker. Both are modal; every change
// of the calendar's date writes the box at once, so the box holds the date before "Ok" is
// pressed. "Today" is always given by the caller: nothing here reads the clock.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "session/boxes.hpp"

namespace quillon {

class Session;
struct Outcome;  // session/session.hpp

// A day of the Gregorian calendar.
struct CalendarDate {
    int year = 2016;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to the month's last day

    // True for a day the calendar has: a month of 1 to 12, a day within it (2/29 in leap years
    // only), a year of 1 to 9999.
    [[nodiscard]] bool valid() const;
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 takes the generated 0 for a pointer
    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// The earliest date either calendar offers: the first day of the tax year.
inline constexpr CalendarDate kEarliestDate{2016, 1, 1};

// A box's text as a date, in the short form the week-ending box writes: M/D/YYYY, the month and
// the day of one or two digits, blanks around it allowed ("12/31/2016", "01/08/2016",
// " 1/8/2016 "). Anything else is no date: "12/31/16", "2/30/2016", "12-31-2016", "", "week 3".
[[nodiscard]] std::optional<CalendarDate> shortDate(std::string_view text);
// The date as the boxes write it, without leading zeros: {2016, 1, 8} -> "1/8/2016".
[[nodiscard]] std::string shortDateText(CalendarDate date);

inline constexpr const char* kWeekEndingDialogCaption = "Week Ending";
inline constexpr const char* kWeekEndingToolTip = "Click for Date change";
inline constexpr const char* kOvertimeDateDialogCaption = "Week Ending, Week No. ";

struct DateDialog {
    std::string caption;
    std::string OKButton;   // "Ok" for the week-ending box, "&OK" for an overtime row
    CalendarDate calendar;  // the calendar's current date
    CalendarDate earliest = kEarliestDate;

    // Loading on a box: the calendar takes the box's date, or today when the box is empty. A box
    // whose text is not a date takes today's date at once. A date before the earliest shows the
    // earliest (the calendar has nothing before it); the box keeps its text until the calendar
    // changes or "Ok" is pressed.
    void load(TextBox& box, CalendarDate today);
    // Every change of the calendar's date, and every click on it: the calendar shows the date and
    // the box takes it at once. A date before the earliest is held at the earliest; a day the
    // calendar does not have (2/30/2016) is refused and changes nothing.
    Outcome calendarChanged(CalendarDate date, TextBox& box);
    // "Ok": the calendar's date into the box; then the dialog closes.
    void ok(TextBox& box) const;
};

// The dialog behind the main window's week-ending box, captioned "Week Ending", button "Ok".
[[nodiscard]] DateDialog weekEndingDateDialog();
// The dialog behind the date cell of overtime row 0 to 52 ("Week Ending, Week No. 3" for row 2),
// button "&OK".
[[nodiscard]] DateDialog overtimeDateDialog(int row);

// --- The week-ending box of the session's main window --------------------------------------
// A click in the week-ending box: the dialog loaded on it (a text that is not a date becomes
// today's date in the box).
[[nodiscard]] DateDialog openWeekEndingDialog(Session& session, CalendarDate today);
// A date picked in the calendar: in the week-ending box at once, so that the next calculation,
// posting, statement or check carries it.
Outcome weekEndingDateChanged(Session& session, DateDialog& dialog, CalendarDate date);
// "Ok".
void weekEndingOk(Session& session, const DateDialog& dialog);

}  // namespace quillon
