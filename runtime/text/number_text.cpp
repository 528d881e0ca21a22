#include "runtime/text/number_text.h"

namespace rt {

Decimal textToNumber(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) return Decimal();
    const std::size_t start = pos;
    if (text[pos] == '-' || text[pos] == '+') ++pos;
    std::size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        ++pos, ++digits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos, ++digits;
    }
    if (digits == 0) return Decimal();
    const std::string_view number = text.substr(start, pos - start);
    if (auto value = Decimal::parse(number)) return *value;
    // More than 38 significant digits: drop fraction digits until it reads; an integer part
    // beyond 38 digits has no value and gives an out-of-range number, which fields refuse.
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos) return Decimal::outOfRangeValue();
    const std::string_view whole = number.substr(0, point);
    const bool wholeHasDigits = whole.find_first_of("0123456789") != std::string_view::npos;
    if (wholeHasDigits && !Decimal::parse(whole)) return Decimal::outOfRangeValue();
    for (std::size_t length = number.size() - 1; length > point + 1; --length) {
        if (auto value = Decimal::parse(number.substr(0, length))) return *value;
    }
    return wholeHasDigits ? *Decimal::parse(whole) : Decimal();
}

std::string numberToText(const Decimal& value) {
    std::string text = value.toString();
    if (value.outOfRange() || text.find('.') == std::string::npos) return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    if (text == "-0") text = "0";
    return text;
}

}  // namespace rt
