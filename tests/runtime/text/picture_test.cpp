#include "runtime/text/picture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "runtime/text/day_number.h"
#include "runtime/text/number_text.h"

namespace {

using rt::Decimal;
using rt::Value;

Value num(const char* text) {
    return Value(Decimal::parse(text).value());
}
Value day(long month, long d, long year) {
    return Value(rt::date(month, d, year));
}

struct FormatCase {
    const char* picture;
    Value value;
    std::string expected;
};

void expectFormats(const std::vector<FormatCase>& cases) {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(rt::format(c.value, c.picture), c.expected)
            << c.picture << " with " << c.value.asText();
    }
}

TEST(PictureFormat, Text) {
    expectFormats({
        {"@s5", Value("abc"), "abc  "},
        {"s2", Value("Texas"), "Te"},
        {"@S15", Value(""), std::string(15, ' ')},
        {"@s10", num("12.50"), "12.5      "},
        {"@s1", Value("X"), "X"},
        {"s255", Value("a"), "a" + std::string(254, ' ')},
    });
    EXPECT_EQ(rt::format(Value("x"), "S1000").size(), 1000u);
}

TEST(PictureFormat, Numbers) {
    expectFormats({
        {"@n4", Value(5), "   5"},
        {"N3", Value(45), " 45"},
        {"@n3", Value(1000), "###"},
        {"@n2", Value(-5), "-5"},
        {"@n2", Value(-10), "##"},
        {"@n6", Value(12345), "12,345"},
        {"@n6", Value(123456), "######"},
        {"@n5", Value(-1234), "#####"},
        {"@n2.0", num("14.5"), "15"},
        {"@n3.0b", Value(0), "   "},
        {"@n3.0b", Value(7), "  7"},
        {"N_3B", Value(0), "   "},
        {"N_3B", Value(12), " 12"},
        {"@n_7.0", Value(1234567), "1234567"},
        {"@n_7.0", Value(12345678), "#######"},
        {"n_8", Value(10023), "   10023"},
        {"n-5.3", num("0.0825"), "0.083"},
        {"n-5.3", num("-0.0825"), "-.083"},
        {"n-7.2", num("12.5"), "  12.50"},
        {"n-7.2", num("-999.99"), "-999.99"},
        {"n-7.2", Value(1000), "#######"},
        {"@n-10.2", num("1234.5"), "  1,234.50"},
        {"@n-10.2", num("-1234.5"), " -1,234.50"},
        {"@n-10.2", Value(0), "      0.00"},
        {"@n-10.2", num("-0.004"), "      0.00"},
        {"n-13", Value(1001), "        1,001"},
        {"n-15.0", num("8005551212"), "  8,005,551,212"},
        {"n$7.2", num("12.5"), " $12.50"},
        {"n$8.2", num("999.99"), " $999.99"},
        {"n$8.2", num("1234.5"), "########"},
        {"@n$10.2", num("1234.5"), " $1,234.50"},
        {"@n$-10.2", num("-1234.5"), "-$1,234.50"},
        {"@n$*10.2", num("12.5"), "$****12.50"},
        {"@n$*10.2", num("-12.5"), "-$***12.50"},
        {"@N30.9", num("1234.5"), std::string(15, ' ') + "1,234.500000000"},
        {"@n-10.2", Value("12.5"), "     12.50"},  // text read as a number
        {"@n4", Value("abc"), "   0"},
        {"@n4", Value(Decimal::outOfRangeValue()), "####"},
    });
}

TEST(PictureFormat, Dates) {
    expectFormats({
        {"@d1", day(12, 31, 1999), "12/31/99"},
        {"@D1", day(1, 5, 2026), "01/05/26"},
        {"d1", day(2, 29, 2000), "02/29/00"},
        {"@d4", day(1, 5, 2026), "January 5, 2026"},
        {"@d4", day(9, 30, 1801), "September 30, 1801"},
        {"@d1", Value(0), "        "},
        {"@d4", Value(0), std::string(18, ' ')},
        {"@d1", Value(-7), "        "},
        {"@d1", Value(std::to_string(rt::date(7, 4, 2026))), "07/04/26"},  // digits in text
    });
}

