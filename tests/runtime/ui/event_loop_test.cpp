// The rules of the accept loop that every procedure relies on, driven headless.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drivers/driver.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/program.h"
#include "runtime/ui/scheduler.h"
#include "runtime/ui/window.h"
#include "tests/runtime/ui/ui_test_support.h"

using rt::ControlKind;
using uitest::control;
using uitest::Seen;

namespace {

rt::WindowStructure formStructure() {
    return uitest::window(
        "Form", {control(1, ControlKind::Entry, "",
                         [](auto& c) {
                             c.use = "LOC:Amount";
                             c.picture = "@n6.2";
                         }),
                 control(2, ControlKind::Entry, "",
                         [](auto& c) {
                             c.use = "LOC:Name";
                             c.required = true;
                         }),
                 control(3, ControlKind::Button, "&OK", [](auto& c) { c.isDefault = true; }),
                 control(4, ControlKind::Button, "Nested"),
                 control(5, ControlKind::Button, "Close",
                         [](auto& c) { c.action = rt::StandardAction::Close; })});
}

// The frame's standard handling: first refresh on OpenWindow or GainFocus, refresh on a
// later GainFocus, Rejected answered with a beep and the focus back on the control.
struct Frame {
    int firstRefreshes = 0;
    int refreshes = 0;
    bool firstRefreshDone = false;

    void handle(rt::Window& w) {
        switch (w.event()) {
            case EVENT::OpenWindow:
            case EVENT::GainFocus:
                if (!firstRefreshDone) {
                    ++firstRefreshes;
                    firstRefreshDone = true;
                } else if (!w.acceptAllActive()) {
                    ++refreshes;
                }
                w.display();
                break;
            case EVENT::Rejected:
                rt::beep();
                w.display(w.field());
                w.select(w.field());
                break;
            default:
                break;
        }
    }
};

void nestedProcedure(std::vector<Seen>& seen) {
    rt::Window inner(uitest::window("Inner", {control(1, ControlKind::Button, "Done")}));
    inner.open();
    while (inner.accept()) {
        seen.emplace_back(inner.event(), inner.field());
        if (inner.event() == EVENT::Accepted && inner.field() == 1) inner.post(EVENT::CloseWindow);
    }
}

}  // namespace

TEST(EventLoop, FirstRefreshOnOpenAndRefreshWhenFocusComesBack) {
    Frame frame;
    std::vector<Seen> outer, inner;
    rt::Driver d;
    d.start([&] {
        rt::Window w(formStructure());
        w.open();
        while (w.accept()) {
            outer.emplace_back(w.event(), w.field());
            frame.handle(w);
            if (w.event() == EVENT::Accepted && w.field() == 4) nestedProcedure(inner);
        }
    });
    d.waitWindow("Form");
    d.press("Nested");
    d.waitWindow("Inner");
    d.press("Done");
    d.waitWindow("Form");
    d.press("Close");
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(frame.firstRefreshes, 1);
    EXPECT_EQ(frame.refreshes, 1);  // the GainFocus after the inner window closed
    ASSERT_GE(outer.size(), 3u);
    EXPECT_EQ(outer.front(), Seen(EVENT::OpenWindow, 0));
    EXPECT_NE(std::find(outer.begin(), outer.end(), Seen(EVENT::GainFocus, 0)), outer.end());
    EXPECT_EQ(inner.front(), Seen(EVENT::OpenWindow, 0));
}

TEST(EventLoop, ConsumedCloseKeepsTheWindowOpenAndAnUnconsumedOneClosesIt) {
    int closeRequests = 0;
    bool loopEnded = false;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window("Ask", {control(1, ControlKind::Button, "OK")}));
        w.open();
        while (w.accept()) {
            if (w.event() == EVENT::CloseWindow && ++closeRequests == 1) w.consume();
        }
        loopEnded = true;
    });
    d.waitWindow("Ask");
    d.close();
    d.waitWindow("Ask");  // still open: the first close was refused
    EXPECT_FALSE(loopEnded);
    d.key("Esc");  // Esc is a close request too
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(closeRequests, 2);
    EXPECT_TRUE(loopEnded);
}

