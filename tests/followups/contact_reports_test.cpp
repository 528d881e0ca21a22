// The follow-up, appointment and tagged contacts reports printed into PDF files, read back
// with pdftotext: exactly the expected contacts in the expected order; an empty selection
// shows no preview and writes no file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "followups/followup_procedures.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/mail.h"
#include "runtime/text/day_number.h"
#include "tests/followups/follow_up_fixture.h"
#include "tests/frame/report_test_pages.h"
#include "tests/support/pdf_report.h"
#include "tests/support/pdf_words.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace followuptest;

using testsupport::pdfText;

// The first names found in the text, in the order they stand.
std::vector<std::string> namesInOrder(const std::string& text,
                                      const std::vector<std::string>& names) {
    std::vector<std::pair<std::size_t, std::string>> found;
    for (const std::string& n : names)
        for (std::size_t at = text.find(n); at != std::string::npos; at = text.find(n, at + 1))
            found.emplace_back(at, n);
    std::sort(found.begin(), found.end());
    std::vector<std::string> out;
    for (const auto& f : found)
        out.push_back(f.second);
    return out;
}

class ContactReportsTest : public ::testing::Test {
  protected:
    void SetUp() override { testsupport::installPdfPrinting(); }

    // Runs the report, chooses to view and print into `pdf`; answers whether a preview
    // showed.
    bool printToPdf(void (*report)()) {
        return testsupport::printReportToPdf(
            [this, report] {
                report();
                response = GLO::Response;
            },
            pdf);
    }

    testsupport::TempDir dir{/*enter=*/true};
    std::filesystem::path pdf = dir / "report.pdf";
    long response = 0;
    const long today = rt::today();
    const std::vector<std::string> names = {"Alpha", "Bravo", "Charlie", "Delta", "Echo"};
};

TEST_F(ContactReportsTest, FollowUpReportPrintsContactsWithAFollowUpInDayOrder) {
    makeContacts({{"Alpha", "Zed", today + 4},
                  {"Bravo", "Young", 0},
                  {"Charlie", "Xu", today - 2},
                  {"Delta", "Ware", today}});
    ASSERT_TRUE(printToPdf(&PrintContactsReport));
    const std::string text = pdfText(pdf);
    EXPECT_THAT(text, testing::HasSubstr("Report By Search Selection"));
    EXPECT_THAT(text, testing::HasSubstr("Call Back"));
    EXPECT_EQ(namesInOrder(text, names), (std::vector<std::string>{"Charlie", "Delta", "Alpha"}));
}

TEST_F(ContactReportsTest, AppointmentReportPrintsAppointmentsInDateAndTimeOrder) {
    makeContacts({{"Alpha", "Zed", 0, today + 1, "08:00"},
                  {"Bravo", "Young", today, 0, "07:00", "1"},
                  {"Charlie", "Xu", 0, today - 3, "10:00"},
                  {"Delta", "Ware", 0, today + 1, "07:30", "1"}});
    ASSERT_TRUE(printToPdf(&PrintAppointmentsReport));
    const std::string text = pdfText(pdf);
    // Each name stands twice: in the name and in the subject ("Subject Delta").
    EXPECT_EQ(namesInOrder(text, names),
              (std::vector<std::string>{"Charlie", "Charlie", "Delta", "Delta", "Alpha", "Alpha"}));
    EXPECT_THAT(text, testing::HasSubstr("Business"));
    EXPECT_THAT(text, testing::HasSubstr("10:00"));
}

TEST_F(ContactReportsTest, TaggedReportPrintsTheTaggedContactsInLastNameOrder) {
    const auto pointers = makeContacts({{"Alpha", "Zed"},
                                        {"Bravo", "Young"},
                                        {"Charlie", "Xu"},
                                        {"Delta", "Ware"},
                                        {"Echo", "Vo"}});
    OpenTagFile_();
    SetTag_(TAG::Contacts, static_cast<long>(pointers[0]), "Alpha");
    SetTag_(TAG::Contacts, static_cast<long>(pointers[3]), "Delta");
    SetTag_(TAG::Contacts, static_cast<long>(pointers[2]), "Charlie");
    CloseTagFile_();
    ASSERT_TRUE(printToPdf(&PrintMAILReport));
    EXPECT_EQ(namesInOrder(pdfText(pdf), names),
              (std::vector<std::string>{"Delta", "Charlie", "Alpha"}));
}

TEST_F(ContactReportsTest, AnEmptySelectionShowsNoPreviewAndWritesNoFile) {
    makeContacts({{"Alpha", "Zed"}, {"Bravo", "Young"}});
    for (auto report : {&PrintContactsReport, &PrintAppointmentsReport, &PrintMAILReport}) {
        EXPECT_FALSE(printToPdf(report));
        EXPECT_EQ(response, RESP::Cancelled);
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

// Every text field of the contacts filled to its length with the widest capital (the dates
// and the time that select them aside): from the printed PDF, no word leaves the sheet and
// none stands over another.
TEST_F(ContactReportsTest, LongestValuesStayInTheirBoxesAndApart) {
    const auto pointers = makeContacts(
        {{"Alpha", "Zed", today, today, "08:00"}, {"Bravo", "Young", today, today, "09:00"}});
    MAIL.open();
    for (std::int64_t pointer : pointers) {
        MAIL.get(pointer);
        for (const rt::FieldDecl& f : MAIL.decl().fields()) {
            if (f.type != rt::FieldType::String || f.size < 3 || f.name == "MAI:APPOINTMENTDATE" ||
                f.name == "MAI:APPOINTMENTTIME")
                continue;
            MAIL.buf().setText(MAIL.buf().field(f.name), std::string(f.size, 'W'));
        }
        ASSERT_EQ(MAIL.put(), 0);
    }
    MAIL.close();
    OpenTagFile_();
    for (std::int64_t pointer : pointers)
        SetTag_(TAG::Contacts, static_cast<long>(pointer), "x");
    CloseTagFile_();
    for (auto report : {&PrintContactsReport, &PrintAppointmentsReport, &PrintMAILReport}) {
        std::filesystem::remove(pdf);
        ASSERT_TRUE(printToPdf(report));
        testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {0, 0, 8500, 11000});
        testsupport::expectTheFontsOfTheWindows(pdf);
    }
}

}  // namespace
