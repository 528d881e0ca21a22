// The genealogy report and the up-line report printed into PDF files and read back with
// pdftotext: the genealogy groups every contact by level, or only the tagged ones when any
// are tagged; the up-line report prints exactly the marked contacts in level order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "frame/tagging.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "tests/frame/report_test_pages.h"
#include "tests/genealogy/genealogy_fixture.h"
#include "tests/support/pdf_report.h"
#include "tests/support/pdf_words.h"
#include "tests/support/temp_dir.h"

namespace {

using genealogytest::makeMembers;
using genealogytest::Member;

// The words of the text that are one of `wanted`, in the order they stand ("Level 2" kept
// whole).
std::vector<std::string> wordsInOrder(const std::string& text,
                                      const std::vector<std::string>& wanted) {
    std::vector<std::string> found;
    const std::regex word("Level +[0-9]+|[A-Za-z]+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
         it != std::sregex_iterator(); ++it) {
        std::string w = std::regex_replace(it->str(), std::regex(" +"), " ");
        for (const std::string& x : wanted)
            if (w == x) found.push_back(w);
    }
    return found;
}

class GenealogyReportsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::installPdfPrinting();
        std::vector<Member> m = {{"Carol", "C", "B", 2},
                                 {"Nobody", "N", "", 0},
                                 {"Alice", "A", "", 1},
                                 {"Bruce", "B", "A", 1},
                                 {"Dora", "D", "C", 3}};
        m[0].mark = "X";
        m[2].mark = "X";
        pointers = makeMembers(m);
    }

    testsupport::TempDir dir{/*enter=*/true};
    std::filesystem::path pdf = dir / "report.pdf";
    std::vector<std::int64_t> pointers;
    const std::vector<std::string> words = {"Level 0", "Level 1", "Level 2", "Level 3", "Alice",
                                            "Bruce",   "Carol",   "Dora",    "Nobody"};
};

TEST_F(GenealogyReportsTest, TheGenealogyGroupsEveryContactByLevelWhenNoneIsTagged) {
    ASSERT_TRUE(testsupport::printReportToPdf(&PrintGenealogy, pdf));
    const std::string text = testsupport::pdfText(pdf);
    EXPECT_THAT(text, testing::HasSubstr("Genealogy"));
    EXPECT_THAT(text, testing::HasSubstr("Name - First, Last"));
    // Each heading keeps to its column: none runs into the next.
    EXPECT_THAT(text, testing::ContainsRegex("Entry Date +St\\. +First Phone#"));
    EXPECT_EQ(wordsInOrder(text, words),
              (std::vector<std::string>{"Level 0", "Nobody", "Level 1", "Alice", "Bruce", "Level 2",
                                        "Carol", "Level 3", "Dora"}));
}

TEST_F(GenealogyReportsTest, TheGenealogyPrintsOnlyTheTaggedContactsWhenAnyAreTagged) {
    OpenTagFile_();
    SetTag_(TAG::Genealogy, static_cast<long>(pointers[4]), "Dora");
    SetTag_(TAG::Genealogy, static_cast<long>(pointers[2]), "Alice");
    CloseTagFile_();
    ASSERT_TRUE(testsupport::printReportToPdf(&PrintGenealogy, pdf));
    EXPECT_EQ(wordsInOrder(testsupport::pdfText(pdf), words),
              (std::vector<std::string>{"Level 1", "Alice", "Level 3", "Dora"}));
}

TEST_F(GenealogyReportsTest, TheUplineReportPrintsTheMarkedContactsInLevelOrder) {
    ASSERT_TRUE(testsupport::printReportToPdf(&PrintUplineReport, pdf));
    const std::string text = testsupport::pdfText(pdf);
    EXPECT_THAT(text, testing::HasSubstr("Report For Upline"));
    EXPECT_THAT(text, testing::HasSubstr("Sponsor & ID"));
    EXPECT_EQ(wordsInOrder(text, words),
              (std::vector<std::string>{"Alice", "Level 1", "Carol", "Level 2"}));
}

// Every field the two reports print filled with the longest value it holds, in capitals and
// the widest letters: from the printed PDF, no word leaves the sheet and none stands over
// another.
TEST_F(GenealogyReportsTest, LongestValuesStayInTheirColumnsAndApart) {
    MAIL.open();
    for (std::int64_t pointer : pointers) {
        MAIL.get(pointer);
        for (const auto& [field, length] :
             std::vector<std::pair<const rt::Field*, std::size_t>>{{&MAI::FIRSTNAME, 15},
                                                                   {&MAI::LASTNAME, 15},
                                                                   {&MAI::SPONSOR, 20},
                                                                   {&MAI::STATE, 2},
                                                                   {&MAI::COMPANYNAME, 30},
                                                                   {&MAI::ADDRESS, 30},
                                                                   {&MAI::CITY, 15},
                                                                   {&MAI::ZIP, 12}})
            field->setText(std::string(length, 'W'));
        for (const rt::Field* phone :
             {&MAI::HOMEPHONE, &MAI::WORKPHONE, &MAI::FAX, &MAI::CELLPHONE, &MAI::BEEPER})
            phone->setText("8005551212");
        ASSERT_EQ(MAIL.put(), 0);
    }
    MAIL.close();
    for (auto* report : {&PrintGenealogy, &PrintUplineReport}) {
        std::filesystem::remove(pdf);
        ASSERT_TRUE(testsupport::printReportToPdf(report, pdf));
        testsupport::expectEveryWordInItsSlotApartAndOffTheRules(pdf, {0, 0, 8500, 11000});
        testsupport::expectTheFontsOfTheWindows(pdf);
    }
}

}  // namespace
