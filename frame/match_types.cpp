#include "frame/match_types.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"

namespace {

constexpr std::size_t kTextLimit = 255;
constexpr std::size_t kMemoCriterionLimit = 1000;

struct TypeRow {
    const char* text;
    const char* glyph;
};

constexpr std::array<TypeRow, MATCH::Count> kTypes = {{
    {"Ignore this field", ""},
    {"Equals this", "="},
    {"Does not equal this", "\xB9"},
    {"More than this", ">"},
    {"Less than this", "<"},
    {"More than or equal to this", "\xB3"},
    {"Less than or equal to this", "\xA3"},
    {"Inside range starting with this", "\xAB"},
    {"Outside range starting with this", "\xE0"},
    {"Begins with this", "\xAE"},
    {"Ends with this", "\xAC"},
    {"Contains this", "\xD9"},
    {"Does not contain this", "\xDA"},
    {"In this month of each year", "m"},
    {"On this day of each month", "d"},
    {"In this year", "y"},
    {"On this month + day", "M"},
    {"In this year + month", "Y"},
}};

bool known(int type) {
    return type >= 0 && type < MATCH::Count;
}

std::string cut(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, std::min(text.size(), limit)));
}

std::string_view dropLeadingBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return text.substr(i);
}

// The first k characters of the field, its leading blanks dropped.
std::string_view firstOf(std::string_view field, std::size_t k) {
    std::string_view t = dropLeadingBlanks(field);
    return t.substr(0, std::min(t.size(), k));
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// An empty needle occurs everywhere, so an emptied criterion matches every record.
bool occursIn(std::string_view needle, std::string_view haystack) {
    return needle.empty() || haystack.find(needle) != std::string_view::npos;
}

bool sameDatePart(int type, long a, long b) {
    switch (type) {
        case MATCH::SameMonth:
            return rt::monthOf(a) == rt::monthOf(b);
        case MATCH::SameDay:
            return rt::dayOf(a) == rt::dayOf(b);
        case MATCH::SameYear:
            return rt::yearOf(a) == rt::yearOf(b);
        case MATCH::SameMonthDay:
            return rt::monthOf(a) == rt::monthOf(b) && rt::dayOf(a) == rt::dayOf(b);
        case MATCH::SameYearMonth:
            return rt::yearOf(a) == rt::yearOf(b) && rt::monthOf(a) == rt::monthOf(b);
        default:
            return true;
    }
}

long dayPart(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return 0;
    return static_cast<long>(std::trunc(value));
}

double readNumber(std::string_view text) {
    std::string s(text);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    return end == s.c_str() ? 0.0 : v;
}

}  // namespace

std::string MatchTypeText(int type) {
    return known(type) ? kTypes[type].text : "";
}

std::string GetMatchSymbol(int type) {
    return known(type) ? kTypes[type].glyph : "";
}

bool MatchSymbolIsLetter(int type) {
    return type >= MATCH::SameMonth && type <= MATCH::SameYearMonth;
}

FieldKindInfo DescribeFieldKind(FieldKind kind) {
    auto range = [](int from, int to) {
        std::vector<int> v;
        for (int t = from; t <= to; ++t)
            v.push_back(t);
        return v;
    };
    switch (kind) {
        case FieldKind::Text:
            return {"Match Type for STRING Field", range(0, 12), 9};
        case FieldKind::Number:
            return {"Match Type for NUMBER Field", range(0, 8), 1};
        case FieldKind::NumberPicture:
            return {"Match Type for PICTURE Field", range(0, 10), 1};
        case FieldKind::Date: {
            auto v = range(0, 8);
            for (int t = 13; t <= 17; ++t)
                v.push_back(t);
            return {"Match Type for DATE Field", v, 0};
        }
        case FieldKind::Memo: {
            auto v = range(0, 2);
            for (int t = 9; t <= 12; ++t)
                v.push_back(t);
            return {"Match Type for TEXT Field", v, 11};
        }
        case FieldKind::Check:
            return {"Match Type for CHECK Field", range(0, 2), 1};
        case FieldKind::Choice:
            return {"Match Type for OPTION Field", range(0, 2), 1};
        case FieldKind::None:
            break;
    }
    return {"", {}, 0};
}

bool TestStringMatch(int type, std::string_view field, std::string_view criterion,
                     std::string_view upperLimit) {
    return StringMatch(type, criterion, upperLimit).test(field);
}

StringMatch::StringMatch(int type, std::string_view criterion, std::string_view upperLimit)
    : type_(type),
      criterion_(rt::upper(cut(criterion, kTextLimit))),
      upperLimit_(rt::upper(cut(upperLimit, kTextLimit))) {}

