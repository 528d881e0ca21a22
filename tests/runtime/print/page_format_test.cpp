#include <gtest/gtest.h>

#include <random>

#include "runtime/print/page_format.h"
#include "tests/runtime/print/sample_page.h"

namespace {

TEST(PageFormat, RoundTripsEveryKindOfItem) {
    const rt::Page page = fixtures::samplePage();
    const rt::PageReadResult read = rt::decodePage(rt::encodePage(page));
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.page, page);
}

TEST(PageFormat, TextsStandAsPlainCharacters) {
    const std::vector<std::uint8_t> bytes = rt::encodePage(fixtures::samplePage());
    const std::string raw(bytes.begin(), bytes.end());
    EXPECT_NE(raw.find("Caf\xE9 Page xxxxx of xxxxx"), std::string::npos);
}

TEST(PageFormat, DamagedBytesGiveErrorsNeverCrashes) {
    const std::vector<std::uint8_t> good = rt::encodePage(fixtures::samplePage());
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
