#include "runtime/print/printer.h"

#include "runtime/print/page_file.h"

namespace rt {

std::string Printer::device() const {
    if (!settings_.device.empty() || !backend_) return settings_.device;
    return backend_->defaultPrinterName();
}

bool Printer::printPageFiles(const std::vector<std::filesystem::path>& files, std::string& error) {
    if (files.empty()) return true;
    if (!backend_) {
        error = "no printer is available";
        return false;
    }
    if (settings_.printToFile && settings_.fileName.empty()) {
        error = "printing into a file needs a file name";
        return false;
    }
    std::vector<Page> pages;
    pages.reserve(files.size());
    for (const auto& file : files) {
        PageReadResult read = readPageFile(file);
        if (!read.ok()) {
            error = read.error;
            return false;
        }
        pages.push_back(std::move(read.page));
    }
    PrintSettings settings = settings_;
    settings.device = device();
    // One copy of the pages in memory: only more than one copy needs them laid out again.
    if (settings_.copies <= 1) return backend_->print(pages, settings, error);
    std::vector<Page> ordered;
    for (int index :
         printOrder(static_cast<int>(pages.size()), settings_.copies, settings_.collate))
        ordered.push_back(pages[static_cast<std::size_t>(index)]);
    return backend_->print(ordered, settings, error);
}

void Printer::reset() {
    settings_ = PrintSettings{};
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
