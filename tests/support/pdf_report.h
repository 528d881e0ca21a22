#pragma once
// A report printed into a PDF file as the user does it (destination "Print To FIle", the
// preview's "Print The Report"), and the text of a PDF read back with pdftotext.

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "drivers/driver.h"

namespace testsupport {

// What `command` writes to its standard output.
inline std::string commandOutput(const std::string& command) {
    std::string output;
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> chunk;
        while (std::fgets(chunk.data(), chunk.size(), pipe))
            output += chunk.data();
        pclose(pipe);
    }
    return output;
}

inline std::string pdfText(const std::filesystem::path& pdf) {
    return commandOutput("pdftotext -layout '" + pdf.string() + "' - 2>/dev/null");
}

// At the destination question: printing into `pdf` ticked and named; the question stays open.
inline void chooseFileAtDestination(rt::Driver& driver, const std::filesystem::path& pdf) {
    driver.waitWindow("Report Destination");
    driver.press("Options");
    driver.waitWindow("Print Options");
    driver.press("Print To FIle");
    driver.type(7, pdf.string());
    driver.press("OK");
    driver.waitWindow("Report Destination");
}

// Runs `report` headless, chooses to view it and print it into `pdf`; answers whether a
// preview showed (an empty report shows none and writes no file).
inline bool printReportToPdf(const std::function<void()>& report,
                             const std::filesystem::path& pdf) {
    rt::Driver driver;
    driver.start(report);
    chooseFileAtDestination(driver, pdf);
    driver.press("OK");
    bool previewed = false;
    for (int round = 0; round < 1000 && !driver.ended(); ++round) {
        driver.settle();
        rt::Window* w = driver.active();
        if (w && w->title() == "Report Preview") {
            previewed = true;
            driver.press(1);  // "Print The Report"
            driver.waitWindow("Print Options");
            driver.press("OK");
            break;
        }
        if (!driver.backend().fireNextTimer()) break;
    }
    EXPECT_TRUE(driver.finish());
    return previewed;
}

}  // namespace testsupport
