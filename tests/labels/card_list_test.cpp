// The "Printing Menu" and the card form through the driver: adding, copying and changing
// cards with pictures of each format, pictures chosen by long names, files that are no
// pictures, and clearing every card.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <filesystem>
#include <fstream>

#include "contacts/contact_procedures.h"
#include "contacts/contacts_list_window.h"
#include "invoices/invoice_procedures.h"
#include "labels/business_card_form_window.h"
#include "labels/business_card_list_window.h"
#include "labels/label_procedures.h"
#include "tests/labels/label_fixture.h"
#include "tests/runtime/system/picture_samples.h"
#include "tests/support/page_keeper.h"
#include "tests/support/short_wait_seconds.h"
#include "tests/support/station_thread.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace labeltest;
using namespace windows::business_card_form::CardFormControl;
namespace ListControl = windows::business_card_list::CardListControl;

std::string asText(const samples::Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Every card in business-name order: its business name and picture.
std::vector<std::pair<std::string, std::string>> storedCards() {
    std::vector<std::pair<std::string, std::string>> all;
    CARDS.open();
    CARDS.set(CAR::KEYBUSINESSNAME);
    while (CARDS.next() == 0)
        all.emplace_back(std::string(rt::clip(CAR::BUSINESSNAME.text())), CAR::PHOTOGRAPH.data());
    CARDS.close();
    return all;
}

class CardListTest : public ::testing::Test {
  protected:
    void SetUp() override { RegisterLabelProcedures(); }
    void TearDown() override { driver.finish(); }

    std::filesystem::path writeFile(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = dir / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    void openList() {
        driver.start(&BrowsePrintBusinessCards);
        driver.waitWindow("Printing Menu");
    }
    // Chooses a file through "..." in the open form.
    void choosePicture(const std::filesystem::path& file) {
        driver.press("...");
        driver.answer(file.string());
    }
    std::string shownPicture() { return driver.active()->propText(Picture, PROP::ImageFromBlob); }
    // OK in the form, then Close in the "Printing Menu".
    void saveAndClose() {
        driver.press("OK");
        driver.waitWindow("Printing Menu");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
    }
    int rows() {
        const rt::ControlState* list = driver.active()->control(ListControl::List);
        return list->rows ? list->rows->rowCount() : 0;
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(CardListTest, PicturesOfEachFormatAreStoredReopenedAndPrinted) {
    makeCards({});
    const std::pair<const char*, std::string> pictures[] = {
        {"Gif Co", asText(samples::gif())},
        {"Bmp Co", asText(samples::bmp())},
        {"Jpeg Co", asText(samples::jpeg(samples::JpegKind::Rgb))},
        {"Pcx Co", asText(samples::pcx24())},
    };
    openList();
    EXPECT_TRUE(driver.active()->prop(ListControl::Copy, PROP::Disable));
    for (const auto& [business, bytes] : pictures) {
        driver.press("&Add");
        driver.waitWindow("Adding a Cards Record");
        driver.type(BusinessName, business);
        choosePicture(writeFile(std::string(business) + ".pic", bytes));
        EXPECT_EQ(shownPicture(), bytes);
        driver.press("OK");
        driver.waitWindow("Printing Menu");
    }
    EXPECT_EQ(rows(), 4);
    // Reopened, each card shows its own picture.
    driver.press("&Change");  // the last card written: "Pcx Co"
    driver.waitWindow("Changing a Cards Record");
    EXPECT_EQ(shownPicture(), pictures[3].second);
    driver.press("Cancel");
    driver.waitWindow("Printing Menu");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    const auto stored = storedCards();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0], std::make_pair(std::string("Bmp Co"), pictures[1].second));
    EXPECT_EQ(stored[1], std::make_pair(std::string("Gif Co"), pictures[0].second));
    EXPECT_EQ(stored[2], std::make_pair(std::string("Jpeg Co"), pictures[2].second));
    EXPECT_EQ(stored[3], std::make_pair(std::string("Pcx Co"), pictures[3].second));
    // And printed, each in its own card.
    auto keeper = testsupport::installPageKeeper();
    EXPECT_EQ(printAtOnce(&PrintCardStyle5), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 1u);
    std::vector<std::string> printed;
    for (const rt::PageItem& item : keeper->printed[0].items)
        if (const auto* i = std::get_if<rt::PageImage>(&item))
            printed.emplace_back(i->data.begin(), i->data.end());
    EXPECT_EQ(printed, (std::vector<std::string>{pictures[1].second, pictures[0].second,
                                                 pictures[2].second, pictures[3].second}));
    rt::printer().reset();
}

TEST_F(CardListTest, ALongChosenNameIsShownCutButLoadedWhole) {
    makeCards({});
    const std::string bytes = asText(samples::bmp());
    const auto file = writeFile("a-folder-with-a-rather-long-name/and-a-picture-file.bmp", bytes);
    ASSERT_GT(file.string().size(), 40u);
    openList();
    driver.press("&Add");
    driver.waitWindow("Adding a Cards Record");
    driver.type(BusinessName, "Long Path Co");
    choosePicture(file);
    EXPECT_EQ(std::string(GLO::ImageFileName.view()), file.string().substr(0, 40));
    EXPECT_EQ(shownPicture(), bytes);
    saveAndClose();
    const auto stored = storedCards();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].second, bytes);
}

