// The check reports over a real CHECKS file: what each marks and counts down, what it
// prints, and what it passes over.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "checks/check_layout.h"
#include "checks/check_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/payee.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
using testing::Contains;
using testing::Not;

class CheckReportsTest : public testing::Test {
  protected:
    void SetUp() override { recordPrintedPages(); }

    // Runs the report with the check `highlighted` (its last name) in the buffer, as the
    // list leaves it; answers the report's response.
    long run(const std::function<void()>& report, const std::string& highlighted,
             const std::function<void(rt::Driver&)>& drive = printWithoutPreview) {
        long response = 0;
        rt::Driver d;
        d.start([&] {
            CHECKS.clear();
            CHE::LASTNAME.setText(highlighted);
            report();
            response = GLO::Response;
        });
        drive(d);
        EXPECT_TRUE(d.finish());
        return response;
    }

    std::vector<std::string> printedPayees() {
        std::vector<std::string> payees;
        for (const rt::Page& page : printedPages())
            for (const std::string& t : textsOf(page))
                if (t.rfind("Pay ", 0) == 0 && t.size() > 4 && t != "Pay To The" &&
                    t != "Pay Exactly")
                    payees.push_back(t);
        return payees;
    }

    testsupport::TempDir dir{/*enter=*/true};
};

struct Bookkeeping {
    const char* report;
    std::function<void()> procedure;
    long table;                  // tags made before the run (0: none)
    std::string doneAfter[3];    // CHE:DONE of the three checks after the run
    std::string draftsAfter[3];  // CHE:X2 after the run
    std::size_t pages;
};

TEST_F(CheckReportsTest, EachReportMarksAndCountsDownAsItsStyleSays) {
    // Smith 1 unprinted with 3 drafts left, smith 2 unprinted with none, Smith 3 printed with
    // 5 left; all three tagged in the table the report reads.
    const std::vector<Bookkeeping> table = {
        {"style 1 tagged",
         &PrintCheckStyle1Tagged,
         TAG::ChecksToPrint,
         {"Y", "Y", "Y"},
         {"2", "", "5"},
         2},
        {"style 2 tagged",
         &PrintCheckStyle2Tagged,
         TAG::ChecksToPrint,
         {"Y", "Y", "Y"},
         {"3", "", "5"},
         2},
        {"style 1 all", &PrintCheckStyle1All, 0, {"Y", "Y", "Y"}, {"2", "", "5"}, 2},
        {"three-up", &PrintCheckStyle2ThreeUp, 0, {"Y", "Y", "Y"}, {"2", "", "5"}, 1},
        // A reprint writes nothing for a check already marked.
        {"reprint 1", &ReprintCheckStyle1, TAG::CheckRegister, {"Y", "Y", "Y"}, {"2", "", "5"}, 3},
        {"reprint 2", &ReprintCheckStyle2, TAG::CheckRegister, {"Y", "Y", "Y"}, {"3", "", "5"}, 3},
    };
    for (const Bookkeeping& row : table) {
        SCOPED_TRACE(row.report);
        recordPrintedPages();
        const auto pointers = makeThreeSmiths(row.table);
        EXPECT_EQ(run(row.procedure, "SMITH"), RESP::Completed);
        const auto stored = storedChecks();
        ASSERT_EQ(stored.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(stored[i].done, row.doneAfter[i]) << i;
            EXPECT_EQ(stored[i].draftsLeft, row.draftsAfter[i]) << i;
        }
        EXPECT_EQ(printedPages().size(), row.pages);
    }
}

TEST_F(CheckReportsTest, ACancelledDestinationReadsAndWritesNothing) {
    makeChecks({{"Ann", "Smith", "Acme", "10.00", "", "3"}});
    const long response = run(&PrintCheckStyle1All, "Smith", [](rt::Driver& d) {
        d.waitWindow("Report Destination");
        d.press("Cancel");
    });
    EXPECT_EQ(response, RESP::Cancelled);
    const auto stored = storedChecks();
    EXPECT_EQ(stored.at(0).done, "");
    EXPECT_EQ(stored.at(0).draftsLeft, "3");
    EXPECT_TRUE(printedPages().empty());
}

TEST_F(CheckReportsTest, TaggedPrintingKeepsToTheHighlightedLastNameInAnyCase) {
    const auto pointers = makeChecks({{"Ann", "Smith", "Acme"},
                                      {"Bob", "Jones", "Bolt"},
                                      {"Cy", "SMITH", "Core"},
                                      {"Di", "Smith", "Dyes"}});
    tagChecks(TAG::ChecksToPrint, {pointers[0], pointers[1], pointers[2]});
    EXPECT_EQ(run(&PrintCheckStyle2Tagged, "smith"), RESP::Completed);
    const auto stored = storedChecks();
    EXPECT_EQ(stored[0].done, "Y");
    EXPECT_EQ(stored[1].done, "");  // Jones: another name
    EXPECT_EQ(stored[2].done, "Y");
    EXPECT_EQ(stored[3].done, "");  // not tagged
    EXPECT_EQ(printedPages().size(), 2u);
}

