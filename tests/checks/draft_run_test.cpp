// The draft run through its starting-number window over a real CHECKS file: which drafts are
// numbered, dated and counted down, what the last check number becomes, what is refused, and
// the draft register.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "checks/check_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
using testing::Contains;
using testing::HasSubstr;
using testing::Not;

struct StoredDraft {
    std::string last, number, left;
    long date = 0;
};

std::vector<StoredDraft> storedDrafts() {
    std::vector<StoredDraft> all;
    CHECKS.open();
    CHECKS.set(CHE::KEYCHECKID);
    while (CHECKS.next() == 0)
        all.push_back({std::string(rt::clip(CHE::LASTNAME.text())),
                       std::string(rt::clip(CHE::CHECKNUMBER.text())),
                       std::string(rt::clip(CHE::X2.text())), CHE::CHECKDATE.integer()});
    CHECKS.close();
    return all;
}

class DraftRunTest : public testing::Test {
  protected:
    void SetUp() override {
        recordPrintedPages();
        GLO::LastCheckNumber = "";
    }

    // Opens the starting-number window, types `start` (nullptr: keeps what it proposes),
    // presses Continue and lets `drive` answer what follows.
    std::string run(const char* start, const std::function<void(rt::Driver&)>& drive) {
        rt::Driver d;
        d.start(&EnterStartingCheckNumber);
        d.waitWindow("");
        const std::string proposed(rt::clip(d.text(rt::ControlName::parse("LOC:StartingNumber"))));
        if (start) d.type("LOC:StartingNumber", start);
        d.press("Continue");
        drive(d);
        EXPECT_TRUE(d.finish());
        return proposed;
    }

    testsupport::TempDir dir{/*enter=*/true};
};

TEST_F(DraftRunTest, TaggedDraftsAreNumberedInLastNameOrderDatedAndCountedDown) {
    // Zeta and Adams are due; Brown has run out, Cole is not tagged.
    const auto p = makeChecks({{"Zed", "Zeta", "Acme", "10.00", "", "1"},
                               {"Al", "Adams", "Bolt", "20.00", "", "3"},
                               {"Bo", "Brown", "Core", "30.00", "", "0"},
                               {"Cy", "Cole", "Dyes", "40.00", "", "2"}});
    tagChecks(TAG::MonthlyDrafts, {p[0], p[1], p[2]});
    run("1001", printWithoutPreview);
    const auto drafts = storedDrafts();
    const long today = rt::today();
    struct Expected {
        const char* number;
        const char* left;
        bool dated;
    };
    const Expected expected[] = {
        {"1002", "0", true}, {"1001", "2", true}, {"1001", "0", false}, {"1001", "2", false}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(drafts[i].last);
        EXPECT_EQ(drafts[i].number, expected[i].number);
        EXPECT_EQ(drafts[i].left, expected[i].left);
        EXPECT_EQ(drafts[i].date == today, expected[i].dated);
    }
    // The global holds the last number used; the next run proposes the one after it.
    EXPECT_EQ(GLO::LastCheckNumber.clipped(), "1002");
    EXPECT_EQ(printedPages().size(), 2u);
    // Zeta's count reached 0: the next run prints Adams alone, as 1003.
    recordPrintedPages();
    EXPECT_EQ(run(nullptr, printWithoutPreview), "1003");
    EXPECT_EQ(storedDrafts()[1].number, "1003");
    EXPECT_EQ(storedDrafts()[0].number, "1002");
    EXPECT_EQ(GLO::LastCheckNumber.clipped(), "1003");
    EXPECT_EQ(printedPages().size(), 1u);
}

