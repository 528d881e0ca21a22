#pragma once
// A report structure is data: the paper, the report area, the bands and their controls, all
// in 1/1000 inch. Values come in through ValueSource getters, so that record fields and
// globals bind without the engine knowing them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/print/page.h"
#include "runtime/text/value.h"

namespace rt {

// Reads the current value of a bound field or variable.
using ValueSource = std::function<Value()>;

struct ReportRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct PaperSize {
    int width = 8500;
    int height = 11000;

    bool operator==(const PaperSize&) const = default;
};
inline constexpr PaperSize kLetterPaper{8500, 11000};

enum class ReportControlKind {
    String,      // `value` written through `picture`
    Text,        // the literal `text`
    Line,        // from (x, y) to (x + width, y + height)
    Box,         // border `colour`, fill `background`, optionally `rounded`
    CheckBox,    // a small box, ticked when `value` is not blank or zero, with `text` beside it
    Image,       // a picture from `imageFile` or given while running, drawn into `at`
    Memo,        // `value` broken into lines inside `at`
    PageNumber,  // the current page number written through `picture`
    Sum,         // the running sum of `value` written through `picture`
};

// Where a running sum starts again from zero.
enum class SumReset { Report, Page, Break };

struct ReportControl {
    int id = 0;  // the control's number, for changes while the report runs
    ReportControlKind kind = ReportControlKind::Text;
    ReportRect at;  // inside the band; a width or height of 0 is the text's own size
    std::string text;
    std::string picture;
    ValueSource value;
    TextAlign align = TextAlign::Left;
    std::optional<PageFont> font;  // none: the report's font
    Rgb colour = kBlack;
    Rgb background = kTransparent;
    bool rounded = false;
    int lineWidth = 0;
    std::string imageFile;
    // Running sums: which detail bands add to it (none listed: every detail band) and when
    // it starts again (for SumReset::Break, the break group `resetBreak`).
    std::vector<int> tallyBands;
    SumReset reset = SumReset::Report;
    int resetBreak = 0;
};

// A band. Page header, page footer and form band stand at `at` on the page. Detail bands and
// the headers and footers of break groups flow through the report area: `at.width` and
// `at.height` are their size and `at.x`, `at.y` shift their contents inside their slot.
struct ReportBand {
    int id = 0;
    ReportRect at;
    int minHeight = 0;  // the band takes at least this height in the flow
    std::vector<ReportControl> controls;
};

// A break group: its header prints before the first detail after `variable` changed, its
// footer after the last detail before the change (and when the report is finished).
struct BreakGroup {
    int id = 0;
    ValueSource variable;
    std::optional<ReportBand> header;
    std::optional<ReportBand> footer;
    std::vector<int> details;  // ids of the detail bands inside the group
};

struct ReportStructure {
    std::optional<PaperSize> paper;  // none: the printer's current paper
    ReportRect area{250, 250, 8000, 10500};
    PageFont font;  // the report's font: Arial 10
    std::optional<ReportBand> pageHeader;
    std::optional<ReportBand> pageFooter;
    std::optional<ReportBand> form;  // drawn on every page, behind everything else
    std::vector<ReportBand> details;
    std::vector<BreakGroup> breaks;  // outermost first
};

}  // namespace rt
