#pragma once
// Small report structures and helpers shared by the report tests.

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/print/page_spool.h"
#include "runtime/print/report.h"

namespace fixtures {

inline rt::ReportControl textControl(int id, int x, int y, std::string text) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::Text;
    c.at = {x, y, 0, 0};
    c.text = std::move(text);
    return c;
}

inline rt::ReportControl stringControl(int id, int x, int y, rt::ValueSource value,
                                       std::string picture = "s30") {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::String;
    c.at = {x, y, 0, 0};
    c.value = std::move(value);
    c.picture = std::move(picture);
    return c;
}

// Texts of a page, without trailing blanks.
inline std::vector<rt::PageText> texts(const rt::Page& page) {
    std::vector<rt::PageText> result;
    for (const rt::PageItem& item : page.items)
        if (const auto* t = std::get_if<rt::PageText>(&item)) {
            rt::PageText copy = *t;
            while (!copy.text.empty() && copy.text.back() == ' ')
                copy.text.pop_back();
            result.push_back(copy);
        }
    return result;
}

inline const rt::PageText* findText(const std::vector<rt::PageText>& all, const std::string& text) {
    auto it =
        std::find_if(all.begin(), all.end(), [&](const rt::PageText& t) { return t.text == text; });
    return it == all.end() ? nullptr : &*it;
}

inline std::vector<rt::Page> readPages(const std::vector<std::string>& names) {
    std::vector<rt::Page> pages;
    for (const std::string& name : names) {
        rt::PageReadResult read = rt::readPage(name);
        if (read.ok()) pages.push_back(std::move(read.page));
    }
    return pages;
}

}  // namespace fixtures