TEST(EventLoop, RejectedInputLeavesTheVariableAndPutsTheFocusBack) {
    std::string amount = "12", name;
    int focusAfterReject = 0;
    std::vector<Seen> seen;
    Frame frame;
    rt::Driver d;
    d.start([&] {
        rt::Window w(formStructure(), [&](std::string_view use) -> rt::BindingPtr {
            if (use == "LOC:Amount") return rt::bindText("LOC:Amount", amount);
            if (use == "LOC:Name") return rt::bindText("LOC:Name", name);
            return nullptr;
        });
        w.open();
        while (w.accept()) {
            seen.emplace_back(w.event(), w.field());
            frame.handle(w);
            if (w.event() == EVENT::Rejected) focusAfterReject = w.focus();
        }
    });
    d.waitWindow("Form");
    d.expectText(rt::ControlName::parse("LOC:Amount"), "12.00");
    d.type("LOC:Amount", "12x");
    EXPECT_EQ(amount, "12");
    EXPECT_EQ(focusAfterReject, 1);
    EXPECT_EQ(d.active()->focus(), 1);
    EXPECT_EQ(d.backend().beeps(), 1);
    d.type("LOC:Amount", "7.5");
    EXPECT_EQ(amount, "7.5");
    d.expectText(rt::ControlName::parse("LOC:Amount"), "7.50");
    EXPECT_EQ(d.active()->focus(), 2);  // accepted input moves on
    d.press("Close");
    ASSERT_TRUE(d.finish());
    EXPECT_NE(std::find(seen.begin(), seen.end(), Seen(EVENT::Rejected, 1)), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), Seen(EVENT::Accepted, 1)), seen.end());
}

TEST(EventLoop, PostReachesOnlyItsOwnWindowThroughANestedCall) {
    constexpr int kMyEvent = 0x500;
    std::vector<Seen> outer, inner;
    rt::Driver d;
    d.start([&] {
        rt::Window w(formStructure());
        w.open();
        while (w.accept()) {
            outer.emplace_back(w.event(), w.field());
            if (w.event() == EVENT::Accepted && w.field() == 4) {
                w.post(kMyEvent, 4);
                nestedProcedure(inner);
            }
        }
    });
    d.waitWindow("Form");
    d.press("Nested");
    d.waitWindow("Inner");
    d.press("Done");
    d.waitWindow("Form");
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(std::count(inner.begin(), inner.end(), Seen(kMyEvent, 4)), 0);
    EXPECT_EQ(std::count(outer.begin(), outer.end(), Seen(kMyEvent, 4)), 1);
    // The posted event comes after the inner window has gone.
    auto posted = std::find(outer.begin(), outer.end(), Seen(kMyEvent, 4));
    auto nestedCall = std::find(outer.begin(), outer.end(), Seen(EVENT::Accepted, 4));
    EXPECT_LT(nestedCall, posted);
}

TEST(EventLoop, AcceptAllPassStopsAtTheRequiredEntryAndCompletesWhenAllPass) {
    std::string amount, name;
    struct Step {
        int event, control, passActive;
        bool operator==(const Step&) const = default;
    };
    std::vector<Step> steps;
    int completed = 0;
    rt::Driver d;
    d.start([&] {
        rt::Window w(formStructure(), [&](std::string_view use) -> rt::BindingPtr {
            if (use == "LOC:Amount") return rt::bindText("LOC:Amount", amount);
            return rt::bindText(std::string(use), name);
        });
        w.open();
        while (w.accept()) {
            int e = w.event();
            if (e == EVENT::Accepted || e == EVENT::Rejected || e == EVENT::Completed)
                steps.push_back({e, w.field(), static_cast<int>(w.prop(0, PROP::AcceptAllActive))});
            if (e == EVENT::Accepted && w.field() == 3) w.acceptAll();
            if (e == EVENT::Completed) {
                ++completed;
                w.post(EVENT::CloseWindow);
            }
        }
    });
    d.waitWindow("Form");
    d.press("&OK");
    EXPECT_EQ(completed, 0);
    EXPECT_EQ(d.active()->focus(), 2);  // back on the required entry
    d.type("LOC:Name", "Smith");
    steps.clear();
    d.key("Enter");  // the default button
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(completed, 1);
    std::vector<Step> want = {{EVENT::Accepted, 3, 0},
                              {EVENT::Accepted, 1, 1},
                              {EVENT::Accepted, 2, 1},
                              {EVENT::Completed, 0, 0}};
    EXPECT_EQ(steps, want);
}

