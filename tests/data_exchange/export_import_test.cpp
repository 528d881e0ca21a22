// The export chooser and the import assigner driven as a user would.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include <string>
#include <vector>

#include "data_exchange/csv_file.h"
#include "data_exchange/data_exchange_procedures.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/mail.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/faulty_vfs.h"
#include "tests/support/file_bytes.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

const rt::ControlName kAllFields = rt::ControlName::parse("1");
const rt::ControlName kExportFields = rt::ControlName::parse("7");

class ExportImportTest : public ::testing::Test {
  protected:
    void TearDown() override { driver.finish(); }

    static void addContact(const char* first, const char* last, const char* amount,
                           const char* notes = "") {
        MAIL.clear();
        MAI::FIRSTNAME.setText(first);
        MAI::LASTNAME.setText(last);
        MAI::AMOUNT.setNumber(rt::Decimal(amount));
        MAI::NOTES3.setText(notes);
        ASSERT_EQ(MAIL.add(), 0);
    }

    static void makeContacts() {
        MAIL.create();
        MAIL.open();
        addContact("Ann", "Lee", "12.50", "said \"yes\",\r\nthen left");
        addContact("Bob", "Ray", "0");
        addContact("Cy", "Oz", "-3.10");
        MAIL.close();
    }

    // Picks FirstName, Amount and Notes3 in the chooser, in this order, and exports.
    void chooseAndExport(bool header, const char* file) {
        driver.waitWindow("Choose Fields for Export...");
        driver.click(kAllFields, 1, "LeftClick");       // MAI:FirstName
        driver.click(kAllFields, 5, "Ctrl+LeftClick");  // MAI:Amount
        driver.press("&Add ->");
        driver.click(kAllFields, 50, "LeftClick");  // MAI:Notes3
        driver.press("&Add ->");
        driver.expectRow(kExportFields, 3, "* | MAI:Notes3");
        if (header) driver.press("Include &header record with field names");
        driver.press("&OK");
        driver.answer(file);
        testsupport::runTimersToEnd(driver);
    }

    // Checks from in.csv: first names in its first column, check numbers in its second.
    void importNamesAndNumbers() {
        openAssigner(&ImportCHECKS, "in.csv");
        assign(1, 1);  // CHE:FirstName
        assign(2, 2);  // CHE:CheckID
        driver.press("&OK");
    }

    // The import assigner of `procedure` on `file`, and a column assigned to a target there.
    void openAssigner(std::function<void()> procedure, const char* file) {
        driver.start(std::move(procedure));
        driver.answer(file);
        driver.waitWindow("Assign fields for Import...");
    }
    // The message that the import stopped and took back its adds, holding `parts` in this
    // order (the first at its start), then the closing count of none added.
    void expectTakenBack(const std::string& caption, const std::vector<std::string>& parts) {
        const std::vector<rt::DialogPtr> dialogs = driver.backend().pendingDialogs();
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0]->caption, caption);
        const std::string& text = dialogs[0]->text;
        std::size_t at = 0;
        for (const std::string& part : parts) {
            const std::size_t found = text.find(part, at);
            ASSERT_NE(found, std::string::npos) << part << "\nnot in\n" << text;
            if (at == 0) {
                EXPECT_EQ(found, 0u) << text;
            }
            at = found + part.size();
        }
        driver.answer("OK");
        driver.expectMessage("The import was not completed. 0 records were added.");
        driver.answer("OK");
        ASSERT_TRUE(driver.finish());
    }

    void assign(int column, int target) {
        driver.choose(rt::ControlName::parse("1"), column);
        driver.choose(rt::ControlName::parse("2"), target);
        driver.press("&Assign");
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(ExportImportTest, ExportWritesEveryContactWhenNoneIsTagged) {
    makeContacts();
    long response = 0;
    driver.start([&] {
        ExportMAIL();
        response = GLO::Response;
    });
    chooseAndExport(true, "out.csv");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Completed);
    EXPECT_EQ(testsupport::readBytes("out.csv"),
              "\"MAI:FirstName\",\"MAI:Amount\",\"MAI:Notes3\"\r\n"
              "\"Ann\",12.5,\"said \"\"yes\"\",\r\nthen left\"\r\n"
              "\"Bob\",0,\"\"\r\n"
              "\"Cy\",-3.1,\"\"\r\n");
}

