#include "runtime/data/record_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/text/fixed_text.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

using rt::FileError::DuplicateKey;
using rt::FileError::EntryNotFound;
using rt::FileError::RecordNotAvailable;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void rawSql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

class RecordFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
    }

    int add(const char* name, const char* city, long number, const char* amount = "0",
            int level = 0) {
        people.clear();
        rt::RecordBuffer& b = people.buf();
        b.setText("PEO:NAME", name);
        b.setText("PEO:CITY", city);
        b.setInteger("PEO:NUMBER", number);
        b.setNumber("PEO:AMOUNT", rt::Decimal(amount));
        b.setInteger("PEO:LEVEL", level);
        return people.add();
    }

    // Names (clipped) of every record read with NEXT (or PREVIOUS) after the current SET.
    std::vector<std::string> walk(bool forward = true) {
        std::vector<std::string> names;
        while ((forward ? people.next() : people.previous()) == 0) {
            std::string name = people.buf().text("PEO:NAME");
            names.push_back(name.substr(0, name.find_last_not_of(' ') + 1));
        }
        EXPECT_EQ(rt::errorCode(), RecordNotAvailable);
        return names;
    }

    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
};

using Names = std::vector<std::string>;

TEST_F(RecordFileTest, OpenTwiceOrMissingAnswersItsError) {
    EXPECT_EQ(people.open(), rt::FileError::FileAlreadyOpen);
    EXPECT_EQ(rt::errorText(), "File Already Open");
    EXPECT_EQ(rt::errorFile(), "PEOPLE.KVF");
    rt::RecordFile missing{rt::FileDecl("MISSING", "MIS:").STRING("MIS:A", 2)};
    EXPECT_EQ(missing.open(), rt::FileError::FileNotFound);
    EXPECT_EQ(rt::errorText(), "File Not Found");
    EXPECT_EQ(missing.close(), rt::FileError::FileNotOpen);
    EXPECT_EQ(people.close(), 0);
    EXPECT_EQ(rt::errorCode(), 0);
}

TEST_F(RecordFileTest, AFileThatIsNoRecordFileAnswers47SayingSoAndStaysUntouched) {
    struct Case {
        const char* what;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"text", [] { std::ofstream("OTHER.KVF", std::ios::binary) << "just some text\r\n"; }},
        {"empty", [] { std::ofstream("OTHER.KVF", std::ios::binary); }},
        {"another database", [] { rawSql("OTHER.KVF", "CREATE TABLE t(a)"); }},
        {"another program's meta table",
         [] {
             rawSql("OTHER.KVF",
                    "CREATE TABLE meta(name, value); INSERT INTO meta "
                    "VALUES ('format', 'something else')");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("OTHER.KVF");
        c.make();
        const std::string before = readAll("OTHER.KVF");
        rt::RecordFile other{rt::FileDecl("OTHER", "OTH:").STRING("OTH:A", 4)};
        EXPECT_EQ(other.open(), rt::FileError::InvalidDeclaration);
        EXPECT_EQ(rt::errorText(), "not a record file of this program");
        EXPECT_EQ(readAll("OTHER.KVF"), before);
    }
}

TEST_F(RecordFileTest, PuttingARecordAnotherConnectionDeletedSaysItWasDeleted) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    const std::int64_t ann = people.pointer();
    rt::RecordFile other{datatest::peopleDecl()};
    ASSERT_EQ(other.open(), 0);
    ASSERT_EQ(other.getPointer(ann), 0);
    ASSERT_EQ(people.deleteRecord(), 0);
    other.buf().setText("PEO:CITY", "Oslo");
    EXPECT_EQ(other.put(), RecordNotAvailable);
    EXPECT_EQ(rt::errorText(), "Record Deleted By Another Station");
    EXPECT_EQ(people.records(), 0);
}

TEST_F(RecordFileTest, AnotherLayoutAnswers47AndTheFileKeepsItsRecords) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    people.close();
    std::string before = readAll("PEOPLE.KVF");
    rt::RecordFile wider{datatest::peopleWiderDecl()};
    EXPECT_EQ(wider.open(), rt::FileError::InvalidDeclaration);
    EXPECT_EQ(wider.build(), rt::FileError::InvalidDeclaration);
    EXPECT_EQ(readAll("PEOPLE.KVF"), before);
    ASSERT_EQ(people.open(), 0);
    EXPECT_EQ(people.records(), 1);
}

