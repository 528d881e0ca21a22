#include "labels/shipping_label_report.h"

#include "frame/globals.h"
#include "frame/report_parts.h"
#include "labels/report_sources.h"
#include "records/mail.h"

namespace windows::shipping_labels {

namespace {

using namespace report_parts;
using labels::fieldSource;
using labels::globalSource;

constexpr rt::Rgb kDarkBlue = 0x0000A0, kBlue = 0x0000FF, kRed = 0xFF0000, kWhite = 0xFFFFFF;
// The sender's address lines have no width of their own: they are centred in the label's
// width less their indent on both sides.
constexpr int kLabelWidth = 2594, kSenderIndent = 333;

rt::ReportControl sender(int id, rt::ReportRect at, rt::ValueSource source, rt::PageFont f,
                         rt::Rgb colour) {
    rt::ReportControl c = value(id, at, std::move(source), "@s30", rt::TextAlign::Centre);
    c.font = f;
    c.colour = colour;
    c.background = kWhite;
    return c;
}

// Each field of the contact stands at a fixed place, so columns never move, and ends where
// the next item on its line (or the label's right margin) begins: a longer value is drawn
// smaller rather than over its neighbour.
constexpr int kAddresseeEnd = kLabelWidth - 41;
rt::ReportControl addressee(int id, int x, int y, int end, const rt::Field& f,
                            const char* picture) {
    return value(id, {x, y, end - x, 156}, fieldSource(f), picture);
}

}  // namespace

ReportStructurePtr shippingLabelReport() {
    rt::ReportStructure s;
    s.area = {354, 500, 8250, 11000};
    s.font = font(10);
    rt::ReportBand label;
    label.id = 1;
    label.at = {10, 10, kLabelWidth, 3000};
    const int senderWidth = kLabelWidth - 2 * kSenderIndent;
    label.controls.push_back(sender(2, {115, 333, 2313, 208}, globalSource(GLO::CompanyName),
                                    font(10, rt::kFontBold), kDarkBlue));
    label.controls.push_back(sender(3, {kSenderIndent, 573, senderWidth, 0},
                                    globalSource(GLO::CompanyAddress), font(8, rt::kFontBold),
                                    kBlue));
    label.controls.push_back(sender(4, {kSenderIndent, 729, senderWidth, 0},
                                    globalSource(GLO::CompanyCityStateZip), font(8, rt::kFontBold),
                                    kBlue));
    label.controls.push_back(box(5, {188, 1104, 2219, 52}, kRed, kRed));
    label.controls.push_back(addressee(6, 156, 1563, kAddresseeEnd, MAI::COMPANYNAME, "@s30"));
    label.controls.push_back(addressee(7, 156, 1719, 1302 - 42, MAI::FIRSTNAME, "@s15"));
    label.controls.push_back(addressee(8, 1302, 1719, kAddresseeEnd, MAI::LASTNAME, "@s15"));
    label.controls.push_back(addressee(9, 156, 1885, kAddresseeEnd, MAI::ADDRESS, "@s30"));
    label.controls.push_back(addressee(10, 156, 2042, 1250, MAI::CITY, "@s15"));
    label.controls.push_back(addressee(11, 1323, 2042, 1604 - 42, MAI::STATE, "@s2"));
    label.controls.push_back(addressee(12, 1604, 2042, kAddresseeEnd, MAI::ZIP, "@s12"));
    label.controls.push_back(text(13, {1250, 2052, 83, 208}, ","));
    s.details.push_back(label);
    s.breaks.push_back(onceAround(14, {1}));
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace windows::shipping_labels
