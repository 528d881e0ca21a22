// The claims of a print run over a real record file: a record that cannot be read when its
// claim is put back stays noted for the next opening, and a program started while a run
// holds claims does not keep them from being put back once the run is gone.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "frame/print_claims.h"
#include "frame/record_report.h"
#include "runtime/system/desktop_programs.h"
#include "runtime/text/fixed_text.h"
#include "tests/frame/program_run.h"
#include "tests/frame/things_file.h"
#include "tests/support/faulty_vfs.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testsupport::things;

ClaimWords thingWords() {
    return {"things", "Thing Printing", [] {
                return std::string(rt::clip(things().buf().text("THI:NAME"))) + "/" +
                       std::to_string(things().buf().integer("THI:COUNT"));
            }};
}

std::vector<std::int64_t> storeThings(const std::vector<std::string>& names) {
    things().create();
    things().open();
    std::vector<std::int64_t> pointers;
    for (const std::string& name : names) {
        things().clear();
        things().buf().setText("THI:NAME", name);
        things().buf().setInteger("THI:COUNT", 1);
        things().add();
        pointers.push_back(things().pointer());
    }
    things().close();
    return pointers;
}

long countOf(std::int64_t pointer) {
    things().open();
    things().getPointer(pointer);
    const long count = static_cast<long>(things().buf().integer("THI:COUNT"));
    things().close();
    return count;
}

// Claims the thing at `pointer` as a run does: its count raised, noted, written, placed on
// `page`.
void claim(PrintClaims& claims, std::int64_t pointer, int page) {
    ASSERT_EQ(things().getPointer(pointer), 0);
    const rt::RecordBuffer before = things().buf();
    things().buf().setInteger("THI:COUNT", 2);
    ASSERT_TRUE(claims.note(before, thingWords().label())) << claims.lastError();
    ASSERT_EQ(things().put(), 0);
    claims.placeLast(page);
}

long notesLeft() {
    long notes = 0;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator("print-claims", ec))
        notes += e.path().extension() == ".claims";
    return notes;
}

TEST(PrintClaims, ARecordThatCannotBeReadStaysNotedAndIsPutBackAtTheNextOpening) {
    testsupport::TempDir dir{/*enter=*/true};
    const auto p = storeThings({"Anvil", "Bolt", "Cog"});
    PrintRun firstPageOnly;
    firstPageOnly.ending = PrintRun::Ending::OnPaper;
    firstPageOnly.pagesOnPaper = {0};
    testsupport::ProgramRun run;
    run.run([&] {
        // Every read of the record file fails while the run puts its claims back: both the
        // run's own settling and the next opening's put-back.
        testsupport::FaultyFileSystem faults;
        things().open();
        {
            PrintClaims claims(things(), thingWords());
            claim(claims, p[0], 0);
            claim(claims, p[1], 1);
            faults.inject({testsupport::FaultOp::Read, "THINGS.KVF", SQLITE_IOERR_READ, EIO});
            const PutBack result = claims.settle(firstPageOnly);
            EXPECT_THAT(result.unreadable, testing::ElementsAre("Bolt/2"));
            EXPECT_TRUE(result.changedElsewhere.empty());
        }
        {
            PrintClaims killed(things(), thingWords());
            faults.clear();
            claim(killed, p[2], 0);
            faults.inject({testsupport::FaultOp::Read, "THINGS.KVF", SQLITE_IOERR_READ, EIO});
        }  // a run that ended without settling, as a killed one does
        PutBackAbandonedClaims(things(), {thingWords()});
        faults.clear();
        things().close();
    });
    ASSERT_EQ(run.boxes.size(), 2u);
    for (const testsupport::ShownBox& box : run.boxes) {
        EXPECT_EQ(box.caption, "Thing Printing");
        EXPECT_THAT(box.text, HasSubstr("could not be read and will be put back at the next "
                                        "opening"));
        EXPECT_THAT(box.text, testing::Not(HasSubstr("another station")));
    }
    EXPECT_THAT(run.boxes[0].text, HasSubstr("Bolt/2"));
    EXPECT_THAT(run.boxes[1].text, HasSubstr("Cog/2"));
    EXPECT_EQ(notesLeft(), 2);
    EXPECT_EQ(countOf(p[1]), 2);
    EXPECT_EQ(countOf(p[2]), 2);

    // The next opening reads them: each is put back and named as it is now; the thing that
    // reached paper keeps its claim.
    testsupport::ProgramRun next;
    next.run([&] {
        things().open();
        PutBackAbandonedClaims(things(), {thingWords()});
        things().close();
    });
    ASSERT_EQ(next.boxes.size(), 1u);
    EXPECT_THAT(next.boxes[0].text, HasSubstr("put back as they were before it: "));
    EXPECT_THAT(next.boxes[0].text, HasSubstr("Bolt/1"));
    EXPECT_THAT(next.boxes[0].text, HasSubstr("Cog/1"));
    EXPECT_EQ(notesLeft(), 0);
    EXPECT_EQ(countOf(p[0]), 2);
    EXPECT_EQ(countOf(p[1]), 1);
    EXPECT_EQ(countOf(p[2]), 1);
}

// The process id a started shell wrote into `file`, once it has.
pid_t startedProcess(const fs::path& file) {
    for (int wait = 0; wait < 5000; ++wait) {
        std::ifstream in(file);
        pid_t pid = 0;
        if (in >> pid && pid > 0) return pid;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return 0;
}

TEST(PrintClaims, AProgramStartedDuringARunDoesNotKeepItsClaimsFromBeingPutBack) {
    testsupport::TempDir dir{/*enter=*/true};
    const auto p = storeThings({"Anvil"});
    pid_t started = 0;
    testsupport::ProgramRun run;
    run.run([&] {
        things().open();
        {
            PrintClaims claims(things(), thingWords());
            claim(claims, p[0], 0);
            // A desktop program started from the program while the run holds its claims
            // (a mail client from a contact's address) goes on after the run.
            ASSERT_TRUE(desktop::StartDetached(
                {"sh", "-c", "echo $$ > started.pid && exec sleep 60"}, dir.path()));
            started = startedProcess(dir / "started.pid");
            ASSERT_GT(started, 0);
        }  // the run ends without settling, as a killed one does
        PutBackAbandonedClaims(things(), {thingWords()});
        things().close();
    });
    if (started > 0) kill(started, SIGKILL);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_THAT(run.boxes[0].text, HasSubstr("put back as they were before it: Anvil/1."));
    EXPECT_EQ(countOf(p[0]), 1);
    EXPECT_EQ(notesLeft(), 0);
}

}  // namespace
