#include "runtime/qt/legible_colours.h"

#include <algorithm>
#include <cmath>

namespace rt::qt {
namespace {

double channel(double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor buttonFaceFor(const QColor& text) {
    for (int grey : {0xC0, 0xA0, 0x80, 0x60, 0x40}) {
        const QColor face(grey, grey, grey);
        if (contrastRatio(text, face) >= kLeastTextContrast) return face;
    }
    return QColor(0xC0, 0xC0, 0xC0);  // black-like text: the light face suits it best
}

QColor legibleOn(const QColor& text, const QColor& ground) {
    if (contrastRatio(text, ground) >= kLeastTextContrast) return text;
    const bool darker = luminance(ground) > 0.18;  // about where black and white text tie
    QColor c = text.toHsl();
    for (int step = 0; step < 64; ++step) {
        const int l = std::clamp(c.lightness() + (darker ? -4 : 4), 0, 255);
        c.setHsl(c.hslHue(), c.hslSaturation(), l);
        if (contrastRatio(c, ground) >= kLeastTextContrast) return c.toRgb();
    }
    return darker ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace rt::qt
