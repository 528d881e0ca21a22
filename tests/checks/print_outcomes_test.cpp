// How a print run ends decides what it leaves in the records: every check run and the
// monthly drafts, ended each way a run can end, with another station changing a record
// while the run goes on. Only checks and drafts whose pages reached paper keep their mark,
// number, date and count; the others are put back, with one message, and the other
// station's change is kept.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "checks/check_procedures.h"
#include "drivers/headless_backend.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "runtime/print/printer.h"
#include "runtime/qt/print_backend.h"
#include "runtime/text/day_number.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/pdf_report.h"
#include "tests/support/print_endings.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
using testsupport::Ending;
using testsupport::kEndings;
using testsupport::nameOf;
using testsupport::onPaper;

constexpr const char* kOtherStationsMemo = "Changed elsewhere";

// Another station writes a memo of its own into the check.
void changeMemoElsewhere(std::int64_t pointer) {
    testsupport::writeAsAnotherStation(CHECKS, CHE::CHECKMEMO, pointer, kOtherStationsMemo);
}

class PrintOutcomesTest : public testing::Test {
  protected:
    void TearDown() override { rt::printer().reset(); }

    std::vector<std::string> run(const std::function<void()>& report, Ending ending,
                                 std::int64_t changed) {
        recordPrintedPages();
        return testsupport::runEndedBy(report, ending, pdf,
                                       [changed] { changeMemoElsewhere(changed); });
    }

    static void expectPutBackTold(const std::vector<std::string>& messages, Ending ending) {
        const bool told = std::any_of(messages.begin(), messages.end(), [](const auto& m) {
            return m.find("did not reach paper") != std::string::npos;
        });
        EXPECT_EQ(told, !onPaper(ending) && ending != Ending::CancelAtDestination);
    }

    testsupport::TempDir dir{/*enter=*/true};
    std::filesystem::path pdf = dir.path() / "checks.pdf";
};

struct CheckRun {
    const char* name;
    std::function<void()> procedure;
    long table;                  // the tags the run reads (0: none)
    std::string doneOnPaper[3];  // CHE:DONE once on paper
    std::string leftOnPaper[3];  // CHE:X2 once on paper
};

TEST_F(PrintOutcomesTest, ChecksKeepTheirMarkAndCountOnlyOnPaper) {
    const std::vector<CheckRun> runs = {
        {"style 1 tagged",
         &PrintCheckStyle1Tagged,
         TAG::ChecksToPrint,
         {"Y", "Y", "Y"},
         {"2", "", "5"}},
        {"style 2 tagged",
         &PrintCheckStyle2Tagged,
         TAG::ChecksToPrint,
         {"Y", "Y", "Y"},
         {"3", "", "5"}},
        {"style 1 all", &PrintCheckStyle1All, 0, {"Y", "Y", "Y"}, {"2", "", "5"}},
        {"three-up", &PrintCheckStyle2ThreeUp, 0, {"Y", "Y", "Y"}, {"2", "", "5"}},
        {"reprint 1", &ReprintCheckStyle1, TAG::CheckRegister, {"Y", "Y", "Y"}, {"2", "", "5"}},
        {"reprint 2", &ReprintCheckStyle2, TAG::CheckRegister, {"Y", "Y", "Y"}, {"3", "", "5"}},
    };
    const std::string doneBefore[3] = {"", "", "Y"}, leftBefore[3] = {"3", "", "5"};
    for (const CheckRun& r : runs) {
        for (Ending ending : kEndings) {
            SCOPED_TRACE(std::string(r.name) + ", " + nameOf(ending));
            const auto p = makeThreeSmiths(r.table);
            const auto messages = run(
                [&] {
                    CHECKS.clear();
                    CHE::LASTNAME.setText("SMITH");
                    r.procedure();
                },
                ending, p[0]);
            const auto stored = storedChecks();
            ASSERT_EQ(stored.size(), 3u);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(stored[i].done, onPaper(ending) ? r.doneOnPaper[i] : doneBefore[i]) << i;
                EXPECT_EQ(stored[i].draftsLeft, onPaper(ending) ? r.leftOnPaper[i] : leftBefore[i])
                    << i;
            }
            if (ending != Ending::CancelAtDestination) {
                EXPECT_EQ(stored[0].memo, kOtherStationsMemo);
            }
            expectPutBackTold(messages, ending);
            if (ending == Ending::CompleteFile) {
                EXPECT_THAT(testsupport::pdfText(pdf), testing::HasSubstr("Acme"));
            }
            if (ending == Ending::UnwritableFile) {
                EXPECT_FALSE(std::filesystem::exists("/nonexistent/dir/x.pdf"));
            }
            std::filesystem::remove(pdf);
        }
    }
}

