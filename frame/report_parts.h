#pragma once
// Small builders for the controls of report structures (1/1000 inch inside
// their band).

#include <string>
#include <utility>

#include "runtime/print/report_structure.h"

namespace windows::report_parts {

inline rt::PageFont font(int points, std::uint8_t style = rt::kFontRegular,
                         const char* face = "Arial") {
    return rt::PageFont{face, points, style};
}

// A literal text.
inline rt::ReportControl text(int id, rt::ReportRect at, std::string content) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::Text;
    c.at = at;
    c.text = std::move(content);
    return c;
}

// A value written through a picture.
inline rt::ReportControl value(int id, rt::ReportRect at, rt::ValueSource source,
                               std::string picture, rt::TextAlign align = rt::TextAlign::Left) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::String;
    c.at = at;
    c.value = std::move(source);
    c.picture = std::move(picture);
    c.align = align;
    return c;
}

inline rt::ReportControl box(int id, rt::ReportRect at, rt::Rgb border, rt::Rgb fill,
                             bool rounded = false) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::Box;
    c.at = at;
    c.colour = border;
    c.background = fill;
    c.rounded = rounded;
    return c;
}

inline rt::ReportControl line(int id, rt::ReportRect at) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::Line;
    c.at = at;
    return c;
}

// A break group around the detail bands whose variable never changes: its header prints once
// before the first detail and its footer once after the last.
inline rt::BreakGroup onceAround(int id, std::vector<int> details) {
    rt::BreakGroup g;
    g.id = id;
    g.variable = [] { return rt::Value(0); };
    g.details = std::move(details);
    return g;
}

}  // namespace windows::report_parts
