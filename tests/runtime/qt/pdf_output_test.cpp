// Pages printed into a PDF file and turned back into pixels with pdftoppm.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPrinter>
#include <array>
#include <cstdio>

#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "tests/runtime/qt/rendered_page.h"
#include "tests/support/temp_dir.h"

namespace {

rt::PageText text(int x, int y, int width, rt::TextAlign align, std::string content) {
    rt::PageText t;
    t.x = x, t.y = y, t.width = width;
    t.align = align;
    t.font = {"Arial", 24, rt::kFontRegular};
    t.text = std::move(content);
    return t;
}

std::string commandOutput(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            output += chunk.data();
        pclose(pipe);
    }
    return output;
}

TEST(PdfOutput, TextsAndBoxesStandWhereThePageSays) {
    testsupport::TempDir dir;
    rt::Page page;
    page.items.emplace_back(text(1000, 2000, 0, rt::TextAlign::Left, "HELLO"));
    page.items.emplace_back(text(1000, 4000, 3000, rt::TextAlign::Right, "RIGHT     "));
    page.items.emplace_back(text(1000, 6000, 3000, rt::TextAlign::Centre, "MIDDLE          "));
    page.items.emplace_back(rt::PageBox{5000, 5000, 1000, 500, 0, rt::kBlack, rt::kBlack, false});
    std::string error;
    ASSERT_TRUE(rendered::printToPdf({page}, dir / "out.pdf", error)) << error;

    const QImage image = rendered::pdfPage(dir / "out.pdf", 100);  // 1 pixel = 10 units
    ASSERT_EQ(image.size(), QSize(850, 1100));

    const QRect box = rendered::inkBounds(image, QRect(450, 450, 200, 150));
    EXPECT_NEAR(box.left(), 500, 1);
    EXPECT_NEAR(box.top(), 500, 1);
    EXPECT_NEAR(box.right(), 599, 1);
    EXPECT_NEAR(box.bottom(), 549, 1);

    // Blanks that pictures add do not move right-aligned or centred texts.
    // 24 points are 33 pixels here: the capitals stand inside the line below y.
    const QRect hello = rendered::inkBounds(image, QRect(50, 150, 500, 150));
    EXPECT_NEAR(hello.left(), 100, 3);
    EXPECT_GE(hello.top(), 200);
    EXPECT_LE(hello.bottom(), 200 + 34);
    EXPECT_GT(hello.width(), 60);

    const QRect right = rendered::inkBounds(image, QRect(50, 350, 400, 150));
    EXPECT_NEAR(right.right(), 400, 3);
    const QRect middle = rendered::inkBounds(image, QRect(50, 550, 400, 150));
    EXPECT_NEAR((middle.left() + middle.right()) / 2.0, 250, 3);
}

TEST(PdfOutput, ArialPrintsWithTheEmbeddedLiberationFont) {
    rt::qt::ensureApplication();
    EXPECT_EQ(rt::qt::fontFamilyFor("Arial"), "Liberation Sans");
    EXPECT_EQ(rt::qt::fontFamilyFor("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(rt::qt::fontFamilyFor("courier new "), "Liberation Mono");
    EXPECT_EQ(QFontInfo(rt::qt::pageFont({"Arial", 10, rt::kFontBold})).family(),
              "Liberation Sans");
    EXPECT_EQ(rt::qt::pageFont({"Arial", 18, 0}).pixelSize(), 250);

    testsupport::TempDir dir;
    rt::Page page;
    page.items.emplace_back(text(1000, 1000, 0, rt::TextAlign::Left, "Embedded"));
    std::string error;
    ASSERT_TRUE(rendered::printToPdf({page}, dir / "fonts.pdf", error)) << error;
    const std::string fonts = commandOutput("pdffonts '" + (dir / "fonts.pdf").string() + "'");
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
}

TEST(PdfOutput, EveryPageAndCopyIsWritten) {
    testsupport::TempDir dir;
    std::vector<rt::Page> pages(3);
    std::string error;
    ASSERT_TRUE(rendered::printToPdf(pages, dir / "three.pdf", error)) << error;
    const std::string info = commandOutput("pdfinfo '" + (dir / "three.pdf").string() + "'");
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts"), std::string::npos) << info;  // Letter
}

TEST(PdfOutput, AFileThatCannotBeWrittenIsAnError) {
    testsupport::TempDir dir;
    std::string error;
    EXPECT_FALSE(rendered::printToPdf({rt::Page{}}, dir / "no-such-folder" / "x.pdf", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace

namespace {

// The device path: a QPrinter in high resolution at 1000 dots per inch over the full page,
// here writing its output as PDF so that it can be looked at.
TEST(PrinterDevice, PrinterUnitsAreThousandthsOfAnInchFromThePaperEdge) {
    rt::qt::ensureApplication();
    testsupport::TempDir dir;
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QString::fromStdString((dir / "device.pdf").string()));
    rt::Page first, second;
    first.items.emplace_back(rt::PageBox{1000, 1000, 500, 500, 0, rt::kBlack, rt::kBlack, false});
    second.items.emplace_back(rt::PageBox{7000, 9000, 500, 500, 0, rt::kBlack, rt::kBlack, false});
    std::string error;
    rt::PagesInMemory pages({first, second});
    ASSERT_TRUE(rt::qt::printOnDevice(device, pages, error)) << error;
    const QImage image = rendered::pdfPage(dir / "device.pdf", 100);
    ASSERT_EQ(image.size(), QSize(850, 1100));
    const QRect box = rendered::inkBounds(image, image.rect());
    EXPECT_NEAR(box.left(), 100, 1);
    EXPECT_NEAR(box.top(), 100, 1);
    EXPECT_NEAR(box.width(), 50, 1);
}

}  // namespace
