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
#include "tests/support/short_wait_seconds.h"
#include "tests/support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

// Another station: a child process with a pipe each way. The child uses its own RecordFile
// objects, so it shares no SQLite connection with the parent. Each side holds only its own
// ends, so a station that ends early (or is killed) is read as end-of-file: the other side
// never waits for a signal that cannot come.
class Station {
  public:
    // Runs `body` in the child; its result is the child's exit code.
    explicit Station(const std::function<int(Station&)>& body) {
        int up[2], down[2];
        if (pipe(up) != 0 || pipe(down) != 0) std::abort();
        pid_ = fork();
        if (pid_ == 0) {
            ::close(up[0]);
            ::close(down[1]);
            out_ = up[1];
            in_ = down[0];
            _exit(body(*this));
        }
        ::close(up[1]);
        ::close(down[0]);
        in_ = up[0];
        out_ = down[1];
    }
    ~Station() {
        ::close(in_);
        ::close(out_);
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    // A one-byte signal to the other side; false when that side has gone.
    void send() {
        char c = 'x';
        (void)!write(out_, &c, 1);
    }
    bool receive() {
        char c = 0;
        return read(in_, &c, 1) == 1;
    }

    // Waits for the child to end: its exit code, or 100 + the signal that ended it.
    int exitCode() {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
    }
    void kill() { ::kill(pid_, SIGKILL); }

  private:
    pid_t pid_ = 0;
    int in_ = -1, out_ = -1;
};

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
    // The waits for another station count seconds of a quarter of a second.
    testsupport::ShortWaitSeconds seconds{250};
    rt::RecordFile people{datatest::peopleDecl()};
};

TEST_F(TwoStations, EachSeesTheOthersWritesAndAStaleWriteAnswers89) {
    addPerson("Ann", 1);
    std::int64_t ann = people.pointer();
    Station child([&](Station& parent) {
        rt::RecordFile mine{datatest::peopleDecl()};
        if (mine.open() || mine.getPointer(ann)) return 1;
        parent.send();                    // read Ann
        if (!parent.receive()) return 7;  // the parent has changed her meanwhile
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
    ASSERT_TRUE(child.receive()) << "exit code " << child.exitCode();
    ASSERT_EQ(people.getPointer(ann), 0);
    people.buf().setText("PEO:CITY", "Parent");
    ASSERT_EQ(people.put(), 0);
    child.send();
    ASSERT_EQ(child.exitCode(), 0);
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
    // The child changes Ann in a transaction and commits `holdFor` later, or when the parent
    // says so when `holdFor` is zero.
    auto holdTransaction = [&](std::chrono::milliseconds holdFor) {
        return [&, holdFor](Station& parent) {
            rt::RecordFile mine{datatest::peopleDecl()};
            if (mine.open() || rt::logout(1, {&mine}) || mine.getPointer(ann)) return 1;
            mine.buf().setInteger("PEO:LEVEL",
                                  static_cast<int>(mine.buf().integer("PEO:LEVEL")) + 1);
            if (mine.put()) return 2;
            parent.send();
            if (holdFor.count() > 0)
                std::this_thread::sleep_for(holdFor);
            else
                parent.receive();
            return rt::commit() ? 3 : 0;
        };
    };

    {
        Station child(holdTransaction(std::chrono::milliseconds(100)));  // LOGOUT waits 500
        ASSERT_TRUE(child.receive()) << "exit code " << child.exitCode();
        auto start = Clock::now();
        ASSERT_EQ(rt::logout(2, {&people}), 0);
        EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(60));
        ASSERT_EQ(people.getPointer(ann), 0);
        EXPECT_EQ(people.buf().integer("PEO:LEVEL"), 1);  // the other's commit is in
        ASSERT_EQ(rt::commit(), 0);
        EXPECT_EQ(child.exitCode(), 0);
    }

    Station child(holdTransaction(std::chrono::milliseconds(0)));
    ASSERT_TRUE(child.receive()) << "exit code " << child.exitCode();
    auto start = Clock::now();
    EXPECT_EQ(rt::logout(1, {&people}), rt::FileError::FileLocked);
    auto waited = Clock::now() - start;
    EXPECT_GE(waited, seconds(1) * 9 / 10);
    EXPECT_LT(waited, seconds(5));
    EXPECT_FALSE(rt::logoutActive());
    EXPECT_EQ(rt::rollback(), 0);  // harmless without a transaction
    child.send();
    EXPECT_EQ(child.exitCode(), 0);
    ASSERT_EQ(people.getPointer(ann), 0);
    EXPECT_EQ(people.buf().integer("PEO:LEVEL"), 2);
}

TEST_F(TwoStations, ALockKeepsOtherStationsFromWritingUntilUnlock) {
    addPerson("Ann", 1);
    Station child([&](Station& parent) {
        rt::RecordFile mine{datatest::peopleDecl()};
        if (mine.open() || mine.lock(1)) return 1;
        parent.send();
        parent.receive();
        return mine.unlock() ? 2 : 0;
    });
    ASSERT_TRUE(child.receive()) << "exit code " << child.exitCode();
    auto start = Clock::now();
    EXPECT_EQ(people.lock(1), rt::FileError::FileLocked);
    EXPECT_GE(Clock::now() - start, seconds(1) * 9 / 10);
    EXPECT_EQ(rt::errorText(), "File Is Already Locked");
    people.set();
    EXPECT_EQ(people.next(), 0);  // reading goes on
    child.send();
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_EQ(people.lock(1), 0);
    EXPECT_EQ(people.unlock(), 0);
}

TEST_F(TwoStations, OpenAnswers32WhileLockedAndRecoverWaitsForTheLock) {
    people.close();
    // The child holds the file until the parent says so, and a while longer than an OPEN
    // without "Recover=" would wait.
    Station child([&](Station& parent) {
        sqlite3* db = nullptr;
        if (sqlite3_open("PEOPLE.KVF", &db) != SQLITE_OK) return 1;
        if (sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) return 2;
        parent.send();
        parent.receive();
        std::this_thread::sleep_for(seconds(1) * 6 / 5);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return 0;
    });
    ASSERT_TRUE(child.receive()) << "exit code " << child.exitCode();
    auto start = Clock::now();
    EXPECT_EQ(people.open(), rt::FileError::FileLocked);
    EXPECT_GE(Clock::now() - start, seconds(1) * 9 / 10);
    EXPECT_FALSE(people.isOpen());
    EXPECT_EQ(people.send("Recover=10"), 0);
    child.send();
    start = Clock::now();
    EXPECT_EQ(people.open(), 0);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, seconds(1)) << "longer than an OPEN without it would have waited";
    EXPECT_LT(waited, seconds(10));
    EXPECT_EQ(child.exitCode(), 0);
}

TEST_F(TwoStations, AStationKilledInTransactionsLeavesWholeRecords) {
    // Every transaction of the child sets all records to the next generation; whenever the
    // child dies, the file holds one generation only.
    for (long i = 0; i < 50; ++i)
        addPerson("Person", i + 1);
    people.close();
    for (int round = 0; round < 3; ++round) {
        Station child([&](Station& parent) {
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
                if (generation == 1) parent.send();
                if (rt::commit()) return 4;
            }
        });
        ASSERT_TRUE(child.receive()) << "exit code " << child.exitCode();
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + 70 * round));
        child.kill();
        EXPECT_EQ(child.exitCode(), 100 + SIGKILL);

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
