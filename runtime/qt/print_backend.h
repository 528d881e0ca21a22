#pragma once
// Prints pages as PDF drawn by Qt: into a file when the printer object prints to a file,
// otherwise as one job on the named print service queue (the default queue when none is
// named), handed over through the service's own library so that its answer counts. Units
// are 1/1000 inch (resolution 1000).

#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "runtime/print/page.h"
#include "runtime/print/printer.h"

namespace rt::qt {

// Writes the pages into one PDF file, each page at its own paper size, under a temporary
// name in the file's folder, renamed to `file` once complete. A page that cannot be read or
// a write that fails leaves no new file and an existing one as it was.
// `beforeInPlace`, when set, is called with the temporary name just before the rename.
bool writePdf(PageSource& pages, const QString& file, std::string& error,
              const std::function<bool(const std::string&)>& beforeInPlace = {});

// Prints the pages on a printer set up by the caller (its name, or a file format): the
// device is switched to 1/1000 inch units over the full page, one copy. A page that cannot
// be read ends the job there (the printer object reads every page before a device job).
bool printOnDevice(QPrinter& device, PageSource& pages, std::string& error);

class QtPrintBackend : public PrintBackend {
  public:
    std::string defaultPrinterName() override;
    std::string whyNoPrinter() override;
    // Done only when the service accepted the job; its refusal, a missing queue or a service
    // that does not answer fail it with the printer's name and the service's reason.
    bool print(PageSource& pages, const PrintSettings& settings, std::string& error) override;
    std::string notice() override { return notice_; }

  private:
    std::string notice_;
};

// Makes TARGET:Printer print through Qt, on the default printer's paper when there is one.
void installPrintBackend();

}  // namespace rt::qt
