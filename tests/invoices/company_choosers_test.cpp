// The own companies and the company choosers: what a choice puts into the company globals,
// the road each chooser takes next, and the companies kept through their list and form.
#include <gtest/gtest.h>

#include <string>

#include "contacts/contact_procedures.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "invoices/company_choice.h"
#include "invoices/invoice_procedures.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;

void clearGlobals() {
    GLO::CompanyName = "";
    GLO::CompanyAddress = "";
    GLO::CompanyCityStateZip = "";
    GLO::CompanyPhone = "";
    GLO::CompanyFax = "";
    GLO::SalesTaxRate = 0;
}

struct ChoiceCase {
    long long phone;
    const char* rate;
    const char* phoneText;
    const char* rateKept;
};

TEST(CompanyChoiceTest, TheGlobalsTakeTheCompanyWithItsWholeRate) {
    const ChoiceCase cases[] = {
        {2175550100, "0.0825", "2175550100", "0.0825"},  // 8.25 %, not rounded to 8.3 %
        {0, "0.0650", "0", "0.065"},
        {12, "0.0824", "12", "0.0824"},
    };
    for (const ChoiceCase& c : cases) {
        COMPANY.clear();
        COM::COMPANYNAME.setText("Acme Supply");
        COM::CITYSTATEZIP.setText("Springfield IL 62704");
        COM::PHONE.setInteger(c.phone);
        COM::FAX.setInteger(c.phone);
        COM::SALESTAX.setNumber(rt::Decimal(c.rate));
        TakeCompanyChoice();
        EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "Acme Supply");
        EXPECT_EQ(rt::clip(GLO::CompanyCityStateZip.view()), "Springfield IL 62704");
        EXPECT_EQ(rt::clip(GLO::CompanyPhone.view()), c.phoneText);
        EXPECT_EQ(rt::clip(GLO::CompanyFax.view()), c.phoneText);
        EXPECT_EQ(GLO::SalesTaxRate, rt::Decimal(c.rateKept)) << c.rate;
    }
}

class CompanyChooserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearGlobals();
        RegisterInvoiceProcedures();
    }
    void TearDown() override { driver.finish(); }

    // Runs a chooser as its callers do, keeping its response.
    void startChooser(void (*chooser)()) {
        driver.start([this, chooser] {
            GLO::Request = REQ::Select;
            chooser();
            response = GLO::Response;
        });
        driver.waitWindow("Select Company Name For Return Address");
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
    long response = 0;
};

TEST_F(CompanyChooserTest, TheInvoiceChoiceOpensTheInvoiceListAndAnswersCompletedAfterIt) {
    makeCompanies({{"First Co", "1 Main St", "Springfield IL", 2175550100, 0, "0.05"},
                   {"Second Co", "2 Oak St", "Dayton OH", 9375550100, 9375550199, "0.0825"}});
    makeInvoices({});
    startChooser(&SelectInvoiceCompany);
    driver.expectRow(rt::ControlName::parse("1"), 1,
                     "First Co | 1 Main St | Springfield IL | 2,175,550,100 | 0 | .05000");
    driver.choose(rt::ControlName::parse("1"), 2);
    driver.press("&Press Here After Selection");
    driver.waitWindow("Browse Invoice Records");
    EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "Second Co");
    EXPECT_EQ(GLO::SalesTaxRate, rt::Decimal("0.0825"));
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Completed);
}

TEST_F(CompanyChooserTest, TheEnvelopeAndLabelChoicesEndWithTheGlobalsSetUntilTheirReportsExist) {
    makeCompanies({{"Only Co", "9 Elm St", "Troy NY", 5185550100, 0, "0.04"}});
    for (void (*chooser)() : {&SelectEnvelopeCompany, &SelectShippingLabelCompany}) {
        clearGlobals();
        startChooser(chooser);
        driver.press("&Press Here After Selection");
        ASSERT_TRUE(driver.finish());
        EXPECT_EQ(response, RESP::Completed);
        EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "Only Co");
        EXPECT_EQ(rt::clip(GLO::CompanyPhone.view()), "5185550100");
    }
}

TEST_F(CompanyChooserTest, TheEnvelopeChoiceRunsThePrintingOnceItIsPartOfTheProgram) {
    makeCompanies({{"Only Co", "9 Elm St", "Troy NY", 0, 0, "0"}});
    // The registration outlives the test: what it writes must too.
    static std::string sender;
    sender.clear();
    RegisterProcedure("PrintEnvelopes",
                      [] { sender = std::string(rt::clip(GLO::CompanyName.view())); });
    startChooser(&SelectEnvelopeCompany);
    driver.press("&Press Here After Selection");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(sender, "Only Co");
}

TEST_F(CompanyChooserTest, AnEmptyFileStillChoosesBlankTextsAndZeros) {
    makeCompanies({});
    GLO::CompanyName = "Old Co";
    startChooser(&SelectShippingLabelCompany);
    driver.press("&Press Here After Selection");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "");
    EXPECT_EQ(rt::clip(GLO::CompanyPhone.view()), "0");
    EXPECT_EQ(GLO::SalesTaxRate, rt::Decimal(0));
}

