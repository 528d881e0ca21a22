#pragma once
// Scroll stops: the 100 key values a list places its thumb stops on. A list cannot know how
// far through a file its page lies, so each sort order with stops spreads 100 values between
// the key of its first record and the key of its last: numbers and dates as real numbers,
// texts as numbers written in the base of an alphabet of characters. "Init" starts a series,
// each "next" hands out the following stop; stop 1 is the low value and stop 100 the high one.
//
// One series is computed at a time (a list asks for all 100 stops without waiting in
// between), so the state is program-wide and each "init" overwrites it.

#include <string>
#include <string_view>

namespace GLO {
// The real series.
inline double ScrollStopLow = 0;
inline double ScrollStopHigh = 0;
inline double ScrollStopStep = 0;
inline long ScrollStopCount = 0;
}  // namespace GLO

// Character classes of the text alphabet; a set is their sum.
namespace SCROLLSTOP {
inline constexpr long Letters = 1;      // upper-case letters (lower-case too with LowerCase)
inline constexpr long Punctuation = 2;  // punctuation and the blank
inline constexpr long Digits = 4;
inline constexpr long LowerCase = 8;
}  // namespace SCROLLSTOP

void InitRealScrollStops(double low, double high);
double NextRealScrollStop();

// `low` and `high` are the key texts of the first and last record, `length` the key field's
// length in characters; `lettersOnly` non-zero forces the class set to Letters.
void InitStringScrollStops(std::string_view low, std::string_view high, long length, long classes,
                           long lettersOnly);
// The prefix shared by low and high followed by a 4-character tail.
std::string NextStringScrollStop();
