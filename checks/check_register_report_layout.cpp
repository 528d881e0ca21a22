#include "checks/check_register_report_layout.h"

namespace checks_layout {

namespace {

rt::ReportControl textAt(int id, std::string text, rt::ReportRect at, rt::PageFont font) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::Text;
    c.text = std::move(text);
    c.at = at;
    c.font = font;
    return c;
}

rt::ReportControl fieldAt(int id, rt::ValueSource value, std::string picture, rt::ReportRect at,
                          std::optional<rt::PageFont> font = std::nullopt) {
    rt::ReportControl c;
    c.id = id;
    c.kind = rt::ReportControlKind::String;
    c.value = std::move(value);
    c.picture = std::move(picture);
    c.at = at;
    c.font = font;
    return c;
}

}  // namespace

rt::ReportStructure registerReport(const FieldBinder& bind) {
    const rt::PageFont arial10{"Arial", 10, rt::kFontRegular};
    rt::ReportStructure r;
    r.paper = rt::kLetterPaper;
    // The area ends at the printable bottom instead of running past the paper's edge.
    r.area = {250, kRegisterAreaTop, 8250, kRegisterPrintableBottom - kRegisterAreaTop};
    r.font = arial10;
    rt::ReportBand header{100, {260, 250, 8219, 604}, 0, {}};
    header.controls.push_back(
        textAt(2, "Check Register", {604, 21, 0, 0}, {"Arial", 12, rt::kFontBold}));
    header.controls.push_back(textAt(3, "Date", {385, 313, 469, 156}, arial10));
    header.controls.push_back(textAt(4, "Check Number", {979, 292, 969, 208}, arial10));
    header.controls.push_back(textAt(5, "Pay To", {2000, 281, 0, 0}, arial10));
    header.controls.push_back(textAt(6, "Memo", {4698, 313, 0, 0}, arial10));
    header.controls.push_back(textAt(7, "Amount", {7135, 271, 0, 0}, arial10));
    rt::ReportControl rule;
    rule.id = 8;
    rule.kind = rt::ReportControlKind::Line;
    rule.at = {281, 531, 7646, 0};
    header.controls.push_back(rule);
    r.pageHeader = header;
    r.pageFooter = rt::ReportBand{101, {1000, 9000, 6000, 52}, 0, {}};

    rt::ReportBand detail{kCheckBand, {0, 0, 8250, 219}, 0, {}};
    rt::ReportControl date = fieldAt(10, bind("CHE:CHECKDATE"), "@D1", {135, 31, 0, 0});
    date.align = rt::TextAlign::Right;
    detail.controls.push_back(date);
    // The check number ends before the payee: a longer one is drawn smaller.
    detail.controls.push_back(
        fieldAt(11, bind("CHE:CHECKNUMBER"), "@S10", {1021, 31, 1979 - 42 - 1021, 0}, arial10));
    detail.controls.push_back(
        fieldAt(12, bind("CHE:PAYTO"), "@s30", {1979, 31, 2188, 229}, arial10));
    detail.controls.push_back(fieldAt(13, bind("CHE:CHECKMEMO"), "@S40", {4208, 31, 2917, 208}));
    detail.controls.push_back(fieldAt(14, bind("CHE:AMOUNT"), "@n$*10.2", {7167, 21, 0, 0},
                                      rt::PageFont{"Arial", 10, rt::kFontBold}));
    r.details.push_back(detail);
    return r;
}

ReportStructurePtr makeRegisterReport(const FieldBinder& bind) {
    return ReportStructurePtr(new rt::ReportStructure(registerReport(bind)));
}

rt::ReportStructure draftRegisterReport(const FieldBinder& bind) {
    constexpr int kMemoHeading = 6, kMemoField = 13;
    const rt::PageFont arial10{"Arial", 10, rt::kFontRegular};
    rt::ReportStructure r = registerReport(bind);
    r.pageFooter.reset();
    auto& heading = r.pageHeader->controls;
    std::erase_if(heading, [](const rt::ReportControl& c) { return c.id == kMemoHeading; });
    heading.push_back(textAt(15, "Draft Day", {4250, 281, 0, 0}, arial10));
    heading.push_back(textAt(16, "Drafts Left", {5115, 281, 0, 0}, arial10));
    auto& detail = r.details.front().controls;
    std::erase_if(detail, [](const rt::ReportControl& c) { return c.id == kMemoField; });
    // Without the memo the payee has the room up to the draft day.
    constexpr int kPayToField = 12, kDraftDayX = 4417;
    for (rt::ReportControl& c : detail)
        if (c.id == kPayToField) c.at.width = kDraftDayX - 42 - c.at.x;
    detail.push_back(fieldAt(17, bind("CHE:X1"), "@s2", {kDraftDayX, 31, 0, 0}, arial10));
    detail.push_back(fieldAt(18, bind("CHE:X2"), "@s3", {5313, 31, 0, 0}, arial10));
    return r;
}

ReportStructurePtr makeDraftRegisterReport(const FieldBinder& bind) {
    return ReportStructurePtr(new rt::ReportStructure(draftRegisterReport(bind)));
}

}  // namespace checks_layout
