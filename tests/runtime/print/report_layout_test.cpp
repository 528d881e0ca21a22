// Where the engine places bands: labels side by side, rows, pages, the paper's bottom.

#include <gtest/gtest.h>

#include "runtime/print/report.h"
#include "tests/runtime/print/report_fixtures.h"
#include "tests/support/label_sheet.h"

namespace {

using fixtures::findText;
using fixtures::texts;

constexpr int kLabel = testsupport::kLabelBand;

// The shared label sheet (three across, ten down at (250, 500)) with a page header, a page
// footer with the page number and a form band.
rt::ReportStructure fullLabelSheet(const int& labelNumber) {
    rt::ReportStructure s =
        testsupport::labelSheet([&labelNumber] { return "Label " + std::to_string(labelNumber); });
    rt::ReportBand header;
    header.id = 100;
    header.at = {250, 100, 8000, 300};
    header.controls.push_back(fixtures::textControl(101, 0, 0, "Mailing Labels"));
    s.pageHeader = header;
    rt::ReportBand footer;
    footer.id = 200;
    footer.at = {250, 10600, 8000, 250};
    rt::ReportControl pageNumber;
    pageNumber.id = 201;
    pageNumber.kind = rt::ReportControlKind::PageNumber;
    pageNumber.at = {7000, 0, 0, 0};
    footer.controls.push_back(pageNumber);
    s.pageFooter = footer;
    rt::ReportBand form;
    form.id = 300;
    form.at = {250, 500, 8500, 10000};
    rt::ReportControl frame;
    frame.id = 301;
    frame.kind = rt::ReportControlKind::Box;
    frame.at = {0, 0, 8500, 10000};
    form.controls.push_back(frame);
    s.form = form;
    return s;
}

std::vector<rt::Page> runLabels(int count) {
    int labelNumber = 0;
    rt::Report report(fullLabelSheet(labelNumber));
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    EXPECT_TRUE(report.open(error)) << error;
    for (labelNumber = 1; labelNumber <= count; ++labelNumber)
        EXPECT_TRUE(report.print(kLabel));
    EXPECT_TRUE(report.finish());
    std::vector<rt::Page> pages = fixtures::readPages(queue.names);
    EXPECT_EQ(pages.size(), queue.names.size());
    EXPECT_TRUE(report.close(error));
    return pages;
}

TEST(ReportLayout, ThirtyOneLabelsFillOnePageAndStartASecond) {
    const std::vector<rt::Page> pages = runLabels(31);
    ASSERT_EQ(pages.size(), 2u);

    const auto first = texts(pages[0]);
    for (int n = 1; n <= 30; ++n) {
        const rt::PageText* label = findText(first, "Label " + std::to_string(n));
        ASSERT_NE(label, nullptr) << n;
        const int column = (n - 1) % 3, row = (n - 1) / 3;
        EXPECT_EQ(label->x, 250 + column * 2625 + 344) << n;
        EXPECT_EQ(label->y, 500 + row * 1000 + 115) << n;
    }
    EXPECT_EQ(findText(first, "Label 31"), nullptr);

    const auto second = texts(pages[1]);
    const rt::PageText* last = findText(second, "Label 31");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->x, 250 + 344);
    EXPECT_EQ(last->y, 500 + 115);

    // Header, footer (with its page number) and form band on both pages.
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto all = texts(pages[p]);
        ASSERT_NE(findText(all, "Mailing Labels"), nullptr);
        EXPECT_EQ(findText(all, "Mailing Labels")->y, 100);
        EXPECT_NE(findText(all, std::to_string(p + 1)), nullptr);
        const auto* frame = std::get_if<rt::PageBox>(&pages[p].items[0]);
        ASSERT_NE(frame, nullptr) << "the form band is drawn first";
        EXPECT_EQ(frame->x, 250);
        EXPECT_EQ(frame->height, 10000);
    }
}

TEST(ReportLayout, ThirtyLabelsMakeExactlyOnePage) {
    EXPECT_EQ(runLabels(30).size(), 1u);
    EXPECT_EQ(runLabels(1).size(), 1u);
}

TEST(ReportLayout, NothingPrintedMakesNoPage) {
    EXPECT_TRUE(runLabels(0).empty());
}

struct FlowCase {
    const char* name;
    rt::ReportRect area;
    std::vector<int> heights;             // one band per entry
    std::vector<std::pair<int, int>> at;  // expected page (from 1) and y of each band
    int width = 2000;                     // of every band
};

