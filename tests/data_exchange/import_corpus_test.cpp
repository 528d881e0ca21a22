// Files as spreadsheets and other programs write them (tests/data_exchange/corpus, made by
// make_corpus.py with Python's csv module), imported through the assigner as a user would:
// each gives exactly its records, or is refused naming its lines and columns and adds nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/field_tables.h"
#include "data_exchange/record_values.h"
#include "drivers/driver.h"
#include "records/mail.h"
#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/file_bytes.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

const std::filesystem::path kCorpus =
    std::filesystem::path(TOVIK_SOURCE_DIR) / "tests" / "data_exchange" / "corpus";

struct Column {
    int number;          // Field_n
    std::string target;  // a contact field
    std::string picture = "";
};

struct CorpusCase {
    std::string file;
    std::vector<Column> columns;
    // The assigned fields of each record added, in column order (UTF-8 here, Windows-1252 in
    // the records). Empty with `refusals`: nothing is added.
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> refusals;  // each begins a line of the message
};

const std::vector<Column> kPeople = {
    {1, "MAI:FirstName"}, {2, "MAI:LastName"}, {3, "MAI:Amount"}, {4, "MAI:Notes3"}};
const std::vector<std::vector<std::string>> kPeopleRecords = {
    {"Zoë", "Müller", "12.5", "Costs 5 €, ask “Zoë” — today"},
    {"José", "Ñúñez", "-3", "Señor's note"},
    {"Ann", "O'Hara", "0", ""}};

int targetRow(const std::string& name) {
    const std::vector<std::string>& targets = contactImportTargets();
    return static_cast<int>(std::find(targets.begin(), targets.end(), name) - targets.begin()) + 1;
}

std::string storedText(const std::string& field) {
    return std::string(rt::clip(recordValue(MAIL, field).asText()));
}

class ImportCorpusTest : public ::testing::Test {
  protected:
    void TearDown() override { driver.finish(); }

    // Opens the file through the dialog; answers the assigner's caption or the message shown.
    void openFile(const std::filesystem::path& file) {
        driver.start(&ImportMAIL);
        driver.answer(file.string());
    }

    void assign(const std::vector<Column>& columns) {
        driver.waitWindow("Assign fields for Import...");
        for (const Column& c : columns) {
            driver.choose(rt::ControlName::parse("1"), c.number);
            driver.choose(rt::ControlName::parse("2"), targetRow(c.target));
            driver.press("&Assign");
            if (c.picture.empty()) continue;
            driver.press("&Picture");
            driver.waitWindow("Enter Picture...");
            driver.type("LOC:Picture", c.picture);
            driver.press("&OK");
            driver.waitWindow("Assign fields for Import...");
        }
    }

    std::string messageShown() {
        const std::vector<rt::DialogPtr> dialogs = driver.backend().pendingDialogs();
        return dialogs.size() == 1 ? dialogs[0]->text : std::string("(no message)");
    }

    long contacts() {
        MAIL.open();
        const long n = static_cast<long>(MAIL.records());
        MAIL.close();
        return n;
    }

    testsupport::TempDir dir{/*enter=*/true};
    rt::Driver driver;
};

