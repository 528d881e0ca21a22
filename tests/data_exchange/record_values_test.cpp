// Storing imported texts into their fields: what fits is stored exactly, what does not is
// refused and leaves the field as it was.

#include "data_exchange/record_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "records/checks.h"
#include "records/mail.h"
#include "runtime/text/fixed_text.h"

namespace {

TEST(StoringImportedText, NumbersAreStoredExactlyOrRefused) {
    struct Case {
        const char* field;
        const char* text;
        bool refused;
        const char* stored;  // the field's text afterwards
    } cases[] = {
        {"MAI:Level", "32767", false, "32767"},
        {"MAI:Level", "40000", true, "7"},  // a SHORT keeps its value
        {"MAI:Level", "-32769", true, "7"},
        {"MAI:Level", "12.9", true, "7"},  // a fraction would be dropped
        {"MAI:Level", "12.000", false, "12"},
        {"MAI:Amount", "12345.678", true, "7"},  // a place would be rounded away
        {"MAI:Amount", "12345.670", false, "12345.67"},
        {"MAI:Amount", "123456", true, "7"},  // DECIMAL(7,2): five digits before the point
        {"MAI:Date", "2147483648", true, "7"},
        {"MAI:Date", "72686", false, "72686"},
        {"MAI:DraftDay", "1000", true, "7"},  // DECIMAL(3,0)
        {"CHE:CheckID", "9999999", false, "9999999"},
        {"CHE:CheckID", "10000000", true, "7"},
        // What the program's number pictures write reads back as the same number.
        {"MAI:Amount", "$12.50", false, "12.5"},
        {"MAI:Amount", "1,234.50", false, "1234.5"},
        {"MAI:Amount", "-$1,234.50", false, "-1234.5"},
        {"MAI:Amount", "$***12.50", false, "12.5"},
        {"MAI:Amount", "  12.50-", false, "-12.5"},
        {"MAI:Amount", "   ", false, "0"},  // a blank field written empty comes back 0
        // Texts that are no number are refused, not stored as 0 or as their first digits.
        {"MAI:Amount", "abc", true, "7"},
        {"MAI:Amount", "12 apples", true, "7"},
        {"MAI:Amount", "1e3", true, "7"},
        // A comma only separates thousands: anything else is no number.
        {"MAI:Amount", "12,50", true, "7"},
        {"CHE:Amount", "1,5", true, "7"},
        {"CHE:MonthlyAmount", ",5", true, "7"},
        {"MAI:MonthlyAmount", "1,2,3.00", true, "7"},
        {"CHE:Amount", "12,345.67", false, "12345.67"},
        {"MAI:Date", "12/31/99", true, "7"},  // a date needs its column's picture
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + c.text);
        rt::RecordFile& file = std::string(c.field).rfind("CHE:", 0) == 0 ? CHECKS : MAIL;
        file.clear();
        file.buf().setInteger(file.buf().field(c.field), 7);
        std::optional<std::string> refused = storeImportedText(file, c.field, c.text);
        EXPECT_EQ(refused.has_value(), c.refused);
        EXPECT_EQ(std::string(rt::clip(file.buf().text(file.buf().field(c.field)))), c.stored);
    }
}

TEST(StoringImportedText, TextsLongerThanTheirFieldOrMemoAreRefusedNotCut) {
    MAIL.clear();
    MAI::FIRSTNAME.setText("Ann");
    EXPECT_EQ(storeImportedText(MAIL, "MAI:FirstName", "Maximilian Alexander"),
              "\"Maximilian Alexander\" is 20 characters, more than the 15 the field holds");
    EXPECT_EQ(MAI::FIRSTNAME.text(), "Ann            ");
    EXPECT_FALSE(storeImportedText(MAIL, "MAI:FirstName", "Maximilian Alex     "));  // blanks
    EXPECT_EQ(MAI::FIRSTNAME.text(), "Maximilian Alex");
    const std::string longMemo(1500, 'm');
    EXPECT_TRUE(storeImportedText(MAIL, "MAI:Notes3", longMemo));
    EXPECT_EQ(MAI::NOTES3.text(), "");
    EXPECT_FALSE(storeImportedText(MAIL, "MAI:Notes3", longMemo.substr(0, 1000)));
    EXPECT_EQ(MAI::NOTES3.text(), longMemo.substr(0, 1000));
    EXPECT_FALSE(storeImportedText(MAIL, "MAI:Letter", longMemo));
    EXPECT_EQ(MAI::LETTER.text(), longMemo);
}

// A value that would put a line break or another control character into a field of one line
// is refused (a memo keeps its line breaks, a tab is text).
TEST(StoringImportedText, LineBreaksAndControlCharactersAreRefusedInFieldsOfOneLine) {
    struct Case {
        std::string text;
        const char* refusal;  // empty: stored
    } cases[] = {
        {"Lee\rRay",
         "\"Lee\"... holds a line break or another control character, which a field "
         "of one line cannot hold"},
        {"Lee\r\nRay",
         "\"Lee\"... holds a line break or another control character, which a "
         "field of one line cannot hold"},
        {"Lee\nRay",
         "\"Lee\"... holds a line break or another control character, which a field "
         "of one line cannot hold"},
        {std::string("Lee\0Ray", 7),
         "\"Lee\"... holds a line break or another control "
         "character, which a field of one line cannot hold"},
        {"Lee\tRay", ""},
    };
    for (const Case& c : cases) {
        MAIL.clear();
        MAI::LASTNAME.setText("Kept");
        const std::optional<std::string> refused = storeImportedText(MAIL, "MAI:LastName", c.text);
        EXPECT_EQ(refused.value_or(""), c.refusal);
        EXPECT_EQ(std::string(rt::clip(MAI::LASTNAME.text())), *c.refusal ? "Kept" : c.text);
    }
    EXPECT_FALSE(storeImportedText(MAIL, "MAI:Notes3", "line one\r\nline two"));
    EXPECT_EQ(MAI::NOTES3.text(), "line one\r\nline two");
}

// The bank line holds 18 characters of an account number: a longer one is refused, whichever
// file it goes into, and the field keeps the number it held.
TEST(StoringImportedText, AccountNumbersLongerThanTheBankLineHoldsAreRefused) {
    for (rt::RecordFile* file : {&MAIL, &CHECKS}) {
        const std::string field = file == &MAIL ? "MAI:AccountNumber" : "CHE:AccountNumber";
        SCOPED_TRACE(field);
        file->clear();
        EXPECT_FALSE(storeImportedText(*file, field, "123456789012345678"));
        const std::optional<std::string> refused =
            storeImportedText(*file, field, "1234567890123456789");
        ASSERT_TRUE(refused);
        EXPECT_NE(refused->find("18 characters"), std::string::npos) << *refused;
        EXPECT_EQ(std::string(rt::clip(file->buf().text(file->buf().field(field)))),
                  "123456789012345678");
    }
}

}  // namespace
