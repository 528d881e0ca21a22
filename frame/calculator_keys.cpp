#include "frame/calculator_keys.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "runtime/text/decimal.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace {

constexpr const char* kPiText = "3.141592654";
constexpr int kReciprocalPlaces = 15;
// What the display shows for a result beyond the largest REAL, and for one that is no
// number (a negative raised to a fraction).
constexpr const char* kOverflowText = "Overflow";
constexpr const char* kErrorText = "Error";

std::string trimmed(const std::string& text) {
    return std::string(rt::clip(text));
}

double realOf(const std::string& text) {
    const std::string t = trimmed(text);
    return t.empty() ? 0.0 : std::strtod(t.c_str(), nullptr);
}

}  // namespace

namespace {

// The number at the start of a display text, written out as a plain decimal (the exponent
// form's point moved by its exponent): " -1.5E+3" gives "-1500". Empty when the text does
// not begin with digits. An exponent beyond any that a REAL reaches is held at 400. `end`
// receives where the reading stopped in the trimmed text.
std::string plainNumberText(const std::string& display, std::size_t* end = nullptr) {
    std::string t = trimmed(display);
    t.erase(0, std::min(t.find_first_not_of(' '), t.size()));
    std::size_t pos = 0;
    std::string sign;
    if (pos < t.size() && (t[pos] == '-' || t[pos] == '+')) sign = t[pos++] == '-' ? "-" : "";
    std::string digits;
    std::size_t point = std::string::npos;
    for (; pos < t.size(); ++pos) {
        if (t[pos] >= '0' && t[pos] <= '9') {
            digits += t[pos];
        } else if (t[pos] == '.' && point == std::string::npos) {
            point = digits.size();
        } else {
            break;
        }
    }
    if (end) *end = pos;
    if (digits.empty()) return {};
    long exponent = 0;
    if (pos + 1 < t.size() && (t[pos] == 'e' || t[pos] == 'E')) {
        std::size_t at = pos + 1;
        const bool negative = t[at] == '-';
        if (t[at] == '-' || t[at] == '+') ++at;
        const std::size_t first = at;
        for (; at < t.size() && t[at] >= '0' && t[at] <= '9'; ++at)
            exponent = std::min(exponent * 10 + (t[at] - '0'), 400L);
        if (negative) exponent = -exponent;
        if (end && at > first) *end = at;
    }
    long at = static_cast<long>(point == std::string::npos ? digits.size() : point) + exponent;
    if (at <= 0) return sign + "0." + std::string(static_cast<std::size_t>(-at), '0') + digits;
    if (at >= static_cast<long>(digits.size()))
        return sign + digits + std::string(static_cast<std::size_t>(at) - digits.size(), '0');
    return sign + digits.substr(0, static_cast<std::size_t>(at)) + "." +
           digits.substr(static_cast<std::size_t>(at));
}

// The display's number exactly, where a decimal holds it; nullopt where it does not (no
// number, or more digits than a decimal keeps).
std::optional<rt::Decimal> exactValue(const std::string& display) {
    const std::string plain = plainNumberText(display);
    if (plain.empty()) return std::nullopt;
    std::optional<rt::Decimal> value = rt::Decimal::parse(plain);
    // Beyond a decimal's places a number reads as 0: it is not held.
    if (value && value->isZero() && plain.find_first_of("123456789") != std::string::npos)
        return std::nullopt;
    return value;
}

}  // namespace

bool CalculatorShowsNumber(const std::string& display) {
    std::string t = trimmed(display);
    t.erase(0, std::min(t.find_first_not_of(' '), t.size()));
    if (t.empty() || t == kOverflowText) return true;
    std::size_t end = 0;
    return !plainNumberText(t, &end).empty() && end == t.size();
}

std::optional<rt::Decimal> CalculatorDecimal(const std::string& display) {
    if (trimmed(display).empty()) return rt::Decimal();
    if (std::optional<rt::Decimal> exact = exactValue(display)) return exact;
    // Too small for a decimal's places: no cents at all. Anything else is no amount.
    const double real = realOf(display);
    if (!plainNumberText(display).empty() && std::isfinite(real) && std::fabs(real) < 1)
        return rt::Decimal();
    return std::nullopt;
}