TEST(PictureFormat, Patterns) {
    expectFormats({
        {"@P###-###-####P", num("8005551212"), "800-555-1212"},
        {"P###-###-####Pb", Value(0), std::string(12, ' ')},
        {"P###-###-####P", Value(0), "000-000-0000"},
        {"P(###)-###-####P", Value("8005551212"), "(800)-555-1212"},
        {"P(###)-###-####P", Value("(800) 555-1212"), "(800)-555-1212"},
        {"P(###)-###-####P", Value("5551234"), "(000)-555-1234"},
        // More digits than the pattern holds: a text shows as typed, or as its digits where
        // only those fit the width; a number (or a text of too many digits) as "#".
        {"P(###)-###-####P", Value("1 503 555 1212"), "1 503 555 1212"},
        {"P(###)-###-####P", Value("15035551212"), "15035551212   "},
        {"P(###)-###-####P", Value("+44 20 7946 0958"), "442079460958  "},
        {"P(###)-###-####P", Value("123456789012345"), "(###)-###-####"},
        {"P(###)-###-####P", num("15035551212"), "(###)-###-####"},
        // A blank phone number shows blank, with or without "b".
        {"P(###)-###-####P", Value("   "), "              "},
        {"P###-###-####Pb", Value(""), "            "},
        {"@P###P", Value(42), "042"},
        {"P###Pb", Value(0), "   "},
        {"P###Pb", Value("   "), "   "},
        {"P###P", Value(12345), "###"},
        {"P###P", Value(-42), "042"},
        {"P##:##P", Value("1030"), "10:30"},
        {"P##:##P", Value("0930"), "09:30"},
        {"P##:##P", Value("10:30"), "10:30"},
        {"P.#####P", num("0.0825"), ".08250"},
        {"P.#####P", num("0.082555"), ".08256"},
        {"p##p", Value(5), "05"},
        {"P###.###.####P", num("5551234567"), "555.123.4567"},  // several points: separators
    });
}

TEST(PictureFormat, UnknownPicturesWritePlainText) {
    expectFormats({
        {"", num("12.50"), "12.5"},
        {"@", Value("abc"), "abc"},
        {"@x12", Value("abc"), "abc"},
        {"@d9", Value(5), "5"},
        {"@n", Value(5), "5"},
        {"@s0", Value("ab"), "ab"},
        {"@n3.5", Value(5), "5"},
        {"@n--5", Value(5), "5"},
        {"@P##P extra", Value(5), "5"},
        {"@PP", Value(5), "5"},
        {"@Pabc", Value(5), "5"},
        {"@s99999999999999999999", Value("ab"), "ab"},
    });
}

struct DeformatCase {
    const char* picture;
    const char* input;
    bool ok;
    std::string expected;  // the value as text (numberToText for numbers)
};

void expectDeformats(const std::vector<DeformatCase>& cases) {
    for (const DeformatCase& c : cases) {
        const rt::DeformatResult r = rt::deformat(c.input, c.picture);
        EXPECT_EQ(r.ok, c.ok) << c.picture << " reading \"" << c.input << '"';
        if (r.ok && c.ok) {
            EXPECT_EQ(r.value.asText(), c.expected) << c.picture << " reading \"" << c.input << '"';
        }
    }
}

TEST(PictureDeformat, TextIsTakenAsTypedUpToTheWidth) {
    expectDeformats({
        {"@s5", "abcdefg", true, "abcde"},
        {"s20", "  x ", true, "  x "},
        {"@S1000", "12.50", true, "12.50"},
    });
    EXPECT_TRUE(rt::deformat("12", "@s5").value.isText());
}

