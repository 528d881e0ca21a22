// The query-by-example scan over a real MAIL file: keyed starts and their early end, the
// record-order scan, the walk over the tag table, and a read error.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
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

// The text match types written out plainly, for the model below: every text is compared
// upper-cased and blank-padded to the longer one's length.
namespace model {

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
std::string stripLeft(const std::string& s) {
    const std::size_t i = s.find_first_not_of(' ');
    return i == std::string::npos ? "" : s.substr(i);
}
std::string stripRight(const std::string& s) {
    const std::size_t i = s.find_last_not_of(' ');
    return i == std::string::npos ? "" : s.substr(0, i + 1);
}
int compare(std::string a, std::string b) {
    const std::size_t n = std::max(a.size(), b.size());
    a.resize(n, ' ');
    b.resize(n, ' ');
    return a.compare(b);
}

bool matches(int type, const std::string& stored, const std::string& criterion,
             const std::string& upperLimit) {
    const std::string field = upper(stored), c = stripRight(upper(criterion)),
                      u = stripRight(upper(upperLimit));
    const std::string first = stripLeft(field);
    switch (type) {
        case MATCH::Equals:
            return compare(first, c) == 0;
        case MATCH::NotEqual:
            return compare(field, c) != 0;
        case MATCH::MoreThan:
            return compare(field, c) > 0;
        case MATCH::LessThan:
            return compare(field, c) < 0;
        case MATCH::MoreOrEqual:
            return compare(field, c) >= 0;
        case MATCH::LessOrEqual:
            return compare(field, c) <= 0;
        case MATCH::InsideRange:
        case MATCH::OutsideRange: {
            const bool inside = compare(first.substr(0, c.size()), c) >= 0 &&
                                compare(first.substr(0, u.size()), u) <= 0;
            return inside == (type == MATCH::InsideRange);
        }
        case MATCH::BeginsWith:
            return compare(first.substr(0, c.size()), c) == 0;
        case MATCH::EndsWith: {
            const std::string f = stripRight(field);
            return f.size() >= c.size() && f.substr(f.size() - c.size()) == c;
        }
        case MATCH::Contains:
            return field.find(c) != std::string::npos;
        case MATCH::NotContains:
            return field.find(c) == std::string::npos;
        default:
            return true;
    }
}

}  // namespace model

// Generated contacts whose Tag 1 holds a colour in any case, after 0 to 2 blanks or none at
// all: every text match type, with criteria with and without leading blanks, finds exactly
// the contacts the model finds.
TEST_F(SearchScanTest, TextMatchTypesAgreeWithAModelOverGeneratedContacts) {
    const char* words[] = {"red", "Red", "RED", "re", "reds", "blue", "Blue green", ""};
    std::mt19937 random(37);
    ASSERT_EQ(rt::logout(2, {&MAIL}), 0);
    for (int i = 0; i < 600; ++i) {
        MAIL.clear();
        MAI::FIRSTNAME.setText("Gen" + std::to_string(i));
        MAI::TAB1.setText(std::string(random() % 3, ' ') + words[random() % std::size(words)]);
        ASSERT_EQ(MAIL.add(), 0);
    }
    ASSERT_EQ(rt::commit(), 0);
    struct Record {
        std::string first, tab1;
    };
    std::vector<Record> all;
    ASSERT_EQ(MAIL.set(), 0);
    while (MAIL.next() == 0)
        all.push_back({std::string(MAI::FIRSTNAME.text().substr(0, 5)), MAI::TAB1.text()});

    struct Criterion {
        const char *text, *upper;
    };
    const Criterion criteria[] = {{"red", "reds"}, {"RE", "rf"}, {"  red", "s"}, {"blue", "c"}};
    for (int type = MATCH::Equals; type <= MATCH::NotContains; ++type) {
        for (const Criterion& c : criteria) {
            SCOPED_TRACE("type " + std::to_string(type) + " criterion '" + c.text + "'");
            MAIL.clear();
            SearchCriteria search(MAIL, mailFields());
            search.setType(kTab1, type);
            search.setLimitText(kTab1, model::upper(c.upper));
            MAI::TAB1.setText(c.text);
            std::vector<std::string> expected;
            for (const Record& r : all)
                if (model::matches(type, r.tab1, c.text, c.upper)) expected.push_back(r.first);
            EXPECT_EQ(scan(search), expected);
        }
    }
    // The contacts hold the case that tells "Does not equal" from the negation of "Equals".
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const Record& r) {
        return model::matches(MATCH::Equals, r.tab1, "red", "") &&
               model::matches(MATCH::NotEqual, r.tab1, "red", "");
    }));
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