TEST_F(RecordFileTest, ADamagedKeyAnswers46AndBuildRepairsIt) {
    ASSERT_EQ(add("Bob", "Oslo", 2), 0);
    ASSERT_EQ(add("ann", "Rome", 1), 0);
    people.close();
    rawSql("PEOPLE.KVF", "DROP INDEX rec_k0");
    EXPECT_EQ(people.open(), rt::FileError::KeysMustBeRebuilt);
    EXPECT_EQ(rt::errorText(), "Key File Must Be Rebuilt");
    EXPECT_FALSE(people.isOpen());
    ASSERT_EQ(people.build(), 0);
    ASSERT_EQ(people.open(), 0);
    people.set(people.key("PEO:KEYNAME"));
    EXPECT_EQ(walk(), (Names{"ann", "Bob"}));
}

TEST_F(RecordFileTest, AKeyWithDamagedPagesAnswers46AndBuildRepairsIt) {
    ASSERT_EQ(people.stream(), 0);
    for (long n = 0; n < 200; ++n)
        ASSERT_EQ(add(n % 3 ? "Ann" : "Bob", "Rome", n), 0);
    ASSERT_EQ(people.flush(), 0);
    people.close();
    int root = 0;
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open("PEOPLE.KVF", &db), SQLITE_OK);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE name = 'rec_k0'", -1, &s,
                           nullptr);
        if (sqlite3_step(s) == SQLITE_ROW) root = sqlite3_column_int(s, 0);
        sqlite3_finalize(s);
        sqlite3_close(db);
    }
    ASSERT_GT(root, 1);
    {
        // Garbage over the name key's first page, its header left standing.
        std::fstream file("PEOPLE.KVF", std::ios::in | std::ios::out | std::ios::binary);
        file.seekp((root - 1) * 4096L + 8);
        const std::string garbage(4000, '\xA5');
        file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
    ASSERT_EQ(people.open(), 0);
    people.set(people.key("PEO:KEYNAME"));
    EXPECT_EQ(people.next(), rt::FileError::KeysMustBeRebuilt);
    EXPECT_EQ(rt::errorText(), "Key File Must Be Rebuilt");
    ASSERT_EQ(people.getPointer(5), 0);
    EXPECT_EQ(people.deleteRecord(), rt::FileError::KeysMustBeRebuilt);
    people.close();

    ASSERT_EQ(people.build(), 0) << rt::fileErrorText();
    ASSERT_EQ(people.open(), 0);
    EXPECT_EQ(people.records(), 200);
    people.set(people.key("PEO:KEYNAME"));
    Names names = walk();
    ASSERT_EQ(names.size(), 200u);
    EXPECT_EQ(names.front(), "Ann");
    EXPECT_EQ(names.back(), "Bob");
    ASSERT_EQ(people.getPointer(5), 0);
    EXPECT_EQ(people.deleteRecord(), 0);
    people.close();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open("PEOPLE.KVF", &db), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(db);
}

TEST_F(RecordFileTest, ChangedKeysAnswer46AndBuildStoresThemAnew) {
    ASSERT_EQ(add("bob", "Oslo", 2), 0);
    ASSERT_EQ(add("Bob", "Rome", 1), 0);
    ASSERT_EQ(add("ann", "Rome", 3), 0);
    people.close();
    rt::RecordFile caseSensitive{datatest::peopleCaseDecl()};
    EXPECT_EQ(caseSensitive.open(), rt::FileError::KeysMustBeRebuilt);
    ASSERT_EQ(caseSensitive.build(), 0);
    ASSERT_EQ(caseSensitive.open(), 0);
    caseSensitive.set(caseSensitive.key("PEO:KEYNAME"));
    Names names;
    while (caseSensitive.next() == 0)
        names.push_back(caseSensitive.buf().text("PEO:NAME"));
    EXPECT_EQ(names, (Names{"Bob       ", "ann       ", "bob       "}));
}

