#include "tests/frame/report_test_pages.h"

#include <memory>
#include <utility>

#include "runtime/print/printer.h"
#include "runtime/print/report_structure.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "tests/support/label_sheet.h"

namespace testsupport {

namespace {

std::vector<std::string> textsOf(const rt::Page& page) {
    std::vector<std::string> out;
    for (const rt::PageItem& item : page.items)
        if (const auto* text = std::get_if<rt::PageText>(&item)) out.push_back(text->text);
    return out;
}

class RecordingBackend : public rt::PrintBackend {
  public:
    std::string defaultPrinterName() override { return "Test Printer"; }
    bool print(rt::PageSource& pages, const rt::PrintSettings&, std::string& error) override {
        for (std::size_t n = 0; n < pages.count(); ++n) {
            const rt::Page* page = pages.next(error);
            if (!page) return false;
            printed.push_back(textsOf(*page));
        }
        return true;
    }
    std::vector<std::vector<std::string>> printed;
};

std::shared_ptr<RecordingBackend>& recorder() {
    static std::shared_ptr<RecordingBackend> backend;
    return backend;
}

}  // namespace

ReportStructurePtr labelReport(std::function<std::string()> line) {
    return ReportStructurePtr(new rt::ReportStructure(labelSheet(std::move(line))));
}

void writeTestPages(rt::PageSpool& spool, int count, rt::PageList& queue, bool placeholder) {
    for (int n = 1; n <= count; ++n) {
        rt::Page page;
        rt::PageText title;
        title.x = 500;
        title.y = 500;
        title.text = "PAGE " + std::to_string(n);
        page.items.push_back(title);
        if (placeholder) {
            rt::PageText number = title;
            number.y = 10500;
            number.text = "Page xxxxx of xxxxx";
            page.items.push_back(number);
            if (n == 3) page.items.push_back(number);
        }
        std::string error;
        if (!spool.append(page, error)) return;
        queue.add(spool.pageName(spool.pageCount() - 1));
    }
}

std::vector<std::string> pageTexts(const std::string& name) {
    rt::PageReadResult read = rt::readPage(name);
    return read.ok() ? textsOf(read.page) : std::vector<std::string>{};
}

PrinterState printerState() {
    const rt::Printer& p = rt::printer();
    return {p.copies(), p.collate(), p.printToFile(), p.printFileName(), p.device()};
}

void resetRecordingPrinter() {
    rt::printer().reset();
    recorder() = std::make_shared<RecordingBackend>();
    rt::printer().setBackend(recorder());
}

std::vector<std::vector<std::string>> printedPages() {
    return recorder() ? recorder()->printed : std::vector<std::vector<std::string>>{};
}

void installPdfPrinting() {
    rt::qt::ensureApplication();
    rt::printer().reset();
    rt::qt::installPrintBackend();
}

}  // namespace testsupport
