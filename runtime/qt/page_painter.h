#pragma once
// Draws report pages through Qt: onto any QPainter whose units are 1/1000 inch (the printer
// and PDF output at resolution 1000), or scaled onto an image for the preview.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "runtime/print/page.h"

namespace rt::qt {

// Creates the program's QApplication when there is none yet (tests, tools, benchmarks).
void ensureApplication();

// The installed family of a face, one table for windows and paper: Arial, Times New Roman and
// Courier New go to their metric-compatible Liberation fonts, the old dialog, serif and
// fixed-pitch faces and the other faces the program names to the nearest of those (or of the
// narrow and symbol fonts); an unknown face goes to fontconfig.
QString fontFamilyFor(std::string_view face);

// The font of a page text, sized in 1/1000 inch (points * 1000 / 72).
QFont pageFont(const PageFont& font);

// Draws every item of the page; the painter's units must be 1/1000 inch. Pen, brush and font
// are set for each item, so nothing carries over from an earlier page.
void paintPage(QPainter& painter, const Page& page);

// The page drawn onto a white image of the given size (scaled to fill it); a null image
// when that size cannot be allocated.
QImage renderPage(const Page& page, QSize size);

// The same for a spooled page named as in page_spool.h; false with the reason when it
// cannot be read.
bool renderNamedPage(const std::string& name, QSize size, QImage& image, std::string& error);

}  // namespace rt::qt
