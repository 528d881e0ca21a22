// Every label, envelope and card report printed into a PDF file through the destination
// question, read back with pdftotext, pdfinfo and
// pdfimages: pages, order, texts and pictures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "labels/label_procedures.h"
#include "runtime/print/printer.h"
#include "runtime/qt/print_backend.h"
#include "tests/frame/report_test_pages.h"
#include "tests/labels/label_fixture.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/page_keeper.h"
#include "tests/support/pdf_report.h"
#include "tests/support/pdf_words.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace labeltest;
using testing::HasSubstr;

std::string run(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            output += chunk.data();
        pclose(pipe);
    }
    return output;
}

int pages(const std::filesystem::path& pdf) {
    const std::string info = run("pdfinfo '" + pdf.string() + "'");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

std::string text(const std::filesystem::path& pdf) {
    return run("pdftotext -layout '" + pdf.string() + "' -");
}

// Pictures in the file: the lines of `pdfimages -list` after its two heading lines.
int pictures(const std::filesystem::path& pdf) {
    const std::string list = run("pdfimages -list '" + pdf.string() + "'");
    const int lines = static_cast<int>(std::count(list.begin(), list.end(), '\n'));
    return lines > 2 ? lines - 2 : 0;
}

// Positions of the texts in the order they stand in `all`.
bool inOrder(const std::string& all, const std::vector<std::string>& texts) {
    std::size_t from = 0;
    for (const std::string& t : texts) {
        from = all.find(t, from);
        if (from == std::string::npos) return false;
    }
    return true;
}

class LabelPdfTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::installPdfPrinting();
        GLO::CompanyName = "Acme Supply";
        GLO::CompanyAddress = "1 Main Street";
        GLO::CompanyCityStateZip = "Salem OR 97301";
    }
    void TearDown() override { rt::printer().reset(); }

    // Runs a report: view, print into `pdf` from the preview.
    long printToPdf(void (*report)()) {
        long response = 0;
        rt::Driver driver;
        driver.start([&] {
            report();
            response = GLO::Response;
        });
        testsupport::chooseFileAtDestination(driver, pdf);
        driver.press("OK");
        runTimers(driver);
        if (rt::Window* w = driver.active(); w && w->title() == "Report Preview") {
            driver.press(1);  // "Print The Report"
            driver.waitWindow("Print Options");
            driver.press("OK");
        }
        EXPECT_TRUE(driver.finish());
        return response;
    }
    void threeTagged() {
        tagContacts(makeContacts({{"Cy", "Clark", "", "3 C St", "Cody", "WY", "82414"},
                                  {"Al", "Adams", "Adams Co", "1 A St", "Ames", "IA", "50010"},
                                  {"Bo", "Brown", "", "2 B St", "Boise", "ID", "83701"}}));
    }

    testsupport::TempDir dir{/*enter=*/true};
    std::filesystem::path pdf = dir / "out.pdf";
};

TEST_F(LabelPdfTest, MailingLabelsInLastNameAndZipOrder) {
    threeTagged();
    ASSERT_EQ(printToPdf(&PrintLabelsByLastName), RESP::Completed);
    EXPECT_EQ(pages(pdf), 1);
    EXPECT_TRUE(inOrder(text(pdf), {"Al Adams", "Bo Brown", "Cy Clark"}));
    EXPECT_THAT(text(pdf), HasSubstr("Ames,IA 50010"));
    std::filesystem::remove(pdf);
    ASSERT_EQ(printToPdf(&PrintLabelsByZip), RESP::Completed);
    EXPECT_TRUE(inOrder(text(pdf), {"Al Adams", "Cy Clark", "Bo Brown"}));
}

TEST_F(LabelPdfTest, ShippingLabelsCarryTheSenderOnEachLabel) {
    threeTagged();
    ASSERT_EQ(printToPdf(&PrintShippingLabel), RESP::Completed);
    EXPECT_EQ(pages(pdf), 1);
    const std::string all = text(pdf);
    EXPECT_TRUE(inOrder(all, {"Adams Co", "Boise", "Cody"}));
    std::size_t senders = 0;
    for (std::size_t at = all.find("Acme Supply"); at != std::string::npos;
         at = all.find("Acme Supply", at + 1))
        ++senders;
    EXPECT_EQ(senders, 3u);
}

