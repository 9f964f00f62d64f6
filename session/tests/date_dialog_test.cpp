// The calendar dialogs: which texts are dates, what the calendar shows on loading, and that
// every change of the calendar is in the box at once, so that the next posting carries it.
#include "session/date_dialog.hpp"

#include <gtest/gtest.h>

#include "session/overtime_window.hpp"
#include "session/register_window.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

using testing::WorkingFolder;

TEST(ShortDate, ReadsTheWeekEndingBoxesForm) {
    static const struct {
        const char* text;
        std::optional<CalendarDate> date;
    } cases[] = {
        {"12/31/2016", CalendarDate{2016, 12, 31}},
        {"1/8/2016", CalendarDate{2016, 1, 8}},
        {"01/01/2016", CalendarDate{2016, 1, 1}},
        {"  7/4/2017 ", CalendarDate{2017, 7, 4}},
        {"2/29/2016", CalendarDate{2016, 2, 29}},  // 2016 is a leap year
        {"2/29/2100", std::nullopt},               // 2100 is not
        {"2/29/2000", CalendarDate{2000, 2, 29}},  // 2000 is
        {"2/30/2016", std::nullopt},
        {"13/1/2016", std::nullopt},
        {"0/1/2016", std::nullopt},
        {"12/31/16", std::nullopt},
        {"12-31-2016", std::nullopt},
        {"123/1/2016", std::nullopt},
        {"12/31/20166", std::nullopt},
        {"12/31/2016x", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"week 3", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(shortDate(c.text), c.date);
        if (c.date) {
            // Written back without leading zeros and read again to the same day.
            EXPECT_EQ(shortDate(shortDateText(*c.date)), c.date);
        }
    }
    EXPECT_EQ(shortDateText({2016, 1, 8}), "1/8/2016");
    EXPECT_EQ(shortDateText({2016, 12, 30}), "12/30/2016");
}

TEST(DateDialog, LoadingShowsTheBoxsDateOrTodayAndHoldsTheEarliest) {
    static const struct {
        const char* box;
        CalendarDate today;
        CalendarDate calendar;
        const char* boxAfter;
    } cases[] = {
        {"12/30/2016", {2017, 3, 1}, {2016, 12, 30}, "12/30/2016"},
        {"", {2017, 3, 1}, {2017, 3, 1}, ""},        // empty: today, the box stays empty
        {"   ", {2017, 3, 1}, {2017, 3, 1}, "   "},  // blanks count as empty
        // Not a date: the box takes today at once.
        {"next Friday", {2017, 3, 1}, {2017, 3, 1}, "3/1/2017"},
        {"2/30/2016", {2016, 5, 6}, {2016, 5, 6}, "5/6/2016"},
        // Today before the earliest date: the calendar shows 1/1/2016, the box today.
        {"abc", {2015, 6, 1}, {2016, 1, 1}, "6/1/2015"},
        // A date before the earliest: the calendar shows the earliest; the box keeps its text
        // until the calendar changes.
        {"12/25/2015", {2016, 5, 6}, {2016, 1, 1}, "12/25/2015"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        TextBox box{c.box};
        DateDialog dialog = weekEndingDateDialog();
        dialog.load(box, c.today);
        EXPECT_EQ(dialog.calendar, c.calendar);
        EXPECT_EQ(box.text, c.boxAfter);
    }
}

using WeekEndingDialog = WorkingFolder;

TEST_F(WeekEndingDialog, APickedDateIsInTheBoxBeforeOkAndIsTheDateOfTheNextPosting) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Baker").ok);
    DateDialog dialog = openWeekEndingDialog(s, CalendarDate{2016, 12, 30});
    EXPECT_EQ(dialog.caption, "Week Ending");
    EXPECT_EQ(dialog.OKButton, "Ok");
    EXPECT_EQ(dialog.calendar, (CalendarDate{2016, 12, 30}));

    ASSERT_TRUE(weekEndingDateChanged(s, dialog, CalendarDate{2016, 7, 1}).ok);
    EXPECT_EQ(s.main.txtWeek.text, "7/1/2016");
    ASSERT_TRUE(weekEndingDateChanged(s, dialog, CalendarDate{2016, 7, 8}).ok);
    EXPECT_EQ(s.main.txtWeek.text, "7/8/2016");
    weekEndingOk(s, dialog);
    EXPECT_EQ(s.main.txtWeek.text, "7/8/2016");

    s.main.txtAmount[6].text = "500";
    ASSERT_TRUE(s.calculate().ok);
    ASSERT_TRUE(openRegisterWindow(s).ok);
    ASSERT_TRUE(PasteMe(s, 27).ok);
    EXPECT_EQ(s.registerWindow->cell(27, GridColumn::Date), "7/8/2016");
    EXPECT_EQ(s.yearRegister.rows[26].Date, "7/8/2016");
}

TEST_F(WeekEndingDialog, ADateBeforeTheEarliestIsHeldThereAndADayThatDoesNotExistChangesNothing) {
    Session s = startedSession();
    DateDialog dialog = openWeekEndingDialog(s, CalendarDate{2016, 12, 30});
    ASSERT_TRUE(weekEndingDateChanged(s, dialog, CalendarDate{2015, 12, 25}).ok);
    EXPECT_EQ(s.main.txtWeek.text, "1/1/2016");
    EXPECT_EQ(dialog.calendar, kEarliestDate);

    const Outcome refused = weekEndingDateChanged(s, dialog, CalendarDate{2016, 2, 30});
    EXPECT_FALSE(refused.ok);
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(refused.messages[0].text,
              "There is no day 2/30/2016 in the calendar. The date was not changed.");
    EXPECT_EQ(s.main.txtWeek.text, "1/1/2016");
    EXPECT_EQ(dialog.calendar, kEarliestDate);
}

TEST(OvertimeDateDialog, WritesTheDateBoxOfItsRowAtOnce) {
    Form2 tracker(true);
    tracker.Text1[2].text = "";
    tracker.Text1[3].text = "4/1/2016";
    DateDialog dialog = tracker.openDateDialog(2, CalendarDate{2016, 3, 1});
    EXPECT_EQ(dialog.caption, "Week Ending, Week No. 3");
    EXPECT_EQ(dialog.OKButton, "&OK");
    EXPECT_EQ(tracker.OtDateRow, 2);
    EXPECT_EQ(dialog.calendar, (CalendarDate{2016, 3, 1}));  // the box was empty: today
    EXPECT_EQ(tracker.Text1[2].text, "");

    ASSERT_TRUE(tracker.dateChanged(dialog, CalendarDate{2016, 3, 4}).ok);
    EXPECT_EQ(tracker.Text1[2].text, "3/4/2016");
    tracker.dateOk(dialog);
    EXPECT_EQ(tracker.Text1[2].text, "3/4/2016");
    EXPECT_EQ(tracker.Text1[3].text, "4/1/2016");

    // A row holding a date starts the calendar there.
    DateDialog next = tracker.openDateDialog(3, CalendarDate{2016, 3, 1});
    EXPECT_EQ(next.calendar, (CalendarDate{2016, 4, 1}));
}

}  // namespace
}  // namespace quillon