bool StringMatch::test(std::string_view field) const {
    char upperField[kTextLimit];
    const std::size_t length = std::min(field.size(), kTextLimit);
    for (std::size_t i = 0; i < length; ++i)
        upperField[i] = rt::upperChar(field[i]);
    const std::string_view f(upperField, length);
    const std::string_view c = criterion_;
    const std::string_view clippedC = rt::clip(c);
    const std::string_view clippedU = rt::clip(upperLimit_);
    const std::size_t n = clippedC.size();
    const std::size_t m = clippedU.size();
    auto inside = [&] {
        return rt::compareText(firstOf(f, n), clippedC) >= 0 &&
               rt::compareText(firstOf(f, m), clippedU) <= 0;
    };
    switch (type_) {
        case MATCH::Equals:
            return rt::compareText(dropLeadingBlanks(f), c) == 0;
        // Unlike Equals it keeps the field's leading blanks: "  RED" equals "RED" and
        // differs from it too.
        case MATCH::NotEqual:
            return rt::compareText(f, c) != 0;
        case MATCH::MoreThan:
            return rt::compareText(f, c) > 0;
        case MATCH::LessThan:
            return rt::compareText(f, c) < 0;
        case MATCH::MoreOrEqual:
            return rt::compareText(f, c) >= 0;
        case MATCH::LessOrEqual:
            return rt::compareText(f, c) <= 0;
        case MATCH::InsideRange:
            return inside();
        case MATCH::OutsideRange:
            return !inside();
        case MATCH::BeginsWith:
            return rt::compareText(firstOf(f, n), clippedC) == 0;
        case MATCH::EndsWith:
            return endsWith(rt::clip(f), clippedC);
        case MATCH::Contains:
            return occursIn(clippedC, f);
        case MATCH::NotContains:
            return !occursIn(clippedC, f);
        default:
            return true;
    }
}

bool NumbersAgree(double a, double b) {
    if (a == b) return true;
    if (!std::isfinite(a) || !std::isfinite(b)) return false;
    const double scale = std::max(std::fabs(a), std::fabs(b));
    return std::fabs(a - b) <= std::ldexp(scale, -50);
}

std::string NumberAsMatchText(double value) {
    if (!std::isfinite(value)) return "0";
    char buffer[64];
    const double magnitude = std::fabs(value);
    int decimals = 0;
    if (magnitude > 0 && magnitude < 1e14) {
        const int intDigits =
            magnitude < 1 ? 0 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
        decimals = std::max(0, 14 - intDigits);
        if (magnitude < 1) {
            // Leading zeros after the point are not significant.
            decimals = 14 + static_cast<int>(-std::floor(std::log10(magnitude))) - 1;
            decimals = std::min(decimals, 40);
        }
    }
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

bool TestNumberMatch(int type, double value, double criterion, double third) {
    switch (type) {
        case MATCH::Equals:
            return NumbersAgree(value, criterion);
        case MATCH::NotEqual:
            return !NumbersAgree(value, criterion);
        case MATCH::MoreThan:
            return value > criterion;
        case MATCH::LessThan:
            return value < criterion;
        case MATCH::MoreOrEqual:
            return value >= criterion;
        case MATCH::LessOrEqual:
            return value <= criterion;
        case MATCH::InsideRange:
            return criterion <= value && value <= third;
        case MATCH::OutsideRange:
            return value < criterion || value > third;
        case MATCH::BeginsWith: {
            // A criterion of 0 gives no divisor: compare whole numbers then.
            const double divisor = third > 0 ? third : 1.0;
            return std::trunc(value / divisor) == std::trunc(criterion / divisor);
        }
        case MATCH::EndsWith: {
            const std::string c = NumberAsMatchText(criterion);
            const std::string v = NumberAsMatchText(value);
            if (v.size() < c.size()) return false;
            return NumbersAgree(readNumber(std::string_view(v).substr(v.size() - c.size())),
                                criterion);
        }
        case MATCH::SameMonth:
        case MATCH::SameDay:
        case MATCH::SameYear:
        case MATCH::SameMonthDay:
        case MATCH::SameYearMonth:
            return sameDatePart(type, dayPart(value), dayPart(criterion));
        default:
            return true;
    }
}

bool TestMemoMatch(int type, std::string_view memo, std::string_view criterion) {
    const std::string text = rt::upper(memo);
    const std::string c = rt::upper(cut(criterion, kMemoCriterionLimit));
    const std::string_view clippedC = rt::clip(c);
    switch (type) {
        case MATCH::Equals:
            return rt::compareText(text, c) == 0;
        case MATCH::NotEqual:
            return rt::compareText(text, c) != 0;
        case MATCH::BeginsWith:
            return rt::compareText(
                       std::string_view(text).substr(0, std::min(text.size(), clippedC.size())),
                       clippedC) == 0;
        case MATCH::EndsWith:
            return endsWith(rt::clip(text), clippedC);
        case MATCH::Contains:
            return occursIn(clippedC, text);
        case MATCH::NotContains:
            return !occursIn(clippedC, text);
        default:
            return true;
    }
}
