// A report printed as the program prints it, driven by a scenario through the destination
// window: into a PDF file under the name typed (headless and through real widgets), and on
// paper through the print service, a virtual PDF printer queue of a print server this test
// starts itself. Printed from the preview, the report gives the keyboard back to the window
// that ran it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "drivers/driver.h"
#include "drivers/qt/qt_driver.h"
#include "frame/record_report.h"
#include "frame/report_destination.h"
#include "runtime/print/printer.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/dialogs.h"
#include "tests/frame/report_test_pages.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/pdf_report.h"
#include "tests/support/print_service.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

rt::RecordFile& names() {
    static rt::RecordFile* file =
        new rt::RecordFile(rt::FileDecl("PRINTED", "PRN:")
                               .attributes(rt::CREATE | rt::THREAD)
                               .STRING("PRN:NAME", 20)
                               .KEY("PRN:KEYNAME", rt::DUP | rt::NOCASE, {"PRN:NAME"}));
    return *file;
}

// Labels of every name, in name order.
class PrintNames : public ReportPass {
  public:
    PrintNames() : ReportPass("NameLabels", {&names()}, sheet(), options()) {}

  protected:
    ReportStructurePtr makeReport() override {
        return testsupport::labelReport([this] { return line_; });
    }
    int recordVerdict() override { return VERDICT::Take; }
    void beforeDetail() override { line_ = "LABEL " + std::string(rt::clip(name_.text())); }

  private:
    static PassSheet sheet() {
        PassSheet s;
        s.file = &names();
        s.key = "PRN:KEYNAME";
        s.displayName = "PRINTED";
        return s;
    }
    static ReportOptions options() {
        ReportOptions o;
        o.labelLayout = true;
        return o;
    }
    rt::Field name_{names(), "PRN:NAME"};
    std::string line_;
};

void makeThirtyOneNames() {
    rt::RecordFile& f = names();
    if (f.create() == 0 && f.open() == 0) {
        rt::Field name(f, "PRN:NAME");
        for (int i = 1; i <= 31; ++i) {
            char text[16];
            std::snprintf(text, sizeof text, "NAME %02d", i);
            f.clear();
            name.setText(text);
            f.add();
        }
        f.close();
    }
}

// The program of these tests: 31 names (two pages of labels), the report, and a message
// once it is done, so that a scenario can wait for the end of the printing.
void printThirtyOneLabels() {
    makeThirtyOneNames();
    PrintNames().run();
    rt::message("The labels are printed.");
}

// Both pages of labels, every label once, in the PDF file, with the footer a page shows:
// unnumbered when printed without the preview, which numbers the pages.
void expectTheLabels(const fs::path& pdf, const char* footer = "Page xxxxx of xxxxx") {
    ASSERT_TRUE(fs::exists(pdf)) << pdf;
    EXPECT_THAT(testsupport::commandOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null"),
                testing::ContainsRegex("Pages: +2\n"));
    const std::string text =
        testsupport::commandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
    for (const char* label : {"LABEL NAME 01", "LABEL NAME 30", "LABEL NAME 31"})
        EXPECT_THAT(text, HasSubstr(label));
    EXPECT_THAT(text, HasSubstr(footer));
}

rt::ScenarioResult runWith(bool widgets, const std::string& script) {
    std::istringstream in(script);
    if (!widgets) return rt::runScenario(in, &printThirtyOneLabels, "printing");
    rt::qt::QtDriver driver;
    return rt::runScenarioWith(driver, in, &printThirtyOneLabels, "printing");
}

class PrintIntoAFile : public testing::TestWithParam<bool> {};

TEST_P(PrintIntoAFile, TheScenarioFindsThePdfUnderTheNameTyped) {
    testsupport::TempDir dir{/*enter=*/true};
    rt::qt::ensureApplication();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    const std::string script = R"(
window "Report Destination"
press "Options"
window "Print Options"
press "Print To FIle"
type 7 "names.pdf"
press "OK"
window "Report Destination"
press "Print Report"
press "OK"
expect message "The labels are printed."
answer "OK"
)";
    rt::ScenarioResult result = runWith(GetParam(), script);
    ASSERT_TRUE(result.passed) << result.report;
    expectTheLabels(dir / "names.pdf");
    rt::printer().reset();
}

