// A hand-over to the desktop from an application thread, with a Qt application running.

#include <gtest/gtest.h>

#include <thread>

#include "runtime/system/desktop_handover.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

// The GUI thread here waits for the application thread without handling events, as the test
// driver's settle does: a hand-over that needed the GUI thread to answer would never return.
TEST(DesktopHandOverQt, AnApplicationThreadGetsTheDesktopsAnswerWithoutTheGuiThread) {
    rt::qt::ensureApplication();
    rt::setDesktopRecorder(nullptr);
    rt::HandOverResult result = rt::HandOverResult::Refused;
    std::thread application([&] { result = rt::openShellAddress("http://localhost:8080/"); });
    application.join();
    EXPECT_NE(result, rt::HandOverResult::Refused);
}

}  // namespace
