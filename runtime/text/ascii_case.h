#pragma once
// Letter case of plain ASCII names: field, key, font, key-name and file names, and address
// schemes. Bytes outside ASCII are left alone, so UTF-8 file names survive.

#include <string>
#include <string_view>

namespace rt {

std::string lowerAscii(std::string_view text);
bool equalNoCaseAscii(std::string_view a, std::string_view b);
bool startsWithNoCaseAscii(std::string_view text, std::string_view prefix);

}  // namespace rt