TEST(PrintFromThePreview, ThePreviewClosesAndTheCallerHasTheKeyboardAgain) {
    testsupport::TempDir dir{/*enter=*/true};
    rt::qt::ensureApplication();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    makeThirtyOneNames();
    qttest::CallerWindow caller{[] { PrintNames().run(); }};
    rt::qt::QtDriver driver;
    auto step = [&driver](const char* what, const std::function<void()>& act) {
        try {
            act();
        } catch (const std::exception& e) {
            ADD_FAILURE() << what << ": " << e.what() << "\n" << driver.dump();
            return false;
        }
        return true;
    };
    using rt::ControlName;
    driver.start([&] { caller(); });
    ASSERT_TRUE(step("into the destination window", [&] {
        driver.waitWindow("Caller");
        driver.press(ControlName::parse("\"Call\""));
        driver.waitWindow("Report Destination");
        driver.press(ControlName::parse("\"Options\""));
        driver.waitWindow("Print Options");
        driver.press(ControlName::parse("\"Print To FIle\""));
        driver.type(ControlName::parse("7"), "names.pdf");
        driver.press(ControlName::parse("\"OK\""));
        driver.waitWindow("Report Destination");
        driver.press(ControlName::parse("\"OK\""));
    }));
    ASSERT_TRUE(step("printing from the preview", [&] {
        driver.waitWindow("Report Preview");
        driver.press(ControlName::parse("1"));  // the tool bar's print button
        driver.waitWindow("Print Options");
        driver.press(ControlName::parse("\"OK\""));
    }));
    // Not through the driver's wait for a window, which would activate it.
    rt::Window* from = caller.window;
    ASSERT_NE(from, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        driver.settle();
        return qttest::topWindow() == from;
    }));
    EXPECT_TRUE(qttest::keyboardBackOn(driver.backend(), from, 2));
    EXPECT_TRUE(driver.finish());
    expectTheLabels(dir / "names.pdf", "Page 2 of 2");
    rt::printer().reset();
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWidgets, PrintIntoAFile, testing::Bool(),
                         [](const auto& info) { return info.param ? "Widgets" : "Headless"; });

// ---------------------------------------------------------------- the print service

constexpr const char* kQueue = "TovikPDF";

TEST(PrintOnPaper, AReportReachesTheVirtualPdfPrinterThroughTheDestinationWindow) {
    if (!testsupport::TestPrintService::mayStart())
        GTEST_SKIP() << "starting a print service for this test needs root";
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::TestPrintService service;
    const std::string why = service.start();
    ASSERT_TRUE(why.empty()) << why;
    ASSERT_TRUE(service.addQueue(kQueue, /*intoPdfFiles=*/true)) << service.log();
    rt::qt::ensureApplication();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    const auto since = fs::file_time_type::clock::now() - std::chrono::seconds(1);
    // The printer is chosen in the printer dialog (the service's only queue, its default).
    const std::string script = R"(
window "Report Destination"
press "Options"
window "Print Options"
press "Select"
answer "Print"
window "Print Options"
expect 10 "TovikPDF"
press "OK"
window "Report Destination"
press "Print Report"
press "OK"
expect message "The labels are printed."
answer "OK"
)";
    rt::ScenarioResult result = runWith(true, script);
    ASSERT_TRUE(result.passed) << result.report << "\n" << service.log();
    // The job is done when the server has none left; its PDF is complete then.
    service.waitForJobs();
    std::vector<fs::path> printed = testsupport::printedSince(since);
    ASSERT_EQ(printed.size(), 1u) << service.log();
    expectTheLabels(printed.front());
    if (!HasFailure()) fs::remove(printed.front());
    rt::printer().reset();
}

}  // namespace

namespace {

// "Current Printer:" of both windows names the default printer, or says why there is none.
TEST(CurrentPrinter, BothWindowsSayWhyNoPrinterCanBeNamed) {
    if (!testsupport::TestPrintService::mayStart())
        GTEST_SKIP() << "starting a print service for this test needs root";
    rt::qt::ensureApplication();
    testsupport::TestPrintService service;
    struct Case {
        const char* name;
        std::function<void()> setUp;
        std::string shown;
    };
    const Case cases[] = {
        {"no print service", [] {}, "No print service answers"},
        {"a service without a printer", [&] { ASSERT_TRUE(service.start().empty()); },
         "No printer is set up on this computer"},
        {"a service with a printer", [&] { ASSERT_TRUE(service.addQueue(kQueue)); }, kQueue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp();
        rt::printer().reset();
        rt::qt::installPrintBackend();
        rt::Driver d;
        d.start([] { SelectReportDestination(); });
        d.waitWindow("Report Destination");
        EXPECT_EQ(rt::clip(d.text(rt::ControlName::parse("2"))), c.shown);
        d.press("Options");
        d.waitWindow("Print Options");
        EXPECT_EQ(rt::clip(d.text(rt::ControlName::parse("10"))), c.shown);
        d.press("OK");
        d.waitWindow("Report Destination");
        d.press("Cancel");
        EXPECT_TRUE(d.finish());
    }
    rt::printer().reset();
}

}  // namespace
