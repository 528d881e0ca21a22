// The eighteen match types, one table of cases per test.

#include <gtest/gtest.h>

#include <string>

#include "frame/match_types.h"
#include "runtime/text/day_number.h"

namespace {

struct StringCase {
    int type;
    const char* field;
    const char* criterion;
    const char* upper;
    bool matches;
};

TEST(TestStringMatch, EveryTypeOnText) {
    const StringCase cases[] = {
        // Equals ignores the field's leading blanks and its case.
        {MATCH::Equals, "  smith", "SMITH", "", true},
        {MATCH::Equals, "Smithers", "SMITH", "", false},
        // Does not equal keeps the leading blanks: a field with them matches both.
        {MATCH::NotEqual, "  smith", "SMITH", "", true},
        {MATCH::NotEqual, "smith  ", "SMITH", "", false},
        {MATCH::NotEqual, "Smithers", "SMITH", "", true},
        {MATCH::NotEqual, "smith", "SMITH", "", false},
        // Order types keep leading blanks and compare blank-padded.
        {MATCH::MoreThan, "JONES", "JONE", "", true},
        {MATCH::MoreThan, "JONES", "JONES", "", false},
        {MATCH::LessThan, " ZED", "ADAM", "", true},
        {MATCH::MoreOrEqual, "jones", "JONES", "", true},
        {MATCH::LessOrEqual, "JONES", "JONER", "", false},
        // Ranges compare prefixes of the criterion's and the limit's length.
        {MATCH::InsideRange, "Kathy", "K", "M", true},
        {MATCH::InsideRange, "Linda", "K", "M", true},
        {MATCH::InsideRange, "Mary", "K", "M", true},
        {MATCH::InsideRange, "Jane", "K", "M", false},
        {MATCH::InsideRange, "Nora", "K", "M", false},
        {MATCH::InsideRange, "Mary", "K", "m", true},  // the limit ignores case too
        {MATCH::InsideRange, "Nora", "K", "m", false},
        {MATCH::OutsideRange, "Jane", "K", "M", true},
        {MATCH::OutsideRange, "Nora", "K", "M", true},
        {MATCH::OutsideRange, "Mary", "K", "M", false},
        // Begins with: after leading blanks, in any case, not further on.
        {MATCH::BeginsWith, "Smith", "SM", "", true},
        {MATCH::BeginsWith, "   smith", "SM", "", true},
        {MATCH::BeginsWith, "Esmeralda", "SM", "", false},
        {MATCH::BeginsWith, "anything", "", "", true},  // an emptied criterion
        {MATCH::EndsWith, "Hansen    ", "SEN", "", true},
        {MATCH::EndsWith, "Hansens", "SEN", "", false},
        {MATCH::EndsWith, "EN", "SEN", "", false},
        {MATCH::Contains, "Peterson", "ERS", "", true},
        {MATCH::Contains, "Peterson", "XY", "", false},
        {MATCH::NotContains, "Peterson", "ERS", "", false},
        {MATCH::NotContains, "Peterson", "XY", "", true},
        // Types without a text meaning match everything.
        {MATCH::Ignore, "x", "Y", "", true},
        {MATCH::SameMonth, "x", "Y", "", true},
        {MATCH::SameYearMonth, "x", "Y", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TestStringMatch(c.type, c.field, c.criterion, c.upper), c.matches)
            << "type " << c.type << " field '" << c.field << "' criterion '" << c.criterion
            << "' upper '" << c.upper << "'";
    }
}

TEST(TestStringMatch, FieldIsCutTo255Characters) {
    const std::string longField = std::string(255, 'A') + "TAIL";
    EXPECT_FALSE(TestStringMatch(MATCH::Contains, longField, "TAIL", ""));
    EXPECT_TRUE(TestStringMatch(MATCH::Contains, longField, "AAAA", ""));
}

struct NumberCase {
    int type;
    double value;
    double criterion;
    double third;
    bool matches;
};

TEST(TestNumberMatch, EveryTypeOnNumbers) {
    const NumberCase cases[] = {
        {MATCH::Equals, 12.5, 12.5, 0, true},
        {MATCH::Equals, 0.1 + 0.2, 0.3, 0, true},  // agree in their 50 leading bits
        {MATCH::Equals, 12.5, 12.6, 0, false},
        {MATCH::NotEqual, 0.1 + 0.2, 0.3, 0, false},
        {MATCH::NotEqual, 12.5, 12.6, 0, true},
        {MATCH::MoreThan, 10, 9, 0, true},
        {MATCH::MoreThan, 9, 9, 0, false},
        {MATCH::LessThan, 8, 9, 0, true},
        {MATCH::MoreOrEqual, 9, 9, 0, true},
        {MATCH::LessOrEqual, 10, 9, 0, false},
        // Inside includes both ends, outside excludes both.
        {MATCH::InsideRange, 100, 100, 200, true},
        {MATCH::InsideRange, 200, 100, 200, true},
        {MATCH::InsideRange, 200.5, 100, 200, false},
        {MATCH::OutsideRange, 100, 100, 200, false},
        {MATCH::OutsideRange, 200, 100, 200, false},
        {MATCH::OutsideRange, 99, 100, 200, true},
        {MATCH::OutsideRange, 201, 100, 200, true},
        // Begins with: the divisor holds the criterion's trailing zeros.
        {MATCH::BeginsWith, 1250, 1200, 100, true},
        {MATCH::BeginsWith, 1300, 1200, 100, false},
        {MATCH::BeginsWith, 7, 7, 0, true},  // no divisor: whole numbers
        {MATCH::EndsWith, 1045, 45, 0, true},
        {MATCH::EndsWith, 345, 45, 0, true},
        {MATCH::EndsWith, 4500, 45, 0, false},
        {MATCH::EndsWith, 5, 45, 0, false},
        {MATCH::EndsWith, 12.25, 0.25, 0, false},
        {MATCH::EndsWith, 3.25, 25, 0, true},
        {MATCH::Contains, 1, 2, 0, true},
        {MATCH::NotContains, 1, 2, 0, true},
        {MATCH::Ignore, 1, 2, 0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TestNumberMatch(c.type, c.value, c.criterion, c.third), c.matches)
            << "type " << c.type << " value " << c.value << " criterion " << c.criterion;
    }
}

TEST(TestNumberMatch, DatePartsOfDayNumbers) {
    const double march1999 = rt::date(3, 15, 1999);
    struct DateCase {
        int type;
        long value;
        bool matches;
    };
    const DateCase cases[] = {
        {MATCH::SameYearMonth, rt::date(3, 1, 1999), true},
        {MATCH::SameYearMonth, rt::date(3, 31, 1999), true},
        {MATCH::SameYearMonth, rt::date(2, 28, 1999), false},
        {MATCH::SameYearMonth, rt::date(3, 15, 2000), false},
        {MATCH::SameYear, rt::date(12, 31, 1999), true},
        {MATCH::SameYear, rt::date(1, 1, 2000), false},
        {MATCH::SameMonth, rt::date(3, 2, 2024), true},
        {MATCH::SameMonth, rt::date(4, 15, 1999), false},
        {MATCH::SameDay, rt::date(7, 15, 2010), true},
        {MATCH::SameDay, rt::date(3, 16, 1999), false},
        {MATCH::SameMonthDay, rt::date(3, 15, 2031), true},
        {MATCH::SameMonthDay, rt::date(3, 14, 1999), false},
        {MATCH::SameYear, 0, false},  // no date
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TestNumberMatch(c.type, c.value, march1999, 0), c.matches)
            << "type " << c.type << " day " << c.value;
    }
}

