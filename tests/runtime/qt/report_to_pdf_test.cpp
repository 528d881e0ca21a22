// A whole report run: pages made, numbered as the preview does, printed into a PDF file
// through TARGET:Printer, and gone once the report closes.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
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

TEST(ReportToPdf, LabelsArePreviewedNumberedAndPrintedIntoAFile) {
    rt::qt::ensureApplication();
    testsupport::TempDir dir;
    rt::printer().reset();
    rt::qt::installPrintBackend();
    rt::printer().setPrintToFile(true);
    rt::printer().setPrintFileName((dir / "labels.pdf").string());

    int n = 0;
    const rt::ReportStructure s =
        testsupport::labelSheet([&n] { return "LABEL " + std::to_string(n); });

    rt::Report report(s);
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error)) << error;
    for (n = 1; n <= 31; ++n)
        ASSERT_TRUE(report.print(testsupport::kLabelBand));
    ASSERT_TRUE(report.finish());
    ASSERT_EQ(queue.names.size(), 2u);
    EXPECT_EQ(rt::replaceTextInPage(queue.names[0], "Page xxxxx of xxxxx", "    Page 1 of 2    "),
              rt::ReplaceResult::Replaced);
    EXPECT_EQ(rt::replaceTextInPage(queue.names[1], "Page xxxxx of xxxxx", "    Page 2 of 2    "),
              rt::ReplaceResult::Replaced);
    const std::filesystem::path spool = report.spoolFile();
    report.setPrintPreviewedPages(true);
    ASSERT_TRUE(report.close(error)) << error;
    rt::printer().reset();

    EXPECT_NE(pdfInfo(dir / "labels.pdf").find("Pages:           2\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(spool));
    EXPECT_NE(testsupport::pdfText(dir / "labels.pdf").find("Page 2 of 2"), std::string::npos);

    // The first label of the first page stands where the engine put it.
    const QImage first = rendered::pdfPage(dir / "labels.pdf", 100);
    const QRect ink = rendered::inkBounds(first, QRect(0, 0, 850, 140));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left(), (250 + 344) / 10, 2);
    EXPECT_GE(ink.top(), (500 + 115) / 10 - 1);
}

// A page found damaged half way through the PDF leaves no document behind, not even the one
// the file held before.
TEST(ReportToPdf, APageDamagedInTheSpoolLeavesNoPdf) {
    rt::qt::ensureApplication();
    testsupport::TempDir dir;
    const std::filesystem::path pdf = dir / "labels.pdf";
    std::ofstream(pdf) << "an earlier document";
    rt::printer().reset();
    rt::qt::installPrintBackend();
    rt::printer().setPrintToFile(true);
    rt::printer().setPrintFileName(pdf.string());
    int n = 0;
    rt::Report report(testsupport::labelSheet([&n] { return "LABEL " + std::to_string(n); }));
    rt::PageList queue;
    report.setPreviewQueue(&queue);
    std::string error;
    ASSERT_TRUE(report.open(error)) << error;
    for (n = 1; n <= 61; ++n)
        ASSERT_TRUE(report.print(testsupport::kLabelBand));
    ASSERT_TRUE(report.finish());
    ASSERT_EQ(queue.names.size(), 3u);
    ASSERT_EQ(rt::replaceTextInPage(queue.names[1], "TVKPAGE1", "TVKPAGE?"),
              rt::ReplaceResult::Replaced);
    report.setPrintPreviewedPages(true);
    EXPECT_FALSE(report.close(error));
    EXPECT_NE(error.find("not a report page"), std::string::npos) << error;
    rt::printer().reset();
    EXPECT_FALSE(std::filesystem::exists(pdf));
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
