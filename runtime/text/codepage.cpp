#include "runtime/text/codepage.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace rt {
namespace {

// Unicode of Windows-1252 bytes 0x80..0x9F; 0xA0..0xFF equal their code points.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Unicode of code page 437 bytes 0x80..0xFF; 0x00..0x7F are ASCII.
constexpr std::array<char32_t, 128> kCp437High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

char32_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
    return byte;
}

// The 1252 byte of a code point, or '?' when 1252 has none.
char unicodeToCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == code) return static_cast<char>(0x80 + i);
    }
    return '?';
}

char unicodeToCp437(char32_t code) {
    if (code < 0x80) return static_cast<char>(code);
    for (std::size_t i = 0; i < kCp437High.size(); ++i) {
        if (kCp437High[i] == code) return static_cast<char>(0x80 + i);
    }
    return '?';
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes one UTF-8 character at text[pos], advancing pos; a malformed sequence gives
// U+FFFD and skips one byte.
char32_t nextUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i <= extra; ++i) {
        if (pos + i >= text.size() || (static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    }
    pos += extra + 1;
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0xFFFD;
    return code;
}

// A U+FFFD that nextUtf8 gave for a malformed sequence rather than read from the text.
bool malformed(char32_t code, std::string_view bytes) {
    return code == 0xFFFD && bytes != "\xEF\xBF\xBD";
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size())
        out += unicodeToCp1252(nextUtf8(text, pos));
    return out;
}

Cp1252Conversion utf8ToCp1252Exactly(std::string_view text) {
    Cp1252Conversion out;
    out.text.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t code = nextUtf8(text, pos);
        const char byte = unicodeToCp1252(code);
        if (malformed(code, text.substr(start, pos - start)) || (byte == '?' && code != '?')) {
            out.refused = std::string(text.substr(start, pos - start));
            return out;
        }
        out.text += byte;
    }
    return out;
}

bool isUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        if (lead < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        const char32_t code = nextUtf8(text, pos);
        if (malformed(code, text.substr(start, pos - start))) return false;
    }
    return true;
}

bool holdsUtf8Sequence(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t code = nextUtf8(text, pos);
        if (pos - start > 1 && !malformed(code, text.substr(start, pos - start))) return true;
    }
    return false;
}

std::string cp1252ToOem(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        out += unicodeToCp437(cp1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string oemToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x80 ? c : unicodeToCp1252(kCp437High[byte - 0x80]);
    }
    return out;
}

std::string codePointName(std::string_view utf8) {
    const auto lead = static_cast<unsigned char>(utf8.empty() ? 0 : utf8[0]);
    unsigned long code = lead;
    if (utf8.size() > 1) {
        code = lead & (utf8.size() == 2 ? 0x1F : utf8.size() == 3 ? 0x0F : 0x07);
        for (std::size_t i = 1; i < utf8.size(); ++i)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    }
    char name[16];
    std::snprintf(name, sizeof name, "U+%04lX", code);
    return name;
}

}  // namespace rt