TEST_F(CheckReportsTest, ACheckWithoutPayToIsNeitherPrintedNorMarkedAndIsNamed) {
    makeChecks({{"Ann", "Smith", "Acme"}, {"Bob", "Jones", ""}});
    EXPECT_EQ(run(&PrintCheckStyle2ThreeUp, "",
                  [](rt::Driver& d) {
                      printWithoutPreview(d);
                      d.expectMessage(
                          "These checks were not printed because their pay-to name "
                          "is blank:\nCheck 1001 of Bob Jones");
                      d.answer("OK");
                  }),
              RESP::Completed);
    const auto stored = storedChecks();
    EXPECT_EQ(stored[0].done, "Y");
    EXPECT_EQ(stored[1].done, "");
    ASSERT_EQ(printedPages().size(), 1u);
    const auto texts = textsOf(printedPages().front());
    EXPECT_THAT(texts, Contains(testing::HasSubstr("Acme")));
}

TEST_F(CheckReportsTest, TheClientCopyShowsEachChecksOwnPayeeAndBlankForAnUnknownOne) {
    PAYEE.remove();  // CREATE never replaces a file
    PAYEE.create();
    PAYEE.open();
    PAYEE.clear();
    PAY::PAYTO.setText("Acme");
    PAY::ADDRESS.setText("1 Anvil Road");
    PAY::CITYSTATEZIP.setText("Dusty, AZ 85001");
    PAYEE.add();
    PAYEE.close();
    makeChecks({{"Ann", "Smith", "Acme"}, {"Bob", "Smith", "Nobody Known"}});
    EXPECT_EQ(run(&PrintCheckStyle1All, ""), RESP::Completed);
    ASSERT_EQ(printedPages().size(), 2u);
    EXPECT_THAT(textsOf(printedPages()[0]), Contains("1 Anvil Road                  "));
    // The second check's payee is not in PAYEE: its address lines are blank, not Acme's.
    EXPECT_THAT(textsOf(printedPages()[1]), Not(Contains(testing::HasSubstr("Anvil"))));
    EXPECT_THAT(textsOf(printedPages()[1]), Not(Contains(testing::HasSubstr("Dusty"))));
}

TEST_F(CheckReportsTest, TheRegisterReportListsTheTaggedPrintedChecksOnly) {
    const auto pointers = makeChecks({{"Ann", "Smith", "Acme", "10.00", "Y"},
                                      {"Bob", "Jones", "Bolt", "20.00", ""},
                                      {"Cy", "Brown", "Core", "30.00", "Y"}});
    tagChecks(TAG::CheckRegister, {pointers[0], pointers[1]});
    EXPECT_EQ(run(&PrintCheckRegister, ""), RESP::Completed);
    ASSERT_EQ(printedPages().size(), 1u);
    const auto texts = textsOf(printedPages().front());
    EXPECT_THAT(texts, Contains("Check Register"));
    EXPECT_THAT(texts, Contains(testing::HasSubstr("Acme")));
    EXPECT_THAT(texts, Not(Contains(testing::HasSubstr("Bolt"))));  // not printed
    EXPECT_THAT(texts, Not(Contains(testing::HasSubstr("Core"))));  // not tagged
    // Nothing was written.
    EXPECT_EQ(storedChecks()[1].done, "");
}

TEST_F(CheckReportsTest, TheStyleWindowsCloseButtonPrintsNothing) {
    makeChecks({{"Ann", "Smith", "Acme"}});
    const long response = run(&SelectCheckStyleAll, "", [](rt::Driver& d) {
        d.waitWindow("Select Check Style And Print Check");
        d.press("Close");
    });
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(storedChecks()[0].done, "");
}

TEST_F(CheckReportsTest, AFailedMarkIsReportedByNameAndItsCheckIsNotPrinted) {
    makeChecks({{"Ann", "Smith", "Acme"}});
    std::string message;
    long response = 0;
    rt::Driver d;
    d.start([&] {
        // The file is already open on this station, for reading only: the mark cannot be
        // written.
        CHECKS.open(rt::ACCESS::ReadOnly | rt::ACCESS::DenyNone);
        PrintCheckStyle2ThreeUp();
        response = GLO::Response;
        CHECKS.close();
    });
    d.waitWindow("Report Destination");
    d.press("Print Report");
    d.press("OK");
    runPassToEnd(d);
    d.expectMessage(
        "These checks could not be marked printed and were not printed:\nCheck 1001 to Acme");
    d.answer("OK");
    EXPECT_TRUE(d.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_TRUE(printedPages().empty());
    EXPECT_EQ(storedChecks()[0].done, "");
}

}  // namespace
