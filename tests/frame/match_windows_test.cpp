// The small windows of query by example, driven as a user would.

#include <gtest/gtest.h>

#include "drivers/driver.h"
#include "frame/match_windows.h"
#include "frame/search_by_example_windows.h"

namespace {

using namespace windows::search_by_example;

TEST(SelectMatchType, ADateFieldOffersOnlyItsTypesAndCancelAnswersMinusOne) {
    rt::Driver driver;
    int answer = 99;
    driver.start([&] { answer = SelectMatchType(FieldKind::Date, MATCH::Equals); });
    driver.waitWindow("Match Type for DATE Field");
    for (int t = 0; t < MATCH::Count; ++t) {
        const bool offered = t <= 8 || t >= 13;
        EXPECT_EQ(driver.active()->isVisible(MatchTypeControl::FirstRadio + t), offered) << t;
    }
    driver.press(MatchTypeControl::FirstRadio + MATCH::SameYear);
    driver.press("Cancel");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(answer, -1);

    driver.start([&] { answer = SelectMatchType(FieldKind::Memo, MATCH::Contains); });
    driver.waitWindow("Match Type for TEXT Field");
    EXPECT_FALSE(driver.active()->isVisible(MatchTypeControl::FirstRadio + MATCH::MoreThan));
    driver.press(MatchTypeControl::FirstRadio + MATCH::EndsWith);
    driver.press("OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(answer, MATCH::EndsWith);
}

TEST(EnterUpperLimit, TheUpperLimitMustLieAboveTheLowerOne) {
    rt::Driver driver;
    int answer = -1;
    rt::Value upper(rt::Decimal(0));
    driver.start([&] { answer = EnterUpperLimit(rt::Value(rt::Decimal(100)), upper, "@n6"); });
    driver.waitWindow("Enter Upper Limit");
    driver.expectText(rt::ControlName::parse("4"), "100");  // no upper limit yet: the lower one
    for (const char* notAbove : {"50", "100"}) {
        SCOPED_TRACE(notAbove);
        driver.type(4, notAbove);
        driver.expectMessage("The upper limit must be greater than the lower limit.");
        driver.answer("OK");
        driver.waitWindow("Enter Upper Limit");
    }
    driver.type(4, "250");
    driver.press("&OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(upper.asNumber(), rt::Decimal(250));

    // Text limits compare as text: "50" sorts after "100".
    rt::Value textUpper(std::string(""));
    driver.start(
        [&] { answer = EnterUpperLimit(rt::Value(std::string("100")), textUpper, "@s20"); });
    driver.waitWindow("Enter Upper Limit");
    driver.type(4, "50");
    driver.press("&OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(textUpper.asText().substr(0, 2), "50");

    driver.start([&] { answer = EnterUpperLimit(rt::Value(std::string("A")), textUpper, "@s20"); });
    driver.waitWindow("Enter Upper Limit");
    driver.press("&Cancel");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(textUpper.asText().substr(0, 2), "50");
}

TEST(EnterUpperLimit, ALimitThePictureCannotReadIsRefusedAndTheOldOneKept) {
    const struct {
        const char* picture;
        long lower, upper;
        const char* typed;
        const char* message;
    } cases[] = {
        {"@n6", 100, 250, "abc", "The upper limit must be a number."},
        {"@d1", 80000, 80030, "zz/qq", "The upper limit must be a date."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        rt::Driver driver;
        int answer = -1;
        rt::Value upper(rt::Decimal(c.upper));
        driver.start(
            [&] { answer = EnterUpperLimit(rt::Value(rt::Decimal(c.lower)), upper, c.picture); });
        driver.waitWindow("Enter Upper Limit");
        const std::string shown = driver.text(rt::ControlName::parse("4"));
        driver.type(4, c.typed);
        driver.expectMessage(c.message);
        driver.answer("OK");
        driver.expectText(rt::ControlName::parse("4"), shown);
        driver.press("&OK");
        ASSERT_TRUE(driver.finish());
        EXPECT_EQ(answer, 1);
        EXPECT_EQ(upper.asNumber(), rt::Decimal(c.upper));
    }
}

TEST(BeginSearch, UnselectIsOfferedOnlyWithTags) {
    rt::Driver driver;
    int answer = -1;
    driver.start([&] { answer = BeginSearch(1, false); });
    driver.waitWindow("Begin Search");
    EXPECT_FALSE(driver.active()->isVisible(BeginSearchControl::Unselect));
    driver.press("&Select");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(answer, 2);

    driver.start([&] { answer = BeginSearch(1, true); });
    driver.waitWindow("Begin Search");
    EXPECT_TRUE(driver.active()->isVisible(BeginSearchControl::Unselect));
    driver.press("&Unselect");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(answer, 3);

    EXPECT_EQ(BeginSearch(0, true), 1);  // no tag table: Edit, without asking
}

}  // namespace
