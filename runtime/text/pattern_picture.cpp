// Pattern pictures: "P###-###-####P", "P(###)-###-####P", "P##:##P", "P.#####P", "P###Pb".

#include <string>

#include "runtime/text/parsed_picture.h"

namespace rt::detail {
namespace {

bool isPosition(char c) {
    return c == '#';
}

// The digits of a text, in order, without what stands between them.
std::string digitsOf(std::string_view text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

// The number a value stands for in a pattern: numbers as they are, text as a plain number
// when it is one, otherwise the number its digits spell ("10:30" -> 1030).
Decimal patternNumber(const Value& value) {
    if (value.isNumber()) return value.number();
    const std::string_view text = trimBlanks(value.text());
    if (auto plain = Decimal::parse(text)) return *plain;
    const std::string digits = digitsOf(text);
    if (digits.empty()) return Decimal();
    if (auto spelled = Decimal::parse(digits)) return *spelled;
    return Decimal::outOfRangeValue();
}

// A clock pattern ("##:##", "##:##:##"): pairs of positions joined by colons. Its digits,
// right-aligned, must make a time of day.
bool isClockPattern(const std::string& layout) {
    if (layout.size() != 5 && layout.size() != 8) return false;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const bool colon = i % 3 == 2;
        if (layout[i] != (colon ? ':' : '#')) return false;
    }
    return true;
}

bool isTimeOfDay(const std::string& significantDigits, std::size_t positions) {
    std::string digits = significantDigits;
    if (digits.size() < positions) digits.insert(0, positions - digits.size(), '0');
    for (std::size_t pair = 0; pair < positions; pair += 2) {
        const int value = (digits[pair] - '0') * 10 + (digits[pair + 1] - '0');
        if (value > (pair == 0 ? 23 : 59)) return false;
    }
    return true;
}

}  // namespace

std::string formatPattern(const Value& value, const PatternPicture& picture) {
    std::string out = picture.layout;
    // A blank text (an empty phone number) shows blank, not as a pattern of zeros.
    if (!value.isNumber() && trimBlanks(value.text()).empty()) return std::string(out.size(), ' ');
    const Decimal number = patternNumber(value);
    const Decimal rounded = number.outOfRange() ? number : number.rounded(picture.placePositions);
    if (picture.blankWhenZero && rounded.isZero()) return std::string(out.size(), ' ');

    std::string integerDigits;
    std::string placeDigits;
    if (!rounded.outOfRange()) {
        const std::string text = (rounded.isNegative() ? -rounded : rounded).toString();
        const std::size_t point = text.find('.');
        integerDigits = text.substr(0, point);
        if (integerDigits == "0") integerDigits.clear();
        if (point != std::string::npos) placeDigits = text.substr(point + 1);
    }
    if (rounded.outOfRange() ||
        integerDigits.size() > static_cast<std::size_t>(picture.integerPositions)) {
        // A text with more digits than the pattern holds (a phone number typed with its
        // country code) is not a number that overflowed, and "#" would hide it: it shows as
        // typed, or as its digits alone, where that fits the pattern's width.
        if (!value.isNumber()) {
            std::string shown(trimBlanks(value.text()));
            if (shown.size() > out.size()) shown = digitsOf(shown);
            if (shown.size() <= out.size()) {
                shown.resize(out.size(), ' ');
                return shown;
            }
        }
        for (char& c : out) {
            if (isPosition(c)) c = '#';
        }
        return out;
    }
    // Integer positions from the right, then places from the left.
    const std::size_t integerEnd = picture.point == std::string::npos ? out.size() : picture.point;
    std::size_t used = 0;
    for (std::size_t i = integerEnd; i-- > 0;) {
        if (!isPosition(out[i])) continue;
        if (used < integerDigits.size()) {
            out[i] = integerDigits[integerDigits.size() - 1 - used];
        } else {
            out[i] = '0';
        }
        ++used;
    }
    std::size_t place = 0;
    for (std::size_t i = integerEnd; i < out.size(); ++i) {
        if (!isPosition(out[i])) continue;
        out[i] = place < placeDigits.size() ? placeDigits[place] : '0';
        ++place;
    }
    return out;
}

DeformatResult deformatPattern(std::string_view input, const PatternPicture& picture) {
    const DeformatResult refused{false, Value()};
    const std::string_view text = trimBlanks(input);
    if (text.empty()) return {true, Value(Decimal().rounded(picture.placePositions))};

    const bool hasPoint = picture.point != std::string::npos;
    const bool typedPoint = hasPoint && text.find('.') != std::string_view::npos;
    std::string integerDigits;
    std::string placeDigits;
    bool afterPoint = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            (afterPoint ? placeDigits : integerDigits) += c;
        } else if (c == '.' && typedPoint) {
            if (afterPoint) return refused;
            afterPoint = true;
        } else if (c != ' ' && picture.layout.find(c) == std::string::npos) {
            return refused;
        } else if (isPosition(c)) {
            return refused;
        }
    }
    if (integerDigits.empty() && placeDigits.empty()) return refused;
    const auto places = static_cast<std::size_t>(picture.placePositions);
    if (hasPoint && !typedPoint) {
        // Digits typed as shown, without the point: they fill the positions from the right.
        if (integerDigits.size() > places) {
            placeDigits = integerDigits.substr(integerDigits.size() - places);
            integerDigits.resize(integerDigits.size() - places);
        } else {
            placeDigits = std::string(places - integerDigits.size(), '0') + integerDigits;
            integerDigits.clear();
        }
    }
    const std::size_t significant = integerDigits.find_first_not_of('0');
    const std::size_t integerCount =
        significant == std::string::npos ? 0 : integerDigits.size() - significant;
    if (integerCount > static_cast<std::size_t>(picture.integerPositions) ||
        placeDigits.size() > places) {
        return refused;
    }
    const std::string significantDigits =
        integerCount == 0 ? std::string() : integerDigits.substr(significant);
    if (isClockPattern(picture.layout)) {
        const auto positions = static_cast<std::size_t>(picture.integerPositions);
        if (!isTimeOfDay(significantDigits, positions)) return refused;
        // A time keeps every position ("08:00" is "0800"), so that times stored as text
        // sort in the order of the day.
        return {true,
                Value(std::string(positions - significantDigits.size(), '0') + significantDigits)};
    }
    placeDigits.resize(places, '0');
    std::string plain = integerCount == 0 ? "0" : integerDigits.substr(significant);
    if (places > 0) plain += "." + placeDigits;
    const std::optional<Decimal> value = Decimal::parse(plain);
    if (!value) return refused;
    return {true, Value(*value)};
}

}  // namespace rt::detail
