// Two stations print every check at once, each a program of its own on one data folder:
// every check is printed exactly once across both PDF files, and every check is marked. Two
// stations print the same tagged monthly drafts at once: each draft is printed once and
// counted down once.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <regex>
#include <set>

#include "records/all_files.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/checks/station_runs.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace stationruns;

constexpr int kChecks = 600;

TEST(TwoStations, PrintingAllChecksAtOncePrintsEachCheckExactlyOnce) {
    testsupport::TempDir dir{/*enter=*/true};
    makeFolderWithChecks(kChecks);
    writeStationScript(dir / "a.scenario", "a.pdf");
    writeStationScript(dir / "b.scenario", "b.pdf");

    const pid_t a = startStation(dir.path(), dir / "a.scenario");
    const pid_t b = startStation(dir.path(), dir / "b.scenario");
    int statusA = 0, statusB = 0;
    const auto started = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    const pid_t first = waitpid(-1, &statusA, 0);
    const double firstEnded = seconds();
    waitpid(first == a ? b : a, &statusB, 0);
    if (first != a) std::swap(statusA, statusB);
    std::cout << "first station ended after " << firstEnded << " s, the second after " << seconds()
              << " s\n";
    ASSERT_TRUE(WIFEXITED(statusA) && WEXITSTATUS(statusA) == 0);
    ASSERT_TRUE(WIFEXITED(statusB) && WEXITSTATUS(statusB) == 0);

    std::multiset<std::string> printed = checkNumbersIn(dir / "a.pdf");
    const std::multiset<std::string> second = checkNumbersIn(dir / "b.pdf");
    printed.insert(second.begin(), second.end());
    ASSERT_EQ(printed.size(), static_cast<std::size_t>(kChecks));
    for (int i = 1; i <= kChecks; ++i)
        EXPECT_EQ(printed.count(numberOf(i)), 1u) << numberOf(i);
    for (const checktest::StoredCheck& c : checktest::storedChecks())
        EXPECT_EQ(c.done, "Y");
    std::cout << "station a printed " << checkNumbersIn(dir / "a.pdf").size()
              << " checks, station b " << second.size() << "\n";
}

constexpr int kDrafts = 200;

TEST(TwoStations, PrintingTheSameTaggedDraftsAtOncePrintsAndCountsDownEachDraftOnce) {
    testsupport::TempDir dir{/*enter=*/true};
    makeFolderWithTaggedDrafts(kDrafts);
    // Both stations start at once; each holds its job once its pages are made, so that
    // neither run ends before the other has claimed what it could.
    DraftStation a(dir / "a.txt"), b(dir / "b.txt");
    ASSERT_TRUE(a.started() && b.started());
    a.go();
    b.go();
    ASSERT_TRUE(a.waitReady());
    ASSERT_TRUE(b.waitReady());
    a.release();
    b.release();
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);

    std::multiset<std::string> printed = payeesPrinted(dir / "a.txt");
    const std::multiset<std::string> second = payeesPrinted(dir / "b.txt");
    std::cout << "station a printed " << printed.size() << " drafts, station b " << second.size()
              << "\n";
    printed.insert(second.begin(), second.end());
    EXPECT_EQ(printed.size(), static_cast<std::size_t>(kDrafts));
    for (int i = 1; i <= kDrafts; ++i)
        EXPECT_EQ(printed.count("Payee " + std::to_string(i)), 1u) << i;
    for (const checktest::StoredCheck& d : checktest::storedChecks())
        EXPECT_EQ(d.draftsLeft, "2") << d.last;
}

TEST(TwoStations, ADraftRunBegunWhileAnotherStationsRunHoldsTheDraftsPrintsNoneOfThem) {
    testsupport::TempDir dir{/*enter=*/true};
    makeFolderWithTaggedDrafts(5);
    // The other station has numbered every draft and waits at its printer.
    DraftStation other(dir / "other.txt");
    ASSERT_TRUE(other.started());
    other.go();
    ASSERT_TRUE(other.waitReady());
    // This station's drafts look like any drafts, numbered as they are: all are passed over.
    checktest::recordPrintedPages();
    EXPECT_TRUE(printTaggedDraftsFrom("2001"));
    EXPECT_TRUE(checktest::printedPages().empty());
    other.release();
    EXPECT_EQ(other.exitCode(), 0);
    EXPECT_EQ(payeesPrinted(dir / "other.txt").size(), 5u);
    for (const checktest::StoredCheck& d : checktest::storedChecks()) {
        EXPECT_EQ(d.draftsLeft, "2") << d.last;
        EXPECT_THAT(d.number, testing::StartsWith("100")) << d.last;
    }
}

}  // namespace
