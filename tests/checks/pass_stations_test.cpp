// Passes over the checks while another station saves the same checks every 10 ms: the blank
// checks' numbering numbers each once, a print run prints and marks each check once, and every
// save of the other station stays.

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include "checks/check_procedures.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "records/blank.h"
#include "records/checks.h"
#include "runtime/text/fixed_text.h"
#include "tests/checks/check_test_support.h"
#include "tests/support/pass_beside_station.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kBlankChecks = 60;

std::vector<std::int64_t> makeBlankChecks() {
    std::vector<std::int64_t> pointers;
    BLANK.create();
    BLANK.open();
    for (int id = 1; id <= kBlankChecks; ++id) {
        BLANK.clear();
        CHE1::CHECKID.setInteger(id);
        CHE1::FIRSTNAME.setText("Name " + std::to_string(id));
        CHE1::CHECKNUMBER.setText("0");
        BLANK.add();
        pointers.push_back(BLANK.pointer());
    }
    BLANK.close();
    return pointers;
}

TEST(NumberingStations, BlankChecksAreNumberedOnceWhileAnotherStationSavesThem) {
    long savesDuringPasses = 0;  // the other station's saves while a pass ran
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        testsupport::TempDir dir{/*enter=*/true};
        const auto pointers = makeBlankChecks();
        GLO::LastCheckNumber = "";
        testsupport::BusyStation other(
            testsupport::cyclicSaves(records::blankDeclaration(), pointers, "CHE1:PAYTO"));
        ASSERT_TRUE(other.started());
        long response = 0;
        const long saves = testsupport::runBesideBusyStation(
            other, &EnterLastCheckNumber,
            [](rt::Driver& d) {
                d.waitWindow("Enter Last Check Number Used");
                d.type("GLO:LastCheckNumber", "1000");
                d.press("OK");
                checktest::runPassToEnd(d);
            },
            response);
        ASSERT_GE(saves, 1);
        savesDuringPasses += saves - 1;
        EXPECT_EQ(rt::clip(GLO::LastCheckNumber.view()), std::to_string(1000 + kBlankChecks));
        BLANK.open();
        for (int k = 0; k < kBlankChecks; ++k) {
            ASSERT_EQ(BLANK.getPointer(pointers[k]), 0);
            EXPECT_EQ(rt::clip(CHE1::CHECKNUMBER.text()), std::to_string(1001 + k)) << k;
            EXPECT_EQ(rt::clip(CHE1::PAYTO.text()),
                      testsupport::lastCyclicSave(k, kBlankChecks, saves))
                << k;
        }
        BLANK.close();
    }
    EXPECT_GT(savesDuringPasses, 0);
}

TEST(PrintingStations, APrintRunPrintsAndMarksEachCheckOnceWhileAnotherStationSavesThem) {
    constexpr int kChecks = 60;
    long savesDuringPasses = 0;  // the other station's saves while a pass ran
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        testsupport::TempDir dir{/*enter=*/true};
        std::vector<checktest::Check> checks;
        for (int i = 0; i < kChecks; ++i)
            checks.push_back(
                {"F" + std::to_string(i), "L" + std::to_string(i), "Payee " + std::to_string(i)});
        const auto pointers = checktest::makeChecks(checks);
        checktest::recordPrintedPages();
        testsupport::BusyStation other(
            testsupport::cyclicSaves(records::checksDeclaration(), pointers, "CHE:CHECKMEMO"));
        ASSERT_TRUE(other.started());
        long response = 0;
        const long saves = testsupport::runBesideBusyStation(
            other,
            [] {
                CHECKS.clear();
                PrintCheckStyle2ThreeUp();
            },
            checktest::printWithoutPreview, response);
        ASSERT_GE(saves, 1);
        savesDuringPasses += saves - 1;
        EXPECT_EQ(response, RESP::Completed);
        // Every check printed, each as often as the others (the payee may show on a stub).
        std::map<std::string, int> printed;
        const std::regex payee("Payee [0-9]+");
        for (const rt::Page& page : checktest::printedPages())
            for (const std::string& text : checktest::textsOf(page))
                for (std::sregex_iterator m(text.begin(), text.end(), payee), end; m != end; ++m)
                    ++printed[m->str()];
        ASSERT_EQ(printed.size(), static_cast<std::size_t>(kChecks));
        for (const auto& [name, times] : printed)
            EXPECT_EQ(times, printed.begin()->second) << name;
        CHECKS.open();
        for (int k = 0; k < kChecks; ++k) {
            ASSERT_EQ(CHECKS.getPointer(pointers[k]), 0);
            EXPECT_EQ(rt::clip(CHE::DONE.text()), "Y") << k;
            EXPECT_EQ(rt::clip(CHE::CHECKMEMO.text()),
                      testsupport::lastCyclicSave(k, kChecks, saves))
                << k;
        }
        CHECKS.close();
    }
    EXPECT_GT(savesDuringPasses, 0);
}

}  // namespace
