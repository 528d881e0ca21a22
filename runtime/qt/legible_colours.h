#pragma once
// Text colours kept readable on the ground they are drawn on. Window structures name text
// colours chosen for the grey faces and grounds of an older desktop; on today's lighter
// faces some of them (yellow on a button) can hardly be read. Contrast is the ratio of the
// two colours' relative luminances, from 1 (none) to 21 (black on white).

#include <QColor>

namespace rt::qt {

constexpr double kLeastTextContrast = 3.0;

double contrastRatio(const QColor& a, const QColor& b);

// The grey face for a button whose text has a colour of its own: the classic light grey,
// or a darker grey where the text needs it to be read.
QColor buttonFaceFor(const QColor& text);

// `text` as it is, or made darker (on a light ground) or lighter (on a dark one) in its own
// hue until it reaches the least contrast with `ground`.
QColor legibleOn(const QColor& text, const QColor& ground);

}  // namespace rt::qt
