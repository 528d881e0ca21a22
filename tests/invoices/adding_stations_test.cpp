// Invoices added by several stations at once: an invoice being added belongs to its station
// until it is saved or cancelled, and a station killed while adding leaves no invoice behind.

#include <gtest/gtest.h>

#include "invoices/invoice_procedures.h"
#include "records/orders.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/support/adding_stations.h"
#include "tests/support/temp_dir.h"

namespace {

testsupport::AddingForm invoiceForm() {
    return {&UpdateInvoice, "", "ORD:COMPANY", records::ordersDeclaration(), "ORD:INVOICENUMBER"};
}

TEST(AddingInvoices, TwoStationsAddingAtOnceEachKeepTheirOwnInvoice) {
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::raceTwoStations(invoiceForm(), [] { invoicetest::makeInvoices({}); });
}

TEST(AddingInvoices, StationsKilledWhileAddingLeaveNoInvoiceBehind) {
    testsupport::TempDir dir{/*enter=*/true};
    invoicetest::makeInvoices({});
    testsupport::killWhileAdding(invoiceForm(), 25);
}

}  // namespace