TEST_F(CardListTest, AFileThatIsNoPictureOrNoChoiceKeepsTheCardsPicture) {
    const std::string gif = asText(samples::gif());
    makeCards({{"Kept Co", "Kay", "", "", "", "", "", "", "", gif}});
    const auto notAPicture = writeFile("notes.bmp", "these are words, not pixels");
    openList();
    driver.press("&Change");
    driver.waitWindow("Changing a Cards Record");
    EXPECT_EQ(shownPicture(), gif);
    driver.press("...");
    driver.answer(notAPicture.string());
    driver.expectMessage("The picture " + notAPicture.string() +
                         " could not be loaded (not a JPEG, GIF, BMP or PCX picture). The "
                         "picture shown is kept.");
    driver.answer("OK");
    EXPECT_EQ(shownPicture(), gif);
    driver.press("...");
    driver.cancel();  // no choice
    EXPECT_EQ(shownPicture(), gif);
    // A blank name typed into the entry loads nothing either.
    driver.type(ImageFileName, "");
    EXPECT_EQ(shownPicture(), gif);
    driver.type(Title, "Owner");
    saveAndClose();
    const auto stored = storedCards();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].second, gif);
}

// A chosen name whose 40th character is a blank: the entry shows the first 40 characters and
// the picture is still read from the whole name.
TEST_F(CardListTest, AChosenNameWithABlankAsItsFortiethCharacterIsLoadedWhole) {
    makeCards({});
    const std::string bytes = asText(samples::bmp());
    const std::string folder = (dir / "").string();
    ASSERT_LT(folder.size(), 39u);
    const auto file =
        writeFile(std::string(39 - folder.size(), 'p') + " folder/picture.bmp", bytes);
    ASSERT_EQ(file.string()[39], ' ');
    openList();
    driver.press("&Add");
    driver.waitWindow("Adding a Cards Record");
    driver.type(BusinessName, "Blank Co");
    choosePicture(file);
    EXPECT_EQ(shownPicture(), bytes);
    saveAndClose();
    const auto stored = storedCards();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].second, bytes);
}

// A GIF cut short is refused like any file that is no picture: the card keeps its own.
TEST_F(CardListTest, ACutShortGifIsRefusedAndTheStoredPictureKept) {
    const std::string stored = asText(samples::pcx8());
    makeCards({{"Kept Co", "Kay", "", "", "", "", "", "", "", stored}});
    const std::string gif = asText(samples::gif());
    const auto cut = writeFile("cut.gif", gif.substr(0, gif.size() - 4));
    openList();
    driver.press("&Change");
    driver.waitWindow("Changing a Cards Record");
    driver.press("...");
    driver.answer(cut.string());
    driver.answer("OK");
    EXPECT_EQ(shownPicture(), stored);
    driver.type(Title, "Owner");
    saveAndClose();
    const auto cards = storedCards();
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].second, stored);
}

// A picture 300 by 150 pixels, as a BMP file's bytes.
std::string wideBmp() {
    QImage image(300, 150, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

TEST_F(CardListTest, ANameTypedIntoTheEntryShowsThePictureFittedInProportion) {
    makeCards({});
    const auto file = writeFile("wide.bmp", wideBmp());
    openList();
    driver.press("&Add");
    driver.waitWindow("Adding a Cards Record");
    driver.type(BusinessName, "Wide Co");
    driver.type(ImageFileName, file.string());
    // At most 100 dialog units on either side, the proportions of its own size kept.
    rt::Window* form = driver.active();
    const long long ownWidth = form->prop(Picture, PROP::ImageWidth);
    const long long ownHeight = form->prop(Picture, PROP::ImageHeight);
    ASSERT_GT(ownWidth, 100);
    EXPECT_EQ(form->prop(Picture, PROP::Width), 100);
    EXPECT_EQ(form->prop(Picture, PROP::Height), 100 * ownHeight / ownWidth);
    saveAndClose();
    const auto stored = storedCards();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].second, wideBmp());
}