TEST_F(RecordFileTest, ABuildThatWouldBreakAUniqueKeyChangesNothing) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    ASSERT_EQ(add("ANN", "Oslo", 2), 0);
    people.close();
    rt::RecordFile unique{datatest::peopleUniqueNameDecl()};
    EXPECT_EQ(unique.open(), rt::FileError::KeysMustBeRebuilt);
    EXPECT_EQ(unique.build(), DuplicateKey);
    EXPECT_EQ(rt::errorKey(), "PEO:KEYNAME");
    ASSERT_EQ(people.open(), 0);
    EXPECT_EQ(people.records(), 2);
    people.set(people.key("PEO:KEYMIXED"));
    EXPECT_EQ(walk().size(), 2u);
}

TEST_F(RecordFileTest, KeysOrderTheirRecords) {
    struct Row {
        const char* name;
        const char* city;
        long number;
        const char* amount;
        int level;
    };
    const Row rows[] = {{"carl", "Rome", 30, "5.00", 2},  {"Anna", "Oslo", -7, "12.50", 1},
                        {"bert", "Bonn", 12, "-3.00", 1}, {"Anna", "Avila", 4, "12.50", 1},
                        {"anna", "Cork", 0, "100", -1},   {"Zoe", "Rome", 100000, "0.01", 2}};
    for (const Row& r : rows)
        ASSERT_EQ(add(r.name, r.city, r.number, r.amount, r.level), 0);

    // NOCASE text, duplicates in the order they were added.
    people.set(people.key("PEO:KEYNAME"));
    EXPECT_EQ(walk(), (Names{"Anna", "Anna", "anna", "bert", "carl", "Zoe"}));
    // Signed numbers.
    people.set(people.key("PEO:KEYNUMBER"));
    EXPECT_EQ(walk(), (Names{"Anna", "anna", "Anna", "bert", "carl", "Zoe"}));
    // Level ascending, amount descending, then city.
    people.set(people.key("PEO:KEYMIXED"));
    EXPECT_EQ(walk(), (Names{"anna", "Anna", "Anna", "bert", "carl", "Zoe"}));
    std::vector<std::string> cities;
    people.set(people.key("PEO:KEYMIXED"));
    while (people.next() == 0)
        cities.push_back(people.buf().text("PEO:CITY"));
    EXPECT_EQ(cities, (std::vector<std::string>{"Cork    ", "Avila   ", "Oslo    ", "Bonn    ",
                                                "Rome    ", "Rome    "}));
    // Backward, and record order.
    people.set(people.key("PEO:KEYNAME"));
    EXPECT_EQ(walk(false), (Names{"Zoe", "carl", "bert", "anna", "Anna", "Anna"}));
    people.set();
    EXPECT_EQ(walk(), (Names{"carl", "Anna", "bert", "Anna", "anna", "Zoe"}));
}

TEST_F(RecordFileTest, SetFromBufferStartsAtTheKeyValues) {
    for (const char* name : {"Adams", "Baker", "baker", "Clark", "Davis"})
        ASSERT_EQ(add(name, "X", static_cast<long>(name[0]) * 100 + name[1]), 0);
    int byName = people.key("PEO:KEYNAME");
    people.buf().setText("PEO:NAME", "BAKER");
    people.setFromBuffer(byName);
    EXPECT_EQ(walk(), (Names{"Baker", "baker", "Clark", "Davis"}));
    people.buf().setText("PEO:NAME", "baker");
    people.setFromBuffer(byName);
    EXPECT_EQ(walk(false), (Names{"baker", "Baker", "Adams"}));
    people.buf().setText("PEO:NAME", "Bz");
    people.setFromBuffer(byName);
    EXPECT_EQ(walk(), (Names{"Clark", "Davis"}));
}

TEST_F(RecordFileTest, GetFindsByKeyWithoutRegardToCase) {
    ASSERT_EQ(add("Miller", "Rome", 7, "1.50"), 0);
    ASSERT_EQ(add("Miller", "Oslo", 8), 0);
    people.clear();
    people.buf().setText("PEO:NAME", "MILLER");
    ASSERT_EQ(people.get(people.key("PEO:KEYNAME")), 0);
    EXPECT_EQ(people.buf().text("PEO:CITY"), "Rome    ");  // the first of the duplicates
    EXPECT_EQ(people.buf().number("PEO:AMOUNT").toString(), "1.50");
    people.buf().setInteger("PEO:NUMBER", 8);
    ASSERT_EQ(people.get(people.key("PEO:KEYNUMBER")), 0);
    EXPECT_EQ(people.buf().text("PEO:CITY"), "Oslo    ");
    people.buf().setInteger("PEO:NUMBER", 9);
    EXPECT_EQ(people.get(people.key("PEO:KEYNUMBER")), EntryNotFound);
    EXPECT_EQ(rt::errorText(), "Entry Not Found");
}