namespace {

// Fixed notation with `digits` significant digits, trailing zeros and point dropped.
std::string fixedText(double value, int digits) {
    const int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    const int places = std::max(0, digits - integerDigits);
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

}  // namespace

namespace {

// An exact result in full when the display holds it, else in the exponent form of a REAL,
// so that a long result keeps its size instead of losing its last digits.
std::string exactText(const rt::Decimal& value) {
    std::string text = rt::numberToText(value);
    if (text.size() <= CalculatorState::kDisplayLength) return text;
    return CalculatorRealText(value.toDouble());
}

}  // namespace

std::string CalculatorRealText(double value) {
    if (std::isnan(value)) return kErrorText;
    if (std::isinf(value)) return kOverflowText;
    if (value == 0) return "0";
    std::string fixed = fixedText(value, 14);
    if (fixed.size() <= CalculatorState::kDisplayLength && fixed != "0") return fixed;
    // Too long (or too small) to show in full: the exponent form, with as many digits as the
    // display holds, so that the number shown keeps its size.
    for (int precision = 13; precision >= 1; --precision) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*G", precision, value);
        if (std::string(text).size() <= CalculatorState::kDisplayLength) return text;
    }
    return "0";
}

CalculatorState::CalculatorState(double start, bool blank) {
    if (!blank && start != 0) {
        show(CalculatorRealText(start));
        newEntry_ = false;
    }
}

double CalculatorState::value() const {
    return realOf(display_);
}

void CalculatorState::show(std::string text) {
    if (text.size() > kDisplayLength) text.resize(kDisplayLength);
    display_ = std::move(text);
}

void CalculatorState::digit(int d) {
    const char c = static_cast<char>('0' + d);
    if (newEntry_) {
        show(std::string(1, c));
        newEntry_ = false;
        point_ = false;
    } else if (point_) {
        show(trimmed(display_) + (pointPending_ ? "." : "") + c);
        pointPending_ = false;
    } else {
        show(trimmed(display_) + c);
        pointPending_ = true;
    }
}

void CalculatorState::completePending(bool percent) {
    if (pending_ == Pending::None) return;
    double shown = realOf(display_);
    if (percent) {
        shown = shown * accumulator_ / 100;
        show(CalculatorRealText(shown));
        if (pending_ == Pending::Power) {
            pending_ = Pending::None;
            return;
        }
    }
    switch (pending_) {
        case Pending::Add:
            show(CalculatorRealText(accumulator_ + shown));
            break;
        case Pending::Subtract:
            show(CalculatorRealText(accumulator_ - shown));
            break;
        case Pending::Multiply:
            show(CalculatorRealText(accumulator_ * shown));
            break;
        case Pending::Divide:
            // A division by zero is dropped: the display keeps its 0.
            if (shown != 0) show(CalculatorRealText(accumulator_ / shown));
            break;
        case Pending::Power:
            show(CalculatorRealText(std::pow(accumulator_, shown)));
            break;
        case Pending::None:
            break;
    }
    pending_ = Pending::None;
}

std::string CalculatorState::oneOperandResult(CalculatorKey key) const {
    // Exact where a decimal holds the operand and the result; otherwise as a REAL, so that a
    // result of any size keeps its exponent form.
    if (const std::optional<rt::Decimal> x = exactValue(display_)) {
        rt::Decimal y;
        if (key == CalculatorKey::ChangeSign) y = -*x;
        if (key == CalculatorKey::Square) y = *x * *x;
        if (key == CalculatorKey::TimesTen) y = *x * rt::Decimal(10);
        if (key == CalculatorKey::Reciprocal) {
            if (x->isZero()) return display_;
            y = rt::Decimal::divide(1, *x, kReciprocalPlaces);
        }
        // A reciprocal rounded to nothing has lost its size: the REAL keeps it.
        if (!y.outOfRange() && !(key == CalculatorKey::Reciprocal && y.isZero()))
            return exactText(y);
    }
    const double x = realOf(display_);
    if (key == CalculatorKey::Reciprocal && x == 0) return display_;
    if (key == CalculatorKey::ChangeSign) return CalculatorRealText(-x);
    if (key == CalculatorKey::Square) return CalculatorRealText(x * x);
    if (key == CalculatorKey::TimesTen) return CalculatorRealText(x * 10);
    return CalculatorRealText(1 / x);
}

