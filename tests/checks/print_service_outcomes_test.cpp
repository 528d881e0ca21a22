// Checks and drafts printed on paper keep their mark, number and count only when the print
// service took the job: on a service of the test's own that refuses the job, lost the queue
// or stopped, every check and draft of the run is put back, the messages name the printer,
// and no page goes to another queue. A paused queue takes the job: the run keeps its marks
// and says where the pages wait.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "checks/check_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "runtime/print/printer.h"
#include "runtime/text/day_number.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/print_service_cases.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
using testsupport::ServiceCase;
using testsupport::TestPrintService;

bool putBackTold(const std::vector<std::string>& messages) {
    return std::any_of(messages.begin(), messages.end(), [](const std::string& m) {
        return m.find("did not reach paper") != std::string::npos;
    });
}

class PrintServiceOutcomes : public testing::Test {
  protected:
    void SetUp() override {
        if (!TestPrintService::mayStart()) GTEST_SKIP() << "starting a print service needs root";
    }
    void TearDown() override { rt::printer().reset(); }
    testsupport::TempDir dir{/*enter=*/true};
};

TEST_F(PrintServiceOutcomes, ChecksKeepTheirMarkOnlyWhenTheServiceTookTheJob) {
    for (const ServiceCase& c : testsupport::serviceCases()) {
        SCOPED_TRACE(c.name);
        makeThreeSmiths(TAG::ChecksToPrint);
        TestPrintService service;
        const auto messages = testsupport::runOnPrintService(
            [] {
                CHECKS.clear();
                CHE::LASTNAME.setText("SMITH");
                PrintCheckStyle1Tagged();
            },
            c, service);
        const auto stored = storedChecks();
        ASSERT_EQ(stored.size(), 3u);
        const std::vector<std::string> done = c.taken ? std::vector<std::string>{"Y", "Y", "Y"}
                                                      : std::vector<std::string>{"", "", "Y"};
        const std::vector<std::string> left = c.taken ? std::vector<std::string>{"2", "", "5"}
                                                      : std::vector<std::string>{"3", "", "5"};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(stored[i].done, done[i]) << i;
            EXPECT_EQ(stored[i].draftsLeft, left[i]) << i;
        }
        EXPECT_EQ(putBackTold(messages), !c.taken) << testing::PrintToString(messages);
        testsupport::expectToldAndNowhereElse(c, messages, service);
    }
}

TEST_F(PrintServiceOutcomes, DraftsKeepTheirNumberAndCountOnlyWhenTheServiceTookTheJob) {
    const long today = rt::today();
    const long march = rt::date(3, 1, 2026);
    for (const ServiceCase& c : testsupport::serviceCases()) {
        SCOPED_TRACE(c.name);
        Check zeta{"Zed", "Zeta", "Acme", "10.00", "", "1"};
        Check adams{"Al", "Adams", "Bolt", "20.00", "", "3"};
        zeta.checkNumber = adams.checkNumber = "77";
        OpenTagFile_();
        NewTag_(TAG::MonthlyDrafts);
        CloseTagFile_();
        tagChecks(TAG::MonthlyDrafts, makeChecks({zeta, adams}));
        GLO::LastCheckNumber = "1000";
        TestPrintService service;
        const auto messages = testsupport::runOnPrintService(&PrintMonthlyDrafts, c, service);
        const auto stored = storedChecks();
        ASSERT_EQ(stored.size(), 2u);
        // Adams prints first (last-name order) as 1001, Zeta as 1002.
        if (c.taken) {
            EXPECT_EQ(stored[0].number, "1002");
            EXPECT_EQ(stored[0].draftsLeft, "0");
            EXPECT_EQ(stored[0].date, today);
            EXPECT_EQ(stored[1].number, "1001");
            EXPECT_EQ(stored[1].draftsLeft, "2");
        } else {
            for (std::size_t i = 0; i < 2; ++i) {
                EXPECT_EQ(stored[i].number, "77") << i;
                EXPECT_EQ(stored[i].date, march) << i;
            }
            EXPECT_EQ(stored[0].draftsLeft, "1");
            EXPECT_EQ(stored[1].draftsLeft, "3");
        }
        EXPECT_EQ(GLO::LastCheckNumber.clipped(), c.taken ? "1002" : "1000");
        EXPECT_EQ(putBackTold(messages), !c.taken) << testing::PrintToString(messages);
        testsupport::expectToldAndNowhereElse(c, messages, service);
    }
}

}  // namespace
