#include "labels/mailing_label_report.h"

#include "frame/report_parts.h"
#include "labels/report_sources.h"
#include "records/mail.h"

namespace windows::mailing_labels {

using namespace report_parts;
using labels::fieldSource;
using labels::textSource;

ReportStructurePtr mailingLabelReport(LabelOrder order, const labels::ContactLines& lines) {
    // The heights of the four lines in the label, by order.
    const bool byZip = order == LabelOrder::Zip;
    const int y[4] = {byZip ? 104 : 115, byZip ? 292 : 302, byZip ? 479 : 500, byZip ? 677 : 698};
    rt::ReportStructure s;
    s.area = {250, 500, 8500, 10000};
    s.font = font(10);
    rt::ReportBand label;
    label.id = 1;
    label.at = {0, 0, 2625, 1000};
    // Every line ends 0.04 inch inside the label; a wider one is drawn smaller to fit.
    constexpr int x = 344, width = 2625 - x - 41;
    label.controls.push_back(
        value(2, {x, y[0], width, 156}, fieldSource(MAI::COMPANYNAME), "@s30"));
    label.controls.push_back(value(3, {x, y[1], width, 167}, textSource(lines.name), "@s31"));
    label.controls.push_back(value(4, {x, y[2], width, 156}, fieldSource(MAI::ADDRESS), "@s30"));
    label.controls.push_back(value(5, {x, y[3], width, 0}, textSource(lines.cityStateZip), "@s31"));
    s.details.push_back(label);
    s.breaks.push_back(onceAround(6, {1}));
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace windows::mailing_labels
