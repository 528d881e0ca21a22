#pragma once
// A procedure run to its end on this station while another station keeps saving.

#include <gtest/gtest.h>

#include <functional>

#include "drivers/driver.h"
#include "frame/globals.h"
#include "tests/support/busy_station.h"

namespace testsupport {

// Runs `procedure` on a driver of its own, `drive` taking it to its end, then stops `other`.
// Answers the other station's saves (-1 and a failed test when a message was left waiting or
// the other station failed) and leaves the procedure's response in `response`.
inline long runBesideBusyStation(BusyStation& other, const std::function<void()>& procedure,
                                 const std::function<void(rt::Driver&)>& drive, long& response) {
    response = 0;
    {
        rt::Driver d;
        d.start([&response, &procedure] {
            procedure();
            response = GLO::Response;
        });
        drive(d);
        const auto dialogs = d.backend().pendingDialogs();
        if (!dialogs.empty()) {
            ADD_FAILURE() << "message left waiting: " << dialogs.front()->text;
            other.stop();
            return -1;
        }
        EXPECT_TRUE(d.finish());
    }
    return other.stop();
}

}  // namespace testsupport