TEST_F(ExportImportTest, ExportWritesOnlyTheTaggedContacts) {
    makeContacts();
    driver.start([&] {
        OpenTagFile_();
        MAIL.open();
        MAIL.set();
        MAIL.next();
        MAIL.next();  // Bob
        SetTag_(TAG::Contacts, static_cast<long>(MAIL.pointer()), "Bob");
        MAIL.close();
        CloseTagFile_();
        ExportMAIL();
    });
    chooseAndExport(false, "tagged.csv");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(testsupport::readBytes("tagged.csv"), "\"Bob\",0,\"\"\r\n");
}

TEST_F(ExportImportTest, ChooserMovesRemovesAndRefusesAnEmptyList) {
    makeContacts();
    driver.start(&ExportMAIL);
    driver.waitWindow("Choose Fields for Export...");
    driver.press("&OK");
    driver.expectMessage("You must select one or more fields to export.");
    driver.answer("OK");
    driver.click(kAllFields, 1, "LeftClick");
    driver.click(kAllFields, 3, "Shift+LeftClick");  // rows 1 to 3
    driver.press("&Add ->");
    driver.press("&Add ->");  // already there: marked, not added twice
    driver.expectRow(kExportFields, 3, "* | MAI:Sponsorid");
    EXPECT_EQ(driver.active()->control(7)->rows->rowCount(), 3);
    driver.click(kExportFields, 3, "LeftClick");
    driver.press("Shift &Up");
    driver.expectRow(kExportFields, 2, "* | MAI:Sponsorid");
    driver.press("Shift &Up");
    driver.press("Shift &Up");  // already first: stays
    driver.expectRow(kExportFields, 1, "* | MAI:Sponsorid");
    driver.press("&Remove");
    driver.expectRow(kExportFields, 1, "MAI:FirstName");
    EXPECT_EQ(driver.active()->control(7)->rows->rowCount(), 2);
    driver.press("&Cancel");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ExportImportTest, ArrowAndPageKeysMoveTheChoosersHighlightAndMarkNothing) {
    makeContacts();
    driver.start(&ExportMAIL);
    driver.waitWindow("Choose Fields for Export...");
    rt::Window* w = driver.active();
    const int fields = w->control(1)->rows->rowCount();
    const struct {
        const char* key;
        int row;
    } steps[] = {{"Down", 2}, {"PgDn", 12},          {"Up", 11},       {"PgUp", 1},
                 {"Up", 1},   {"Ctrl+PgDn", fields}, {"Down", fields}, {"Ctrl+PgUp", 1}};
    driver.click(kAllFields, 1, "LeftClick");
    for (const auto& step : steps) {
        driver.key(step.key);
        EXPECT_EQ(w->prop(1, PROP::SelectedRow), step.row) << step.key;
    }
    driver.press("&Add ->");  // the click marked row 1; moving marked nothing more
    EXPECT_EQ(w->control(7)->rows->rowCount(), 1);
    driver.click(kAllFields, 5, "LeftClick");  // MAI:Amount
    driver.press("&Add ->");
    driver.click(kExportFields, 1, "LeftClick");
    driver.key("Down");  // the export list's highlight shows its field's picture kind
    EXPECT_EQ(w->prop(7, PROP::SelectedRow), 2);
    driver.expectText(rt::ControlName::parse("LOC:PictureKind"), "Numeric");
    driver.press("&Cancel");
    ASSERT_TRUE(driver.finish());
}

