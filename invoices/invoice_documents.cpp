// PrintTaggedInvoices and PrintUnprintedInvoices: the invoice documents, one invoice a page.
// An invoice is marked printed once the run has ended and only when its page reached paper:
// a preview left without printing, a cancelled run or a failed print marks nothing. Both print the
// figures the invoice holds: nothing is worked out again while printing, so a printed invoice adds
// up as it was saved.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "frame/record_report.h"
#include "frame/tagging.h"
#include "invoices/invoice_document_report.h"
#include "invoices/invoice_procedures.h"
#include "invoices/printed_mark.h"
#include "records/company.h"
#include "records/orders.h"
#include "records/tag_file.h"
#include "runtime/ui/dialogs.h"

namespace {

PassSheet documentSheet(bool unprintedRun) {
    PassSheet s;
    s.file = &ORDERS;
    s.key = "ORD:KEYFIRSTNAME";
    s.displayName = "ORDERS";
    if (unprintedRun) {
        s.filter = "Ord:Printed = ' '";
        s.expectedRecords = 500;
    }
    return s;
}

std::vector<rt::RecordFile*> documentFiles(bool unprintedRun) {
    if (unprintedRun) return {&COMPANY, &ORDERS};
    return {&records::tagFile(), &COMPANY, &ORDERS};
}

class InvoiceDocuments : public ReportPass {
  public:
    explicit InvoiceDocuments(bool unprintedRun)
        : ReportPass(unprintedRun ? "Tovik050" : "Tovik049", documentFiles(unprintedRun),
                     documentSheet(unprintedRun)),
          unprintedRun_(unprintedRun) {}

  protected:
    ReportStructurePtr makeReport() override {
        return windows::invoice_document::invoiceDocumentReport(unprintedRun_);
    }

    int recordVerdict() override {
        if (unprintedRun_) return VERDICT::Take;
        return GetTag_(TAG::Invoices, static_cast<long>(ORDERS.pointer())) ? VERDICT::Take
                                                                           : VERDICT::Skip;
    }

    void afterDetail() override { pages_.push_back({ORDERS.pointer(), detailPage()}); }

    void afterPass() override {
        for (const auto& [pointer, page] : pages_) {
            if (!printRun().onPaper(page)) continue;
            if (ORDERS.getPointer(pointer) != 0 || !MarkInvoicePrinted())
                unmarked_.push_back(static_cast<long>(ORD::INVOICENUMBER.integer()));
        }
        if (unmarked_.empty()) return;
        std::string numbers;
        for (long n : unmarked_)
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(n);
        rt::message("These invoices were printed but could not be marked as printed: " + numbers +
                        ". They are still listed as unprinted.",
                    "Invoices Not Marked", ICON::Exclamation);
    }

  private:
    bool unprintedRun_;
    std::vector<std::pair<std::int64_t, int>> pages_;  // each invoice's pointer and page
    std::vector<long> unmarked_;
};

}  // namespace

void PrintTaggedInvoices() {
    InvoiceDocuments(false).run();
}

void PrintUnprintedInvoices() {
    InvoiceDocuments(true).run();
}
