#pragma once
// Report controls bound to record fields, for report structures built apart from the window
// model (see report_job.h).

#include "runtime/data/record_file.h"

namespace rt {
struct ReportBand;
}

// A field of `file`'s buffer printed through `picture` at x, y of the band; with
// `rightAligned`, against the right edge of `width`.
void AddReportField(rt::ReportBand& band, rt::RecordFile& file, const char* field,
                    const char* picture, int x, int y, int width = 0, bool rightAligned = false);