TEST_F(RecordFileTest, AUniqueKeyRefusesADuplicateAndNamesTheKey) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    EXPECT_EQ(add("Bob", "Oslo", 1), DuplicateKey);
    EXPECT_EQ(rt::errorText(), "Creates Duplicate Key");
    EXPECT_EQ(rt::errorKey(), "PEO:KEYNUMBER");
    EXPECT_TRUE(people.duplicate(people.key("PEO:KEYNUMBER")));
    EXPECT_TRUE(people.duplicate());
    EXPECT_FALSE(people.duplicate(people.key("PEO:KEYNAME")));  // DUP key
    EXPECT_EQ(people.records(), 1);

    ASSERT_EQ(add("Bob", "Oslo", 2), 0);
    people.buf().setInteger("PEO:NUMBER", 1);
    EXPECT_EQ(people.put(), DuplicateKey);
    people.buf().setInteger("PEO:NUMBER", 2);
    EXPECT_FALSE(people.duplicate());  // its own value is no duplicate
}

TEST_F(RecordFileTest, PutAndDeleteNeedACurrentRecord) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    ASSERT_EQ(add("Bob", "Oslo", 2), 0);
    std::int64_t bob = people.pointer();
    people.buf().setInteger("PEO:NUMBER", 99);
    EXPECT_EQ(people.get(people.key("PEO:KEYNUMBER")), EntryNotFound);
    EXPECT_EQ(people.pointer(), 0);
    EXPECT_EQ(people.put(), RecordNotAvailable);
    EXPECT_EQ(people.deleteRecord(), RecordNotAvailable);
    EXPECT_EQ(people.getPointer(0), EntryNotFound);
    EXPECT_EQ(people.put(), RecordNotAvailable);
    people.set();
    EXPECT_EQ(walk().size(), 2u);
    EXPECT_EQ(people.put(), RecordNotAvailable);  // NEXT ran off the end
    ASSERT_EQ(people.getPointer(bob), 0);
    people.buf().setText("PEO:CITY", "Lima");
    ASSERT_EQ(people.put(), 0);
    ASSERT_EQ(people.deleteRecord(), 0);
    EXPECT_EQ(people.deleteRecord(), RecordNotAvailable);
    EXPECT_EQ(people.records(), 1);
}

TEST_F(RecordFileTest, PointersAreNeverReused) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    ASSERT_EQ(add("Bob", "Rome", 2), 0);
    std::int64_t last = people.pointer();
    ASSERT_EQ(people.deleteRecord(), 0);
    ASSERT_EQ(add("Cid", "Rome", 3), 0);
    EXPECT_GT(people.pointer(), last);
    last = people.pointer();
    ASSERT_EQ(people.empty(), 0);
    EXPECT_EQ(people.records(), 0);
    people.close();
    ASSERT_EQ(people.open(), 0);
    ASSERT_EQ(add("Dan", "Rome", 4), 0);
    EXPECT_GT(people.pointer(), last);
    EXPECT_EQ(people.getPointer(last), EntryNotFound);
}

