// Two stations post distributors under the same sponsors at once, each from its own process
// on one data folder, while a third changes the nearest sponsor's own record: no raise is
// lost and the third station's change stays.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "frame/use_counts.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "tests/genealogy/genealogy_fixture.h"
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

}  // namespace
