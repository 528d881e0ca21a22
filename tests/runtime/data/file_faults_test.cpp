// Record files over a file system that fails on demand: what stands under a file's name
// decides between "not found" and an access error, creation is all or nothing, and a full
// disk or an I/O error answers its error and leaves the records as they were.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <map>
#include <string>

#include "runtime/data/record_file.h"
#include "runtime/data/transaction.h"
#include "sample_files.h"
#include "tests/support/faulty_vfs.h"
#include "tests/support/folder_contents.h"
#include "tests/support/temp_dir.h"

namespace {

using testsupport::Fault;
using testsupport::FaultOp;

class FileFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(people.create(), 0);
        ASSERT_EQ(people.open(), 0);
        ASSERT_EQ(add("Ann", 1), 0);
        ASSERT_EQ(add("Bob", 2), 0);
    }
    int add(const char* name, long number) {
        people.clear();
        people.buf().setText("PEO:NAME", name);
        people.buf().setInteger("PEO:NUMBER", number);
        return people.add();
    }
    long long recordsAfterReopen() {
        people.close();
        EXPECT_EQ(people.open(), 0);
        return people.records();
    }

    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
};

TEST_F(FileFaults, OnlyAMissingNameIsNotFound) {
    people.close();
    const auto before = testsupport::folderContents(dir.path());
    rt::RecordFile other{datatest::peopleDecl()};
    other.setName("OTHER.KVF");
    EXPECT_EQ(other.open(), rt::FileError::FileNotFound);

    struct Case {
        const char* name;
        std::function<void()> arrange;
        Fault fault;
        int code;
        const char* engineText;
    };
    const Case cases[] = {
        {"unreadable",
         {},
         {FaultOp::Open, "PEOPLE.KVF", SQLITE_CANTOPEN, EACCES},
         rt::FileError::AccessDenied,
         "unable to open database file: Permission denied"},
        {"too many open files",
         {},
         {FaultOp::Open, "PEOPLE.KVF", SQLITE_CANTOPEN, EMFILE},
         rt::FileError::FileSystemError,
         "unable to open database file: Too many open files"},
        {"an I/O error on every read",
         {},
         {FaultOp::Read, "PEOPLE.KVF", SQLITE_IOERR_READ, EIO},
         rt::FileError::FileSystemError,
         "disk I/O error"},
        {"a folder",
         [&] { std::filesystem::create_directory("FOLDER.KVF"); },
         {},
         rt::FileError::FileSystemError,
         "unable to open database file: a folder, not a file"},
        {"a dangling link",
         [&] { ASSERT_EQ(symlink("GONE.KVF", "LINK.KVF"), 0); },
         {},
         rt::FileError::FileSystemError,
         "unable to open database file: a link to a file that is missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::FaultyFileSystem fs;
        if (c.fault.sqliteCode) fs.inject(c.fault);
        rt::RecordFile file{datatest::peopleDecl()};
        if (c.arrange) {
            c.arrange();
            file.setName(std::string(c.name) == "a folder" ? "FOLDER.KVF" : "LINK.KVF");
        }
        const auto arranged = testsupport::folderContents(dir.path());
        EXPECT_EQ(file.open(), c.code);
        EXPECT_EQ(rt::fileErrorText(), c.engineText);
        EXPECT_FALSE(file.isOpen());
        // CREATE and BUILD leave an existing name alone as well.
        EXPECT_NE(file.build(), 0);
        fs.clear();
        const int created = file.create();
        if (c.arrange) {
            EXPECT_EQ(created, c.code);
        } else {
            EXPECT_EQ(created, 0);  // the file is there: nothing to create
        }
        EXPECT_EQ(testsupport::folderContents(dir.path()), arranged);
    }
    std::filesystem::remove("FOLDER.KVF");
    std::filesystem::remove("LINK.KVF");
    EXPECT_EQ(testsupport::folderContents(dir.path()), before);
    ASSERT_EQ(people.open(), 0);
    EXPECT_EQ(people.records(), 2);
}

TEST_F(FileFaults, ACreationThatFailsLeavesNoFileBehind) {
    people.close();
    const auto before = testsupport::folderContents(dir.path());
    const Fault faults[] = {
        {FaultOp::Write, ".creating", SQLITE_FULL, ENOSPC},
        {FaultOp::Write, ".creating", SQLITE_IOERR_WRITE, EIO, 2},
        {FaultOp::Sync, ".creating", SQLITE_IOERR_FSYNC, EIO},
        {FaultOp::Read, ".creating", SQLITE_IOERR_READ, EIO},
        {FaultOp::Open, ".creating", SQLITE_CANTOPEN, EACCES},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.nameEnd + " " + std::to_string(static_cast<int>(fault.op)));
        testsupport::FaultyFileSystem fs;
        fs.inject(fault);
        rt::RecordFile file{datatest::peopleDecl()};
        file.setName("NEW.KVF");
        EXPECT_NE(file.create(), 0);
        EXPECT_GT(fs.failures(), 0);
        EXPECT_EQ(rt::errorFile(), "NEW.KVF");
        EXPECT_EQ(testsupport::folderContents(dir.path()), before);
    }
    rt::RecordFile file{datatest::peopleDecl()};
    file.setName("NEW.KVF");
    ASSERT_EQ(file.create(), 0);
    EXPECT_EQ(file.open(), 0);
}

