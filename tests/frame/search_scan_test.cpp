// The query-by-example scan over a real MAIL file: keyed starts and their early end, the
// record-order scan, the walk over the tag table, and a read error.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/codes.h"
#include "frame/search_criteria.h"
#include "frame/search_scan.h"
#include "frame/search_start.h"
#include "frame/tagging.h"
#include "frame/use_counts.h"
#include "records/mail.h"
#include "runtime/data/transaction.h"
#include "runtime/text/day_number.h"
#include "tests/support/temp_dir.h"

namespace {

// Control numbers of the fields, as a search form would number its entries.
constexpr int kFirst = 1, kLast = 2, kDate = 6, kPhoneKind = 13, kTab1 = 14, kNotes = 20;

std::vector<SearchField> mailFields() {
    return {
        {kFirst, FieldKind::Text, "MAI:FIRSTNAME"}, {kLast, FieldKind::Text, "MAI:LASTNAME"},
        {kDate, FieldKind::Date, "MAI:DATE"},       {kPhoneKind, FieldKind::Choice, "MAI:PHONE1"},
        {kTab1, FieldKind::Text, "MAI:TAB1"},       {kNotes, FieldKind::Memo, "MAI:NOTES3"}};
}

const std::vector<KeyStart> kKeyStarts = {
    {kFirst, MAI::KEYFIRSTNAME}, {kDate, MAI::KEYDATE}, {kLast, MAI::KEYLASTNAME}};

class SearchScanTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseFile(MAIL);
        const char* first[] = {"Adam", "Anna", "Bert", "Berta", "Carl", "Dora", "Emil", "Frida"};
        int i = 0;
        for (const char* name : first) {
            MAIL.clear();
            MAI::FIRSTNAME.setText(name);
            MAI::LASTNAME.setText(i % 2 ? "Smith" : "Jones");
            MAI::PHONE1.setText(i == 3 ? "Fax" : "Home Phone");
            MAI::DATE.setInteger(rt::date(1 + i, 10, i < 4 ? 1999 : 2001));
            MAI::TAB1.setText(i < 3 ? "club" : "");
            MAI::NOTES3.setText(i == 5 ? "Met at the Spring Fair" : "");
            ASSERT_EQ(MAIL.add(), 0);
            ++i;
        }
        MAIL.clear();
    }
    void TearDown() override {
        CloseTagFile_();
        ReleaseFile(MAIL);
    }

    // Runs a whole scan and answers the first names found.
    std::vector<std::string> scan(SearchCriteria& criteria, bool walkTags = false) {
        criteria.save();
        SearchScan s(MAIL, criteria, TAG::Contacts);
        s.start(kKeyStarts, walkTags);
        std::vector<std::string> names;
        while (s.next() == SearchScan::Result::Match)
            names.push_back(std::string(MAI::FIRSTNAME.text().substr(0, 5)));
        last = {s.recordsRead(), s.total(), s.stopField(), s.walksTags()};
        return names;
    }
    struct Stats {
        long read = 0, total = 0;
        int stop = 0;
        bool tags = false;
    } last;

    testsupport::TempDir dir{/*enter=*/true};
};

TEST_F(SearchScanTest, BeginsWithOnAKeyedFieldStopsPastThePrefix) {
    SearchCriteria criteria(MAIL, mailFields());
    criteria.setType(kFirst, MATCH::BeginsWith);
    MAI::FIRSTNAME.setText("be");
    EXPECT_EQ(scan(criteria), (std::vector<std::string>{"Bert ", "Berta"}));
    EXPECT_EQ(last.stop, kFirst);
    EXPECT_EQ(last.read, 3);  // Bert, Berta, and Carl that ends it
    EXPECT_EQ(last.total, 8);
    // The saved criterion is upper-cased and goes back into the buffer.
    criteria.restore();
    EXPECT_EQ(MAI::FIRSTNAME.text().substr(0, 2), "BE");
}

TEST_F(SearchScanTest, AChoiceFieldAloneReadsTheWholeFileInRecordOrder) {
    SearchCriteria criteria(MAIL, mailFields());
    criteria.setType(kPhoneKind, MATCH::Equals);
    MAI::PHONE1.setText("Fax");
    EXPECT_EQ(scan(criteria), (std::vector<std::string>{"Berta"}));
    EXPECT_EQ(last.stop, 0);
    EXPECT_EQ(last.read, 8);
}

TEST_F(SearchScanTest, InThisYearStartsAtTheFirstDayOfTheYearByKey) {
    SearchCriteria criteria(MAIL, mailFields());
    criteria.setType(kDate, MATCH::SameYear);
    MAI::DATE.setInteger(rt::date(6, 30, 2001));
    EXPECT_EQ(scan(criteria), (std::vector<std::string>{"Carl ", "Dora ", "Emil ", "Frida"}));
    EXPECT_EQ(last.stop, kDate);
    EXPECT_EQ(last.read, 4);  // the last record of 2001 is the file's last
}

