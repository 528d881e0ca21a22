// Pages printed on paper go to the print service as one job on the queue named, and count as
// printed only when the service took the job: on a service of the test's own, a queue that
// refuses jobs, a queue that is missing and a service that stopped each fail the job with
// the printer's name and the service's reason, and nothing goes to another queue; a paused
// queue takes the job and says where the pages wait. With no service answering, the default
// printer is none, and the reason says so.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "runtime/print/printer.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "tests/support/print_service.h"

namespace {

using testing::HasSubstr;
using testsupport::TestPrintService;

rt::Page onePage() {
    rt::Page page;
    page.items.emplace_back(rt::PageBox{1000, 1000, 500, 500, 0, rt::kBlack, rt::kBlack, false});
    return page;
}

struct JobCase {
    const char* name;
    std::string device;  // empty: the default queue
    std::function<void(TestPrintService&)> before;
    bool taken;
    std::string errorHas, errorHasToo;  // in the message when not taken
    std::string notice;
};

TEST(PrintServiceJob, OnlyAJobTheServiceTookIsPrinted) {
    if (!TestPrintService::mayStart()) GTEST_SKIP() << "starting a print service needs root";
    rt::qt::ensureApplication();
    const std::vector<JobCase> cases = {
        {"the default queue", "", {}, true, "", "", ""},
        {"a queue named", "Second", {}, true, "", "", ""},
        {"a queue that refuses jobs", "", [](TestPrintService& s) { s.refuseJobs("Office"); },
         false, "printer Office", "not accepting jobs", ""},
        {"a queue removed", "Second", [](TestPrintService& s) { s.remove("Second"); }, false,
         "printer Second", "not set up", ""},
        {"a stopped service", "", [](TestPrintService& s) { s.stop(); }, false,
         "no print service answers", "", ""},
        {"a paused queue", "Second", [](TestPrintService& s) { s.pause("Second"); }, true, "", "",
         "printer Second is paused: the pages wait in its queue"},
    };
    for (const JobCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestPrintService service;
        const std::string why = service.start();
        ASSERT_TRUE(why.empty()) << why;
        ASSERT_TRUE(service.addQueue("Office") && service.addQueue("Second")) << service.log();
        if (c.before) c.before(service);
        rt::qt::QtPrintBackend backend;
        rt::PrintSettings settings;
        settings.device = c.device;
        rt::PagesInMemory pages({onePage()});
        std::string error;
        EXPECT_EQ(backend.print(pages, settings, error), c.taken) << error;
        EXPECT_EQ(backend.notice(), c.notice);
        const std::string queue = c.device.empty() ? "Office" : c.device;
        if (c.taken) {
            EXPECT_EQ(service.jobsOn(queue), 1);
        } else {
            EXPECT_THAT(error, HasSubstr(c.errorHas));
            EXPECT_THAT(error, HasSubstr(c.errorHasToo));
        }
        // Nothing went anywhere else.
        const std::string other = queue == "Office" ? "Second" : "Office";
        EXPECT_EQ(service.jobsOn(other), 0) << other;
        if (c.notice.empty()) service.waitForJobs();
    }
}

// With no print service answering, or one without a printer, there is no default printer,
// the reason is said, and printing to the default printer fails with it.
TEST(PrintServiceJob, WithoutAServiceOrAPrinterTheReasonIsSaid) {
    if (!TestPrintService::mayStart()) GTEST_SKIP() << "starting a print service needs root";
    rt::qt::ensureApplication();
    TestPrintService service;
    ASSERT_TRUE(service.start().empty());
    for (const bool running : {true, false}) {
        SCOPED_TRACE(running ? "a service without a printer" : "no service");
        if (!running) service.stop();
        const std::string reason =
            running ? "no printer is set up on this computer" : "no print service answers";
        rt::qt::QtPrintBackend backend;
        EXPECT_EQ(backend.defaultPrinterName(), "");
        EXPECT_EQ(backend.whyNoPrinter(), reason);
        rt::PagesInMemory pages({onePage()});
        std::string error;
        EXPECT_FALSE(backend.print(pages, rt::PrintSettings{}, error));
        EXPECT_EQ(error, reason);
    }
}

}  // namespace