TEST(NumberAsMatchText, FourteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(NumberAsMatchText(45), "45");
    EXPECT_EQ(NumberAsMatchText(1045.5), "1045.5");
    EXPECT_EQ(NumberAsMatchText(0.25), "0.25");
    EXPECT_EQ(NumberAsMatchText(-3), "-3");
    EXPECT_EQ(NumberAsMatchText(1.0 / 3.0), "0.33333333333333");
    EXPECT_EQ(NumberAsMatchText(0), "0");
}

struct MemoCase {
    int type;
    const char* memo;
    const char* criterion;
    bool matches;
};

TEST(TestMemoMatch, EveryTypeOnMemos) {
    const MemoCase cases[] = {
        {MATCH::Equals, "Call on Monday", "CALL ON MONDAY", true},
        {MATCH::Equals, " Call on Monday", "CALL ON MONDAY", false},
        {MATCH::NotEqual, "Call on Monday", "CALL ON MONDAY", false},
        {MATCH::NotEqual, "Call on Tuesday", "CALL ON MONDAY", true},
        {MATCH::BeginsWith, "Call on Monday", "CALL", true},
        {MATCH::BeginsWith, "  Call on Monday", "CALL", false},  // leading blanks kept
        {MATCH::BeginsWith, "Ca", "CALL", false},
        {MATCH::EndsWith, "Call on Monday   ", "MONDAY", true},
        {MATCH::EndsWith, "Monday call", "MONDAY", false},
        {MATCH::Contains, "Call on mOnDaY", "MONDAY", true},
        {MATCH::Contains, "Call on Tuesday", "MONDAY", false},
        {MATCH::NotContains, "Call on Tuesday", "MONDAY", true},
        {MATCH::NotContains, "monday", "MONDAY", false},
        {MATCH::MoreThan, "a", "B", true},  // not a memo type: matches
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TestMemoMatch(c.type, c.memo, c.criterion), c.matches)
            << "type " << c.type << " memo '" << c.memo << "' criterion '" << c.criterion << "'";
    }
}

TEST(MatchTypes, GlyphsTextsAndKinds) {
    EXPECT_EQ(GetMatchSymbol(MATCH::Ignore), "");
    EXPECT_EQ(GetMatchSymbol(MATCH::Equals), "=");
    EXPECT_EQ(GetMatchSymbol(MATCH::NotEqual), "\xB9");
    EXPECT_EQ(GetMatchSymbol(MATCH::SameYearMonth), "Y");
    EXPECT_FALSE(MatchSymbolIsLetter(MATCH::NotContains));
    EXPECT_TRUE(MatchSymbolIsLetter(MATCH::SameMonth));
    EXPECT_EQ(MatchTypeText(MATCH::OutsideRange), "Outside range starting with this");

    const FieldKindInfo date = DescribeFieldKind(FieldKind::Date);
    EXPECT_EQ(date.title, "Match Type for DATE Field");
    EXPECT_EQ(date.offered, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15, 16, 17}));
    EXPECT_EQ(date.typeOnFirstEntry, 0);
    const FieldKindInfo memo = DescribeFieldKind(FieldKind::Memo);
    EXPECT_EQ(memo.offered, (std::vector<int>{0, 1, 2, 9, 10, 11, 12}));
    EXPECT_EQ(memo.typeOnFirstEntry, MATCH::Contains);
    EXPECT_EQ(DescribeFieldKind(FieldKind::Text).typeOnFirstEntry, MATCH::BeginsWith);
    EXPECT_EQ(DescribeFieldKind(FieldKind::NumberPicture).offered.size(), 11u);
    EXPECT_EQ(DescribeFieldKind(FieldKind::Choice).title, "Match Type for OPTION Field");
}

}  // namespace
