#pragma once
// A printer that keeps the pages it is given, items and places included, and looks at them.

#include <algorithm>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "runtime/print/printer.h"
#include "runtime/text/fixed_text.h"

namespace testsupport {

// Every page of a print job, appended to `into`; false with the reason when one cannot be
// read (the pages before it are kept).
inline bool takePages(rt::PageSource& pages, std::vector<rt::Page>& into, std::string& error) {
    for (std::size_t n = 0; n < pages.count(); ++n) {
        const rt::Page* page = pages.next(error);
        if (!page) return false;
        into.push_back(*page);
    }
    return true;
}

// A printer that keeps every page it prints, items and places included.
class PageKeeper : public rt::PrintBackend {
  public:
    std::string defaultPrinterName() override { return "Test Printer"; }
    bool print(rt::PageSource& pages, const rt::PrintSettings&, std::string& error) override {
        return takePages(pages, printed, error);
    }
    std::vector<rt::Page> printed;
};

inline std::shared_ptr<PageKeeper> installPageKeeper() {
    auto keeper = std::make_shared<PageKeeper>();
    rt::printer().reset();
    rt::printer().setBackend(keeper);
    return keeper;
}

// The texts of a page in drawing order.
inline std::vector<std::string> pageTexts(const rt::Page& page) {
    std::vector<std::string> out;
    for (const rt::PageItem& item : page.items)
        if (const auto* t = std::get_if<rt::PageText>(&item)) out.push_back(t->text);
    return out;
}

// The first text of the page that reads `wanted` without its blanks, or nullptr.
inline const rt::PageText* findText(const rt::Page& page, const std::string& wanted) {
    for (const rt::PageItem& item : page.items) {
        const auto* t = std::get_if<rt::PageText>(&item);
        if (!t) continue;
        const std::string_view shown = rt::clip(t->text);
        if (shown.substr(std::min(shown.find_first_not_of(' '), shown.size())) == wanted) return t;
    }
    return nullptr;
}

}  // namespace testsupport
