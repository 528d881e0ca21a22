// Tag writes of a whole walk in batches: the writes of a batch share one transaction, the
// lock is free between batches, and another station that waits for it gets in after one
// batch at most instead of after the whole walk.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "frame/tag_writes.h"
#include "frame/tagging.h"
#include "program_run.h"
#include "records/tag_file.h"
#include "runtime/data/errors.h"
#include "tests/support/temp_dir.h"

namespace {

// Another station's try for the tag file's lock, without waiting: 0 or the error code.
int otherStationTriesLock() {
    return std::async(std::launch::async,
                      [] {
                          rt::RecordFile& f = records::tagFile();
                          if (f.open() != 0) return -1;
                          const int code = f.lock(0);
                          if (code == 0) f.unlock();
                          f.close();
                          return code;
                      })
        .get();
}

class TagBatchTest : public testing::Test {
  protected:
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::ProgramRun run;
};

TEST_F(TagBatchTest, HoldsTheLockWithinABatchAndFreesItBetweenBatches) {
    int duringBatch = -1, afterBatch = -1, afterFinish = -1;
    long commits = 0, count = 0, written = 0;
    run.run([&] {
        OpenTagFile_();
        TagWriteBatch batch;
        SetTag_(TAG::Contacts, 1, "A");
        written = 1;
        duringBatch = otherStationTriesLock();
        // A batch ends after its number of writes, or earlier when its time is up (a slow
        // machine): either way the lock is free once it has ended.
        while (batch.commits() == 0 && written < 2 * kTagBatchWrites)
            SetTag_(TAG::Contacts, ++written, "A");
        afterBatch = otherStationTriesLock();
        for (long p = 1; p <= written / 2; ++p)
            ClrTag_(TAG::Contacts, p);
        batch.finish();
        afterFinish = otherStationTriesLock();
        commits = batch.commits();
        for (long p = 1; p <= written; ++p)
            count += GetTag_(TAG::Contacts, p);
        CloseTagFile_();
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
    EXPECT_EQ(duringBatch, rt::FileError::FileLocked);
    EXPECT_LE(written, kTagBatchWrites);  // no batch runs past its number of writes
    EXPECT_EQ(afterBatch, 0);
    EXPECT_EQ(afterFinish, 0);
    // One commit for the first batch, at least one for the rest.
    EXPECT_GE(commits, 2);
    EXPECT_EQ(count, written - written / 2);
}

TEST_F(TagBatchTest, ASingleTagOutsideABatchIsCommittedAtOnce) {
    int afterTag = -1;
    run.run([&] {
        OpenTagFile_();
        SetTag_(TAG::Contacts, 7, "A");
        afterTag = otherStationTriesLock();
        CloseTagFile_();
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
    EXPECT_EQ(afterTag, 0);
}

TEST_F(TagBatchTest, AnotherStationsTagWaitsForOneBatchAtMost) {
    constexpr long kWalk = 6 * kTagBatchWrites;
    std::atomic<long> written = 0;
    long writtenWhenOtherStarted = 0, writtenWhenOtherDone = 0;
    bool otherTagged = false;
    run.run([&] {
        OpenTagFile_();
        std::promise<void> started;
        std::thread other([&] {
            // A station of its own: its own connection, its single Tag press.
            started.get_future().wait();
            writtenWhenOtherStarted = written;
            SetTag_(TAG::Contacts + 1, 1, "OTHER");
            writtenWhenOtherDone = written;
            otherTagged = GetTag_(TAG::Contacts + 1, 1) == 1;
        });
        {
            TagWriteBatch batch;
            for (long p = 1; p <= kWalk; ++p) {
                SetTag_(TAG::Contacts, p, "A");
                ++written;
                if (p == 10) started.set_value();
            }
            batch.finish();
        }
        other.join();
        CloseTagFile_();
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
    EXPECT_TRUE(otherTagged);
    EXPECT_LT(writtenWhenOtherDone, kWalk) << "the other station waited for the whole walk";
    EXPECT_LE(writtenWhenOtherDone - writtenWhenOtherStarted, kTagBatchWrites + 1);
}

TEST_F(TagBatchTest, AStationThatWaitsGoesFirstHoweverTheLastBatchEnded) {
    // The walk's batch ends before a turn of the program's other threads, not because it is
    // full; another station's Tag press has begun meanwhile. The walk's next write waits
    // until that station has had the lock, instead of taking it back at once.
    std::atomic<long> written = 0;
    long writtenWhenCommitted = -1, writtenWhenOtherLocked = -1;
    run.run([&] {
        OpenTagFile_();
        std::promise<void> pressed, committed;
        std::thread other([&] {
            SingleTagWriteSign sign;
            pressed.set_value();
            committed.get_future().wait();
            // Between two of its tries for the lock.
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            rt::RecordFile& f = records::tagFile();
            if (f.open() != 0) return;
            if (f.lock(0) == 0) {
                writtenWhenOtherLocked = written;
                sign.drop();
                f.unlock();
            }
            f.close();
        });
        {
            TagWriteBatch batch;
            SetTag_(TAG::Contacts, 1, "A");
            ++written;
            pressed.get_future().wait();
            EndTagBatchBeforeWait();
            writtenWhenCommitted = written;
            committed.set_value();
            for (long p = 2; p <= 20; ++p) {
                SetTag_(TAG::Contacts, p, "A");
                ++written;
            }
            batch.finish();
        }
        other.join();
        CloseTagFile_();
    });
    EXPECT_FALSE(run.halted) << run.haltMessage;
    EXPECT_EQ(writtenWhenCommitted, 1);
    EXPECT_EQ(writtenWhenOtherLocked, writtenWhenCommitted);
}

}  // namespace
