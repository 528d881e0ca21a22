// Storing imported texts into their fields: what fits is stored, what does not is refused and
// leaves the field as it was.

#include "data_exchange/record_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "records/checks.h"
#include "records/mail.h"
#include "runtime/text/fixed_text.h"

namespace {

TEST(StoringImportedText, NumbersThatDoNotFitAreRefusedAndNothingIsWrapped) {
    struct Case {
        const char* field;
        const char* text;
        bool refused;
        const char* stored;  // the field's text afterwards
    } cases[] = {
        {"MAI:Level", "32767", false, "32767"},
        {"MAI:Level", "40000", true, "7"},  // a SHORT keeps its value
        {"MAI:Level", "-32769", true, "7"},
        {"MAI:Level", "12.9", false, "12"},  // the fraction is dropped
        {"MAI:Amount", "12345.678", false, "12345.68"},
        {"MAI:Amount", "123456", true, "7"},  // DECIMAL(7,2): five digits before the point
        {"MAI:Date", "2147483648", true, "7"},
        {"MAI:Date", "72686", false, "72686"},
        {"MAI:DraftDay", "1000", true, "7"},  // DECIMAL(3,0)
        {"CHE:CheckID", "9999999", false, "9999999"},
        {"CHE:CheckID", "10000000", true, "7"},
        {"MAI:Amount", "$12.50", false, "0"},  // read as a number: no digits first
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

TEST(StoringImportedText, TextsAreCutToTheirFieldAndMemosToTheirSize) {
    MAIL.clear();
    EXPECT_FALSE(storeImportedText(MAIL, "MAI:FirstName", "Maximilian Alexander"));
    EXPECT_EQ(MAI::FIRSTNAME.text(), "Maximilian Alex");
    const std::string longMemo(1500, 'm');
    EXPECT_FALSE(storeImportedText(MAIL, "MAI:Notes3", longMemo));
    EXPECT_EQ(MAI::NOTES3.text(), longMemo.substr(0, 1000));
    EXPECT_FALSE(storeImportedText(MAIL, "MAI:Letter", longMemo));
    EXPECT_EQ(MAI::LETTER.text(), longMemo);
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
