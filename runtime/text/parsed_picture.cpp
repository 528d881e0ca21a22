#include "runtime/text/parsed_picture.h"

#include <cctype>

namespace rt::detail {
namespace {

// Limits that keep a typed-in picture from asking for absurd amounts of memory.
constexpr int kMaxTextWidth = 65535;
constexpr int kMaxNumberWidth = 255;

// Reads an unsigned number at text[pos]; nullopt when there are no digits or it exceeds
// `limit`.
std::optional<int> readCount(std::string_view text, std::size_t& pos, int limit) {
    const std::size_t start = pos;
    long long value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos] - '0');
        if (value > limit) return std::nullopt;
        ++pos;
    }
    if (pos == start) return std::nullopt;
    return static_cast<int>(value);
}

bool isBlankFlag(char c) {
    return c == 'b' || c == 'B';
}

std::optional<NumberPicture> parseNumber(std::string_view body) {
    NumberPicture p;
    std::size_t pos = 0;
    bool seenCurrency = false, seenMinus = false, seenUnderscore = false, seenStar = false;
    for (; pos < body.size(); ++pos) {
        bool* seen = nullptr;
        switch (body[pos]) {
            case '$':
                seen = &seenCurrency;
                break;
            case '-':
                seen = &seenMinus;
                break;
            case '_':
                seen = &seenUnderscore;
                break;
            case '*':
                seen = &seenStar;
                break;
            default:
                break;
        }
        if (!seen) break;
        if (*seen) return std::nullopt;
        *seen = true;
    }
    p.currency = seenCurrency;
    p.negativeAllowed = seenMinus;
    p.grouped = !seenUnderscore;
    p.asteriskFill = seenStar;
    const auto width = readCount(body, pos, kMaxNumberWidth);
    if (!width || *width == 0) return std::nullopt;
    p.width = *width;
    if (pos < body.size() && body[pos] == '.') {
        ++pos;
        const auto places = readCount(body, pos, Decimal::kMaxPlaces);
        if (!places) return std::nullopt;
        p.places = *places;
    }
    if (pos < body.size() && isBlankFlag(body[pos])) {
        p.blankWhenZero = true;
        ++pos;
    }
    if (pos != body.size() || p.places >= p.width) return std::nullopt;
    return p;
}

std::optional<PatternPicture> parsePattern(std::string_view picture) {
    // picture is "P...P" or "P...Pb", either case of P and b.
    PatternPicture p;
    std::string_view body = picture;
    if (body.size() >= 3 && isBlankFlag(body.back()) &&
        (body[body.size() - 2] == 'P' || body[body.size() - 2] == 'p')) {
        p.blankWhenZero = true;
        body.remove_suffix(1);
    }
    if (body.size() < 3 || (body.back() != 'P' && body.back() != 'p')) return std::nullopt;
    p.layout = std::string(body.substr(1, body.size() - 2));
    // One "." is the decimal point; several are plain separators (as in 555.123.4567).
    const std::size_t firstPoint = p.layout.find('.');
    if (firstPoint != std::string::npos &&
        p.layout.find('.', firstPoint + 1) == std::string::npos) {
        p.point = firstPoint;
    }
    for (std::size_t i = 0; i < p.layout.size(); ++i) {
        if (p.layout[i] != '#') continue;
        if (p.point != std::string::npos && i > p.point) {
            ++p.placePositions;
        } else {
            ++p.integerPositions;
        }
    }
    if (p.integerPositions + p.placePositions == 0 || p.placePositions > Decimal::kMaxPlaces ||
        p.integerPositions > 38) {
        return std::nullopt;
    }
    return p;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

ParsedPicture parsePicture(std::string_view picture) {
    ParsedPicture parsed;
    picture = trimBlanks(picture);
    if (!picture.empty() && picture.front() == '@') picture.remove_prefix(1);
    if (picture.empty()) return parsed;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(picture[0])));
    const std::string_view body = picture.substr(1);
    switch (letter) {
        case 's': {
            std::size_t pos = 0;
            const auto width = readCount(body, pos, kMaxTextWidth);
            if (width && *width > 0 && pos == body.size()) {
                parsed.kind = PictureKind::Text;
                parsed.textWidth = *width;
            }
            break;
        }
        case 'n':
            if (auto number = parseNumber(body)) {
                parsed.kind = PictureKind::Number;
                parsed.number = *number;
            }
            break;
        case 'd':
            if (body == "1" || body == "4") {
                parsed.kind = PictureKind::Date;
                parsed.date.style = body[0] - '0';
            }
            break;
        case 'p':
            if (auto pattern = parsePattern(picture)) {
                parsed.kind = PictureKind::Pattern;
                parsed.pattern = std::move(*pattern);
            }
            break;
        default:
            break;
    }
    return parsed;
}

}  // namespace rt::detail
