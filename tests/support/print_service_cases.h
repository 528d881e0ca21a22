#pragma once
// A report printed on paper through a print service of the test's own, each way the service
// can fail it or hold it: a queue that refuses jobs, the printer chosen in the options
// removed, the default queue removed while the destination window names it, the queue
// removed or the service stopped while the run makes its pages, a paused queue. The service
// has the queues "Office" (the default) and "Chosen".

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "drivers/headless_backend.h"
#include "frame/report_job.h"
#include "runtime/print/printer.h"
#include "runtime/qt/print_backend.h"
#include "tests/support/print_endings.h"
#include "tests/support/print_service.h"

namespace testsupport {

struct ServiceCase {
    const char* name;
    bool choose;  // "Chosen" is the printer chosen in the options
    std::function<void(TestPrintService&)> before, atDestination, duringRun;
    std::string printer;  // the printer the job was for, named in a message
    bool taken;           // the service took the job
};

inline const std::vector<ServiceCase>& serviceCases() {
    static const std::vector<ServiceCase> cases = {
        {"a queue that refuses jobs",
         false,
         [](TestPrintService& s) { s.refuseJobs("Office"); },
         {},
         {},
         "Office",
         false},
        {"the chosen printer removed",
         true,
         [](TestPrintService& s) { s.remove("Chosen"); },
         {},
         {},
         "Chosen",
         false},
        {"the default printer removed while the destination names it",
         false,
         {},
         [](TestPrintService& s) {
             s.makeDefault("Chosen");
             s.remove("Office");
         },
         {},
         "Office",
         false},
        {"the queue removed during the run",
         false,
         {},
         {},
         [](TestPrintService& s) { s.remove("Office"); },
         "Office",
         false},
        {"the service stopped during the run",
         false,
         {},
         {},
         [](TestPrintService& s) { s.stop(); },
         "Office",
         false},
        {"a paused queue",
         false,
         [](TestPrintService& s) { s.pause("Office"); },
         {},
         {},
         "Office",
         true},
    };
    return cases;
}

// Runs `report` printed without the preview on a fresh service set up as `c` says; the
// messages shown, answered. The service is given back for the test to look at.
inline std::vector<std::string> runOnPrintService(const std::function<void()>& report,
                                                  const ServiceCase& c, TestPrintService& service) {
    const std::string why = service.start();
    if (!why.empty()) {
        ADD_FAILURE() << why;
        return {};
    }
    EXPECT_TRUE(service.addQueue("Office") && service.addQueue("Chosen")) << service.log();
    rt::printer().reset();
    rt::qt::installPrintBackend();
    if (c.choose) SetPrinterDevice("Chosen");
    if (c.before) c.before(service);
    rt::Driver d;
    d.start(report);
    d.waitWindow("Report Destination");
    d.press("Print Report");
    if (c.atDestination) c.atDestination(service);
    d.press("OK");
    d.waitWindow("Generating Report");
    d.settle();  // the first record is found and taken
    if (c.duringRun) c.duringRun(service);
    runTimersUntilAsked(d);
    std::vector<std::string> messages = answerToTheEnd(d);
    EXPECT_TRUE(d.finish());
    return messages;
}

// The messages name the printer; a job not taken is on no queue at all; a paused queue holds
// the job and says so.
inline void expectToldAndNowhereElse(const ServiceCase& c, const std::vector<std::string>& messages,
                                     TestPrintService& service) {
    const std::string printer = "printer " + c.printer;
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [&](const std::string& m) {
        return m.find(printer) != std::string::npos;
    })) << testing::PrintToString(messages);
    if (c.taken) {
        EXPECT_THAT(messages,
                    testing::Contains(printer + " is paused: the pages wait in its queue"));
        EXPECT_EQ(service.jobsOn(c.printer), 1);
    } else {
        for (const char* queue : {"Office", "Chosen"})
            EXPECT_EQ(service.jobsOn(queue), 0) << queue;
    }
}

}  // namespace testsupport
