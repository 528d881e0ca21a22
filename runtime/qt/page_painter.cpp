#include "runtime/qt/page_painter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <map>
#include <optional>

#include "runtime/print/page_spool.h"
#include "runtime/qt/memo_text.h"
#include "runtime/qt/micr_e13b.h"
#include "runtime/qt/qt_fonts.h"
#include "runtime/system/picture.h"
#include "runtime/text/ascii_case.h"
#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"

namespace rt::qt {
namespace {

constexpr double kThinnestLine = 1000.0 / 144;  // half a point: what a hairline prints as
constexpr double kMaxCornerRadius = 125;

QColor colour(Rgb rgb) {
    return QColor::fromRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::string lowered(std::string_view text) {
    return std::string(rt::clip(rt::lowerAscii(text)));
}

void fillBackground(QPainter& painter, const QRectF& area, Rgb background) {
    if (background == kTransparent) return;
    painter.fillRect(area, colour(background));
}

// The bank line: each character's outline at the E-13B size, 8 to the inch, standing on the
// baseline of the font size the report asked for.
void paintMicrText(QPainter& painter, const PageText& text) {
    const double em = text.font.points * 1000.0 / 72;
    const double bottom = text.y + (em > kMicrHeight ? em * 0.8 : kMicrHeight);
    const double runWidth = static_cast<double>(text.text.size()) * kMicrPitch;
    double left = text.x;
    if (text.width > 0 && text.align == TextAlign::Right) left = text.x + text.width - runWidth;
    if (text.width > 0 && text.align == TextAlign::Centre)
        left = text.x + (text.width - runWidth) / 2;
    fillBackground(painter,
                   QRectF(text.x, text.y, text.width > 0 ? text.width : runWidth,
                          text.height > 0 ? text.height : em),
                   text.background);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (std::size_t i = 0; i < text.text.size(); ++i) {
        const MicrGlyph* glyph = micrGlyph(text.text[i]);
        if (!glyph) continue;
        const double cellX = left + static_cast<double>(i) * kMicrPitch;
        const double cellY = bottom - kMicrHeight;
        for (const auto& outline : glyph->polygons) {
            QPolygonF polygon;
            for (const MicrPoint& p : outline)
                polygon << QPointF(cellX + p.x, cellY + p.y);
            path.addPolygon(polygon);
            path.closeSubpath();
        }
    }
    painter.fillPath(path, colour(text.colour));
}

// Consecutive texts of a page mostly share one font and colour; the font is resolved once
// for them, and font, pen and brush are handed to the painter only when they change (each
// change costs the painter, and a PDF a state change in its content).
class FontCache {
  public:
    struct Entry {
        PageFont wanted;
        QFont font;
        QFontMetricsF metrics;
        // The widths of the first 256 characters, looked up as they are met (-1: not yet).
        std::array<double, 256> advances;

        // At least the width the text takes when drawn: its characters' widths added up
        // (kerning is off, and a ligature only narrows a text), without shaping it.
        double widthBound(const QString& text) {
            double width = 0;
            for (QChar c : text) {
                if (c.unicode() > 0xFF) {
                    width += metrics.horizontalAdvance(c);
                    continue;
                }
                double& advance = advances[c.unicode()];
                if (advance < 0) advance = metrics.horizontalAdvance(c);
                width += advance;
            }
            return width;
        }
    };
    Entry& get(const PageFont& wanted) {
        if (!last_ || !(last_->wanted == wanted)) {
            const QFont font = pageFont(wanted);
            last_.emplace(Entry{wanted, font, QFontMetricsF(font), {}});
            last_->advances.fill(-1);
            fontSet_ = false;
        }
        return *last_;
    }
    // Sets the entry's font, `textColour` as the pen and no brush, unless they are set.
    void applyText(QPainter& painter, Rgb textColour) {
        if (!fontSet_) painter.setFont(last_->font);
        if (!textStateSet_ || penColour_ != textColour) {
            painter.setPen(colour(textColour));
            painter.setBrush(Qt::NoBrush);
        }
        fontSet_ = true;
        textStateSet_ = true;
        penColour_ = textColour;
    }
    // Something else (a line, a box, a picture) changed the painter's pen or brush.
    void forgetPen() { textStateSet_ = false; }
    // A fitted text changed the painter's font.
    void forgetFont() { fontSet_ = false; }

  private:
    std::optional<Entry> last_;
    bool fontSet_ = false;
    bool textStateSet_ = false;
    Rgb penColour_ = 0;
};

void paintText(QPainter& painter, const PageText& text, FontCache& fonts) {
    if (isMicrFace(text.font.face)) {
        paintMicrText(painter, text);
        return;
    }
    FontCache::Entry& resolved = fonts.get(text.font);
    const QFontMetricsF& metrics = resolved.metrics;
    fonts.applyText(painter, text.colour);
    const QString content = QString::fromStdString(cp1252ToUtf8(text.text));
    const double height = text.height > 0 ? text.height : metrics.height();

    if (text.wrap) {
        // A memo box breaks its text into lines inside the box (CR LF pairs are line ends),
        // drawn smaller where that makes all of it fit (memo_text.h).
        QString lines = content;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
        constexpr double kUnbounded = 1e6;
        const QRectF box(text.x, text.y, text.width > 0 ? text.width : kUnbounded,
                         text.height > 0 ? text.height : kUnbounded);
        const MemoFit fit = fitMemo(lines, resolved.font, box, kSmallestFit);
        const QFontMetricsF fitted(fit.font);
        fillBackground(painter,
                       text.width > 0 && text.height > 0
                           ? box
                           : QRectF(box.left(), box.top(), box.width(),
                                    static_cast<double>(fit.lines.size()) * fitted.lineSpacing())
                                 .intersected(box),
                       text.background);
        painter.save();
        painter.setClipRect(box);
        paintMemo(painter, fit, box);
        painter.restore();
        fonts.forgetFont();
        return;
    }

    // Pictures pad texts with blanks; a centred or right-aligned text is placed by what shows,
    // and the blanks after a left-aligned one draw nothing unless a line runs through them.
    QString shown = content;
    const bool linedBlanks = text.font.style & (kFontUnderline | kFontStrikeOut);
    if (text.align == TextAlign::Centre || text.align == TextAlign::Right ||
        (text.align == TextAlign::Left && !linedBlanks)) {
        qsizetype end = shown.size();
        while (end > 0 && shown[end - 1] == ' ')
            --end;
        shown.truncate(end);
    }
    // A text wider than its box is drawn smaller, down to kSmallestFit of its size, so that
    // it keeps to its box; what still does not fit is cut at the box's right edge.
    std::optional<QFont> fitted;
    std::optional<QFontMetricsF> fittedMetrics;
    if (text.width > 0 && text.align != TextAlign::Decimal &&
        resolved.widthBound(shown) > text.width) {
        const double natural = metrics.horizontalAdvance(shown);
        if (natural > text.width) {
            const int size = resolved.font.pixelSize();
            const int smallest = std::max(1, static_cast<int>(size * kSmallestFit));
            const int wanted = static_cast<int>(size * text.width / natural);
            fitted = resolved.font;
            fitted->setPixelSize(std::max(smallest, std::min(size, wanted)));
            fittedMetrics.emplace(*fitted);
            // Rounding of the glyph widths may leave a sliver over; one size less takes it.
            if (fitted->pixelSize() > smallest &&
                fittedMetrics->horizontalAdvance(shown) > text.width) {
                fitted->setPixelSize(fitted->pixelSize() - 1);
                fittedMetrics.emplace(*fitted);
            }
        }
    }
    const QFontMetricsF& drawn = fittedMetrics ? *fittedMetrics : metrics;
    // Text is measured only where its place or its background needs the width: a
    // left-aligned text on no background is drawn where it starts.
    auto boxWidth = [&] {
        return text.width > 0 ? text.width : metrics.horizontalAdvance(content);
    };
    double x = text.x;
    std::optional<double> shownWidth;  // measured where the alignment needed it
    switch (text.align) {
        case TextAlign::Left:
            if (fitted) shownWidth = drawn.horizontalAdvance(shown);
            break;
        case TextAlign::Centre:
            shownWidth = drawn.horizontalAdvance(shown);
            x = text.x + (boxWidth() - *shownWidth) / 2;
            break;
        case TextAlign::Right:
            shownWidth = drawn.horizontalAdvance(shown);
            x = text.x + boxWidth() - *shownWidth;
            break;
        case TextAlign::Decimal: {
            // The point stands where it would if every position up to it held a digit, so
            // that values of one picture line up whatever their blanks and digits.
            qsizetype point = content.indexOf('.');
            if (point < 0) point = content.size();
            double anchor;
            if (text.width > 0) {
                // The point and the places after it end at the box's right edge.
                const QString places =
                    point < content.size() ? "." + QString(content.size() - point - 1, '0') : "";
                anchor = text.x + text.width - metrics.horizontalAdvance(places);
            } else {
                anchor = text.x + metrics.horizontalAdvance(QString(point, '0'));
            }
            qsizetype first = 0;
            while (first < point && content[first] == ' ')
                ++first;
            shown = content.mid(first);
            x = anchor - metrics.horizontalAdvance(content.mid(first, point - first));
            break;
        }
    }
    // A text too wide even at its smallest starts at the box's left edge and keeps the
    // characters that fit, whatever its alignment: none stands past the edge, half drawn.
    if (fitted && *shownWidth > text.width) {
        x = text.x;
        qsizetype low = 0, high = shown.size();  // shown.left(low) fits, shown.left(high) not
        while (high - low > 1) {
            const qsizetype middle = (low + high) / 2;
            (drawn.horizontalAdvance(shown.left(middle)) <= text.width ? low : high) = middle;
        }
        shown.truncate(low);
        shownWidth = drawn.horizontalAdvance(shown);
    }
    if (text.background != kTransparent)
        fillBackground(painter, QRectF(text.x, text.y, boxWidth(), height), text.background);
    // A text is cut at the edges of its box only where it may run past them: the clip costs
    // the painter a saved state and the PDF a clipping path for each text.
    constexpr double kTolerance = 1e-6;
    const bool clipped = text.width > 0 && (x < text.x - kTolerance ||
                                            x + shownWidth.value_or(resolved.widthBound(shown)) >
                                                text.x + text.width + kTolerance);
    if (clipped) {
        painter.save();
        painter.setClipRect(QRectF(text.x, text.y - height, text.width, 3 * height));
    }
    if (fitted) {
        painter.setFont(*fitted);
        fonts.forgetFont();
    }
    painter.drawText(QPointF(x, text.y + drawn.ascent()), shown);
    if (clipped) painter.restore();
}

void paintLine(QPainter& painter, const PageLine& line) {
    QPen pen(colour(line.colour), std::max<double>(line.width, kThinnestLine));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
}

void paintBox(QPainter& painter, const PageBox& box) {
    if (box.border == kTransparent) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen pen(colour(box.border), std::max<double>(box.lineWidth, kThinnestLine));
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    }
    painter.setBrush(box.fill == kTransparent ? QBrush(Qt::NoBrush) : QBrush(colour(box.fill)));
    const QRectF area(box.x, box.y, box.width, box.height);
    if (box.rounded) {
        const double radius = std::min(std::min(box.width, box.height) / 4.0, kMaxCornerRadius);
        painter.drawRoundedRect(area, radius, radius);
    } else {
        painter.drawRect(area);
    }
}

// A picture that cannot be read draws nothing.
void paintImage(QPainter& painter, const PageImage& image) {
    PictureResult decoded = decodePicture(image.data);
    if (!decoded.ok() || decoded.picture.empty()) return;
    const QImage picture(reinterpret_cast<const uchar*>(decoded.picture.pixels.data()),
                         decoded.picture.width, decoded.picture.height,
                         static_cast<qsizetype>(decoded.picture.width) * 4, QImage::Format_ARGB32);
    // The picture keeps its proportions: as large as the box allows, centred in it.
    const double scale = std::min(static_cast<double>(image.width) / picture.width(),
                                  static_cast<double>(image.height) / picture.height());
    const double width = picture.width() * scale, height = picture.height() * scale;
    painter.drawImage(QRectF(image.x + (image.width - width) / 2,
                             image.y + (image.height - height) / 2, width, height),
                      picture);
}

}  // namespace

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "tovik";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives for the rest of the run
}

