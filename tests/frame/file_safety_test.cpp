// OpenDataFile on files that exist but cannot be opened, first starts killed at random
// moments, and stations starting together in an empty folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

#include "frame/codes.h"
#include "frame/open_data_file.h"
#include "frame/program_end.h"
#include "program_run.h"
#include "records/all_files.h"
#include "runtime/data/errors.h"
#include "tests/support/faulty_vfs.h"
#include "tests/support/folder_contents.h"
#include "tests/support/temp_dir.h"
#include "things_file.h"

namespace {

using testsupport::Fault;
using testsupport::FaultOp;

void storeThings(int count) {
    rt::RecordFile& f = testsupport::things();
    ASSERT_EQ(f.create(), 0);
    ASSERT_EQ(f.open(), 0);
    for (int i = 0; i < count; ++i) {
        f.clear();
        f.buf().setText("THI:NAME", "thing " + std::to_string(i));
        ASSERT_EQ(f.add(), 0);
    }
    f.close();
}

TEST(OpenDataFileSafety, AFileThatExistsButCannotBeOpenedEndsTheProgramUntouched) {
    struct Case {
        const char* name;
        std::function<void()> arrange;  // replaces THINGS.KVF by something else
        Fault fault;                    // or makes the file system fail
        const char* error;
    };
    const Case cases[] = {
        {"unreadable",
         {},
         {FaultOp::Open, "THINGS.KVF", SQLITE_CANTOPEN, EACCES},
         "Access Denied (5)"},
        {"an open failing twice with an I/O error",
         {},
         {FaultOp::Read, "THINGS.KVF", SQLITE_IOERR_READ, EIO, 0, 2},
         "disk I/O error (10)"},
        {"a folder",
         [] {
             std::filesystem::rename("THINGS.KVF", "KEPT.KVF");
             std::filesystem::create_directory("THINGS.KVF");
         },
         {},
         "unable to open database file: a folder, not a file (14)"},
        {"a dangling link",
         [] {
             std::filesystem::rename("THINGS.KVF", "KEPT.KVF");
             std::filesystem::create_symlink("GONE.KVF", "THINGS.KVF");
         },
         {},
         "unable to open database file: a link to a file that is missing (14)"},
        {"too many open files",
         {},
         {FaultOp::Open, "THINGS.KVF", SQLITE_CANTOPEN, EMFILE},
         "unable to open database file: Too many open files (14)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir dir(/*enter=*/true);
        storeThings(3);
        if (c.arrange) c.arrange();
        const auto before = testsupport::folderContents(dir.path());
        testsupport::FaultyFileSystem fs;
        if (c.fault.sqliteCode) fs.inject(c.fault);
        testsupport::ProgramRun run;
        bool returned = false;
        run.run([&] {
            OpenDataFile(testsupport::things());
            returned = true;
        });
        fs.clear();
        EXPECT_FALSE(returned);
        EXPECT_THAT(run.captions(), testing::ElementsAre("File Access Error", "Halt"));
        if (!run.boxes.empty()) {
            EXPECT_EQ(run.boxes[0].text, "File (THINGS.KVF) could not be opened.  Error: " +
                                             std::string(c.error) + ".");
        }
        EXPECT_EQ(run.haltMessage, "Disk Error");
        EXPECT_NE(ProgramExitCode(), 0);
        EXPECT_EQ(testsupport::folderContents(dir.path()), before);
        if (!c.arrange) {
            ASSERT_EQ(testsupport::things().open(), 0);
            EXPECT_EQ(testsupport::things().records(), 3);
            testsupport::things().close();
        }
    }
}

TEST(OpenDataFileSafety, ACreationOnAFullDiskEndsTheProgramAndLeavesNoFile) {
    testsupport::TempDir dir(/*enter=*/true);
    testsupport::FaultyFileSystem fs;
    fs.inject({FaultOp::Write, ".creating", SQLITE_FULL, ENOSPC});
    testsupport::ProgramRun run;
    run.run([&] { OpenDataFile(testsupport::things()); });
    EXPECT_THAT(run.captions(), testing::ElementsAre("File Creation Error", "Halt"));
    if (!run.boxes.empty()) {
        EXPECT_EQ(run.boxes[0].text,
                  "Error: (database or disk is full (13)) creating THINGS.KVF.  Press OK to end "
                  "this application.");
    }
    EXPECT_EQ(run.haltMessage, "File Creation Error!");
    EXPECT_NE(ProgramExitCode(), 0);
    EXPECT_TRUE(testsupport::folderContents(dir.path()).empty());
}

TEST(OpenDataFileSafety, AKeysRowThatWentMissingIsRebuiltOrTheRebuildSaysItFailed) {
    struct Case {
        const char* name;
        bool diskFull;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"rebuilt", false, {"Invalid Key"}},
        {"the disk is full", true, {"Invalid Key", "Key Rebuild Error", "Halt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir dir(/*enter=*/true);
        storeThings(3);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open("THINGS.KVF", &db), SQLITE_OK);
        ASSERT_EQ(
            sqlite3_exec(db, "DELETE FROM meta WHERE name = 'keys'", nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(db);
        testsupport::FaultyFileSystem fs;
        if (c.diskFull) fs.inject({FaultOp::Write, "THINGS.KVF-journal", SQLITE_FULL, ENOSPC});
        testsupport::ProgramRun run;
        run.answers = {BTN::Yes};
        long long records = -1;
        run.run([&] {
            OpenDataFile(testsupport::things());
            records = testsupport::things().records();
            testsupport::things().close();
        });
        fs.clear();
        EXPECT_EQ(run.captions(), c.captions);
        EXPECT_EQ(records, c.diskFull ? -1 : 3);
        EXPECT_EQ(ProgramExitCode() != 0, c.diskFull);
        // Either way the records are all there, and a rebuild that worked holds.
        rt::RecordFile& f = testsupport::things();
        const int opened = f.open();
        EXPECT_EQ(opened, c.diskFull ? rt::FileError::KeysMustBeRebuilt : 0);
        if (opened != 0) {
            ASSERT_EQ(f.build(), 0);
            ASSERT_EQ(f.open(), 0);
        }
        EXPECT_EQ(f.records(), 3);
        f.close();
    }
}

// --- first starts ---

// A station's first start: every record file of the program opened through OpenDataFile
// (created when missing) and closed. Answers the exit code of a child process: 0 when every
// file opened without a word, 1 after a halt, 2 when a box was shown.
int firstStart() {
    testsupport::ProgramRun run;
    bool allOpen = true;
    run.run([&] {
        for (const records::RecordFileEntry& entry : records::allRecordFiles()) {
            OpenDataFile(*entry.file);
            allOpen = allOpen && entry.file->isOpen();
        }
        for (const records::RecordFileEntry& entry : records::allRecordFiles())
            entry.file->close();
    });
    if (run.halted) return 1;
    if (!run.boxes.empty() || !allOpen) return 2;
    return 0;
}

// Runs a first start in a child process in `folder`; answers its pid. With a pipe given the
// child waits until the pipe closes; with `killAfter` set it is killed that long after it
// starts, wherever it stands.
pid_t startStation(const std::filesystem::path& folder, const int* release = nullptr,
                   std::chrono::microseconds killAfter = {}) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    std::filesystem::current_path(folder);
    if (release) {
        ::close(release[1]);
        char c;
        (void)!read(release[0], &c, 1);
    }
    if (killAfter.count() > 0) {
        // The alarm kills the station outright, wherever its start has got to.
        signal(SIGALRM, [](int) { kill(getpid(), SIGKILL); });
        itimerval when{};
        when.it_value.tv_sec = killAfter.count() / 1000000;
        when.it_value.tv_usec = killAfter.count() % 1000000;
        if (setitimer(ITIMER_REAL, &when, nullptr) != 0) _exit(90);
    }
    _exit(firstStart());
}

// A scratch folder for the many starts, in memory where the system offers a memory file
// system: what is tested is kills and races, and a busy disk's syncs would only slow it.
class StartsFolder {
  public:
    StartsFolder() {
        std::error_code ec;
        const bool memory =
            std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0;
        std::string pattern =
            ((memory ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path()) /
             "tovik-starts-XXXXXX")
                .string();
        if (!mkdtemp(pattern.data())) std::abort();
        path_ = pattern;
    }
    ~StartsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

int exitCodeOf(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(FirstStart, AKillAtAnyMomentLeavesAFolderThatStarts) {
    StartsFolder dir;
    // How long a whole first start takes here: the kills fall anywhere within it.
    std::chrono::microseconds whole = std::chrono::seconds(10);
    for (int i = 0; i < 3; ++i) {
        const std::filesystem::path folder = dir / ("measure" + std::to_string(i));
        std::filesystem::create_directory(folder);
        const auto begin = std::chrono::steady_clock::now();
        ASSERT_EQ(exitCodeOf(startStation(folder)), 0);
        whole = std::min(whole, std::chrono::duration_cast<std::chrono::microseconds>(
                                    std::chrono::steady_clock::now() - begin));
    }

    std::mt19937 random(20261210);
    std::uniform_int_distribution<long> moment(1, whole.count());
    int killed = 0;
    for (int round = 0; round < 200; ++round) {
        const std::filesystem::path folder = dir / ("f" + std::to_string(round));
        std::filesystem::create_directory(folder);
        const std::chrono::microseconds at(moment(random));
        const int first = exitCodeOf(startStation(folder, nullptr, at));
        if (first == 100 + SIGKILL) ++killed;
        ASSERT_TRUE(first == 0 || first == 100 + SIGKILL) << "round " << round << ": " << first;
        ASSERT_EQ(exitCodeOf(startStation(folder)), 0)
            << "round " << round << ", killed after " << at.count() << " us";
        // The second start opened every file without a word: each is whole, under its name ...
        for (const records::RecordFileEntry& entry : records::allRecordFiles())
            ASSERT_TRUE(std::filesystem::is_regular_file(folder / entry.file->name()));
        // ... and cleared away what the killed creation left half built.
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            ASSERT_FALSE(entry.path().string().ends_with(".creating"))
                << "round " << round << ": " << entry.path();
        std::filesystem::remove_all(folder);
    }
    // Most starts were killed part way, not after their end.
    EXPECT_GT(killed, 60);
}

TEST(FirstStart, TwoStationsStartingTogetherInAnEmptyFolderBothStart) {
    StartsFolder dir;
    for (int round = 0; round < 100; ++round) {
        const std::filesystem::path folder = dir / ("f" + std::to_string(round));
        std::filesystem::create_directory(folder);
        int release[2];
        ASSERT_EQ(pipe(release), 0);
        const pid_t a = startStation(folder, release);
        const pid_t b = startStation(folder, release);
        ::close(release[0]);
        ::close(release[1]);  // both go
        const int codeA = exitCodeOf(a), codeB = exitCodeOf(b);
        ASSERT_EQ(codeA, 0) << "round " << round;
        ASSERT_EQ(codeB, 0) << "round " << round;
        std::filesystem::remove_all(folder);
    }
}

}  // namespace
