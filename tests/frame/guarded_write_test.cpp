// Guarded writes between two stations sharing one file: this program's main thread and a
// second connection on another thread.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "frame/file_hooks.h"
#include "frame/globals.h"
#include "frame/guarded_write.h"
#include "frame/use_counts.h"
#include "program_run.h"
#include "runtime/data/transaction.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/program.h"
#include "tests/support/short_wait_seconds.h"
#include "tests/support/station_thread.h"
#include "tests/support/temp_dir.h"
#include "things_file.h"

namespace {

using testsupport::things;

std::string nameOf(rt::RecordFile& f) {
    return std::string(rt::clip(f.buf().text("THI:NAME")));
}

// The other station: its own connection on its own thread.
template <typename Work>
void otherStation(Work work) {
    std::thread([&] {
        rt::RecordFile& f = things();
        ASSERT_EQ(f.open(), 0);
        work(f);
        f.close();
    }).join();
}

void changeOtherStation(const char* name) {
    otherStation([&](rt::RecordFile& f) {
        ASSERT_EQ(f.set(), 0);
        ASSERT_EQ(f.next(), 0);
        f.buf().setText("THI:NAME", name);
        ASSERT_EQ(f.put(), 0);
    });
}

void deleteFirstAtOtherStation() {
    otherStation([](rt::RecordFile& f) {
        f.set();
        f.next();
        ASSERT_EQ(f.deleteRecord(), 0);
    });
}

class GuardedWriteTest : public testing::Test {
  protected:
    void SetUp() override {
        rt::RecordFile& f = things();
        ASSERT_EQ(f.create(), 0);
        ASSERT_EQ(f.open(), 0);
        for (const char* name : {"Alpha", "Beta"}) {
            f.clear();
            f.buf().setText("THI:NAME", name);
            ASSERT_EQ(f.add(), 0);
        }
        f.close();
    }
    // Opens the file and reads its first record, as a form has it when it writes.
    static void readFirst() {
        rt::RecordFile& f = things();
        UseFile(f);
        f.set();
        f.next();
    }
    static long long count() {
        long long n = -1;
        otherStation([&](rt::RecordFile& f) { n = f.records(); });
        return n;
    }
    testsupport::TempDir dir{/*enter=*/true};
    testsupport::ProgramRun run;
};

TEST_F(GuardedWriteTest, UpdateWithoutConflictWritesAndLeavesNoSavedError) {
    int result = -1;
    int finishes = 0;
    SetFileHooks(things(), {nullptr, [&] { ++finishes; }, nullptr});
    run.run([&] {
        readFirst();
        things().buf().setText("THI:NAME", "Alpha Two");
        result = GuardedUpdate(things(), 0);
        EXPECT_EQ(GLO::SavedErrorCode, 0);
        ReleaseFile(things());
    });
    SetFileHooks(things(), {});
    EXPECT_EQ(result, GUARDED::Done);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(finishes, 1);
    std::string stored;
    otherStation([&](rt::RecordFile& f) {
        f.set();
        f.next();
        stored = nameOf(f);
    });
    EXPECT_EQ(stored, "Alpha Two");
}

TEST_F(GuardedWriteTest, ChangeByAnotherStationIsToldAndItsVersionReloaded) {
    struct Flag {
        int flag;
        const char* caption;
        const char* text;
    };
    const Flag flags[] = {
        {1, "Record Was Not Updated",
         "This record was changed by another station. Those changes will now be displayed. Use "
         "the Ditto Button or Ctrl+' to recall your changes."},
        {0, "Update Operation Error", "This record was changed by another station."},
    };
    for (const Flag& c : flags) {
        SCOPED_TRACE(c.flag);
        testsupport::ProgramRun station;
        int result = -1, retry = -1;
        std::string inBuffer;
        station.run([&] {
            readFirst();
            changeOtherStation("Changed Elsewhere");
            things().buf().setText("THI:NAME", "Mine");
            result = GuardedUpdate(things(), c.flag);
            inBuffer = nameOf(things());
            // The reloaded version is the current one: writing it again succeeds.
            things().buf().setText("THI:NAME", "Mine After All");
            retry = GuardedUpdate(things(), c.flag);
            ReleaseFile(things());
        });
        EXPECT_EQ(result, GUARDED::ChangedElsewhere);
        EXPECT_EQ(inBuffer, "Changed Elsewhere");
        EXPECT_EQ(retry, GUARDED::Done);
        ASSERT_EQ(station.boxes.size(), 1u);
        EXPECT_EQ(station.boxes[0].caption, c.caption);
        EXPECT_EQ(station.boxes[0].text, c.text);
    }
}

// While the first thread's warning is open, a second application thread of the program
// writes another record through the guarded update; the first one still reloads its own.
TEST_F(GuardedWriteTest, AnotherThreadsUpdateDuringTheWarningDoesNotChangeWhatIsReloaded) {
    int result = -1, otherResult = -1;
    std::string inBuffer;
    run.run([&] {
        readFirst();
        changeOtherStation("Changed Elsewhere");
        rt::start([&] {  // runs while the first thread waits for its warning
            rt::RecordFile& f = things();
            UseFile(f);
            f.set();
            f.next();
            f.next();  // "Beta"
            f.buf().setText("THI:NAME", "Beta Two");
            otherResult = GuardedUpdate(f, 0);
            ReleaseFile(f);
        });
        things().buf().setText("THI:NAME", "Mine");
        result = GuardedUpdate(things(), 0);
        inBuffer = nameOf(things());
        ReleaseFile(things());
    });
    EXPECT_EQ(otherResult, GUARDED::Done);
    EXPECT_EQ(result, GUARDED::ChangedElsewhere);
    EXPECT_EQ(inBuffer, "Changed Elsewhere");
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, "This record was changed by another station.");
}

