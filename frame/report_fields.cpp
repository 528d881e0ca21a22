#include "frame/report_fields.h"

#include "runtime/print/report_structure.h"

void AddReportField(rt::ReportBand& band, rt::RecordFile& file, const char* field,
                    const char* picture, int x, int y, int width, bool rightAligned) {
    const rt::Field source(file, field);
    rt::ReportControl c;
    c.kind = rt::ReportControlKind::String;
    c.picture = picture;
    c.at = {x, y, width, 0};
    c.value = [source] { return source.value(); };
    if (rightAligned) c.align = rt::TextAlign::Right;
    band.controls.push_back(c);
}