TEST(EventLoop, RequiredBlankEntryIsRejectedByThePass) {
    std::vector<Seen> seen;
    rt::Driver d;
    d.start([&] {
        rt::Window w(formStructure());
        w.open();
        while (w.accept()) {
            seen.emplace_back(w.event(), w.field());
            if (w.event() == EVENT::Accepted && w.field() == 3) w.acceptAll();
        }
    });
    d.waitWindow("Form");
    d.press("&OK");
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_NE(std::find(seen.begin(), seen.end(), Seen(EVENT::Rejected, 2)), seen.end());
    EXPECT_EQ(std::find(seen.begin(), seen.end(), Seen(EVENT::Completed, 0)), seen.end());
}

namespace {
thread_local int tPresses = 0;  // per-thread data, as the procedures' globals are
}

TEST(Threads, ASecondThreadKeepsItsOwnDataAndRunsOnlyWhenTheFirstWaits) {
    int mainPresses = -1, panelPresses = -1, panelStartValue = -1;
    bool panelRanBeforeMainWaited = true;
    bool panelLoopEnded = false;
    bool panelStarted = false;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window("Main", {control(1, ControlKind::Button, "Count"),
                                             control(2, ControlKind::Button, "Panel")}));
        w.open();
        while (w.accept()) {
            if (w.event() == EVENT::Accepted && w.field() == 1) ++tPresses;
            if (w.event() == EVENT::Accepted && w.field() == 2) {
                rt::start(
                    [&] {
                        panelStarted = true;
                        panelStartValue = tPresses;
                        rt::Window p(
                            uitest::window("Panel", {control(1, ControlKind::Button, "Count")}));
                        p.open();
                        while (p.accept())
                            if (p.event() == EVENT::Accepted) ++tPresses;
                        panelPresses = tPresses;
                        panelLoopEnded = true;
                    },
                    25000);
                panelRanBeforeMainWaited = panelStarted;
            }
            if (w.event() == EVENT::CloseWindow) mainPresses = tPresses;
        }
    });
    d.waitWindow("Main");
    d.press("Count");
    d.press("Count");
    d.press("Panel");
    d.waitWindow("Panel");
    d.press("Count");
    d.close();  // the panel
    d.waitWindow("Main");
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_FALSE(panelRanBeforeMainWaited);
    EXPECT_EQ(panelStartValue, 0);  // a new thread starts from the program's first values
    EXPECT_EQ(panelPresses, 1);
    EXPECT_EQ(mainPresses, 2);
    EXPECT_TRUE(panelLoopEnded);
}

TEST(Threads, TheProgramEndsWhenTheMainProcedureReturnsClosingOtherThreadsWindows) {
    bool panelLoopEnded = false;
    bool panelSawCloseDown = false;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window("Main", {control(1, ControlKind::Button, "Panel")}));
        w.open();
        while (w.accept()) {
            if (w.event() == EVENT::Accepted) {
                rt::start([&] {
                    rt::Window p(uitest::window("Panel", {}));
                    p.open();
                    while (p.accept()) {
                        // Refusing is not possible once the program ends.
                        if (p.event() == EVENT::CloseDown) {
                            panelSawCloseDown = true;
                            p.consume();
                        }
                    }
                    panelLoopEnded = true;
                });
                w.post(EVENT::CloseWindow);
            }
        }
    });
    d.waitWindow("Main");
    d.press("Panel");
    ASSERT_TRUE(d.finish());
    EXPECT_TRUE(d.ended());
    EXPECT_TRUE(panelSawCloseDown);
    EXPECT_TRUE(panelLoopEnded);
}

