#include "runtime/print/printer.h"

#include "runtime/print/page_spool.h"

namespace rt {
namespace {

// Named pages in print order, read from their spool one at a time; a page printed several
// times in a row (copies, not collated) is read once.
class ListedPages : public PageSource {
  public:
    ListedPages(const std::vector<std::string>& names, std::vector<int> order)
        : names_(names), order_(std::move(order)) {}

    // Every page is looked up; with `readEach`, read as well.
    bool check(bool readEach, std::string& error) {
        for (const std::string& name : names_) {
            if (!readEach) {
                if (!reader_.check(name, error)) return false;
                continue;
            }
            PageReadResult read = reader_.read(name);
            if (!read.ok()) {
                error = read.error;
                return false;
            }
        }
        return true;
    }

    std::size_t count() const override { return order_.size(); }

    const Page* next(std::string& error) override {
        if (at_ >= order_.size()) {
            error = "no more pages to print";
            return nullptr;
        }
        const int index = order_[at_++];
        if (index != held_) {
            held_ = -1;
            PageReadResult read = reader_.read(names_[static_cast<std::size_t>(index)]);
            if (!read.ok()) {
                error = read.error;
                return nullptr;
            }
            page_ = std::move(read.page);
            held_ = index;
        }
        return &page_;
    }

  private:
    const std::vector<std::string>& names_;
    std::vector<int> order_;
    std::size_t at_ = 0;
    PageReader reader_;
    Page page_;
    int held_ = -1;  // the index of the page in page_
};

}  // namespace

const Page* PagesInMemory::next(std::string& error) {
    if (at_ >= pages_.size()) {
        error = "no more pages to print";
        return nullptr;
    }
    return &pages_[at_++];
}

std::string Printer::device() const {
    if (!settings_.device.empty() || !backend_) return settings_.device;
    return backend_->defaultPrinterName();
}

bool Printer::printPages(const std::vector<std::string>& names, std::string& error) {
    notice_.clear();
    if (names.empty()) return true;
    if (!backend_) {
        error = "no printer is available";
        return false;
    }
    if (settings_.printToFile && settings_.fileName.empty()) {
        error = "printing into a file needs a file name";
        return false;
    }
    ListedPages pages(
        names, printOrder(static_cast<int>(names.size()), settings_.copies, settings_.collate));
    // A job sent to a device cannot be taken back once it has started, so its pages are read
    // once before; a file that fails half way is removed by the backend.
    if (!pages.check(!settings_.printToFile, error)) return false;
    PrintSettings settings = settings_;
    settings.device = settings_.device.empty() && pinned_ ? *pinned_ : device();
    // The window named no printer: the pages go nowhere rather than to one found since.
    if (!settings.printToFile && pinned_ && settings.device.empty()) {
        error = backend_->whyNoPrinter();
        if (error.empty()) error = "no printer was named";
        return false;
    }
    if (!backend_->print(pages, settings, error)) return false;
    notice_ = backend_->notice();
    return true;
}

void Printer::reset() {
    settings_ = PrintSettings{};
    pinned_.reset();
    notice_.clear();
    paper_ = kLetterPaper;
    backend_.reset();
}

Printer& printer() {
    static Printer instance;
    return instance;
}

std::vector<int> printOrder(int pageCount, int copies, bool collate) {
    std::vector<int> order;
    if (pageCount <= 0) return order;
    if (copies < 1) copies = 1;
    order.reserve(static_cast<std::size_t>(pageCount) * copies);
    if (collate) {
        for (int c = 0; c < copies; ++c)
            for (int p = 0; p < pageCount; ++p)
                order.push_back(p);
    } else {
        for (int p = 0; p < pageCount; ++p)
            for (int c = 0; c < copies; ++c)
                order.push_back(p);
    }
    return order;
}

}  // namespace rt
