#pragma once
// Stations as programs of their own (tovik-drive) on one data folder: the session that
// prints every check three to a page into a PDF file, its start, and the check numbers a PDF
// file holds.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "records/all_files.h"
#include "records/checks.h"
#include "tests/checks/check_test_support.h"

namespace stationruns {

inline std::string numberOf(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "N%04d", i);
    return text;
}

// The session of one station: all checks, three to a page, into its own PDF file.
inline void writeStationScript(const std::filesystem::path& file, const std::string& pdf) {
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

inline pid_t startStation(const std::filesystem::path& folder,
                          const std::filesystem::path& script) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(3);
        std::freopen("/dev/null", "w", stdout);
        execl(TOVIK_DRIVE, TOVIK_DRIVE, script.c_str(), static_cast<char*>(nullptr));
        _exit(4);
    }
    return pid;
}

inline std::multiset<std::string> checkNumbersIn(const std::filesystem::path& pdf) {
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

// In the current folder: `count` unprinted checks numbered numberOf(1), ... (each with a
// payee of its own), and every other record file, as in a folder already in use.
inline void makeFolderWithChecks(int count) {
    std::vector<checktest::Check> checks;
    for (int i = 1; i <= count; ++i) {
        checktest::Check c("Ann", "Smith", "Payee " + std::to_string(i));
        c.checkNumber = numberOf(i);
        checks.push_back(c);
    }
    checktest::makeChecks(checks);
    for (const records::RecordFileEntry& entry : records::allRecordFiles())
        if (entry.file != &CHECKS) entry.file->create();
}

}  // namespace stationruns
