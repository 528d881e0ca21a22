// The pay-to look-up of the client check-information form and the payee list behind it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/check_procedures.h"
#include "checks/payee_list_window.h"
#include "contacts/contact_procedures.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "records/checks.h"
#include "records/mail.h"
#include "records/payee.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/temp_dir.h"

namespace {

using windows::payee_list::PayeeListControl::List;

struct Payee {
    const char* name;
    const char* address;
};

void makePayees(const std::vector<Payee>& payees) {
    PAYEE.remove();  // CREATE never replaces a file
    PAYEE.create();
    PAYEE.open();
    for (const Payee& p : payees) {
        PAYEE.clear();
        PAY::PAYTO.setText(p.name);
        PAY::ADDRESS.setText(p.address);
        PAY::CITYSTATEZIP.setText(std::string(p.address) + " City");
        PAYEE.add();
    }
    PAYEE.close();
}

struct Outcome {
    bool listOpened = false;
    std::string highlighted;  // the payee highlighted when the list opened
    std::string payTo, checkAddress, checkCity;
};

// Opens the check-information form on a contact whose pay-to is `typed`, tabs into
// "Pay To:" and, when the payee list opens, presses `listButton` in it.
Outcome tabIntoPayTo(const std::string& typed, const char* listButton) {
    Outcome out;
    rt::Driver driver;
    driver.start([&out, typed] {
        MAIL.clear();
        CHECKS.clear();
        MAI::PAYTO.setText(typed);
        UpdateClientCheckInfo();
        out.payTo = rt::clip(MAI::PAYTO.text());
        out.checkAddress = rt::clip(CHE::CKADDRESS.text());
        out.checkCity = rt::clip(CHE::CKCITYSTATEADDRESS.text());
    });
    driver.waitWindow("");
    driver.type("MAI:CHECKNUMBER", "101");
    driver.key("Tab");
    driver.settle();
    if (driver.active() && driver.active()->title() == "Select The Pay To") {
        out.listOpened = true;
        rt::Window& list = *driver.active();
        const int row = static_cast<int>(list.prop(List, PROP::SelectedRow));
        out.highlighted = rt::clip(list.rowTexts(List, row).at(0));
        driver.press(listButton);
    }
    driver.waitWindow("");
    driver.press("OK");
    EXPECT_TRUE(driver.finish());
    return out;
}

class PayToLookupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterContactProcedures();
        RegisterCheckProcedures();
        makePayees({{"Acme Supply", "1 Main St"},
                    {"Charlie Co", "3 Oak Ave"},
                    {"Zeta Works", "9 Elm Rd"}});
    }
    testsupport::TempDir dir{/*enter=*/true};
};

TEST_F(PayToLookupTest, KnownNamesStayUnknownNamesOpenTheListAtOrAfterThem) {
    struct Case {
        const char* typed;
        const char* listButton;
        bool listOpened;
        const char* highlighted;
        const char* payTo;
        const char* checkAddress;
        const char* checkCity;
    } cases[] = {
        // A payee of that name in another letter case: no list, the text stays.
        {"acme SUPPLY", "", false, "", "acme SUPPLY", "", ""},
        // Unknown: the list opens on the first payee after it; Select takes that payee's
        // name, and its address for the check.
        {"Bravo", "&Select", true, "Charlie Co", "Charlie Co", "3 Oak Ave", "3 Oak Ave City"},
        // Close leaves the typed text and the check's address alone.
        {"Bravo", "Close", true, "Charlie Co", "Bravo", "", ""},
        // Past the last payee: the list opens on the last one.
        {"Zz", "&Select", true, "Zeta Works", "Zeta Works", "9 Elm Rd", "9 Elm Rd City"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " / " + c.listButton);
        const Outcome out = tabIntoPayTo(c.typed, c.listButton);
        EXPECT_EQ(out.listOpened, c.listOpened);
        EXPECT_EQ(out.highlighted, c.highlighted);
        EXPECT_EQ(out.payTo, c.payTo);
        EXPECT_EQ(out.checkAddress, c.checkAddress);
        EXPECT_EQ(out.checkCity, c.checkCity);
    }
}

TEST_F(PayToLookupTest, APayeeAddedInTheEmptyListIsSelected) {
    PAYEE.remove();  // CREATE never replaces a file
    PAYEE.create();
    PAYEE.open();
    PAYEE.empty();
    PAYEE.close();
    Outcome out;
    rt::Driver driver;
    driver.start([&out] {
        MAIL.clear();
        UpdateClientCheckInfo();
        out.payTo = rt::clip(MAI::PAYTO.text());
    });
    driver.waitWindow("");
    driver.type("MAI:CHECKNUMBER", "7");
    driver.key("Tab");
    driver.waitWindow("Select The Pay To");
    driver.press("Add");
    driver.waitWindow("Enter The Pay To Name For Check");
    driver.expectText(rt::ControlName::parse("1"), "Record will be Added");
    driver.type("PAY:PAYTO", "New Payee");
    driver.press("OK");
    driver.waitWindow("Select The Pay To");
    driver.expectRow(rt::ControlName::parse("1"), 1, "New Payee");
    driver.press("&Select");
    driver.waitWindow("");
    driver.press("OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(out.payTo, "New Payee");
}

// The client's check information refuses an account number longer than the bank line holds
// as the check form does: a message, and the number from before stays.
TEST_F(PayToLookupTest, AnAccountNumberTooLongForTheBankLineIsRefused) {
    std::string kept;
    rt::Driver driver;
    driver.start([&kept] {
        MAIL.clear();
        MAI::ACCOUNTNUMBER.setText("987654");
        UpdateClientCheckInfo();
        kept = rt::clip(MAI::ACCOUNTNUMBER.text());
    });
    driver.waitWindow("");
    driver.type("MAI:ACCOUNTNUMBER", "1234567890123456789");
    driver.expectMessage(
        "The account number is too long for the bank line: it holds at most 18 characters.");
    driver.answer("OK");
    driver.expectText(rt::ControlName::parse("MAI:ACCOUNTNUMBER"), "987654");
    driver.press("OK");
    EXPECT_TRUE(driver.finish());
    EXPECT_EQ(kept, "987654");
}

}  // namespace
