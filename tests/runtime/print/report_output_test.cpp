// What a report hands on: its pages' names in the preview queue, printing of the listed pages
// through the printer object, deletion at close, break groups, sums and pictures.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "runtime/print/page_spool.h"
#include "runtime/print/printer.h"
#include "runtime/print/report.h"
#include "tests/runtime/print/report_fixtures.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/page_keeper.h"

namespace {

using fixtures::findText;
using fixtures::texts;

class RecordingBackend : public rt::PrintBackend {
  public:
    std::string defaultPrinterName() override { return "Office Printer"; }
    bool print(rt::PageSource& pages, const rt::PrintSettings& settings,
               std::string& error) override {
        std::vector<rt::Page> job;
        if (!testsupport::takePages(pages, job, error)) return false;
        jobs.push_back(std::move(job));
        lastSettings = settings;
        return true;
    }
    std::vector<std::vector<rt::Page>> jobs;
    rt::PrintSettings lastSettings;
};

class ReportOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        rt::printer().reset();
        backend = std::make_shared<RecordingBackend>();
        rt::printer().setBackend(backend);
    }
    void TearDown() override { rt::printer().reset(); }

    // One detail band per page, each showing "Record n" and a page-number placeholder.
    rt::ReportStructure onePerPage() {
        rt::ReportStructure s;
        s.paper = rt::kLetterPaper;
        s.area = {250, 250, 8000, 10000};
        rt::ReportBand detail;
        detail.id = 1;
        detail.at = {0, 0, 8000, 10000};
        detail.controls.push_back(fixtures::stringControl(
            2, 0, 0, [this] { return rt::Value("Record " + std::to_string(record)); }, ""));
        s.details.push_back(detail);
        rt::ReportBand footer;
        footer.id = 10;
        footer.at = {3000, 10500, 3000, 200};
        footer.controls.push_back(fixtures::textControl(11, 0, 0, "Page xxxxx of xxxxx"));
        footer.controls.push_back(fixtures::textControl(12, 0, 100, "Page xxxxx of xxxxx"));
        s.pageFooter = footer;
        return s;
    }

    // Opens the report on `queue` and prints records 1 to `count`, one to a page.
    void printRecords(rt::Report& report, rt::PageList& queue, int count) {
        report.setPreviewQueue(&queue);
        std::string error;
        ASSERT_TRUE(report.open(error)) << error;
        for (record = 1; record <= count; ++record)
            report.print(1);
        report.finish();
    }

    std::string recordOn(const rt::Page& page) {
        for (const rt::PageText& t : texts(page))
            if (t.text.rfind("Record ", 0) == 0) return t.text;
        return "";
    }

    std::shared_ptr<RecordingBackend> backend;
    int record = 0;
};

TEST_F(ReportOutput, PagesAreListedInOrderInOneSpoolDeletedWhenTheReportCloses) {
    rt::Report report(onePerPage());
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error));
    const std::filesystem::path spool = report.spoolFile();
    ASSERT_TRUE(std::filesystem::is_regular_file(spool));
    for (record = 1; record <= 3; ++record)
        report.print(1);
    report.finish();
    ASSERT_EQ(queue.names.size(), 3u);
    EXPECT_EQ(report.pageNames(), queue.names);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_LE(queue.names[i].size(), 80u) << "a preview queue entry holds 80 characters";
        EXPECT_EQ(rt::parsePageName(queue.names[i])->spool, spool);
        const rt::PageReadResult read = rt::readPage(queue.names[i]);
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(recordOn(read.page), "Record " + std::to_string(i + 1));
    }
    EXPECT_TRUE(report.close(error));
    EXPECT_TRUE(backend->jobs.empty()) << "nothing prints without PROP:PrintPreviewedPages";
    EXPECT_FALSE(std::filesystem::exists(spool));
    EXPECT_FALSE(rt::readPage(queue.names[0]).ok());
}

TEST_F(ReportOutput, TheSpoolGoesWithAReportDestroyedWhileOpen) {
    std::filesystem::path spool;
    {
        rt::Report report(onePerPage());
        rt::PageList queue;
        printRecords(report, queue, 2);
        report.setPrintPreviewedPages(true);
        spool = report.spoolFile();
        ASSERT_TRUE(std::filesystem::exists(spool));
    }
    EXPECT_FALSE(std::filesystem::exists(spool));
    EXPECT_TRUE(backend->jobs.empty()) << "destroyed without printing";
}

