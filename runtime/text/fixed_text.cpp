#include "runtime/text/fixed_text.h"

#include <algorithm>

namespace rt {

void assignFixed(std::span<char> field, std::string_view value) {
    const std::size_t n = std::min(field.size(), value.size());
    std::copy_n(value.begin(), n, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), ' ');
}

std::string_view clip(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return text.substr(0, end);
}

// Windows-1252 pairs: a-z/A-Z, the Latin-1 block (0xE0..0xFE less 0xF7 against 0xC0..0xDE
// less 0xD7), and the four pairs in 0x80..0x9F: š/Š, œ/Œ, ž/Ž, ÿ/Ÿ.
char upperChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
    switch (b) {
        case 0x9A:
            return static_cast<char>(0x8A);
        case 0x9C:
            return static_cast<char>(0x8C);
        case 0x9E:
            return static_cast<char>(0x8E);
        case 0xFF:
            return static_cast<char>(0x9F);
        default:
            return c;
    }
}

char lowerChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
    switch (b) {
        case 0x8A:
            return static_cast<char>(0x9A);
        case 0x8C:
            return static_cast<char>(0x9C);
        case 0x8E:
            return static_cast<char>(0x9E);
        case 0x9F:
            return static_cast<char>(0xFF);
        default:
            return c;
    }
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = upperChar(c);
    return out;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lowerChar(c);
    return out;
}

std::string sub(std::string_view text, int start, int length) {
    if (length <= 0) return {};
    long long from = start;
    long long to = from + length;  // one past the last position wanted
    from = std::max(from, 1LL);
    to = std::min(to, static_cast<long long>(text.size()) + 1);
    if (from >= to) return {};
    return std::string(
        text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from)));
}

std::string left(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string(text);
    std::string out(text.substr(first));
    out.append(first, ' ');
    return out;
}

int instring(std::string_view needle, std::string_view haystack, int step, int start) {
    if (needle.empty() || step < 1 || start < 1) return 0;
    for (std::size_t pos = static_cast<std::size_t>(start) - 1;
         pos + needle.size() <= haystack.size(); pos += static_cast<std::size_t>(step)) {
        if (haystack.compare(pos, needle.size(), needle) == 0) return static_cast<int>(pos + 1);
    }
    return 0;
}

int compareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = i < a.size() ? static_cast<unsigned char>(a[i]) : ' ';
        const unsigned char cb = i < b.size() ? static_cast<unsigned char>(b[i]) : ' ';
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return 0;
}

}  // namespace rt
