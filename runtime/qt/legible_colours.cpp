#include "runtime/qt/legible_colours.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace rt::qt {
namespace {

double channel(double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The colours of a push button's face in `face` as the style paints it (a gradient, lighter
// at the top), down the band in its middle where the text stands.
std::vector<QColor> paintedFace(const QColor& face) {
    QStyleOptionButton option;
    option.rect = QRect(0, 0, 80, 24);
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.palette = QApplication::palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        option.palette.setColor(group, QPalette::Button, face);
    QImage image(option.rect.size(), QImage::Format_ARGB32);
    image.fill(face);
    {
        QPainter painter(&image);
        QApplication::style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter);
    }
    std::vector<QColor> band;
    for (int y = 6; y <= 18; ++y)
        band.push_back(image.pixelColor(40, y));
    return band;
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor buttonFaceFor(const QColor& text) {
    // Faces are painted to be measured: each text colour's is found once (GUI thread only).
    static std::map<QRgb, QColor> found;
    if (auto it = found.find(text.rgb()); it != found.end()) return it->second;
    QColor chosen(0xC0, 0xC0, 0xC0);  // black-like text: the light face suits it best
    for (int grey : {0xC0, 0xA0, 0x80, 0x60, 0x40}) {
        const QColor face(grey, grey, grey);
        const std::vector<QColor> painted = paintedFace(face);
        if (std::all_of(painted.begin(), painted.end(), [&](const QColor& c) {
                return contrastRatio(text, c) >= kLeastTextContrast;
            })) {
            chosen = face;
            break;
        }
    }
    found.emplace(text.rgb(), chosen);
    return chosen;
}

QColor legibleOn(const QColor& text, const QColor& ground) {
    if (contrastRatio(text, ground) >= kLeastTextContrast) return text;
    const bool darker = luminance(ground) > 0.18;  // about where black and white text tie
    QColor c = text.toHsl();
    for (int step = 0; step < 64; ++step) {
        const int l = std::clamp(c.lightness() + (darker ? -4 : 4), 0, 255);
        c.setHsl(c.hslHue(), c.hslSaturation(), l);
        if (contrastRatio(c, ground) >= kChangedTextContrast) return c.toRgb();
    }
    return darker ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace rt::qt
