#pragma once
// A page holding every kind of item, a page-number placeholder among its texts.

#include "runtime/print/page.h"

namespace fixtures {

inline rt::Page samplePage() {
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

}  // namespace fixtures
