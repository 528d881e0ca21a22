#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "runtime/print/page_file.h"
#include "tests/support/temp_dir.h"

namespace {

rt::Page samplePage() {
    rt::Page page;
    page.width = 8500;
    page.height = 11000;
    rt::PageText text;
    text.x = 250, text.y = 500, text.width = 2000, text.height = 156;
    text.align = rt::TextAlign::Right;
    text.font = {"Arial", 12, rt::kFontBold | rt::kFontItalic};
    text.colour = 0x800000;
    text.background = rt::kWhite;
    text.text = "Caf\xE9 Page xxxxx of xxxxx";
    page.items.emplace_back(text);
    page.items.emplace_back(rt::PageLine{42, 240, 7980, 240, 0, rt::kBlack});
    page.items.emplace_back(rt::PageBox{146, 83, 188, 1854, 10, 0x8080FF, 0x8080FF, true});
    rt::PageImage image;
    image.x = 2490, image.y = 1479, image.width = 500, image.height = 500;
    image.data = {1, 2, 3, 4, 5};
    page.items.emplace_back(image);
    rt::PageText memo;
    memo.wrap = true;
    memo.text = "several words in a memo box";
    page.items.emplace_back(memo);
    return page;
}

TEST(PageFile, RoundTripsEveryKindOfItem) {
    testsupport::TempDir dir;
    const rt::Page page = samplePage();
    std::string error;
    ASSERT_TRUE(rt::writePageFile(dir / "p.tvp", page, error)) << error;
    const rt::PageReadResult read = rt::readPageFile(dir / "p.tvp");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.page, page);
}

TEST(PageFile, TextsStandAsPlainCharacters) {
    const std::vector<std::uint8_t> bytes = rt::encodePage(samplePage());
    const std::string raw(bytes.begin(), bytes.end());
    EXPECT_NE(raw.find("Caf\xE9 Page xxxxx of xxxxx"), std::string::npos);
}

TEST(PageFile, ReplacesTheFirstOccurrenceInPlace) {
    testsupport::TempDir dir;
    rt::Page page = samplePage();
    rt::PageText second;
    second.text = "Page xxxxx of xxxxx";
    page.items.emplace_back(second);
    std::string error;
    ASSERT_TRUE(rt::writePageFile(dir / "p.tvp", page, error));
    const auto sizeBefore = std::filesystem::file_size(dir / "p.tvp");

    EXPECT_EQ(
        rt::replaceTextInPageFile(dir / "p.tvp", "Page xxxxx of xxxxx", "   Page 3 of 12    "),
        rt::ReplaceResult::Replaced);
    EXPECT_EQ(std::filesystem::file_size(dir / "p.tvp"), sizeBefore);
    const rt::PageReadResult read = rt::readPageFile(dir / "p.tvp");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(std::get<rt::PageText>(read.page.items[0]).text, "Caf\xE9    Page 3 of 12    ");
    EXPECT_EQ(std::get<rt::PageText>(read.page.items.back()).text, "Page xxxxx of xxxxx");

    EXPECT_EQ(rt::replaceTextInPageFile(dir / "p.tvp", "no such text", "no such text"),
              rt::ReplaceResult::NotFound);
    EXPECT_EQ(rt::replaceTextInPageFile(dir / "p.tvp", "Page", "Pages"), rt::ReplaceResult::Failed);
    EXPECT_EQ(rt::replaceTextInPageFile(dir / "none.tvp", "Page", "Side"),
              rt::ReplaceResult::Failed);
}

TEST(PageFile, MissingOrForeignFilesAreErrors) {
    testsupport::TempDir dir;
    EXPECT_FALSE(rt::readPageFile(dir / "none.tvp").ok());
    std::ofstream(dir / "text.tvp") << "just some text, not a page";
    const rt::PageReadResult read = rt::readPageFile(dir / "text.tvp");
    EXPECT_FALSE(read.ok());
    EXPECT_FALSE(read.error.empty());
}

TEST(PageFile, DamagedFilesGiveErrorsNeverCrashes) {
    const std::vector<std::uint8_t> good = rt::encodePage(samplePage());
    for (std::size_t length = 0; length < good.size(); ++length) {
        const rt::PageReadResult read = rt::decodePage(std::span(good.data(), length));
        EXPECT_FALSE(read.ok()) << "cut at " << length;
        EXPECT_TRUE(read.page.items.empty());
    }
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(rt::decodePage(longer).ok());

    std::mt19937 random(99);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::uint8_t> damaged = good;
        for (int n = 0; n < 3; ++n)
            damaged[8 + random() % (damaged.size() - 8)] = static_cast<std::uint8_t>(random());
        (void)rt::decodePage(damaged);  // either result is fine; it must not crash
    }
    // A huge item count or text length must not allocate or read beyond the data.
    std::vector<std::uint8_t> hugeCount = good;
    hugeCount[16] = hugeCount[17] = hugeCount[18] = hugeCount[19] = 0xFF;
    EXPECT_FALSE(rt::decodePage(hugeCount).ok());
}

}  // namespace
