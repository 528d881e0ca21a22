// "  Print The Manual" in the help list on its real widgets (offscreen): the manual goes to
// the desktop, the list closes, and the window that opened the list has the keyboard again
// on the control that opened it.

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "information/help_list_window.h"
#include "information/information_procedures.h"
#include "runtime/system/desktop_handover.h"
#include "tests/runtime/qt/qt_test_support.h"
#include "tests/support/temp_dir.h"

namespace {

namespace HelpControl = windows::help_list::HelpListControl;

TEST(PrintManualFocusQt, TheManualGoesToTheDesktopAndTheCallerHasTheKeyboardAgain) {
    testsupport::TempDir dir{/*enter=*/true};
    std::mutex mutex;
    std::vector<std::string> handedOver;
    rt::setDesktopRecorder([&](const rt::DesktopHandOver& h) {
        std::lock_guard lock(mutex);
        handedOver.push_back(h.address);
    });
    qttest::CallerWindow caller{&HelpBrowse};
    qttest::QtSession session;
    rt::Window* help = qttest::openFromCaller(session, caller, "Help");
    ASSERT_NE(help, nullptr);
    session.click(help, HelpControl::PrintManual);
    qttest::expectCallerHasTheKeyboard(session, caller);
    rt::setDesktopRecorder(nullptr);
    ASSERT_EQ(handedOver.size(), 1u);
    EXPECT_NE(handedOver[0].find("manual.html"), std::string::npos) << handedOver[0];
}

}  // namespace
