#include "invoices/invoice_document_report.h"

#include <string>

#include "frame/globals.h"
#include "frame/report_parts.h"
#include "invoices/invoice_amounts.h"
#include "records/orders.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace windows::invoice_document {

namespace {

using namespace report_parts;
using rt::TextAlign;

constexpr int kGap = 42, kBandEnd = 7500;
// The order date ends a tenth of an inch inside the blue heading box (52 + 7417).
constexpr int kDateRight = 7369;
// The item table: its frame's left edge, the left edges of its first two column bars and
// their width.
constexpr int kFrameLeft = 31, kFirstBar = 844, kSecondBar = 2542, kBarWidth = 63;
constexpr rt::Rgb kDarkBlue = 0x0000A0, kPurple = 0x800040, kBlue = 0x0000FF, kLightBlue = 0xC6C6FF,
                  kRed = 0xFF0000;

rt::ValueSource field(const rt::Field& f) {
    return [&f] { return f.value(); };
}

rt::ValueSource fieldNamed(const std::string& name) {
    const int index = ORDERS.decl().fieldIndex(name);
    return [index] { return ORDERS.buf().value(index); };
}

// A number of item line `n`, or a blank text on an empty line (no item, no description, its
// numbers zero), so that the line prints blank rather than as zeros.
rt::ValueSource lineNumber(const std::string& name, const std::string& n) {
    const rt::ValueSource own = fieldNamed(name + n);
    const rt::ValueSource item = fieldNamed("ORD:ITEMNO" + n),
                          description = fieldNamed("ORD:DISC" + n);
    const rt::ValueSource numbers[] = {fieldNamed("ORD:Q" + n), fieldNamed("ORD:P" + n),
                                       fieldNamed("ORD:T" + n)};
    return [=] {
        bool empty = rt::clip(item().asText()).empty() && rt::clip(description().asText()).empty();
        for (const rt::ValueSource& number : numbers)
            empty = empty && number().asNumber().isZero();
        return empty ? rt::Value(std::string()) : own();
    };
}

template <std::size_t N>
rt::ValueSource global(const rt::FixedString<N>& g) {
    return [&g] { return rt::Value(std::string(g.view())); };
}

rt::ReportControl styled(rt::ReportControl c, rt::PageFont f, rt::Rgb colour = rt::kBlack) {
    c.font = std::move(f);
    c.colour = colour;
    return c;
}

rt::ReportBand pageHeader(bool unprintedRun) {
    rt::ReportBand h;
    h.id = 1;
    h.at = {500, 500, 7500, 1802};
    if (unprintedRun) {
        h.controls.push_back(value(9, {kDateRight - 900, 208, 900, 208}, field(ORD::ORDERDATE),
                                   "@D1", TextAlign::Right));
        h.controls.push_back(styled(text(10, {6677, 208, 0, 0}, ""), font(10, rt::kFontBold)));
    }
    h.controls.push_back(
        styled(value(1, {615, 438, 6260, 400}, global(GLO::CompanyName), "@s30", TextAlign::Centre),
               font(24, rt::kFontBold), kDarkBlue));
    h.controls.push_back(styled(
        value(2, {2406, 844, 2700, 208}, global(GLO::CompanyAddress), "@s30", TextAlign::Centre),
        font(10, rt::kFontBold)));
    h.controls.push_back(text(3, {167, 875, 0, 0}, "Phone"));
    h.controls.push_back(text(4, {6500, 854, 0, 0}, "Fax"));
    h.controls.push_back(styled(value(5, {2406, 1073, 2700, 208}, global(GLO::CompanyCityStateZip),
                                      "@s30", TextAlign::Centre),
                                font(10, rt::kFontBold)));
    h.controls.push_back(
        styled(value(6, {6490, 1073, 0, 0}, global(GLO::CompanyFax), "@P###-###-####P"),
               font(10, rt::kFontBold)));
    h.controls.push_back(
        styled(value(7, {167, 1073, 0, 0}, global(GLO::CompanyPhone), "@P###-###-####Pb"),
               font(10, rt::kFontBold)));
    h.controls.push_back(
        styled(text(8, {3083, 177, 0, 0}, "INVOICE"), font(18, rt::kFontBold), kPurple));
    if (!unprintedRun)
        h.controls.push_back(value(9, {kDateRight - 800, 229, 800, 208}, field(ORD::ORDERDATE),
                                   "@D1", TextAlign::Right));
    return h;
}

void clientBlock(rt::ReportBand& d) {
    const rt::PageFont bold = font(10, rt::kFontBold);
    // Each field ends a gap before the next item on its line (or the band's right edge): a
    // longer value is drawn smaller rather than over its neighbour.
    auto client = [&](int id, rt::ReportRect at, int end, const rt::Field& f, const char* picture) {
        at.width = end - kGap - at.x;
        d.controls.push_back(styled(value(id, at, field(f), picture), bold, kDarkBlue));
    };
    d.controls.push_back(text(11, {583, 542, 188, 208}, "To"));
    client(12, {1063, 542, 0, 0}, 5146, ORD::COMPANY, "@s30");
    client(14, {1063, 760, 0, 0}, 2229, ORD::FIRSTNAME, "@s15");
    client(13, {2229, 750, 0, 0}, 5594, ORD::LASTNAME, "@s15");
    client(17, {1063, 979, 0, 0}, 5146, ORD::ADDRESS, "@s30");
    client(21, {1063, 1188, 0, 0}, 2302, ORD::CITY, "@s15");
    client(22, {2302, 1188, 0, 0}, 2635, ORD::STATE, "@s2");
    client(23, {2635, 1188, 0, 0}, 4969, ORD::ZIP, "@s5");
    d.controls.push_back(text(15, {5740, 542, 1031, 208}, "Invoice Number"));
    d.controls.push_back(styled(
        value(20, {5594, 719, 1177, 260}, field(ORD::INVOICENUMBER), "@n-14", TextAlign::Right),
        font(14, rt::kFontBold), kRed));
    d.controls.push_back(text(18, {5146, 1000, 948, 208}, "Payment Type"));
    client(19, {6188, 1010, 0, 0}, kBandEnd, ORD::PAYMENTTYPE, "@s12");
    client(24, {4969, 1271, 0, 0}, kBandEnd, ORD::CARDNUMBER, "@s30");
    d.controls.push_back(text(31, {4958, 1510, 333, 208}, "Ship"));
    client(16, {5354, 1510, 0, 0}, 6135, ORD::SHIPPINGTYPE, "@s10");
    client(25, {6135, 1510, 0, 0}, kBandEnd, ORD::SPEED, "@s12");
}

void itemTable(rt::ReportBand& d) {
    const rt::PageFont bold = font(10, rt::kFontBold);
    d.controls.push_back(styled(text(26, {229, 1917, 490, 208}, "Item #"), bold));
    d.controls.push_back(styled(text(27, {1063, 1917, 1177, 208}, "Item Description"), bold));
    d.controls.push_back(styled(text(28, {2823, 1917, 719, 208}, "Quantity"), bold));
    d.controls.push_back(styled(text(29, {4229, 1906, 729, 208}, "Price Each"), bold));
    d.controls.push_back(styled(text(30, {6208, 1917, 0, 0}, "Total"), bold));
    const int ys[] = {2323, 2771, 3219, 3667, 4115, 4563, 5010, 5458};
    // The item number and the description take the whole room between the table's frame
    // and its column bars, so that the longest of them, drawn smaller, keeps every letter.
    constexpr int kItemStart = kFrameLeft + 52, kDescriptionStart = kFirstBar + kBarWidth + 31,
                  kBeforeBar = 21;
    int id = 100;
    for (int line = 1; line <= 8; ++line) {
        const std::string n = std::to_string(line);
        const int y = ys[line - 1];
        d.controls.push_back(value(
            id++, {kItemStart, line == 1 ? 2313 : y, kFirstBar - kBeforeBar - kItemStart, 208},
            fieldNamed("ORD:ITEMNO" + n), "@s8"));
        d.controls.push_back(
            value(id++, {kDescriptionStart, y, kSecondBar - kBeforeBar - kDescriptionStart, 208},
                  fieldNamed("ORD:DISC" + n), "@s20"));
        d.controls.push_back(
            value(id++, {2979, y, 400, 208}, lineNumber("ORD:Q", n), "@n3", TextAlign::Right));
        d.controls.push_back(value(id++, {3854, y, 1000, 208}, lineNumber("ORD:P", n), "@n-10.2",
                                   TextAlign::Decimal));
        d.controls.push_back(value(id++, {line == 4 ? 5698 : 5708, y, 1000, 208},
                                   lineNumber("ORD:T", n), "@n-10.2", TextAlign::Decimal));
    }
}

void memoAndTotals(rt::ReportBand& d) {
    rt::ReportControl memo;
    memo.id = 66;
    memo.kind = rt::ReportControlKind::Memo;
    memo.at = {125, 6823, 4385, 1240};
    memo.value = [] { return rt::Value(ORD::MEMO.text()); };
    memo.colour = kPurple;
    d.controls.push_back(memo);
    const rt::PageFont bold = font(10, rt::kFontBold);
    auto amount = [&](int label, rt::ReportRect labelAt, const char* caption, int id,
                      rt::ReportRect at, rt::ValueSource source, const char* picture) {
        d.controls.push_back(text(label, labelAt, caption));
        d.controls.push_back(
            styled(value(id, at, std::move(source), picture, TextAlign::Decimal), bold));
    };
    amount(67, {4990, 6844, 0, 0}, "Subtotal", 68, {5688, 6844, 1000, 208}, field(ORD::SUBTOTAL),
           "@n-10.2");
    amount(69, {4917, 7042, 698, 208}, "Sales Tax", 70, {5896, 7042, 800, 208}, field(ORD::TAX),
           "@n-7.2");
    amount(78, {5010, 7229, 0, 0}, "Shipping", 71, {5896, 7229, 800, 208}, field(ORD::SHIPPING),
           "@n-7.2");
    amount(77, {5198, 7427, 333, 208}, "Total", 72, {5698, 7427, 1000, 208}, field(ORD::TOTAL),
           "@n-10.2");
    amount(
        76, {4750, 7615, 0, 0}, "Amount Paid", 73, {5677, 7625, 1020, 208},
        [] { return rt::Value(PaidAmount(ORD::PAID.text())); }, "@n-10.2");
    amount(
        74, {5042, 7802, 0, 0}, "Balance", 75, {5677, 7802, 1020, 208},
        [] { return rt::Value(rt::textToNumber(ORD::BALANCE.text())); }, "@n-13.2");
}

rt::ReportBand form() {
    rt::ReportBand f;
    f.id = 4;
    f.at = {500, 500, 7500, 10000};
    f.controls.push_back(box(1, {52, 42, 7417, 1354}, kBlue, kLightBlue, true));
    f.controls.push_back(box(2, {52, 1510, 7417, 1354}, kBlue, rt::kWhite, true));
    f.controls.push_back(box(3, {kFrameLeft, 3260, 7396, 4573}, rt::kBlack, rt::kWhite));
    f.controls.push_back(box(4, {kFirstBar, 2854, kBarWidth, 4990}, rt::kBlack, 0xC6C6FF));
    f.controls.push_back(box(5, {kSecondBar, 2854, kBarWidth, 4990}, rt::kBlack, 0xC8C8FF));
    f.controls.push_back(box(6, {3688, 2854, 63, 4990}, rt::kBlack, 0xCECEFF));
    f.controls.push_back(box(7, {5323, 2854, 63, 4990}, rt::kBlack, 0xC6C6FF));
    f.controls.push_back(box(8, {4646, 7865, 2792, 1458}, rt::kBlack, rt::kWhite));
    return f;
}

}  // namespace

ReportStructurePtr invoiceDocumentReport(bool unprintedRun) {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {500, 1500, 7500, 8750};
    s.font = font(10);
    s.pageHeader = pageHeader(unprintedRun);
    rt::ReportBand footer;
    footer.id = 2;
    footer.at = {500, 10250, 7500, 406};
    footer.controls.push_back(box(1, {63, 31, 7396, 344}, rt::kBlack, kDarkBlue, true));
    footer.controls.push_back(styled(text(2, {302, 52, 3156, 271}, "Thank You For Your Business"),
                                     font(14, rt::kFontBold), rt::kWhite));
    s.pageFooter = footer;
    s.form = form();
    rt::ReportBand detail;
    detail.id = 10;
    detail.at = {0, 0, 7490, 8063};
    clientBlock(detail);
    itemTable(detail);
    memoAndTotals(detail);
    s.details.push_back(detail);
    rt::BreakGroup once = onceAround(20, {10});
    // The break's header keeps its height but prints nothing: a dot there stood on the
    // heading beside the telephone number.
    rt::ReportBand header;
    header.id = 21;
    header.at = {0, 0, 7500, 52};
    once.header = header;
    s.breaks.push_back(once);
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace windows::invoice_document
