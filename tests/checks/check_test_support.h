#pragma once
// Shared by the checks tests: a CHECKS file filled from rows, a printer that keeps whole
// pages, and the report run to its end through the destination window.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "runtime/print/page.h"

namespace checktest {

struct Check {
    Check(std::string f, std::string l, std::string pay, std::string amt = "10.00",
          std::string d = "", std::string left = "")
        : first(std::move(f)),
          last(std::move(l)),
          payTo(std::move(pay)),
          amount(std::move(amt)),
          done(std::move(d)),
          draftsLeft(std::move(left)) {}
    std::string first, last, payTo;
    std::string amount;
    std::string done;        // "Y" once printed
    std::string draftsLeft;  // CHE:X2
    std::string draftDay;    // CHE:X1
    std::string checkNumber = "1001";
};

// A new CHECKS file holding the checks, numbered 1, 2, ... in CHE:CHECKID; their pointers.
std::vector<std::int64_t> makeChecks(const std::vector<Check>& checks);

struct StoredCheck {
    std::string last, done, draftsLeft;
    std::string number, memo;
    long date = 0;
};
// Every check in CHE:CHECKID order, read after a run.
std::vector<StoredCheck> storedChecks();

// Three checks of the Smiths, no check tagged, then those tagged in `table` (0: none):
// Ann unprinted with 3 drafts left, Bob ("smith") unprinted with none, Cy printed with 5.
std::vector<std::int64_t> makeThreeSmiths(long table);

// Tags in a table, by the checks' pointers.
void tagChecks(long table, const std::vector<std::int64_t>& pointers);

// The printer keeps every page printed, whole.
void recordPrintedPages();
const std::vector<rt::Page>& printedPages();
std::vector<std::string> textsOf(const rt::Page& page);

// Lets the progress window's timer run until the procedure has returned or asks something.
void runPassToEnd(rt::Driver& d);
// Answers the destination window with "Print Report" and runs the pass to its end.
void printWithoutPreview(rt::Driver& d);

}  // namespace checktest
