// The blank checks through their list and form over a real BLANK file: pictures of the four
// formats stored, reopened and printed; the stored picture kept unless a file was chosen and
// decoded; a cancelled new blank check removed; the client copied only when chosen; the
// three-up and one-up pages with the picture and the bank line.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdlib>
#include <fstream>

#include "checks/check_procedures.h"
#include "checks/picture_fit.h"
#include "contacts/contact_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/blank.h"
#include "records/mail.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace checktest;
using testing::Contains;
using testing::HasSubstr;

std::string asText(const samples::Bytes& b) {
    return std::string(b.begin(), b.end());
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct StoredBlank {
    std::string first, number, picture;
};

std::vector<StoredBlank> storedBlanks() {
    std::vector<StoredBlank> all;
    BLANK.open();
    BLANK.set();
    while (BLANK.next() == 0)
        all.push_back({std::string(rt::clip(CHE1::FIRSTNAME.text())),
                       std::string(rt::clip(CHE1::CHECKNUMBER.text())), CHE1::PHOTOGRAPH.data()});
    BLANK.close();
    return all;
}

std::vector<rt::PageImage> imagesOf(const rt::Page& page) {
    std::vector<rt::PageImage> out;
    for (const rt::PageItem& item : page.items)
        if (const auto* image = std::get_if<rt::PageImage>(&item)) out.push_back(*image);
    return out;
}

class BlankChecksTest : public testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterCheckProcedures();
        recordPrintedPages();
        BLANK.create();
        MAIL.create();
    }
    void TearDown() override { driver.finish(); }

    // A new blank check for `first` through "&Add", its picture chosen from `picture` (empty:
    // none).
    void addBlankCheck(const std::string& first, const std::string& picture) {
        driver.press("&Add");
        driver.waitWindow("Enter Check Information");
        driver.type("CHE1:FIRSTNAME", first);
        driver.type("CHE1:CHECKNAME", first + " Payer");
        driver.type("CHE1:BANKNAME", "First Bank");
        driver.type("CHE1:TRANSIT", "123456789");
        driver.type("CHE1:ACCOUNTNUMBER", "987654");
        if (!picture.empty()) {
            driver.press("...");
            driver.answer(picture);
        }
        driver.press("OK");
        driver.waitWindow("Print Blank Checks ");
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(BlankChecksTest, EachPictureFormatIsStoredReopenedAndPrinted) {
    const std::pair<const char*, std::string> pictures[] = {
        {"a.gif", asText(samples::gif())},
        {"a.bmp", asText(samples::bmp())},
        {"a.jpg", asText(samples::jpeg(samples::JpegKind::Rgb))},
        {"a.pcx", asText(samples::pcx8())},
    };
    for (const auto& [name, bytes] : pictures)
        writeFile(name, bytes);
    driver.start(&BrowseBlankChecks);
    driver.waitWindow("Print Blank Checks ");
    for (const auto& [name, bytes] : pictures)
        addBlankCheck(std::string("P") + name, (dir.path() / name).string());
    const auto stored = storedBlanks();
    ASSERT_EQ(stored.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(stored[i].picture, pictures[i].second) << pictures[i].first;
    driver.press("Set Check Numbers");
    driver.waitWindow("Enter Last Check Number Used");
    driver.type("GLO:LastCheckNumber", "1000");
    driver.press("OK");
    runPassToEnd(driver);
    driver.waitWindow("Print Blank Checks ");
    // Reopened, the form shows the stored picture.
    driver.press("&Open");
    driver.waitWindow("Enter Check Information");
    EXPECT_FALSE(driver.active()->propText(31, PROP::ImageFromBlob).empty());
    driver.press("Cancel");
    driver.waitWindow("Print Blank Checks ");
    driver.press("Print Checks 1 Up");
    printWithoutPreview(driver);
    driver.waitWindow("Print Blank Checks ");  // one up: the list stays
    ASSERT_EQ(printedPages().size(), 4u);
    // First-name order: Pa.bmp, Pa.gif, Pa.jpg, Pa.pcx; numbered in the order they were
    // stored.
    const int order[] = {1, 0, 2, 3};
    const char* bankLines[] = {
        "C1002C A123456789A            987654C", "C1001C A123456789A            987654C",
        "C1003C A123456789A            987654C", "C1004C A123456789A            987654C"};
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(pictures[order[page]].first);
        const auto images = imagesOf(printedPages()[page]);
        ASSERT_EQ(images.size(), 1u);
        const std::string& bytes = pictures[order[page]].second;
        EXPECT_EQ(images[0].data, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        EXPECT_EQ(images[0].width, 500);
        EXPECT_EQ(images[0].height, 500);
        EXPECT_THAT(textsOf(printedPages()[page]), Contains(HasSubstr(bankLines[page])));
    }
    const auto oneUp = imagesOf(printedPages()[0])[0];
    recordPrintedPages();
    driver.press("Print Checks 3 Up");
    printWithoutPreview(driver);
    ASSERT_TRUE(driver.finish());          // three up: the list closed itself
    ASSERT_EQ(printedPages().size(), 2u);  // three and one
    const auto threeUp = imagesOf(printedPages()[0]);
    ASSERT_EQ(threeUp.size(), 3u);
    // The three-up picture stands 21 to the left of and 11 below the one-up one, and each
    // check 3510 below the one before.
    EXPECT_EQ(threeUp[0].x, oneUp.x - 21);
    EXPECT_EQ(threeUp[0].y, oneUp.y + 11);
    EXPECT_EQ(threeUp[1].y - threeUp[0].y, 3510);
    EXPECT_EQ(threeUp[2].y - threeUp[1].y, 3510);
}

TEST_F(BlankChecksTest, TheStoredPictureIsKeptUnlessAFileWasChosenAndDecoded) {
    const std::string kept = asText(samples::bmp());
    const std::string other = asText(samples::gif());
    writeFile("kept.bmp", kept);
    writeFile("not-a-picture.gif", "plain text, no picture");
    // A path far longer than the 40 characters the name entry shows.
    const std::string longFolder = (dir.path() / std::string(60, 'd')).string();
    std::filesystem::create_directories(longFolder);
    const std::string longPath = longFolder + "/picture.gif";
    writeFile(longPath, other);
    struct Case {
        const char* what;
        std::function<void(rt::Driver&)> act;
        const std::string* stored;
    };
    const Case cases[] = {
        {"tabbing through the name and onto ...",
         [](rt::Driver& d) {
             for (int i = 0; i < 6; ++i)  // from the first name over the file name and "..."
                 d.key("Tab");
         },
         &kept},
        {"a cancelled file dialog",
         [](rt::Driver& d) {
             d.press("...");
             d.cancel();
         },
         &kept},
        {"a file that is missing",
         [&](rt::Driver& d) {
             d.press("...");
             d.answer((dir.path() / "missing.jpg").string());
             d.expectMessage("The picture file could not be read:\n" +
                             (dir.path() / "missing.jpg").string());
             d.answer("OK");
         },
         &kept},
        {"a file that is no picture",
         [&](rt::Driver& d) {
             d.press("...");
             d.answer((dir.path() / "not-a-picture.gif").string());
             d.answer("OK");
         },
         &kept},
        {"a long path chosen",
         [&](rt::Driver& d) {
             d.press("...");
             d.answer(longPath);
             d.key("Tab");  // leaving the cut name shown changes nothing more
         },
         &other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir caseFolder{/*enter=*/true};  // a BLANK file of its own
        BLANK.create();
        driver.start(&BrowseBlankChecks);
        driver.waitWindow("Print Blank Checks ");
        addBlankCheck("Ann", (dir.path() / "kept.bmp").string());
        driver.press("&Open");
        driver.waitWindow("Enter Check Information");
        c.act(driver);
        driver.press("OK");
        driver.waitWindow("Print Blank Checks ");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
        const auto stored = storedBlanks();
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(stored[0].picture, *c.stored);
    }
}

// A picture in folders named with an accent or with a character Windows-1252 lacks is stored;
// the entry shows the name in the program's characters and says which one it cannot hold.
TEST_F(BlankChecksTest, APictureInAFolderNamedWithAnyCharacterIsStored) {
    struct Case {
        const char* folder;
        const char* entryShows;
        const char* unstorable;
    } cases[] = {
        {"jos\xC3\xA9", "jos\xE9", ""},
        {"\xC5\x82ukasz", "?ukasz", "U+0142"},
    };
    const std::string bytes = asText(samples::bmp());
    driver.start(&BrowseBlankChecks);
    driver.waitWindow("Print Blank Checks ");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entryShows);
        std::filesystem::create_directory(c.folder);
        writeFile(std::string(c.folder) + "/p.bmp", bytes);
        driver.press("&Add");
        driver.waitWindow("Enter Check Information");
        driver.type("CHE1:FIRSTNAME", c.entryShows);
        driver.type("CHE1:CHECKNAME", "Payer");
        driver.type("CHE1:BANKNAME", "First Bank");
        driver.type("CHE1:TRANSIT", "123456789");
        driver.type("CHE1:ACCOUNTNUMBER", "987654");
        driver.press("...");
        driver.answer((dir.path() / c.folder / "p.bmp").string());
        const std::string shown = (dir.path() / c.entryShows / "p.bmp").string();
        if (*c.unstorable) {
            driver.expectMessage("The name of the file " + shown + " holds the character " +
                                 c.unstorable +
                                 ", which the Image File Name entry cannot hold: it shows a ? in "
                                 "its place. The file chosen is used all the same; a name typed "
                                 "into the entry must not hold that character.");
            driver.answer("OK");
        }
        EXPECT_EQ(std::string(GLO::ImageFileName.clipped()), shown.substr(0, 40));
        driver.press("OK");
        driver.waitWindow("Print Blank Checks ");
    }
    const auto stored = storedBlanks();
    ASSERT_EQ(stored.size(), 2u);
    for (const auto& blank : stored)
        EXPECT_EQ(blank.picture, bytes);
}

TEST_F(BlankChecksTest, ACancelledNewBlankCheckIsRemovedAndACopyGetsTheNextNumber) {
    MAIL.open();
    MAIL.clear();
    MAI::FIRSTNAME.setText("Mia");
    MAI::BANKNAME.setText("Client Bank");
    MAIL.add();
    MAIL.close();
    driver.start(&BrowseBlankChecks);
    driver.waitWindow("Print Blank Checks ");
    addBlankCheck("Ann", "");
    // A cancelled client list copies nothing; a chosen client is copied.
    driver.press("&Add");
    driver.waitWindow("Enter Check Information");
    driver.press("Select Client");
    driver.waitWindow("");
    driver.press("Close");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE1:FIRSTNAME"), "");
    driver.press("Select Client");
    driver.waitWindow("");
    driver.press("&Select");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE1:FIRSTNAME"), "Mia");
    driver.press("Cancel");
    driver.expectMessage("Do you want to save the changes to this record?");
    driver.answer("No");
    driver.waitWindow("Print Blank Checks ");
    EXPECT_EQ(storedBlanks().size(), 1u);
    driver.press("Cop&y");
    driver.waitWindow("Enter Check Information");
    driver.expectText(rt::ControlName::parse("CHE1:CHECKNAME"), "Ann Payer");
    driver.press("OK");
    driver.waitWindow("Print Blank Checks ");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    const auto stored = storedBlanks();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].first, "Ann");
    BLANK.open();
    BLANK.set();
    std::vector<long> ids;
    while (BLANK.next() == 0)
        ids.push_back(CHE1::CHECKID.integer());
    BLANK.close();
    EXPECT_EQ(ids, (std::vector<long>{1, 2}));
}

