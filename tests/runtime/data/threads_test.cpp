#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "runtime/data/record_file.h"
#include "runtime/data/transaction.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

// A file declared once for the program, as the application does: it outlives the threads'
// instances, including the main thread's.
rt::RecordFile programWide{datatest::peopleDecl()};

TEST(Threads, EveryThreadHasItsOwnBufferOpenStateAndPosition) {
    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
    ASSERT_EQ(people.create(), 0);
    ASSERT_EQ(people.open(), 0);
    for (const char* name : {"Ann", "Bob", "Cid"}) {
        people.clear();
        people.buf().setText("PEO:NAME", name);
        people.buf().setInteger("PEO:NUMBER", name[0]);
        ASSERT_EQ(people.add(), 0);
    }
    people.set(people.key("PEO:KEYNAME"));
    ASSERT_EQ(people.next(), 0);  // this thread stands on Ann

    std::string otherFirst, otherBuffer;
    bool otherStartedClosed = false;
    int otherOpen = -1, otherRead = -1;
    std::thread other([&] {
        otherStartedClosed = !people.isOpen();
        otherBuffer = people.buf().text("PEO:NAME");  // a fresh, cleared buffer
        otherOpen = people.open();
        people.set(people.key("PEO:KEYNAME"));
        people.previous();
        otherRead = people.previous();
        otherFirst = people.buf().text("PEO:NAME");
        people.close();
    });
    other.join();

    EXPECT_TRUE(otherStartedClosed);
    EXPECT_EQ(otherBuffer, std::string(10, ' '));
    EXPECT_EQ(otherOpen, 0);
    EXPECT_EQ(otherRead, 0);
    EXPECT_EQ(otherFirst, "Bob       ");
    EXPECT_TRUE(people.isOpen());
    EXPECT_EQ(people.buf().text("PEO:NAME"), "Ann       ");
    ASSERT_EQ(people.next(), 0);
    EXPECT_EQ(people.buf().text("PEO:NAME"), "Bob       ");
}

TEST(Threads, QuickScanIsTheThreadsOwnAndEndsAtTheNextOpen) {
    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
    ASSERT_EQ(people.create(), 0);
    ASSERT_EQ(people.open(), 0);
    EXPECT_FALSE(people.quickScan());
    people.send("quickscan=ON");  // the command's case does not matter
    EXPECT_TRUE(people.quickScan());
    bool otherSaw = true;
    std::thread other([&] { otherSaw = people.quickScan(); });
    other.join();
    EXPECT_FALSE(otherSaw);
    people.send("Recover=5");  // other commands leave it as it is
    EXPECT_TRUE(people.quickScan());
    people.send("QUICKSCAN=off");
    EXPECT_FALSE(people.quickScan());
    people.send("QUICKSCAN=on");
    people.close();
    ASSERT_EQ(people.open(), 0);
    EXPECT_FALSE(people.quickScan());
}

TEST(Threads, AThreadThatEndsInTheMiddleOfAScanClosesItsFiles) {
    testsupport::TempDir dir{true};
    programWide.setName("WIDE.KVF");
    ASSERT_EQ(programWide.create(), 0);
    ASSERT_EQ(programWide.open(), 0);
    for (long n = 1; n <= 3; ++n) {
        programWide.buf().setInteger("PEO:NUMBER", n);
        ASSERT_EQ(programWide.add(), 0);
    }
    int read = -1;
    std::thread worker([&] {
        if (programWide.open() != 0) return;
        programWide.send("QUICKSCAN=on");
        programWide.set(programWide.key("PEO:KEYNUMBER"));
        read = programWide.next();
        // The thread ends here with its file open and its scan's statement open.
    });
    worker.join();
    EXPECT_EQ(read, 0);
    // Nothing of the ended thread holds the file: this thread can write and commit.
    ASSERT_EQ(rt::logout(1, {&programWide}), 0);
    ASSERT_EQ(programWide.getPointer(1), 0);
    programWide.buf().setInteger("PEO:LEVEL", 5);
    ASSERT_EQ(programWide.put(), 0);
    ASSERT_EQ(rt::commit(), 0);
    // The main thread's instance stays open past the test, until the program ends.
    programWide.set();
    programWide.send("QUICKSCAN=on");
    ASSERT_EQ(programWide.next(), 0);
}

TEST(Threads, AThreadMayEndAfterTheFileItUsedIsGone) {
    // The thread's instance, still open in a transaction with a live scan, closes at the
    // thread's end without reaching the destroyed file object or its declaration.
    testsupport::TempDir dir{true};
    std::mutex mutex;
    std::condition_variable changed;
    int stage = 0;
    int put = -1;
    std::thread worker;
    {
        rt::RecordFile people{datatest::peopleDecl()};
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
        people.buf().setInteger("PEO:NUMBER", 1);
        ASSERT_EQ(people.add(), 0);
        worker = std::thread([&] {
            if (people.open() == 0 && rt::logout(1, {&people}) == 0) {
                people.send("QUICKSCAN=on");
                people.set(people.key("PEO:KEYNUMBER"));
                if (people.next() == 0) {
                    people.buf().setText("PEO:CITY", "Late");
                    put = people.put();
                }
            }
            std::unique_lock<std::mutex> lock(mutex);
            stage = 1;
            changed.notify_all();
            changed.wait(lock, [&] { return stage == 2; });
        });
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return stage == 1; });
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        stage = 2;
    }
    changed.notify_all();
    worker.join();
    EXPECT_EQ(put, 0);
    // The ended transaction was rolled back and left the file free.
    rt::RecordFile again{datatest::peopleDecl()};
    ASSERT_EQ(again.open(), 0);
    ASSERT_EQ(again.getPointer(1), 0);
    EXPECT_EQ(again.buf().text("PEO:CITY"), std::string(8, ' '));
    ASSERT_EQ(rt::logout(1, {&again}), 0);
    EXPECT_EQ(rt::commit(), 0);
}

}  // namespace
