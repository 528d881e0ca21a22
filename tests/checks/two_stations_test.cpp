// Two stations print every check at once, each a program of its own on one data folder:
// every check is printed exactly once across both PDF files, and every check is marked.

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
#include "tests/support/temp_dir.h"

namespace {

constexpr int kChecks = 600;

std::string numberOf(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "N%04d", i);
    return text;
}

// The session of one station: all checks, three to a page, into its own PDF file.
void writeStationScript(const std::filesystem::path& file, const std::string& pdf) {
    std::ofstream out(file);
    out << "window \"Ridar Uzad  Version 5.55\"\n"
           "press \"Post And Print Checks\"\n"
           "window \"Post Checks To Print\"\n"
           "press \"Print All Checks\"\n"
           "window \"Select Check Style And Print Check\"\n"
           "press \"Style 2  - Prints Three Checks Per Page\"\n"
           "window \"Report Destination\"\n"
           "press \"Options\"\n"
           "window \"Print Options\"\n"
           "press \"Print To FIle\"\n"
           "type 7 \""
        << pdf
        << "\"\n"
           "press \"OK\"\n"
           "window \"Report Destination\"\n"
           "press \"Print Report\"\n"
           "press \"OK\"\n"
           "window \"Post Checks To Print\"\n"
           "press \"Close\"\n"
           "window \"Ridar Uzad  Version 5.55\"\n"
           "press \"E&xit\"\n";
}

pid_t startStation(const std::filesystem::path& folder, const std::filesystem::path& script) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(3);
        std::freopen("/dev/null", "w", stdout);
        execl(TOVIK_DRIVE, TOVIK_DRIVE, script.c_str(), static_cast<char*>(nullptr));
        _exit(4);
    }
    return pid;
}

std::multiset<std::string> checkNumbersIn(const std::filesystem::path& pdf) {
    std::multiset<std::string> numbers;
    if (!std::filesystem::exists(pdf)) return numbers;
    std::string text;
    if (std::FILE* pipe = popen(("pdftotext '" + pdf.string() + "' -").c_str(), "r")) {
        std::array<char, 512> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            text += chunk.data();
        pclose(pipe);
    }
    const std::regex number("N[0-9]{4}");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.insert(it->str());
    return numbers;
}

TEST(TwoStations, PrintingAllChecksAtOncePrintsEachCheckExactlyOnce) {
    testsupport::TempDir dir{/*enter=*/true};
    std::vector<checktest::Check> checks;
    for (int i = 1; i <= kChecks; ++i) {
        checktest::Check c("Ann", "Smith", "Payee " + std::to_string(i));
        c.checkNumber = numberOf(i);
        checks.push_back(c);
    }
    checktest::makeChecks(checks);
    // The other files exist before the stations start, as in a folder already in use.
    for (const records::RecordFileEntry& entry : records::allRecordFiles())
        if (entry.file != &CHECKS) entry.file->create();
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

}  // namespace
