// UpdateInvoiceMemo: edits the memo of the invoice the form holds. It writes nothing: the
// text stays in the memo buffer, which the invoice form counts as a change and writes.
#include "frame/procedure.h"
#include "invoices/invoice_memo_window.h"
#include "invoices/invoice_procedures.h"
#include "records/orders.h"

namespace {

using namespace windows::invoice_memo;

class InvoiceMemo : public Procedure {
  public:
    InvoiceMemo() : Procedure(invoiceMemoWindow(), {&ORDERS}) {}

  protected:
    int firstControl() const override { return InvoiceMemoControl::Memo; }
    bool takeEvent() override {
        if (window().event() == EVENT::Accepted && window().field() == InvoiceMemoControl::Ok) {
            LOC.Response = RESP::Cancelled;
            PostCloseWindow();
        }
        return false;
    }
};

}  // namespace

void UpdateInvoiceMemo() {
    InvoiceMemo().run();
}
