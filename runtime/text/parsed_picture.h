#pragma once
// Internal to rt_text: a display picture taken apart, and the writers and readers of each
// kind. picture.h describes what the pictures mean.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/text/picture.h"

namespace rt::detail {

struct NumberPicture {
    int width = 0;
    int places = 0;
    bool currency = false;         // "$"
    bool negativeAllowed = false;  // "-"
    bool grouped = true;           // no "_"
    bool asteriskFill = false;     // "*"
    bool blankWhenZero = false;    // trailing "b"
};

struct DatePicture {
    int style = 1;  // 1 = mm/dd/yy, 4 = Month d, yyyy
};

struct PatternPicture {
    std::string layout;  // the characters between the two "P"s
    int integerPositions = 0;
    int placePositions = 0;                 // positions after the decimal point
    std::size_t point = std::string::npos;  // index of the decimal point in layout
    bool blankWhenZero = false;
};

struct ParsedPicture {
    PictureKind kind = PictureKind::Unknown;
    int textWidth = 0;
    NumberPicture number;
    DatePicture date;
    PatternPicture pattern;
};

ParsedPicture parsePicture(std::string_view picture);

// Writers give nullopt when the value is too wide for the picture.
std::optional<std::string> formatNumber(const Decimal& value, const NumberPicture& picture);
std::string formatDate(long dayNumber, const DatePicture& picture);
std::string formatPattern(const Value& value, const PatternPicture& picture);

DeformatResult deformatNumber(std::string_view input, const NumberPicture& picture);
DeformatResult deformatDate(std::string_view input, const DatePicture& picture);
DeformatResult deformatPattern(std::string_view input, const PatternPicture& picture);

int dateWidth(const DatePicture& picture);
std::string_view trimBlanks(std::string_view text);

}  // namespace rt::detail
