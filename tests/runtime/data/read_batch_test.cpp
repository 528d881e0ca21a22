// Read batches: one read transaction over a run of reads, never held past the batch, a write
// or a wait for the next event.

#include "runtime/data/read_batch.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <thread>
#include <vector>

#include "runtime/data/record_file.h"
#include "runtime/data/transaction.h"
#include "runtime/text/fixed_text.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

// Whether another connection could commit right now: it asks for the exclusive lock
// without waiting.
bool othersCanCommit(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, 0);
    const bool free = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (free) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return free;
}

class ReadBatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
        for (long n = 1; n <= 20; ++n)
            addPerson("P" + std::to_string(n), n);
    }
    void addPerson(const std::string& name, long number) {
        people.clear();
        people.buf().setText("PEO:NAME", name);
        people.buf().setInteger("PEO:NUMBER", number);
        ASSERT_EQ(people.add(), 0);
    }
    // The name of the person with the number, "" when there is none.
    std::string nameOf(long number) {
        people.buf().setInteger("PEO:NUMBER", number);
        if (people.get(numberKey) != 0) return {};
        return std::string(rt::clip(people.buf().text("PEO:NAME")));
    }
    std::vector<std::string> namesOf(long first, long last) {
        std::vector<std::string> names;
        for (long n = first; n <= last; ++n)
            names.push_back(nameOf(n));
        return names;
    }
    // Another station (thread) adds a person and closes again; its result code.
    int otherStationAdds(const std::string& name, long number) {
        int code = -1;
        std::thread station([&] {
            code = people.open();
            if (code != 0) return;
            people.clear();
            people.buf().setText("PEO:NAME", name);
            people.buf().setInteger("PEO:NUMBER", number);
            code = people.add();
            people.close();
        });
        station.join();
        return code;
    }

    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
    const int numberKey = people.key("PEO:KEYNUMBER");
    const std::string path = people.name();
};

TEST_F(ReadBatchTest, ReadsTheSameDataUnderOneLockThatEndsWithTheBatch) {
    const std::vector<std::string> alone = namesOf(0, 21);
    std::vector<std::string> batched;
    {
        rt::ReadBatch batch(people);
        EXPECT_TRUE(batch.active());
        batched = namesOf(0, 21);
        // The reads' shared lock is held across them: no one commits meanwhile.
        EXPECT_FALSE(othersCanCommit(path));
        {
            rt::ReadBatch inner(people);  // shares the outer batch and leaves it open
        }
        EXPECT_TRUE(batch.active());
        EXPECT_FALSE(othersCanCommit(path));
    }
    EXPECT_EQ(batched, alone);
    EXPECT_EQ(batched[1], "P1");
    EXPECT_EQ(batched[0], "");  // a key that is not there still answers its error
    EXPECT_TRUE(othersCanCommit(path));
    ASSERT_EQ(otherStationAdds("Late", 30), 0);
    rt::ReadBatch again(people);
    EXPECT_EQ(nameOf(30), "Late");  // the next batch sees the other station's commit
}

TEST_F(ReadBatchTest, AWaitForTheNextEventEndsTheBatchsLock) {
    rt::ReadBatch batch(people);
    EXPECT_EQ(nameOf(3), "P3");
    rt::suspendRecordScans();
    EXPECT_FALSE(batch.active());
    EXPECT_TRUE(othersCanCommit(path));
    ASSERT_EQ(otherStationAdds("During", 31), 0);
    EXPECT_EQ(nameOf(31), "During");  // the batch goes on reading, one read at a time
    EXPECT_EQ(nameOf(4), "P4");
}

// A walk inside a batch keeps its statement open between reads; the batch's end, a write and
// a wait must still leave no lock behind, and the walk goes on from its place.
TEST_F(ReadBatchTest, AWalkInsideABatchEndsItsReadWithTheBatch) {
    auto nextName = [&] {
        return people.next() == 0 ? std::string(rt::clip(people.buf().text("PEO:NAME")))
                                  : std::string();
    };
    people.set(numberKey);
    std::vector<std::string> walked;
    {
        rt::ReadBatch batch(people);
        for (int i = 0; i < 3; ++i)
            walked.push_back(nextName());
    }
    EXPECT_TRUE(othersCanCommit(path));
    ASSERT_EQ(otherStationAdds("Late", 21), 0);
    {
        rt::ReadBatch batch(people);
        walked.push_back(nextName());
        people.buf().setText("PEO:NAME", "Changed");
        ASSERT_EQ(people.put(), 0);  // a write in the middle of the walk
        EXPECT_TRUE(othersCanCommit(path));
        walked.push_back(nextName());
        rt::suspendRecordScans();  // and a wait for the next event
        EXPECT_TRUE(othersCanCommit(path));
        while (walked.size() < 22)
            walked.push_back(nextName());
    }
    EXPECT_TRUE(othersCanCommit(path));
    std::vector<std::string> expected;
    for (long n = 1; n <= 20; ++n)
        expected.push_back("P" + std::to_string(n));
    expected.push_back("Late");
    expected.push_back("");  // the end of the file
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(nameOf(4), "Changed");
}

TEST_F(ReadBatchTest, WritesInsideABatchCommitAtOnce) {
    rt::ReadBatch batch(people);
    EXPECT_EQ(nameOf(5), "P5");
    people.buf().setText("PEO:NAME", "Changed");
    ASSERT_EQ(people.put(), 0);
    EXPECT_FALSE(batch.active());
    EXPECT_TRUE(othersCanCommit(path));  // the write is committed, no lock is left
    addPerson("Added", 40);
    ASSERT_EQ(people.lock(1), 0);  // LOCK, STREAM and LOGOUT still start their own
    addPerson("Locked", 41);
    ASSERT_EQ(people.unlock(), 0);
    ASSERT_EQ(rt::logout(1, {&people}), 0);
    ASSERT_EQ(people.deleteRecord(), 0);
    ASSERT_EQ(rt::commit(), 0);
    EXPECT_EQ(nameOf(5), "Changed");
    EXPECT_EQ(nameOf(40), "Added");
    EXPECT_EQ(nameOf(41), "");
    EXPECT_TRUE(othersCanCommit(path));
}

TEST_F(ReadBatchTest, DoesNothingOverATransactionOrAClosedFile) {
    ASSERT_EQ(rt::logout(1, {&people}), 0);
    {
        rt::ReadBatch batch(people);
        EXPECT_FALSE(batch.active());
        addPerson("InLogout", 50);
    }
    ASSERT_EQ(rt::rollback(), 0);  // the batch did not commit the transaction's write
    EXPECT_EQ(nameOf(50), "");
    {
        rt::ReadBatch batch(people);
        EXPECT_EQ(nameOf(6), "P6");
        ASSERT_EQ(people.close(), 0);  // CLOSE ends the batch with the file
        EXPECT_FALSE(batch.active());
    }
    EXPECT_TRUE(othersCanCommit(path));
    rt::ReadBatch closed(people);
    EXPECT_FALSE(closed.active());
    ASSERT_EQ(people.open(), 0);
    EXPECT_EQ(nameOf(6), "P6");
}

}  // namespace