TEST(Timers, FireInProgramTimeWithoutSleeping) {
    int timers = 0;
    rt::Driver d;
    d.start([&] {
        rt::WindowStructure structure = uitest::window("Intro", {});
        structure.timer = 300;
        rt::Window w(structure);
        w.open();
        while (w.accept()) {
            if (w.event() == EVENT::Timer && ++timers == 3) w.setProp(0, PROP::Text, "Ready");
        }
    });
    d.waitWindow("Ready");
    EXPECT_EQ(timers, 3);
    EXPECT_EQ(d.backend().clock(), 900);
    d.close();
    ASSERT_TRUE(d.finish());
}

TEST(Timers, WaitingForAWindowThatNeverComesFailsWithTheTitleShown) {
    rt::Driver d;
    d.start([&] {
        rt::WindowStructure structure = uitest::window("Clock", {});
        structure.timer = 100;
        rt::Window w(structure);
        w.open();
        while (w.accept()) {
        }
    });
    try {
        d.waitWindow("Never");
        FAIL() << "the wait should fail";
    } catch (const rt::DriverError& e) {
        EXPECT_NE(std::string(e.what()).find("\"Clock\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(d.backend().clock(), 100 * 101);
    ASSERT_TRUE(d.finish());
}

TEST(Keys, AlertKeysSubstitutionAndTheKeyCodeOfTheThread) {
    std::vector<int> alertCodes;
    std::vector<Seen> seen;
    rt::Driver d;
    d.start([&] {
        rt::WindowStructure structure = formStructure();
        structure.alertKeys = {KEY::AltShiftInsert, KEY::LeftClick, KEY::RightClick};
        rt::Window w(structure);
        w.open();
        while (w.accept()) {
            seen.emplace_back(w.event(), w.field());
            if (w.event() == EVENT::AlertKey) {
                alertCodes.push_back(rt::keyCode());
                rt::clearKeyCode();
                EXPECT_EQ(rt::keyCode(), 0);
            }
        }
    });
    d.waitWindow("Form");
    d.key("Alt+Shift+Insert");
    d.click(rt::ControlName::parse("0"), 0, "LeftClick");
    d.click(rt::ControlName::parse("1"), 0, "RightClick");  // on a control: the window's key
    rt::substituteKey(KEY::Enter, KEY::Tab);
    int before = d.active()->focus();
    seen.clear();
    d.key("Enter");  // acts as Tab: no press of the default button
    rt::substituteKey(KEY::Enter, 0);
    EXPECT_NE(d.active()->focus(), before);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), Seen(EVENT::Accepted, 3)), 0);
    d.key("Enter");
    EXPECT_EQ(std::count(seen.begin(), seen.end(), Seen(EVENT::Accepted, 3)), 1);
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(alertCodes, (std::vector<int>{0x52D, KEY::LeftClick, KEY::RightClick}));
}

TEST(EventLoop, SpinRangeRefusesInputAndTellsTheDirection) {
    long copies = 5;
    std::vector<int> details;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window("Spin", {control(1, ControlKind::Spin, "", [&](auto& c) {
                                        c.rangeLow = 1;
                                        c.rangeHigh = 9;
                                    })}));
        w.bind(1, rt::bindLong("LOC:Copies", copies));
        w.open();
        while (w.accept())
            if (w.event() == EVENT::Rejected) details.push_back(w.eventDetail());
    });
    d.waitWindow("Spin");
    d.type(1, "12");
    d.type(1, "0");
    d.type(1, "9");
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_EQ(details, (std::vector<int>{1, -1}));
    EXPECT_EQ(copies, 9);
}

