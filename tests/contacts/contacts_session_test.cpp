// The contacts procedures driven as a user would, over real record files.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "contacts/client_selection_window.h"
#include "contacts/contact_form_window.h"
#include "contacts/contact_procedures.h"
#include "contacts/contacts_list_window.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/mail.h"
#include "records/zip.h"
#include "reference/reference_procedures.h"
#include "reference/zip_lookup_window.h"
#include "runtime/system/desktop_handover.h"
#include "runtime/text/day_number.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/scheduler.h"
#include "tests/support/temp_dir.h"

namespace {

struct Contact {
    Contact(std::string f, std::string l, long day = 0, int l1 = 0, std::string up = {})
        : first(std::move(f)),
          last(std::move(l)),
          contactDay(day),
          level1(l1),
          upline(std::move(up)) {}
    std::string first, last;
    long contactDay;
    int level1;
    std::string upline;
};

class ContactsSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetProgramState();
        RegisterContactProcedures();
        RegisterReferenceProcedures();
        rt::setDesktopRecorder(
            [this](const rt::DesktopHandOver& h) { handed.push_back(h.address); });
    }
    // However a test ends, the program-wide state it set goes back for the next one.
    void TearDown() override {
        driver.finish();
        rt::setDesktopRecorder(nullptr);
        resetProgramState();
    }
    static void resetProgramState() {
        GLO::SponsorIdNumber = "";
        GLO::SponsorLevel = "";
        GLO::SponsorName = "";
        GLO::TagCountTable = 0;            // the test thread's tag count of an earlier test
        rt::substituteKey(KEY::Enter, 0);  // the check information's Enter-moves-on
    }

    // Writes the contacts into a new MAIL file; answers their record pointers.
    static std::vector<std::int64_t> makeContacts(const std::vector<Contact>& contacts) {
        std::vector<std::int64_t> pointers;
        MAIL.create();
        MAIL.open();
        for (const Contact& c : contacts) {
            MAIL.clear();
            MAI::FIRSTNAME.setText(c.first);
            MAI::LASTNAME.setText(c.last);
            MAI::CONTDAY.setInteger(c.contactDay);
            MAI::L1.setNumber(rt::Decimal(c.level1));
            MAI::FROMWHAT.setText(c.upline);
            MAI::DATE.setInteger(rt::date(1, 2, 2020));
            MAIL.add();
            pointers.push_back(MAIL.pointer());
        }
        MAIL.close();
        return pointers;
    }

    // One contact a row: first name, last name, company, city, state and zip, the fields
    // of the list's six orders.
    using LocatorFields = std::array<const char*, 6>;
    static void makeLocatorContacts(const std::vector<LocatorFields>& rows) {
        MAIL.create();
        MAIL.open();
        for (const LocatorFields& r : rows) {
            MAIL.clear();
            MAI::FIRSTNAME.setText(r[0]);
            MAI::LASTNAME.setText(r[1]);
            MAI::COMPANYNAME.setText(r[2]);
            MAI::CITY.setText(r[3]);
            MAI::STATE.setText(r[4]);
            MAI::ZIP.setText(r[5]);
            MAIL.add();
        }
        MAIL.close();
    }
    static constexpr const char* kTabs[] = {"First Name", "Last Name", "Company Name",
                                            "City Name",  "State",     "Zip Code"};

    // Every contact in record order, read after the session.
    struct Stored {
        std::string first, last;
        long contactDay, date, accessDate;
        std::string level1, upline, kind5;
    };
    static std::vector<Stored> storedContacts() {
        std::vector<Stored> all;
        MAIL.open();
        MAIL.set();
        while (MAIL.next() == 0)
            all.push_back({std::string(rt::clip(MAI::FIRSTNAME.text())),
                           std::string(rt::clip(MAI::LASTNAME.text())),
                           static_cast<long>(MAI::CONTDAY.integer()),
                           static_cast<long>(MAI::DATE.integer()),
                           static_cast<long>(MAI::ACCESSDATE.integer()),
                           MAI::L1.number().toString(), std::string(rt::clip(MAI::FROMWHAT.text())),
                           std::string(rt::clip(MAI::PHONE5.text()))});
        MAIL.close();
        return all;
    }

    int selectedRow() {
        return static_cast<int>(driver.active()->prop(windows::contacts_list::ContactsControl::List,
                                                      PROP::SelectedRow));
    }
    std::string selectedLastName() {
        const auto row =
            driver.active()->rowTexts(windows::contacts_list::ContactsControl::List, selectedRow());
        return std::string(rt::clip(row.at(2)));
    }

    // The titles of the open windows, bottom first (a window without one: its status text).
    static std::vector<std::string> openWindowTitles() {
        std::lock_guard lock(rt::Scheduler::instance().mutex());
        std::vector<std::string> titles;
        for (const rt::Window* w : rt::Scheduler::instance().zOrder())
            titles.push_back(w->title().empty() ? w->status(1) : w->title());
        return titles;
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    std::vector<std::string> handed;
};

