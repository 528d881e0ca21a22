#include "runtime/text/fixed_text.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

TEST(FixedText, AssignmentCutsOrPads) {
    rt::FixedString<5> s("abcdefg");
    EXPECT_EQ(s.view(), "abcde");
    s = "ab";
    EXPECT_EQ(s.view(), "ab   ");
    EXPECT_EQ(s.clipped(), "ab");
    EXPECT_TRUE(s == "ab");  // trailing blanks do not count
    rt::FixedString<4> copied = "wxyz!";
    EXPECT_EQ(copied.view(), "wxyz");
    rt::FixedString<3> empty;
    EXPECT_EQ(empty.view(), "   ");

    std::array<char, 4> field{'x', 'x', 'x', 'x'};
    rt::assignFixed(field, "hi");
    EXPECT_EQ(std::string_view(field.data(), 4), "hi  ");
    rt::assignFixed(std::span<char>(), "anything");  // a zero-width field takes nothing
}

TEST(FixedText, ClipDropsOnlyTrailingBlanks) {
    EXPECT_EQ(rt::clip("  a b  "), "  a b");
    EXPECT_EQ(rt::clip("    "), "");
    EXPECT_EQ(rt::clip(""), "");
}

TEST(FixedText, CaseCoversAccentedWindows1252Letters) {
    EXPECT_EQ(rt::upper("abc xyz 123"), "ABC XYZ 123");
    // é è ñ ü å æ ø þ š œ ž ÿ and their capitals; ß µ ÷ × stay.
    EXPECT_EQ(rt::upper("\xE9\xE8\xF1\xFC\xE5\xE6\xF8\xFE\x9A\x9C\x9E\xFF"),
              "\xC9\xC8\xD1\xDC\xC5\xC6\xD8\xDE\x8A\x8C\x8E\x9F");
    EXPECT_EQ(rt::lower("\xC9\xC8\xD1\xDC\xC5\xC6\xD8\xDE\x8A\x8C\x8E\x9F"),
              "\xE9\xE8\xF1\xFC\xE5\xE6\xF8\xFE\x9A\x9C\x9E\xFF");
    EXPECT_EQ(rt::upper("\xDF\xB5\xF7"), "\xDF\xB5\xF7");
    EXPECT_EQ(rt::lower("\xDF\xB5\xD7"), "\xDF\xB5\xD7");
    EXPECT_EQ(rt::lower("MiXeD"), "mixed");
}

TEST(FixedText, SubTakesOneBasedSlicesAndStaysInside) {
    struct Case {
        int start;
        int length;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {1, 3, "abc"}, {4, 3, "def"}, {5, 10, "ef"}, {6, 1, "f"}, {7, 2, ""},
        {0, 2, "a"},   {-5, 8, "ab"}, {2, 0, ""},    {2, -1, ""}, {3, 1, "c"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::sub("abcdef", c.start, c.length), c.expected) << c.start << "," << c.length;
    }
}

TEST(FixedText, LeftMovesLeadingBlanksToTheEnd) {
    EXPECT_EQ(rt::left("   abc "), "abc    ");
    EXPECT_EQ(rt::left("abc"), "abc");
    EXPECT_EQ(rt::left("   "), "   ");
}

TEST(FixedText, InstringFindsWithStepAndStart) {
    struct Case {
        const char* needle;
        const char* haystack;
        int step;
        int start;
        int expected;
    };
    const std::vector<Case> cases = {
        {"b", "abcabc", 1, 1, 2},  {"b", "abcabc", 1, 3, 5},
        {"bc", "abcabc", 3, 2, 2}, {"c", "abcabc", 3, 1, 0},  // positions 1 and 4 only
        {"ca", "abcabc", 1, 1, 3}, {"x", "abc", 1, 1, 0},
        {"", "abc", 1, 1, 0},      {"abc", "ab", 1, 1, 0},
        {"a", "abc", 0, 1, 0},     {"a", "abc", 1, 0, 0},
        {"c", "abc", 1, 99, 0},    {"|", "Home|Work|Fax", 1, 6, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::instring(c.needle, c.haystack, c.step, c.start), c.expected)
            << c.needle << " in " << c.haystack;
    }
}

TEST(FixedText, ComparisonPadsTheShorterWithBlanks) {
    EXPECT_EQ(rt::compareText("abc", "abc   "), 0);
    EXPECT_EQ(rt::compareText("", "   "), 0);
    EXPECT_LT(rt::compareText("ab", "abc"), 0);
    EXPECT_LT(rt::compareText("ab\x01", "ab"), 0);   // below a blank
    EXPECT_GT(rt::compareText("\xE9", "z"), 0);      // unsigned bytes: é after z
    EXPECT_LT(rt::compareText("Zeta", "alpha"), 0);  // case sensitive
}

TEST(FixedText, FixedStringsOfDifferentWidthsCompareBlankPadded) {
    const rt::FixedString<5> a("ab");
    const rt::FixedString<10> b("ab");
    const rt::FixedString<10> c("abc");
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == c);
}

}  // namespace