TEST_F(RecordFileTest, PositionsLeadBackToTheirRecord) {
    for (const char* name : {"Kim", "Kim", "Kim", "Lee"})
        ASSERT_EQ(add(name, "X", name[0] + (long)people.records()), 0);
    int byName = people.key("PEO:KEYNAME");
    people.set(byName);
    ASSERT_EQ(people.next(), 0);
    ASSERT_EQ(people.next(), 0);
    std::int64_t second = people.pointer();
    std::string position = people.position();
    EXPECT_LE(position.size(), 512u);
    EXPECT_EQ(position, people.position(byName));
    ASSERT_EQ(people.next(), 0);
    ASSERT_EQ(people.reget(position + std::string(20, ' ')), 0);  // blank padded is fine
    EXPECT_EQ(people.pointer(), second);
    // RESET: the next read in either direction gives that very record among duplicates.
    ASSERT_EQ(people.reset(position), 0);
    ASSERT_EQ(people.next(), 0);
    EXPECT_EQ(people.pointer(), second);
    ASSERT_EQ(people.reset(position), 0);
    ASSERT_EQ(people.previous(), 0);
    EXPECT_EQ(people.pointer(), second);
    // A deleted record's position still places the walk where it stood.
    ASSERT_EQ(people.deleteRecord(), 0);
    EXPECT_EQ(people.reget(position), EntryNotFound);
    EXPECT_EQ(people.pointer(), 0);
    ASSERT_EQ(people.reset(position), 0);
    ASSERT_EQ(people.next(), 0);
    EXPECT_GT(people.pointer(), second);
    EXPECT_EQ(people.reget("rubbish"), EntryNotFound);
    // SKIP moves without reading into the buffer.
    people.set(byName);
    ASSERT_EQ(people.skip(2), 0);
    ASSERT_EQ(people.next(), 0);
    EXPECT_EQ(people.buf().text("PEO:NAME"), "Lee       ");
    EXPECT_EQ(people.skip(1), RecordNotAvailable);
}

TEST(RecordPositions, TheWidestKeyFitsA512CharacterPositionAtAnyPointer) {
    testsupport::TempDir dir{true};
    rt::RecordFile wide{rt::FileDecl("WIDE", "WID:")
                            .STRING("WID:TEXT", 236)
                            .KEY("WID:KEYTEXT", rt::DUP, {"WID:TEXT"})};
    EXPECT_THROW(rt::FileDecl("WIDER", "WDR:")
                     .STRING("WDR:TEXT", 237)
                     .KEY("WDR:KEYTEXT", rt::DUP, {"WDR:TEXT"}),
                 std::invalid_argument);
    ASSERT_EQ(wide.create(), 0);
    rawSql("WIDE.KVF", "INSERT INTO sqlite_sequence(name, seq) VALUES('rec', 999999999999999990)");
    ASSERT_EQ(wide.open(), 0);
    for (const char* text : {"first", "second"}) {
        wide.buf().setText("WID:TEXT", std::string(236, 'x') + text);
        ASSERT_EQ(wide.add(), 0);
    }
    std::int64_t second = wide.pointer();
    ASSERT_GE(second, 999999999999999991);
    wide.set(0);
    ASSERT_EQ(wide.next(), 0);
    ASSERT_EQ(wide.next(), 0);
    // Kept the way callers keep it: in a STRING(512).
    rt::FixedString<512> position;
    position = wide.position();
    EXPECT_LE(wide.position().size(), 512u);
    wide.set(0);
    ASSERT_EQ(wide.reset(position.view()), 0);
    ASSERT_EQ(wide.next(), 0);
    EXPECT_EQ(wide.pointer(), second);
    ASSERT_EQ(wide.reget(position.view()), 0);
    EXPECT_EQ(wide.pointer(), second);
}

TEST_F(RecordFileTest, MemosAndBlobsTravelWithTheRecord) {
    rt::RecordBuffer& b = people.buf();
    people.clear();
    b.setText("PEO:NAME", "Ann");
    b.setInteger("PEO:NUMBER", 1);
    b.setMemo(0, "first line\r\nsecond line");
    b.setBlob(0, std::string("\0\1\2\xFF", 4));
    ASSERT_EQ(people.add(), 0);
    std::int64_t ann = people.pointer();
    people.clear();
    ASSERT_EQ(people.getPointer(ann), 0);
    EXPECT_EQ(b.memoText(0), "first line\r\nsecond line");
    EXPECT_EQ(b.blobData(0), std::string("\0\1\2\xFF", 4));
    b.setBlob(0, "");
    b.setMemo(0, "");
    ASSERT_EQ(people.put(), 0);
    ASSERT_EQ(people.getPointer(ann), 0);
    EXPECT_TRUE(b.blobData(0).empty());
    EXPECT_TRUE(b.memoText(0).empty());
}

