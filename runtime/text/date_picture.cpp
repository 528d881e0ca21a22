// Date pictures: "d1" (mm/dd/yy) and "d4" (Month d, yyyy).

#include <array>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/parsed_picture.h"

namespace rt::detail {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// 1..12 for a month name or its first three letters, any case; 0 otherwise.
long monthFromName(std::string_view word) {
    if (word.size() < 3) return 0;
    const std::string wanted = lower(word);
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        const std::string name = lower(kMonthNames[i]);
        if (wanted == name || wanted == name.substr(0, 3)) return static_cast<long>(i + 1);
    }
    return 0;
}

bool allDigits(std::string_view word) {
    if (word.empty()) return false;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

long toLong(std::string_view digits) {
    long v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

// Splits at separators ("/", "-", ".", ",", blanks) into words of letters or digits.
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '/' || c == '-' || c == '.' || c == ',' || c == ' ') {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != '/' && text[pos] != '-' && text[pos] != '.' &&
               text[pos] != ',' && text[pos] != ' ') {
            ++pos;
        }
        out.push_back(text.substr(start, pos - start));
    }
    return out;
}

// A year as typed: four digits as written, one or two digits within the two-digit window.
std::optional<long> readYear(std::string_view word) {
    if (!allDigits(word)) return std::nullopt;
    if (word.size() == 4) return toLong(word);
    if (word.size() <= 2) return expandTwoDigitYear(toLong(word), yearOf(today()));
    return std::nullopt;
}

}  // namespace

int dateWidth(const DatePicture& picture) {
    return picture.style == 4 ? 18 : 8;
}

std::string formatDate(long dayNumber, const DatePicture& picture) {
    const long month = monthOf(dayNumber);
    if (month == 0) return std::string(static_cast<std::size_t>(dateWidth(picture)), ' ');
    char buffer[48];
    if (picture.style == 4) {
        std::snprintf(buffer, sizeof buffer, "%s %ld, %ld", kMonthNames[month - 1],
                      dayOf(dayNumber), yearOf(dayNumber));
    } else {
        std::snprintf(buffer, sizeof buffer, "%02ld/%02ld/%02ld", month, dayOf(dayNumber),
                      yearOf(dayNumber) % 100);
    }
    return buffer;
}

DeformatResult deformatDate(std::string_view input, const DatePicture&) {
    const DeformatResult refused{false, Value()};
    const std::string_view text = trimBlanks(input);
    if (text.empty()) return {true, Value(0)};

    // A "-" in front of digits, not between them, is a sign: no part of a date is negative.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool beforeDigit = i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9';
        const bool afterDigitOrLetter =
            i > 0 && std::isalnum(static_cast<unsigned char>(text[i - 1]));
        if (text[i] == '-' && beforeDigit && !afterDigitOrLetter) return refused;
    }
    long month = 0, day = 0;
    std::optional<long> year;
    const std::vector<std::string_view> parts = words(text);
    if (parts.size() == 1 && allDigits(parts[0]) &&
        (parts[0].size() == 6 || parts[0].size() == 8)) {
        // mmddyy or mmddyyyy typed without separators.
        month = toLong(parts[0].substr(0, 2));
        day = toLong(parts[0].substr(2, 2));
        year = readYear(parts[0].substr(4));
    } else if (parts.size() == 3) {
        const long named = monthFromName(parts[0]);
        if (named != 0) {
            month = named;
        } else if (allDigits(parts[0]) && parts[0].size() <= 2) {
            month = toLong(parts[0]);
        } else {
            return refused;
        }
        if (!allDigits(parts[1]) || parts[1].size() > 2) return refused;
        day = toLong(parts[1]);
        year = readYear(parts[2]);
    } else {
        return refused;
    }
    if (!year || !isValidDate(month, day, *year)) return refused;
    return {true, Value(date(month, day, *year))};
}

}  // namespace rt::detail