TEST_F(CompanyChooserTest, CloseAnswersCancelledAndAddLeadsToTheCompanyList) {
    makeCompanies({{"Only Co", "9 Elm St", "Troy NY", 0, 0, "0.04"}});
    startChooser(&SelectInvoiceCompany);
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "");

    startChooser(&SelectInvoiceCompany);
    driver.press("Add");
    driver.waitWindow("Add Your Company Name");
    driver.press("Add");
    driver.waitWindow("Enter Your Company Name");
    driver.type("COM:COMPANYNAME", "New Co");
    driver.type("COM:SALESTAX", ".0725");
    driver.press("OK");
    driver.waitWindow("Add Your Company Name");
    driver.expectRow(rt::ControlName::parse("1"), 2, "New Co");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());  // the chooser is gone with the company list
    EXPECT_EQ(response, RESP::Cancelled);
    COMPANY.open();
    COMPANY.set();
    COMPANY.next();
    COMPANY.next();
    EXPECT_EQ(text(COM::COMPANYNAME), "New Co");
    EXPECT_EQ(amount(COM::SALESTAX), "0.0725");
    COMPANY.close();
}

// A rate the entry cannot take (a percentage, a negative, no number, six places) is refused
// with the form it takes; the entry shows the rate before and OK never stores a rate typed
// wrongly as 0.
TEST_F(CompanyChooserTest, ARateTypedInAnotherFormIsRefusedWithTheFormItTakes) {
    const char* const rule =
        "Type the sales tax as a fraction with at most five places: .08875 for 8.875 %.";
    const struct {
        const char* typed;
        std::string message;
    } cases[] = {
        {"8.875", std::string("8.875 is a percentage. ") + rule},
        {"6.5%",
         "6.5 is a percentage. Type the sales tax as a fraction with at most five "
         "places: .06500 for 6.5 %."},
        {"-.05", rule},
        {"abc", rule},
        {".123456", rule},
        {"1.5",
         "1.5 is a percentage. Type the sales tax as a fraction with at most five "
         "places: .01500 for 1.5 %."},
        {"7",
         "7 is a percentage. Type the sales tax as a fraction with at most five places: "
         ".07000 for 7 %."},
        {"150", rule},
        {"08250", rule},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        makeCompanies({{"Only Co", "9 Elm St", "Troy NY", 0, 0, "0.04"}});
        driver.start(&BrowseCompanies);
        driver.waitWindow("Add Your Company Name");
        driver.press("&Open");
        driver.waitWindow("Enter Your Company Name");
        driver.type("COM:SALESTAX", c.typed);
        driver.expectMessage(c.message);
        driver.answer("OK");
        driver.expectText(rt::ControlName::parse("COM:SALESTAX"), ".04000");
        driver.press("OK");
        driver.waitWindow("Add Your Company Name");
        driver.press("Close");
        ASSERT_TRUE(driver.finish());
        COMPANY.open();
        COMPANY.set();
        COMPANY.next();
        EXPECT_EQ(amount(COM::SALESTAX), "0.0400");
        COMPANY.close();
    }
}

TEST_F(CompanyChooserTest, TheCompanyFocusedOnTheChoiceStaysChosenWhenClosed) {
    makeCompanies({{"First Co", "1 Main St", "Springfield IL", 0, 0, "0.05"},
                   {"Second Co", "2 Oak St", "Dayton OH", 0, 0, "0.06"}});
    startChooser(&SelectInvoiceCompany);
    driver.choose(rt::ControlName::parse("1"), 2);
    driver.key("Tab");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "Second Co");
    EXPECT_EQ(GLO::SalesTaxRate, rt::Decimal("0.06"));
}

// The list and the choice carry the rate with its five places, whichever company was read
// last while the list filled.
TEST_F(CompanyChooserTest, TheListAndTheChoiceCarryTheRateTheInvoicesUse) {
    makeCompanies({{"First Co", "1 Main St", "Springfield IL", 0, 0, "0.08875"},
                   {"Second Co", "2 Oak St", "Dayton OH", 0, 0, "0.0825"},
                   {"Third Co", "3 Elm St", "Troy NY", 0, 0, "0.99999"}});
    startChooser(&SelectEnvelopeCompany);
    driver.expectRow(rt::ControlName::parse("1"), 1,
                     "First Co | 1 Main St | Springfield IL | 0 | 0 | .08875");
    driver.expectRow(rt::ControlName::parse("1"), 2,
                     "Second Co | 2 Oak St | Dayton OH | 0 | 0 | .08250");
    driver.expectRow(rt::ControlName::parse("1"), 3,
                     "Third Co | 3 Elm St | Troy NY | 0 | 0 | .99999");
    driver.choose(rt::ControlName::parse("1"), 1);
    driver.press("&Press Here After Selection");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(GLO::SalesTaxRate, rt::Decimal("0.08875"));

    // Focusing the choice button takes the highlighted company, then Close keeps it.
    startChooser(&SelectEnvelopeCompany);
    driver.choose(rt::ControlName::parse("1"), 1);
    driver.key("Tab");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "First Co");
    EXPECT_EQ(GLO::SalesTaxRate, rt::Decimal("0.08875"));
}

TEST_F(CompanyChooserTest, TheContactsListCreatesAnInvoiceThroughTheChooser) {
    RegisterContactProcedures();
    makeCompanies({{"Only Co", "9 Elm St", "Troy NY", 0, 0, "0.04"}});
    makeInvoices({});
    driver.start(&BrowseMAIL);
    driver.waitWindow("Names And Information");
    driver.press("Create An Invoice");
    driver.waitWindow("Select Company Name For Return Address");
    driver.press("&Press Here After Selection");
    driver.waitWindow("Browse Invoice Records");
    driver.press("Close");
    driver.waitWindow("Names And Information");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(rt::clip(GLO::CompanyName.view()), "Only Co");
}

}  // namespace