TEST(PictureDeformat, Numbers) {
    expectDeformats({
        {"@n-10.2", "1,234.50", true, "1234.5"},
        {"@n-10.2", "-12.345", true, "-12.35"},
        {"@n-10.2", "12.50-", true, "-12.5"},
        {"@n-10.2", "  ", true, "0"},
        {"@n-10.2", " 7 ", true, "7"},
        {"@n$-10.2", "$1,234.50", true, "1234.5"},
        {"@n$-10.2", "-$5", true, "-5"},
        {"@n$-10.2", "$-5", true, "-5"},
        {"@n$*10.2", "$****12.50", true, "12.5"},
        {"n2", "99", true, "99"},
        {"N_3B", "15", true, "15"},
        {"N_3B", "", true, "0"},
        {"n_7.0", "1234567", true, "1234567"},
        {"n-7.2", "999.99", true, "999.99"},
        {"n-13", "1.5", true, "2"},
        {"N30.9", "1234567890.123456789", true, "1234567890.123456789"},
        {"n2.0", "0", true, "0"},
        {"n4", "-0", true, "0"},
        {"n-13.2", "1,234,567.00", true, "1234567"},
        {"n-10.2", "-12,345", true, "-12345"},
        {"n-10.2", "999,999", true, "999999"},
        // refused
        {"@n4", "12a", false, ""},
        {"@n4", "abc", false, ""},
        {"@n4", "-5", false, ""},    // no "-" in the picture
        {"@n4", "1000", false, ""},  // "1,000" is wider than 4
        {"n2", "100", false, ""},
        {"n-7.2", "1000", false, ""},
        {"n_7.0", "12345678", false, ""},
        {"n-10.2", "1.2.3", false, ""},
        {"n-10.2", "$", false, ""},
        {"n-10.2", "-", false, ""},
        {"n-10.2", "--5", false, ""},
        {"n-10.2", "-5-", false, ""},
        {"n-10.2", "5 5", false, ""},
        {"n-10.2", "1e5", false, ""},
        // a comma only separates thousands
        {"n$10.2", "12,50", false, ""},
        {"n$10.2", "1,5", false, ""},
        {"n$10.2", ",5", false, ""},
        {"n$10.2", "1,2,3.00", false, ""},
        {"n$10.2", "1234,567", false, ""},
        {"n$10.2", "1,234,56", false, ""},
        {"n$10.2", "1,,234", false, ""},
        {"n$10.2", "1,234,", false, ""},
        {"n$10.2", "12.50,", false, ""},
        {"n$10.2", "1.234,50", false, ""},
        {"N30.9", "123456789012345678901.5", false, ""},
        {"N30.9", "99999999999999999999999999999999999999999", false, ""},
    });
    const rt::DeformatResult r = rt::deformat("12.5", "n-10.2");
    ASSERT_TRUE(r.value.isNumber());
    EXPECT_EQ(r.value.number().places(), 2);
}

TEST(PictureDeformat, Dates) {
    const long thisYear = rt::yearOf(rt::today());
    expectDeformats({
        {"@d1", "12/31/99", true, std::to_string(rt::date(12, 31, 1999))},
        {"@D1", "1/5/2026", true, std::to_string(rt::date(1, 5, 2026))},
        {"d1", "2-29-2000", true, std::to_string(rt::date(2, 29, 2000))},
        {"d1", " 07.04.1976 ", true, std::to_string(rt::date(7, 4, 1976))},
        {"d1", "123199", true, std::to_string(rt::date(12, 31, 1999))},
        {"d1", "07041976", true, std::to_string(rt::date(7, 4, 1976))},
        {"d4", "January 5, 2026", true, std::to_string(rt::date(1, 5, 2026))},
        {"d4", "jan 5 2026", true, std::to_string(rt::date(1, 5, 2026))},
        {"d1", "Dec 25, 2025", true, std::to_string(rt::date(12, 25, 2025))},
        {"d1", "1/1/00", true, std::to_string(rt::date(1, 1, thisYear - thisYear % 100))},
        {"d1", "", true, "0"},
        // refused
        {"d1", "2/29/1900", false, ""},
        {"d1", "2/30/2026", false, ""},
        {"d1", "13/1/2026", false, ""},
        {"d1", "0/1/2026", false, ""},
        {"d1", "abc", false, ""},
        {"d1", "12/31", false, ""},
        {"d1", "1/1/1800", false, ""},
        {"d1", "12/31/199", false, ""},
        {"d1", "12/31/99/1", false, ""},
        {"d4", "Foo 5, 2026", false, ""},
        {"d1", "1/1/10000", false, ""},
        {"d1", "1/2/-2026", false, ""},
        {"d1", "1-2--26", false, ""},
        {"d4", "Jan 5, -2026", false, ""},
        {"d1", "-1/2/2026", false, ""},
    });
}

