#pragma once
// Text colours kept readable on the ground they are drawn on. Window structures name text
// colours chosen for the grey faces and grounds of an older desktop; on today's lighter
// faces some of them (yellow on a button) can hardly be read. Contrast is the ratio of the
// two colours' relative luminances, from 1 (none) to 21 (black on white).

#include <QColor>

namespace rt::qt {

constexpr double kLeastTextContrast = 3.0;
// A colour that has to change is changed this far, not just to the limit: thin letters on a
// textured ground read fainter than their colour.
constexpr double kChangedTextContrast = 4.5;

double contrastRatio(const QColor& a, const QColor& b);

// The grey face for a button whose text has a colour of its own: the classic light grey,
// or a darker grey where the text needs it to be read on the face as the style paints it
// (lighter than the grey it is given). Needs the QApplication.
QColor buttonFaceFor(const QColor& text);

// `text` as it is when it has the least contrast with `ground`, or else made darker (on a
// light ground) or lighter (on a dark one) in its own hue until it has kChangedTextContrast.
QColor legibleOn(const QColor& text, const QColor& ground);

}  // namespace rt::qt
