#pragma once
// The E-13B characters of the bank line, drawn from outlines of our own because no MICR font
// is installed. Sizes in 1/1000 inch: characters 117 high, set at 8 to the inch.

#include <string_view>
#include <vector>

namespace rt::qt {

inline constexpr int kMicrPitch = 125;   // one character every 0.125 inch
inline constexpr int kMicrHeight = 117;  // character height 0.117 inch

// A character stands flush right in its cell: its right edge on the cell's right boundary.
struct MicrPoint {
    int x = 0, y = 0;  // from the character cell's top left
};

struct MicrGlyph {
    char symbol;
    std::vector<std::vector<MicrPoint>> polygons;  // filled, closed implicitly
};

// The outline of a character: digits, "A" transit, "B" amount, "C" on-us, "D" dash (lower
// case letters alike); null for a blank or any other character.
const MicrGlyph* micrGlyph(char c);

// True for the MICR fonts that reports name ("MICR 010 BT", "MICR 012 BT", "MICR 013 BT").
bool isMicrFace(std::string_view face);

}  // namespace rt::qt