// A folder the user may not write: creating a record file in it says that permission to
// write the folder is denied. The creation runs in a child process that is no superuser (the
// superuser may write anywhere), reached through a folder it may search.
TEST(FileCreation, AFolderThatMayNotBeWrittenIsSaidAsSuch) {
    testsupport::TempDir dir;
    const std::filesystem::path data = dir.path() / "data";
    std::filesystem::create_directory(data);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all |
                                                 std::filesystem::perms::group_exec |
                                                 std::filesystem::perms::others_exec);
    std::filesystem::permissions(
        data, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                  std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                  std::filesystem::perms::others_exec);
    if (geteuid() != 0)
        std::filesystem::permissions(data, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
    int answer[2];
    ASSERT_EQ(pipe(answer), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(answer[0]);
        if (chdir(data.c_str()) != 0) _exit(2);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        rt::RecordFile file{datatest::peopleDecl()};
        file.setName("CHECKS.KVF");
        const int code = file.create();
        const std::string said = std::to_string(code) + "|" + rt::errorText();
        const bool written =
            write(answer[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        _exit(written ? 0 : 4);
    }
    close(answer[1]);
    std::string said;
    char buffer[256];
    for (ssize_t n; (n = read(answer[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(n));
    close(answer[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(said, "5|Permission to write the folder " + data.string() + " is denied");
    EXPECT_TRUE(std::filesystem::is_empty(data));
}

TEST_F(FileFaults, ANewFileIsNotMixedUpWithTheJournalOfAFileThatIsGone) {
    // A station dies in the middle of a transaction: its journal stays, hot.
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(add("Many", 10 + i), 0);
    people.close();
    pid_t child = fork();
    if (child == 0) {
        // A small page cache makes the transaction write into the file before its end.
        sqlite3* db = nullptr;
        if (sqlite3_open("PEOPLE.KVF", &db) != SQLITE_OK) _exit(2);
        const char* sql =
            "PRAGMA cache_size = 2; BEGIN IMMEDIATE; UPDATE rec SET image = randomblob(2000);";
        if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) _exit(3);
        _exit(0);  // ends without COMMIT: the journal is left hot
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(std::filesystem::exists("PEOPLE.KVF-journal"));
    std::filesystem::remove("PEOPLE.KVF");  // the file goes, its journal stays

    ASSERT_EQ(people.create(), 0);
    ASSERT_EQ(people.open(), 0);
    EXPECT_EQ(people.records(), 0);
    ASSERT_EQ(add("New", 1), 0);
    people.close();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open("PEOPLE.KVF", &db), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(db);
}

TEST_F(FileFaults, AFullDiskOrAnIOErrorLosesNothingThatWasReportedWritten) {
    struct Case {
        const char* name;
        Fault fault;
        int code;
    };
    const Case cases[] = {
        {"disk full",
         {FaultOp::Write, "PEOPLE.KVF-journal", SQLITE_FULL, ENOSPC},
         rt::FileError::FileSystemError},
        {"write error",
         {FaultOp::Write, "PEOPLE.KVF", SQLITE_IOERR_WRITE, EIO},
         rt::FileError::FileSystemError},
        {"sync error",
         {FaultOp::Sync, "PEOPLE.KVF", SQLITE_IOERR_FSYNC, EIO},
         rt::FileError::FileSystemError},
        {"commit error",
         {FaultOp::Commit, "PEOPLE.KVF-journal", SQLITE_IOERR_DELETE, EIO},
         rt::FileError::FileSystemError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        people.close();
        {
            testsupport::FaultyFileSystem fs;
            ASSERT_EQ(people.open(), 0);
            const long long records = people.records();
            fs.inject(c.fault);

            EXPECT_EQ(add("Cid", 3), c.code);
            EXPECT_EQ(rt::errorCode(), c.code);
            EXPECT_FALSE(rt::fileErrorText().empty());
            EXPECT_EQ(people.pointer(), 0);  // no current record after a failed ADD

            // A change inside a transaction: the commit fails, the change is undone.
            fs.clear();
            people.set(people.key("PEO:KEYNUMBER"));
            ASSERT_EQ(people.next(), 0);
            ASSERT_EQ(rt::logout(1, {&people}), 0);
            people.buf().setText("PEO:NAME", "Changed");
            ASSERT_EQ(people.put(), 0);
            fs.inject(c.fault);
            EXPECT_EQ(rt::commit(), c.code);
            rt::rollback();
            fs.clear();
            EXPECT_EQ(recordsAfterReopen(), records);
            people.set(people.key("PEO:KEYNUMBER"));
            ASSERT_EQ(people.next(), 0);
            EXPECT_EQ(people.buf().text("PEO:NAME").substr(0, 3), "Ann");
            people.close();
        }
        // Without the faults the same file takes writes again.
        ASSERT_EQ(people.open(), 0);
        ASSERT_EQ(add("Dan", 4), 0);
        ASSERT_EQ(people.deleteRecord(), 0);
    }
}

// RECORDS answers -1, never a count, when the records cannot be counted.
TEST_F(FileFaults, RecordsThatCannotBeCountedAreNoCount) {
    people.close();
    EXPECT_EQ(people.records(), -1);
    EXPECT_EQ(rt::errorCode(), rt::FileError::FileNotOpen);
    testsupport::FaultyFileSystem fs;
    ASSERT_EQ(people.open(), 0);
    fs.inject({FaultOp::Read, "PEOPLE.KVF", SQLITE_IOERR_READ, EIO});
    EXPECT_EQ(people.records(), -1);
    EXPECT_EQ(rt::errorCode(), rt::FileError::FileSystemError);
    fs.clear();
    EXPECT_EQ(people.records(), 2);
    people.close();
}

// A write of a record that another station changed or deleted since it was read looks the
// record up to tell which. When that look-up fails (the file busy, a read error), the write
// answers that failure, not that the record was deleted.
TEST_F(FileFaults, AStaleWriteReportsAFailedLookUpAsItselfNotAsADeletion) {
    const std::int64_t ann = people.pointer() - 1;
    people.close();
    testsupport::FaultyFileSystem fs;
    ASSERT_EQ(people.open(), 0);
    rt::RecordFile other{datatest::peopleDecl()};
    ASSERT_EQ(other.open(), 0);
    // Ann read here, changed by the other station, then written from the stale copy with
    // `fault` injected just before.
    auto staleWrite = [&](const Fault& fault) {
        EXPECT_EQ(people.getPointer(ann), 0);
        EXPECT_EQ(other.getPointer(ann), 0);
        other.buf().setText("PEO:CITY", "Other");
        EXPECT_EQ(other.put(), 0);
        people.buf().setText("PEO:CITY", "Mine");
        fs.inject(fault);
        return people.put();
    };
    struct Case {
        const char* name;
        int sqliteCode, systemError;
        int failures;  // calls failed from the look-up's read on (-1: every one)
        int code;
        const char* engineText;
    };
    const Case cases[] = {
        // Busy for a moment: the look-up waits, then tells a change from a deletion.
        {"busy for a moment", SQLITE_BUSY, 0, 3, rt::FileError::RecordChanged, ""},
        // Busy past the write's wait of 5 seconds (the program's own, not shortened here).
        {"busy for good", SQLITE_BUSY, 0, -1, rt::FileError::FileLocked, "database is locked"},
        {"a read error", SQLITE_IOERR_READ, EIO, -1, rt::FileError::FileSystemError,
         "disk I/O error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The look-up makes the write's last read: count the reads once, then fail from it.
        EXPECT_EQ(staleWrite({FaultOp::Read, "PEOPLE.KVF", c.sqliteCode, 0, INT_MAX}),
                  rt::FileError::RecordChanged);
        const int reads = fs.calls(FaultOp::Read);
        ASSERT_GT(reads, 0);
        EXPECT_EQ(staleWrite({FaultOp::Read, "PEOPLE.KVF", c.sqliteCode, c.systemError, reads - 1,
                              c.failures}),
                  c.code);
        EXPECT_EQ(rt::errorCode(), c.code);
        EXPECT_EQ(rt::fileErrorText(), c.engineText);
        EXPECT_GT(fs.failures(), 0);
        fs.clear();
    }
    other.close();
    people.close();
}

TEST_F(FileFaults, ARebuildWritesTheMissingKeysRowOrSaysItCouldNot) {
    people.close();
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open("PEOPLE.KVF", &db), SQLITE_OK);
        ASSERT_EQ(
            sqlite3_exec(db, "DELETE FROM meta WHERE name = 'keys'", nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(db);
    }
    EXPECT_EQ(people.open(), rt::FileError::KeysMustBeRebuilt);
    {
        testsupport::FaultyFileSystem fs;
        fs.inject({FaultOp::Write, "PEOPLE.KVF-journal", SQLITE_FULL, ENOSPC});
        EXPECT_EQ(people.build(), rt::FileError::FileSystemError);
        EXPECT_EQ(rt::fileErrorText(), "database or disk is full");
    }
    EXPECT_EQ(people.open(), rt::FileError::KeysMustBeRebuilt);
    ASSERT_EQ(people.build(), 0);
    ASSERT_EQ(people.open(), 0);
    EXPECT_EQ(people.records(), 2);
}

}  // namespace