QString fontFamilyFor(std::string_view face) {
    // Each face the windows and reports name, to the installed family whose letters take the
    // same room (or the nearest in kind where no such family is installed).
    static const std::map<std::string, QString, std::less<>> families = {
        {"", QStringLiteral("Liberation Sans")},
        {"arial", QStringLiteral("Liberation Sans")},
        {"helv", QStringLiteral("Liberation Sans")},
        {"ms sans serif", QStringLiteral("Liberation Sans")},
        {"ms shell dlg", QStringLiteral("Liberation Sans")},
        {"ms shell dlg 2", QStringLiteral("Liberation Sans")},
        {"system", QStringLiteral("Liberation Sans")},
        {"times new roman", QStringLiteral("Liberation Serif")},
        {"tms rmn", QStringLiteral("Liberation Serif")},
        {"ms serif", QStringLiteral("Liberation Serif")},
        {"aldine721 bt", QStringLiteral("Liberation Serif")},
        {"aldine721 lt bt", QStringLiteral("Liberation Serif")},
        {"americana xbdcn bt", QStringLiteral("Nimbus Sans Narrow")},
        {"courier new", QStringLiteral("Liberation Mono")},
        {"courier", QStringLiteral("Liberation Mono")},
        {"fixedsys", QStringLiteral("Liberation Mono")},
        {"terminal", QStringLiteral("Liberation Mono")},
        {"micr 010 bt", QStringLiteral("Liberation Mono")},
        {"micr 012 bt", QStringLiteral("Liberation Mono")},
        {"micr 013 bt", QStringLiteral("Liberation Mono")},
        {"symbol", QStringLiteral("Standard Symbols PS")},
    };
    const auto known = families.find(lowered(face));
    if (known != families.end()) return known->second;
    return QString::fromStdString(cp1252ToUtf8(face)).trimmed();
}

