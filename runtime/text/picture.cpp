#include "runtime/text/picture.h"

#include <algorithm>

#include "runtime/text/parsed_picture.h"

namespace rt {

using detail::parsePicture;

PictureInfo describePicture(std::string_view picture) {
    const detail::ParsedPicture parsed = parsePicture(picture);
    PictureInfo info;
    info.kind = parsed.kind;
    switch (parsed.kind) {
        case PictureKind::Text:
            info.width = parsed.textWidth;
            break;
        case PictureKind::Number:
            info.width = parsed.number.width;
            info.places = parsed.number.places;
            info.blankWhenZero = parsed.number.blankWhenZero;
            break;
        case PictureKind::Date:
            info.width = detail::dateWidth(parsed.date);
            break;
        case PictureKind::Pattern:
            info.width = static_cast<int>(parsed.pattern.layout.size());
            info.places = parsed.pattern.placePositions;
            info.blankWhenZero = parsed.pattern.blankWhenZero;
            break;
        case PictureKind::Unknown:
            break;
    }
    return info;
}

namespace {

// The widest run of nines (with every place a nine) that the picture shows, with `sign`.
Decimal widestNines(const detail::NumberPicture& picture, int sign) {
    for (int digits = std::min(picture.width, Decimal::kMaxDigits - picture.places); digits > 0;
         --digits) {
        std::string nines(static_cast<std::size_t>(digits), '9');
        if (picture.places > 0)
            nines += "." + std::string(static_cast<std::size_t>(picture.places), '9');
        const Decimal value = sign < 0 ? -Decimal(nines) : Decimal(nines);
        if (detail::formatNumber(value, picture)) return value;
    }
    return Decimal(0);
}

}  // namespace

std::optional<NumberRange> numberPictureRange(std::string_view picture) {
    const detail::ParsedPicture parsed = parsePicture(picture);
    if (parsed.kind != PictureKind::Number) return std::nullopt;
    NumberRange range;
    range.places = parsed.number.places;
    range.highest = widestNines(parsed.number, 1);
    if (parsed.number.negativeAllowed) range.lowest = widestNines(parsed.number, -1);
    return range;
}

std::string format(const Value& value, std::string_view picture) {
    const detail::ParsedPicture parsed = parsePicture(picture);
    switch (parsed.kind) {
        case PictureKind::Text: {
            std::string text = value.asText();
            text.resize(static_cast<std::size_t>(parsed.textWidth), ' ');
            return text;
        }
        case PictureKind::Number: {
            // A blank text (a field left empty) shows blank, not as a zero.
            if (!value.isNumber() && detail::trimBlanks(value.text()).empty())
                return std::string(static_cast<std::size_t>(parsed.number.width), ' ');
            if (auto text = detail::formatNumber(value.asNumber(), parsed.number)) return *text;
            return std::string(static_cast<std::size_t>(parsed.number.width), '#');
        }
        case PictureKind::Date: {
            const Decimal number = value.asNumber();
            const long long day = number.toInteger();
            const long dayNumber = day > 0 && day < 100000000 ? static_cast<long>(day) : 0;
            return detail::formatDate(dayNumber, parsed.date);
        }
        case PictureKind::Pattern:
            return detail::formatPattern(value, parsed.pattern);
        case PictureKind::Unknown:
            break;
    }
    return value.asText();
}

DeformatResult deformat(std::string_view input, std::string_view picture) {
    const detail::ParsedPicture parsed = parsePicture(picture);
    switch (parsed.kind) {
        case PictureKind::Text: {
            const auto width = static_cast<std::size_t>(parsed.textWidth);
            return {true, Value(std::string(input.substr(0, std::min(width, input.size()))))};
        }
        case PictureKind::Number:
            return detail::deformatNumber(input, parsed.number);
        case PictureKind::Date:
            return detail::deformatDate(input, parsed.date);
        case PictureKind::Pattern:
            return detail::deformatPattern(input, parsed.pattern);
        case PictureKind::Unknown:
            break;
    }
    return {true, Value(std::string(input))};
}

long expandTwoDigitYear(long twoDigitYear, long currentYear) {
    long year = currentYear - currentYear % 100 + twoDigitYear % 100;
    if (year > currentYear + 20) year -= 100;
    if (year < currentYear - 79) year += 100;
    return year;
}

}  // namespace rt