// A band goes to the next page when it would cross the area's bottom or the paper's.
TEST(ReportLayout, BandsThatWouldCrossTheBottomMoveToTheNextPage) {
    const FlowCase cases[] = {
        {"area bottom",
         {0, 1000, 2000, 10000},
         {4000, 4000, 4000, 1000},
         {{1, 1000}, {1, 5000}, {2, 1000}, {2, 5000}}},
        {"exact fit", {0, 1000, 2000, 10000}, {5000, 5000, 1}, {{1, 1000}, {1, 6000}, {2, 1000}}},
        // Bands without a width take the whole row.
        {"no width", {0, 0, 8000, 10000}, {1000, 1000}, {{1, 0}, {1, 1000}}, 0},
        // The area runs past the paper (11000): only three rows of 3000 fit below 500.
        {"paper bottom",
         {0, 500, 2000, 11000},
         {3000, 3000, 3000, 3000},
         {{1, 500}, {1, 3500}, {1, 6500}, {2, 500}}},
    };
    for (const FlowCase& c : cases) {
        SCOPED_TRACE(c.name);
        rt::ReportStructure s;
        s.paper = rt::kLetterPaper;
        s.area = c.area;
        int band = 0;
        for (std::size_t i = 0; i < c.heights.size(); ++i) {
            rt::ReportBand detail;
            detail.id = static_cast<int>(i) + 1;
            detail.at = {0, 0, c.width, c.heights[i]};
            detail.controls.push_back(fixtures::stringControl(
                50 + detail.id, 0, 0, [&band] { return rt::Value("band " + std::to_string(band)); },
                ""));
            s.details.push_back(detail);
        }
        rt::Report report(s);
        rt::PageList queue;
        report.setPreviewQueue(&queue);
        std::string error;
        ASSERT_TRUE(report.open(error));
        for (band = 1; band <= static_cast<int>(c.heights.size()); ++band)
            ASSERT_TRUE(report.print(band));
        ASSERT_TRUE(report.finish());
        const auto pages = fixtures::readPages(queue.names);
        for (std::size_t i = 0; i < c.at.size(); ++i) {
            const auto [page, y] = c.at[i];
            ASSERT_LE(page, static_cast<int>(pages.size()));
            const auto all = texts(pages[page - 1]);
            const rt::PageText* t = findText(all, "band " + std::to_string(i + 1));
            ASSERT_NE(t, nullptr) << "band " << i + 1 << " on page " << page;
            EXPECT_EQ(t->y, y) << "band " << i + 1;
            // Never past the paper.
            EXPECT_LE(t->y + c.heights[i], 11000);
        }
        report.close(error);
    }
}

TEST(ReportLayout, OffsetShiftsTheBandInsideItsSlotAndMinimumHeightHolds) {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {750, 500, 8500, 10104};
    rt::ReportBand card;
    card.id = 1;
    card.at = {10, 0, 3500, 1500};  // offset 10 to the right
    int n = 0;
    card.controls.push_back(fixtures::stringControl(
        2, 100, 100, [&n] { return rt::Value(std::to_string(n)); }, ""));
    s.details.push_back(card);
    rt::Report report(s);
    report.band(1)->minHeight = 2000;  // as the card reports do when they open
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error));
    for (n = 1; n <= 11; ++n)
        report.print(1);
    report.finish();
    const auto pages = fixtures::readPages(queue.names);
    ASSERT_EQ(pages.size(), 2u);
    const auto first = texts(pages[0]);
    EXPECT_EQ(findText(first, "1")->x, 750 + 10 + 100);
    EXPECT_EQ(findText(first, "2")->x, 750 + 3500 + 10 + 100);
    EXPECT_EQ(findText(first, "3")->y, 500 + 2000 + 100);
    EXPECT_EQ(findText(first, "10")->y, 500 + 4 * 2000 + 100);
    EXPECT_NE(findText(texts(pages[1]), "11"), nullptr);
    report.close(error);
}

TEST(ReportLayout, EndPageStartsANewPage) {
    int n = 0;
    rt::Report report(fullLabelSheet(n));
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error));
    n = 1;
    report.print(kLabel);
    report.endPage();
    n = 2;
    report.print(kLabel);
    report.finish();
    const auto pages = fixtures::readPages(queue.names);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(findText(texts(pages[1]), "Label 2")->y, 500 + 115);
    report.close(error);
}

}  // namespace

namespace {

// Three checks to a sheet: bands as wide as the area, 3583 high, shifted by (-10, 10).
TEST(ReportLayout, TenThreeUpChecksFillFourSheets) {
    rt::ReportStructure s;
    s.area = {250, 125, 8250, 11000};
    rt::ReportBand check;
    check.id = 1;
    check.at = {-10, 10, 8250, 3583};
    int n = 0;
    rt::ReportControl micr;
    micr.id = 30;
    micr.kind = rt::ReportControlKind::String;
    micr.at = {1427, 2958, 8000, 271};
    micr.font = rt::PageFont{"MICR 012 BT", 18, rt::kFontRegular};
    micr.picture = "s70";
    micr.value = [&n] { return rt::Value("C" + std::to_string(n) + "C"); };
    check.controls.push_back(micr);
    s.details.push_back(check);

    rt::Report report(s);
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error));
    for (n = 1; n <= 10; ++n)
        report.print(1);
    report.finish();
    const auto pages = fixtures::readPages(queue.names);
    ASSERT_EQ(pages.size(), 4u);
    for (int check = 1; check <= 10; ++check) {
        const std::size_t page = (check - 1) / 3;
        const int slot = (check - 1) % 3;
        const auto all = texts(pages[page]);
        const rt::PageText* line = findText(all, "C" + std::to_string(check) + "C");
        ASSERT_NE(line, nullptr) << check;
        EXPECT_EQ(line->x, 250 - 10 + 1427);
        EXPECT_EQ(line->y, 125 + slot * 3583 + 10 + 2958);
        EXPECT_EQ(line->font.face, "MICR 012 BT");
    }
    report.close(error);
}

}  // namespace
