#include "runtime/text/day_number.h"

#include <sys/time.h>

#include <ctime>

#include "runtime/text/number_text.h"

namespace rt {
namespace {

// Days since 1 March of year 0 in the proleptic Gregorian calendar (months 1..12).
long long civilToDays(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

void daysToCivil(long long days, long& year, long& month, long& day) {
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<long>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<long>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<long>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// Day 4 is 1 January 1801 (a Thursday), so multiples of 7 fall on Sundays.
const long long kBase = civilToDays(1801, 1, 1) - 4;
const long long kLastDay = civilToDays(9999, 12, 31) - kBase;

bool isLeap(long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

long daysInMonth(long month, long year) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

struct Parts {
    long year = 0, month = 0, day = 0;
};

Parts partsOf(long dayNumber) {
    Parts p;
    if (dayNumber <= 0 || dayNumber > kLastDay) return p;
    daysToCivil(dayNumber + kBase, p.year, p.month, p.day);
    return p;
}

}  // namespace

long date(long month, long day, long year) {
    // Months roll over into years first; the day then counts from the 1st of that month.
    long long y = year;
    long long m = month - 1;
    y += m >= 0 ? m / 12 : (m - 11) / 12;
    m -= (m >= 0 ? m / 12 : (m - 11) / 12) * 12;
    if (y < 1700 || y > 10000) return 0;  // far outside; avoids overflow below
    const long long days = civilToDays(y, m + 1, 1) - kBase + (static_cast<long long>(day) - 1);
    if (days < 1 || days > kLastDay) return 0;
    return static_cast<long>(days);
}

long dayNumberFromText(std::string_view text) {
    const Decimal number = textToNumber(text);
    // Compared as a decimal, before any conversion: a number far out of range stays exact.
    if (number.outOfRange() || number.isNegative() || number > Decimal(kLastDay)) return 0;
    return static_cast<long>(number.toInteger());
}

long dayOf(long dayNumber) {
    return partsOf(dayNumber).day;
}
long monthOf(long dayNumber) {
    return partsOf(dayNumber).month;
}
long yearOf(long dayNumber) {
    return partsOf(dayNumber).year;
}

int weekday(long dayNumber) {
    if (dayNumber <= 0) return 0;
    return static_cast<int>(dayNumber % 7);
}

bool isValidDate(long month, long day, long year) {
    return year >= 1801 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(month, year);
}

long today() {
    // A list asks for every row it shows: the day is worked out once a second.
    thread_local std::time_t lastAsked = -1;
    thread_local long lastDay = 0;
    const std::time_t now = std::time(nullptr);
    if (now == lastAsked) return lastDay;
    std::tm local{};
    localtime_r(&now, &local);
    lastAsked = now;
    lastDay = date(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    return lastDay;
}

long clockTime() {
    timeval now{};
    gettimeofday(&now, nullptr);
    std::tm local{};
    const std::time_t seconds = now.tv_sec;
    localtime_r(&seconds, &local);
    const long hundredths =
        ((local.tm_hour * 60L + local.tm_min) * 60L + local.tm_sec) * 100L + now.tv_usec / 10000;
    return hundredths + 1;
}

}  // namespace rt
