// The business-card styles and the return-address labels as the pages that reach the
// printer show them: slots on the page, each card's own picture or none.
#include <gtest/gtest.h>

#include <cstdio>

#include "labels/label_procedures.h"
#include "tests/labels/label_fixture.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/page_keeper.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace labeltest;
using testsupport::findText;

std::string asText(const samples::Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::vector<rt::PageImage> images(const rt::Page& page) {
    std::vector<rt::PageImage> out;
    for (const rt::PageItem& item : page.items)
        if (const auto* i = std::get_if<rt::PageImage>(&item)) out.push_back(*i);
    return out;
}

std::vector<Card> numberedCards(int count) {
    std::vector<Card> cards;
    for (int i = 1; i <= count; ++i) {
        char business[16], name[16];
        std::snprintf(business, sizeof business, "Biz%02d", i);
        std::snprintf(name, sizeof name, "Name%02d", i);
        cards.push_back({business, name, "Owner", "1 Road", "Town ST 00001", "555-0100", "555-0101",
                         "a@b.example", "b.example", ""});
    }
    return cards;
}

class CardReportsTest : public ::testing::Test {
  protected:
    void SetUp() override { keeper = testsupport::installPageKeeper(); }
    void TearDown() override { rt::printer().reset(); }

    testsupport::TempDir dir{/*enter=*/true};
    std::shared_ptr<testsupport::PageKeeper> keeper;
};

TEST_F(CardReportsTest, ElevenCardsFillTwoAcrossFiveDownInEveryStyle) {
    makeCards(numberedCards(11));
    // Where each style puts the name inside its card; style 4's band stands 10 to the right.
    struct Style {
        void (*report)();
        int x, y;
    };
    const Style styles[] = {{&PrintCardStyle1, 354, 760}, {&PrintCardStyle2, 833, 625},
                            {&PrintCardStyle3, 177, 677}, {&PrintCardStyle4, 10 + 552, 594},
                            {&PrintCardStyle5, 135, 667}, {&PrintCardStyle6, 177, 667},
                            {&PrintCardStyle7, 542, 667}};
    for (int s = 0; s < 7; ++s) {
        SCOPED_TRACE("style " + std::to_string(s + 1));
        keeper->printed.clear();
        EXPECT_EQ(printAtOnce(styles[s].report), RESP::Completed);
        ASSERT_EQ(keeper->printed.size(), 2u);
        for (int i = 0; i < 10; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "Name%02d", i + 1);
            const rt::PageText* t = findText(keeper->printed[0], name);
            ASSERT_NE(t, nullptr) << name;
            // Slots at (750, 500), (4250, 500), (750, 2500) ...
            EXPECT_EQ(t->x, 750 + 3500 * (i % 2) + styles[s].x) << name;
            EXPECT_EQ(t->y, 500 + 2000 * (i / 2) + styles[s].y) << name;
        }
        const rt::PageText* eleventh = findText(keeper->printed[1], "Name11");
        ASSERT_NE(eleventh, nullptr);
        EXPECT_EQ(eleventh->x, 750 + styles[s].x);
        EXPECT_EQ(eleventh->y, 500 + styles[s].y);
        // Style 1 has no title, e-mail or web-site line; the others print them.
        EXPECT_EQ(findText(keeper->printed[1], "Owner") != nullptr, s != 0);
        EXPECT_EQ(findText(keeper->printed[1], "a@b.example") != nullptr, s != 0);
    }
}

TEST_F(CardReportsTest, ThirtyOneReturnAddressLabelsGiveThirtyAndOne) {
    makeCards(numberedCards(31));
    EXPECT_EQ(printAtOnce(&PrintReturnAddressLabels), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 2u);
    for (int i = 0; i < 30; ++i) {
        char business[16];
        std::snprintf(business, sizeof business, "Biz%02d", i + 1);
        const rt::PageText* t = findText(keeper->printed[0], business);
        ASSERT_NE(t, nullptr) << business;
        EXPECT_EQ(t->x, 250 + 2625 * (i % 3) + 10 + 42) << business;
        EXPECT_EQ(t->y, 500 + 1000 * (i / 3) + 135) << business;
    }
    const rt::PageText* last = findText(keeper->printed[1], "Biz31");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->x, 250 + 10 + 42);
    EXPECT_EQ(last->y, 500 + 135);
    EXPECT_EQ(findText(keeper->printed[1], "Owner"), nullptr);
    EXPECT_TRUE(images(keeper->printed[0]).empty());
}

TEST_F(CardReportsTest, EachCardPrintsItsOwnPictureAndACardWithoutOnePrintsNone) {
    std::vector<Card> cards = numberedCards(6);
    cards[0].picture = asText(samples::jpeg(samples::JpegKind::Rgb));
    // Card 2 has none, card 3 a picture that cannot be read.
    cards[2].picture = "not a picture at all";
    cards[3].picture = asText(samples::bmp());
    cards[4].picture = asText(samples::gif());
    cards[5].picture = asText(samples::pcx8());
    makeCards(cards);
    EXPECT_EQ(printAtOnce(&PrintCardStyle3), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 1u);
    const std::vector<rt::PageImage> shown = images(keeper->printed[0]);
    ASSERT_EQ(shown.size(), 4u);
    const int withPicture[] = {0, 3, 4, 5};
    for (int n = 0; n < 4; ++n) {
        const int i = withPicture[n];
        SCOPED_TRACE(i);
        // Style 3's picture: at (219, 1375) in its card, half an inch square.
        EXPECT_EQ(shown[n].x, 750 + 3500 * (i % 2) + 219);
        EXPECT_EQ(shown[n].y, 500 + 2000 * (i / 2) + 1375);
        EXPECT_EQ(shown[n].width, 500);
        EXPECT_EQ(shown[n].height, 500);
        EXPECT_EQ(std::string(shown[n].data.begin(), shown[n].data.end()), cards[i].picture);
    }
    // The unreadable card still prints its texts.
    EXPECT_NE(findText(keeper->printed[0], "Name03"), nullptr);
}

TEST_F(CardReportsTest, NoCardMakesNoPageAndAnswersCancelled) {
    makeCards({});
    EXPECT_EQ(printAtOnce(&PrintCardStyle2), RESP::Cancelled);
    EXPECT_TRUE(keeper->printed.empty());
}

}  // namespace
