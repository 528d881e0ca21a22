#include "runtime/text/decimal.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using rt::Decimal;

Decimal dec(const char* text) {
    return Decimal::parse(text).value();
}

TEST(Decimal, SumsAndProductsAreExact) {
    EXPECT_EQ(dec("0.1") + dec("0.2"), dec("0.3"));
    EXPECT_EQ((dec("0.1") + dec("0.2")).toString(), "0.3");
    EXPECT_EQ((dec("19.99") * 3).toString(), "59.97");
    EXPECT_EQ((dec("1.05") * dec("1.05")).toString(), "1.1025");
    EXPECT_EQ((dec("100") - dec("0.01")).toString(), "99.99");
    EXPECT_EQ((dec("-2.5") + dec("2.5")).toString(), "0.0");
    EXPECT_FALSE((dec("-2.5") + dec("2.5")).isNegative());
    EXPECT_EQ((dec("-1.5") * dec("-2")).toString(), "3.0");
    EXPECT_EQ((Decimal(7) - dec("7.25")).toString(), "-0.25");
    // 31 digits with places, all kept.
    EXPECT_EQ((dec("9999999999999999999999999999.99") + dec("0.01")).toString(),
              "10000000000000000000000000000.00");
}

TEST(Decimal, ComparesByValueWhateverThePlaces) {
    EXPECT_EQ(dec("1.5"), dec("1.50000"));
    EXPECT_LT(dec("-3"), dec("-2.999"));
    EXPECT_GT(dec("0.001"), Decimal(0));
    EXPECT_LT(dec("12345678901234567890.5"), dec("12345678901234567891"));
}

TEST(Decimal, DivisionRoundsHalfAwayFromZeroToThePlacesAsked) {
    struct Case {
        const char* a;
        const char* b;
        int places;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"1", "3", 2, "0.33"},          {"2", "3", 2, "0.67"},
        {"-2", "3", 2, "-0.67"},        {"1", "8", 2, "0.13"},
        {"-1", "8", 2, "-0.13"},        {"10", "4", 0, "3"},
        {"-10", "4", 0, "-3"},          {"7.5", "2.5", 3, "3.000"},
        {"0.0825", "0.01", 2, "8.25"},  {"123.45", "100", 4, "1.2345"},
        {"1", "7", 10, "0.1428571429"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decimal::divide(dec(c.a), dec(c.b), c.places).toString(), c.expected)
            << c.a << " / " << c.b;
    }
}

TEST(Decimal, OperatorSlashGivesFifteenPlacesAndZeroForNoDivisor) {
    EXPECT_EQ((Decimal(1) / Decimal(3)).toString(), "0.333333333333333");
    EXPECT_EQ((Decimal(2) / Decimal(3)).toString(), "0.666666666666667");
    EXPECT_EQ((Decimal(1) / Decimal(3) * 3).fitTo(9, 2)->toString(), "1.00");
    EXPECT_EQ((Decimal(5) / Decimal(0)).toString(), "0");
    EXPECT_EQ(Decimal::divide(dec("5"), dec("0.00"), 2), Decimal(0));
}

TEST(Decimal, FitToRoundsHalfAwayFromZero) {
    struct Case {
        const char* value;
        int digits;
        int places;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"2.345", 7, 2, "2.35"},    {"-2.345", 7, 2, "-2.35"},   {"2.344999", 7, 2, "2.34"},
        {"0.5", 3, 0, "1"},         {"-0.5", 3, 0, "-1"},        {"1.4", 3, 0, "1"},
        {"99.995", 5, 2, "100.00"}, {"12", 5, 2, "12.00"},       {"0.0825", 5, 4, "0.0825"},
        {"-0.004", 5, 2, "0.00"},   {"999.994", 5, 2, "999.99"},
    };
    for (const Case& c : cases) {
        const auto fitted = dec(c.value).fitTo(c.digits, c.places);
        ASSERT_TRUE(fitted.has_value()) << c.value;
        EXPECT_EQ(fitted->toString(), c.expected) << c.value;
        EXPECT_EQ(fitted->places(), c.places);
    }
    EXPECT_FALSE(dec("-0.004").fitTo(5, 2)->isNegative());
}

TEST(Decimal, FitToRefusesWhatDoesNotFitInsteadOfWrapping) {
    EXPECT_FALSE(dec("1000").fitTo(5, 2).has_value());     // 3 integer digits at most
    EXPECT_FALSE(dec("999.995").fitTo(5, 2).has_value());  // rounds up to 1000.00
    EXPECT_FALSE(dec("-1000").fitTo(5, 2).has_value());
    EXPECT_FALSE(Decimal(256).fitTo(2, 0).has_value());
    EXPECT_FALSE(Decimal(1).fitTo(0, 0).has_value());  // no such field
    EXPECT_FALSE(Decimal(1).fitTo(32, 0).has_value());
    EXPECT_TRUE(dec("9999999999999999999999999999999").fitTo(31, 0).has_value());
    EXPECT_FALSE(dec("10000000000000000000000000000000").fitTo(31, 0).has_value());
}

TEST(Decimal, OverflowIsOutOfRangeAndStaysSo) {
    const Decimal big = dec("99999999999999999999999999999999999999");  // 38 digits
    EXPECT_FALSE(big.outOfRange());
    const Decimal over = big * 10;
    EXPECT_TRUE(over.outOfRange());
    EXPECT_TRUE((over - big).outOfRange());
    EXPECT_TRUE((over / 1).outOfRange());
    EXPECT_FALSE(over.fitTo(31, 0).has_value());
    EXPECT_EQ(over.toString(), "#");
    EXPECT_TRUE((big + 1).outOfRange());
    EXPECT_FALSE(Decimal::parse("123456789012345678901234567890123456789").has_value());
    const auto lowest = static_cast<__int128>(static_cast<unsigned __int128>(1) << 127);
    EXPECT_TRUE(Decimal::fromScaled(lowest, 0).outOfRange());
}