void CalculatorState::ownAction(CalculatorKey key) {
    switch (key) {
        case CalculatorKey::ChangeSign:
        case CalculatorKey::Square:
        case CalculatorKey::TimesTen:
        case CalculatorKey::Reciprocal:
            show(oneOperandResult(key));
            break;
        case CalculatorKey::SquareRoot: {
            const double x = realOf(display_);
            show(CalculatorRealText(x < 0 ? 0 : std::sqrt(x)));
            break;
        }
        case CalculatorKey::Log10:
        case CalculatorKey::NaturalLog: {
            const double x = realOf(display_);
            const double y =
                x <= 0 ? 0 : (key == CalculatorKey::Log10 ? std::log10(x) : std::log(x));
            show(CalculatorRealText(y));
            break;
        }
        case CalculatorKey::MemoryStore:
            memory_ = realOf(display_);
            break;
        case CalculatorKey::MemoryAdd:
            memory_ += realOf(display_);
            break;
        case CalculatorKey::Add:
            pending_ = Pending::Add;
            break;
        case CalculatorKey::Subtract:
            pending_ = Pending::Subtract;
            break;
        case CalculatorKey::Multiply:
            pending_ = Pending::Multiply;
            break;
        case CalculatorKey::Divide:
            pending_ = Pending::Divide;
            break;
        case CalculatorKey::Power:
            pending_ = Pending::Power;
            break;
        default:
            break;
    }
    if (pending_ != Pending::None && (key == CalculatorKey::Add || key == CalculatorKey::Subtract ||
                                      key == CalculatorKey::Multiply ||
                                      key == CalculatorKey::Divide || key == CalculatorKey::Power))
        accumulator_ = realOf(display_);
    newEntry_ = true;
    pointPending_ = true;
}

void CalculatorState::press(CalculatorKey key, int d, std::string* copied) {
    switch (key) {
        case CalculatorKey::MemoryRecall:
            show(CalculatorRealText(memory_));
            return;
        case CalculatorKey::Digit:
            digit(d);
            return;
        case CalculatorKey::Point:
            point_ = pointPending_ = true;
            if (newEntry_) {
                show("0");
                newEntry_ = false;
            }
            return;
        case CalculatorKey::Pi:
            show(kPiText);
            newEntry_ = true;
            return;
        case CalculatorKey::Clear:
            if (newEntry_) pending_ = Pending::None;
            show("0");
            newEntry_ = false;
            break;
        case CalculatorKey::Copy:
            newEntry_ = false;
            if (copied) *copied = display_;
            break;
        default:
            break;
    }
    completePending(key == CalculatorKey::Percent);
    ownAction(key);
}

void CalculatorState::pressKeys(const std::string& keys) {
    for (char c : keys) {
        if (c >= '0' && c <= '9') {
            press(CalculatorKey::Digit, c - '0');
            continue;
        }
        switch (c) {
            case '.':
                press(CalculatorKey::Point);
                break;
            case '+':
                press(CalculatorKey::Add);
                break;
            case '-':
                press(CalculatorKey::Subtract);
                break;
            case '*':
            case 'x':
                press(CalculatorKey::Multiply);
                break;
            case '/':
                press(CalculatorKey::Divide);
                break;
            case '=':
                press(CalculatorKey::Equals);
                break;
            case '%':
                press(CalculatorKey::Percent);
                break;
            case '^':
                press(CalculatorKey::Power);
                break;
            case 'r':
                press(CalculatorKey::SquareRoot);
                break;
            case 'i':
                press(CalculatorKey::Reciprocal);
                break;
            case 'c':
                press(CalculatorKey::Clear);
                break;
            case 'n':
                press(CalculatorKey::ChangeSign);
                break;
            case 's':
                press(CalculatorKey::Square);
                break;
            case 't':
                press(CalculatorKey::TimesTen);
                break;
            case 'p':
                press(CalculatorKey::Pi);
                break;
            case 'm':
                press(CalculatorKey::MemoryStore);
                break;
            case 'a':
                press(CalculatorKey::MemoryAdd);
                break;
            case 'R':
                press(CalculatorKey::MemoryRecall);
                break;
            case 'l':
                press(CalculatorKey::Log10);
                break;
            case 'e':
                press(CalculatorKey::NaturalLog);
                break;
            default:
                break;
        }
    }
}
