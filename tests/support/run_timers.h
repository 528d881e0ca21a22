#pragma once
// Lets the program's timers fire, one after the other, until the program ends, a dialog
// asks something or no window has a timer left (a pass under its progress window).

#include "drivers/driver.h"

namespace testsupport {

inline void runTimersToEnd(rt::Driver& d) {
    for (int round = 0; round < 1000000; ++round) {
        d.settle();
        if (d.ended() || !d.backend().pendingDialogs().empty() || !d.backend().fireNextTimer())
            return;
    }
}

}  // namespace testsupport
