#pragma once
// Display pictures: FORMAT writes a value through a picture, DEFORMAT reads typed text back.
// The leading "@" is optional and the type letter may be either case ("@n-10.2" = "N-10.2").
//
// Text    sN            the text cut or blank padded to N characters ("@s15", "@S1000").
//                       A number is written as numberToText first.
// Number  nF W[.P][b]   right-aligned in W characters with P places (0 when left out).
//                       Flags F, in any order: "$" currency sign in front of the digits,
//                       "-" negatives may be entered (without it an entry refuses them),
//                       "_" no thousands separator (otherwise commas group thousands),
//                       "*" leading positions filled with asterisks. A trailing "b"/"B" gives
//                       blanks for zero. Negatives are always written with a leading "-"
//                       (before the "$"): a sign is never hidden, whatever the flags.
//                       A value too wide for W is written as W "#" characters; a value
//                       below 1 first drops its leading zero ("-.083" in n-5.3).
//                       Text is read with textToNumber before it is written.
// Date    d1 / D1       mm/dd/yy, zero padded ("01/05/26"); D1 is the same picture.
//         d4            "Month d, yyyy" ("January 5, 2026").
//                       Day 0 ("no date") is written as blanks of the picture's width.
//                       Typed dates take "/", "-", ".", "," or blanks between month, day
//                       and year, a month name or its first three letters for the month,
//                       or six or eight digits (mmddyy, mmddyyyy). A two-digit year is
//                       taken within the 100 years from 79 years before to 20 years after
//                       the current year (in 2026: 47..99 -> 1947..1999, 00..46 -> 2000..2046).
// Pattern P...P[b]      each "#" is a digit position, a single "." the decimal point (the
//                       "#" after it are places; several "." are plain separators); every
//                       other character is written as it is.
//                       Digits are right-aligned into the positions before the point and
//                       leading zeros are written as "0". The sign is dropped. A trailing "b"
//                       gives blanks for zero; a value with more digits than positions
//                       fills the digit positions with "#". Text is read through its digits
//                       ("10:30" and "1030" are both 1030) unless it is a plain number.
// Anything else (an empty picture, an unknown letter, a garbled picture) writes the value as
// plain text and reads the input back as text unchanged.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/text/value.h"

namespace rt {

enum class PictureKind { Text, Number, Date, Pattern, Unknown };

struct PictureInfo {
    PictureKind kind = PictureKind::Unknown;
    int width = 0;   // characters FORMAT writes (the longest, for d4); 0 when unknown
    int places = 0;  // number and pattern pictures: places after the point
    bool blankWhenZero = false;
};

struct DeformatResult {
    bool ok = true;  // false: the picture cannot hold the input; value is then empty text
    Value value;
    // A number typed with more places than the picture keeps: the value was rounded.
    bool placesDropped = false;
};

// The numbers a number picture can show, at its places: the lowest (0 unless negatives may
// be entered) and the highest.
struct NumberRange {
    Decimal lowest;
    Decimal highest;
    int places = 0;
};

PictureInfo describePicture(std::string_view picture);

// The range of a number picture; nullopt for any other picture.
std::optional<NumberRange> numberPictureRange(std::string_view picture);

std::string format(const Value& value, std::string_view picture);

// Reads typed text through a picture.
// Text pictures give the text (cut to the width; never refused).
// Number pictures give the number, rounded half away from zero to the picture's places
// (placesDropped tells when that changed it; an entry refuses such a value);
// refused: anything but blanks, one sign ("-" in front or behind, only with the "-" flag),
// "$", leading "*", digits, one point and commas between thousands (groups of three digits
// before the point: "1,234.50", not "12,50"); a value too wide for the picture.
// Blank input gives 0.
// Date pictures give the day number; blank input gives 0; refused: an impossible date
// (2/30/2026), an unreadable one, a year outside 1801..9999, a negative part ("1/2/-2026").
// Pattern pictures give the number; the input may be typed with or without the pattern's
// other characters; refused: letters and other stray characters, more digits than positions,
// and for a clock pattern ("##:##", "##:##:##") a value that is no time of day ("99:99").
// Blank input gives 0.
DeformatResult deformat(std::string_view input, std::string_view picture);

// The full year for a two-digit year typed into a date picture, in the window described
// above, relative to `currentYear`.
long expandTwoDigitYear(long twoDigitYear, long currentYear);

}  // namespace rt