TEST_F(CardListTest, CopyMakesASecondCardWithTheSameTextsAndNoPicture) {
    makeCards(
        {{"Copy Co", "Cal", "Boss", "1 St", "Town", "1", "2", "e", "w", asText(samples::bmp())}});
    openList();
    driver.press("Cop&y");
    driver.waitWindow("Adding a Cards Record");
    EXPECT_EQ(shownPicture(), "");
    driver.press("OK");
    driver.waitWindow("Printing Menu");
    EXPECT_EQ(rows(), 2);
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    const auto stored = storedCards();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].first, "Copy Co");
    EXPECT_EQ(stored[1].first, "Copy Co");
    EXPECT_NE(stored[0].second.empty(), stored[1].second.empty());  // one with, one without
}

TEST_F(CardListTest, ClearAllAboveDeletesEveryCardAndClosesTheMenu) {
    std::vector<Card> cards;
    for (int i = 0; i < 30; ++i)
        cards.push_back({"Biz" + std::to_string(i), "", "", "", "", "", "", "", "", ""});
    makeCards(cards);
    openList();
    driver.press("Clear All Above");
    runTimers(driver);
    ASSERT_TRUE(driver.finish());
    EXPECT_TRUE(storedCards().empty());
}

TEST_F(CardListTest, AFailedDeleteIsToldAndTheClearingEndsNotCompleted) {
    makeCards({{"A Co", "", "", "", "", "", "", "", "", ""},
               {"B Co", "", "", "", "", "", "", "", "", ""}});
    testsupport::ShortWaitSeconds seconds(50);
    // Another station keeps the cards file locked.
    testsupport::StationThread station([](testsupport::StationThread& self) {
        CARDS.open();
        ASSERT_EQ(CARDS.lock(1), 0);
        self.ready();
        self.waitForRelease();
        CARDS.unlock();
        CARDS.close();
    });
    ASSERT_TRUE(station.waitReady());
    long response = 0;
    driver.start([&] {
        ClearAllCards();
        response = GLO::Response;
    });
    runTimers(driver);
    driver.expectMessage(
        "An error was experienced when deleting a record from the Process:View file.  Error: File "
        "Is Already Locked (32)");
    EXPECT_NE(driver.active()->propText(3, PROP::Text), "Process Completed");
    driver.answer("OK");
    ASSERT_TRUE(driver.finish());
    station.join();
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(storedCards().size(), 2u);
}

TEST_F(CardListTest, TheContactsListOpensTheLabelsEnvelopesAndCards) {
    RegisterContactProcedures();
    RegisterInvoiceProcedures();
    makeContacts({{"Al", "Adams", "", "", "", "", ""}});
    makeCards({});
    using namespace windows::contacts_list::ContactsControl;
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    for (int control : {PrintTaggedLabels, ToolEnvelope, ToolBusinessCards})
        EXPECT_FALSE(driver.active()->prop(control, PROP::Disable)) << control;
    driver.press(ToolBusinessCards);
    driver.waitWindow("Printing Menu");
    driver.press("Close");
    driver.waitWindow("Names And Information");
    driver.press("Print Tagged Labels");
    driver.waitWindow("Select Type Of Label");
    driver.press("Close");
    driver.waitWindow("Names And Information");
}

// Folder names as the file system spells them: a name the entry can show reads as the user
// knows it, one with a character the entry lacks is said and the picture loads all the same,
// both when chosen and when the entry is left as it shows the name.
TEST_F(CardListTest, APictureInAFolderNamedWithAnyCharacterLoadsAndTheEntrySaysWhatItCannotHold) {
    struct Case {
        const char* folder;
        const char* entryShows;  // the folder's name in the entry (Windows-1252)
        const char* unstorable;
    } cases[] = {
        {"jos\xC3\xA9", "jos\xE9", ""},
        {"\xC5\x82ukasz", "?ukasz", "U+0142"},
    };
    const std::string bytes = asText(samples::bmp());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entryShows);
        makeCards({});
        const auto file = writeFile(std::string(c.folder) + "/p.bmp", bytes);
        openList();
        driver.press("&Add");
        driver.waitWindow("Adding a Cards Record");
        driver.type(BusinessName, "Name Co");
        choosePicture(file);
        if (*c.unstorable) {
            driver.expectMessage("The name of the file " + (dir / c.entryShows).string() +
                                 "/p.bmp holds the character " + c.unstorable +
                                 ", which the Image File Name entry cannot hold: it shows a ? in "
                                 "its place. The file chosen is used all the same; a name typed "
                                 "into the entry must not hold that character.");
            driver.answer("OK");
        }
        EXPECT_EQ(std::string(GLO::ImageFileName.clipped()),
                  ((dir / c.entryShows).string() + "/p.bmp").substr(0, 40));
        EXPECT_EQ(shownPicture(), bytes);
        saveAndClose();
        const auto stored = storedCards();
        ASSERT_FALSE(stored.empty());
        EXPECT_EQ(stored.back().second, bytes);
    }
}

}  // namespace
