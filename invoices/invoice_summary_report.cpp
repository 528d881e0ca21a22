#include "invoices/invoice_summary_report.h"

#include "frame/report_parts.h"
#include "records/orders.h"

namespace windows::invoice_summary {

namespace {

using namespace report_parts;
using rt::TextAlign;

constexpr int kDetail = 10;

rt::ValueSource field(const rt::Field& f) {
    return [&f] { return f.value(); };
}

rt::ReportControl sum(int id, rt::ReportRect at, const rt::Field& f, const char* picture) {
    rt::ReportControl c = value(id, at, field(f), picture, TextAlign::Right);
    c.kind = rt::ReportControlKind::Sum;
    c.tallyBands = {kDetail};
    return c;
}

rt::ReportBand pageHeader() {
    rt::ReportBand h;
    h.id = 1;
    h.at = {500, 500, 7490, 1052};
    h.controls.push_back(box(1, {21, 10, 7438, 719}, rt::kBlack, 0xDBDBDB));
    rt::ReportControl title = text(2, {2188, 271, 0, 0}, "Invoice Report");
    title.font = font(20, rt::kFontBold | rt::kFontItalic);
    h.controls.push_back(title);
    h.controls.push_back(text(4, {63, 521, 0, 0}, "Page:"));
    rt::ReportControl page;
    page.id = 3;
    page.kind = rt::ReportControlKind::PageNumber;
    page.at = {563, 510, 0, 0};
    page.picture = "@N4";
    h.controls.push_back(page);
    h.controls.push_back(text(5, {83, 740, 0, 0}, "Invoice #"));
    h.controls.push_back(text(6, {1063, 740, 323, 208}, "Date"));
    h.controls.push_back(text(7, {1583, 740, 719, 208}, "Company"));
    h.controls.push_back(text(10, {3781, 740, 0, 0}, "Name"));
    h.controls.push_back(text(9, {6031, 740, 0, 0}, "Tax"));
    h.controls.push_back(text(8, {6708, 740, 0, 0}, "Total"));
    h.controls.push_back(line(11, {10, 958, 7438, 0}));
    return h;
}

rt::ReportBand detail() {
    rt::ReportBand d;
    d.id = kDetail;
    d.at = {0, 0, 7500, 375};
    d.controls.push_back(
        value(13, {52, 52, 760, 208}, field(ORD::INVOICENUMBER), "@n_10", TextAlign::Right));
    d.controls.push_back(
        value(15, {875, 52, 521, 208}, field(ORD::ORDERDATE), "@d1", TextAlign::Right));
    d.controls.push_back(value(14, {1510, 52, 2200, 208}, field(ORD::COMPANY), "@s30"));
    d.controls.push_back(value(18, {3750, 52, 1100, 208}, field(ORD::FIRSTNAME), "@s15"));
    d.controls.push_back(value(19, {4885, 52, 1040, 208}, field(ORD::LASTNAME), "@s15"));
    // Wide enough for the sign of a credit invoice: "-$999.99", "-$99,999.99".
    d.controls.push_back(value(12, {5950, 42, 640, 208}, field(ORD::TAX), "@n$8.2"));
    d.controls.push_back(value(16, {6620, 42, 840, 208}, field(ORD::TOTAL), "@n$11.2"));
    d.controls.push_back(line(17, {10, 302, 7458, 0}));
    return d;
}

rt::ReportBand totals() {
    rt::ReportBand f;
    f.id = 31;
    f.at = {0, 0, 7500, 469};
    f.controls.push_back(box(20, {83, 21, 7375, 417}, rt::kBlack, rt::kWhite));
    // Each sum ends well before the next caption and inside the frame, at its widest
    // ("-$9,999,999.99", "-$999,999,999.99") as at its shortest.
    f.controls.push_back(text(24, {2700, 146, 1010, 208}, "Total Sales Tax"));
    f.controls.push_back(sum(21, {3750, 135, 1300, 208}, ORD::TAX, "@n$14.2"));
    f.controls.push_back(text(23, {5350, 146, 760, 208}, "Total Orders"));
    f.controls.push_back(sum(22, {6150, 135, 1200, 208}, ORD::TOTAL, "@n$16.2"));
    return f;
}

}  // namespace

ReportStructurePtr invoiceSummaryReport() {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {500, 1500, 7500, 8750};
    s.font = font(10);
    s.pageHeader = pageHeader();
    rt::ReportBand footer;
    footer.id = 2;
    footer.at = {500, 10250, 7500, 177};
    footer.controls.push_back(box(1, {73, 10, 7406, 125}, rt::kBlack, rt::kBlack));
    s.pageFooter = footer;
    s.details.push_back(detail());
    rt::BreakGroup once = onceAround(30, {kDetail});
    once.footer = totals();
    s.breaks.push_back(once);
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace windows::invoice_summary