QFont pageFont(const PageFont& wanted) {
    QFont font(fontFamilyFor(wanted.face));
    font.setPixelSize(std::max(1, (wanted.points * 1000 + 36) / 72));
    font.setBold(wanted.style & kFontBold);
    font.setItalic(wanted.style & kFontItalic);
    font.setUnderline(wanted.style & kFontUnderline);
    font.setStrikeOut(wanted.style & kFontStrikeOut);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

void paintPage(QPainter& painter, const Page& page) {
    FontCache fonts;
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<PageText>(&item)) {
            paintText(painter, *text, fonts);
            continue;
        }
        fonts.forgetPen();
        if (const auto* line = std::get_if<PageLine>(&item)) {
            paintLine(painter, *line);
        } else if (const auto* box = std::get_if<PageBox>(&item)) {
            paintBox(painter, *box);
        } else if (const auto* image = std::get_if<PageImage>(&item)) {
            paintImage(painter, *image);
        }
    }
}

QImage renderPage(const Page& page, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return image;  // no memory for that size
    image.fill(Qt::white);
    if (size.isEmpty() || page.width <= 0 || page.height <= 0) return image;
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(static_cast<double>(size.width()) / page.width,
                  static_cast<double>(size.height()) / page.height);
    paintPage(painter, page);
    return image;
}

bool renderNamedPage(const std::string& name, QSize size, QImage& image, std::string& error) {
    PageReadResult read = readPage(name);
    if (!read.ok()) {
        error = read.error;
        return false;
    }
    image = renderPage(read.page, size);
    return true;
}

}  // namespace rt::qt