TEST_F(SearchScanTest, KeyedStartLeavesTheCriterionInTheBuffer) {
    MAI::DATE.setInteger(rt::date(6, 30, 2001));
    int stop = -1;
    ASSERT_TRUE(SetSearchStart(MAIL, MAI::KEYDATE, MAIL.buf().field("MAI:DATE"), kDate,
                               MATCH::SameYearMonth, stop));
    EXPECT_EQ(stop, kDate);
    EXPECT_EQ(MAI::DATE.integer(), rt::date(6, 30, 2001));
    ASSERT_EQ(MAIL.next(), 0);
    EXPECT_EQ(MAI::FIRSTNAME.text().substr(0, 4), "Dora");  // 10 June 2001, the first >= 1 June
    // Types without a keyed start position nothing.
    EXPECT_FALSE(SetSearchStart(MAIL, MAI::KEYDATE, MAIL.buf().field("MAI:DATE"), kDate,
                                MATCH::NotEqual, stop));
    EXPECT_EQ(stop, 0);
}

TEST_F(SearchScanTest, SeveralFieldsMustAllPassAndMemosIgnoreCase) {
    SearchCriteria criteria(MAIL, mailFields());
    criteria.setType(kLast, MATCH::Equals);
    criteria.setType(kNotes, MATCH::Contains);
    MAI::LASTNAME.setText("smith");
    MAI::NOTES3.setText("spring fair");
    EXPECT_EQ(scan(criteria), (std::vector<std::string>{"Dora "}));
    // Lastname "Equals" starts by key and stops after the Smiths.
    EXPECT_EQ(last.stop, kLast);
}

TEST_F(SearchScanTest, UnselectWithoutAKeyedStartWalksOnlyTheTaggedRecords) {
    // Tag Adam, Bert and Emil.
    ASSERT_EQ(MAIL.set(MAI::KEYFIRSTNAME), 0);
    while (MAIL.next() == 0) {
        const std::string name(MAI::FIRSTNAME.text());
        if (name.rfind("Adam", 0) == 0 || name.rfind("Bert ", 0) == 0 || name.rfind("Emil", 0) == 0)
            SetTag_(TAG::Contacts, MAIL.pointer(), name);
    }
    MAIL.clear();
    SearchCriteria criteria(MAIL, mailFields());
    criteria.setType(kTab1, MATCH::Equals);
    MAI::TAB1.setText("CLUB");
    criteria.save();
    SearchScan s(MAIL, criteria, TAG::Contacts);
    s.start(kKeyStarts, /*walkTagsWithoutKey=*/true);
    ASSERT_TRUE(s.walksTags());
    EXPECT_EQ(s.total(), 3);
    std::vector<std::string> names;
    while (s.next() == SearchScan::Result::Match) {
        names.push_back(std::string(MAI::FIRSTNAME.text().substr(0, 4)));
        ClrTag_(TAG::Contacts, MAIL.pointer());  // untagging does not disturb the walk
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Adam", "Bert"}));
    EXPECT_EQ(s.recordsRead(), 3);
    EXPECT_EQ(CountTags_(TAG::Contacts), 1);
}

TEST_F(SearchScanTest, AReadErrorEndsTheScanAsAnErrorNotAsItsEnd) {
    SearchCriteria criteria(MAIL, mailFields());
    criteria.setType(kPhoneKind, MATCH::Equals);
    MAI::PHONE1.setText("Home Phone");
    criteria.save();
    SearchScan s(MAIL, criteria, TAG::Contacts);
    s.start(kKeyStarts, false);
    ASSERT_EQ(s.next(), SearchScan::Result::Match);
    MAIL.close();  // the file goes away under the scan
    EXPECT_EQ(s.next(), SearchScan::Result::ReadError);
    EXPECT_EQ(s.found(), 1);
    ASSERT_EQ(MAIL.open(), 0);
}

TEST_F(SearchScanTest, CancellingAtAPauseEndsTheScan) {
    ASSERT_EQ(rt::logout(2, {&MAIL}), 0);
    for (int i = 0; i < 250; ++i) {
        MAIL.clear();
        MAI::FIRSTNAME.setText("Zed" + std::to_string(i));
        ASSERT_EQ(MAIL.add(), 0);
    }
    ASSERT_EQ(rt::commit(), 0);
    MAIL.clear();
    SearchCriteria criteria(MAIL, mailFields());
    criteria.setType(kPhoneKind, MATCH::Equals);
    MAI::PHONE1.setText("Nothing");
    criteria.save();
    SearchScan s(MAIL, criteria, TAG::Contacts);
    s.start(kKeyStarts, false);
    std::vector<int> percents;
    auto pause = [&](int percent) {
        percents.push_back(percent);
        return percents.size() < 2;
    };
    EXPECT_EQ(s.next(pause), SearchScan::Result::End);
    EXPECT_EQ(percents, (std::vector<int>{38, 77}));
    EXPECT_EQ(s.recordsRead(), 200);
}

}  // namespace
