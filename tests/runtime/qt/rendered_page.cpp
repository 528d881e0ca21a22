#include "tests/runtime/qt/rendered_page.h"

#include <QColor>
#include <cstdlib>

#include "runtime/print/page_spool.h"
#include "runtime/print/printer.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"

namespace rendered {

bool printToPdf(const std::vector<rt::Page>& pages, const std::filesystem::path& pdf,
                std::string& error) {
    rt::qt::ensureApplication();
    rt::PageSpool spool;
    if (!spool.create(error)) return false;
    std::vector<std::string> names;
    for (const rt::Page& page : pages) {
        if (!spool.append(page, error)) return false;
        names.push_back(spool.pageName(names.size()));
    }
    rt::printer().reset();
    rt::qt::installPrintBackend();
    rt::printer().setPrintToFile(true);
    rt::printer().setPrintFileName(pdf.string());
    const bool printed = rt::printer().printPages(names, error);
    rt::printer().reset();
    return printed;
}

QImage pdfPage(const std::filesystem::path& pdf, int dotsPerInch) {
    const std::filesystem::path prefix = pdf.parent_path() / "rendered";
    const std::string command = "pdftoppm -r " + std::to_string(dotsPerInch) +
                                " -png -singlefile '" + pdf.string() + "' '" + prefix.string() +
                                "'";
    if (std::system(command.c_str()) != 0) return QImage();
    return QImage(QString::fromStdString(prefix.string() + ".png"));
}

bool isInk(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

QRect inkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (isInk(image, x, y)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

std::vector<ColumnRun> inkColumns(const QImage& image, const QRect& area, int minGap) {
    std::vector<ColumnRun> runs;
    const QRect clipped = area.intersected(image.rect());
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
        bool ink = false;
        for (int y = clipped.top(); y <= clipped.bottom() && !ink; ++y)
            ink = isInk(image, x, y);
        if (!ink) continue;
        if (!runs.empty() && x - runs.back().right <= minGap)
            runs.back().right = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

}  // namespace rendered
