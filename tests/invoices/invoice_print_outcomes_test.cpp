// The invoice documents ended each way a print run can end, with another station changing an
// invoice while the run goes on: only invoices whose pages reached paper are marked printed,
// and the other station's change is kept. On paper, the pages reached it only when the print
// service took the job.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "invoices/invoice_procedures.h"
#include "records/orders.h"
#include "runtime/print/printer.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/support/page_keeper.h"
#include "tests/support/print_endings.h"
#include "tests/support/print_service_cases.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;
using testsupport::Ending;

constexpr const char* kOtherStationsAddress = "9 Changed Road";

void changeAddressElsewhere(long pointer) {
    testsupport::writeAsAnotherStation(ORDERS, ORD::ADDRESS, pointer, kOtherStationsAddress);
}

TEST(InvoicePrintOutcomes, OnlyInvoicesOnPaperAreMarkedPrinted) {
    testsupport::TempDir dir{/*enter=*/true};
    GLO::CompanyName = "Acme Supply";
    const std::filesystem::path pdf = dir / "invoices.pdf";
    struct Run {
        const char* name;
        void (*procedure)();
        bool tagged;
    };
    const Run runs[] = {{"unprinted", &PrintUnprintedInvoices, false},
                        {"tagged", &PrintTaggedInvoices, true}};
    for (const Run& r : runs) {
        for (Ending ending : testsupport::kEndings) {
            SCOPED_TRACE(std::string(r.name) + ", " + testsupport::nameOf(ending));
            testsupport::installPageKeeper();
            const auto p = makeInvoices({{"Al", "Adams", 1, "", 1, "10.00", "0", "10.00"},
                                         {"Bo", "Brown", 2, "", 1, "20.00", "0", "20.00"}});
            OpenTagFile_();
            NewTag_(TAG::Invoices);
            for (long pointer : p)
                if (r.tagged) SetTag_(TAG::Invoices, pointer, "");
            CloseTagFile_();
            testsupport::runEndedBy(r.procedure, ending, pdf,
                                    [&] { changeAddressElsewhere(p[0]); });
            const std::string expected = testsupport::onPaper(ending) ? "Y" : "";
            for (long number : {1L, 2L}) {
                ASSERT_TRUE(readInvoice(number));
                EXPECT_EQ(text(ORD::PRINTED), expected) << number;
                if (number == 1 && ending != Ending::CancelAtDestination) {
                    EXPECT_EQ(text(ORD::ADDRESS), kOtherStationsAddress);
                }
            }
            std::filesystem::remove(pdf);
        }
    }
    rt::printer().reset();
}

// Printed on paper through a print service of the test's own: marked printed only when the
// service took the job; otherwise the message names the printer and no page went anywhere.
TEST(InvoicePrintOutcomes, InvoicesAreMarkedPrintedOnlyWhenTheServiceTookTheJob) {
    if (!testsupport::TestPrintService::mayStart())
        GTEST_SKIP() << "starting a print service needs root";
    testsupport::TempDir dir{/*enter=*/true};
    GLO::CompanyName = "Acme Supply";
    for (const testsupport::ServiceCase& c : testsupport::serviceCases()) {
        SCOPED_TRACE(c.name);
        makeInvoices({{"Al", "Adams", 1, "", 1, "10.00", "0", "10.00"},
                      {"Bo", "Brown", 2, "", 1, "20.00", "0", "20.00"}});
        testsupport::TestPrintService service;
        const auto messages = testsupport::runOnPrintService(&PrintUnprintedInvoices, c, service);
        for (long number : {1L, 2L}) {
            ASSERT_TRUE(readInvoice(number));
            EXPECT_EQ(text(ORD::PRINTED), c.taken ? "Y" : "") << number;
        }
        testsupport::expectToldAndNowhereElse(c, messages, service);
    }
    rt::printer().reset();
}

}  // namespace
