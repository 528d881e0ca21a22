#include "runtime/qt/memo_text.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace rt::qt {
namespace {

// How many lines of `metrics` stand one under the other in `height`.
qsizetype linesInHeight(const QFontMetricsF& metrics, double height) {
    if (height < metrics.height()) return 0;
    return static_cast<qsizetype>((height - metrics.height()) / metrics.lineSpacing()) + 1;
}

const QString kEllipsis = QString(QChar(0x2026));

}  // namespace

QStringList memoLines(const QString& text, const QFont& font, double width) {
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : text.split('\n')) {
        if (paragraph.isEmpty()) {
            lines.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

MemoFit fitMemo(const QString& text, const QFont& font, const QRectF& box, double smallest) {
    MemoFit fit{font, {}, true};
    auto fitsAt = [&](int pixels) {
        fit.font.setPixelSize(pixels);
        fit.lines = memoLines(text, fit.font, box.width());
        return fit.lines.size() <= linesInHeight(QFontMetricsF(fit.font), box.height());
    };
    const int size = font.pixelSize();
    if (fitsAt(size)) return fit;
    // The largest size that fits, between the smallest and the own size (a smaller type
    // never takes more lines), found by halving.
    int fits = 0, tooLarge = size;
    for (int low = std::max(1, static_cast<int>(size * smallest)); low < tooLarge;) {
        const int middle = low + (tooLarge - low) / 2;
        if (fitsAt(middle)) {
            fits = middle;
            low = middle + 1;
        } else {
            tooLarge = middle;
        }
    }
    if (fits > 0 && fitsAt(fits)) return fit;
    fitsAt(std::max(1, static_cast<int>(size * smallest)));
    // Even the smallest type leaves some over: the lines that fit, the last one ending in an
    // ellipsis that stands inside the box.
    fit.whole = false;
    const QFontMetricsF metrics(fit.font);
    const qsizetype kept = linesInHeight(metrics, box.height());
    fit.lines = fit.lines.mid(0, kept);
    if (fit.lines.isEmpty()) return fit;
    QString last = fit.lines.back();
    while (!last.isEmpty() && metrics.horizontalAdvance(last.trimmed() + kEllipsis) > box.width())
        last.chop(1);
    fit.lines.back() = last.trimmed() + kEllipsis;
    return fit;
}

void paintMemo(QPainter& painter, const MemoFit& fit, const QRectF& box) {
    const QFontMetricsF metrics(fit.font);
    painter.setFont(fit.font);
    double baseline = box.top() + metrics.ascent();
    for (const QString& line : fit.lines) {
        painter.drawText(QPointF(box.left(), baseline), line);
        baseline += metrics.lineSpacing();
    }
}

}  // namespace rt::qt
