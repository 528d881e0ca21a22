#include <gtest/gtest.h>

#include "runtime/ui/codes.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/popup_menu.h"

TEST(PopupMenu, NumbersItemsWithoutSeparatorsAndReadsTheirMarks) {
    auto items = rt::parsePopupMenu("-No Zoom|-|+Page Width|~&Open|&Delete|-|~Cop&y");
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0].text, "No Zoom");
    EXPECT_TRUE(items[0].checkable);
    EXPECT_FALSE(items[0].checked);
    EXPECT_EQ(items[0].number, 1);
    EXPECT_TRUE(items[1].separator);
    EXPECT_EQ(items[1].number, 0);
    EXPECT_TRUE(items[2].checked);
    EXPECT_EQ(items[2].number, 2);
    EXPECT_TRUE(items[3].greyed);
    EXPECT_EQ(items[3].text, "&Open");
    EXPECT_EQ(items[4].number, 4);
    EXPECT_EQ(items[6].number, 5);
    EXPECT_TRUE(items[6].greyed);
    // A menu text ending in "|" has no empty last item.
    EXPECT_EQ(rt::parsePopupMenu("&Add|&Open|").size(), 2u);
    EXPECT_TRUE(rt::parsePopupMenu("").empty());
    EXPECT_EQ(rt::withoutMnemonic("Cop&y && Paste"), "Copy & Paste");
}

TEST(KeyNames, ReadAndWriteTheCodes) {
    struct Case {
        const char* name;
        int code;
    };
    for (Case c :
         {Case{"Enter", KEY::Enter}, Case{"Esc", KEY::Esc}, Case{"Tab", KEY::Tab},
          Case{"PgDn", KEY::PgDn}, Case{"F2", KEY::F2}, Case{"F12", KEY::F12},
          Case{"Ctrl+Q", 0x200 + 'Q'}, Case{"Alt+X", 0x400 + 'X'}, Case{"Alt+Shift+Insert", 0x52D},
          Case{"Ctrl+Enter", KEY::CtrlEnter}, Case{"Ctrl+'", KEY::CtrlQuote},
          Case{"Shift+Tab", KEY::ShiftTab}, Case{"ctrl+pgup", KEY::CtrlPgUp}, Case{"a", 'A'}}) {
        EXPECT_EQ(rt::keyFromName(c.name), c.code) << c.name;
        EXPECT_EQ(rt::keyFromName(rt::keyName(c.code)), c.code) << c.name;
    }
    for (const char* bad : {"", "F13", "Hyper+A", "Enterr", "Ctrl+"})
        EXPECT_EQ(rt::keyFromName(bad), 0) << bad;
}