TEST_F(ExportImportTest, ImportAddsContactsFromAssignedColumnsSkippingTheHeader) {
    testsupport::writeBytes("in.csv",
                            "\"MAI:FirstName\",\"MAI:LastName\",\"Amount\"\r\n"
                            "\"Ann\",\"Lee\",12.5\n"
                            "\"Bo \"\"B\"\"\",\"Ray, Jr\",7\r\n");
    long response = 0;
    driver.start([&] {
        ImportMAIL();
        response = GLO::Response;
    });
    driver.answer("in.csv");
    driver.waitWindow("Assign fields for Import...");
    driver.expectRow(rt::ControlName::parse("1"), 1, "Field_1 | Alpha-num | MAI:FirstName");
    driver.expectRow(rt::ControlName::parse("1"), 3, "Field_3 | Numeric | Amount");
    driver.press("&OK");
    driver.expectMessage("You must select one or more fields to import.");
    driver.answer("OK");
    assign(1, 1);   // MAI:FirstName
    assign(2, 20);  // MAI:LastName
    assign(3, 5);   // MAI:Amount
    driver.expectRow(rt::ControlName::parse("2"), 20, "MAI:LastName | = | Field_2");
    // The arrow keys move the column list's highlight, and the target list follows it to
    // the first target assigned that column.
    driver.click(rt::ControlName::parse("1"), 1, "LeftClick");
    driver.key("Down");
    EXPECT_EQ(driver.active()->prop(1, PROP::SelectedRow), 2);
    EXPECT_EQ(driver.active()->prop(2, PROP::SelectedRow), 20);
    driver.press("&Next");
    driver.expectText(rt::ControlName::parse("5"), "2");
    driver.press("Strip &header record (field names)");
    driver.press("&OK");
    testsupport::runTimersToEnd(driver);
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Completed);
    MAIL.open();
    ASSERT_EQ(MAIL.records(), 2);
    MAIL.set();
    ASSERT_EQ(MAIL.next(), 0);
    EXPECT_EQ(MAI::FIRSTNAME.text(), "Ann            ");
    EXPECT_EQ(MAI::AMOUNT.number(), rt::Decimal("12.5"));
    ASSERT_EQ(MAIL.next(), 0);
    EXPECT_EQ(std::string(rt::clip(MAI::FIRSTNAME.text())), "Bo \"B\"");
    EXPECT_EQ(std::string(rt::clip(MAI::LASTNAME.text())), "Ray, Jr");
    MAIL.close();
}

// The whole file is read before anything is added: one refused value adds nothing, so that a
// second try does not double what a first one added.
TEST_F(ExportImportTest, ImportRefusesAFileWithAValueItsFieldCannotHoldAndAddsNothing) {
    testsupport::writeBytes("in.csv", "1,5\r\n2,40000\r\n3,6\r\n");
    long response = 0;
    openAssigner(
        [&] {
            ImportMAIL();
            response = GLO::Response;
        },
        "in.csv");
    assign(1, 1);   // MAI:FirstName
    assign(2, 79);  // MAI:Level, a SHORT
    driver.press("&Next");
    driver.press("&OK");
    testsupport::runTimersToEnd(driver);
    driver.expectMessage(
        "Nothing was imported: 1 value cannot be stored as the file gives it.\n\n"
        "Line 2, column Field_2 (MAI:Level): 40000 is outside the range of a SHORT.\n\n"
        "Correct the file, or give the columns the pictures their values need, and import "
        "again.");
    driver.answer("OK");
    // The assigner shows the first line again, ready for another try.
    driver.waitWindow("Assign fields for Import...");
    driver.expectText(rt::ControlName::parse("5"), "1");
    driver.expectRow(rt::ControlName::parse("1"), 2, "Field_2 | Numeric | 5");
    driver.press("&Cancel");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    MAIL.open();
    EXPECT_EQ(MAIL.records(), 0);
    MAIL.close();
}

