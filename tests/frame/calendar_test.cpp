// The calendar: the month grid and its moves, and SelectDate driven as a user would.

#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/calendar_month.h"
#include "frame/calendar_window.h"
#include "frame/select_date.h"
#include "runtime/text/day_number.h"
#include "runtime/ui/codes.h"

namespace {

long d(long month, long day, long year) {
    return rt::date(month, day, year);
}

TEST(CalendarMonth, GridsOfMonthsStartingOnEveryKindOfDay) {
    struct Case {
        long date;
        int firstColumn;
        int days;
        const char* row1;  // Monday to Friday of row 1
        const char* row6;  // Sunday and Monday of row 6
    } cases[] = {
        // February 2004 starts on a Sunday and has 29 days (a leap year).
        {d(2, 10, 2004), 1, 29, " 2  3  4  5  6", "  "},
        {d(2, 10, 2003), 7, 28, "              ", "  "},
        // March 2008 has 31 days and starts on a Saturday: row 6 holds the 30th and 31st.
        {d(3, 1, 2008), 7, 31, "              ", "30"},
        {d(12, 25, 2026), 3, 31, "    1  2  3  4", "  "},
    };
    for (const auto& c : cases) {
        CalendarMonth m(c.date, false);
        EXPECT_EQ(m.firstColumn(), c.firstColumn) << c.date;
        EXPECT_EQ(m.daysInMonth(), c.days) << c.date;
        EXPECT_EQ(m.rowText(1, 1), c.row1) << c.date;
        EXPECT_EQ(m.rowText(6, 0), c.row6) << c.date;
        EXPECT_EQ(m.gridText().size(), 111u);
        EXPECT_EQ(m.cellDate(c.firstColumn), rt::date(rt::monthOf(c.date), 1, rt::yearOf(c.date)));
        EXPECT_EQ(m.cellDate(c.firstColumn + c.days), 0);
    }
    CalendarMonth march(d(3, 31, 2008), false);
    EXPECT_EQ(march.rowText(6, 1), "31");
    EXPECT_EQ(march.highlightX(), 17);  // Monday column of row 6
    EXPECT_EQ(march.highlightY(), 87);
}

TEST(CalendarMonth, MovesByDaysMonthsAndYears) {
    struct Case {
        long from;
        void (CalendarMonth::*move)();
        long to;
    } cases[] = {
        {d(1, 31, 2003), &CalendarMonth::nextMonth, d(3, 3, 2003)},      // 31 February rolls on
        {d(3, 31, 2003), &CalendarMonth::previousMonth, d(3, 3, 2003)},  // stays in March
        {d(1, 15, 2003), &CalendarMonth::previousMonth, d(12, 15, 2002)},
        {d(2, 29, 2004), &CalendarMonth::nextYear, d(3, 1, 2005)},
        {d(2, 29, 2004), &CalendarMonth::previousYear, d(3, 1, 2003)},
        {d(12, 31, 2026), &CalendarMonth::right, d(1, 1, 2027)},
        {d(3, 1, 2026), &CalendarMonth::left, d(2, 28, 2026)},
        {d(3, 10, 2026), &CalendarMonth::up, d(3, 3, 2026)},
        {d(3, 10, 2026), &CalendarMonth::down, d(3, 17, 2026)},
    };
    for (const auto& c : cases) {
        CalendarMonth m(c.from, false);
        (m.*c.move)();
        EXPECT_EQ(m.current(), c.to) << "from " << c.from;
        EXPECT_EQ(m.month(), rt::monthOf(c.to));
    }
}

TEST(CalendarMonth, RightFromSaturdayGoesToTheNextRowsSunday) {
    CalendarMonth m(d(3, 7, 2026), false);  // Saturday 7 March 2026, row 1
    EXPECT_EQ(m.highlightX(), 77);
    EXPECT_EQ(m.highlightY(), 27);
    m.right();
    EXPECT_EQ(m.highlightX(), 5);
    EXPECT_EQ(m.highlightY(), 39);
}

TEST(CalendarMonth, HomeGoesBackToTheStartDateOrToday) {
    CalendarMonth started(d(6, 15, 2020), false);
    started.nextYear();
    started.home();
    EXPECT_EQ(started.current(), d(6, 15, 2020));
    CalendarMonth unstarted(0, false);
    EXPECT_EQ(unstarted.current(), rt::today());
    unstarted.previousMonth();
    unstarted.home();
    EXPECT_EQ(unstarted.current(), rt::today());
    CalendarMonth onToday(d(6, 15, 2020), true);
    EXPECT_EQ(onToday.current(), rt::today());
}

TEST(CalendarMonth, TwoReleasesOnTheSameSpotOfADayConfirmIt) {
    CalendarMonth m(d(3, 1, 2026), false);                          // March 2026 starts on a Sunday
    EXPECT_EQ(m.releaseAt(20, 42), CalendarMonth::Release::Moved);  // row 2, Monday: the 9th
    EXPECT_EQ(m.current(), d(3, 9, 2026));
    EXPECT_EQ(m.releaseAt(20, 42), CalendarMonth::Release::Confirmed);
    // Empty cells confirm nothing and forget the last release.
    EXPECT_EQ(m.releaseAt(60, 80), CalendarMonth::Release::Ignored);  // row 5, Thursday
    EXPECT_EQ(m.releaseAt(60, 80), CalendarMonth::Release::Ignored);
    EXPECT_EQ(m.releaseAt(100, 30), CalendarMonth::Release::Ignored);
    EXPECT_EQ(m.current(), d(3, 9, 2026));
}

TEST(SelectDate, KeysMoveConfirmAndCancel) {
    long chosen = -1;
    rt::Driver driver;
    driver.start([&] { chosen = SelectDate("Contact Date   ", 0, d(1, 31, 2003), 0); });
    driver.waitWindow("Contact Date");
    driver.key("PgDn");
    driver.key("Right");
    driver.press("&OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(chosen, d(3, 4, 2003));

    driver.start([&] { chosen = SelectDate("Appointment Date", 0, 0, 1); });
    driver.waitWindow("Appointment Date");
    driver.key("Down");
    driver.key("Esc");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(chosen, 0);

    driver.start([&] { chosen = SelectDate("ignored", 1, d(7, 4, 2011), 0); });
    driver.waitWindow("Calendar");
    EXPECT_EQ(driver.text(rt::ControlName::parse(
                  std::to_string(windows::calendar::calendarRowControl(1, 1)))),
              "             1");  // 1 July 2011 is a Friday
    driver.key("Enter");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(chosen, d(7, 4, 2011));
}

TEST(SelectDate, MouseReleasesOnTheGridMoveAndConfirm) {
    using windows::calendar::CalendarControl::Grid;
    const auto grid = rt::ControlName::parse(std::to_string(Grid));
    const auto highlightX = [](rt::Driver& driver) {
        return driver.active()->prop(windows::calendar::CalendarControl::Highlight, PROP::Xpos);
    };
    long chosen = -1;
    rt::Driver driver;
    // March 2026 starts on a Sunday: row 2's Monday is the 9th, row 5's Thursday is empty.
    driver.start([&] { chosen = SelectDate("Contact Date", 0, d(3, 1, 2026), 0); });
    driver.waitWindow("Contact Date");
    driver.clickAt(grid, 20, 42, "LeftClick");
    EXPECT_EQ(highlightX(driver), 17);
    driver.clickAt(grid, 60, 80, "LeftClick");  // an empty cell forgets the last release
    driver.clickAt(grid, 60, 80, "LeftClick");
    driver.clickAt(grid, 21, 42, "LeftClick");  // the same day, another spot: no confirmation
    EXPECT_FALSE(driver.ended());
    driver.clickAt(grid, 21, 42, "LeftClick");  // the same spot again confirms
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(chosen, d(3, 9, 2026));
}

TEST(SelectDate, ACancelledCalendarLeavesTheDateAsItWas) {
    EXPECT_EQ(DateAfterCalendar(0, d(5, 5, 2025)), d(5, 5, 2025));
    EXPECT_EQ(DateAfterCalendar(d(6, 1, 2025), d(5, 5, 2025)), d(6, 1, 2025));
    EXPECT_EQ(DateAfterCalendar(0, 0), 0);
}

}  // namespace
