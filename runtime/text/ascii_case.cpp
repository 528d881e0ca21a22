#include "runtime/text/ascii_case.h"

namespace rt {

namespace {

char lowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lowerChar(c);
    return out;
}

bool equalNoCaseAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

bool startsWithNoCaseAscii(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalNoCaseAscii(text.substr(0, prefix.size()), prefix);
}

}  // namespace rt
