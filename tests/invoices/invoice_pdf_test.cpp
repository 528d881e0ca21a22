// The invoice reports with every field holding the longest value it takes, in capitals and
// the widest letters, printed into a PDF: no word leaves its page or label, none stands over
// another.
#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/globals.h"
#include "invoices/invoice_procedures.h"
#include "records/orders.h"
#include "runtime/print/printer.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/invoices/invoice_pdf_printing.h"
#include "tests/runtime/qt/rendered_page.h"
#include "tests/support/pdf_words.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;

// The largest invoice numbers: the summary lists them, the documents print one a page.
constexpr long kWidestNumbers[] = {2147483645, 2147483646, 2147483647};

// Invoices whose every field the reports print is as long and wide as it may be.
void makeWidestInvoices() {
    std::vector<Invoice> invoices;
    for (long number : kWidestNumbers)
        invoices.push_back({std::string(15, 'W'), std::string(15, 'M'), number, "", 99, "99999.99",
                            "999.99", "99999.99", std::string(30, 'W')});
    makeInvoices(invoices);
    ORDERS.open();
    for (long number : kWidestNumbers) {
        ORDERS.clear();
        ORD::INVOICENUMBER.setInteger(number);
        ASSERT_EQ(ORDERS.get(ORD::KEYINVOICENUMBER), 0);
        ORD::ORDERDATE.setInteger(80000);
        ORD::ADDRESS.setText(std::string(30, 'W'));
        ORD::CITY.setText(std::string(15, 'W'));
        ORD::STATE.setText("WW");
        ORD::ZIP.setText("99999");
        ORD::PAYMENTTYPE.setText(std::string(12, 'W'));
        ORD::CARDNUMBER.setText(std::string(30, 'W'));
        ORD::SHIPPINGTYPE.setText(std::string(10, 'W'));
        ORD::SPEED.setText(std::string(12, 'W'));
        for (int line = 1; line <= 8; ++line) {
            const std::string n = std::to_string(line);
            ORDERS.buf().setText(ORDERS.buf().field("ORD:ITEMNO" + n), std::string(8, 'W'));
            ORDERS.buf().setText(ORDERS.buf().field("ORD:DISC" + n), std::string(20, 'W'));
            ORDERS.buf().setInteger(ORDERS.buf().field("ORD:Q" + n), 255);
            ORDERS.buf().setNumber(ORDERS.buf().field("ORD:P" + n), rt::Decimal("99999.99"));
            ORDERS.buf().setNumber(ORDERS.buf().field("ORD:T" + n), rt::Decimal("99999.99"));
        }
        ORD::SHIPPING.setNumber(rt::Decimal("999.99"));
        ORD::PAID.setText("99999.99");
        ORD::BALANCE.setText("99999.99");
        ASSERT_EQ(ORDERS.put(), 0);
    }
    ORDERS.close();
}

TEST(InvoicePdf, LongestValuesStayInTheirBoxesAndApart) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterInvoiceProcedures();
    GLO::CompanyName = std::string(30, 'W');
    GLO::CompanyAddress = std::string(30, 'M');
    GLO::CompanyCityStateZip = std::string(30, 'W');
    makeWidestInvoices();
    struct Report {
        const char* button;
        testsupport::PdfSlots grid;
    };
    // The documents and the summary on the whole sheet; the labels 2.573 by 2.958 inches.
    for (const Report& report : {Report{"Print Tagged Invoice", {0, 0, 8500, 11000}},
                                 Report{"Print Tagged Rpt.", {0, 0, 8500, 11000}},
                                 Report{"Print Taged Shipping Label", {254, 500, 2573, 2958}}}) {
        SCOPED_TRACE(report.button);
        const std::filesystem::path pdf = dir / "invoice.pdf";
        ASSERT_TRUE(printFirstPageToPdf(report.button, pdf));
        testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, report.grid);
        testsupport::expectTheFontsOfTheWindows(pdf);
    }
}

}  // namespace