// The page written to PDF and rendered at 100 dots to the inch.
QImage renderedAsPdf(const rt::Page& page, const std::filesystem::path& folder) {
    rt::qt::ensureApplication();
    const std::filesystem::path pdf = folder / "page.pdf";
    std::string error;
    rt::PagesInMemory pages({page});
    EXPECT_TRUE(rt::qt::writePdf(pages, QString::fromStdString(pdf.string()), error)) << error;
    const std::string command = "pdftoppm -r 100 -f 1 -l 1 -png -singlefile '" + pdf.string() +
                                "' '" + (folder / "page").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return QImage(QString::fromStdString((folder / "page.png").string()));
}

bool darkIn(const QImage& image, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (qGray(image.pixel(x, y)) < 100) return true;
    return false;
}

TEST_F(BlankChecksTest, ThePdfPagesShowThePictureInItsPlaceAndTheBankLine) {
    // A picture large enough that the renderer's smoothing leaves its halves whole: the top
    // half red, the bottom half blue.
    QImage halves(40, 40, QImage::Format_RGB32);
    halves.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            halves.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(halves.save(&buffer, "BMP"));
    BLANK.open();
    BLANK.clear();
    CHE1::CHECKID.setInteger(1);
    CHE1::FIRSTNAME.setText("Ann");
    CHE1::CHECKNAME.setText("Ann Payer");
    CHE1::CHECKNUMBER.setText("1001");
    CHE1::TRANSIT.setText("123456789");
    CHE1::ACCOUNTNUMBER.setText("987654");
    CHE1::CKSIGN.setText("C");
    CHE1::ANSIGN.setText("A");
    CHE1::PHOTOGRAPH.setData(std::string(bmp.constData(), static_cast<std::size_t>(bmp.size())));
    BLANK.add();
    BLANK.close();
    struct Case {
        const char* what;
        void (*report)();
        int pictureX, pictureY;  // 1/1000 inch from the sheet's corner
    };
    for (const Case& c : {Case{"one up", &PrintBlankChecksOneUp, 250 + 594, 125 + 333},
                          Case{"three up", &PrintBlankChecksThreeUp, 250 + 573, 125 + 344}}) {
        SCOPED_TRACE(c.what);
        recordPrintedPages();
        driver.start(c.report);
        printWithoutPreview(driver);
        ASSERT_TRUE(driver.finish());
        ASSERT_EQ(printedPages().size(), 1u);
        const QImage image = renderedAsPdf(printedPages()[0], dir.path());
        ASSERT_FALSE(image.isNull());
        // At 100 dots to the inch the 500-thousandths picture is 50 dots square.
        const int left = c.pictureX / 10, top = c.pictureY / 10;
        const QColor upper = image.pixelColor(left + 25, top + 12);
        const QColor lower = image.pixelColor(left + 25, top + 37);
        EXPECT_GT(upper.red(), 200);
        EXPECT_LT(upper.blue(), 60);
        EXPECT_GT(lower.blue(), 200);
        EXPECT_LT(lower.red(), 60);
        // Nothing of it outside its square.
        EXPECT_EQ(image.pixelColor(left - 3, top + 25), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(left + 53, top + 25), QColor(Qt::white));
        // The bank line prints in its own band, 3000 below the check's top, from x 1427.
        const int micrTop = (125 + 3000) / 10, micrLeft = (250 + 1427) / 10;
        EXPECT_TRUE(darkIn(image, micrLeft, micrTop, micrLeft + 300, micrTop + 27));
        EXPECT_FALSE(darkIn(image, 0, micrTop, micrLeft - 2, micrTop + 27));
    }
}

}  // namespace

namespace {

TEST(BlankCheckPicture, TheLargerSideIsFittedToTheBoxKeepingTheAspect) {
    struct Case {
        int width, height, fittedWidth, fittedHeight;
    };
    for (const Case& c : {Case{50, 80, 50, 80}, Case{200, 100, 100, 50}, Case{100, 400, 25, 100},
                          Case{300, 300, 100, 100}, Case{250, 120, 100, 48}}) {
        const auto [w, h] = picture_fit::fitted(c.width, c.height, 100);
        EXPECT_EQ(w, c.fittedWidth) << c.width << "x" << c.height;
        EXPECT_EQ(h, c.fittedHeight) << c.width << "x" << c.height;
    }
}

}  // namespace
