#include "invoices/invoice_shipping_label_report.h"

#include <string>

#include "frame/globals.h"
#include "frame/report_parts.h"
#include "records/orders.h"

namespace windows::invoice_shipping_label {

namespace {

using namespace report_parts;
using rt::TextAlign;

constexpr rt::Rgb kBlue = 0x0000FF, kRed = 0xFF0000;

template <std::size_t N>
rt::ValueSource global(const rt::FixedString<N>& g) {
    return [&g] { return rt::Value(std::string(g.view())); };
}

rt::ReportControl sender(int id, rt::ReportRect at, rt::ValueSource source) {
    rt::ReportControl c = value(id, at, std::move(source), "@s30", TextAlign::Centre);
    c.colour = kBlue;
    return c;
}

// Each field ends where the next one on its line begins (or the label's right margin): a
// longer value is drawn smaller rather than over its neighbour.
constexpr int kLabelEnd = 2573 - 41;
rt::ReportControl addressee(int id, int x, int y, int end, const rt::Field& f,
                            const char* picture) {
    return value(
        id, {x, y, end - x, 156}, [&f] { return f.value(); }, picture);
}

}  // namespace

ReportStructurePtr invoiceShippingLabelReport() {
    rt::ReportStructure s;
    s.area = {254, 500, 8250, 11000};
    s.font = font(10);
    rt::ReportBand label;
    label.id = 1;
    label.at = {0, 0, 2573, 2958};
    rt::ReportControl name = sender(2, {83, 281, 2407, 200}, global(GLO::CompanyName));
    name.font = font(11, rt::kFontBold);
    label.controls.push_back(name);
    label.controls.push_back(sender(3, {250, 500, 2073, 180}, global(GLO::CompanyAddress)));
    label.controls.push_back(sender(4, {250, 698, 2073, 180}, global(GLO::CompanyCityStateZip)));
    label.controls.push_back(box(5, {135, 1344, 2417, 63}, kRed, kRed));
    label.controls.push_back(addressee(6, 177, 1750, kLabelEnd, ORD::COMPANY, "@s30"));
    label.controls.push_back(addressee(7, 177, 1917, 1302 - 42, ORD::FIRSTNAME, "@s15"));
    label.controls.push_back(addressee(8, 1302, 1917, kLabelEnd, ORD::LASTNAME, "@s15"));
    label.controls.push_back(addressee(9, 177, 2073, kLabelEnd, ORD::ADDRESS, "@s30"));
    label.controls.push_back(addressee(10, 177, 2229, 1375 - 42, ORD::CITY, "@s15"));
    label.controls.push_back(addressee(11, 1375, 2229, 1625 - 42, ORD::STATE, "@s2"));
    label.controls.push_back(addressee(12, 1625, 2229, kLabelEnd, ORD::ZIP, "@s5"));
    s.details.push_back(label);
    rt::BreakGroup once = onceAround(20, {1});
    s.breaks.push_back(once);
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace windows::invoice_shipping_label
