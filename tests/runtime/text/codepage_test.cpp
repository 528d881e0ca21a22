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
