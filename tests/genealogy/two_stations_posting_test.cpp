// Two stations post distributors under the same sponsors at once, each from its own process
// on one data folder, while a third changes the nearest sponsor's own record: no raise is
// lost and the third station's change stays. A station killed while posting leaves every
// level counted alike, and the up-line clearing keeps the saves of a station writing
// meanwhile.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/use_counts.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "runtime/text/fixed_text.h"
#include "tests/genealogy/genealogy_fixture.h"
#include "tests/support/pass_beside_station.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

using genealogytest::makeMembers;
using genealogytest::Member;
using genealogytest::storedMembers;

constexpr int kPosts = 200;

// Children wait on the pipe so that they all start together.
pid_t startStation(int startSignal, const std::function<int()>& work) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    char c = 0;
    if (read(startSignal, &c, 1) != 1) _exit(90);
    _exit(work());
}

TEST(TwoStationsPosting, EveryPostUnderOneSponsorIsCountedAndNoOtherChangeIsLost) {
    testsupport::TempDir dir{/*enter=*/true};
    const auto pointers = makeMembers({{"First", "D1", "S1"},
                                       {"Second", "D2", "S1"},
                                       {"S1", "S1", "S2"},
                                       {"S2", "S2", "S3"},
                                       {"S3", "S3", ""}});
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);

    auto poster = [](std::int64_t distributor) {
        return [distributor] {
            UseFile(MAIL);
            for (int i = 0; i < kPosts; ++i) {
                if (MAIL.getPointer(distributor) != 0) return 1;
                LevelWalk();
            }
            ReleaseFile(MAIL);
            return 0;
        };
    };
    // The third station rewrites the nearest sponsor's city, reading it again when a post
    // changed it first.
    const std::int64_t sponsor = pointers[2];
    auto changer = [sponsor] {
        rt::RecordFile mail{records::mailDeclaration()};
        if (mail.open() != 0) return 1;
        for (int i = 0; i < kPosts; ++i) {
            int result = 0;
            do {
                if (mail.getPointer(sponsor) != 0) return 2;
                mail.buf().setText("MAI:CITY", "City " + std::to_string(i));
                result = mail.put();
            } while (result == rt::FileError::RecordChanged);
            if (result != 0) return 3;
        }
        return 0;
    };
    std::vector<pid_t> stations = {startStation(fds[0], poster(pointers[0])),
                                   startStation(fds[0], poster(pointers[1])),
                                   startStation(fds[0], changer)};
    ASSERT_EQ(write(fds[1], "xxx", 3), 3);
    for (pid_t station : stations) {
        int status = 0;
        ASSERT_EQ(waitpid(station, &status, 0), station);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    close(fds[0]);
    close(fds[1]);

    const auto stored = storedMembers();
    EXPECT_EQ(stored[2].counts[0], 2 * kPosts);
    EXPECT_EQ(stored[3].counts[1], 2 * kPosts);
    EXPECT_EQ(stored[4].counts[2], 2 * kPosts);
    MAIL.open();
    ASSERT_EQ(MAIL.getPointer(sponsor), 0);
    EXPECT_EQ(MAI::CITY.text().substr(0, 8), "City " + std::to_string(kPosts - 1));
    MAIL.close();
}

TEST(TwoStationsPosting, AStationKilledWhilePostingLeavesEveryLevelCountedAlike) {
    testsupport::TempDir dir{/*enter=*/true};
    // The distributor D, its sponsor S1, S1's sponsor S2 ... up to S10.
    std::vector<Member> members = {{"D", "D", "S1"}};
    for (int level = 1; level <= 10; ++level)
        members.push_back({"S" + std::to_string(level), "S" + std::to_string(level),
                           level < 10 ? "S" + std::to_string(level + 1) : ""});
    const auto pointers = makeMembers(members);
    std::mt19937 random(28);
    for (int kill = 0; kill < 20; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t poster = fork();
        if (poster == 0) {
            close(fds[0]);
            UseFile(MAIL);
            for (int post = 0;; ++post) {
                if (MAIL.getPointer(pointers[0]) != 0) _exit(1);
                LevelWalk();
                if (post == 0 && write(fds[1], "x", 1) != 1) _exit(2);
            }
        }
        close(fds[1]);
        char c = 0;
        ASSERT_EQ(read(fds[0], &c, 1), 1);  // one post done: the next ones are under way
        close(fds[0]);
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(random)));
        ::kill(poster, SIGKILL);
        waitpid(poster, nullptr, 0);

        const auto stored = storedMembers();
        const double first = stored[1].counts[0];
        EXPECT_GE(first, kill + 1);
        for (int level = 2; level <= 10; ++level)
            EXPECT_EQ(stored[level].counts[level - 1], first) << "level " << level;
    }
}

TEST(TwoStationsPosting, ClearingTheUplineKeepsEverySaveOfAStationWritingMeanwhile) {
    constexpr int kMembers = 60;
    long savesDuringPasses = 0;  // the other station's saves while a pass ran
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        testsupport::TempDir dir{/*enter=*/true};
        std::vector<Member> members;
        for (int i = 0; i < kMembers; ++i) {
            members.push_back({"M" + std::to_string(i), "M" + std::to_string(i), ""});
            members.back().mark = "X";
        }
        const auto pointers = makeMembers(members);
        testsupport::BusyStation other(
            testsupport::cyclicSaves(records::mailDeclaration(), pointers, "MAI:PAYTO"));
        ASSERT_TRUE(other.started());
        long response = 0;
        const long saves = testsupport::runBesideBusyStation(other, &ClearUpline,
                                                             testsupport::runTimersToEnd, response);
        ASSERT_GE(saves, 1);
        savesDuringPasses += saves - 1;
        EXPECT_EQ(response, RESP::Completed);
        MAIL.open();
        for (int k = 0; k < kMembers; ++k) {
            ASSERT_EQ(MAIL.getPointer(pointers[k]), 0);
            EXPECT_EQ(rt::clip(MAI::FROMWHAT.text()), "") << k;
            EXPECT_EQ(rt::clip(MAI::PAYTO.text()), testsupport::lastCyclicSave(k, kMembers, saves))
                << k;
        }
        MAIL.close();
    }
    EXPECT_GT(savesDuringPasses, 0);
}

}  // namespace