TEST(EventLoop, ResizingRaisesSizedAndKeepsTheMinimumSize) {
    std::vector<Seen> seen;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window("Sizes", {}));
        w.open();
        w.setProp(0, PROP::MinWidth, 200);
        w.setProp(0, PROP::MinHeight, 150);
        while (w.accept())
            seen.emplace_back(w.event(), w.field());
    });
    d.waitWindow("Sizes");
    rt::Input resize;
    resize.kind = rt::Input::Kind::Resize;
    resize.number = 120;
    resize.number2 = 400;
    d.active()->postInput(resize);
    d.settle();
    EXPECT_EQ(d.active()->position(0).width, 200);
    EXPECT_EQ(d.active()->position(0).height, 400);
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_NE(std::find(seen.begin(), seen.end(), Seen(EVENT::Sized, 0)), seen.end());
}

TEST(Threads, YieldingInALongLoopLetsTheOtherThreadRun) {
    bool panelRan = false;
    int rounds = 0;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window("Main", {control(1, ControlKind::Button, "Work")}));
        w.open();
        while (w.accept()) {
            if (w.event() != EVENT::Accepted) continue;
            rt::start([&] { panelRan = true; });
            while (!panelRan && rounds < 1000) {
                ++rounds;
                rt::yieldEvents();
            }
        }
    });
    d.waitWindow("Main");
    d.press("Work");
    d.close();
    ASSERT_TRUE(d.finish());
    EXPECT_TRUE(panelRan);
    EXPECT_EQ(rounds, 1);
}

TEST(EventLoop, ARequiredEntryFailsOnlyWhenItShowsNoText) {
    struct Case {
        const char* picture;
        const char* typed;
        bool completes;
    };
    for (Case c : {Case{"@n6.2", "0", true}, Case{"@n6.2b", "0", false}, Case{"@s10", "   ", false},
                   Case{"@s10", "x", true}}) {
        bool completed = false, rejected = false;
        rt::Driver d;
        d.start([&] {
            rt::Window w(uitest::window("Req", {control(1, ControlKind::Entry, "",
                                                        [&](auto& s) {
                                                            s.picture = c.picture;
                                                            s.required = true;
                                                        }),
                                                control(2, ControlKind::Button, "OK")}));
            w.open();
            while (w.accept()) {
                if (w.event() == EVENT::Accepted && w.field() == 2) w.select(0);
                if (w.event() == EVENT::Completed) completed = true;
                if (w.event() == EVENT::Rejected && w.field() == 1 && w.acceptAllActive() == false)
                    rejected = true;
            }
        });
        d.waitWindow("Req");
        d.type(1, c.typed);
        d.press("OK");
        d.close();
        ASSERT_TRUE(d.finish());
        EXPECT_EQ(completed, c.completes) << c.picture << " " << c.typed;
        EXPECT_EQ(rejected, !c.completes) << c.picture << " " << c.typed;
    }
}

TEST(Timers, AWaitGoesOnWhileEachRoundChangesWhatTheUserSees) {
    rt::Driver d;
    d.start([&] {
        rt::WindowStructure structure =
            uitest::window("Progress", {control(1, ControlKind::String, "0")});
        structure.timer = 1;
        rt::Window w(structure);
        w.open();
        int done = 0;
        while (w.accept()) {
            if (w.event() != EVENT::Timer) continue;
            // 250 rounds of "% Completed", far more than the quiet-round limit.
            if (++done < 250) {
                w.setProp(1, PROP::Text, std::to_string(done * 100 / 250) + "% Completed");
            } else {
                w.setProp(0, PROP::Text, "Finished");
            }
        }
    });
    d.waitWindow("Finished");
    EXPECT_EQ(d.backend().clock(), 250);
    d.close();
    ASSERT_TRUE(d.finish());
}

