#include "frame/calculator_keys.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/text/decimal.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace {

constexpr const char* kPiText = "3.141592654";
constexpr int kReciprocalPlaces = 15;

std::string trimmed(const std::string& text) {
    return std::string(rt::clip(text));
}

double realOf(const std::string& text) {
    const std::string t = trimmed(text);
    return t.empty() ? 0.0 : std::strtod(t.c_str(), nullptr);
}

}  // namespace

rt::Decimal CalculatorDecimal(const std::string& display) {
    const std::string t = trimmed(display);
    if (t.find_first_of("eE") != std::string::npos)
        return rt::Decimal::fromDouble(std::strtod(t.c_str(), nullptr), 15).value_or(rt::Decimal());
    return rt::textToNumber(t);
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
    if (!std::isfinite(value) || value == 0) return "0";
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

void CalculatorState::ownAction(CalculatorKey key) {
    const rt::Decimal shown = CalculatorDecimal(display_);
    switch (key) {
        case CalculatorKey::ChangeSign:
            show(exactText(-shown));
            break;
        case CalculatorKey::Square:
            show(exactText(shown * shown));
            break;
        case CalculatorKey::TimesTen:
            show(exactText(shown * rt::Decimal(10)));
            break;
        case CalculatorKey::Reciprocal:
            if (!shown.isZero()) show(exactText(rt::Decimal::divide(1, shown, kReciprocalPlaces)));
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
