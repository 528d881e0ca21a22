// HOLDWRITES: a long write transaction under LOCK keeps its changed pages in memory, so other
// stations go on reading the file until it commits; without it, once SQLite's cache is full
// the pages are written out early and every reader is shut out.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "runtime/data/record_file.h"
#include "tests/support/temp_dir.h"

namespace {

// Can another connection read the file right now, without waiting?
bool othersCanRead(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, 0);
    sqlite3_stmt* count = nullptr;
    bool read =
        sqlite3_prepare_v2(db, "SELECT count(*) FROM rec", -1, &count, nullptr) == SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW;
    sqlite3_finalize(count);
    sqlite3_close(db);
    return read;
}

TEST(HoldWritesTest, OtherStationsReadThroughALongLockedBatchOnlyWithHeldWrites) {
    struct Case {
        const char* command;
        bool othersRead;
    };
    for (const Case& c : {Case{"HOLDWRITES=on", true}, Case{"HOLDWRITES=off", false}}) {
        SCOPED_TRACE(c.command);
        testsupport::TempDir dir{/*enter=*/true};
        rt::RecordFile big{rt::FileDecl("BIG", "BIG:")
                               .STRING("BIG:TEXT", 3000)
                               .LONG("BIG:N")
                               .KEY("BIG:KEYN", 0, {"BIG:N"})};
        ASSERT_EQ(big.create(), 0);
        ASSERT_EQ(big.open(), 0);
        ASSERT_EQ(big.send(c.command), 0);  // before the transaction begins
        ASSERT_EQ(big.lock(1), 0);
        // About 6 MB of changed pages: more than SQLite's cache holds by default.
        for (long n = 1; n <= 2000; ++n) {
            big.clear();
            big.buf().setText("BIG:TEXT", std::string(3000, static_cast<char>('A' + n % 26)));
            big.buf().setInteger("BIG:N", n);
            ASSERT_EQ(big.add(), 0);
        }
        EXPECT_EQ(othersCanRead(big.name()), c.othersRead);
        ASSERT_EQ(big.unlock(), 0);
        big.send("HOLDWRITES=off");
        EXPECT_TRUE(othersCanRead(big.name()));
        EXPECT_EQ(big.records(), 2000);
        big.close();
    }
}

}  // namespace
