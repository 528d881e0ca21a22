#pragma once
// The block of a contact on the contact reports: name, company, address, four telephone
// numbers with their kinds and extensions, and the entry and last-access dates, under the
// title "Report By Search Selection" with the page number at the foot. The tagged contacts
// report prints four lines a contact; the follow-up and appointment reports add a fifth.
// Built apart from the window model (see frame/report_job.h).

#include <functional>

#include "frame/report_job.h"

namespace rt {
struct ReportBand;
}

namespace reports::contact_block {

// Columns in 1/1000 inch from the left of the report area, and the band's height.
struct Columns {
    int kinds = 2646;
    int numbers = 3448;
    int extensions = 4677;
    int extensionWidth = 385;
    int enteredLabel = 5740;
    int accessLabel = 5760;
    int dates = 6646;
    int bandHeight = 823;
    int ruleAt = 750;
};

// The report; `moreLines` adds the report's own controls to the detail band.
ReportStructurePtr contactReport(const Columns& columns,
                                 const std::function<void(rt::ReportBand&)>& moreLines = {});

// The room left between a field's end and the next item on its line.
inline constexpr int kGap = 42;
// The report area's width.
inline constexpr int kAreaWidth = 7500;

// A field of the MAIL buffer printed through `picture` at x, y of the band.
void addField(rt::ReportBand& band, const char* field, const char* picture, int x, int y,
              int width = 0, bool right = false);

}  // namespace reports::contact_block
