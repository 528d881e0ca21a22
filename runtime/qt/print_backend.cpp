#include "runtime/qt/print_backend.h"

#include <malloc.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "runtime/qt/page_painter.h"
#include "runtime/text/codepage.h"

namespace rt::qt {
namespace {

constexpr int kUnitsPerInch = 1000;

QPageSize pageSizeOf(const Page& page) {
    return QPageSize(
        QSizeF(page.width / double(kUnitsPerInch), page.height / double(kUnitsPerInch)),
        QPageSize::Inch);
}

// The PDF engine takes a few hundred kilobytes to compress each page and frees them again.
// With the pages of a report in memory below, that space is at the top of the heap, and
// the C library would give it back to the system after every page and take it back zeroed
// for the next one. Free space at the top is kept up to 32 MB instead (once per program).
void keepFreedMemoryForTheNextPage() {
    static const bool kept = [] {
        mallopt(M_TRIM_THRESHOLD, 32 << 20);
        mallopt(M_MMAP_THRESHOLD, 4 << 20);
        return true;
    }();
    (void)kept;
}

// Draws the pages on a device already set up in 1/1000 inch; `next` starts each later page.
template <typename Device>
bool paintPages(Device& device, const std::vector<Page>& pages, std::string& error) {
    keepFreedMemoryForTheNextPage();
    device.setPageSize(pageSizeOf(pages.front()));
    QPainter painter;
    if (!painter.begin(&device)) {
        error = "cannot start printing";
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            // The page size is looked up (and set) only where it changes: most reports
            // print every page on one paper.
            const Page& before = pages[i - 1];
            if (pages[i].width != before.width || pages[i].height != before.height)
                device.setPageSize(pageSizeOf(pages[i]));
            if (!device.newPage()) {
                painter.end();
                error = "cannot start a new page";
                return false;
            }
        }
        paintPage(painter, pages[i]);
    }
    if (!painter.end()) {
        error = "printing failed";
        return false;
    }
    return true;
}

}  // namespace

bool writePdf(const std::vector<Page>& pages, const QString& file, std::string& error) {
    if (pages.empty()) return true;
    ensureApplication();
    QPdfWriter writer(file);
    writer.setResolution(kUnitsPerInch);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("tovik"));
    if (!paintPages(writer, pages, error)) {
        error = "cannot write " + file.toStdString() + ": " + error;
        return false;
    }
    return true;
}

std::string QtPrintBackend::defaultPrinterName() {
    return utf8ToCp1252(QPrinterInfo::defaultPrinterName().toStdString());
}

bool QtPrintBackend::print(const std::vector<Page>& pages, const PrintSettings& settings,
                           std::string& error) {
    if (pages.empty()) return true;
    if (settings.printToFile)
        return writePdf(pages, QString::fromStdString(cp1252ToUtf8(settings.fileName)), error);
    ensureApplication();
    QPrinter device(QPrinter::HighResolution);
    if (!settings.device.empty())
        device.setPrinterName(QString::fromStdString(cp1252ToUtf8(settings.device)));
    if (!device.isValid()) {
        error = "printer " + settings.device + " is not available";
        return false;
    }
    return printOnDevice(device, pages, error);
}

bool printOnDevice(QPrinter& device, const std::vector<Page>& pages, std::string& error) {
    if (pages.empty()) return true;
    device.setResolution(kUnitsPerInch);
    device.setFullPage(true);
    device.setCopyCount(1);  // copies arrive already laid out
    device.setDocName(QStringLiteral("Report"));
    return paintPages(device, pages, error);
}

void installPrintBackend() {
    printer().setBackend(std::make_shared<QtPrintBackend>());
}

}  // namespace rt::qt
