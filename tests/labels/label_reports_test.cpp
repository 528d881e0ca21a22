// The label, envelope and shipping-label reports of the tagged contacts as the pages that
// reach the printer show them: places on the sheet, order, and what each label holds.
#include <gtest/gtest.h>

#include <cstdio>

#include "invoices/invoice_procedures.h"
#include "labels/label_procedures.h"
#include "records/company.h"
#include "tests/labels/label_fixture.h"
#include "tests/support/page_keeper.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace labeltest;
using testsupport::findText;

class LabelReportsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        keeper = testsupport::installPageKeeper();
        GLO::CompanyName = "Acme Supply";
        GLO::CompanyAddress = "1 Main Street";
        GLO::CompanyCityStateZip = "Springfield IL 62704";
    }
    void TearDown() override { rt::printer().reset(); }

    // Thirty-one contacts Last01 .. Last31, zip codes running the other way, all tagged.
    void thirtyOneTagged() {
        std::vector<Contact> contacts;
        for (int i = 1; i <= 31; ++i) {
            char last[8], zip[8];
            std::snprintf(last, sizeof last, "Last%02d", i);
            std::snprintf(zip, sizeof zip, "%05d", 99000 - i);
            contacts.push_back({"F", last, "Co", "1 Road", "Town", "IL", zip});
        }
        tagContacts(makeContacts(contacts));
    }

    testsupport::TempDir dir{/*enter=*/true};
    std::shared_ptr<testsupport::PageKeeper> keeper;
};

TEST_F(LabelReportsTest, ThirtyOneLabelsFillThreeAcrossTenDownThenTheTopLeftOfPageTwo) {
    thirtyOneTagged();
    EXPECT_EQ(printAtOnce(&PrintLabelsByLastName), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 2u);
    for (int i = 0; i < 30; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "F Last%02d", i + 1);
        const rt::PageText* t = findText(keeper->printed[0], name);
        ASSERT_NE(t, nullptr) << name;
        EXPECT_EQ(t->x, 250 + 2625 * (i % 3) + 344) << name;
        EXPECT_EQ(t->y, 500 + 1000 * (i / 3) + 302) << name;
    }
    const rt::PageText* last = findText(keeper->printed[1], "F Last31");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->x, 250 + 344);
    EXPECT_EQ(last->y, 500 + 302);
    EXPECT_NE(findText(keeper->printed[1], "Town,IL 98969"), nullptr);
}

TEST_F(LabelReportsTest, ZipOrderPutsTheLowestZipFirstWithItsOwnLineHeights) {
    thirtyOneTagged();
    EXPECT_EQ(printAtOnce(&PrintLabelsByZip), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 2u);
    // Last31 has the lowest zip: the top left label of page 1; Last01 ends on page 2.
    const rt::PageText* first = findText(keeper->printed[0], "F Last31");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, 250 + 344);
    EXPECT_EQ(first->y, 500 + 292);
    const rt::PageText* company = findText(keeper->printed[0], "Co");
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(company->y, 500 + 104);
    EXPECT_NE(findText(keeper->printed[1], "F Last01"), nullptr);
}

TEST_F(LabelReportsTest, OnlyTaggedContactsPrintAndNoTagGivesNoPage) {
    auto pointers = makeContacts({{"Al", "Adams", "", "1 A St", "Ames", "IA", "50010"},
                                  {"Bo", "Brown", "Brown Co", "2 B St", "Boise", "ID", "83701"},
                                  {"Cy", "Clark", "", "3 C St", "Cody", "WY", "82414"}});
    EXPECT_EQ(printAtOnce(&PrintLabelsByLastName), RESP::Cancelled);
    EXPECT_TRUE(keeper->printed.empty());
    tagContacts({pointers[0], pointers[2]});
    EXPECT_EQ(printAtOnce(&PrintLabelsByLastName), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 1u);
    const rt::Page& page = keeper->printed[0];
    EXPECT_EQ(findText(page, "Bo Brown"), nullptr);
    const rt::PageText* cy = findText(page, "Cy Clark");
    ASSERT_NE(cy, nullptr);
    EXPECT_EQ(cy->x, 250 + 2625 + 344);  // the second label
    // An empty company leaves its line blank; the address stays in its place.
    const rt::PageText* street = findText(page, "3 C St");
    ASSERT_NE(street, nullptr);
    EXPECT_EQ(street->y, 500 + 500);
}

