#pragma once
// The column format of a list control, for example
// "36L|M~Item~@s8@?80L|M~Description~@s20@48D(12)|M~Price~C(0)@n-10.2@":
// per column its width, alignment (L, C, R, D) with an indent in parentheses, "|" a right
// border, "M" resizable, "~header~" with its own alignment, "S(n)" a scroll width,
// "@picture@", "I" an icon column that takes the following row field, "?" a mark column.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/ui/window_structure.h"

namespace rt {

struct ListColumn {
    int width = 0;
    Align align = Align::Left;
    int indent = 0;
    std::string header;
    Align headerAlign = Align::Left;
    int headerIndent = 0;
    bool headerAlignGiven = false;  // false: the header follows the column's alignment
    bool rightBorder = false;
    bool resizable = false;
    int scrollWidth = 0;
    std::string picture;
    bool icon = false;  // the row field after this column's field is the icon number
    bool mark = false;
    int field = 0;  // index of the row field the column shows (from 0)
};

struct ListFormat {
    std::vector<ListColumn> columns;
    int fieldsUsed = 0;  // row fields the columns take, icon fields included
};

// nullopt with `error` set when the text is not a list format.
std::optional<ListFormat> parseListFormat(std::string_view text, std::string* error = nullptr);

}  // namespace rt