TEST(Decimal, WideProductsKeepTheirLeadingDigits) {
    // 38 significant digits at most: places are rounded away, never the integer part.
    const Decimal a = dec("1.0000000000000000000000000000001");
    const Decimal product = a * a;
    EXPECT_FALSE(product.outOfRange());
    EXPECT_EQ(product.rounded(31).toString(), "1.0000000000000000000000000000002");
    EXPECT_EQ((dec("123456789.123456789") * dec("987654321.987654321")).fitTo(31, 6)->toString(),
              "121932631356500531.347203");
}

TEST(Decimal, ParseIsStrictAndConstructionIsLenient) {
    EXPECT_EQ(dec("+3").toString(), "3");
    EXPECT_EQ(dec(".25").toString(), "0.25");
    EXPECT_EQ(dec("7.").toString(), "7");
    EXPECT_EQ(dec("-0.050").toString(), "-0.050");
    for (const char* bad : {"", "-", ".", "1.2.3", "12a", " 12", "1,000", "--1"}) {
        EXPECT_FALSE(Decimal::parse(bad).has_value()) << bad;
    }
    EXPECT_EQ(Decimal("  -12.50abc").toString(), "-12.50");
    EXPECT_EQ(Decimal("abc"), Decimal(0));
}

TEST(Decimal, ConvertsToDoubleAndInteger) {
    EXPECT_DOUBLE_EQ(dec("-12.75").toDouble(), -12.75);
    EXPECT_EQ(dec("-12.75").toInteger(), -12);
    EXPECT_EQ(dec("99999999999999999999").toInteger(), 9223372036854775807LL);
    EXPECT_EQ(Decimal::fromDouble(0.1 + 0.2, 2)->toString(), "0.30");
    EXPECT_FALSE(Decimal::fromDouble(1.0 / 0.0, 2).has_value());
    EXPECT_EQ(dec("-12.75").truncated().toString(), "-12");
    EXPECT_EQ(dec("123.4").integerDigits(), 3);
    EXPECT_EQ(dec("0.4").integerDigits(), 0);
}

TEST(Decimal, PackedImageHasDigitsThenSignNibble) {
    std::array<std::uint8_t, 4> bytes{};
    ASSERT_EQ(Decimal::packedSize(7), 4);
    ASSERT_TRUE(dec("-12345.67").toPacked(bytes, 7, 2));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x12, 0x34, 0x56, 0x7D}));
    ASSERT_TRUE(dec("0.5").toPacked(bytes, 7, 2));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x00, 0x00, 0x05, 0x0C}));
    // Even digit counts start with a pad nibble.
    std::array<std::uint8_t, 3> even{};
    ASSERT_EQ(Decimal::packedSize(4), 3);
    ASSERT_TRUE(Decimal(1234).toPacked(even, 4, 0));
    EXPECT_EQ(even, (std::array<std::uint8_t, 3>{0x01, 0x23, 0x4C}));
}

TEST(Decimal, PackedRoundTripsAndRefusesWhatDoesNotFit) {
    struct Case {
        const char* value;
        int digits;
        int places;
        const char* stored;
    };
    const std::vector<Case> cases = {
        {"0", 1, 0, "0"},
        {"-9", 1, 0, "-9"},
        {"12.345", 7, 2, "12.35"},
        {"-0.0825", 5, 4, "-0.0825"},
        {"9999999999999999999999999999999", 31, 0, "9999999999999999999999999999999"},
        {"-123456789012345678901.1234567891", 31, 10, "-123456789012345678901.1234567891"},
        {"8005551212", 11, 0, "8005551212"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(Decimal::packedSize(c.digits)));
        ASSERT_TRUE(dec(c.value).toPacked(bytes, c.digits, c.places)) << c.value;
        EXPECT_EQ(Decimal::fromPacked(bytes, c.digits, c.places).toString(), c.stored);
    }
    std::array<std::uint8_t, 3> field{0x01, 0x23, 0x4C};
    EXPECT_FALSE(dec("1000.5").toPacked(field, 5, 2));
    EXPECT_EQ(field, (std::array<std::uint8_t, 3>{0x01, 0x23, 0x4C}));  // left as it was
    std::array<std::uint8_t, 2> shortField{};
    EXPECT_FALSE(Decimal(1).toPacked(shortField, 5, 0));
}

TEST(Decimal, DamagedPackedBytesReadAsZero) {
    const std::array<std::uint8_t, 3> badDigit{0x1A, 0x23, 0x4C};
    const std::array<std::uint8_t, 3> badSign{0x01, 0x23, 0x45};
    const std::array<std::uint8_t, 3> zeros{};
    EXPECT_EQ(Decimal::fromPacked(badDigit, 5, 2), Decimal(0));
    EXPECT_EQ(Decimal::fromPacked(badSign, 5, 2), Decimal(0));
    EXPECT_EQ(Decimal::fromPacked(zeros, 5, 2), Decimal(0));
    EXPECT_EQ(Decimal::fromPacked(std::span<const std::uint8_t>(zeros).first(1), 5, 2), Decimal(0));
}

}  // namespace