TEST_F(ReportOutput, PageNumberPlaceholderIsReplacedInPlaceAndThePageStillReads) {
    rt::Report report(onePerPage());
    rt::PageList queue;
    printRecords(report, queue, 12);
    std::string error;
    ASSERT_EQ(queue.names.size(), 12u);
    // What the preview does: "Page 3 of 12" centred in the placeholder's 19 characters.
    ASSERT_EQ(rt::replaceTextInPage(queue.names[2], "Page xxxxx of xxxxx", "   Page 3 of 12    "),
              rt::ReplaceResult::Replaced);
    const rt::PageReadResult read = rt::readPage(queue.names[2]);
    ASSERT_TRUE(read.ok()) << read.error;
    const auto all = texts(read.page);
    const rt::PageText* replaced = findText(all, "   Page 3 of 12");
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->y, 10500);
    EXPECT_NE(findText(all, "Page xxxxx of xxxxx"), nullptr) << "the second one stays";
    for (std::size_t other : {1u, 3u})
        EXPECT_EQ(findText(texts(rt::readPage(queue.names[other]).page), "Page 3 of 12"), nullptr);
    report.close(error);
}

TEST_F(ReportOutput, ClosingPrintsThePagesStillListedWithTheCopiesAsSet) {
    struct Case {
        bool collate;
        std::vector<std::string> printed;
    };
    const Case cases[] = {
        {true, {"Record 1", "Record 3", "Record 4", "Record 1", "Record 3", "Record 4"}},
        {false, {"Record 1", "Record 1", "Record 3", "Record 3", "Record 4", "Record 4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.collate ? "collated" : "not collated");
        backend->jobs.clear();
        rt::printer().setCopies(2);
        rt::printer().setCollate(c.collate);
        rt::Report report(onePerPage());
        rt::PageList queue;
        printRecords(report, queue, 4);
        std::string error;
        queue.names.erase(queue.names.begin() + 1);  // the preview dropped page 2
        report.setPrintPreviewedPages(true);
        ASSERT_TRUE(report.close(error)) << error;
        ASSERT_EQ(backend->jobs.size(), 1u);
        std::vector<std::string> printed;
        for (const rt::Page& page : backend->jobs[0])
            printed.push_back(recordOn(page));
        EXPECT_EQ(printed, c.printed);
        EXPECT_EQ(backend->lastSettings.device, "Office Printer");
    }
}

TEST_F(ReportOutput, APageStillBeingFilledPrintsWhenClosedForPrinting) {
    rt::Report report(onePerPage());
    std::string error;
    ASSERT_TRUE(report.open(error));
    record = 1;
    report.print(1);
    report.setPrintPreviewedPages(true);
    const std::filesystem::path spool = report.spoolFile();
    ASSERT_TRUE(report.close(error));
    ASSERT_EQ(backend->jobs.size(), 1u);
    EXPECT_EQ(backend->jobs[0].size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(spool));
}

TEST_F(ReportOutput, PrintFailuresAreReportedAndTheSpoolStillGoes) {
    rt::printer().setPrintToFile(true);  // with no file name
    rt::Report report(onePerPage());
    std::string error;
    ASSERT_TRUE(report.open(error));
    record = 1;
    report.print(1);
    report.finish();
    const std::filesystem::path spool = report.spoolFile();
    report.setPrintPreviewedPages(true);
    EXPECT_FALSE(report.close(error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(backend->jobs.empty());
    EXPECT_FALSE(std::filesystem::exists(spool));
}

TEST(PrinterObject, SettingsAndPrintOrder) {
    rt::printer().reset();
    EXPECT_EQ(rt::printer().copies(), 1);
    rt::printer().setCopies(0);
    EXPECT_EQ(rt::printer().copies(), 1);
    EXPECT_EQ(rt::printer().device(), "");
    rt::printer().setDevice("Label Printer");
    EXPECT_EQ(rt::printer().device(), "Label Printer");
    std::string error;
    EXPECT_FALSE(rt::printer().printPages({"/nonexistent/page.tvp"}, error));
    EXPECT_FALSE(error.empty());
    rt::printer().reset();

    EXPECT_EQ(rt::printOrder(3, 2, true), (std::vector<int>{0, 1, 2, 0, 1, 2}));
    EXPECT_EQ(rt::printOrder(3, 2, false), (std::vector<int>{0, 0, 1, 1, 2, 2}));
    EXPECT_EQ(rt::printOrder(2, 1, false), (std::vector<int>{0, 1}));
    EXPECT_TRUE(rt::printOrder(0, 3, true).empty());
}

// Whatever happened to the spool, the print answers failure with the reason and the printer
// keeps no job; on a device every page is read before the job starts.
TEST_F(ReportOutput, ADamagedSpoolFailsThePrint) {
    auto damageSecondPage = [](const rt::Report&, rt::PageList& q) {
        rt::replaceTextInPage(q.names[1], "TVKPAGE1", "XXXXXXXX");
    };
    struct Case {
        const char* damage;
        bool toFile;
        std::function<void(const rt::Report&, rt::PageList&)> apply;
        const char* expected;
    };
    const Case cases[] = {
        {"spool removed", false,
         [](const rt::Report& r, rt::PageList&) { std::filesystem::remove(r.spoolFile()); },
         "cannot open the report's pages"},
        {"spool cut off", true,
         [](const rt::Report& r, rt::PageList& q) {
             std::filesystem::resize_file(r.spoolFile(), rt::parsePageName(q.names[1])->offset + 5);
         },
         "end before page"},
        {"second page damaged, on a device", false, damageSecondPage, "not a report page"},
        {"second page damaged, into a file", true, damageSecondPage, "not a report page"},
        {"a listed name that is no page", true,
         [](const rt::Report&, rt::PageList& q) { q.names.push_back("/etc/passwd"); },
         "not the name of a report page"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        rt::printer().setPrintToFile(c.toFile);
        rt::printer().setPrintFileName("out.pdf");
        rt::Report report(onePerPage());
        rt::PageList queue;
        printRecords(report, queue, 3);
        std::string error;
        c.apply(report, queue);
        report.setPrintPreviewedPages(true);
        EXPECT_FALSE(report.close(error));
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
        EXPECT_TRUE(backend->jobs.empty());
    }
}

TEST_F(ReportOutput, APageThatCannotBeWrittenStopsTheReportWithTheReason) {
    rt::Report report(onePerPage());
    std::string error;
    ASSERT_TRUE(report.open(error));
    record = 1;
    ASSERT_TRUE(report.print(1));
    std::filesystem::remove(report.spoolFile());  // the temporary folder cleaned under it
    record = 2;
    EXPECT_FALSE(report.print(1)) << "the first page is written when the second starts";
    EXPECT_NE(report.lastError().find("was removed"), std::string::npos) << report.lastError();
    EXPECT_EQ(report.pageCount(), 0);
    record = 3;
    ASSERT_TRUE(report.print(1));
    report.setPrintPreviewedPages(true);
    EXPECT_FALSE(report.close(error)) << "the page being filled cannot be kept either";
    EXPECT_NE(error.find("was removed"), std::string::npos) << error;
    EXPECT_TRUE(backend->jobs.empty());
}

// Break groups: a header when the variable changes, the footer with the group's sum after
// its last detail and at the end.
TEST(ReportBreaks, HeadersFootersAndSums) {
    std::string group;
    int amount = 0;
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {0, 0, 8000, 10000};
    rt::ReportBand detail;
    detail.id = 1;
    detail.at = {0, 0, 8000, 200};
    detail.controls.push_back(fixtures::stringControl(
        2, 0, 0, [&] { return rt::Value(amount); }, ""));
    s.details.push_back(detail);
    rt::BreakGroup byGroup;
    byGroup.id = 50;
    byGroup.variable = [&] { return rt::Value(group); };
    byGroup.details = {1};
    rt::ReportBand header;
    header.id = 51;
    header.at = {0, 0, 8000, 200};
    header.controls.push_back(fixtures::stringControl(
        52, 0, 0, [&] { return rt::Value("Group " + group); }, ""));
    byGroup.header = header;
    rt::ReportBand footer;
    footer.id = 53;
    footer.at = {0, 0, 8000, 200};
    rt::ReportControl sum;
    sum.id = 54;
    sum.kind = rt::ReportControlKind::Sum;
    sum.value = [&] { return rt::Value(amount); };
    sum.reset = rt::SumReset::Break;
    sum.resetBreak = 50;
    footer.controls.push_back(sum);
    rt::ReportControl grand = sum;
    grand.id = 55;
    grand.at.x = 4000;
    grand.reset = rt::SumReset::Report;
    footer.controls.push_back(grand);
    byGroup.footer = footer;
    s.breaks.push_back(byGroup);

    rt::Report report(s);
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error));
    for (auto [g, a] : {std::pair{"A", 1}, {"A", 2}, {"B", 5}}) {
        group = g, amount = a;
        report.print(1);
    }
    report.finish();
    const auto pages = fixtures::readPages(queue.names);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::string> lines;  // in flow order: one text per row, the grand sum beside
    for (const rt::PageText& t : texts(pages[0]))
        lines.push_back(std::to_string(t.y) + (t.x ? "+" : ":") + t.text);
    EXPECT_EQ(lines, (std::vector<std::string>{"0:Group A", "200:1", "400:2", "600:3", "600+3",
                                               "800:Group B", "1000:5", "1200:5", "1200+8"}));
    report.close(error);
}

TEST(ReportControls, PicturesLinesBoxesAndCheckBoxes) {
    rt::ReportStructure s;
    s.paper = rt::kLetterPaper;
    s.area = {0, 0, 8000, 10000};
    rt::ReportBand detail;
    detail.id = 1;
    detail.at = {0, 0, 3500, 2000};
    rt::ReportControl picture;
    picture.id = 8;
    picture.kind = rt::ReportControlKind::Image;
    picture.at = {2490, 1479, 100, 100};
    detail.controls.push_back(picture);
    rt::ReportControl rule;
    rule.id = 9;
    rule.kind = rt::ReportControlKind::Line;
    rule.at = {42, 240, 7938, 0};
    detail.controls.push_back(rule);
    rt::ReportControl bar;
    bar.id = 10;
    bar.kind = rt::ReportControlKind::Box;
    bar.at = {146, 83, 188, 1854};
    bar.colour = bar.background = 0x8080FF;
    detail.controls.push_back(bar);
    bool ticked = true;
    rt::ReportControl check;
    check.id = 11;
    check.kind = rt::ReportControlKind::CheckBox;
    check.at = {500, 500, 0, 0};
    check.text = "Visa";
    check.value = [&] { return rt::Value(ticked ? "X" : " "); };
    detail.controls.push_back(check);
    s.details.push_back(detail);

    rt::Report report(s);
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error));
    // A picture that cannot be read is refused and the control stays empty.
    EXPECT_FALSE(report.setImage(8, std::vector<std::uint8_t>{1, 2, 3}, error));
    EXPECT_FALSE(error.empty());
    report.print(1);
    const std::vector<std::uint8_t> bmp = samples::bmp();
    ASSERT_TRUE(report.setImage(8, bmp, error)) << error;
    report.control(8)->at.width = 500;  // as the card reports size it
    report.control(8)->at.height = 500;
    ticked = false;
    report.print(1);
    report.finish();
    const auto pages = fixtures::readPages(queue.names);
    ASSERT_EQ(pages.size(), 1u);
    int images = 0, lines = 0, boxes = 0;
    for (const rt::PageItem& item : pages[0].items) {
        if (const auto* image = std::get_if<rt::PageImage>(&item)) {
            ++images;
            EXPECT_EQ(image->x, 3500 + 2490);
            EXPECT_EQ(image->width, 500);
            EXPECT_EQ(image->data, bmp);
        }
        if (std::holds_alternative<rt::PageLine>(item)) ++lines;
        if (std::holds_alternative<rt::PageBox>(item)) ++boxes;
    }
    EXPECT_EQ(images, 1) << "only the second card has a picture";
    EXPECT_EQ(lines, 2 + 2) << "two rules and the tick of the first check box";
    EXPECT_EQ(boxes, 2 + 2) << "two bars and two check boxes";
    EXPECT_NE(findText(texts(pages[0]), "Visa"), nullptr);
    report.close(error);
}

}  // namespace
