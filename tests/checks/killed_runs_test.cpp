// A station killed at random moments of "Print All Checks" of 500 checks, three to a page,
// into a PDF file: afterwards every check is either in a readable PDF and marked printed, or
// back among the checks to print once the next opening of the list has said so. None is
// marked without being on paper. A station killed while its draft run's job waits: the next
// opening of the monthly drafts puts the drafts back and names them as drafts.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "checks/check_procedures.h"
#include "drivers/driver.h"
#include "drivers/headless_backend.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/window.h"
#include "tests/checks/check_test_support.h"
#include "tests/checks/station_runs.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace stationruns;

constexpr int kChecks = 500;
constexpr int kKills = 20;

// The claims a running print run has noted so far (the lines of its notes that start with a
// record's pointer).
long claimsNoted(const fs::path& folder) {
    long lines = 0;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder / "print-claims", ec)) {
        std::ifstream in(e.path());
        std::string line;
        while (std::getline(in, line))
            lines += !line.empty() && std::isdigit(static_cast<unsigned char>(line[0]));
    }
    return lines;
}

// A file whose name starts with the PDF's: its temporary name while written, or the PDF.
bool pdfBeingWritten(const fs::path& pdf) {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(pdf.parent_path(), ec))
        if (e.path().filename().string().rfind(pdf.filename().string(), 0) == 0) return true;
    return false;
}

// Waits (polling the folder) until `reached` holds or the station has ended, then kills it.
// Answers whether it was killed before it ended.
bool killWhen(pid_t station, const std::function<bool()>& reached) {
    int status = 0;
    while (!reached()) {
        if (waitpid(station, &status, WNOHANG) == station) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(station, SIGKILL);
    waitpid(station, &status, 0);
    return true;
}

struct Shown {
    std::string caption, text;
};

// Opens the list titled `title` as the next user does, answering its messages; what they said.
std::vector<Shown> openTheListAgain(void (*list)(), const std::string& title) {
    std::vector<Shown> messages;
    rt::Driver d;
    d.start(list);
    for (int round = 0; round < 200 && !d.ended(); ++round) {
        d.settle();
        const auto dialogs = d.backend().pendingDialogs();
        if (!dialogs.empty()) {
            messages.push_back({dialogs.front()->caption, dialogs.front()->text});
            d.answer("OK");
        } else if (rt::Window* w = d.active(); w && w->title() == title) {
            d.press("Close");
        }
    }
    EXPECT_TRUE(d.finish());
    return messages;
}

TEST(KilledRuns, EveryCheckIsOnPaperAndMarkedOrBackAmongTheChecksToPrint) {
    testsupport::TempDir dir{/*enter=*/true};
    const fs::path pdf = dir / "checks.pdf";
    writeStationScript(dir / "print.scenario", pdf.string());
    std::mt19937 random(25);
    long onPaper = 0, putBack = 0, printedAndPutBack = 0, unreadable = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        makeFolderWithChecks(kChecks);
        for (const fs::directory_entry& e : fs::directory_iterator(dir.path()))
            if (e.path().filename().string().rfind("checks.pdf", 0) == 0) fs::remove(e.path());
        // Three kills in four fall while the checks are claimed; the others once the PDF is
        // being written under its temporary name, or as it takes its own name.
        const long claims = kill % 4 != 3 ? std::uniform_int_distribution<long>(1, kChecks)(random)
                            : kill % 8 == 3 ? kChecks + 1
                                            : kChecks + 2;
        const pid_t station = startStation(dir.path(), dir / "print.scenario");
        const bool killed = killWhen(station, [&] {
            if (claims <= kChecks) return claimsNoted(dir.path()) >= claims;
            return claims == kChecks + 1 ? pdfBeingWritten(pdf) : fs::exists(pdf);
        });
        const std::vector<Shown> messages =
            openTheListAgain(&PostChecksToPrint, "Post Checks To Print");
        SCOPED_TRACE("kill " + std::to_string(kill) + " at " + std::to_string(claims));

        std::multiset<std::string> inPdf;
        if (fs::exists(pdf)) {
            inPdf = checkNumbersIn(pdf);
            if (inPdf.empty()) ++unreadable;
            EXPECT_FALSE(inPdf.empty()) << "a PDF under the chosen name that cannot be read";
        }
        std::string told;
        for (const Shown& m : messages)
            told += m.text;
        const auto stored = checktest::storedChecks();
        ASSERT_EQ(stored.size(), static_cast<std::size_t>(kChecks));
        long markedHere = 0, backHere = 0;
        for (const checktest::StoredCheck& c : stored) {
            const bool printed = inPdf.count(c.number) > 0;
            const bool named = told.find(c.number + " (") != std::string::npos;
            if (c.done == "Y") {
                ++markedHere;
                EXPECT_TRUE(printed) << c.number << " is marked printed but on no paper";
            } else {
                if (named) ++backHere;
                if (printed) ++printedAndPutBack;
            }
        }
        onPaper += markedHere;
        putBack += backHere;
        // Whatever the opening put back it named; nothing is left claimed.
        if (backHere > 0) {
            EXPECT_NE(told.find("were put back"), std::string::npos);
        }
        EXPECT_EQ(claimsNoted(dir.path()), 0);
        std::cout << "kill " << kill << (killed ? " after " : ", ended before ") << claims
                  << " claims: " << markedHere << " marked and in the PDF, " << backHere
                  << " put back at the next opening\n";
    }
    // A document that took its name holds checks that stay marked: none is put back.
    EXPECT_EQ(printedAndPutBack, 0);
    std::cout << kKills << " kills of " << kChecks << " checks: " << onPaper
              << " checks marked and in the PDF, " << putBack << " put back and named, "
              << printedAndPutBack << " in a PDF and put back, " << unreadable
              << " unreadable PDF files\n";
}