TEST(EventLoop, AClickedButtonTakesTheFocusBeforeItIsAccepted) {
    std::vector<Seen> seen;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window(
            "Tools", {control(1, ControlKind::Entry), control(2, ControlKind::Button, "Find"),
                      control(3, ControlKind::Button, "Tool", [](auto& c) { c.toolbar = true; }),
                      control(4, ControlKind::Button, "Close",
                              [](auto& c) { c.action = rt::StandardAction::Close; })}));
        w.open();
        while (w.accept())
            if (w.field() != 0) seen.emplace_back(w.event(), w.field());
    });
    d.waitWindow("Tools");
    auto click = [&](std::string name) {
        d.click(rt::ControlName{rt::ControlName::By::Text, 0, name}, 0, "LeftClick");
    };
    click("Find");
    click("Find");    // already focused: no second Selected
    d.press("Tool");  // pressed (its key, the press step): the focus stays
    click("Tool");
    click("Close");
    ASSERT_TRUE(d.finish());
    std::vector<Seen> want{{EVENT::Selected, 2}, {EVENT::Accepted, 2}, {EVENT::Accepted, 2},
                           {EVENT::Accepted, 3}, {EVENT::Selected, 3}, {EVENT::Accepted, 3},
                           {EVENT::Selected, 4}, {EVENT::Accepted, 4}};
    EXPECT_EQ(seen, want);
}

TEST(EventLoop, AWindowClosedInItsHandlerIsOutOfSightWhileTheNextFormRuns) {
    // A search window hands its record to a form: it closes first, the form runs alone, and
    // the search loop ends when the form returns.
    std::vector<Seen> outer, inner;
    bool searchOpenDuringForm = true;
    rt::Driver d;
    d.start([&] {
        rt::Window search(uitest::window("Search", {control(1, ControlKind::Button, "Edit")}));
        search.open();
        while (search.accept()) {
            outer.emplace_back(search.event(), search.field());
            if (search.event() == EVENT::Accepted && search.field() == 1) {
                search.close();
                nestedProcedure(inner);
                searchOpenDuringForm = search.isOpen();
            }
        }
    });
    d.waitWindow("Search");
    d.press("Edit");
    d.waitWindow("Inner");
    {
        std::lock_guard lock(rt::Scheduler::instance().mutex());
        EXPECT_EQ(rt::Scheduler::instance().zOrder().size(), 1u);  // the form alone
    }
    d.press("Done");
    ASSERT_TRUE(d.finish());
    EXPECT_FALSE(searchOpenDuringForm);
    EXPECT_EQ(outer.back(), Seen(EVENT::Accepted, 1));  // nothing after the hand-over
    EXPECT_EQ(inner.front(), Seen(EVENT::OpenWindow, 0));
}

TEST(EventLoop, TabsChangeWithTabChangingThenNewSelectionAndSelectBringsAControlsTabForward) {
    std::vector<Seen> seen;
    std::vector<int> tabs;  // the selected tab read at each sheet event
    bool nameVisibleOnSecondTab = true;
    rt::Driver d;
    d.start([&] {
        rt::Window w(uitest::window(
            "Sheet", {control(1, ControlKind::Sheet),
                      control(2, ControlKind::Tab, "&Person", [](auto& c) { c.parent = 1; }),
                      control(3, ControlKind::Tab, "&Money", [](auto& c) { c.parent = 1; }),
                      control(4, ControlKind::Entry, "", [](auto& c) { c.parent = 2; }),
                      control(5, ControlKind::Entry, "", [](auto& c) { c.parent = 3; }),
                      control(6, ControlKind::Button, "Back")}));
        w.open();
        while (w.accept()) {
            if (w.field() == 1) {
                seen.emplace_back(w.event(), w.field());
                tabs.push_back(w.choice(1));
            }
            if (w.field() == 1 && w.event() == EVENT::NewSelection && w.choice(1) == 2)
                nameVisibleOnSecondTab = w.isVisible(4);
            if (w.event() == EVENT::Accepted && w.field() == 6) w.select(4);
        }
    });
    d.waitWindow("Sheet");
    d.press("Money");
    d.press("Money");  // already in front: nothing
    d.press("Back");   // selecting the entry of the first tab brings that tab forward
    EXPECT_EQ(d.active()->choice(1), 1);
    EXPECT_EQ(d.active()->focus(), 4);
    ASSERT_TRUE(d.finish());
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0], Seen(EVENT::TabChanging, 1));
    EXPECT_EQ(seen[1], Seen(EVENT::NewSelection, 1));
    EXPECT_EQ(tabs[1], 2);
    EXPECT_FALSE(nameVisibleOnSecondTab);
}
