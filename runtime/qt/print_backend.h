#pragma once
// Prints pages through Qt Print Support: to the selected printer, or into a PDF file when
// the printer object prints to a file. Units are 1/1000 inch on both (resolution 1000).

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
    bool print(PageSource& pages, const PrintSettings& settings, std::string& error) override;
};

// Makes TARGET:Printer print through Qt, on the default printer's paper when there is one.
void installPrintBackend();

}  // namespace rt::qt
