#include "runtime/qt/qt_fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <string>

#include "runtime/qt/page_painter.h"
#include "runtime/text/ascii_case.h"
#include "runtime/text/fixed_text.h"

namespace rt::qt {
namespace {

constexpr std::string_view kDefaultFace = "MS Sans Serif";
constexpr int kDefaultPoints = 8;

std::string lowered(std::string_view s) {
    return std::string(rt::clip(rt::lowerAscii(s)));
}

}  // namespace

namespace {

std::string_view faceOf(const Font& font, const Font& window) {
    return !font.name.empty()     ? std::string_view(font.name)
           : !window.name.empty() ? std::string_view(window.name)
                                  : kDefaultFace;
}

bool isSystemFace(std::string_view face) {
    return lowered(face) == "system";
}

// The old fixed-pitch screen faces: one size, every character cell 8 pixels wide.
bool isFixedCellFace(std::string_view face) {
    std::string key = lowered(face);
    return key == "fixedsys" || key == "terminal";
}

double averageWidth(const QFont& font) {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QFontMetricsF(font).horizontalAdvance(letters) / 52.0;
}

}  // namespace

QFont uiFont(const Font& font, const Font& window) {
    std::string_view face = faceOf(font, window);
    int points = font.size > 0 ? font.size : window.size > 0 ? window.size : kDefaultPoints;
    QFont f(fontFamilyFor(face));
    f.setStyleHint(QFont::SansSerif);
    // The system font's one size: 14 pixels of the sans font give its 8 by 16 units.
    f.setPixelSize(isSystemFace(face) ? 14 : std::max(1, mulDiv(points, 96, 72)));
    if (isFixedCellFace(face)) {
        // Texts laid out in its 8-pixel cells (the calendar's day grid) keep their columns.
        f.setPixelSize(12);
        f.setLetterSpacing(QFont::AbsoluteSpacing,
                           8.0 - QFontMetricsF(f).horizontalAdvance(QLatin1Char('0')));
    }
    f.setBold(font.bold || (font.name.empty() && window.bold));
    f.setItalic(font.italic);
    return f;
}

QFont textFont(const Font& font, const Font& window) {
    QFont f = uiFont(font, window);
    std::string_view face = faceOf(font, window);
    if (isFixedCellFace(face)) return f;
    // Every control of a window asks again: the size found is kept by font (any thread).
    static std::mutex lock;
    static std::map<QString, int> fitted;
    const QString key = f.key();
    {
        std::lock_guard guard(lock);
        if (auto it = fitted.find(key); it != fitted.end()) {
            f.setPixelSize(it->second);
            return f;
        }
    }
    // The system font's letters average under 7 pixels in its 8-pixel unit.
    double widest = isSystemFace(face) ? 6.5 : dialogUnitsOf(f).charWidth;
    while (f.pixelSize() > 6 && averageWidth(f) > widest + 0.01)
        f.setPixelSize(f.pixelSize() - 1);
    std::lock_guard guard(lock);
    fitted[key] = f.pixelSize();
    return f;
}

int mulDiv(int a, int b, int c) {
    if (c <= 0) return 0;
    long long p = static_cast<long long>(a) * b;
    long long q = p >= 0 ? (p + c / 2) / c : -((-p + c / 2) / c);
    return static_cast<int>(q);
}

DialogUnits dialogUnitsOf(const QFont& font) {
    QFontMetrics m(font);
    int width =
        m.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits du;
    du.charWidth = std::max(1, (width / 26 + 1) / 2);
    du.charHeight = std::max(1, m.height());
    return du;
}

int listRowHeight(const QFont& font) {
    return QFontMetrics(font).height() + 2;
}

int listHeaderHeight(const QFont& font) {
    return QFontMetrics(font).height() + 6;
}

int listRowsThatFit(const QFont& font, int height, bool headers) {
    int rows = (height - (headers ? listHeaderHeight(font) : 0)) / listRowHeight(font);
    return std::max(0, rows);
}

}  // namespace rt::qt