TEST_F(RecordFileTest, BytesIsTheFileSizeBeforeAReadAndTheRecordSizeAfter) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    ASSERT_EQ(add("Bob", "Rome", 2), 0);
    people.close();
    EXPECT_GT(people.bytes(), 1000);  // closed: the size on disk
    ASSERT_EQ(people.open(), 0);
    // Open: the records' size, so that adding BYTES after every read reaches it at the end.
    const std::int64_t size = people.bytes();
    EXPECT_EQ(size, 2 * people.decl().recordSize());
    std::int64_t read = 0;
    people.set();
    while (people.next() == 0)
        read += people.bytes();
    EXPECT_EQ(read, size);
    EXPECT_EQ(people.name(), "PEOPLE.KVF");
}

TEST_F(RecordFileTest, ADamagedFileAnswers90AndNothingWorse) {
    ASSERT_EQ(people.stream(), 0);
    for (long n = 0; n < 300; ++n)
        ASSERT_EQ(add("Person", "Rome", n), 0);
    ASSERT_EQ(people.flush(), 0);
    people.close();
    {
        // Garbage over the pages after the first few: records and keys alike.
        std::fstream file("PEOPLE.KVF", std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4 * 4096);
        const std::string garbage(8 * 4096, '\x5A');
        file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
    int code = people.open();
    if (code == 0) {
        people.set();
        while ((code = people.next()) == 0) {
        }
    }
    EXPECT_EQ(code, rt::FileError::FileSystemError);
    EXPECT_EQ(rt::errorText(), "File System Error");
    EXPECT_NE(rt::fileErrorCode(), 0);
    EXPECT_FALSE(rt::fileErrorText().empty());
}

TEST_F(RecordFileTest, AFileOpenedForReadingRefusesWrites) {
    ASSERT_EQ(add("Ann", "Rome", 1), 0);
    people.close();
    ASSERT_EQ(people.open(rt::ACCESS::ReadOnly | rt::ACCESS::DenyNone), 0);
    people.set();
    ASSERT_EQ(people.next(), 0);
    people.buf().setText("PEO:CITY", "Oslo");
    EXPECT_EQ(people.put(), rt::FileError::AccessDenied);
    EXPECT_EQ(add("Bob", "Oslo", 2), rt::FileError::AccessDenied);
    people.close();
    EXPECT_EQ(people.next(), rt::FileError::FileNotOpen);
    EXPECT_EQ(people.get(0), rt::FileError::FileNotOpen);
}

TEST_F(RecordFileTest, RemoveNeedsAClosedFile) {
    EXPECT_EQ(people.remove(), rt::FileError::FileAlreadyOpen);
    people.close();
    EXPECT_EQ(people.remove(), 0);
    EXPECT_EQ(people.open(), rt::FileError::FileNotFound);
    EXPECT_EQ(people.remove(), rt::FileError::FileNotFound);
}

TEST(OemFile, KeepsTextInCodePage437OnDisk) {
    testsupport::TempDir dir{true};
    rt::RecordFile notes{datatest::notesDecl()};
    ASSERT_EQ(notes.create(), 0);
    ASSERT_EQ(notes.open(), 0);
    notes.buf().setText("NOT:TITLE", "Caf\xE9");  // é in Windows-1252
    notes.buf().setMemo(0, "na\xEFve");           // ï
    ASSERT_EQ(notes.add(), 0);
    notes.close();

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open("NOTES.KVF", &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT image, m0 FROM rec", -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    std::string image(static_cast<const char*>(sqlite3_column_blob(s, 0)),
                      sqlite3_column_bytes(s, 0));
    std::string memo(static_cast<const char*>(sqlite3_column_blob(s, 1)),
                     sqlite3_column_bytes(s, 1));
    sqlite3_finalize(s);
    sqlite3_close(db);
    EXPECT_EQ(image.substr(0, 4), "Caf\x82");  // é in code page 437
    EXPECT_EQ(memo, "na\x8Bve");

    ASSERT_EQ(notes.open(), 0);
    notes.buf().setText("NOT:TITLE", "CAF\xC9");  // É: NOCASE finds é
    ASSERT_EQ(notes.get(0), 0);
    EXPECT_EQ(notes.buf().text("NOT:TITLE"), "Caf\xE9        ");
    EXPECT_EQ(notes.buf().memoText(0), "na\xEFve");
}

}  // namespace