TEST_F(GuardedWriteTest, LockHeldPastTwoSecondsFailsTheUpdateWithTransactionFramingError) {
    testsupport::ShortWaitSeconds seconds(100);
    testsupport::StationThread holder([](testsupport::StationThread& station) {
        rt::RecordFile& f = things();
        ASSERT_EQ(f.open(), 0);
        ASSERT_EQ(rt::logout(1, {&f}), 0);
        f.set();
        f.next();
        f.buf().setText("THI:NAME", "Held");
        f.put();
        station.ready();
        station.waitForRelease();
        rt::rollback();
        f.close();
    });
    ASSERT_TRUE(holder.waitReady());
    int result = -1;
    auto started = std::chrono::steady_clock::now();
    run.run([&] {
        readFirst();
        things().buf().setText("THI:NAME", "Mine");
        result = GuardedUpdate(things(), 0);
        ReleaseFile(things());
    });
    auto waited = std::chrono::steady_clock::now() - started;
    holder.join();
    EXPECT_EQ(result, GUARDED::Failed);
    EXPECT_GE(waited, seconds(2) * 95 / 100);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, "Transaction Framing Error");
    EXPECT_THAT(run.boxes[0].text,
                testing::MatchesRegex("Error: \\(.* \\([0-9]+\\)\\) attempting to frame the update "
                                      "transaction on THINGS\\.  Update transaction cancelled\\."));
}

TEST_F(GuardedWriteTest, UpdateOfARecordAnotherStationDeletedSaysSoAndAddsNothing) {
    int result = -1;
    run.run([&] {
        readFirst();
        deleteFirstAtOtherStation();
        things().buf().setText("THI:NAME", "Mine");
        result = GuardedUpdate(things(), 0);
        ReleaseFile(things());
    });
    EXPECT_EQ(result, GUARDED::Failed);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, "Update Operation Error");
    EXPECT_EQ(run.boxes[0].text, "This record was deleted by another station.");
    EXPECT_EQ(count(), 1);
}

TEST_F(GuardedWriteTest, DeleteRemovesTheRecordInTheBuffer) {
    int result = -1;
    run.run([&] {
        readFirst();
        result = GuardedDelete(things());
        ReleaseFile(things());
    });
    EXPECT_EQ(result, GUARDED::Done);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(count(), 1);
}

TEST_F(GuardedWriteTest, DeleteOfARecordAnotherStationDeletedFailsAndDeletesNothing) {
    int result = -1;
    int finishes = 0;
    SetFileHooks(things(), {nullptr, nullptr, [&] { ++finishes; }});
    run.run([&] {
        readFirst();
        deleteFirstAtOtherStation();
        result = GuardedDelete(things());
        ReleaseFile(things());
    });
    SetFileHooks(things(), {});
    EXPECT_EQ(result, GUARDED::Failed);
    EXPECT_EQ(finishes, 1);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].caption, "Delete Operation Error");
    EXPECT_THAT(run.boxes[0].text, testing::EndsWith("delete a record from the file THINGS."));
    EXPECT_EQ(count(), 1);  // "Beta" is still there
}

}  // namespace
