#include "followups/contact_report_layout.h"

#include <string>

#include "frame/report_fields.h"
#include "records/mail.h"
#include "runtime/print/report_structure.h"

namespace reports::contact_block {

namespace {

constexpr int kLineY[] = {31, 188, 344, 500};
constexpr int kNameColumn = 177;

rt::ReportControl rule(int y, int width) {
    rt::ReportControl c;
    c.kind = rt::ReportControlKind::Line;
    c.at = {0, y, width, 0};
    return c;
}

rt::ReportControl text(const char* words, int x, int y, std::uint8_t style = rt::kFontRegular) {
    rt::ReportControl c;
    c.kind = rt::ReportControlKind::Text;
    c.text = words;
    c.at = {x, y, 0, 0};
    if (style != rt::kFontRegular) c.font = rt::PageFont{"Arial", 10, style};
    return c;
}

}  // namespace

void addField(rt::ReportBand& band, const char* field, const char* picture, int x, int y, int width,
              bool right) {
    AddReportField(band, MAIL, field, picture, x, y, width, right);
}

ReportStructurePtr contactReport(const Columns& col,
                                 const std::function<void(rt::ReportBand&)>& moreLines) {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {500, 1000, 7500, 8750};
    s.font = rt::PageFont{"Arial", 10, rt::kFontRegular};

    rt::ReportBand header;
    header.at = {500, 500, 7500, 448};
    rt::ReportControl title = text("Report By Search Selection", 0, 40);
    title.font = rt::PageFont{"Arial", 18, rt::kFontBold | rt::kFontItalic | rt::kFontUnderline};
    header.controls.push_back(title);
    header.controls.push_back(rule(420, 7500));
    s.pageHeader = header;

    rt::ReportBand detail;
    detail.id = 1;
    detail.at = {0, 0, 7500, col.bandHeight};
    // Per line: the contact's own field(s), then the telephone kind, number and extension.
    const char* kinds[] = {"MAI:PHONE1", "MAI:PHONE2", "MAI:PHONE3", "MAI:PHONE4"};
    const char* numbers[] = {"MAI:HOMEPHONE", "MAI:WORKPHONE", "MAI:FAX", "MAI:CELLPHONE"};
    const char* extensions[] = {"MAI:EXT1", "MAI:EXT2", "MAI:EXT3", "MAI:EXT4"};
    const int numberWidth = col.extensions - col.numbers - 100;
    for (int i = 0; i < 4; ++i) {
        const int y = kLineY[i];
        addField(detail, kinds[i], "@s10", col.kinds, y, col.numbers - kGap - col.kinds);
        addField(detail, numbers[i], i == 0 ? "@S15" : "@s15", col.numbers, y, numberWidth, true);
        addField(detail, extensions[i], "@P###Pb", col.extensions, y, col.extensionWidth);
    }
    // Each field ends a gap before the next item on its line: a longer value is drawn
    // smaller rather than over its neighbour.
    addField(detail, "MAI:FIRSTNAME", "@s15", kNameColumn, kLineY[0], 1313 - kGap - kNameColumn);
    addField(detail, "MAI:LASTNAME", "@s15", 1313, kLineY[0], col.kinds - kGap - 1313);
    detail.controls.push_back(text("Date Entered", col.enteredLabel, kLineY[0]));
    addField(detail, "MAI:DATE", "@d1", col.dates, kLineY[0], 800, true);
    addField(detail, "MAI:COMPANYNAME", "@s30", kNameColumn, kLineY[1],
             col.kinds - kGap - kNameColumn);
    detail.controls.push_back(text("Last Access", col.accessLabel, kLineY[1]));
    addField(detail, "MAI:ACCESSDATE", "@d1", col.dates, kLineY[1], 800, true);
    addField(detail, "MAI:ADDRESS", "@s30", kNameColumn, kLineY[2], col.kinds - kGap - kNameColumn);
    addField(detail, "MAI:CITY", "@s15", kNameColumn, kLineY[3], 1313 - kGap - kNameColumn);
    addField(detail, "MAI:STATE", "@s2", 1313, kLineY[3], 1490 - kGap - 1313);
    addField(detail, "MAI:ZIP", "@s12", 1490, kLineY[3], col.kinds - 1490 - 80, true);
    if (moreLines) moreLines(detail);
    detail.controls.push_back(rule(col.ruleAt, 7500));
    s.details.push_back(detail);

    rt::ReportBand footer;
    footer.at = {500, 10250, 7500, 250};
    footer.controls.push_back(rule(0, 7500));
    footer.controls.push_back(text("Page:", 6500, 40, rt::kFontBold));
    rt::ReportControl page;
    page.kind = rt::ReportControlKind::PageNumber;
    page.picture = "@N4";
    page.at = {6950, 40, 0, 0};
    page.font = rt::PageFont{"Arial", 10, rt::kFontBold};
    footer.controls.push_back(page);
    s.pageFooter = footer;
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace reports::contact_block
