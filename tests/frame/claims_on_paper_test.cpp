// The claims of a run killed as its document was about to take its name stay only where the
// document did take it: a part file removed since (as the next run in its folder removes a
// killed run's) is not a document renamed, even when an older file holds the name.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "drivers/driver.h"
#include "frame/print_claims.h"
#include "frame/record_report.h"
#include "runtime/data/record_file.h"
#include "tests/frame/things_file.h"
#include "tests/support/print_endings.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

struct Case {
    const char* name;
    std::function<void(const fs::path& part, const fs::path& target)> afterKill;
    bool onPaper;
};

TEST(ClaimsOfAKilledRun, StayOnlyWhereTheDocumentTookItsName) {
    const Case cases[] = {
        {"renamed into place", [](auto& part, auto& target) { fs::rename(part, target); }, true},
        {"still under its temporary name", [](auto&, auto&) {}, false},
        {"its part file removed", [](auto& part, auto&) { fs::remove(part); }, false},
        {"its part file removed, an older document under the name",
         [](auto& part, auto& target) {
             std::ofstream(target) << "%PDF older";
             fs::remove(part);
         },
         false},
    };
    const ClaimWords words{"things", "Things"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir dir{/*enter=*/true};
        rt::RecordFile& file = testsupport::things();
        rt::Field count(file, "THI:COUNT");
        ASSERT_EQ(file.create(), 0);
        ASSERT_EQ(file.open(), 0);
        file.clear();
        count.setText("1");
        ASSERT_EQ(file.add(), 0);
        const auto pointer = file.pointer();
        const fs::path target = dir / "things.pdf";
        const fs::path part = dir / "things.pdf.part-Ab12Cd";
        {
            PrintClaims claims(file, words);
            const rt::RecordBuffer before = file.buf();
            count.setText("2");
            ASSERT_TRUE(claims.note(before, "thing"));
            ASSERT_EQ(file.put(), 0);
            claims.placeLast(0);
            std::ofstream(part) << "%PDF complete";
            PrintRun planned;
            planned.ending = PrintRun::Ending::OnPaper;
            planned.pagesOnPaper = {0};
            ASSERT_TRUE(claims.notePaper(planned, part.string()));
            // The run ends here unsettled, as a killed one does.
        }
        file.close();
        c.afterKill(part, target);
        // The next opening, on a thread of its own as the program runs it.
        rt::Driver d;
        d.start([&] {
            file.open();
            PutBackAbandonedClaims(file, {words});
            file.close();
        });
        testsupport::answerToTheEnd(d);
        ASSERT_EQ(file.open(), 0);
        ASSERT_EQ(file.getPointer(pointer), 0);
        EXPECT_EQ(count.text(), c.onPaper ? "2" : "1");
        file.close();
    }
}

}  // namespace