// Printing into PDF files as the program does, on a machine without a print service.
class NoPrintService : public rt::qt::QtPrintBackend {
  public:
    std::string defaultPrinterName() override { return ""; }
};

// The file an earlier report printed into is left set on the printer: without a print
// service the envelopes ask where to print, and a file of the name chosen is replaced only
// after a Yes.
TEST_F(LabelPdfTest, EnvelopesAskWhereToPrintAndNeverReplaceAFileUnasked) {
    rt::printer().setBackend(std::make_shared<NoPrintService>());
    threeTagged();
    std::ofstream(pdf) << "the labels printed before";
    rt::printer().setPrintToFile(true);
    rt::printer().setPrintFileName(pdf.string());
    auto envelopesInto = [&](const char* replace) {
        long response = 0;
        rt::Driver driver;
        driver.start([&] {
            PrintEnvelopes();
            response = GLO::Response;
        });
        testsupport::chooseFileAtDestination(driver, pdf);
        driver.press("Print Report");
        driver.press("OK");
        driver.expectMessage("The file " + pdf.string() + " already exists. Replace it?");
        driver.answer(replace);
        if (std::string(replace) == "No") {
            driver.waitWindow("Report Destination");
            driver.press("Cancel");
        } else {
            runTimers(driver);
        }
        EXPECT_TRUE(driver.finish());
        return response;
    };
    EXPECT_EQ(envelopesInto("No"), RESP::Cancelled);
    std::ifstream in(pdf);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()),
              "the labels printed before");
    EXPECT_EQ(envelopesInto("Yes"), RESP::Completed);
    EXPECT_EQ(pages(pdf), 3);
    EXPECT_TRUE(inOrder(text(pdf), {"Al Adams", "Ames, IA 50010", "Bo Brown", "Cy Clark"}));
    EXPECT_THAT(text(pdf), HasSubstr("1 Main Street"));
}

// With a print service the envelopes go to its printer through the plain preview, not into
// the file the report before them printed into.
TEST_F(LabelPdfTest, EnvelopesGoToThePrintServiceNotToTheLastReportsFile) {
    auto service = testsupport::installPageKeeper();
    threeTagged();
    std::ofstream(pdf) << "the labels printed before";
    rt::printer().setPrintToFile(true);
    rt::printer().setPrintFileName(pdf.string());
    rt::Driver driver;
    driver.start([] { PrintEnvelopes(); });
    runTimers(driver);
    driver.waitWindow("Report Preview");
    driver.press(17);  // "Print this report"
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(service->printed.size(), 3u);
    std::ifstream in(pdf);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()),
              "the labels printed before");
}

TEST_F(LabelPdfTest, CardsWithPicturesOfEachFormatAndReturnAddressLabels) {
    auto bytes = [](const samples::Bytes& b) { return std::string(b.begin(), b.end()); };
    std::vector<Card> cards;
    const std::string formats[] = {bytes(samples::gif()),
                                   bytes(samples::bmp()),
                                   bytes(samples::jpeg(samples::JpegKind::Rgb)),
                                   bytes(samples::pcx8()),
                                   bytes(samples::pcx1()),
                                   bytes(samples::pcx4Planes()),
                                   ""};
    for (int i = 0; i < 11; ++i)
        cards.push_back({"Biz" + std::to_string(10 + i), "Person " + std::to_string(10 + i),
                         "Owner", "1 Road", "Town", "555-0100", "555-0101", "a@b.example",
                         "b.example", formats[i % 7]});
    makeCards(cards);
    ASSERT_EQ(printToPdf(&PrintCardStyle6), RESP::Completed);
    EXPECT_EQ(pages(pdf), 2);
    EXPECT_TRUE(inOrder(text(pdf), {"Person 10", "Person 11", "Person 19", "Person 20"}));
    // Card 16 has none: 9 of the 10 on the first page, 1 on the second.
    EXPECT_EQ(pictures(pdf), 10);
    std::filesystem::remove(pdf);
    ASSERT_EQ(printToPdf(&PrintReturnAddressLabels), RESP::Completed);
    EXPECT_EQ(pages(pdf), 1);
    EXPECT_EQ(pictures(pdf), 0);
    EXPECT_TRUE(inOrder(text(pdf), {"Biz10", "Person 10", "Biz20", "Person 20"}));
}

using testsupport::PdfWord;

std::vector<PdfWord> words(const std::filesystem::path& pdf) {
    return testsupport::pdfWords(pdf);
}