TEST_F(ContactsSessionTest, CopyStartsANewMemberWithoutLevelCountsOrUplineMark) {
    makeContacts({{"Ann", "Smith", 0, 7, "X"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("Cop&y");
    driver.waitWindow("Adding a MAIL Record");
    driver.expectText(rt::ControlName::parse("MAI:FIRSTNAME"), "Ann");
    driver.expectText(rt::ControlName::parse("MAI:L1"), "0");
    driver.expectText(rt::ControlName::parse("MAI:PHONE5"), "Voice Mail");
    driver.press("OK");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());

    const auto all = storedContacts();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].level1, "7.00");
    EXPECT_EQ(all[0].upline, "X");
    EXPECT_EQ(all[1].first, "Ann");
    EXPECT_EQ(all[1].level1, "0.00");
    EXPECT_EQ(all[1].upline, "");
    EXPECT_EQ(all[1].kind5, "Voice Mail");
    EXPECT_EQ(all[1].date, rt::today());
    EXPECT_EQ(all[1].accessDate, rt::today());
}

TEST_F(ContactsSessionTest, NextTagMovesToTheExactNextTaggedContactAmongEqualNames) {
    const auto pointers = makeContacts(
        {{"Bob", "Adams"}, {"Bob", "Baker"}, {"Bob", "Carter"}, {"Bob", "Dixon"}, {"Cy", "Evans"}});
    OpenTagFile_();
    SetTag_(TAG::Contacts, static_cast<long>(pointers[1]), "Bob");
    SetTag_(TAG::Contacts, static_cast<long>(pointers[3]), "Bob");
    CloseTagFile_();

    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    EXPECT_EQ(selectedLastName(), "Adams");
    driver.press("&Next Tag");
    EXPECT_EQ(selectedLastName(), "Baker");
    driver.press("&Next Tag");
    EXPECT_EQ(selectedLastName(), "Dixon");
    driver.press("&Next Tag");
    driver.expectMessage("There are no more tagged records!");
    driver.answer("OK");
    EXPECT_EQ(selectedLastName(), "Dixon");
    driver.press("&Prev Tag");
    EXPECT_EQ(selectedLastName(), "Baker");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ContactsSessionTest, ACancelledCalendarKeepsTheContactDate) {
    const long day = rt::date(5, 17, 2024);
    makeContacts({{"Ann", "Smith", day}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Open");
    driver.waitWindow("Changing a MAIL Record");
    driver.press("Contact Information");
    driver.press(windows::contact_form::ContactFormControl::ContactCalendar);
    driver.waitWindow("Contact Date");
    driver.key("Esc");
    driver.waitWindow("Changing a MAIL Record");
    driver.expectText(rt::ControlName::parse("MAI:CONTDAY"), "05/17/24");
    driver.press("OK");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(storedContacts().at(0).contactDay, day);
}

TEST_F(ContactsSessionTest, TheFormHandsOverItsEMailAndWebAddresses) {
    makeContacts({{"Ann", "Smith"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Open");
    driver.waitWindow("Changing a MAIL Record");
    driver.type("MAI:NOTE2", "ann@example.com");
    driver.type("MAI:WEBSITE", "www.example.com");
    EXPECT_TRUE(handed.empty());
    // " Send E-Mail" acts when it receives the focus: typing the note moves the focus on to it.
    driver.type("MAI:NOTE1", "Met at the fair");
    EXPECT_EQ(driver.active()->focus(), windows::contact_form::ContactFormControl::SendEMailButton);
    driver.press(windows::contact_form::ContactFormControl::WebButton);
    driver.type("MAI:WEBSITE", "file:///etc/passwd");
    driver.press(windows::contact_form::ContactFormControl::WebButton);
    driver.expectMessage(
        "\"file:///etc/passwd\" is not a web address. Only addresses that begin with http:// or "
        "https://, or a site name such as www.example.com, can be opened.");
    driver.answer("OK");
    driver.press("Cancel");
    driver.expectMessage("Are you sure you want to cancel?");
    driver.answer("Yes");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(handed,
              (std::vector<std::string>{"mailto:ann@example.com", "http://www.example.com"}));
}

TEST_F(ContactsSessionTest, ZipSelectIsDisabledWhileTheZipListIsEmpty) {
    ZIP.create();
    ZIP.close();
    std::string city;
    long response = 0;
    driver.start([&] {
        MAIL.clear();
        MAI::CITY.setText("Keepsake");
        GLO::Request = REQ::Select;
        ZipCode();
        response = GLO::Response;
        city = std::string(rt::clip(MAI::CITY.text()));
    });
    driver.waitWindow("Browse the Zip File");
    EXPECT_FALSE(driver.active()->isEnabled(windows::zip_lookup::ZipLookupControl::Select));
    driver.key("Enter");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(city, "Keepsake");
}

TEST_F(ContactsSessionTest, SearchWithoutCriteriaOrMatchesSaysSo) {
    makeContacts({{"Ann", "Smith"}, {"Bert", "Jones"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Search");
    driver.waitWindow("Enter Search Criteria");
    driver.press("&Begin Search");
    driver.expectMessage("You must specify at least one search field!");
    driver.answer("OK");
    driver.type("MAI:LASTNAME", "zz");
    driver.press("&Begin Search");
    driver.waitWindow("Begin Search");
    driver.press("&Edit");
    driver.expectMessage("There are no matching records!");
    driver.answer("OK");
    driver.waitWindow("Enter Search Criteria");
    driver.expectText(rt::ControlName::parse("MAI:LASTNAME"), "ZZ");
    driver.type("MAI:LASTNAME", "jo");
    driver.press("&Begin Search");
    driver.waitWindow("Begin Search");
    driver.press("&Edit");
    driver.waitWindow("Enter Search Criteria");
    driver.expectText(rt::ControlName::parse("MAI:FIRSTNAME"), "Bert");
    driver.press("&Find Next");
    driver.expectMessage("There are no more matching records!");
    driver.answer("OK");
    driver.press("Cancel");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ContactsSessionTest, SelectTagsTheMatchesAndUnselectUntagsThem) {
    makeContacts({{"Ann", "Smith"}, {"Andy", "Jones"}, {"Bert", "Adams"}, {"Anton", "Baker"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Search");
    driver.waitWindow("Enter Search Criteria");
    driver.type("MAI:FIRSTNAME", "an");
    driver.press("&Begin Search");
    driver.waitWindow("Begin Search");
    EXPECT_FALSE(driver.active()->isVisible(5));  // no tags yet: no "&Unselect"
    driver.press("&Select");
    driver.waitWindow("Names And Information");
    EXPECT_EQ(driver.text(rt::ControlName::parse("46")), "Sho&w All");
    EXPECT_EQ(driver.active()->visibleRows(1) >= 3, true);
    driver.expectRow(rt::ControlName::parse("1"), 1, "X | Andy | Jones |  |  |  |  |  | ");
    driver.expectRow(rt::ControlName::parse("1"), 3, "X | Anton | Baker |  |  |  |  |  | ");

    // Unselect the last names beginning with S: the Smiths.
    driver.press("&Search");
    driver.waitWindow("Enter Search Criteria");
    driver.type("MAI:LASTNAME", "s");
    driver.press("&Search Type");
    driver.waitWindow("Match Type for STRING Field");
    driver.press("&Begins with this");
    driver.press("OK");
    driver.waitWindow("Enter Search Criteria");
    driver.press("&Begin Search");
    driver.waitWindow("Begin Search");
    driver.press("&Unselect");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    OpenTagFile_();
    EXPECT_EQ(CountTags_(TAG::Contacts), 2);  // Andy and Anton
    CloseTagFile_();
}

TEST_F(ContactsSessionTest, PhoneNumbersDialsEachRowsOwnNumber) {
    makeContacts({{"Ann", "Smith"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("Phone Numbers");
    driver.waitWindow("Dial Phone Numbers");
    driver.type("MAI:FAX", "555-0133");
    driver.choose(rt::ControlName::parse("MAI:PHONE3"), 5);  // "Voice Mail"
    driver.press(7);                                         // row 3's dial button
    driver.press("Close");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(handed, (std::vector<std::string>{"tel:555-0133"}));
}

TEST_F(ContactsSessionTest, OnlyANumberIsDialled) {
    makeContacts({{"Ann", "Smith"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("Phone Numbers");
    driver.waitWindow("Dial Phone Numbers");
    for (const std::string number : {"--help", "javascript:x", "555-0133;x", "(555) 013.3/4"}) {
        driver.type("MAI:FAX", number);
        driver.press(7);  // row 3's dial button
        if (number.front() == '(') continue;
        driver.expectMessage("\"" + number +
                             "\" is not a telephone number. A telephone number holds digits, and "
                             "may hold blanks and the signs + - ( ) . /.");
        driver.answer("OK");
    }
    driver.press("Close");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(handed, (std::vector<std::string>{"tel:(555)%20013.3/4"}));
}

TEST_F(ContactsSessionTest, TheAmAndPmBoxesShowTickedForAnyValueButBlank) {
    namespace F = windows::contact_form::ContactFormControl;
    struct Case {
        const char* am;
        const char* pm;
        bool amTicked, pmTicked;
    };
    for (const Case& c :
         {Case{"1", "", true, false}, Case{"X", "yes", true, true}, Case{" ", "0", false, true}}) {
        SCOPED_TRACE(std::string(c.am) + "/" + c.pm);
        makeContacts({{"Ann", "Smith"}});
        MAIL.open();
        MAIL.set();
        ASSERT_EQ(MAIL.next(), 0);
        rt::Field(MAIL, "MAI:AM").setText(c.am);
        rt::Field(MAIL, "MAI:PM").setText(c.pm);
        ASSERT_EQ(MAIL.put(), 0);
        MAIL.close();
        driver.start(&BrowseMAIL);
        driver.waitWindow("Names And Information");
        driver.press("&Open");
        driver.waitWindow("Changing a MAIL Record");
        EXPECT_EQ(driver.active()->control(F::Am)->checked, c.amTicked);
        EXPECT_EQ(driver.active()->control(F::Pm)->checked, c.pmTicked);
        driver.press("Cancel");
        driver.waitWindow("Names And Information");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
        MAIL.remove();
    }
}

TEST_F(ContactsSessionTest, AdditionalNotesAreWrittenWithTheContactOnly) {
    makeContacts({{"Ann", "Smith"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    for (const bool keep : {false, true}) {
        driver.press("&Open");
        driver.waitWindow("Changing a MAIL Record");
        driver.press("Add'l Notes");
        driver.waitWindow("Additional Notes");
        driver.type("MAI:NOTES3", keep ? "Kept" : "Dropped");
        driver.press("&Ok");
        driver.waitWindow("Changing a MAIL Record");
        driver.press("More Notes");
        driver.expectText(rt::ControlName::parse("MAI:CHECK1"), "1");
        if (keep) {
            driver.press("OK");
        } else {
            driver.press("Cancel");
            driver.expectMessage("Are you sure you want to cancel?");
            driver.answer("Yes");
        }
        driver.waitWindow("Names And Information");
    }
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    MAIL.open();
    MAIL.set();
    ASSERT_EQ(MAIL.next(), 0);
    EXPECT_EQ(MAI::NOTES3.text(), "Kept");
    EXPECT_EQ(MAI::CHECK1.text(), "X");
    MAIL.close();
}

TEST_F(ContactsSessionTest, TheSponsorButtonTakesTheChosenSponsor) {
    makeContacts({{"Ann", "Smith"}});
    GLO::SponsorIdNumber = "ID-0000000042-77";
    GLO::SponsorLevel = "3";
    GLO::SponsorName = "Carl Best";
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Open");
    driver.waitWindow("Changing a MAIL Record");
    driver.press("...");
    driver.expectText(rt::ControlName::parse("MAI:SPONSORID"), "ID-0000000042-7");
    driver.expectText(rt::ControlName::parse("MAI:LEVEL"), "4");
    driver.expectText(rt::ControlName::parse("MAI:SPONSOR"), "Carl Best");
    driver.press("OK");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ContactsSessionTest, SelectClientHandsBackOnlyAContactChosenInSelectMode) {
    makeContacts({{"Ann", "Smith"}, {"Bert", "Jones"}, {"Carl", "Brown"}, {"Bert", "Adams"}});
    const rt::ControlName list = rt::ControlName::parse("2");
    struct Outcome {
        long response = 0;
        std::string first, last;
    } out;
    // The caller's record: Bert Jones, read from the file; a second Bert comes after him.
    auto run = [&](long request) {
        driver.start([&, request] {
            MAIL.open();
            MAIL.set(MAI::KEYLASTNAME);
            while (MAIL.next() == 0 && rt::clip(MAI::LASTNAME.text()) != "Jones") {
            }
            GLO::Request = request;
            SelectClient();
            out = {GLO::Response, std::string(rt::clip(MAI::FIRSTNAME.text())),
                   std::string(rt::clip(MAI::LASTNAME.text()))};
            MAIL.close();
        });
        driver.waitWindow("");  // the window has no title, only its heading
    };
    auto highlighted = [&] {
        const int row = static_cast<int>(driver.active()->prop(
            windows::client_selection::ClientControl::List, PROP::SelectedRow));
        return std::string(rt::clip(
            driver.active()->rowTexts(windows::client_selection::ClientControl::List, row).at(1)));
    };

    // Select mode opens on the caller's contact; "&Select" hands back the one chosen.
    run(REQ::Select);
    EXPECT_EQ(highlighted(), "Jones");
    driver.choose(list, 1);
    driver.click(list, 1, "RightClick");
    driver.answer("&Select");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(out.response, RESP::Completed);
    EXPECT_EQ(out.first + " " + out.last, "Ann Smith");

    // Close and the close box answer Cancelled and leave the caller's record whole.
    for (const char* how : {"Close", "close box"}) {
        SCOPED_TRACE(how);
        run(REQ::Select);
        driver.choose(list, 3);
        driver.key("Insert");  // offers no insert
        if (std::string(how) == "Close")
            driver.press("Close");
        else
            driver.close();
        ASSERT_TRUE(driver.finish());
        EXPECT_EQ(out.response, RESP::Cancelled);
        EXPECT_EQ(out.first + " " + out.last, "Bert Jones");
    }

    // Without the select request nothing selects: button, popup and double-click.
    run(0);
    EXPECT_FALSE(driver.active()->isEnabled(windows::client_selection::ClientControl::Select));
    driver.choose(list, 2);
    driver.click(list, 2, "RightClick");
    EXPECT_EQ(driver.backend().pendingDialogs().at(0)->menu, "~&Select");  // greyed
    driver.cancel();
    driver.click(list, 2, "DoubleClick");
    EXPECT_EQ(driver.active()->title(), "");  // still open
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(out.response, RESP::Cancelled);
    EXPECT_EQ(out.first + " " + out.last, "Bert Jones");
    EXPECT_EQ(storedContacts().size(), 4u);
}

TEST_F(ContactsSessionTest, EnterMovesOnInTheCheckInformationAndIsEnterAgainAfterwards) {
    makeContacts({{"Ann", "Smith"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Open");
    driver.waitWindow("Changing a MAIL Record");
    driver.press("Enter Basic Check Information");
    driver.waitWindow("");
    driver.type("MAI:BANKNAME", "First Bank");
    EXPECT_EQ(driver.active()->focus(), 17);  // the bank address
    EXPECT_EQ(rt::substitutedKey(KEY::Enter), KEY::Tab);
    driver.key("Enter");
    EXPECT_EQ(driver.active()->focus(), 19);  // Enter moves on to the bank's city
    driver.type("MAI:MONTHLYAMOUNT", "125.50");
    driver.press("OK");
    driver.waitWindow("Changing a MAIL Record");
    EXPECT_EQ(rt::substitutedKey(KEY::Enter), KEY::Enter);
    driver.press("OK");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    MAIL.open();
    MAIL.set();
    ASSERT_EQ(MAIL.next(), 0);
    EXPECT_EQ(std::string(rt::clip(MAI::BANKNAME.text())), "First Bank");
    EXPECT_EQ(MAI::AMOUNT.number(), rt::Decimal("125.50"));
    MAIL.close();
}

TEST_F(ContactsSessionTest, EditThisHandsTheFoundContactToTheContactForm) {
    makeContacts({{"Ann", "Smith"}, {"Bert", "Jones"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Search");
    driver.waitWindow("Enter Search Criteria");
    driver.type("MAI:LASTNAME", "jones");
    driver.press("&Begin Search");
    driver.waitWindow("Begin Search");
    driver.press("&Edit");
    driver.waitWindow("Enter Search Criteria");
    driver.expectText(rt::ControlName::parse("MAI:FIRSTNAME"), "Bert");
    driver.press("&Edit This");
    driver.waitWindow("Changing a MAIL Record");
    EXPECT_EQ(openWindowTitles(),
              (std::vector<std::string>{"Names And Information", "Changing a MAIL Record"}));
    driver.type("MAI:FIRSTNAME", "Berta");
    driver.press("OK");
    driver.waitWindow("Names And Information");
    EXPECT_EQ(driver.text(rt::ControlName::parse("46")), "Sho&w Tagged");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    const auto all = storedContacts();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].first, "Berta");
}

TEST_F(ContactsSessionTest, SelectAsksWhetherToClearOldSelectionsWhenTagsExist) {
    makeContacts({{"Ann", "Smith"}, {"Bert", "Jones"}, {"Carl", "Adams"}});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    for (const char* name : {"ann", "bert", "carl"}) {
        driver.press("&Search");
        driver.waitWindow("Enter Search Criteria");
        driver.type("MAI:FIRSTNAME", name);
        driver.press("&Begin Search");
        driver.waitWindow("Begin Search");
        driver.press("&Select");
        if (std::string(name) != "ann") {
            driver.expectMessage("Clear old selections first?");
            driver.answer(std::string(name) == "bert" ? "No" : "Yes");
        }
        driver.waitWindow("Names And Information");
    }
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    OpenTagFile_();
    EXPECT_EQ(CountTags_(TAG::Contacts), 1);  // Carl's search cleared Ann and Bert
    CloseTagFile_();
}

TEST_F(ContactsSessionTest, StatusIconsShowFollowUpsAndAppointmentsAgainstToday) {
    const long today = rt::today();
    auto day = [](long d) { return std::to_string(d); };
    struct Case {
        const char* first;
        long followUp;
        std::string appointment;  // a day number kept as text
        int icon;
    } cases[] = {
        {"A1", today + 3, day(today - 2), 5},  // a follow-up ahead wins over a past appointment
        {"A2", today + 3, day(today), 5},
        {"A3", 0, day(today + 9), 4},
        {"A4", today, "", 2},
        {"A5", 0, day(today), 2},
        {"A6", 0, day(today - 5), 6},
        {"A7", today - 1, "", 6},
        {"A8", 0, "", 1},
        // What no date is, as an import may leave it, is no appointment.
        {"A9", 0, day(rt::date(12, 31, 9999) + 1), 1},
        {"B1", 0, "12345678901234567890", 1},
    };
    MAIL.create();
    MAIL.open();
    for (const Case& c : cases) {
        MAIL.clear();
        MAI::FIRSTNAME.setText(c.first);
        MAI::CONTDAY.setInteger(c.followUp);
        MAI::APPOINTMENTDATE.setText(c.appointment);
        MAIL.add();
    }
    MAIL.close();
    OpenTagFile_();
    CloseTagFile_();
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("&Tag");  // A1 tagged: its tag column shows icon 3
    const rt::ControlState* list =
        driver.active()->control(windows::contacts_list::ContactsControl::List);
    ASSERT_TRUE(list && list->rows);
    ASSERT_EQ(list->rows->rowCount(), static_cast<int>(std::size(cases)));
    for (int row = 1; row <= list->rows->rowCount(); ++row) {
        SCOPED_TRACE(cases[row - 1].first);
        EXPECT_EQ(list->rows->field(row, 3).asNumber(), rt::Decimal(cases[row - 1].icon));
    }
    EXPECT_EQ(list->rows->field(1, 0).asText(), "X");
    EXPECT_EQ(list->rows->field(1, 1).asNumber(), rt::Decimal(3));
    EXPECT_EQ(list->rows->field(2, 1).asNumber(), rt::Decimal(1));
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ContactsSessionTest, FirstNameThumbFollowsTheHighlightedContact) {
    std::vector<Contact> contacts;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        contacts.push_back({std::string(1, letter) + "lex", "Row"});
    makeContacts(contacts);
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    const int list = windows::contacts_list::ContactsControl::List;
    const int rows = driver.active()->visibleRows(list);
    ASSERT_GE(rows, 3);
    ASSERT_LT(rows, 26);  // a full page, so the thumb is shown
    int previous = -1;
    for (int row = 1; row <= rows; ++row) {
        driver.click(rt::ControlName::parse(std::to_string(list)), row, "LeftClick");
        const int thumb = static_cast<int>(driver.active()->prop(list, PROP::VerticalThumb));
        SCOPED_TRACE(row);
        if (row == 1) {
            EXPECT_EQ(thumb, 0);
        }
        EXPECT_GT(thumb, previous);  // a later first letter stands further down
        previous = thumb;
    }
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ContactsSessionTest, EachTabListsTheContactsInItsOwnOrder) {
    // Each contact sorts first in exactly one order.
    const std::vector<LocatorFields> rows = {
        {"Aa", "Zz", "Zz", "Zz", "ZZ", "99999"}, {"Zb", "Aa", "Zz", "Zz", "ZZ", "99999"},
        {"Zc", "Zz", "Aa", "Zz", "ZZ", "99999"}, {"Zd", "Zz", "Zz", "Aa", "ZZ", "99999"},
        {"Ze", "Zz", "Zz", "Zz", "AA", "99999"}, {"Zf", "Zz", "Zz", "Zz", "ZZ", "00001"}};
    makeLocatorContacts(rows);
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    const int list = windows::contacts_list::ContactsControl::List;
    for (int i : {1, 2, 3, 4, 5, 0}) {
        SCOPED_TRACE(kTabs[i]);
        driver.press(kTabs[i]);
        EXPECT_EQ(std::string(rt::clip(driver.active()->rowTexts(list, 1).at(1))), rows[i][0]);
    }
    driver.press("Close");
    ASSERT_TRUE(driver.finish());

    // The client selection list has the same six orders; its rows start with the first name.
    driver.start([] {
        GLO::Request = REQ::Select;
        SelectClient();
    });
    driver.waitWindow("");
    const int clients = windows::client_selection::ClientControl::List;
    for (int i : {1, 2, 3, 4, 5, 0}) {
        SCOPED_TRACE(std::string("SelectClient ") + kTabs[i]);
        driver.press(kTabs[i]);
        EXPECT_EQ(std::string(rt::clip(driver.active()->rowTexts(clients, 1).at(0))), rows[i][0]);
    }
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

// Each locator entry takes what was typed as text, "0" too (zip codes may begin with it),
// and typing in the list goes on from it; a text past every contact shows the last one.
TEST_F(ContactsSessionTest, EveryLocatorEntryLocatesTextsBeginningWithZero) {
    // Every field of a contact holds the same text, so each order lists them alike.
    std::vector<LocatorFields> rows;
    for (const char* v : {"00", "01", "05", "10", "90", "95"})
        rows.push_back({v, v, v, v, v, v});
    makeLocatorContacts(rows);
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    struct Step {
        const char* entry;  // typed into the locator entry (nullptr: none)
        const char* keys;   // then typed into the list
        const char* highlighted;
    };
    // "9" first, so that a "0" left unlocated would show on "90".
    const Step steps[] = {{"9", "", "90"},  {"0", "", "00"},  {"0", "1", "01"}, {"9", "", "90"},
                          {"00", "", "00"}, {"9", "5", "95"}, {"05", "", "05"}, {"99", "", "95"},
                          {"0", "0", "00"}, {"1", "0", "10"}, {"zz", "", "95"}};
    using windows::contacts_list::ContactsControl::FirstLocator;
    for (int i = 0; i < 6; ++i) {
        driver.press(kTabs[i]);
        for (const Step& s : steps) {
            SCOPED_TRACE(std::string(kTabs[i]) + ": \"" + s.entry + "\" then \"" + s.keys + "\"");
            driver.type(FirstLocator + i, s.entry);
            for (const char* k = s.keys; *k; ++k)
                driver.key(std::string(1, *k));
            const auto row = driver.active()->rowTexts(
                windows::contacts_list::ContactsControl::List, selectedRow());
            EXPECT_EQ(std::string(rt::clip(row.at(1))), s.highlighted);
        }
    }
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ContactsSessionTest, TheListHandsOverTheHighlightedContactsAddresses) {
    MAIL.create();
    MAIL.open();
    const char* rows[][3] = {{"Ann", "ann@example.com", "www.ann.example"},
                             {"Bob", "bob@example.com", "https://bob.example/shop"},
                             {"Cy", "", "C:\\Windows\\notepad.exe"}};
    for (auto& r : rows) {
        MAIL.clear();
        MAI::FIRSTNAME.setText(r[0]);
        MAI::NOTE2.setText(r[1]);
        MAI::WEBSITE.setText(r[2]);
        MAIL.add();
    }
    MAIL.close();
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    const auto list = rt::ControlName::parse("1");
    driver.choose(list, 2);
    driver.press("E-Mail");
    driver.press("Web");
    driver.choose(list, 3);  // no e-mail address and a program: nothing is handed over
    driver.press("E-Mail");
    driver.expectMessage(
        "No e-mail address is given. An e-mail address holds one \"@\" with a name before it "
        "and a domain after it, such as ann@example.com.");
    driver.answer("OK");
    driver.press("Web");
    driver.expectMessage(
        "\"C:\\Windows\\notepad.exe\" is not a web address. Only addresses that begin with "
        "http:// or https://, or a site name such as www.example.com, can be opened.");
    driver.answer("OK");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(handed,
              (std::vector<std::string>{"mailto:bob@example.com", "https://bob.example/shop"}));
}

}  // namespace
