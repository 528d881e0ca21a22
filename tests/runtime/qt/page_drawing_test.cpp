// Page files drawn onto images, as the preview's image control shows them.

#include <gtest/gtest.h>

#include <fstream>

#include "runtime/print/page_spool.h"
#include "runtime/qt/page_painter.h"
#include "tests/runtime/qt/rendered_page.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/temp_dir.h"

namespace {

class PageDrawing : public ::testing::Test {
  protected:
    void SetUp() override { rt::qt::ensureApplication(); }
};

TEST_F(PageDrawing, PicturesDrawScaledIntoTheirBox) {
    rt::Page page;
    rt::PageImage image;
    image.x = 1000, image.y = 1000, image.width = 2000, image.height = 1000;
    image.data = samples::bmp();  // top half red, bottom half blue
    page.items.emplace_back(image);
    rt::PageImage broken = image;
    broken.x = 5000;
    broken.data = {0xFF, 0xD8, 0xFF, 1, 2, 3};  // draws nothing
    page.items.emplace_back(broken);

    const QImage drawn = rt::qt::renderPage(page, QSize(850, 1100));
    EXPECT_EQ(QColor(drawn.pixel(200, 110)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(drawn.pixel(200, 190)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(drawn.pixel(50, 50)), QColor(Qt::white));
    EXPECT_TRUE(rendered::inkBounds(drawn, QRect(490, 90, 220, 120)).isEmpty());
}

TEST_F(PageDrawing, BoxesLinesAndColours) {
    rt::Page page;
    page.items.emplace_back(rt::PageBox{1000, 1000, 3000, 1000, 20, 0x0000FF, 0xC6C6FF, true});
    page.items.emplace_back(rt::PageLine{1000, 5000, 8000, 5000, 30, 0x000080});
    const QImage drawn = rt::qt::renderPage(page, QSize(850, 1100));
    EXPECT_EQ(QColor(drawn.pixel(250, 150)), QColor(0xC6, 0xC6, 0xFF));  // the fill
    EXPECT_EQ(QColor(drawn.pixel(250, 100)).blue(), 255);                // the border
    const QRect rule = rendered::inkBounds(drawn, QRect(0, 480, 850, 40));
    EXPECT_NEAR(rule.left(), 100, 1);
    EXPECT_NEAR(rule.right(), 800, 1);
    EXPECT_EQ(QColor(drawn.pixel(400, 500)), QColor(0, 0, 0x80));
}

TEST_F(PageDrawing, SpooledPagesDrawAfterTheirPageNumberIsReplaced) {
    rt::Page page;
    rt::PageText footer;
    footer.x = 3000, footer.y = 10000;
    footer.font = {"Arial", 12, rt::kFontBold};
    footer.text = "Page xxxxx of xxxxx";
    page.items.emplace_back(footer);
    rt::PageSpool spool;
    std::string error;
    ASSERT_TRUE(spool.create(error)) << error;
    ASSERT_TRUE(spool.append(page, error)) << error;
    const std::string name = spool.pageName(0);
    QImage before;
    ASSERT_TRUE(rt::qt::renderNamedPage(name, QSize(425, 550), before, error));
    ASSERT_EQ(rt::replaceTextInPage(name, "Page xxxxx of xxxxx", "    Page 1 of 1    "),
              rt::ReplaceResult::Replaced);
    QImage after;
    ASSERT_TRUE(rt::qt::renderNamedPage(name, QSize(425, 550), after, error)) << error;
    EXPECT_EQ(after.size(), QSize(425, 550));
    const QRect inkBefore = rendered::inkBounds(before, before.rect());
    const QRect inkAfter = rendered::inkBounds(after, after.rect());
    ASSERT_FALSE(inkAfter.isEmpty());
    EXPECT_NE(inkBefore, inkAfter);
    EXPECT_GT(inkAfter.left(), inkBefore.left()) << "the new text is centred in the old place";
}

TEST_F(PageDrawing, DamagedOrMissingPagesAreErrors) {
    testsupport::TempDir dir;
    std::ofstream(dir / "bad") << "TVKSPOOLTVKPAGE1 and then nothing useful";
    QImage image;
    std::string error;
    EXPECT_FALSE(
        rt::qt::renderNamedPage((dir / "bad#8:20").string(), QSize(100, 100), image, error));
    EXPECT_NE(error.find("bad#8:20"), std::string::npos) << error;
    EXPECT_FALSE(
        rt::qt::renderNamedPage((dir / "missing#8:20").string(), QSize(100, 100), image, error));
    EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
}

}  // namespace

namespace {

TEST_F(PageDrawing, MemoTextsBreakIntoLinesInsideTheirBox) {
    rt::Page page;
    rt::PageText memo;
    memo.x = 1000, memo.y = 1000, memo.width = 1500, memo.height = 2000;
    memo.wrap = true;
    memo.text =
        "Ship by ground.\r\nCall before delivery, the dock closes at four in the afternoon.";
    page.items.emplace_back(memo);
    const QImage drawn = rt::qt::renderPage(page, QSize(850, 1100));
    const QRect ink = rendered::inkBounds(drawn, drawn.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.right(), 250) << "no line runs past the box";
    EXPECT_GT(ink.height(), 3 * 14) << "several lines of 10 points";
    EXPECT_LE(ink.bottom(), 300);
}

}  // namespace

namespace {

// Decimal texts of one picture line up on their point whatever their digits and blanks;
// with the plain left alignment the same texts would not.
TEST_F(PageDrawing, DecimalTextsLineUpOnTheirPoint) {
    const std::string values[] = {"     59.97", "  1,234.50", "      5.00"};
    for (bool fixedWidth : {false, true}) {
        SCOPED_TRACE(fixedWidth ? "fixed width" : "own width");
        rt::Page page;
        int y = 1000;
        for (const std::string& value : values) {
            rt::PageText t;
            t.x = 1000, t.y = y, t.width = fixedWidth ? 2000 : 0;
            t.align = rt::TextAlign::Decimal;
            t.text = value;
            page.items.emplace_back(t);
            y += 500;
        }
        const QImage drawn = rt::qt::renderPage(page, QSize(2550, 3300));  // 300 per inch
        std::vector<int> rightEdges;
        for (int row = 0; row < 3; ++row) {
            const QRect ink = rendered::inkBounds(drawn, QRect(0, 300 + row * 150, 2550, 100));
            ASSERT_FALSE(ink.isEmpty());
            rightEdges.push_back(ink.right());
        }
        EXPECT_NEAR(rightEdges[0], rightEdges[1], 1);
        EXPECT_NEAR(rightEdges[0], rightEdges[2], 1);
        if (fixedWidth) {
            EXPECT_NEAR(rightEdges[0], (1000 + 2000) * 0.3, 3);
        }
    }
}

// A text longer than its box is cut at the box's edges, whatever its alignment; a short one
// is drawn whole at its place in the box.
TEST_F(PageDrawing, TextsAreCutAtTheEdgesOfTheirBox) {
    for (rt::TextAlign align : {rt::TextAlign::Left, rt::TextAlign::Centre, rt::TextAlign::Right}) {
        SCOPED_TRACE(static_cast<int>(align));
        rt::Page page;
        rt::PageText longer;
        longer.x = 1000, longer.y = 1000, longer.width = 2000;  // 300 to 900 at 300 per inch
        longer.align = align;
        longer.text = std::string(40, 'W');  // some five inches in 10 points
        page.items.emplace_back(longer);
        rt::PageText shorter = longer;
        shorter.y = 2000;
        shorter.text = "WW";
        page.items.emplace_back(shorter);
        const QImage drawn = rt::qt::renderPage(page, QSize(2550, 3300));

        const QRect cut = rendered::inkBounds(drawn, QRect(0, 280, 2550, 80));
        ASSERT_FALSE(cut.isEmpty());
        EXPECT_GE(cut.left(), 299);
        EXPECT_LE(cut.right(), 901);
        EXPECT_GT(cut.width(), 560) << "the box is filled to its edges";

        const QRect whole = rendered::inkBounds(drawn, QRect(0, 580, 2550, 80));
        ASSERT_FALSE(whole.isEmpty());
        EXPECT_GT(whole.width(), 40);
        EXPECT_LT(whole.width(), 100);
        if (align == rt::TextAlign::Left) {
            EXPECT_NEAR(whole.left(), 300, 4);
        }
        if (align == rt::TextAlign::Right) {
            EXPECT_NEAR(whole.right(), 900, 4);
        }
        if (align == rt::TextAlign::Centre) {
            EXPECT_NEAR((whole.left() + whole.right()) / 2, 600, 4);
        }
    }
}

// A text somewhat wider than its box is drawn smaller and whole; one too wide even at the
// smallest size keeps the characters that fit, none of them past the box's edge.
TEST_F(PageDrawing, TextsWiderThanTheirBoxAreDrawnSmallerAndWhole) {
    rt::Page page;
    rt::PageText wider;
    wider.x = 1000, wider.y = 1000, wider.width = 1500;  // 300 to 750 at 300 per inch
    wider.align = rt::TextAlign::Right;
    wider.text = std::string(12, 'M');  // about 1.85 inches in 10 points
    page.items.emplace_back(wider);
    rt::PageText widest = wider;
    widest.y = 2000;
    widest.text = std::string(30, 'M');
    page.items.emplace_back(widest);
    const QImage drawn = rt::qt::renderPage(page, QSize(2550, 3300));

    const QRect whole = rendered::inkBounds(drawn, QRect(0, 280, 2550, 80));
    ASSERT_FALSE(whole.isEmpty());
    EXPECT_GE(whole.left(), 299);
    EXPECT_LE(whole.right(), 751);
    EXPECT_EQ(rendered::inkColumns(drawn, QRect(0, 280, 2550, 80), 1).size(), 12u);

    const QRect cut = rendered::inkBounds(drawn, QRect(0, 580, 2550, 80));
    ASSERT_FALSE(cut.isEmpty());
    EXPECT_GE(cut.left(), 299);
    EXPECT_LE(cut.right(), 751);
    const auto letters = rendered::inkColumns(drawn, QRect(0, 580, 2550, 80), 1).size();
    EXPECT_GT(letters, 12u);
    EXPECT_LT(letters, 30u);
}

// A picture keeps its proportions, as large as its box allows and centred in it.
TEST_F(PageDrawing, PicturesKeepTheirProportionsCentredInTheirBox) {
    rt::Page page;
    rt::PageImage image;
    image.x = 1000, image.y = 1000, image.width = 1000, image.height = 1000;
    image.data = samples::bmp();  // 4 by 2
    page.items.emplace_back(image);
    const QImage drawn = rt::qt::renderPage(page, QSize(850, 1100));
    const QRect ink = rendered::inkBounds(drawn, QRect(90, 90, 120, 120));
    EXPECT_NEAR(ink.left(), 100, 1);
    EXPECT_NEAR(ink.width(), 100, 2);
    EXPECT_NEAR(ink.top(), 125, 1);
    EXPECT_NEAR(ink.height(), 50, 2);
}

}  // namespace