TEST(PictureDeformat, TwoDigitYearsFallInAWindowAroundTheCurrentYear) {
    EXPECT_EQ(rt::expandTwoDigitYear(99, 2026), 1999);
    EXPECT_EQ(rt::expandTwoDigitYear(47, 2026), 1947);
    EXPECT_EQ(rt::expandTwoDigitYear(46, 2026), 2046);
    EXPECT_EQ(rt::expandTwoDigitYear(0, 2026), 2000);
    EXPECT_EQ(rt::expandTwoDigitYear(26, 2026), 2026);
    EXPECT_EQ(rt::expandTwoDigitYear(5, 2095), 2105);
    EXPECT_EQ(rt::expandTwoDigitYear(16, 2095), 2016);
}

TEST(PictureDeformat, Patterns) {
    expectDeformats({
        {"P###-###-####P", "800-555-1212", true, "8005551212"},
        {"P###-###-####P", "8005551212", true, "8005551212"},
        {"P###-###-####P", "555-1212", true, "5551212"},
        {"P###-###-####Pb", "", true, "0"},
        {"P(###)-###-####P", "(800) 555-1212", true, "8005551212"},
        {"P##:##P", "10:30", true, "1030"},
        {"P##:##P", "1:30", true, "0130"},
        {"P##:##P", "08:00", true, "0800"},  // times keep their positions and sort as text
        {"P##:##P", "0:05", true, "0005"},
        {"P##:##P", "23:59", true, "2359"},
        {"P##:##P", "0000", true, "0000"},
        {"P###P", "42", true, "42"},
        {"P###Pb", "007", true, "7"},
        {"P.#####P", ".0825", true, "0.0825"},
        {"P.#####P", "0.0825", true, "0.0825"},
        {"P.#####P", "08250", true, "0.0825"},
        // refused
        {"P###-###-####P", "800-555-12123", false, ""},
        {"P###-###-####P", "800-55A-1212", false, ""},
        {"P###-###-####P", "---", false, ""},
        {"P##:##P", "12:345", false, ""},
        {"P##:##P", "10.30", false, ""},
        {"P##:##P", "99:99", false, ""},
        {"P##:##P", "24:00", false, ""},
        {"P##:##P", "10:60", false, ""},
        {"P##:##P", "175", false, ""},
        {"P##:##:##P", "12:30:60", false, ""},
        {"P###P", "-42", false, ""},
        {"P###P", "1#2", false, ""},
        {"P.#####P", "8.25", false, ""},
        {"P.#####P", ".082555", false, ""},
        {"P.#####P", ".08.2", false, ""},
    });
}

TEST(PictureDeformat, UnknownPicturesGiveTheInputBack) {
    expectDeformats({
        {"@x9", "anything", true, "anything"},
        {"", "12/31/99", true, "12/31/99"},
        {"@d9", "12/31/99", true, "12/31/99"},
    });
}

TEST(PictureDeformat, FormattedValuesReadBack) {
    struct Case {
        const char* picture;
        Value value;
    };
    const std::vector<Case> cases = {
        {"@n-10.2", num("-1234.56")},
        {"@n$*10.2", num("12.5")},
        {"@n$-10.2", num("-99.9")},
        {"N30.9", num("0.123456789")},
        {"@d1", day(12, 31, 1999)},
        {"@d4", day(2, 29, 2000)},
        {"P(###)-###-####P", num("8005551212")},
        {"P.#####P", num("0.0825")},
        {"P##:##P", Value(930)},
    };
    for (const Case& c : cases) {
        const rt::DeformatResult r = rt::deformat(rt::format(c.value, c.picture), c.picture);
        EXPECT_TRUE(r.ok) << c.picture;
        EXPECT_EQ(r.value.asNumber(), c.value.asNumber()) << c.picture;
    }
}

