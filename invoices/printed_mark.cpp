#include "invoices/printed_mark.h"

#include <cstdint>

#include "records/orders.h"
#include "runtime/data/errors.h"
#include "runtime/text/fixed_text.h"

namespace {

bool marked() {
    return rt::clip(ORD::PRINTED.text()) == "Y";
}

}  // namespace

bool MarkInvoicePrinted() {
    if (marked()) return true;
    const std::int64_t pointer = ORDERS.pointer();
    ORD::PRINTED.setText("Y");
    int code = ORDERS.put();
    if (code == rt::FileError::RecordChanged) {
        code = ORDERS.getPointer(pointer);
        if (code == 0 && !marked()) {
            ORD::PRINTED.setText("Y");
            code = ORDERS.put();
        }
    }
    return code == 0;
}
