// OpenDataFile's decision table, with the record operations' errors injected, and on real
// files: a missing file is created, a file of another layout ends the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "frame/codes.h"
#include "frame/open_data_file.h"
#include "program_run.h"
#include "runtime/data/errors.h"
#include "tests/support/temp_dir.h"
#include "things_file.h"

namespace {

// Answers each operation with the next scripted code (0 once the script is used up) and
// records what was asked.
class ScriptedOperations : public FileOpenOperations {
  public:
    std::deque<int> opens, creates, builds;
    std::vector<std::string> calls;

    int open(rt::RecordFile& file, int access) override {
        calls.push_back("open " + std::to_string(access));
        return answer(file, opens);
    }
    int create(rt::RecordFile& file) override {
        calls.push_back("create");
        return answer(file, creates);
    }
    int send(rt::RecordFile&, std::string_view command) override {
        calls.push_back("send " + std::string(command));
        return 0;
    }
    int build(rt::RecordFile& file) override {
        calls.push_back("build");
        return answer(file, builds);
    }

  private:
    static int answer(rt::RecordFile& file, std::deque<int>& script) {
        rt::detail::clearError();
        int code = 0;
        if (!script.empty()) {
            code = script.front();
            script.pop_front();
        }
        if (code != 0) rt::detail::setError(code, file.name());
        return code;
    }
};

struct Case {
    const char* name;
    std::deque<int> opens, creates, builds;
    std::deque<int> answers;
    std::vector<std::string> calls;
    std::vector<std::string> captions;
    const char* halt;  // "" when the file is open on return
    const char* firstText = nullptr;
};

const std::string O = "open 66";

TEST(OpenDataFile, DecisionTable) {
    const Case cases[] = {
        {"opened", {0}, {}, {}, {}, {O}, {}, ""},
        {"already open", {52}, {}, {}, {}, {O}, {}, ""},
        {"missing: created and opened", {2, 0}, {0}, {}, {}, {O, "create", O}, {}, ""},
        {"missing: created, opened as already open",
         {2, 52},
         {0},
         {},
         {},
         {O, "create", O},
         {},
         ""},
        {"missing: creation fails",
         {2},
         {5},
         {},
         {},
         {O, "create"},
         {"File Creation Error", "Halt"},
         "File Creation Error!",
         "Error: (Access Denied (5)) creating THINGS.KVF.  Press OK to end this application."},
        {"missing: created file will not open",
         {2, 5},
         {0},
         {},
         {},
         {O, "create", O},
         {"File Creation Error", "Halt"},
         "File Creation Error!",
         "Error: (Access Denied (5)) opening created file:THINGS.KVF.  Press OK to end this "
         "application."},
        {"locked: recovered", {32, 0}, {}, {}, {}, {O, "send Recover=10", O}, {}, ""},
        {"locked: still locked",
         {32, 32},
         {},
         {},
         {},
         {O, "send Recover=10", O},
         {"File Access Error", "Halt"},
         "Disk Error",
         "File (THINGS.KVF) could not be opened.  Error: File Is Already Locked (32)."},
        {"keys damaged: rebuilt on Yes",
         {46, 0},
         {},
         {0},
         {BTN::Yes},
         {O, "build", O},
         {"Invalid Key"},
         "",
         "THINGS.KVF key file is invalid.  Do you want to rebuild the key?"},
        {"keys damaged: No", {46}, {}, {}, {BTN::No}, {O}, {"Invalid Key", "Halt"}, "Invalid Key!"},
        {"keys damaged: rebuild fails",
         {46},
         {},
         {90},
         {BTN::Yes},
         {O, "build"},
         {"Invalid Key", "Key Rebuild Error", "Halt"},
         "Error Rebuilding Key!"},
        {"keys damaged: still damaged after the rebuild",
         {46, 46},
         {},
         {0},
         {BTN::Yes},
         {O, "build", O},
         {"Invalid Key", "File Access Error", "Halt"},
         "Disk Error"},
        {"invalid declaration",
         {47},
         {},
         {},
         {},
         {O},
         {"Invalid File", "Halt"},
         "Invalid File!",
         "Error: (Invalid Record Declaration (47)) accessing THINGS.KVF.  Press OK to end this "
         "application."},
        {"any other error", {5}, {}, {}, {}, {O}, {"File Access Error", "Halt"}, "Disk Error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedOperations ops;
        ops.opens = c.opens;
        ops.creates = c.creates;
        ops.builds = c.builds;
        SetFileOpenOperations(&ops);
        testsupport::ProgramRun run;
        run.answers = c.answers;
        bool returned = false;
        run.run([&] {
            OpenDataFile(testsupport::things(), rt::ACCESS::ReadWriteDenyNone);
            returned = true;
        });
        SetFileOpenOperations(nullptr);
        EXPECT_EQ(ops.calls, c.calls);
        EXPECT_EQ(run.captions(), c.captions);
        EXPECT_EQ(run.haltMessage, c.halt);
        EXPECT_EQ(returned, std::string(c.halt).empty());
        EXPECT_EQ(ProgramExitCode() != 0, !std::string(c.halt).empty());
        if (c.firstText) {
            ASSERT_FALSE(run.boxes.empty());
            EXPECT_EQ(run.boxes[0].text, c.firstText);
        }
    }
}

TEST(OpenDataFile, CreatesAMissingFileEmptyAndOpensIt) {
    testsupport::TempDir dir(/*enter=*/true);
    testsupport::ProgramRun run;
    bool open = false;
    long long records = -1;
    run.run([&] {
        rt::RecordFile& f = testsupport::things();
        OpenDataFile(f);
        open = f.isOpen();
        records = f.records();
        f.close();
    });
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_TRUE(open);
    EXPECT_EQ(records, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "THINGS.KVF"));
}

TEST(OpenDataFile, FileOfAnotherLayoutEndsTheProgram) {
    testsupport::TempDir dir(/*enter=*/true);
    ASSERT_EQ(testsupport::thingsOtherLayout().create(), 0);
    testsupport::thingsOtherLayout().close();
    testsupport::ProgramRun run;
    run.run([&] { OpenDataFile(testsupport::things()); });
    EXPECT_THAT(run.captions(), testing::ElementsAre("Invalid File", "Halt"));
    EXPECT_EQ(run.haltMessage, "Invalid File!");
    EXPECT_NE(ProgramExitCode(), 0);
}

}  // namespace
