#include "frame/scroll_stops.h"

#include <algorithm>
#include <array>

namespace {

// The state of the text series.
struct TextSeries {
    std::string alphabet;
    long base = 1;  // alphabet length + 1: digit 0 is "not in the alphabet"
    std::string prefix;
    std::string lowTail, highTail;
    long lowNumber = 0, highNumber = 0;
    long step = 0;
    long count = 0;
};

TextSeries series;

constexpr std::array<unsigned char, 30> kPunctuation = {
    0x60, 0x21, 0x22, 0xA3, 0x24, 0x25, 0x5E, 0x26, 0x2A, 0x28, 0x29, 0x27, 0x2D, 0x3D, 0x5F,
    0x2B, 0x5D, 0x5B, 0x23, 0x3B, 0x7E, 0x40, 0x3A, 0x2F, 0x2E, 0x2C, 0x3F, 0x5C, 0x7C, 0x20};

bool isPunctuation(unsigned char c) {
    return std::find(kPunctuation.begin(), kPunctuation.end(), c) != kPunctuation.end();
}

std::string buildAlphabet(long classes) {
    std::string alphabet;
    for (int code = 1; code <= 255; ++code) {
        unsigned char c = static_cast<unsigned char>(code);
        bool take;
        if (c >= '0' && c <= '9')
            take = classes & SCROLLSTOP::Digits;
        else if (isPunctuation(c))
            take = classes & SCROLLSTOP::Punctuation;
        else if (c >= 'A' && c <= 'Z')
            take = classes & SCROLLSTOP::Letters;
        else if (c >= 'a' && c <= 'z')
            take = (classes & SCROLLSTOP::Letters) && (classes & SCROLLSTOP::LowerCase);
        else
            take = false;
        if (take) alphabet += static_cast<char>(c);
    }
    return alphabet;
}

std::string_view clipped(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Characters `from` (0-based) .. from + 3 of `text`, blank-padded to 4.
std::string tailOf(std::string_view text, std::size_t from) {
    std::string tail = from < text.size() ? std::string(text.substr(from, 4)) : std::string();
    tail.resize(4, ' ');
    return tail;
}

// The tail as a 4-digit number in the series' base. Positions past the tail's text count 0;
// a character outside the alphabet counts 0, except an inner blank, which counts one above
// the alphabet's last position (the alphabet is searched as a blank-filled text).
long tailNumber(const std::string& tail) {
    const std::size_t used = clipped(tail).size();
    long number = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        long digit = 0;
        if (k < used) {
            std::size_t at = series.alphabet.find(tail[k]);
            if (at != std::string::npos)
                digit = static_cast<long>(at) + 1;
            else if (tail[k] == ' ')
                digit = static_cast<long>(series.alphabet.size()) + 1;
        }
        number = number * series.base + digit;
    }
    return number;
}

std::string upperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

void InitRealScrollStops(double low, double high) {
    GLO::ScrollStopLow = low;
    GLO::ScrollStopHigh = high;
    GLO::ScrollStopStep = (high - low) / 99.0;
    GLO::ScrollStopCount = 0;
}

double NextRealScrollStop() {
    ++GLO::ScrollStopCount;
    if (GLO::ScrollStopCount == 1) return GLO::ScrollStopLow;
    if (GLO::ScrollStopCount == 100) return GLO::ScrollStopHigh;
    return GLO::ScrollStopLow + static_cast<double>(GLO::ScrollStopCount - 1) * GLO::ScrollStopStep;
}

void InitStringScrollStops(std::string_view low, std::string_view high, long length, long classes,
                           long lettersOnly) {
    if (lettersOnly) classes = SCROLLSTOP::Letters;
    const std::size_t L = static_cast<std::size_t>(std::max(0L, length));
    series = TextSeries{};
    series.alphabet = buildAlphabet(classes);
    series.base = static_cast<long>(series.alphabet.size()) + 1;

    std::string lowText(low.substr(0, std::min(L, low.size())));
    std::string highText(high.substr(0, std::min(L, high.size())));
    std::string_view highClipped = clipped(highText);
    if (highClipped.size() < L && !series.alphabet.empty())
        highText = std::string(highClipped) +
                   std::string(L + 1 - highClipped.size(), series.alphabet.back());

    // Compare blank-padded, as fixed-length key fields.
    std::string lowPadded = lowText, highPadded = highText;
    lowPadded.resize(std::max(lowPadded.size(), L), ' ');
    highPadded.resize(std::max(highPadded.size(), L), ' ');
    std::size_t P = 0;
    while (P < L && lowPadded[P] == highPadded[P])
        ++P;
    series.prefix = lowPadded.substr(0, P);

    series.lowTail = tailOf(lowText, P);
    series.highTail = tailOf(highText, P);
    if ((classes & SCROLLSTOP::Letters) && !(classes & SCROLLSTOP::LowerCase)) {
        series.lowTail = upperAscii(series.lowTail);
        series.highTail = upperAscii(series.highTail);
    }
    series.lowNumber = tailNumber(series.lowTail);
    series.highNumber = tailNumber(series.highTail);
    series.step = (series.highNumber - series.lowNumber) / 99;  // C++ division drops the fraction
    series.count = 0;
}

std::string NextStringScrollStop() {
    ++series.count;
    std::string tail(4, ' ');
    if (series.count == 1) {
        tail = series.lowTail;
    } else if (series.count == 100) {
        tail = series.highTail;
    } else if (!series.alphabet.empty()) {
        long v = series.lowNumber + series.step * (series.count - 1);
        for (int k = 0; k < 4; ++k) {
            long d = v % series.base;
            if (d < 0) d += series.base;
            v = (v - d) / series.base;
            char c = series.alphabet[static_cast<std::size_t>(std::max(0L, d - 1))];
            tail = (std::string(1, c) + tail).substr(0, 4);
        }
    }
    return series.prefix.empty() ? tail : series.prefix + tail;
}