TEST_F(PrintOutcomesTest, DraftsKeepTheirNumberDateAndCountOnlyOnPaper) {
    const long today = rt::today();
    const long march = rt::date(3, 1, 2026);
    for (Ending ending : kEndings) {
        SCOPED_TRACE(nameOf(ending));
        std::vector<Check> rows = {{"Zed", "Zeta", "Acme", "10.00", "", "1"},
                                   {"Al", "Adams", "Bolt", "20.00", "", "3"},
                                   {"Bo", "Brown", "Core", "30.00", "", "0"}};
        for (Check& c : rows)
            c.checkNumber = "77";
        const auto p = makeChecks(rows);
        OpenTagFile_();
        NewTag_(TAG::MonthlyDrafts);
        CloseTagFile_();
        tagChecks(TAG::MonthlyDrafts, p);
        GLO::LastCheckNumber = "1000";
        const auto messages = run(&PrintMonthlyDrafts, ending, p[0]);
        const auto stored = storedChecks();
        ASSERT_EQ(stored.size(), 3u);
        struct Expected {
            std::string number, left;
            long date;
        };
        // Adams prints first (last-name order) as 1001, Zeta as 1002; Brown has run out.
        const std::vector<Expected> expected =
            onPaper(ending)
                ? std::vector<Expected>{{"1002", "0", today},
                                        {"1001", "2", today},
                                        {"77", "0", march}}
                : std::vector<Expected>{{"77", "1", march}, {"77", "3", march}, {"77", "0", march}};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(stored[i].number, expected[i].number) << i;
            EXPECT_EQ(stored[i].draftsLeft, expected[i].left) << i;
            EXPECT_EQ(stored[i].date, expected[i].date) << i;
        }
        // The next run proposes the number after the last one on paper.
        EXPECT_EQ(GLO::LastCheckNumber.clipped(), onPaper(ending) ? "1002" : "1000");
        if (ending != Ending::CancelAtDestination) {
            EXPECT_EQ(stored[0].memo, kOtherStationsMemo);
        }
        expectPutBackTold(messages, ending);
        std::filesystem::remove(pdf);
    }
}

}  // namespace

namespace {

TEST_F(PrintOutcomesTest, AClaimAnotherStationChangedIsLeftAsThatStationWroteItAndNamed) {
    const auto p = makeChecks({{"Ann", "Smith", "Acme", "10.00", "", "3"}});
    recordPrintedPages();
    const auto messages =
        testsupport::runEndedBy(&PrintCheckStyle1All, Ending::PreviewClosed, pdf, [&] {
            std::thread([&] {
                CHECKS.open();
                CHECKS.getPointer(p[0]);
                CHE::X2.setText("9");  // the run had counted it down to 2
                EXPECT_EQ(CHECKS.put(), 0);
                CHECKS.close();
            }).join();
        });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0], testing::HasSubstr("Some checks of this run did not reach paper"));
    EXPECT_THAT(messages[0], testing::HasSubstr("Changed or deleted by another station meanwhile, "
                                                "left as that station wrote them: 1001 (Acme)."));
    const auto stored = storedChecks();
    EXPECT_EQ(stored[0].draftsLeft, "9");
    EXPECT_EQ(stored[0].done, "Y");
}

}  // namespace
