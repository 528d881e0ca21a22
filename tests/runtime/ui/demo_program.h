#pragma once
// A small demonstration program for the driver tests: one window with every control kind
// and a virtual list window, written the way the procedures are written.

#include <array>
#include <string>

#include "runtime/text/decimal.h"

namespace demo {

// The record the demonstration form edits (one per thread, as record buffers are).
struct Record {
    Record();  // text fields blank, numbers 0, as the global-data initialiser leaves them
    std::array<char, 20> firstName{};
    std::array<char, 2> state{};
    std::string notes;
    std::array<char, 1> member{};
    std::array<char, 10> kind{};
    rt::Decimal amount;
    long copies = 1;
    std::array<char, 10> color{};
    std::array<char, 10> size{};
    long routing = 0;
    long progress = 0;
    std::string chosenName;  // what the list's Select left
};

Record& record();
void clearRecord();

// The program's main procedure: opens "Demo Controls" and returns when it closes.
void demoProgram();
// The list procedure: 50 names, paged by the procedure as the browses do.
void demoList();

}  // namespace demo