TEST_F(ImportCorpusTest, EachFileGivesItsRecordsOrIsRefusedByLineAndColumn) {
    const std::vector<CorpusCase> cases = {
        {"utf8_without_mark.csv", kPeople, kPeopleRecords, {}},
        {"utf8_with_mark.csv", kPeople, kPeopleRecords, {}},
        {"windows1252.csv", kPeople, kPeopleRecords, {}},
        {"quote_all_lf.csv", kPeople, kPeopleRecords, {}},
        {"no_final_line_end.csv", kPeople, kPeopleRecords, {}},
        {"embedded.csv",
         kPeople,
         {{"Smith, Jr", "Say \"hi\"", "1", "line one\nline two, \"quoted\"\r\nthree"},
          {"Lee", "Ray", "2", "plain"}},
         {}},
        {"numbers.csv",
         {{1, "MAI:FirstName"}, {3, "MAI:Amount"}, {4, "MAI:MonthlyAmount"}},
         {{"Ann", "1234.5", "12.5"}, {"Bob", "-1234.56", "0.25"}, {"Cy", "7", "12.5"}},
         {}},
        {"dates.csv",
         {{1, "MAI:FirstName"}, {2, "MAI:Date", "@d1"}},
         {{"Ann", "72686"}, {"Bob", "82188"}},
         {}},
        {"dates.csv",
         {{1, "MAI:FirstName"}, {2, "MAI:Date"}},
         {},
         {"Line 1, column Field_2 (MAI:Date): \"12/31/99\" is not a number.",
          "Line 2, column Field_2 (MAI:Date): \"01/05/26\" is not a number."}},
        {"unclosed_quote.csv",
         {{1, "MAI:FirstName"}, {2, "MAI:LastName"}},
         {},
         {"Line 3, column Field_2: the quote that opens its value is never closed."}},
        {"too_long.csv",
         {{1, "MAI:FirstName"}, {2, "MAI:Notes3"}},
         {},
         {"Line 2, column Field_1 (MAI:FirstName): \"Maximilian Alexand\" is 18 characters, "
          "more than the 15 the field holds.",
          "Line 3, column Field_2 (MAI:Notes3): \"xxxxxxxxxxxxxxxxxxxx\"... is 1500 "
          "characters, more than the 1000 the field holds."}},
        {"outside_code_page.csv",
         {{1, "MAI:FirstName"}, {2, "MAI:LastName"}},
         {},
         {"Line 2, column Field_1: \"?ukasz\": it holds the character U+0141,",
          "Line 2, column Field_2: \"D?browski\": it holds the character U+0105,",
          "Line 3, column Field_2: \"???\": it holds the character U+65E5,"}},
        {"not_a_number.csv",
         {{1, "MAI:FirstName"}, {2, "MAI:Amount"}},
         {},
         {"Line 1, column Field_2 (MAI:Amount): \"1e3\" is not a number.",
          "Line 2, column Field_2 (MAI:Amount): \"abc\" is not a number.",
          "Line 3, column Field_2 (MAI:Amount): \"12.345\" has more places after the point "
          "than the 2 the field keeps."}},
    };
    for (const CorpusCase& c : cases) {
        SCOPED_TRACE(c.file + (c.columns.size() > 1 && !c.columns[1].picture.empty()
                                   ? " with " + c.columns[1].picture
                                   : std::string()));
        std::filesystem::remove("MAIL.KVF");
        MAIL.create();
        openFile(kCorpus / c.file);
        assign(c.columns);
        driver.press("&OK");
        testsupport::runTimersToEnd(driver);  // "Checking Records", then the adding
        if (!c.refusals.empty()) {
            const std::string shown = messageShown();
            for (const std::string& refusal : c.refusals)
                EXPECT_NE(shown.find("\n" + rt::utf8ToCp1252(refusal)), std::string::npos)
                    << refusal << "\nnot in\n"
                    << shown;
            EXPECT_EQ(shown.rfind("Nothing was imported: " + std::to_string(c.refusals.size()), 0),
                      0u)
                << shown;
            driver.answer("OK");
            // The assigner stays open for pictures to be given and the import tried again.
            driver.waitWindow("Assign fields for Import...");
            driver.expectText(rt::ControlName::parse("5"), "1");
            driver.press("&Cancel");
        }
        ASSERT_TRUE(driver.finish());
        MAIL.open();
        ASSERT_EQ(static_cast<std::size_t>(MAIL.records()), c.records.size());
        MAIL.set();
        for (const std::vector<std::string>& record : c.records) {
            ASSERT_EQ(MAIL.next(), 0);
            for (std::size_t f = 0; f < record.size(); ++f)
                EXPECT_EQ(storedText(c.columns[f].target), rt::utf8ToCp1252(record[f]))
                    << c.columns[f].target;
        }
        MAIL.close();
    }
}

TEST_F(ImportCorpusTest, FilesThatAreNoTextAreToldAtOpeningAndTheDialogAsksAgain) {
    std::filesystem::create_directory("folder.csv");
    const struct {
        std::filesystem::path file;
        std::string message;
    } cases[] = {
        {kCorpus / "ctrl_z.csv",
         "That file holds a Ctrl+Z byte at line 2, column 8, which would end its data there.  "
         "Remove it, or pick another file."},
        {kCorpus / "mark_only.csv",
         "That file holds nothing but a byte-order mark.  Please pick another file."},
        {kCorpus / "utf16.csv",
         "That file is UTF-16 text, which the import does not read.  Please save it as "
         "comma-separated text in UTF-8 and pick it again."},
        {kCorpus / "binary.csv",
         "That file is not a text file: it holds the byte 03 (hexadecimal) at line 1, column "
         "3.  Please pick a comma-separated file."},
        {dir.path() / "folder.csv", (dir.path() / "folder.csv").string() +
                                        " is a folder.  Please pick a comma-separated file."},
        {dir.path() / "mixed.csv",
         "That file holds UTF-8 text, but the bytes of line 3 are not UTF-8 (a line from a file "
         "in another encoding?).  Nothing was imported: save the file as UTF-8 throughout and "
         "pick it again."},
        {dir.path() / "marked.csv",
         "That file is marked as UTF-8 text, but the bytes of line 2 are not UTF-8 (a line from "
         "a file in another encoding?).  Nothing was imported: save the file as UTF-8 "
         "throughout and pick it again."},
    };
    // Lines pasted from an old file into UTF-8 text: a stray Windows-1252 byte.
    testsupport::writeBytes("mixed.csv",
                            "\"Jos\xC3\xA9\"\r\n\"Ann\"\r\n\"Fran\xE7ois\"\r\n\"Zo\xEB\"\r\n");
    testsupport::writeBytes("marked.csv", "\xEF\xBB\xBF\"Ann\"\r\n\"Jos\xE9\"\r\n");
    MAIL.create();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        openFile(c.file);
        driver.expectMessage(c.message);
        driver.answer("OK");
        EXPECT_EQ(driver.backend().pendingDialogs().at(0)->title, "Import File");
        driver.cancel();
        ASSERT_TRUE(driver.finish());
    }
    EXPECT_EQ(contacts(), 0);
}

}  // namespace
