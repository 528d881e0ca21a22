#pragma once
// Text is kept in memory as single-byte Windows-1252, so a STRING(n) holds exactly n
// characters. These convert at the edges: UTF-8 for Qt, printing and file names, and the
// OEM code page 437 for files that keep their text in it.

#include <string>
#include <string_view>

namespace rt {

// Windows-1252 to UTF-8. The five bytes that 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control characters of the same value, so every byte round-trips.
std::string cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252. A character 1252 cannot hold, and a malformed UTF-8 sequence,
// becomes '?'.
std::string utf8ToCp1252(std::string_view text);

// UTF-8 to Windows-1252 without replacing anything: `refused` is the first character (as
// UTF-8) that 1252 cannot hold, or the bytes of the first malformed sequence; empty when
// the whole text converted. `text` is then the conversion of what came before it.
struct Cp1252Conversion {
    std::string text;
    std::string refused;
};
Cp1252Conversion utf8ToCp1252Exactly(std::string_view text);

// "U+0141" for the UTF-8 bytes of one character.
std::string codePointName(std::string_view utf8);

// True when the text is well-formed UTF-8 (plain ASCII included).
bool isUtf8(std::string_view text);

// True when the text holds at least one well-formed UTF-8 sequence of two or more bytes.
bool holdsUtf8Sequence(std::string_view text);

// Windows-1252 to code page 437; a character 437 cannot hold becomes '?'.
std::string cp1252ToOem(std::string_view text);

// Code page 437 to Windows-1252; a character 1252 cannot hold (box drawing, Greek...)
// becomes '?'.
std::string oemToCp1252(std::string_view text);

}  // namespace rt