TEST_F(DraftRunTest, EachPageCarriesItsOwnNumberInTheBankLine) {
    const auto p = makeChecks(
        {{"Al", "Adams", "Bolt", "20.00", "", "3"}, {"Bo", "Brown", "Core", "30.00", "", "2"}});
    tagChecks(TAG::MonthlyDrafts, p);
    run("77", printWithoutPreview);
    ASSERT_EQ(printedPages().size(), 2u);
    EXPECT_THAT(textsOf(printedPages()[0]),
                Contains(HasSubstr("C77C A123456789A            987654C")));
    EXPECT_THAT(textsOf(printedPages()[1]),
                Contains(HasSubstr("C78C A123456789A            987654C")));
}

TEST_F(DraftRunTest, AStartingNumberThatIsNotPositiveIsRefusedAndNothingIsWritten) {
    const auto p = makeChecks({{"Al", "Adams", "Bolt", "20.00", "", "3"}});
    tagChecks(TAG::MonthlyDrafts, p);
    GLO::LastCheckNumber = "500";
    for (const char* typed : {"", "0", "-5", "abc", "12x", "1.5"}) {
        SCOPED_TRACE(typed);
        run(typed, [](rt::Driver& d) {
            d.expectMessage("The starting check number must be a positive whole number.");
            d.answer("OK");
            d.press("Cancel");
        });
        EXPECT_EQ(storedDrafts()[0].number, "1001");
        EXPECT_EQ(storedDrafts()[0].left, "3");
        EXPECT_EQ(GLO::LastCheckNumber.clipped(), "500");
    }
    EXPECT_TRUE(printedPages().empty());
}

TEST_F(DraftRunTest, ARunWhoseNumbersWouldNotFitIsRefused) {
    const auto p = makeChecks(
        {{"Al", "Adams", "Bolt", "20.00", "", "3"}, {"Bo", "Brown", "Core", "30.00", "", "2"}});
    tagChecks(TAG::MonthlyDrafts, p);
    run("9999999999", [](rt::Driver& d) {
        d.expectMessage(
            "The check numbers of the 2 tagged drafts would not fit the check number's 10 "
            "characters. Start lower.");
        d.answer("OK");
        // Refused while the number can still be changed: the window stays.
        d.waitWindow("");
        d.press("Cancel");
    });
    EXPECT_EQ(storedDrafts()[0].number, "1001");
    EXPECT_TRUE(printedPages().empty());
    // One draft still fits; after it no number is proposed rather than a cut one.
    OpenTagFile_();
    ClrTag_(TAG::MonthlyDrafts, static_cast<long>(p[1]));
    CloseTagFile_();
    run("9999999999", printWithoutPreview);
    EXPECT_EQ(storedDrafts()[0].number, "9999999999");
    EXPECT_EQ(run(nullptr,
                  [](rt::Driver& d) {
                      d.expectMessage("The starting check number must be a positive whole number.");
                      d.answer("OK");
                      d.press("Cancel");
                  }),
              "");
}

TEST_F(DraftRunTest, NumbersCountOnFromTheDigitsAsTyped) {
    const auto p = makeChecks(
        {{"Al", "Adams", "Bolt", "20.00", "", "9"}, {"Bo", "Brown", "Core", "30.00", "", "9"}});
    tagChecks(TAG::MonthlyDrafts, p);
    struct Case {
        const char* typed;
        const char* first;
        const char* second;
        const char* proposedNext;
    };
    for (const Case& c : {Case{"00123", "00123", "00124", "00125"},
                          Case{"0099", "0099", "0100", "0101"}, Case{"99", "99", "100", "101"}}) {
        SCOPED_TRACE(c.typed);
        run(c.typed, printWithoutPreview);
        EXPECT_EQ(storedDrafts()[0].number, c.first);
        EXPECT_EQ(storedDrafts()[1].number, c.second);
        EXPECT_EQ(GLO::LastCheckNumber.clipped(), c.second);
        EXPECT_EQ(run(nullptr, [](rt::Driver& d) { d.press("Cancel"); }), c.proposedNext);
    }
}

