#include "runtime/qt/print_backend.h"

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "runtime/qt/page_painter.h"
#include "runtime/text/codepage.h"
#include "runtime/text/file_names.h"

namespace rt::qt {
namespace {

constexpr int kUnitsPerInch = 1000;

QPageSize pageSizeOf(const Page& page) {
    return QPageSize(
        QSizeF(page.width / double(kUnitsPerInch), page.height / double(kUnitsPerInch)),
        QPageSize::Inch);
}

// The PDF engine takes a few hundred kilobytes to compress each page and frees them again.
// When that space is at the top of the heap, the C library would give it back to the system
// after every page and take it back zeroed for the next one. Free space at the top is kept up
// to 32 MB instead (once per program).
void keepFreedMemoryForTheNextPage() {
    static const bool kept = [] {
        mallopt(M_TRIM_THRESHOLD, 32 << 20);
        mallopt(M_MMAP_THRESHOLD, 4 << 20);
        return true;
    }();
    (void)kept;
}

// Draws the pages on a device already set up in 1/1000 inch, one page in memory at a time.
template <typename Device>
bool paintPages(Device& device, PageSource& pages, std::string& error) {
    keepFreedMemoryForTheNextPage();
    const Page* page = pages.next(error);
    if (!page) return false;
    int width = page->width, height = page->height;
    device.setPageSize(pageSizeOf(*page));
    QPainter painter;
    if (!painter.begin(&device)) {
        error = "cannot start printing";
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (std::size_t printed = 0;;) {
        paintPage(painter, *page);
        if (++printed == pages.count()) break;
        page = pages.next(error);
        if (!page) {
            painter.end();
            return false;
        }
        // The page size is looked up (and set) only where it changes: most reports print
        // every page on one paper.
        if (page->width != width || page->height != height) {
            width = page->width, height = page->height;
            device.setPageSize(pageSizeOf(*page));
        }
        if (!device.newPage()) {
            painter.end();
            error = "cannot start a new page";
            return false;
        }
    }
    if (!painter.end()) {
        error = "printing failed";
        return false;
    }
    return true;
}

}  // namespace

bool writePdf(PageSource& pages, const QString& file, std::string& error,
              const std::function<bool(const std::string&)>& beforeInPlace) {
    if (pages.count() == 0) return true;
    ensureApplication();
    // The document is written under a temporary name in the same folder and renamed into
    // place only when complete: a failure or a kill half way leaves an existing file of the
    // name as it was, and never a half-written one under it.
    const std::string target = file.toStdString();
    std::string temporary = target + ".part-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = "cannot write " + target + ": " + std::strerror(errno);
        return false;
    }
    // The document gets the permissions of the file it replaces, or the usual ones.
    struct stat existing {};
    ::fchmod(fd, ::stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
    bool written = false;
    {
        QFile out;
        written = out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
        if (written) {
            QPdfWriter writer(&out);
            writer.setResolution(kUnitsPerInch);
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setCreator(QStringLiteral("tovik"));
            written = paintPages(writer, pages, error);
        }
        if (written && (!out.flush() || out.error() != QFileDevice::NoError)) {
            written = false;
            error = out.errorString().toStdString();
        }
    }
    if (written && ::fsync(fd) != 0) {
        written = false;
        error = std::strerror(errno);
    }
    ::close(fd);
    if (written && beforeInPlace && !beforeInPlace(temporary)) {
        written = false;
        error = "the run could not note the document";
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = false;
        error = std::strerror(errno);
    }
    if (!written) {
        ::unlink(temporary.c_str());  // the named file stays as it was
        error = "cannot write " + target + ": " + error;
    }
    return written;
}

std::string QtPrintBackend::defaultPrinterName() {
    return utf8ToCp1252(QPrinterInfo::defaultPrinterName().toStdString());
}

bool QtPrintBackend::print(PageSource& pages, const PrintSettings& settings, std::string& error) {
    if (pages.count() == 0) return true;
    if (settings.printToFile)
        return writePdf(pages, QString::fromStdString(userFilePath(settings.fileName).string()),
                        error, settings.beforeFileInPlace);
    ensureApplication();
    // Without any printer the device could only answer that printing would not start.
    if (settings.device.empty() && QPrinterInfo::availablePrinters().isEmpty()) {
        error = "no printer is set up on this computer";
        return false;
    }
    QPrinter device(QPrinter::HighResolution);
    if (!settings.device.empty())
        device.setPrinterName(QString::fromStdString(cp1252ToUtf8(settings.device)));
    if (!device.isValid()) {
        error = "printer " + settings.device + " is not available";
        return false;
    }
    return printOnDevice(device, pages, error);
}

bool printOnDevice(QPrinter& device, PageSource& pages, std::string& error) {
    if (pages.count() == 0) return true;
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
