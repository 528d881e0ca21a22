// Input that arrives for a window its own thread has closed, destroyed or rebuilt: the GUI
// thread and the driver hold bare Window pointers that can go stale at any moment.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "drivers/driver.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/program.h"
#include "runtime/ui/window.h"
#include "tests/runtime/ui/ui_test_support.h"

using rt::ControlKind;
using uitest::control;
using uitest::Seen;

namespace {

rt::Input pressOf(int control) {
    rt::Input in;
    in.kind = rt::Input::Kind::Press;
    in.control = control;
    return in;
}

}  // namespace

TEST(InputAfterClose, AClosedWindowGetsNothingAndOneRebuiltAtItsAddressIsNotTakenForIt) {
    bool toClosed = true, toStale = true, toFresh = false, unchecked = false;
    rt::Window* first = nullptr;
    rt::Window* second = nullptr;
    std::vector<Seen> seen;
    rt::Driver d;
    d.start([&] {
        std::optional<rt::Window> slot;
        slot.emplace(uitest::window("First", {control(1, ControlKind::Button, "Go")}));
        slot->open();
        first = &*slot;
        std::uint64_t firstOpening = slot->openingId();
        slot.reset();  // closes and destroys it
        toClosed = rt::Window::postInputIfOpen(first, pressOf(1));

        slot.emplace(uitest::window("Second", {control(1, ControlKind::Button, "Go")}));
        slot->open();
        second = &*slot;
        toStale = rt::Window::postInputIfOpen(second, pressOf(1), firstOpening);
        toFresh = rt::Window::postInputIfOpen(second, pressOf(1), slot->openingId());
        unchecked = rt::Window::postInputIfOpen(second, pressOf(1));
        while (slot->accept())
            seen.emplace_back(slot->event(), slot->field());
    });
    d.waitWindow("Second");
    d.close();
    ASSERT_TRUE(d.finish());
    ASSERT_EQ(first, second);  // the same storage, as a reused allocation would give
    EXPECT_FALSE(toClosed);
    EXPECT_FALSE(toStale);
    EXPECT_TRUE(toFresh);
    EXPECT_TRUE(unchecked);
    std::vector<Seen> want = {{EVENT::OpenWindow, 0},
                              {EVENT::Accepted, 1},
                              {EVENT::Accepted, 1},
                              {EVENT::CloseWindow, 0}};
    EXPECT_EQ(seen, want);
}

// Another thread keeps posting to whatever window was built last while the application
// thread opens, closes and frees windows as fast as it can. Every post either reaches an
// open window or nothing; the sanitizer build sees any touch of a freed one.
TEST(InputAfterClose, PostsRacingTheWindowsDestructionNeverTouchFreedMemory) {
    std::atomic<rt::Window*> latest{nullptr};
    std::atomic<bool> done{false};
    std::thread poster([&] {
        while (!done)
            rt::Window::postInputIfOpen(latest.load(), pressOf(1));
    });
    rt::Driver d;
    d.start([&] {
        for (int round = 0; round < 400; ++round) {
            auto w = std::make_unique<rt::Window>(
                uitest::window("Busy", {control(1, ControlKind::Button, "Go")}));
            w->open();
            latest = w.get();
            w->accept();  // OpenWindow
            if (round % 2) rt::yieldEvents();
        }
        rt::Window last(uitest::window("Done", {}));
        last.open();
        while (last.accept()) {
        }
    });
    d.waitWindow("Done");
    done = true;
    poster.join();
    d.close();
    EXPECT_TRUE(d.finish());
}
