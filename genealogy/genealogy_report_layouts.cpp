#include "genealogy/genealogy_report_layouts.h"

#include <iterator>
#include <string>

#include "frame/report_fields.h"
#include "records/mail.h"
#include "runtime/print/report_structure.h"

namespace reports::genealogy {

namespace {

constexpr rt::Rgb kRed = 0xFF0000u;
constexpr int kGap = 42;  // between a column's end and the next column

rt::ReportControl rule(int x, int y, int width) {
    rt::ReportControl c;
    c.kind = rt::ReportControlKind::Line;
    c.at = {x, y, width, 0};
    return c;
}

rt::ReportControl text(const char* words, int x, int y) {
    rt::ReportControl c;
    c.kind = rt::ReportControlKind::Text;
    c.text = words;
    c.at = {x, y, 0, 0};
    return c;
}

// A field of the MAIL buffer through `picture` at x, y of the band.
void addField(rt::ReportBand& band, const char* field, const char* picture, int x, int y,
              int width = 0, bool rightAligned = false) {
    AddReportField(band, MAIL, field, picture, x, y, width, rightAligned);
}

ReportStructurePtr finished(rt::ReportStructure s) {
    return ReportStructurePtr(new rt::ReportStructure(std::move(s)));
}

}  // namespace

ReportStructurePtr genealogyReport() {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {1000, 1240, 6000, 7760};
    s.font = rt::PageFont{"Arial", 10, rt::kFontRegular};

    // The page form: the title, the column headings between two rules.
    rt::ReportBand form;
    form.at = {1000, 500, 6000, 740};
    rt::ReportControl title = text("Genealogy", 2500, 0);
    title.font = rt::PageFont{"Americana XBdCn BT", 14, rt::kFontBold | rt::kFontItalic};
    title.colour = kRed;
    form.controls.push_back(title);
    form.controls.push_back(rule(0, 350, 6000));
    const std::pair<const char*, int> headings[] = {{"Name - First, Last", 104},
                                                    {"Sponsor", 2490},
                                                    {"Entry Date", 3969},
                                                    {"St.", 4635},
                                                    {"First Phone#", 4990}};
    // Each heading keeps to its column, ending a gap before the next one begins: a heading
    // wider than that is drawn smaller rather than run into its neighbour.
    constexpr int kHeadingGap = 83;
    for (std::size_t i = 0; i < std::size(headings); ++i) {
        const auto& [words, x] = headings[i];
        const int end = i + 1 < std::size(headings) ? headings[i + 1].second - kHeadingGap : 6000;
        rt::ReportControl heading = text(words, x, 420);
        heading.at.width = end - x;
        form.controls.push_back(heading);
    }
    form.controls.push_back(rule(0, 680, 6000));
    s.form = form;

    rt::ReportBand detail;
    detail.id = 1;
    detail.at = {0, 0, 6000, 250};
    // Each column ends a gap before the next begins: a longer value is drawn smaller.
    addField(detail, "MAI:FIRSTNAME", "@s15", 104, 20, 1240 - kGap - 104);
    addField(detail, "MAI:LASTNAME", "@s15", 1240, 20, 2490 - kGap - 1240);
    addField(detail, "MAI:SPONSOR", "@s20", 2490, 20, 3969 - kGap - 2490);
    addField(detail, "MAI:DATE", "@d1", 3969, 20, 600, true);
    addField(detail, "MAI:STATE", "@s2", 4635, 20, 4802 - kGap - 4635);
    addField(detail, "MAI:HOMEPHONE", "@S15", 4802, 20, 1198, true);
    s.details.push_back(detail);

    // One group per level, its header "Level n" between two rules.
    rt::BreakGroup byLevel;
    byLevel.id = 1;
    byLevel.variable = [] { return MAI::LEVEL.value(); };
    rt::ReportBand header;
    header.id = 2;
    header.at = {0, 0, 6000, 375};
    header.controls.push_back(rule(0, 20, 6000));
    header.controls.push_back(text("Level", 104, 70));
    addField(header, "MAI:LEVEL", "@n2", 600, 70);
    header.controls.push_back(rule(0, 330, 6000));
    byLevel.header = header;
    byLevel.details = {1};
    s.breaks.push_back(byLevel);
    return finished(std::move(s));
}

ReportStructurePtr uplineReport() {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {500, 1500, 7500, 8750};
    s.font = rt::PageFont{"Arial", 10, rt::kFontRegular};

    rt::ReportBand header;
    header.at = {500, 500, 7500, 1000};
    rt::ReportControl title = text("Report For Upline", 3063, 333);
    title.font = rt::PageFont{"Arial", 14, rt::kFontBold};
    header.controls.push_back(title);
    s.pageHeader = header;

    rt::ReportBand detail;
    detail.id = 1;
    detail.at = {0, 0, 7500, 1167};
    constexpr int kPhoneWidth = 1300;
    // Each field ends a gap before the next one on its line (the phones' boxes, the right
    // margin): a longer value is drawn smaller.
    addField(detail, "MAI:FIRSTNAME", "@s15", 52, 52, 1177 - kGap - 52);
    addField(detail, "MAI:LASTNAME", "@s15", 1177, 52, 2552 - kGap - 1177);
    addField(detail, "MAI:HOMEPHONE", "@P(###)-###-####P", 2552, 52, kPhoneWidth, true);
    detail.controls.push_back(text("ID#", 4708, 52));
    addField(detail, "MAI:IDNUMBER", "@s15", 5031, 52, 7500 - kGap - 5031);
    addField(detail, "MAI:COMPANYNAME", "@s30", 52, 208, 2552 - kGap - 52);
    addField(detail, "MAI:WORKPHONE", "@P(###)-###-####P", 2552, 208, kPhoneWidth, true);
    detail.controls.push_back(text("Sponsor & ID", 4104, 250));
    addField(detail, "MAI:SPONSORID", "@s15", 5031, 250, 7500 - kGap - 5031);
    addField(detail, "MAI:ADDRESS", "@s30", 52, 375, 2552 - kGap - 52);
    addField(detail, "MAI:FAX", "@P(###)-###-####P", 2552, 375, kPhoneWidth, true);
    addField(detail, "MAI:SPONSOR", "@s20", 5031, 427, 7500 - kGap - 5031);
    addField(detail, "MAI:CITY", "@s15", 52, 542, 1198 - kGap - 52);
    addField(detail, "MAI:STATE", "@s2", 1198, 542, 1406 - kGap - 1198);
    addField(detail, "MAI:ZIP", "@s12", 1406, 542, 1000, true);
    addField(detail, "MAI:CELLPHONE", "@P(###)-###-####P", 2552, 542, kPhoneWidth, true);
    addField(detail, "MAI:BEEPER", "@P(###)-###-####P", 2552, 719, kPhoneWidth, true);
    detail.controls.push_back(text("Level", 63, 740));
    addField(detail, "MAI:LEVEL", "@n2", 573, 740);
    detail.controls.push_back(rule(31, 938, 7365));
    s.details.push_back(detail);

    rt::ReportBand footer;
    footer.at = {500, 10250, 7500, 250};
    s.pageFooter = footer;
    return finished(std::move(s));
}

}  // namespace reports::genealogy
