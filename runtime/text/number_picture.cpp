// Number pictures: "n-10.2", "n$*10.2", "n_7.0", "N3", "n3.0b".

#include <string>

#include "runtime/text/parsed_picture.h"

namespace rt::detail {
namespace {

std::string groupThousands(const std::string& digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

// Commas only separate thousands: none, or groups of three digits after a first group of
// one to three, all before the point ("1,234.50"). "12,50", ",5" and "1,2,3" are refused
// rather than read as another number.
bool groupedInThousands(std::string_view text) {
    const std::string_view whole = text.substr(0, text.find('.'));
    if (whole.find(',') == std::string_view::npos) return true;
    std::size_t group = 0;
    bool first = true;
    for (char c : whole) {
        if (c != ',') {
            ++group;
            continue;
        }
        if (group == 0 || group > 3 || (!first && group != 3)) return false;
        first = false;
        group = 0;
    }
    return group == 3;
}

}  // namespace

std::optional<std::string> formatNumber(const Decimal& value, const NumberPicture& picture) {
    if (value.outOfRange()) return std::nullopt;
    const Decimal rounded = value.rounded(picture.places);
    const auto width = static_cast<std::size_t>(picture.width);
    if (picture.blankWhenZero && rounded.isZero()) return std::string(width, ' ');

    std::string digits = (rounded.isNegative() ? -rounded : rounded).toString();
    const std::size_t point = digits.find('.');
    std::string body = digits.substr(0, point);
    if (picture.grouped) body = groupThousands(body);
    if (point != std::string::npos) body += digits.substr(point);

    std::string prefix = rounded.isNegative() ? "-" : "";
    if (picture.currency) prefix += '$';
    // A fraction below 1 drops its leading zero when that makes it fit: "-.083" in n-5.3.
    if (prefix.size() + body.size() > width && body.rfind("0.", 0) == 0) body.erase(0, 1);
    if (prefix.size() + body.size() > width) return std::nullopt;
    const std::size_t room = width - prefix.size() - body.size();
    if (picture.asteriskFill) return prefix + std::string(room, '*') + body;
    return std::string(room, ' ') + prefix + body;
}

DeformatResult deformatNumber(std::string_view input, const NumberPicture& picture) {
    const DeformatResult refused{false, Value()};
    std::string_view text = trimBlanks(input);
    if (text.empty()) {
        // Blank is zero, as long as the picture can show a zero at all.
        const Decimal zero = Decimal().rounded(picture.places);
        if (!formatNumber(zero, picture)) return refused;
        return {true, Value(zero)};
    }

    bool negative = false;
    auto takeSign = [&](std::size_t at) {
        if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
            negative = text[at] == '-';
            return true;
        }
        return false;
    };
    // Sign in front ("-$12.50", "$-12.50") or behind ("12.50-"), once.
    bool signed_ = takeSign(0);
    if (signed_) text = trimBlanks(text.substr(1));
    if (!text.empty() && text.front() == '$') text = trimBlanks(text.substr(1));
    if (!signed_ && takeSign(0)) {
        signed_ = true;
        text = trimBlanks(text.substr(1));
    }
    if (!signed_ && !text.empty() && takeSign(text.size() - 1)) {
        signed_ = true;
        text = trimBlanks(text.substr(0, text.size() - 1));
    }
    while (!text.empty() && text.front() == '*')
        text.remove_prefix(1);

    std::string plain;
    bool point = false;
    bool anyDigit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            plain += c;
            anyDigit = true;
        } else if (c == '.' && !point) {
            point = true;
            plain += c;
        } else if (c == ',' && !point) {
            continue;
        } else {
            return refused;
        }
    }
    if (!anyDigit || !groupedInThousands(text)) return refused;
    const std::optional<Decimal> parsed = Decimal::parse(plain);
    if (!parsed) return refused;
    Decimal value = parsed->rounded(picture.places);
    const bool placesDropped = value != *parsed;
    if (negative && !parsed->isZero()) {
        if (!picture.negativeAllowed) return refused;
        value = -value;
    }
    if (!formatNumber(value, picture)) return refused;
    return {true, Value(value), placesDropped};
}

}  // namespace rt::detail
