#pragma once
// Helpers to look at drawn pages: PDF files turned into images with pdftoppm, and the ink
// found in an image.

#include <QImage>
#include <QRect>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/print/page.h"

namespace rendered {

// Prints the pages into a PDF file through a page spool and the printer object, as
// print-to-file does.
bool printToPdf(const std::vector<rt::Page>& pages, const std::filesystem::path& pdf,
                std::string& error);

// The first page of a PDF file as an image at the given resolution (pdftoppm).
QImage pdfPage(const std::filesystem::path& pdf, int dotsPerInch);

bool isInk(const QImage& image, int x, int y);

// The smallest rectangle holding every ink pixel inside `area` (empty when there is none).
QRect inkBounds(const QImage& image, const QRect& area);

// Runs of columns with ink inside `area`, joined across gaps narrower than `minGap` pixels.
struct ColumnRun {
    int left, right;
};
std::vector<ColumnRun> inkColumns(const QImage& image, const QRect& area, int minGap);

}  // namespace rendered
