// A whole report run: pages made, numbered as the preview does, printed into a PDF file
// through TARGET:Printer, and gone once the report closes.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "runtime/print/page_spool.h"
#include "runtime/print/printer.h"
#include "runtime/print/report.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "tests/runtime/qt/rendered_page.h"
#include "tests/support/label_sheet.h"
#include "tests/support/pdf_report.h"
#include "tests/support/temp_dir.h"

namespace {

std::string pdfInfo(const std::filesystem::path& pdf) {
    std::string output;
    if (std::FILE* pipe = popen(("pdfinfo '" + pdf.string() + "'").c_str(), "r")) {
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            output += chunk.data();
        pclose(pipe);
    }
    return output;
}

// Label pages printed into labels.pdf in a scratch folder through TARGET:Printer.
class LabelsToPdf : public testing::Test {
  protected:
    void SetUp() override {
        rt::qt::ensureApplication();
        rt::printer().reset();
        rt::qt::installPrintBackend();
        rt::printer().setPrintToFile(true);
        rt::printer().setPrintFileName(pdf.string());
    }
    void TearDown() override { rt::printer().reset(); }

    // Opens the report on `queue` and prints labels 1 to `count`, thirty to a page.
    void printLabels(rt::PageList& queue, int count) {
        report.setPreviewQueue(&queue);
        std::string error;
        ASSERT_TRUE(report.open(error)) << error;
        for (label = 1; label <= count; ++label)
            ASSERT_TRUE(report.print(testsupport::kLabelBand));
        ASSERT_TRUE(report.finish());
    }

    testsupport::TempDir dir;
    const std::filesystem::path pdf = dir / "labels.pdf";
    int label = 0;
    rt::Report report{testsupport::labelSheet([this] { return "LABEL " + std::to_string(label); })};
};

TEST_F(LabelsToPdf, LabelsArePreviewedNumberedAndPrintedIntoAFile) {
    rt::PageList queue;
    printLabels(queue, 31);
    ASSERT_EQ(queue.names.size(), 2u);
    EXPECT_EQ(rt::replaceTextInPage(queue.names[0], "Page xxxxx of xxxxx", "    Page 1 of 2    "),
              rt::ReplaceResult::Replaced);
    EXPECT_EQ(rt::replaceTextInPage(queue.names[1], "Page xxxxx of xxxxx", "    Page 2 of 2    "),
              rt::ReplaceResult::Replaced);
    const std::filesystem::path spool = report.spoolFile();
    report.setPrintPreviewedPages(true);
    std::string error;
    ASSERT_TRUE(report.close(error)) << error;

    EXPECT_NE(pdfInfo(pdf).find("Pages:           2\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(spool));
    EXPECT_NE(testsupport::pdfText(pdf).find("Page 2 of 2"), std::string::npos);

    // The first label of the first page stands where the engine put it.
    const QImage first = rendered::pdfPage(pdf, 100);
    const QRect ink = rendered::inkBounds(first, QRect(0, 0, 850, 140));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left(), (250 + 344) / 10, 2);
    EXPECT_GE(ink.top(), (500 + 115) / 10 - 1);
}

// A page found damaged half way through the PDF leaves no half-written document: the file of
// that name keeps what it held before, and no temporary file is left beside it.
TEST_F(LabelsToPdf, APageDamagedInTheSpoolLeavesNoPdf) {
    std::ofstream(pdf) << "an earlier document";
    rt::PageList queue;
    printLabels(queue, 61);
    ASSERT_EQ(queue.names.size(), 3u);
    ASSERT_EQ(rt::replaceTextInPage(queue.names[1], "TVKPAGE1", "TVKPAGE?"),
              rt::ReplaceResult::Replaced);
    report.setPrintPreviewedPages(true);
    std::string error;
    EXPECT_FALSE(report.close(error));
    EXPECT_NE(error.find("not a report page"), std::string::npos) << error;
    std::ifstream in(pdf);
    std::string held((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(held, "an earlier document");
    for (const auto& entry : std::filesystem::directory_iterator(pdf.parent_path()))
        EXPECT_EQ(entry.path().filename().string().rfind(pdf.filename().string() + ".", 0),
                  std::string::npos)
            << entry.path();
}

}  // namespace

namespace {

// Procedures run on application threads, not on Qt's GUI thread: pages are drawn and printed
// from there.
TEST(ReportToPdf, PagesPrintAndRenderFromAnApplicationThread) {
    rt::qt::ensureApplication();
    testsupport::TempDir dir;
    rt::Page page;
    rt::PageText text;
    text.x = 1000, text.y = 1000;
    text.text = "From a worker";
    page.items.emplace_back(text);
    bool printed = false;
    QImage image;
    std::string error;
    rt::PagesInMemory pages({page, page});
    std::thread worker([&] {
        printed = rt::qt::writePdf(pages, QString::fromStdString((dir / "t.pdf").string()), error);
        image = rt::qt::renderPage(page, QSize(850, 1100));
    });
    worker.join();
    EXPECT_TRUE(printed) << error;
    EXPECT_NE(pdfInfo(dir / "t.pdf").find("Pages:           2\n"), std::string::npos);
    EXPECT_FALSE(rendered::inkBounds(image, QRect(90, 90, 300, 40)).isEmpty());
}

}  // namespace
