#pragma once
// Dates as day numbers in LONG fields. Day 4 is Thursday 1 January 1801, so a day number
// divisible by 7 is a Sunday. Day 0 means "no date": its day, month and year are 0.

#include <string_view>

namespace rt {

// Today's day number from the local clock.
long today();

// The day number of month/day/year. Month 13 rolls into January of the next year and month 0
// back into December of the previous one; a day past the month's end rolls into the next
// month and day 0 is the last day of the previous month. A date before 1 January 1801 (day
// numbers 1 to 3 excepted) or after 31 December 9999 gives 0. Years are taken as written:
// two-digit years are a matter of pictures (see picture.h), not of date().
long date(long month, long day, long year);

long dayOf(long dayNumber);    // 1..31, 0 for no date
long monthOf(long dayNumber);  // 1..12, 0 for no date
long yearOf(long dayNumber);   // e.g. 2026, 0 for no date
// 0 = Sunday .. 6 = Saturday (dayNumber mod 7); 0 for day 0.
int weekday(long dayNumber);
// A day number kept as text (a date field that is a text field): the whole part of the number
// the text reads as (see textToNumber), or 0, no date, when that is no day number up to
// 31 December 9999 (a negative number, or any number of 20 digits).
long dayNumberFromText(std::string_view text);

// Whether month/day/year is a real calendar date (no roll-over), 1801..9999.
bool isValidDate(long month, long day, long year);

// The local clock time in hundredths of a second since midnight, plus 1 (1..8640000).
long clockTime();

}  // namespace rt