TEST(KilledRuns, DraftsPutBackAfterAKilledRunAreNamedAsDraftsByClientAndTheNumberTheyCarry) {
    testsupport::TempDir dir{/*enter=*/true};
    makeFolderWithTaggedDrafts(3);
    // Killed while its job waits at the printer: every draft is claimed, none on paper.
    DraftStation station(dir / "out.txt");
    ASSERT_TRUE(station.started());
    station.go();
    ASSERT_TRUE(station.waitReady());
    station.killNow();
    EXPECT_EQ(station.exitCode(), -1);

    const std::vector<Shown> messages =
        openTheListAgain(&BrowseMonthlyDrafts, "Print Monthly Drafts");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Draft Printing");
    EXPECT_EQ(messages[0].text,
              "A print run ended before its pages were printed. These drafts it had claimed "
              "were put back as they were before it: Ann Client N0001 (number 700), Ann Client "
              "N0002 (number 700), Ann Client N0003 (number 700).");
    for (const checktest::StoredCheck& draft : checktest::storedChecks()) {
        EXPECT_EQ(draft.number, "700");
        EXPECT_EQ(draft.draftsLeft, "3");
    }
}

// A station killed while its PDF is written leaves the PDF's part file beside it; the next
// opening of the checks to print removes it.
TEST(KilledRuns, TheNextOpeningRemovesThePartFileOfARunKilledWhileWritingItsPdf) {
    testsupport::TempDir dir{/*enter=*/true};
    const fs::path pdf = dir / "checks.pdf";
    writeStationScript(dir / "print.scenario", pdf.string());
    auto partFiles = [&] {
        long found = 0;
        for (const fs::directory_entry& e : fs::directory_iterator(dir.path()))
            if (e.path().filename().string().rfind("checks.pdf.part-", 0) == 0) ++found;
        return found;
    };
    for (int attempt = 0; attempt < 5; ++attempt) {
        makeFolderWithChecks(kChecks);
        fs::remove(pdf);
        const pid_t station = startStation(dir.path(), dir / "print.scenario");
        if (!killWhen(station, [&] { return pdfBeingWritten(pdf); }) || fs::exists(pdf))
            continue;  // it finished first
        ASSERT_EQ(partFiles(), 1);
        openTheListAgain(&PostChecksToPrint, "Post Checks To Print");
        EXPECT_EQ(partFiles(), 0);
        return;
    }
    FAIL() << "no station was killed while it wrote its PDF";
}

}  // namespace
