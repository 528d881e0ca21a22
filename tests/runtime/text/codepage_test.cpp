#include "runtime/text/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CodePage, EveryWindows1252ByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(rt::utf8ToCp1252(rt::cp1252ToUtf8(all)), all);
}

TEST(CodePage, Utf8ConversionOfKnownCharacters) {
    EXPECT_EQ(rt::cp1252ToUtf8("Caf\xE9 \x80 \x93quoted\x94"), "Café € “quoted”");
    EXPECT_EQ(rt::utf8ToCp1252("Café € “quoted” Ÿ"), "Caf\xE9 \x80 \x93quoted\x94 \x9F");
}

TEST(CodePage, UnmappableAndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(rt::utf8ToCp1252("a\u4E2Db"), "a?b");      // CJK
    EXPECT_EQ(rt::utf8ToCp1252("a\U0001F600b"), "a?b");  // emoji, four bytes
    EXPECT_EQ(rt::utf8ToCp1252("a\xC3"), "a?");          // cut sequence
    EXPECT_EQ(rt::utf8ToCp1252("a\xFFz"), "a?z");        // never valid
    EXPECT_EQ(rt::utf8ToCp1252("\xC0\xAF"), "?");        // overlong "/"
    EXPECT_EQ(rt::utf8ToCp1252("\xED\xA0\x80"), "?");    // surrogate
}

// The exact conversion names the first character it cannot keep instead of writing "?", and
// a "?" typed is kept.
TEST(CodePage, ExactConversionNamesTheFirstCharacterItCannotKeep) {
    const struct {
        const char* utf8;
        const char* text;
        const char* refused;
        bool utf8Valid;
    } cases[] = {
        {"Costs 5 € — ask “Zoë”?", "Costs 5 \x80 \x97 ask \x93Zo\xEB\x94?", "", true},
        {"Łukasz", "", "Ł", true},
        {"Dvořák", "Dvo", "ř", true},
        {"日本語", "", "日", true},
        {"a\U0001F600b", "a", "\U0001F600", true},
        {"\xEF\xBF\xBD", "", "\xEF\xBF\xBD", true},  // a real U+FFFD is kept apart
        {"a\xC3", "a", "\xC3", false},               // cut sequence
        {"Jos\xE9", "Jos", "\xE9", false},           // Windows-1252, not UTF-8
        {"\xC0\xAF", "", "\xC0\xAF", false},         // overlong "/"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        const rt::Cp1252Conversion converted = rt::utf8ToCp1252Exactly(c.utf8);
        EXPECT_EQ(converted.text, c.text);
        EXPECT_EQ(converted.refused, c.refused);
        EXPECT_EQ(rt::isUtf8(c.utf8), c.utf8Valid);
    }
}

TEST(CodePage, OemCodePageConversion) {
    // é ü Ä ñ £ ° ½ ß in 437.
    const std::string ansi = "\xE9\xFC\xC4\xF1\xA3\xB0\xBD\xDF plain";
    const std::string oem = "\x82\x81\x8E\xA4\x9C\xF8\xAB\xE1 plain";
    EXPECT_EQ(rt::cp1252ToOem(ansi), oem);
    EXPECT_EQ(rt::oemToCp1252(oem), ansi);
    // Characters only one side has become '?': box drawing in 437, € and © in 1252.
    EXPECT_EQ(rt::oemToCp1252("\xC4\xB3"), "??");
    EXPECT_EQ(rt::cp1252ToOem("\x80\xA9"), "??");
}

TEST(CodePage, OemRoundTripKeepsEveryCharacterBothCodePagesHave) {
    for (int b = 1; b < 256; ++b) {
        const std::string oem(1, static_cast<char>(b));
        const std::string ansi = rt::oemToCp1252(oem);
        if (ansi == "?" && b != '?') continue;
        EXPECT_EQ(rt::cp1252ToOem(ansi), oem) << b;
    }
}

}  // namespace
