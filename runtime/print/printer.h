#pragma once
// The printer object (TARGET:Printer): one for the program's run. It keeps the print
// settings between reports and sends finished pages to the device or a file through the
// print backend that the Qt layer installs.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/print/page.h"
#include "runtime/print/report_structure.h"

namespace rt {

struct PrintSettings {
    int copies = 1;
    bool collate = false;
    bool printToFile = false;
    std::string fileName;  // the file (its file system name) that receives the output when
                           // printToFile is set
    std::string device;    // the printer's name; empty for the system's default printer
    // Printing into a file: called once the document is complete under its temporary name
    // (given), before it replaces the file; false stops there and leaves no new file.
    std::function<bool(const std::string& temporaryFile)> beforeFileInPlace;
};

// The pages of one print job, handed out one at a time in print order: a page stays valid
// until the next one is asked for, so a job never needs all of its pages in memory.
class PageSource {
  public:
    virtual ~PageSource() = default;
    virtual std::size_t count() const = 0;
    // The next page; null with the reason when it cannot be read.
    virtual const Page* next(std::string& error) = 0;
};

// Pages already in memory, in order.
class PagesInMemory : public PageSource {
  public:
    explicit PagesInMemory(std::vector<Page> pages) : pages_(std::move(pages)) {}
    std::size_t count() const override { return pages_.size(); }
    const Page* next(std::string& error) override;

  private:
    std::vector<Page> pages_;
    std::size_t at_ = 0;
};

// What actually prints: implemented by the Qt layer (device and PDF file), by tests with a
// recorder. `pages` arrive in print order with the copies already laid out. A page that
// cannot be read stops the job and fails it.
class PrintBackend {
  public:
    virtual ~PrintBackend() = default;
    virtual std::string defaultPrinterName() = 0;
    // Why there is no default printer (no print service answers, none is set up); empty when
    // there is one or the backend cannot tell.
    virtual std::string whyNoPrinter() { return {}; }
    virtual bool print(PageSource& pages, const PrintSettings& settings, std::string& error) = 0;
    // What the user should know of the last job that printed (a paused printer holds it).
    virtual std::string notice() { return {}; }
};

class Printer {
  public:
    int copies() const { return settings_.copies; }  // PROP:Copies
    void setCopies(int copies) { settings_.copies = copies < 1 ? 1 : copies; }
    bool collate() const { return settings_.collate; }  // PROP:Collate
    void setCollate(bool on) { settings_.collate = on; }
    bool printToFile() const { return settings_.printToFile; }  // PROP:PrintToFile
    void setPrintToFile(bool on) { settings_.printToFile = on; }
    const std::string& printFileName() const { return settings_.fileName; }  // PROP:PrintFileName
    void setPrintFileName(std::string name) { settings_.fileName = std::move(name); }

    // PROP:PrinterDevice: the selected printer, or the backend's default printer.
    std::string device() const;
    void setDevice(std::string name) { settings_.device = std::move(name); }

    // The printer a window named when the user chose to print: the report's job goes there
    // or nowhere, even when the default printer changes before its pages are sent. Set by the
    // destination question, cleared when the report ends.
    void pinDevice(std::string name) { pinned_ = std::move(name); }
    void unpinDevice() { pinned_.reset(); }

    // The call made before a document printed into a file takes its name (one report's).
    void setBeforeFileInPlace(std::function<bool(const std::string&)> call) {
        settings_.beforeFileInPlace = std::move(call);
    }

    // The printer's current paper, used by reports that name no paper of their own.
    PaperSize paper() const { return paper_; }
    void setPaper(PaperSize paper) { paper_ = paper; }

    void setBackend(std::shared_ptr<PrintBackend> backend) { backend_ = std::move(backend); }
    PrintBackend* backend() const { return backend_.get(); }

    // Prints the named pages (page_spool.h) in order with the current settings, reading one
    // page at a time. Every name is looked up first (for a device, every page is read): a
    // missing spool or a page beyond its end prints nothing and gives an error.
    bool printPages(const std::vector<std::string>& names, std::string& error);
    // What the backend said of the last pages that printed, for the user; empty otherwise.
    const std::string& lastNotice() const { return notice_; }

    // Back to the settings the program starts with (tests).
    void reset();

  private:
    PrintSettings settings_;
    std::optional<std::string> pinned_;
    std::string notice_;
    PaperSize paper_ = kLetterPaper;
    std::shared_ptr<PrintBackend> backend_;
};

// TARGET:Printer.
Printer& printer();

// The order in which pages go out for the given copies: collated 1 2 3 1 2 3, otherwise
// 1 1 2 2 3 3 (page indexes from 0).
std::vector<int> printOrder(int pageCount, int copies, bool collate);

}  // namespace rt
