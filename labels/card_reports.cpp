#include "labels/card_reports.h"

#include "frame/report_parts.h"
#include "labels/report_sources.h"
#include "records/cards.h"

namespace windows::card_reports {

namespace {

using namespace report_parts;
using labels::fieldSource;
using rt::TextAlign;

constexpr rt::Rgb kDarkRed = 0x800000, kLightBlue = 0x8080FF, kPurple = 0x800040;
constexpr int kPictureSide = 500;

struct Point {
    int x, y;
};

// Where styles 2 to 7 put their elements, and the business name's height. The text column
// (name, title, address, city) shares one x; the numbers, e-mail and web site stand at the
// lower right but in style 4.
// The four are right-aligned on one edge: the card's right margin, or in style 4 the left
// edge of the picture less a margin.
struct NumberBlock {
    Point phone, voice, fax, faxText, email, website;
    int rightEdge;
};

constexpr NumberBlock kNumbersRight{{2375, 1292}, {2052, 1281}, {2375, 1458}, {2156, 1448},
                                    {1438, 1615}, {1438, 1760}, 3500 - 125};
constexpr NumberBlock kNumbersLeft{{583, 1281}, {260, 1271}, {583, 1448}, {365, 1438},
                                   {229, 1615}, {229, 1760}, 2531 - 83};

struct StyleLayout {
    Point business;
    int businessWidth, businessHeight;
    int column;
    int name, title, address, city;  // where the text column's lines stand, down the card
    Point picture;
    const NumberBlock* numbers;
};

// The business name's box ends before a picture beside it (styles 5 and 7 start or end it
// there).
const StyleLayout kLayouts[] = {
    {{365, 177}, 3063, 292, 833, 625, 792, 958, 1104, {219, 688}, &kNumbersRight},   // style 2
    {{354, 271}, 3063, 292, 177, 677, 802, 969, 1115, {219, 1375}, &kNumbersRight},  // style 3
    {{344, 219}, 3063, 271, 552, 594, 719, 885, 1031, {2531, 1323}, &kNumbersLeft},  // style 4
    {{125, 260}, 2781, 271, 135, 667, 792, 958, 1104, {2948, 135}, &kNumbersRight},  // style 5
    {{344, 271}, 3063, 250, 177, 667, 792, 958, 1104, {2802, 677}, &kNumbersRight},  // style 6
    {{584, 271}, 2874, 271, 542, 667, 792, 958, 1104, {42, 135}, &kNumbersRight},    // style 7
};
// The text column's lines end here, short of the card's right margin.
constexpr int kColumnWidth = 2531;

rt::ReportControl cardText(int id, rt::ReportRect at, const rt::Field& f, const char* picture,
                           rt::PageFont face, TextAlign align = TextAlign::Left) {
    rt::ReportControl c = value(id, at, fieldSource(f), picture, align);
    c.font = face;
    return c;
}

rt::ReportControl businessName(int id, rt::ReportRect at) {
    rt::ReportControl c =
        cardText(id, at, CAR::BUSINESSNAME, "@S40",
                 font(10, rt::kFontBold | rt::kFontItalic, "MS Serif"), TextAlign::Centre);
    c.colour = kDarkRed;
    return c;
}

rt::ReportControl picture(Point at) {
    rt::ReportControl c;
    c.id = kPictureControl;
    c.kind = rt::ReportControlKind::Image;
    c.at = {at.x, at.y, kPictureSide, kPictureSide};
    return c;
}

rt::ReportControl word(int id, Point at, const char* content, std::optional<rt::PageFont> f) {
    rt::ReportControl c = text(id, {at.x, at.y, 0, 0}, content);
    c.font = f;
    return c;
}

// Letter paper, ten cards a page from (750, 500).
rt::ReportStructure cardSheet(rt::ReportBand card) {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {750, 500, 8500, 10104};
    s.font = font(10);
    s.details.push_back(std::move(card));
    s.breaks.push_back(onceAround(30, {1}));
    return s;
}

rt::ReportBand styleOne() {
    rt::ReportBand card;
    card.id = 1;
    card.at = {0, 0, 3500, 2000};
    card.controls.push_back(box(2, {146, 83, 188, 1854}, kLightBlue, kLightBlue));
    card.controls.push_back(businessName(3, {344, 240, 3063, 302}));
    card.controls.push_back(cardText(4, {354, 760, 2969, 156}, CAR::NAME, "@S40",
                                     font(9, rt::kFontBold | rt::kFontItalic)));
    card.controls.push_back(cardText(5, {354, 917, 2979, 146}, CAR::ADDRESS, "@S40", font(10)));
    card.controls.push_back(
        cardText(6, {354, 1063, 2979, 156}, CAR::CITYSTATEZIP, "@S40", font(10)));
    card.controls.push_back(box(7, {146, 1323, 3156, 115}, kPurple, kPurple));
    card.controls.push_back(picture({2490, 1479}));
    // The numbers end before their words "Voice" and "Fax".
    card.controls.push_back(
        cardText(9, {375, 1573, 1510 - 42 - 375, 155}, CAR::PHONE, "@s15", font(10)));
    card.controls.push_back(word(10, {1510, 1573}, "Voice", std::nullopt));
    card.controls.push_back(
        cardText(11, {375, 1750, 1510 - 42 - 375, 155}, CAR::FAX, "@S15", font(10)));
    card.controls.push_back(word(12, {1510, 1740}, "Fax", std::nullopt));
    return card;
}

rt::ReportBand styleOfSix(int style) {
    const StyleLayout& l = kLayouts[style - 2];
    const rt::PageFont small = font(8);
    rt::ReportBand card;
    card.id = 1;
    // Style 4's band stands 0.01 inch right of its slot.
    card.at = {style == 4 ? 10 : 0, 0, 3500, 2000};
    card.controls.push_back(
        businessName(2, {l.business.x, l.business.y, l.businessWidth, l.businessHeight}));
    if (style == 2)
        card.controls.push_back(cardText(3, {1448, 344, 344, 281}, CAR::BLANK, "@s1",
                                         font(10, rt::kFontBold | rt::kFontItalic)));
    const NumberBlock& n = *l.numbers;
    const rt::ReportRect nameAt = style == 2 ? rt::ReportRect{l.column, l.name, kColumnWidth, 0}
                                             : rt::ReportRect{l.column, l.name, 2542, 156};
    card.controls.push_back(cardText(4, nameAt, CAR::NAME, "@S40",
                                     font(style == 2 ? 8 : 9, rt::kFontBold | rt::kFontItalic)));
    card.controls.push_back(
        cardText(5, {l.column, l.title, kColumnWidth, 0}, CAR::TITLE, "@s20", small));
    card.controls.push_back(
        cardText(6, {l.column, l.address, kColumnWidth, 146}, CAR::ADDRESS, "@S40", small));
    card.controls.push_back(
        cardText(7, {l.column, l.city, kColumnWidth, 156}, CAR::CITYSTATEZIP, "@S40", small));
    card.controls.push_back(picture(l.picture));
    auto toEdge = [&n](Point at, int height) {
        return rt::ReportRect{at.x, at.y, n.rightEdge - at.x, height};
    };
    card.controls.push_back(
        cardText(9, toEdge(n.phone, 155), CAR::PHONE, "@s15", small, TextAlign::Right));
    card.controls.push_back(word(10, n.voice, "Voice", small));
    card.controls.push_back(
        cardText(11, toEdge(n.fax, 155), CAR::FAX, "@S15", small, TextAlign::Right));
    card.controls.push_back(word(12, n.faxText, "Fax", small));
    card.controls.push_back(
        cardText(13, toEdge(n.email, 0), CAR::EMAIL, "@s30", small, TextAlign::Right));
    card.controls.push_back(
        cardText(14, toEdge(n.website, 0), CAR::WEBSITE, "@s30", small, TextAlign::Right));
    return card;
}

}  // namespace

ReportStructurePtr cardStyleReport(int style) {
    rt::ReportBand card = style == 1 ? styleOne() : styleOfSix(style);
    return ReportStructurePtr(new rt::ReportStructure(cardSheet(std::move(card))));
}

ReportStructurePtr returnAddressLabelReport() {
    rt::ReportStructure s;
    s.area = {250, 500, 8500, 10000};
    s.font = font(10);
    rt::ReportBand label;
    label.id = 1;
    label.at = {10, 0, 2625, 1000};
    // The lines end 0.04 inch inside the label, whose band stands 0.01 inch into its slot.
    constexpr int width = 2625 - 10 - 42 - 41;
    label.controls.push_back(
        cardText(2, {42, 135, width, 156}, CAR::BUSINESSNAME, "@S40", font(8, rt::kFontBold)));
    label.controls.push_back(
        cardText(3, {42, 292, width, 156}, CAR::NAME, "@S40", font(8, rt::kFontBold)));
    label.controls.push_back(cardText(4, {42, 458, width, 156}, CAR::ADDRESS, "@S40", font(8)));
    label.controls.push_back(
        cardText(5, {42, 615, width, 156}, CAR::CITYSTATEZIP, "@S40", font(8)));
    s.details.push_back(label);
    s.breaks.push_back(onceAround(6, {1}));
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace windows::card_reports
