// The blank checks' numbering over a real BLANK file, through "Enter Last Check Number Used":
// each blank check numbered exactly once, from the highest number down (as text), whatever
// the digit lengths of its old and new numbers, and GLO::LastCheckNumber left at the last
// number given.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>

#include "checks/check_procedures.h"
#include "drivers/driver.h"
#include "frame/globals.h"
#include "records/blank.h"
#include "runtime/data/transaction.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/faulty_vfs.h"
#include "tests/support/temp_dir.h"

namespace {

using testing::ElementsAreArray;

void makeBlankChecks(const std::vector<std::string>& numbers) {
    BLANK.create();
    BLANK.open();
    long id = 0;
    for (const std::string& n : numbers) {
        BLANK.clear();
        CHE1::CHECKID.setInteger(++id);
        CHE1::FIRSTNAME.setText("Name " + std::to_string(id));
        CHE1::CHECKNUMBER.setText(n);
        BLANK.add();
    }
    BLANK.close();
}

// The numbers in the order the blank checks were stored.
std::vector<std::string> storedNumbers() {
    std::vector<std::string> numbers;
    BLANK.open();
    BLANK.set();
    while (BLANK.next() == 0)
        numbers.emplace_back(rt::clip(CHE1::CHECKNUMBER.text()));
    BLANK.close();
    return numbers;
}

// "Enter Last Check Number Used" with `typed` (nullptr: what it shows), then OK.
void numberAfter(const char* typed) {
    rt::Driver d;
    d.start(&EnterLastCheckNumber);
    d.waitWindow("Enter Last Check Number Used");
    if (typed) d.type("GLO:LastCheckNumber", typed);
    d.press("OK");
    checktest::runPassToEnd(d);
    ASSERT_TRUE(d.finish());
}

TEST(BlankCheckNumbering, EachBlankCheckIsNumberedOnceAfterTheLastNumberUsed) {
    struct Case {
        const char* what;
        std::vector<std::string> before;
        const char* typed;
        std::vector<std::string> after;
        const char* global;
    };
    const Case cases[] = {
        {"three cleared", {"0", "0", "0"}, "1000", {"1001", "1002", "1003"}, "1003"},
        {"a copy and mixed lengths, highest text first",
         {"5000", "8", "9", "10"},
         "99",
         {"102", "101", "100", "103"},
         "103"},
        {"new numbers that sort below the old ones",
         {"9998", "9999", "0"},
         "9999",
         {"10001", "10000", "10002"},
         "10002"},
        {"numbers growing a digit", {"0", "0", "0"}, "8", {"9", "10", "11"}, "11"},
        {"blank reads as 0", {"7", "7"}, "", {"1", "2"}, "2"},
        {"an empty file", {}, "1000", {}, "1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir dir{/*enter=*/true};
        makeBlankChecks(c.before);
        GLO::LastCheckNumber = "";
        numberAfter(c.typed);
        EXPECT_THAT(storedNumbers(), ElementsAreArray(c.after));
        EXPECT_EQ(GLO::LastCheckNumber.clipped(), c.global);
    }
}

TEST(BlankCheckNumbering, ASecondNumberingGoesOnFromTheHighestNumberDown) {
    testsupport::TempDir dir{/*enter=*/true};
    makeBlankChecks({"0", "0", "0"});
    GLO::LastCheckNumber = "";
    numberAfter("1000");
    EXPECT_THAT(storedNumbers(), ElementsAreArray({"1001", "1002", "1003"}));
    numberAfter(nullptr);  // the window shows 1003: 1003 gets 1004, 1002 1005, 1001 1006
    EXPECT_THAT(storedNumbers(), ElementsAreArray({"1006", "1005", "1004"}));
    EXPECT_EQ(GLO::LastCheckNumber.clipped(), "1006");
    rt::Driver d;
    d.start(&ClearBlankCheckNumbers);
    checktest::runPassToEnd(d);
    ASSERT_TRUE(d.finish());
    EXPECT_THAT(storedNumbers(), ElementsAreArray({"0", "0", "0"}));
}

TEST(BlankCheckNumbering, ANumberThatIsNotWholeOrWouldNotFitIsRefused) {
    struct Case {
        const char* typed;
        const char* message;
    };
    for (const Case& c : {Case{"12a", "The last check number used must be a whole number."},
                          Case{"9999999999",
                               "The numbers of the 2 blank checks would not fit "
                               "the check number's 10 characters."}}) {
        SCOPED_TRACE(c.typed);
        testsupport::TempDir dir{/*enter=*/true};
        makeBlankChecks({"0", "0"});
        rt::Driver d;
        d.start(&EnterLastCheckNumber);
        d.waitWindow("Enter Last Check Number Used");
        d.type("GLO:LastCheckNumber", c.typed);
        d.press("OK");
        d.expectMessage(c.message);
        d.answer("OK");
        d.waitWindow("Enter Last Check Number Used");
        d.type("GLO:LastCheckNumber", "5");
        d.press("OK");
        checktest::runPassToEnd(d);
        ASSERT_TRUE(d.finish());
        EXPECT_THAT(storedNumbers(), ElementsAreArray({"6", "7"}));
    }
}

// The count of the blank checks failing is no count of 0: with it the check that their
// numbers fit would pass for numbers that cannot be written.
TEST(BlankCheckNumbering, ABlankFileThatCannotBeCountedNumbersNothingAndSaysWhy) {
    testsupport::TempDir dir{/*enter=*/true};
    makeBlankChecks({"0", "0"});
    GLO::LastCheckNumber = "41";
    {
        testsupport::FaultyFileSystem fs;
        rt::Driver d;
        d.start(&EnterLastCheckNumber);
        d.waitWindow("Enter Last Check Number Used");
        d.type("GLO:LastCheckNumber", "9999999999");
        // One read fails: the count's; the file reads again afterwards.
        fs.inject({testsupport::FaultOp::Read, "BLANK.KVF", SQLITE_IOERR_READ, EIO, 0, 1});
        d.press("OK");
        d.expectMessage(
            "Error: (disk I/O error (266)) attempting to access a record from the Blank file.  "
            "Returning to previous window.");
        d.answer("OK");
        checktest::runPassToEnd(d);
        ASSERT_TRUE(d.finish());
        EXPECT_EQ(fs.failures(), 1);
    }
    EXPECT_THAT(storedNumbers(), ElementsAreArray({"0", "0"}));
    EXPECT_EQ(GLO::LastCheckNumber.clipped(), "41");
}

TEST(BlankCheckNumbering, EscapeNumbersNothingAndKeepsTheLastNumberUsed) {
    testsupport::TempDir dir{/*enter=*/true};
    makeBlankChecks({"0", "0"});
    for (const char* typed : {"5000", "abc"}) {
        SCOPED_TRACE(typed);
        GLO::LastCheckNumber = "41";
        rt::Driver d;
        d.start(&EnterLastCheckNumber);
        d.waitWindow("Enter Last Check Number Used");
        d.type("GLO:LastCheckNumber", typed);
        d.key("Esc");
        ASSERT_TRUE(d.finish());
        EXPECT_THAT(storedNumbers(), ElementsAreArray({"0", "0"}));
        EXPECT_EQ(GLO::LastCheckNumber.clipped(), "41");
    }
}

}  // namespace
