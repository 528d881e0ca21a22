// PrintInvoiceReport: the invoice summary over the tagged invoices, or over every invoice when
// none is tagged, in the file's record order, 1000 invoices a batch, progress by bytes read.
#include "frame/record_report.h"
#include "frame/tagging.h"
#include "invoices/invoice_procedures.h"
#include "invoices/invoice_summary_report.h"
#include "records/orders.h"
#include "records/tag_file.h"

namespace {

PassSheet summarySheet() {
    PassSheet s;
    s.file = &ORDERS;
    s.displayName = "ORDERS";
    s.batchSize = 1000;
    s.countBytes = true;
    return s;
}

class InvoiceSummary : public ReportPass {
  public:
    InvoiceSummary() : ReportPass("Tovik053", {&records::tagFile(), &ORDERS}, summarySheet()) {}

  protected:
    ReportStructurePtr makeReport() override {
        return windows::invoice_summary::invoiceSummaryReport();
    }
    void beforePass() override { tagsInUse_ = FirstTag_(TAG::Invoices) != 0; }
    int recordVerdict() override {
        if (!tagsInUse_) return VERDICT::Take;
        return GetTag_(TAG::Invoices, static_cast<long>(ORDERS.pointer())) ? VERDICT::Take
                                                                           : VERDICT::Skip;
    }

  private:
    bool tagsInUse_ = false;
};

}  // namespace

void PrintInvoiceReport() {
    InvoiceSummary().run();
}
