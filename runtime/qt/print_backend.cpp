#include "runtime/qt/print_backend.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "runtime/print/part_files.h"
#include "runtime/print/print_service.h"
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

// Writes the pages as one PDF document into the open file `fd`.
bool writePdfInto(int fd, PageSource& pages, std::string& error) {
    QFile out;
    if (!out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        error = out.errorString().toStdString();
        return false;
    }
    bool written = false;
    {
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
    return written;
}

// An unnamed file in the temporary folder, gone once closed.
int unnamedTemporaryFile() {
    const char* dir = std::getenv("TMPDIR");
    std::string name = std::string(dir && *dir ? dir : "/tmp") + "/tovik-job-XXXXXX";
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) ::unlink(name.c_str());
    return fd;
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
    // Part files that killed runs left in the folder go first; this run's is locked while it
    // lives, so that no other run takes it for one of them.
    removeAbandonedPartFiles(std::filesystem::path(target).parent_path().empty()
                                 ? std::filesystem::path(".")
                                 : std::filesystem::path(target).parent_path());
    std::string temporary;
    const int fd = createPartFile(target, temporary);
    if (fd < 0) {
        error = "cannot write " + target + ": " + std::strerror(errno);
        return false;
    }
    // The document gets the permissions of the file it replaces, or the usual ones.
    struct stat existing {};
    ::fchmod(fd, ::stat(target.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644);
    bool written = writePdfInto(fd, pages, error);
    if (written && ::fsync(fd) != 0) {
        written = false;
        error = std::strerror(errno);
    }
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
    ::close(fd);  // the lock held until the part file is gone
    return written;
}

std::string QtPrintBackend::defaultPrinterName() {
    std::string why;
    return utf8ToCp1252(defaultPrintQueue(why));
}

std::string QtPrintBackend::whyNoPrinter() {
    std::string why;
    defaultPrintQueue(why);
    return why;
}

bool QtPrintBackend::print(PageSource& pages, const PrintSettings& settings, std::string& error) {
    notice_.clear();
    if (pages.count() == 0) return true;
    if (settings.printToFile)
        return writePdf(pages, QString::fromStdString(userFilePath(settings.fileName).string()),
                        error, settings.beforeFileInPlace);
    ensureApplication();
    // The job goes to the queue named, or to the default queue when none is: never to another.
    std::string queue = cp1252ToUtf8(settings.device);
    if (queue.empty()) {
        queue = defaultPrintQueue(error);
        if (queue.empty()) return false;
    }
    // The pages become one PDF document, which the service takes or refuses as a whole.
    const int fd = unnamedTemporaryFile();
    if (fd < 0) {
        error = std::string("cannot make the print job: ") + std::strerror(errno);
        return false;
    }
    if (!writePdfInto(fd, pages, error)) {
        ::close(fd);
        return false;
    }
    const PrintServiceAnswer answer = submitPdfJob(queue, fd, "Report");
    ::close(fd);
    if (!answer.accepted) {
        error = utf8ToCp1252(answer.error);
        return false;
    }
    notice_ = utf8ToCp1252(answer.notice);
    return true;
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