TEST_F(DraftRunTest, WithNoLastNumberKnownNothingIsProposed) {
    const auto p = makeChecks({{"Al", "Adams", "Bolt", "20.00", "", "3"}});
    tagChecks(TAG::MonthlyDrafts, p);
    for (const char* last : {"", "abc"}) {
        SCOPED_TRACE(last);
        GLO::LastCheckNumber = last;
        // Continue on the blank proposal is refused rather than starting from 1.
        EXPECT_EQ(
            run(nullptr,
                [](rt::Driver& d) {
                    d.expectMessage("The starting check number must be a positive whole number.");
                    d.answer("OK");
                    d.press("Cancel");
                }),
            "");
        EXPECT_EQ(storedDrafts()[0].number, "1001");
    }
}

TEST_F(DraftRunTest, CancellingTheDestinationWritesNothing) {
    const auto p = makeChecks({{"Al", "Adams", "Bolt", "20.00", "", "3"}});
    tagChecks(TAG::MonthlyDrafts, p);
    GLO::LastCheckNumber = "41";
    EXPECT_EQ(run(nullptr,
                  [](rt::Driver& d) {
                      d.waitWindow("Report Destination");
                      d.press("Cancel");
                  }),
              "42");
    EXPECT_EQ(storedDrafts()[0].number, "1001");
    EXPECT_EQ(storedDrafts()[0].left, "3");
    EXPECT_EQ(GLO::LastCheckNumber.clipped(), "41");
    EXPECT_TRUE(printedPages().empty());
}

TEST_F(DraftRunTest, TheRegisterListsTheTaggedDraftsStillToRunAndWritesNothing) {
    const auto p = makeChecks({{"Al", "Adams", "Bolt", "20.00", "", "3"},
                               {"Bo", "Brown", "Core", "30.00", "", "0"},
                               {"Cy", "Cole", "Dyes", "40.00", "", "-2"},
                               {"Di", "Dunn", "Eels", "50.00", "", "4"}});
    tagChecks(TAG::MonthlyDrafts, {p[0], p[1], p[2]});
    rt::Driver d;
    d.start(&PrintDraftRegister);
    printWithoutPreview(d);
    ASSERT_TRUE(d.finish());
    ASSERT_EQ(printedPages().size(), 1u);
    const auto texts = textsOf(printedPages().front());
    EXPECT_THAT(texts, Contains("Check Register"));
    EXPECT_THAT(texts, Contains("Drafts Left"));
    EXPECT_THAT(texts, Contains(HasSubstr("Bolt")));
    EXPECT_THAT(texts, Contains(HasSubstr("Dyes")));       // a negative count is still to run
    EXPECT_THAT(texts, Not(Contains(HasSubstr("Core"))));  // run out
    EXPECT_THAT(texts, Not(Contains(HasSubstr("Eels"))));  // not tagged
    EXPECT_EQ(storedDrafts()[0].left, "3");
}

TEST_F(DraftRunTest, ADraftThatCannotBeWrittenIsReportedByNameAndUsesNoNumber) {
    const auto p = makeChecks({{"Al", "Adams", "Bolt", "20.00", "", "3"}});
    tagChecks(TAG::MonthlyDrafts, p);
    GLO::LastCheckNumber = "9";
    long response = 0;
    rt::Driver d;
    d.start([&] {
        // Open on this station for reading only: the draft cannot be written.
        CHECKS.open(rt::ACCESS::ReadOnly | rt::ACCESS::DenyNone);
        PrintMonthlyDrafts();
        response = GLO::Response;
        CHECKS.close();
    });
    printWithoutPreview(d);
    d.expectMessage(
        "These drafts could not be written and were neither numbered nor printed:\n"
        "Al Adams to Bolt");
    d.answer("OK");
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_TRUE(printedPages().empty());
    EXPECT_EQ(storedDrafts()[0].number, "1001");
    EXPECT_EQ(storedDrafts()[0].left, "3");
    EXPECT_EQ(GLO::LastCheckNumber.clipped(), "9");
}

}  // namespace
