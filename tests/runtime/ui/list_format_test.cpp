#include "runtime/ui/list_format.h"

#include <gtest/gtest.h>

using rt::Align;

TEST(ListFormat, ReadsEveryColumnPart) {
    auto f =
        rt::parseListFormat("36L|M~Item~@s8@?80L|M~Description~@s20@48D(12)|M~Price~C(0)@n-10.2@");
    ASSERT_TRUE(f);
    ASSERT_EQ(f->columns.size(), 3u);
    const auto& item = f->columns[0];
    EXPECT_EQ(item.width, 36);
    EXPECT_EQ(item.align, Align::Left);
    EXPECT_TRUE(item.rightBorder);
    EXPECT_TRUE(item.resizable);
    EXPECT_EQ(item.header, "Item");
    EXPECT_EQ(item.picture, "s8");
    EXPECT_FALSE(item.mark);
    EXPECT_TRUE(f->columns[1].mark);  // "?" before its width belongs to the next column
    const auto& price = f->columns[2];
    EXPECT_EQ(price.align, Align::Decimal);
    EXPECT_EQ(price.indent, 12);
    EXPECT_EQ(price.headerAlign, Align::Center);  // the header aligned on its own
    EXPECT_EQ(price.headerIndent, 0);
    EXPECT_TRUE(price.headerAlignGiven);
    EXPECT_EQ(price.picture, "n-10.2");
    EXPECT_EQ(price.field, 2);
    EXPECT_EQ(f->fieldsUsed, 3);
}

TEST(ListFormat, IconColumnsTakeTheFollowingFieldAndScrollWidthsAreRead) {
    auto f = rt::parseListFormat("12R(2)I~Tag~@s1@S(200)40L~Name~R@s30@");
    ASSERT_TRUE(f);
    ASSERT_EQ(f->columns.size(), 2u);
    EXPECT_TRUE(f->columns[0].icon);
    EXPECT_EQ(f->columns[0].align, Align::Right);
    EXPECT_EQ(f->columns[0].indent, 2);
    EXPECT_EQ(f->columns[0].headerAlign, Align::Right);  // follows the column
    EXPECT_EQ(f->columns[1].scrollWidth, 200);
    EXPECT_EQ(f->columns[1].field, 2);  // field 1 is the icon of column 1
    EXPECT_EQ(f->columns[1].headerAlign, Align::Right);
    EXPECT_EQ(f->fieldsUsed, 3);
}

TEST(ListFormat, RejectsGarbledText) {
    for (const char* bad : {"L20", "20L~Open", "20L@s20", "20L(3", "abc"}) {
        std::string error;
        EXPECT_FALSE(rt::parseListFormat(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_TRUE(rt::parseListFormat(""));  // no columns: the list shows its first field
}
