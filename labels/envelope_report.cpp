#include "labels/envelope_report.h"

#include <tuple>

#include "frame/globals.h"
#include "frame/report_parts.h"
#include "labels/report_sources.h"
#include "records/mail.h"

namespace windows::envelopes {

using namespace report_parts;
using labels::fieldSource;
using labels::globalSource;
using labels::textSource;

ReportStructurePtr envelopeReport(const labels::ContactLines& lines) {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {500, 250, 9500, 4125};
    s.font = font(10);
    rt::ReportBand envelope;
    envelope.id = 1;
    envelope.at = {10, 0, 7677, 4125};
    rt::ReportControl company = value(2, {42, 31, 0, 0}, globalSource(GLO::CompanyName), "@s30");
    company.font = font(14, rt::kFontBold, "Aldine721 Lt BT");
    envelope.controls.push_back(company);
    for (auto [id, y, global] : {std::tuple{3, 281, &GLO::CompanyAddress},
                                 std::tuple{4, 458, &GLO::CompanyCityStateZip}}) {
        rt::ReportControl line = value(id, {52, y, 0, 0}, globalSource(*global), "@s30");
        line.font = font(9, rt::kFontRegular, "Aldine721 BT");
        envelope.controls.push_back(line);
    }
    // The addressee lines, 156 apart; the composed ones hold every character of their fields.
    envelope.controls.push_back(
        value(5, {3365, 1292, 0, 0}, fieldSource(MAI::COMPANYNAME), "@s30"));
    envelope.controls.push_back(value(6, {3365, 1448, 2250, 156}, textSource(lines.name), "@s31"));
    envelope.controls.push_back(value(7, {3365, 1604, 0, 0}, fieldSource(MAI::ADDRESS), "@s30"));
    envelope.controls.push_back(
        value(8, {3365, 1760, 0, 0}, textSource(lines.cityStateZip), "@s32"));
    s.details.push_back(envelope);
    s.breaks.push_back(onceAround(9, {1}));
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace windows::envelopes
