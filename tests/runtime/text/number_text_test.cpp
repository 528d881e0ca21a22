#include "runtime/text/number_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/text/value.h"

namespace {

TEST(NumberText, ReadsTheLeadingNumberOnly) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"12", "12"},
        {"  -12.50", "-12.5"},
        {"+7", "7"},
        {"$12.50", "0"},
        {"1,234.50", "1"},
        {"", "0"},
        {"   ", "0"},
        {"abc", "0"},
        {"-", "0"},
        {".", "0"},
        {".5", "0.5"},
        {"5.", "5"},
        {"12abc", "12"},
        {"1.2.3", "1.2"},
        {"15 ", "15"},
        {"007", "7"},
        {"- 5", "0"},
        {"1e5", "1"},
        {"0.000", "0"},
        {"-0", "0"},
        {"3.14159265358979323846264338327950288419716939937510",
         "3.1415926535897932384626433832795"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::numberToText(rt::textToNumber(c.text)), c.expected) << '"' << c.text << '"';
    }
    EXPECT_TRUE(rt::textToNumber(std::string(45, '9')).outOfRange());
}

TEST(NumberText, WritesWithoutTrailingZeros) {
    struct Case {
        const char* value;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"12.50", "12.5"}, {"-3.000", "-3"},     {"0.00", "0"},
        {"100", "100"},    {"0.0825", "0.0825"}, {"-0.10", "-0.1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::numberToText(rt::Decimal::parse(c.value).value()), c.expected);
    }
}

TEST(NumberText, ValueConvertsBetweenKinds) {
    const rt::Value text("  42.50 kg");
    EXPECT_TRUE(text.isText());
    EXPECT_EQ(text.asNumber(), rt::Decimal(std::string_view("42.5")));
    const rt::Value number(rt::Decimal::parse("15.10").value());
    EXPECT_TRUE(number.isNumber());
    EXPECT_EQ(number.asText(), "15.1");
    EXPECT_EQ(rt::Value(7).asText(), "7");
}

}  // namespace
