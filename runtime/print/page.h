#pragma once
// One finished report page as a display list: what stands where, in 1/1000 inch from the
// page's top-left corner. Pages are written to the report's page spool (page_spool.h) and
// drawn by the Qt backend onto the preview, the printer or a PDF file.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rt {

// Colours are 0xRRGGBB; kTransparent draws nothing.
using Rgb = std::uint32_t;
inline constexpr Rgb kTransparent = 0xFF000000u;
inline constexpr Rgb kBlack = 0x000000u;
inline constexpr Rgb kWhite = 0xFFFFFFu;

enum FontStyle : std::uint8_t {
    kFontRegular = 0,
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

struct PageFont {
    std::string face = "Arial";
    int points = 10;
    std::uint8_t style = kFontRegular;  // FontStyle bits

    bool operator==(const PageFont&) const = default;
};

enum class TextAlign : std::uint8_t { Left, Centre, Right, Decimal };

// A text in its box. A width or height of 0 means the text's own size, measured when drawn.
// Right and centred texts align within the box; decimal texts put their decimal point (or
// their end) at the same place for every value of the same picture. Wrapped texts (memo
// boxes) break into lines inside the box. The text is single-byte Windows-1252.
struct PageText {
    int x = 0, y = 0, width = 0, height = 0;
    TextAlign align = TextAlign::Left;
    PageFont font;
    Rgb colour = kBlack;
    Rgb background = kTransparent;
    bool wrap = false;
    std::string text;

    bool operator==(const PageText&) const = default;
};

struct PageLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 0;  // pen width; 0 is the thinnest line the device draws
    Rgb colour = kBlack;

    bool operator==(const PageLine&) const = default;
};

struct PageBox {
    int x = 0, y = 0, width = 0, height = 0;
    int lineWidth = 0;
    Rgb border = kBlack;
    Rgb fill = kTransparent;
    bool rounded = false;

    bool operator==(const PageBox&) const = default;
};

// A picture drawn scaled into its box; data holds the picture file's own bytes.
struct PageImage {
    int x = 0, y = 0, width = 0, height = 0;
    std::vector<std::uint8_t> data;

    bool operator==(const PageImage&) const = default;
};

using PageItem = std::variant<PageText, PageLine, PageBox, PageImage>;

struct Page {
    int width = 8500;  // Letter
    int height = 11000;
    std::vector<PageItem> items;

    bool operator==(const Page&) const = default;
};

}  // namespace rt
