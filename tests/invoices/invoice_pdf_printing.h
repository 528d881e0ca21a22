#pragma once
// The first page of a report of the invoice list, every invoice tagged, printed into a PDF.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "drivers/driver.h"
#include "invoices/invoice_procedures.h"
#include "runtime/print/printer.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/runtime/qt/rendered_page.h"

namespace invoicetest {

// Presses `button` of the invoice list with every invoice tagged, prints the report and
// writes its first page into `pdf`; false, with a failure noted, when nothing printed.
inline bool printFirstPageToPdf(const char* button, const std::filesystem::path& pdf) {
    auto keeper = installPageKeeper();
    rt::Driver driver;
    driver.start(&BrowseInvoices);
    driver.waitWindow("Browse Invoice Records");
    driver.press("Tag &All");
    driver.press(button);
    driver.waitWindow("Report Destination");
    driver.press("Print Report");
    driver.press("OK");
    driver.waitWindow("Browse Invoice Records");
    driver.press("Close");
    EXPECT_TRUE(driver.finish());
    rt::printer().reset();
    EXPECT_FALSE(keeper->printed.empty()) << button;
    if (keeper->printed.empty()) return false;
    std::string error;
    const bool written = rendered::printToPdf({keeper->printed.front()}, pdf, error);
    EXPECT_TRUE(written) << error;
    return written;
}

}  // namespace invoicetest
