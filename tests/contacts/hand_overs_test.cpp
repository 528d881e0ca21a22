// The contact's hand-overs as the desktop receives them.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "contacts/hand_overs.h"
#include "drivers/driver.h"
#include "records/mail.h"
#include "runtime/system/desktop_handover.h"

namespace {

class HandOversTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rt::setDesktopRecorder([this](const rt::DesktopHandOver& h) { handed.push_back(h); });
        MAIL.clear();
    }
    void TearDown() override { rt::setDesktopRecorder(nullptr); }
    std::vector<rt::DesktopHandOver> handed;
};

TEST_F(HandOversTest, DialingNameIsFirstNameBlankLastName) {
    struct Case {
        const char* first;
        const char* last;
        const char* name;
    } cases[] = {
        {"Ann", "Smith", "Ann Smith"},
        {"", "Smith", " Smith"},
        {"", "", " "},
    };
    for (const auto& c : cases) {
        MAI::FIRSTNAME.setText(c.first);
        MAI::LASTNAME.setText(c.last);
        const std::string name = DialingName();
        EXPECT_EQ(name.size(), 40u);
        EXPECT_EQ(name.substr(0, std::string(c.name).size()), c.name);
        EXPECT_EQ(name.find_first_not_of(' ', std::string(c.name).size()), std::string::npos);
    }
}

TEST_F(HandOversTest, ADialCutsTheCalledPartyTo29Characters) {
    MAI::FIRSTNAME.setText("Maximilian");
    MAI::LASTNAME.setText("Oberhollenzer-W");
    const std::string name = DialingName();
    MAI::FAX.setText("555-0100");
    DialNumber(MAI::FAX.text(), name);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].address, "tel:555-0100");
    EXPECT_EQ(handed[0].application, "Maximilian Oberhollenzer-W");
    EXPECT_EQ(handed[0].comment, "Maximilian Oberhollenzer-W");

    MAI::FIRSTNAME.setText("Maximilianus Jo");  // 15 + 1 + 15 = 31 characters
    const std::string longName = DialingName();
    DialNumber("5550100", longName);
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[1].calledParty, "Maximilianus Jo Oberhollenzer");
    EXPECT_EQ(handed[1].application, "Maximilianus Jo Oberhollenzer-W");
    EXPECT_EQ(handed[1].comment, "Maximilianus Jo Oberhollenzer-W");
}

TEST_F(HandOversTest, AnEmptyNumberIsNotHandedOver) {
    DialNumber("               ", "Ann Smith");
    EXPECT_TRUE(handed.empty());
}

TEST_F(HandOversTest, EMailAndWebGoAsMailtoAndHttpAddresses) {
    MAI::NOTE2.setText("ann.smith@example.com");
    SendEMail(MAI::NOTE2.text());  // all 80 characters, trailing blanks included
    MAI::WEBSITE.setText("www.example.com");
    OpenWebSite(MAI::WEBSITE.text());
    MAI::WEBSITE.setText("C:\\WINDOWS\\SYSTEM32\\CMD.EXE");
    OpenWebSite(MAI::WEBSITE.text());
    MAI::NOTE2.setText("");
    SendEMail(MAI::NOTE2.text());
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[0].address, "mailto:ann.smith@example.com");
    EXPECT_EQ(handed[1].address, "http://www.example.com");
}

TEST_F(HandOversTest, AnEightyCharacterAddressIsHandedWhole) {
    const std::string local(80 - 12, 'a');
    MAI::NOTE2.setText(local + "@example.com");
    SendEMail(MAI::NOTE2.text());
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].address, "mailto:" + local + "@example.com");
}

TEST_F(HandOversTest, TextFromRecordsIsConvertedFromTheWindowsCodePage) {
    MAI::NOTE2.setText("j\xFCrgen@example.com");  // ü in Windows-1252
    SendEMail(MAI::NOTE2.text());
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].address, "mailto:j%C3%BCrgen@example.com");
}

// Each button says why nothing opened: a text that is no address of its kind, or an address
// the desktop could not open (here there is no desktop at all).
TEST_F(HandOversTest, EachButtonSaysWhyNothingOpened) {
    const struct {
        std::function<void()> press;
        bool recorded;  // false: handed to the (missing) desktop
        const char* caption;
        const char* text;
    } cases[] = {
        {[] { OpenWebSite("C:\\WINDOWS\\SYSTEM32\\CMD.EXE"); }, true, "Cannot Go To Site",
         "\"C:\\WINDOWS\\SYSTEM32\\CMD.EXE\" is not a web address. Only addresses that begin "
         "with http:// or https://, or a site name such as www.example.com, can be opened."},
        {[] { SendEMail("                "); }, true, "Cannot Send E-Mail",
         "No e-mail address is given. An e-mail address holds one \"@\" with a name before it "
         "and a domain after it, such as ann@example.com."},
        {[] { SendEMail("ann@example.com?cc=all@example.com&x=@y"); }, true, "Cannot Send E-Mail",
         "\"ann@example.com?cc=all@example.com&x=@y\" is not an e-mail address. An e-mail "
         "address holds one \"@\" with a name before it and a domain after it, such as "
         "ann@example.com."},
        {[] { DialNumber("555-0100; rm -rf", "Ann"); }, true, "Cannot Dial",
         "\"555-0100; rm -rf\" is not a telephone number. A telephone number holds digits, and "
         "may hold blanks and the signs + - ( ) . /."},
        {[] { OpenWebSite("http://intranet/"); }, false, "Cannot Go To Site",
         "The desktop could not open the web address \"http://intranet/\". Check that a program "
         "is set up to open such addresses."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (!c.recorded) rt::setDesktopRecorder(nullptr);
        rt::Driver driver;
        driver.start(c.press);
        driver.expectMessage(c.text);
        EXPECT_EQ(driver.backend().pendingDialogs().at(0)->caption, c.caption);
        driver.answer("OK");
        ASSERT_TRUE(driver.finish());
    }
    EXPECT_TRUE(handed.empty());
}

}  // namespace