// The longest values each field holds, in capitals and the widest letters.
const Contact kWidest = {std::string(15, 'W'), std::string(15, 'M'), std::string(30, 'W'),
                         std::string(30, 'M'), "FRAMINGHAMTOWNS",    "MA",
                         "10000-123456"};
const Card kWidestCard = {std::string(40, 'W'), std::string(40, 'M'),
                          std::string(20, 'W'), std::string(40, 'M'),
                          std::string(40, 'W'), std::string(15, 'W'),
                          std::string(15, 'M'), std::string(30, 'W'),
                          std::string(30, 'M'), ""};

TEST_F(LabelPdfTest, LongestValuesStayOnTheirLabelsWithTheWholeZip) {
    tagContacts(makeContacts(std::vector<Contact>(4, kWidest)));
    ASSERT_EQ(printToPdf(&PrintLabelsByLastName), RESP::Completed);
    // Three labels across, 2.625 by 1 inch, from (0.25, 0.5) inch.
    testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {250, 500, 2625, 1000});
    EXPECT_THAT(text(pdf), HasSubstr("10000-123456"));
    testsupport::expectTheFontsOfTheWindows(pdf);
    std::filesystem::remove(pdf);
    ASSERT_EQ(printToPdf(&PrintShippingLabel), RESP::Completed);
    testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {354, 500, 2594, 3000});
    testsupport::expectTheFontsOfTheWindows(pdf);
}

TEST_F(LabelPdfTest, LongestValuesStayOnTheirEnvelope) {
    GLO::CompanyName = std::string(30, 'W');
    GLO::CompanyAddress = std::string(30, 'M');
    GLO::CompanyCityStateZip = std::string(30, 'W');
    tagContacts(makeContacts({kWidest}));
    std::filesystem::remove(pdf);
    rt::printer().setBackend(std::make_shared<NoPrintService>());
    rt::Driver driver;
    driver.start(&PrintEnvelopes);
    testsupport::chooseFileAtDestination(driver, pdf);
    driver.press("Print Report");
    driver.press("OK");
    runTimers(driver);
    ASSERT_TRUE(driver.finish());
    // The envelope's band, 7.677 by 4.125 inches, from (0.51, 0.25) inch.
    testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {510, 250, 7677, 4125});
    EXPECT_THAT(text(pdf), HasSubstr("10000-123456"));
    testsupport::expectTheFontsOfTheWindows(pdf);
}

TEST_F(LabelPdfTest, LongestValuesStayOnTheirCardsInTheFontsOfTheWindows) {
    makeCards(std::vector<Card>(2, kWidestCard));
    for (auto* style : {&PrintCardStyle1, &PrintCardStyle2, &PrintCardStyle3, &PrintCardStyle4,
                        &PrintCardStyle5, &PrintCardStyle6, &PrintCardStyle7}) {
        std::filesystem::remove(pdf);
        ASSERT_EQ(printToPdf(style), RESP::Completed);
        // Two cards across, 3.5 by 2 inches, from (0.75, 0.5) inch.
        testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {750, 500, 3500, 2000});
        // The business name's face prints in the serif family the card form shows it in.
        const std::string fonts = run("pdffonts '" + pdf.string() + "'");
        EXPECT_THAT(fonts, HasSubstr("LiberationSerif-BoldItalic"));
        testsupport::expectTheFontsOfTheWindows(pdf);
    }
    std::filesystem::remove(pdf);
    ASSERT_EQ(printToPdf(&PrintReturnAddressLabels), RESP::Completed);
    testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {250, 500, 2625, 1000});
}

// Phone, fax, e-mail and web site end on one right edge whatever their lengths.
TEST_F(LabelPdfTest, CardNumbersAlignOnTheirVisibleRightEdge) {
    makeCards({{"Biz", "Ann", "", "", "", "555-0100", "5550101", "a@b.example",
                "www.longer-site.example", ""}});
    ASSERT_EQ(printToPdf(&PrintCardStyle2), RESP::Completed);
    std::vector<double> rights;
    for (const PdfWord& w : words(pdf))
        if (w.text == "555-0100" || w.text == "5550101" || w.text == "a@b.example" ||
            w.text == "www.longer-site.example")
            rights.push_back(w.right);
    ASSERT_EQ(rights.size(), 4u);
    for (double right : rights)
        EXPECT_NEAR(right, rights.front(), 3);
}

}  // namespace
