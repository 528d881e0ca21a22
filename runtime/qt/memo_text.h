#pragma once
// A memo box's text on a page: broken into lines that fit its width and drawn smaller, down
// to a legible part of its size, until every line fits its height. Text that does not fit
// even then ends its last line with an ellipsis, so that nothing is cut without a sign.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace rt::qt {

// The lines `text` takes in `width` with `font`: at word boundaries, a word longer than a
// line broken where it must; "\n" ends a paragraph.
QStringList memoLines(const QString& text, const QFont& font, double width);

struct MemoFit {
    QFont font;
    QStringList lines;  // what is drawn, the last ending in an ellipsis when some is left out
    bool whole = true;  // every line fits
};

// The font, from `font` down to `smallest` of its size, at which `text` fits `box`, and the
// lines it is drawn in.
MemoFit fitMemo(const QString& text, const QFont& font, const QRectF& box, double smallest);

// Draws the lines of a fit from the box's top left, one line spacing apart.
void paintMemo(QPainter& painter, const MemoFit& fit, const QRectF& box);

}  // namespace rt::qt