TEST(PictureDescribe, KindsAndWidths) {
    struct Case {
        const char* picture;
        rt::PictureKind kind;
        int width;
        int places;
        bool blankWhenZero;
    };
    using K = rt::PictureKind;
    const std::vector<Case> cases = {
        {"@s15", K::Text, 15, 0, false},
        {"S1000", K::Text, 1000, 0, false},
        {"@n-10.2", K::Number, 10, 2, false},
        {"N_3B", K::Number, 3, 0, true},
        {"n3.0b", K::Number, 3, 0, true},
        {"@n$*10.2", K::Number, 10, 2, false},
        {"N30.9", K::Number, 30, 9, false},
        {"@d1", K::Date, 8, 0, false},
        {"D1", K::Date, 8, 0, false},
        {"d4", K::Date, 18, 0, false},
        {"P###-###-####Pb", K::Pattern, 12, 0, true},
        {"@P(###)-###-####P", K::Pattern, 14, 0, false},
        {"P.#####P", K::Pattern, 6, 5, false},
        {"P##:##P", K::Pattern, 5, 0, false},
        {"@s15   ", K::Text, 15, 0, false},
        {"@q", K::Unknown, 0, 0, false},
        {"", K::Unknown, 0, 0, false},
        {"@n$$5", K::Unknown, 0, 0, false},
    };
    for (const Case& c : cases) {
        const rt::PictureInfo info = rt::describePicture(c.picture);
        EXPECT_EQ(info.kind, c.kind) << c.picture;
        EXPECT_EQ(info.width, c.width) << c.picture;
        EXPECT_EQ(info.places, c.places) << c.picture;
        EXPECT_EQ(info.blankWhenZero, c.blankWhenZero) << c.picture;
    }
}

TEST(PictureDescribe, EveryPictureInUseIsUnderstoodInAnySpelling) {
    using K = rt::PictureKind;
    struct Case {
        std::string picture;
        K kind;
        int width;
    };
    std::vector<Case> cases = {
        {"n2", K::Number, 2},
        {"n3", K::Number, 3},
        {"n4", K::Number, 4},
        {"n5", K::Number, 5},
        {"n6", K::Number, 6},
        {"N2", K::Number, 2},
        {"N3", K::Number, 3},
        {"N4", K::Number, 4},
        {"n2.0", K::Number, 2},
        {"n3.0b", K::Number, 3},
        {"N_3B", K::Number, 3},
        {"n_7.0", K::Number, 7},
        {"n_8", K::Number, 8},
        {"n-5.3", K::Number, 5},
        {"n-7.2", K::Number, 7},
        {"n-10.2", K::Number, 10},
        {"n-13", K::Number, 13},
        {"n-15.0", K::Number, 15},
        {"n$7.2", K::Number, 7},
        {"n$8.2", K::Number, 8},
        {"n$10.2", K::Number, 10},
        {"n$-10.2", K::Number, 10},
        {"n$*10.2", K::Number, 10},
        {"N30.9", K::Number, 30},
        {"d1", K::Date, 8},
        {"D1", K::Date, 8},
        {"d4", K::Date, 18},
        {"P###P", K::Pattern, 3},
        {"P###Pb", K::Pattern, 3},
        {"P##:##P", K::Pattern, 5},
        {"P###-###-####P", K::Pattern, 12},
        {"P###-###-####Pb", K::Pattern, 12},
        {"P(###)-###-####P", K::Pattern, 14},
        {"P.#####P", K::Pattern, 6},
        {"S1000", K::Text, 1000},
    };
    for (int width : {1, 2, 3, 4, 5, 8, 9, 10, 12, 15, 20, 25, 30, 31, 40, 50, 60, 70, 80, 255}) {
        cases.push_back({"s" + std::to_string(width), K::Text, width});
    }
    for (const Case& c : cases) {
        std::string swapped = c.picture;
        const auto letter = static_cast<unsigned char>(swapped[0]);
        swapped[0] =
            static_cast<char>(std::isupper(letter) ? std::tolower(letter) : std::toupper(letter));
        for (const std::string& spelling : {c.picture, "@" + c.picture, swapped, "@" + swapped}) {
            const rt::PictureInfo info = rt::describePicture(spelling);
            EXPECT_EQ(info.kind, c.kind) << spelling;
            EXPECT_EQ(info.width, c.width) << spelling;
            if (c.kind != K::Date) {
                EXPECT_EQ(static_cast<int>(rt::format(rt::Value(7), spelling).size()), c.width)
                    << spelling;
            }
        }
    }
}

}  // namespace
