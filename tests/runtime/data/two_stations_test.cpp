// Two processes (stations) on one record file, and a station killed in a transaction.

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "runtime/data/record_file.h"
#include "runtime/data/transaction.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

// A one-byte signal between the two processes.
class Pipe {
  public:
    Pipe() {
        if (pipe(fds_) != 0) std::abort();
    }
    ~Pipe() {
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    void send(char c = 'x') { (void)!write(fds_[1], &c, 1); }
    char receive() {
        char c = 0;
        return read(fds_[0], &c, 1) == 1 ? c : 0;
    }

  private:
    int fds_[2];
};

// Runs `body` in a child process; its result is the child's exit code. The child uses its
// own RecordFile objects, so it shares no SQLite connection with the parent.
pid_t runStation(const std::function<int()>& body) {
    pid_t pid = fork();
    if (pid == 0) _exit(body());
    return pid;
}

int exitCodeOf(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

class TwoStations : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
    }
    void addPerson(const char* name, long number) {
        people.clear();
        people.buf().setText("PEO:NAME", name);
        people.buf().setInteger("PEO:NUMBER", number);
        ASSERT_EQ(people.add(), 0);
    }

    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
    Pipe toChild, toParent;
};

TEST_F(TwoStations, EachSeesTheOthersWritesAndAStaleWriteAnswers89) {
    addPerson("Ann", 1);
    std::int64_t ann = people.pointer();
    pid_t child = runStation([&] {
        rt::RecordFile mine{datatest::peopleDecl()};
        if (mine.open() || mine.getPointer(ann)) return 1;
        toParent.send();    // read Ann
        toChild.receive();  // the parent has changed her meanwhile
        mine.buf().setText("PEO:CITY", "Child");
        if (mine.put() != rt::FileError::RecordChanged) return 2;
        if (rt::errorText() != "Record Changed By Another Station") return 3;
        mine.watch();
        if (mine.reget(mine.position()) || mine.buf().text("PEO:CITY") != "Parent  ") return 4;
        mine.buf().setText("PEO:CITY", "Child");
        if (mine.put()) return 5;
        mine.clear();
        mine.buf().setText("PEO:NAME", "Bob");
        mine.buf().setInteger("PEO:NUMBER", 2);
        if (mine.add()) return 6;
        return 0;
    });
    toParent.receive();
    ASSERT_EQ(people.getPointer(ann), 0);
    people.buf().setText("PEO:CITY", "Parent");
    ASSERT_EQ(people.put(), 0);
    toChild.send();
    ASSERT_EQ(exitCodeOf(child), 0);
    EXPECT_EQ(people.records(), 2);
    // The parent's own copy is stale now as well.
    people.buf().setText("PEO:CITY", "Again");
    EXPECT_EQ(people.put(), rt::FileError::RecordChanged);
    ASSERT_EQ(people.getPointer(ann), 0);
    EXPECT_EQ(people.buf().text("PEO:CITY"), "Child   ");
}

TEST_F(TwoStations, LogoutWaitsForAShortTransactionAndGivesUpOnALongOne) {
    addPerson("Ann", 1);
    std::int64_t ann = people.pointer();
    auto holdTransaction = [&](int milliseconds) {
        return runStation([&, milliseconds] {
            rt::RecordFile mine{datatest::peopleDecl()};
            if (mine.open() || rt::logout(1, {&mine}) || mine.getPointer(ann)) return 1;
            mine.buf().setInteger("PEO:LEVEL",
                                  static_cast<int>(mine.buf().integer("PEO:LEVEL")) + 1);
            if (mine.put()) return 2;
            toParent.send();
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            return rt::commit() ? 3 : 0;
        });
    };

    pid_t child = holdTransaction(400);
    toParent.receive();
    auto start = Clock::now();
    ASSERT_EQ(rt::logout(2, {&people}), 0);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(250));
    ASSERT_EQ(people.getPointer(ann), 0);
    EXPECT_EQ(people.buf().integer("PEO:LEVEL"), 1);  // the other's commit is in
    ASSERT_EQ(rt::commit(), 0);
    EXPECT_EQ(exitCodeOf(child), 0);

    child = holdTransaction(2500);
    toParent.receive();
    start = Clock::now();
    EXPECT_EQ(rt::logout(1, {&people}), rt::FileError::FileLocked);
    auto waited = Clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(900));
    EXPECT_LT(waited, std::chrono::milliseconds(2400));
    EXPECT_FALSE(rt::logoutActive());
    EXPECT_EQ(rt::rollback(), 0);  // harmless without a transaction
    EXPECT_EQ(exitCodeOf(child), 0);
}

