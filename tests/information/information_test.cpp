// The information and help lists and forms, and the manual, driven as a user would.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "information/information_procedures.h"
#include "records/help.h"
#include "records/informat.h"
#include "runtime/system/desktop_handover.h"
#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/temp_dir.h"

namespace {

const rt::ControlName kInformationList = rt::ControlName::parse("8");
const rt::ControlName kHelpList = rt::ControlName::parse("4");

class InformationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rt::setDesktopRecorder([this](const rt::DesktopHandOver& h) { handed.push_back(h); });
    }
    void TearDown() override {
        driver.finish();
        rt::setDesktopRecorder(nullptr);
    }

    // Adds a text through the information list's insert button and form.
    void addInformationText(const std::string& title, const std::string& text) {
        driver.press(1);  // the small insert button
        driver.waitWindow(" ");
        driver.type("INF:INFORMATIONFILE", title);
        driver.type("INF:INFO", text);
        driver.press(" Close");
        driver.waitWindow("Browse the Information File");
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    std::vector<rt::DesktopHandOver> handed;
};

TEST_F(InformationTest, AnInformationTextIsAddedReadBackAndChanged) {
    driver.start(&Information);
    driver.waitWindow("Browse the Information File");
    addInformationText("Check paper", "Order blank checks\r\nwith the MICR line.");
    driver.expectRow(kInformationList, 1, "Check paper");
    driver.press("         View");
    driver.waitWindow("   ");
    driver.expectText(rt::ControlName::parse("5"), "Order blank checks\r\nwith the MICR line.");
    driver.type("INF:INFO", "Only the text changed.");
    driver.press(" Close");
    driver.waitWindow("Browse the Information File");
    driver.press("              Close");
    ASSERT_TRUE(driver.finish());
    INFORMAT.open();
    ASSERT_EQ(INFORMAT.records(), 1);
    INFORMAT.set();
    ASSERT_EQ(INFORMAT.next(), 0);
    EXPECT_EQ(INF::INFO.text(), "Only the text changed.");
    INFORMAT.close();
}

// Texts keep every character of Windows-1252, like every other text of the program: the euro
// sign, curly quotes and dashes included.
TEST_F(InformationTest, TextsKeepTheEuroSignCurlyQuotesAndDashes) {
    const std::string title = rt::utf8ToCp1252("Prices – “Zoë”");
    const std::string text = rt::utf8ToCp1252("Costs 5 € — ask “Zoë” • ‰ Œ š");
    driver.start(&Information);
    driver.waitWindow("Browse the Information File");
    addInformationText(title, text);
    driver.press("              Close");
    ASSERT_TRUE(driver.finish());
    INFORMAT.open();
    INFORMAT.set();
    ASSERT_EQ(INFORMAT.next(), 0);
    EXPECT_EQ(std::string(rt::clip(INF::INFORMATIONFILE.text())), title);
    EXPECT_EQ(INF::INFO.text(), text);
    INFORMAT.close();
}

// A help or information file made while the texts were kept in code page 437 is read and
// written in it still: its texts come back as they were stored.
TEST_F(InformationTest, FilesMadeInTheOlderCodePageKeepTheirTexts) {
    const std::string accented = rt::utf8ToCp1252("Zoë Müller, Señor");
    for (rt::RecordFile* file : {&INFORMAT, &HELP}) {
        SCOPED_TRACE(file->decl().label());
        rt::FileDecl olderDecl = file->decl();
        olderDecl.attributes(olderDecl.attributes() | rt::OEM);
        {
            rt::RecordFile older(olderDecl);
            ASSERT_EQ(older.create(), 0);
            ASSERT_EQ(older.open(), 0);
            older.clear();
            older.buf().setText(0, accented);
            older.buf().setMemo(0, accented);
            ASSERT_EQ(older.add(), 0);
            older.close();
        }
        ASSERT_EQ(file->open(), 0);
        file->set();
        ASSERT_EQ(file->next(), 0);
        EXPECT_EQ(std::string(rt::clip(file->buf().text(0))), accented);
        EXPECT_EQ(file->buf().memoText(0), accented);
        file->buf().setMemo(0, accented + " again");
        ASSERT_EQ(file->put(), 0);
        file->close();
        rt::RecordFile older(olderDecl);
        ASSERT_EQ(older.open(), 0);
        older.set();
        ASSERT_EQ(older.next(), 0);
        EXPECT_EQ(older.buf().memoText(0), accented + " again");
        older.close();
    }
}

TEST_F(InformationTest, FormsRefuseABlankTitleAndStoreNothing) {
    struct Case {
        void (*list)();
        const char* listTitle;
        int insertButton;
        const char* textField;
        const char* close;
        rt::RecordFile* file;
    } cases[] = {
        {&Information, "Browse the Information File", 1, "INF:INFO", "              Close",
         &INFORMAT},
        {&HelpBrowse, "Help", 5, "HEL:HELPINFO", "Close", &HELP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listTitle);
        driver.start(c.list);
        driver.waitWindow(c.listTitle);
        driver.press(c.insertButton);
        driver.waitWindow(" ");
        driver.type(c.textField, "A text without a title");
        driver.press(" Close");
        driver.expectMessage(
            "Please give the text a title: a text without a title would be kept where no list "
            "shows it.");
        driver.answer("OK");
        driver.press("Cancel");
        driver.waitWindow(c.listTitle);
        driver.press(c.close);
        ASSERT_TRUE(driver.finish());
        c.file->open();
        EXPECT_EQ(c.file->records(), 0);
        c.file->close();
    }
}

TEST_F(InformationTest, PrintTheManualHandsTheShippedManualToTheDesktop) {
    driver.start(&Information);
    driver.waitWindow("Browse the Information File");
    driver.press("  Print The Manual");
    driver.waitWindow("Browse the Information File");  // the information list stays open
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].address.rfind("file:///", 0), 0u) << handed[0].address;
    EXPECT_NE(handed[0].address.find("manual.html"), std::string::npos);
    driver.press("              Close");
    ASSERT_TRUE(driver.finish());

    long response = 0;
    driver.start([&] {
        HelpBrowse();
        response = GLO::Response;
    });
    driver.waitWindow("Help");
    driver.press("  Print The Manual");  // the help list closes
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(handed.size(), 2u);
}

TEST_F(InformationTest, HelpOpensAtTheFirstTopicAndLocatesByTheEntry) {
    HELP.create();
    HELP.open();
    for (const char* title : {"Printing checks", "Adding contacts", "Zip codes"}) {
        HELP.clear();
        HEL::HELP.setText(title);
        HELP.add();
    }
    HELP.close();
    driver.start([] {
        GLO::Request = REQ::Change;  // whatever the caller left, the list only browses
        HelpBrowse();
    });
    driver.waitWindow("Help");
    driver.expectRow(kHelpList, 1, "Adding contacts");
    driver.type("HEL:HELP", "Zip");
    driver.key("Tab");
    driver.expectText(kHelpList, "Zip codes");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

}  // namespace
