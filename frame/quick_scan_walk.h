#pragma once
// QUICKSCAN on a file for the length of a whole walk, and back as it was afterwards, however
// the walk ends. The open read is suspended before every wait for the next event anyway.

#include "runtime/data/record_file.h"

class QuickScanWalk {
  public:
    explicit QuickScanWalk(rt::RecordFile& file) : file_(file), wasOn_(file.quickScan()) {
        if (!wasOn_) file_.send("QUICKSCAN=on");
    }
    ~QuickScanWalk() {
        if (!wasOn_) file_.send("QUICKSCAN=off");
    }
    QuickScanWalk(const QuickScanWalk&) = delete;
    QuickScanWalk& operator=(const QuickScanWalk&) = delete;

  private:
    rt::RecordFile& file_;
    bool wasOn_;
};
