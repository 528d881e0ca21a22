// Stations sharing one folder: a walk that writes while another process keeps writing,
// numbers claimed for records still being added, and the temporary files of creations that
// were killed.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/data/errors.h"
#include "runtime/data/record_file.h"
#include "runtime/data/transaction.h"
#include "runtime/data/view.h"
#include "runtime/text/fixed_text.h"
#include "sample_files.h"
#include "tests/support/busy_station.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class SharedFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
    }
    std::vector<std::int64_t> addPeople(int count) {
        std::vector<std::int64_t> pointers;
        for (int i = 0; i < count; ++i) {
            people.clear();
            people.buf().setText("PEO:NAME", "P" + std::to_string(i));
            people.buf().setInteger("PEO:NUMBER", i);
            EXPECT_EQ(people.add(), 0);
            pointers.push_back(people.pointer());
        }
        return pointers;
    }

    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
};

TEST_F(SharedFolder, AQuickScanWalkWritesInTransactionsWhileAnotherProcessKeepsWriting) {
    constexpr int kPeople = 200;
    const auto pointers = addPeople(kPeople);
    testsupport::BusyStation other(
        testsupport::cyclicSaves(datatest::peopleDecl(), pointers, "PEO:CITY"));
    ASSERT_TRUE(other.started());
    // The walk's statement stays open between reads: the transaction must let go of it and
    // wait for the other station, not fail at once while it writes.
    people.send("QUICKSCAN=on");
    ASSERT_EQ(people.set(people.key("PEO:KEYNAME")), 0);
    rt::View view(people);
    ASSERT_EQ(view.open(), 0);
    int walked = 0;
    while (view.next() == 0) {
        const std::int64_t pointer = people.pointer();
        ASSERT_EQ(rt::logout(2, {&people}), 0) << rt::errorText() << " at " << walked;
        ASSERT_EQ(people.getPointer(pointer), 0);
        people.buf().setInteger("PEO:LEVEL", 7);
        ASSERT_EQ(people.put(), 0) << rt::errorText();
        ASSERT_EQ(rt::commit(), 0);
        ++walked;
    }
    people.send("QUICKSCAN=off");
    const long saves = other.stop();
    ASSERT_GT(saves, 1);
    EXPECT_EQ(walked, kPeople);
    for (int k = 0; k < kPeople; ++k) {
        ASSERT_EQ(people.getPointer(pointers[k]), 0);
        EXPECT_EQ(people.buf().integer("PEO:LEVEL"), 7) << k;
        EXPECT_EQ(rt::clip(people.buf().text("PEO:CITY")),
                  testsupport::lastCyclicSave(k, kPeople, saves))
            << k;
    }
}

TEST_F(SharedFolder, ClaimedNumbersAreNeverHandedOutTwiceAndOnlyTheLastGoesBack) {
    rt::RecordFile other{datatest::peopleDecl()};  // another connection: another station
    ASSERT_EQ(other.open(), 0);
    std::int64_t mine = 0, theirs = 0, again = 0;
    ASSERT_EQ(people.claimNumber("PEO:KEYNUMBER", 5, mine), 0);
    EXPECT_EQ(mine, 5);
    ASSERT_EQ(other.claimNumber("PEO:KEYNUMBER", 5, theirs), 0);
    EXPECT_EQ(theirs, 6);  // the file is still without either record
    // A claim behind another one keeps its number taken; the last one is given back.
    ASSERT_EQ(people.releaseNumber("PEO:KEYNUMBER", mine), 0);
    ASSERT_EQ(people.claimNumber("PEO:KEYNUMBER", 1, again), 0);
    EXPECT_EQ(again, 7);
    ASSERT_EQ(people.releaseNumber("PEO:KEYNUMBER", again), 0);
    ASSERT_EQ(other.claimNumber("PEO:KEYNUMBER", 1, again), 0);
    EXPECT_EQ(again, 7);
    // Records added above the claims lift the next one; counters are kept apart by name.
    ASSERT_EQ(people.claimNumber("PEO:KEYNUMBER", 20, again), 0);
    EXPECT_EQ(again, 20);
    ASSERT_EQ(people.claimNumber("OTHER", 1, again), 0);
    EXPECT_EQ(again, 1);
    // The claims are in the file, not in the process.
    people.close();
    other.close();
    rt::RecordFile later{datatest::peopleDecl()};
    ASSERT_EQ(later.open(), 0);
    ASSERT_EQ(later.claimNumber("PEO:KEYNUMBER", 1, again), 0);
    EXPECT_EQ(again, 21);
    EXPECT_EQ(later.records(), 0);
}

// The temporary name a creation on this machine by process `pid` would have used.
std::string temporaryOf(const std::string& file, const std::string& machine, long pid) {
    return file + "." + machine + "-" + std::to_string(pid) + "-1.creating";
}

std::string thisMachine() {
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    std::string name = host;
    for (char& c : name)
        if (c == '/' || c == '-') c = '_';
    return name;
}

TEST_F(SharedFolder, TemporaryFilesOfKilledCreationsGoOnceItIsSafeToTell) {
    people.close();
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string deadHere = temporaryOf("PEOPLE.KVF", thisMachine(), gone);
    const std::string runningHere = temporaryOf("PEOPLE.KVF", thisMachine(), getpid());
    const std::string elsewhere = temporaryOf("PEOPLE.KVF", "othermachine", gone);
    const std::string elsewhereOld = temporaryOf("PEOPLE.KVF", "othermachine", 4242);
    const std::string otherFile = temporaryOf("PEOPLEX.KVF", thisMachine(), gone);
    for (const std::string& name : {deadHere, runningHere, elsewhere, elsewhereOld, otherFile})
        std::ofstream(name) << "half built";
    fs::last_write_time(elsewhereOld, fs::file_time_type::clock::now() - std::chrono::hours(25));

    ASSERT_EQ(people.open(), 0);
    EXPECT_FALSE(fs::exists(deadHere));
    EXPECT_FALSE(fs::exists(elsewhereOld));
    EXPECT_TRUE(fs::exists(runningHere));  // its creation may still be under way
    EXPECT_TRUE(fs::exists(elsewhere));    // another machine's process cannot be asked
    EXPECT_TRUE(fs::exists(otherFile));
    EXPECT_EQ(people.records(), 0);
}

}  // namespace
