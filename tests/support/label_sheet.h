#pragma once
// The label sheet the report tests share: labels 2625 by 1000 (2.625 by 1 inch), three across
// and ten down on a report area 8500 by 10000 at (250, 500), so that thirty fill a page and
// the thirty-first starts the next. Each label shows `line()` at (344, 115) in band 1; the page
// footer (band 3) holds the placeholder "Page xxxxx of xxxxx" that the preview numbers.

#include <functional>
#include <string>
#include <utility>

#include "runtime/print/report_structure.h"

namespace testsupport {

inline constexpr int kLabelBand = 1;

inline rt::ReportStructure labelSheet(std::function<std::string()> line) {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {250, 500, 8500, 10000};
    rt::ReportBand label;
    label.id = kLabelBand;
    label.at = {0, 0, 2625, 1000};
    rt::ReportControl text;
    text.id = 2;
    text.kind = rt::ReportControlKind::String;
    text.at = {344, 115, 0, 0};
    text.picture = "@s30";
    text.value = [line = std::move(line)] { return rt::Value(line()); };
    label.controls.push_back(text);
    s.details.push_back(label);
    rt::ReportBand footer;
    footer.id = 3;
    footer.at = {3000, 10600, 3000, 200};
    rt::ReportControl pageText;
    pageText.id = 4;
    pageText.kind = rt::ReportControlKind::Text;
    pageText.text = "Page xxxxx of xxxxx";
    footer.controls.push_back(pageText);
    s.pageFooter = footer;
    return s;
}

}  // namespace testsupport