TEST_F(LabelReportsTest, TenShippingLabelsGiveNineAndOneInFirstNameOrder) {
    std::vector<Contact> contacts;
    const char* firsts[] = {"Jan", "Ida", "Hal", "Gus", "Fay", "Eve", "Dan", "Cy", "Bo", "Al"};
    for (const char* f : firsts)
        contacts.push_back({f, "Smith", "", "9 Elm", "Troy", "NY", "12180"});
    tagContacts(makeContacts(contacts));
    EXPECT_EQ(printAtOnce(&PrintShippingLabel), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 2u);
    const char* inOrder[] = {"Al", "Bo", "Cy", "Dan", "Eve", "Fay", "Gus", "Hal", "Ida"};
    for (int i = 0; i < 9; ++i) {
        const rt::PageText* t = findText(keeper->printed[0], inOrder[i]);
        ASSERT_NE(t, nullptr) << inOrder[i];
        EXPECT_EQ(t->x, 354 + 2594 * (i % 3) + 10 + 156) << inOrder[i];
        EXPECT_EQ(t->y, 500 + 3000 * (i / 3) + 10 + 1719) << inOrder[i];
    }
    const rt::Page& second = keeper->printed[1];
    const rt::PageText* jan = findText(second, "Jan");
    ASSERT_NE(jan, nullptr);
    EXPECT_EQ(jan->x, 354 + 10 + 156);
    // Fixed columns: the last name at 1302, the comma at 1250, the state at 1323.
    EXPECT_EQ(findText(second, "Smith")->x, 354 + 10 + 1302);
    EXPECT_EQ(findText(second, ",")->x, 354 + 10 + 1250);
    EXPECT_EQ(findText(second, "NY")->x, 354 + 10 + 1323);
    // The sender repeats on every label.
    EXPECT_NE(findText(second, "Acme Supply"), nullptr);
}

// Runs the envelopes (no destination question) and answers the plain preview with `print`.
long envelopes(bool print) {
    long response = 0;
    rt::Driver driver;
    driver.start([&] {
        PrintEnvelopes();
        response = GLO::Response;
    });
    runTimers(driver);
    rt::Window* w = driver.active();
    if (w && w->title() == "Report Preview") driver.press(print ? 17 : 18);
    driver.finish();
    return response;
}

TEST_F(LabelReportsTest, EnvelopesPrintWholeNamesInFirstNameOrderOnlyWhenThePreviewSaysSo) {
    tagContacts(makeContacts({{"Zed", "Young", "Young Inc", "5 Oak", "Springfield", "IL", "62701"},
                              {"Maximilianusxyz", "Bartholomewsson", "", "7 Pine",
                               "Framinghamtowns", "MA", "01701-123456"},
                              {"Amy", "Ames", "", "1 Ash", "Ames", "IA", "50010"}}));
    EXPECT_EQ(envelopes(false), RESP::Completed);
    EXPECT_TRUE(keeper->printed.empty());
    EXPECT_EQ(envelopes(true), RESP::Completed);
    ASSERT_EQ(keeper->printed.size(), 3u);
    EXPECT_NE(findText(keeper->printed[0], "Amy Ames"), nullptr);
    const rt::Page& long_ = keeper->printed[1];
    const rt::PageText* name = findText(long_, "Maximilianusxyz Bartholomewsson");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, 500 + 10 + 3365);
    EXPECT_EQ(name->y, 250 + 1448);
    EXPECT_NE(findText(long_, "Framinghamtowns, MA 01701-123456"), nullptr);
    EXPECT_NE(findText(keeper->printed[2], "Springfield, IL 62701"), nullptr);
    EXPECT_NE(findText(keeper->printed[2], "Acme Supply"), nullptr);
}

}  // namespace