TEST_F(TwoStations, ALockKeepsOtherStationsFromWritingUntilUnlock) {
    addPerson("Ann", 1);
    pid_t child = runStation([&] {
        rt::RecordFile mine{datatest::peopleDecl()};
        if (mine.open() || mine.lock(1)) return 1;
        toParent.send();
        toChild.receive();
        return mine.unlock() ? 2 : 0;
    });
    toParent.receive();
    EXPECT_EQ(people.lock(1), rt::FileError::FileLocked);
    EXPECT_EQ(rt::errorText(), "File Is Already Locked");
    people.set();
    EXPECT_EQ(people.next(), 0);  // reading goes on
    toChild.send();
    EXPECT_EQ(exitCodeOf(child), 0);
    EXPECT_EQ(people.lock(1), 0);
    EXPECT_EQ(people.unlock(), 0);
}

TEST_F(TwoStations, OpenAnswers32WhileLockedAndRecoverWaitsForTheLock) {
    people.close();
    auto holdExclusive = [&](int milliseconds) {
        return runStation([&, milliseconds] {
            sqlite3* db = nullptr;
            if (sqlite3_open("PEOPLE.KVF", &db) != SQLITE_OK) return 1;
            if (sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
                return 2;
            toParent.send();
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db);
            return 0;
        });
    };
    pid_t child = holdExclusive(1800);
    toParent.receive();
    EXPECT_EQ(people.open(), rt::FileError::FileLocked);
    EXPECT_FALSE(people.isOpen());
    EXPECT_EQ(people.send("Recover=10"), 0);
    auto start = Clock::now();
    EXPECT_EQ(people.open(), 0);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(exitCodeOf(child), 0);
}

TEST_F(TwoStations, AStationKilledInTransactionsLeavesWholeRecords) {
    // Every transaction of the child sets all records to the next generation; whenever the
    // child dies, the file holds one generation only.
    for (long i = 0; i < 50; ++i)
        addPerson("Person", i + 1);
    people.close();
    for (int round = 0; round < 3; ++round) {
        pid_t child = runStation([&] {
            rt::RecordFile mine{datatest::peopleDecl()};
            if (mine.open()) return 1;
            for (long generation = 1;; ++generation) {
                if (rt::logout(5, {&mine})) return 2;
                mine.set();
                while (mine.next() == 0) {
                    mine.buf().setInteger("PEO:LEVEL", generation % 30000);
                    mine.buf().setMemo(0,
                                       std::string(40, static_cast<char>('a' + generation % 26)));
                    if (mine.put()) return 3;
                }
                if (generation == 1) toParent.send();
                if (rt::commit()) return 4;
            }
        });
        toParent.receive();
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + 70 * round));
        kill(child, SIGKILL);
        EXPECT_EQ(exitCodeOf(child), 100 + SIGKILL);

        rt::RecordFile after{datatest::peopleDecl()};
        ASSERT_EQ(after.open(), 0);
        EXPECT_EQ(after.records(), 50);
        after.set();
        ASSERT_EQ(after.next(), 0);
        long generation = static_cast<long>(after.buf().integer("PEO:LEVEL"));
        std::string memo = after.buf().memoText(0);
        int count = 1;
        while (after.next() == 0) {
            EXPECT_EQ(after.buf().integer("PEO:LEVEL"), generation);
            EXPECT_EQ(after.buf().memoText(0), memo);
            ++count;
        }
        EXPECT_EQ(count, 50);
    }
}

}  // namespace