// An amount whose comma is no thousands separator is refused in both imports, naming its
// line; "1,234.50" on the line before is read as 1234.50 and nothing is added either.
TEST_F(ExportImportTest, ImportRefusesAnAmountWhoseCommaSeparatesNoThousands) {
    struct Case {
        std::function<void()> procedure;
        rt::RecordFile* file;
        int amountTarget;
        const char* field;
    };
    const std::vector<Case> cases = {{&ImportMAIL, &MAIL, 5, "MAI:Amount"},
                                     {&ImportCHECKS, &CHECKS, 3, "CHE:Amount"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        c.file->create();
        testsupport::writeBytes("in.csv", "\"Ann\",\"1,234.50\"\r\n\"Bob\",\"12,50\"\r\n");
        openAssigner(c.procedure, "in.csv");
        assign(1, 1);  // first name
        assign(2, c.amountTarget);
        driver.press("&OK");
        testsupport::runTimersToEnd(driver);
        driver.expectMessage(
            "Nothing was imported: 1 value cannot be stored as the file gives "
            "it.\n\nLine 2, column Field_2 (" +
            std::string(c.field) +
            "): \"12,50\" is not a number.\n\n"
            "Correct the file, or give the columns the pictures their values "
            "need, and import again.");
        driver.answer("OK");
        driver.waitWindow("Assign fields for Import...");
        driver.press("&Cancel");
        ASSERT_TRUE(driver.finish());
        c.file->open();
        EXPECT_EQ(c.file->records(), 0);
        c.file->close();
        c.file->remove();
    }
}

// More than twenty refusals: the first twenty are named and the rest counted.
TEST_F(ExportImportTest, ImportNamesTheFirstTwentyRefusedValuesAndCountsTheRest) {
    std::string file;
    for (int n = 1; n <= 25; ++n)
        file += "x" + std::to_string(n) + ",abc\r\n";
    testsupport::writeBytes("in.csv", file);
    openAssigner(&ImportMAIL, "in.csv");
    assign(2, 5);  // MAI:Amount
    driver.press("&OK");
    testsupport::runTimersToEnd(driver);
    const std::vector<rt::DialogPtr> dialogs = driver.backend().pendingDialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    const std::string& text = dialogs[0]->text;
    EXPECT_EQ(text.rfind("Nothing was imported: 25 values cannot be stored", 0), 0u) << text;
    EXPECT_NE(text.find("\nLine 20, column Field_2 (MAI:Amount): \"abc\" is not a number.\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Line 21,"), std::string::npos) << text;
    EXPECT_NE(text.find("\n... and 5 more.\n"), std::string::npos) << text;
    driver.answer("OK");
    driver.press("&Cancel");
    ASSERT_TRUE(driver.finish());
    MAIL.open();
    EXPECT_EQ(MAIL.records(), 0);
    MAIL.close();
}

TEST_F(ExportImportTest, ImportedChecksWithoutANumberColumnAreNumberedOneAboveTheHighest) {
    CHECKS.create();
    CHECKS.open();
    CHECKS.clear();
    CHE::CHECKID.setInteger(41);
    CHE::FIRSTNAME.setText("Old");
    CHECKS.add();
    CHECKS.close();
    testsupport::writeBytes("in.csv", "\"Ann\",\"note\"\r\n\"Bob\"\r\n");
    openAssigner(&ImportCHECKS, "in.csv");
    assign(1, 1);   // CHE:FirstName
    assign(2, 21);  // CHE:CheckMemo
    driver.press("&OK");
    testsupport::runTimersToEnd(driver);
    ASSERT_TRUE(driver.finish());
    CHECKS.open();
    ASSERT_EQ(CHECKS.records(), 3);
    CHECKS.set(CHE::KEYCHECKID);
    const char* expected[][3] = {{"41", "Old", ""}, {"42", "Ann", "note"}, {"43", "Bob", ""}};
    for (auto& e : expected) {
        ASSERT_EQ(CHECKS.next(), 0);
        EXPECT_EQ(std::to_string(CHE::CHECKID.integer()), e[0]);
        EXPECT_EQ(std::string(rt::clip(CHE::FIRSTNAME.text())), e[1]);
        // Bob's line has no memo: it does not inherit Ann's.
        EXPECT_EQ(std::string(rt::clip(CHE::CHECKMEMO.text())), e[2]);
    }
    CHECKS.close();
}

// The check numbers of a file, read as the file orders them.
std::vector<long long> checkNumbersOnDisk() {
    std::vector<long long> numbers;
    CHECKS.open();
    CHECKS.set(CHE::KEYCHECKID);
    while (CHECKS.next() == 0)
        numbers.push_back(CHE::CHECKID.integer());
    CHECKS.close();
    return numbers;
}

void addCheck(long long number, const char* first) {
    CHECKS.clear();
    CHE::CHECKID.setInteger(number);
    CHE::FIRSTNAME.setText(first);
    ASSERT_EQ(CHECKS.add(), 0);
}

// A check number already in the file, or given twice in the import, is refused in the
// read-through like any value: the file adds nothing instead of stopping at that line.
TEST_F(ExportImportTest, ImportRefusesCheckNumbersTakenInTheFileOrRepeatedAndAddsNothing) {
    CHECKS.create();
    CHECKS.open();
    addCheck(41, "Old");
    CHECKS.close();
    testsupport::writeBytes("in.csv", "Ann,42\r\nBob,41\r\nCy,43\r\nDi,42\r\nEd,43\r\n");
    importNamesAndNumbers();
    testsupport::runTimersToEnd(driver);
    driver.expectMessage(
        "Nothing was imported: 3 values cannot be stored as the file gives them.\n\n"
        "Line 2, column Field_2 (CHE:CheckID): \"41\" is already in the file.\n"
        "Line 4, column Field_2 (CHE:CheckID): \"42\" repeats line 1.\n"
        "Line 5, column Field_2 (CHE:CheckID): \"43\" repeats line 3.\n\n"
        "Correct the file, or give the columns the pictures their values need, and import "
        "again.");
    driver.answer("OK");
    driver.press("&Cancel");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(checkNumbersOnDisk(), std::vector<long long>{41});
}

// Another station adds a number after the read-through found it free: the import stops at
// that line and takes back the records it had added, so no half of the file stays.
TEST_F(ExportImportTest, ImportTakesBackItsAddsWhenAnotherStationTookANumberMeanwhile) {
    CHECKS.create();
    testsupport::writeBytes("in.csv", "Ann,50\r\nBob,51\r\nCy,52\r\n");
    importNamesAndNumbers();
    driver.waitWindow("Importing Records");  // checked, nothing added yet
    CHECKS.open();
    addCheck(51, "Other");
    CHECKS.close();
    testsupport::runTimersToEnd(driver);
    expectTakenBack("Cannot ADD to Checks!", {"Line 2 could not be added: Error #40 - ",
                                              "\n\nThe record added before it was removed again: "
                                              "nothing was imported."});
    EXPECT_EQ(checkNumbersOnDisk(), std::vector<long long>{51});
}

ssize_t failingRead(int, void*, std::size_t, off_t) {
    errno = EIO;
    return -1;
}

// While the adding pass runs, a read of the file fails (a network share that drops), or
// another program cuts the file short at a line's end: the import stops, takes back every
// record it added and says why, instead of ending as if the file had ended there.
TEST_F(ExportImportTest, AReadThatFailsOrAFileCutShortDuringTheImportTakesItBack) {
    std::string lines;
    std::uintmax_t halfWay = 0;  // where line 10,001 starts
    for (int n = 0; n < 20000; ++n) {
        lines += "Ann" + std::to_string(n) + ",\"Lee\"\r\n";  // 16 to 18 bytes a line
        if (n == 9999) halfWay = lines.size();
    }
    struct Case {
        const char* what;
        std::function<void()> fault;
        const char* cause;
    } cases[] = {
        {"a read that fails", [] { rt::LineFile::setReadFunction(&failingRead); },
         "reading the file failed: Input/output error"},
        {"the file cut short", [&] { std::filesystem::resize_file("in.csv", halfWay); },
         "the file was changed by another program while it was read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("MAIL.KVF");
        MAIL.create();
        testsupport::writeBytes("in.csv", lines);
        openAssigner(&ImportMAIL, "in.csv");
        assign(1, 1);  // MAI:FirstName
        driver.press("&OK");
        driver.waitWindow("Importing Records");
        for (int batch = 0; batch < 40; ++batch) {  // 1,000 records added
            driver.settle();
            ASSERT_TRUE(driver.backend().fireNextTimer());
        }
        c.fault();
        testsupport::runTimersToEnd(driver);
        rt::LineFile::setReadFunction(nullptr);
        expectTakenBack("Cannot READ the Import File",
                        {"The file in.csv could not be read after its line ",
                         ": Error #90 - File System Error (" + std::string(c.cause) + ").\n\nThe ",
                         " records added before it were removed again: nothing was imported."});
        MAIL.open();
        EXPECT_EQ(MAIL.records(), 0);
        MAIL.close();
    }
}

// A full disk while adding: the message keeps the cause of error 90.
TEST_F(ExportImportTest, AFullDiskWhileImportingIsSaidAsSuch) {
    MAIL.create();
    testsupport::writeBytes("in.csv", "Ann\r\nBob\r\n");
    testsupport::FaultyFileSystem fs;
    fs.inject({testsupport::FaultOp::Write, "MAIL.KVF-journal", SQLITE_FULL, ENOSPC});
    openAssigner(&ImportMAIL, "in.csv");
    assign(1, 1);  // MAI:FirstName
    driver.press("&OK");
    testsupport::runTimersToEnd(driver);
    expectTakenBack("Cannot ADD to MAIL!",
                    {"Line 1 could not be added: Error #90 - File System Error (database or disk "
                     "is full)\n\nNothing was imported."});
    fs.clear();
    MAIL.open();
    EXPECT_EQ(MAIL.records(), 0);
    MAIL.close();
}

}  // namespace

namespace {

TEST_F(ExportImportTest, AnExportNeverWritesOverARecordFile) {
    makeContacts();
    MAIL.close();
    const std::string before = testsupport::readBytes("MAIL.KVF");
    { std::ofstream("renamed.dat", std::ios::binary) << before; }
    for (const char* name : {"MAIL.KVF", "mail.kvf", "renamed.dat"}) {
        bool opened = true;
        driver.start([&] { opened = OpenExportFile(name); });
        driver.expectMessage(std::string("The file ") + name +
                             " holds records of the program and is not overwritten. Choose "
                             "another name for the export.");
        driver.answer("OK");
        ASSERT_TRUE(driver.finish());
        EXPECT_FALSE(opened) << name;
    }
    EXPECT_EQ(testsupport::readBytes("MAIL.KVF"), before);
    EXPECT_EQ(testsupport::readBytes("renamed.dat"), before);
}

TEST_F(ExportImportTest, AFailedWriteAsksRetryOrAbortAndClosingTheQuestionAborts) {
    bool written = true;
    driver.start([&] {
        ASSERT_TRUE(OpenExportFile("out.csv"));
        ImportExportFile().close();  // every write now fails
        ClearExportLine();
        AppendExportField(rt::Value("x"), "@s1", false);
        written = WriteExportLine();
    });
    driver.expectMessage("Error #37 - File Not Open");
    driver.answer("Retry");  // asked again
    driver.expectMessage("Error #37 - File Not Open");
    driver.cancel();  // the close box: Abort
    ASSERT_TRUE(driver.finish());
    EXPECT_FALSE(written);
}

}  // namespace

namespace {

TEST_F(ExportImportTest, CancelOnTheProgressWindowKeepsTheLinesAndTellsHowMany) {
    makeContacts();
    long response = 0;
    driver.start([&] {
        ExportMAIL();
        response = GLO::Response;
    });
    driver.waitWindow("Choose Fields for Export...");
    driver.click(kAllFields, 1, "LeftClick");
    driver.press("&Add ->");
    driver.press("&OK");
    driver.answer("out.csv");
    driver.timer();  // one record a timer event: the first line is written
    driver.press("Cancel");
    driver.expectMessage("The export was not completed. 1 record was written to the file.");
    driver.answer("OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(response, RESP::Cancelled);
    EXPECT_EQ(testsupport::readBytes("out.csv"), "\"Ann\"\r\n");
}

}  // namespace

namespace {

TEST_F(ExportImportTest, EnterPictureRefusesAPictureWithoutItsAtSign) {
    std::string typed = "unset";
    driver.start([&] { typed = EnterPicture("@s15"); });
    driver.waitWindow("Enter Picture...");
    driver.expectText(rt::ControlName::parse("2"), "@s15");
    driver.type("LOC:Picture", "d1");
    driver.expectMessage("Pictures must begin with \"@\"");
    driver.answer("OK");
    driver.press("&Cancel");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(typed, std::string(30, ' '));  // the caller keeps its picture

    driver.start([&] { typed = EnterPicture("@s15"); });
    driver.waitWindow("Enter Picture...");
    driver.type("LOC:Picture", "@d1");
    driver.press("&OK");
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(std::string(rt::clip(typed)), "@d1");
}

}  // namespace
