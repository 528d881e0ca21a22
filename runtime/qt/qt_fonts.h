#pragma once
// Fonts of windows and controls, and dialog units: a window's positions are in units of a
// quarter of its font's average character width across and an eighth of its height down.

#include <QFont>
#include <QRect>
#include <string_view>

#include "runtime/ui/window_structure.h"

namespace rt::qt {

// The font a control or window was laid out with: `font` with the blanks filled from
// `window` (the window's font), and those from "MS Sans Serif" 8. Sizes are points at 96
// dots per inch. "System" is the old system font, one size with 8 by 16 dialog units.
// Dialog units come from this font.
QFont uiFont(const Font& font, const Font& window = {});

// The font a control's text is drawn in: uiFont's face at the largest size whose average
// character is no wider than a quarter of its dialog units across. The installed faces
// run wider than the ones the windows were laid out for; at this size every text takes
// no more room than it did there.
QFont textFont(const Font& font, const Font& window = {});

// The smallest a text too wide for its box is drawn, on paper and in a list's cells, as a
// part of its own size.
inline constexpr double kSmallestFit = 0.6;

// a * b / c (c > 0) rounded to the nearest, halves away from zero.
int mulDiv(int a, int b, int c);

struct DialogUnits {
    int charWidth = 6;  // average character width in pixels
    int charHeight = 13;

    int x(int du) const { return mulDiv(du, charWidth, 4); }
    int y(int du) const { return mulDiv(du, charHeight, 8); }
    int duX(int px) const { return mulDiv(px, 4, charWidth); }
    int duY(int px) const { return mulDiv(px, 8, charHeight); }
    // Edges are rounded, not sizes, so controls that meet in dialog units meet in pixels.
    QRect rect(const Rect& r) const {
        return QRect(x(r.x), y(r.y), x(r.x + r.width) - x(r.x), y(r.y + r.height) - y(r.y));
    }
};

// The dialog units of a font (usable on any thread).
DialogUnits dialogUnitsOf(const QFont& font);

// A list's row and header heights in pixels, and how many rows fit a list of `height`
// pixels; the backend's answer to the model and the list's painting agree through these.
int listRowHeight(const QFont& font);
int listHeaderHeight(const QFont& font);
int listRowsThatFit(const QFont& font, int height, bool headers);

}  // namespace rt::qt
