#include "runtime/text/day_number.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Ymd {
    long month, day, year;
};

void expectParts(long dayNumber, Ymd expected) {
    EXPECT_EQ(rt::monthOf(dayNumber), expected.month) << dayNumber;
    EXPECT_EQ(rt::dayOf(dayNumber), expected.day) << dayNumber;
    EXPECT_EQ(rt::yearOf(dayNumber), expected.year) << dayNumber;
}

TEST(DayNumber, BaseMakesMultiplesOfSevenSundays) {
    EXPECT_EQ(rt::date(1, 1, 1801), 4);
    EXPECT_EQ(rt::weekday(4), 4);  // Thursday
    expectParts(1, {12, 29, 1800});
    // 7 December 2026 is a Monday, 6 December a Sunday.
    EXPECT_EQ(rt::weekday(rt::date(12, 6, 2026)), 0);
    EXPECT_EQ(rt::date(12, 6, 2026) % 7, 0);
    EXPECT_EQ(rt::weekday(rt::date(12, 7, 2026)), 1);
    EXPECT_EQ(rt::weekday(rt::date(1, 1, 2000)), 6);  // Saturday
}

TEST(DayNumber, ZeroIsNoDate) {
    expectParts(0, {0, 0, 0});
    expectParts(-5, {0, 0, 0});
    EXPECT_EQ(rt::weekday(0), 0);
    EXPECT_EQ(rt::date(12, 28, 1800), 0);
    EXPECT_EQ(rt::date(1, 1, 10000), 0);
    EXPECT_EQ(rt::date(1, 1, -2000000000L), 0);
}

TEST(DayNumber, MonthEndsAndLeapYears) {
    const std::vector<std::pair<Ymd, Ymd>> rolls = {
        // asked -> calendar date
        {{2, 29, 1900}, {3, 1, 1900}},   // 1900 is not a leap year
        {{2, 29, 2000}, {2, 29, 2000}},  // 2000 is
        {{2, 29, 2024}, {2, 29, 2024}},   {{2, 29, 2023}, {3, 1, 2023}},
        {{2, 30, 2000}, {3, 1, 2000}},    {{4, 31, 2026}, {5, 1, 2026}},
        {{12, 32, 2026}, {1, 1, 2027}},   {{13, 1, 2026}, {1, 1, 2027}},
        {{14, 15, 2026}, {2, 15, 2027}},  {{25, 1, 2026}, {1, 1, 2028}},
        {{0, 1, 2026}, {12, 1, 2025}},    {{-1, 1, 2026}, {11, 1, 2025}},
        {{3, 0, 2024}, {2, 29, 2024}},    {{1, 0, 2026}, {12, 31, 2025}},
        {{1, 365, 2026}, {12, 31, 2026}}, {{1, 366, 2024}, {12, 31, 2024}},
    };
    for (const auto& [asked, expected] : rolls) {
        expectParts(rt::date(asked.month, asked.day, asked.year), expected);
    }
    // The calendar's last day of a month: DAY(DATE(month + 1, 1, year) - 1).
    EXPECT_EQ(rt::dayOf(rt::date(3, 1, 1900) - 1), 28);
    EXPECT_EQ(rt::dayOf(rt::date(3, 1, 2000) - 1), 29);
    EXPECT_EQ(rt::dayOf(rt::date(12 + 1, 1, 2026) - 1), 31);
}

TEST(DayNumber, ConsecutiveDaysRoundTrip) {
    long previous = 0;
    for (long year : {1900L, 1999L, 2000L, 2024L, 2100L}) {
        previous = rt::date(12, 31, year - 1);
        for (long month = 1; month <= 12; ++month) {
            for (long day = 1; rt::isValidDate(month, day, year); ++day) {
                const long n = rt::date(month, day, year);
                ASSERT_EQ(n, previous + 1) << month << "/" << day << "/" << year;
                expectParts(n, {month, day, year});
                previous = n;
            }
        }
    }
    expectParts(rt::date(12, 31, 9999), {12, 31, 9999});
}

TEST(DayNumber, ValidDates) {
    EXPECT_TRUE(rt::isValidDate(2, 29, 2000));
    EXPECT_FALSE(rt::isValidDate(2, 29, 1900));
    EXPECT_FALSE(rt::isValidDate(2, 30, 2000));
    EXPECT_FALSE(rt::isValidDate(13, 1, 2000));
    EXPECT_FALSE(rt::isValidDate(0, 1, 2000));
    EXPECT_FALSE(rt::isValidDate(1, 0, 2000));
    EXPECT_FALSE(rt::isValidDate(1, 1, 1800));
}

// A date kept as text, as an imported file may hold anything there: only a day number up to
// 31 December 9999 is a date, whatever the size of what stands there instead.
TEST(DayNumber, TextReadsAsADayNumberOnlyWithinTheCalendar) {
    const long last = rt::date(12, 31, 9999);
    const struct {
        std::string text;
        long day;
    } cases[] = {
        {"", 0},
        {"80000", 80000},
        {" 80000.99", 80000},  // the whole part
        {"80000abc", 80000},   // read as far as it is a number
        {std::to_string(last), last},
        {std::to_string(last + 1), 0},
        {"-5", 0},
        {"4294967296", 0},            // past 32 bits
        {"9223372036854775807", 0},   // the largest long long
        {"12345678901234567890", 0},  // 20 digits
        {"-12345678901234567890", 0},
        {std::string(60, '9'), 0},  // past what a decimal holds
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::dayNumberFromText(c.text), c.day) << '"' << c.text << '"';
}

TEST(DayNumber, TodayAndClockAreInRange) {
    const long now = rt::today();
    EXPECT_GE(rt::yearOf(now), 2024);
    const long clock = rt::clockTime();
    EXPECT_GE(clock, 1);
    EXPECT_LE(clock, 8640000);
}

}  // namespace
