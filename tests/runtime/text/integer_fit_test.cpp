#include "runtime/text/integer_fit.h"

#include <gtest/gtest.h>

namespace {

using rt::Decimal;

Decimal dec(const char* text) {
    return Decimal::parse(text).value();
}

TEST(IntegerFit, RoundsAndRefusesOutOfRange) {
    EXPECT_EQ(rt::fitByte(dec("255")), 255);
    EXPECT_EQ(rt::fitByte(dec("254.5")), 255);
    EXPECT_EQ(rt::fitByte(dec("-0.4")), 0);
    EXPECT_FALSE(rt::fitByte(dec("255.5")).has_value());
    EXPECT_FALSE(rt::fitByte(dec("256")).has_value());
    EXPECT_FALSE(rt::fitByte(dec("-1")).has_value());
    EXPECT_EQ(rt::fitShort(dec("-32768")), -32768);
    EXPECT_EQ(rt::fitShort(dec("-2.5")), -3);
    EXPECT_FALSE(rt::fitShort(dec("32768")).has_value());
    EXPECT_EQ(rt::fitLong(dec("2147483647")), 2147483647);
    EXPECT_EQ(rt::fitLong(dec("-2147483648")), -2147483647 - 1);
    EXPECT_FALSE(rt::fitLong(dec("2147483647.5")).has_value());
    EXPECT_FALSE(rt::fitLong(Decimal::outOfRangeValue()).has_value());
}

}  // namespace
