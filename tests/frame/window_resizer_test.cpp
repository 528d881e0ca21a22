// The window resizer on a real window model: size events from the driver, controls moved
// and scaled by their strategies.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "drivers/driver.h"
#include "frame/window_resizer.h"

namespace {

enum Control { List = 1, FarButton, NearButton, Entry, Check, Variable, Centred, Menu, Item };

rt::ControlStructure control(int number, rt::ControlKind kind, rt::Rect at, int parent = 0) {
    rt::ControlStructure c;
    c.number = number;
    c.kind = kind;
    c.at = at;
    c.parent = parent;
    c.text = "c" + std::to_string(number);
    return c;
}

rt::WindowStructure resizableWindow() {
    rt::WindowStructure w;
    w.module = "ResizerTest";
    w.label = "WINDOW";
    w.title = "Resizable";
    w.at = {30, 20, 200, 100};
    w.resizable = true;
    w.controls = {
        control(List, rt::ControlKind::List, {10, 10, 120, 60}),
        control(FarButton, rt::ControlKind::Button, {150, 75, 40, 14}),
        control(NearButton, rt::ControlKind::Button, {10, 75, 40, 14}),
        control(Entry, rt::ControlKind::Entry, {140, 10, 50, 10}),
        control(Check, rt::ControlKind::Check, {140, 30, 50, 10}),
        control(Variable, rt::ControlKind::String, {140, 50, 1, 8}),
        control(Centred, rt::ControlKind::Prompt, {80, 40, 40, 10}),
        control(Menu, rt::ControlKind::Menu, {}),
        control(Item, rt::ControlKind::Item, {}, Menu),
    };
    return w;
}

// Runs a window whose procedure keeps a resizer (mode 2), as the resizable lists do, and
// lets the test act between its waits.
class ResizerRun {
  public:
    explicit ResizerRun(rt::WindowStructure structure,
                        std::function<void(WindowResizerData&)> adjust = {})
        : structure_(std::move(structure)) {
        driver_.start([this, adjust] {
            rt::Window w(structure_);
            w.open();
            while (w.accept()) {
                switch (w.event()) {
                    case EVENT::OpenWindow:
                        InitWindowResizer(resizer_, w, RESIZE::ByControlType);
                        if (adjust) adjust(resizer_);
                        break;
                    case EVENT::Sized:
                        ResizeWindowControls(resizer_);
                        ++sizedEvents_;
                        break;
                    case EVENT::CloseDown:
                        KillWindowResizer(resizer_);
                        break;
                    default:
                        break;
                }
            }
            KillWindowResizer(resizer_);
        });
        driver_.settle();
    }
    ~ResizerRun() { driver_.finish(); }

    rt::Window& window() { return *driver_.active(); }
    void resize(int width, int height) {
        window().postInput({rt::Input::Kind::Resize, 0, "", width, height});
        driver_.settle();
    }
    rt::Rect at(int control) { return window().position(control); }
    const WindowResizerData& resizer() const { return resizer_; }

  private:
    rt::WindowStructure structure_;
    rt::Driver driver_;
    WindowResizerData resizer_;
    int sizedEvents_ = 0;
};

void expectRect(const rt::Rect& got, const rt::Rect& want, const char* what) {
    EXPECT_EQ(got.x, want.x) << what;
    EXPECT_EQ(got.y, want.y) << what;
    EXPECT_EQ(got.width, want.width) << what;
    EXPECT_EQ(got.height, want.height) << what;
}

TEST(WindowResizer, QueueHoldsEveryControlButMenusWithDefaultStrategies) {
    ResizerRun run(resizableWindow());
    const auto& queue = *run.resizer().CONTROLQUEUE;
    ASSERT_EQ(queue.size(), 7u);
    std::map<long, const WindowResizerControl*> byId;
    for (const auto& c : queue)
        byId[c.ID] = &c;
    EXPECT_EQ(queue.front().ID, List);
    EXPECT_EQ(byId.count(Menu) + byId.count(Item), 0u);
    EXPECT_EQ(byId[FarButton]->POSITIONALSTRATEGY, 0x1010);
    EXPECT_EQ(byId[FarButton]->RESIZESTRATEGY, 3);
    EXPECT_EQ(byId[Check]->RESIZESTRATEGY, 3);
    EXPECT_EQ(byId[Entry]->RESIZESTRATEGY, 2);
    EXPECT_EQ(byId[List]->RESIZESTRATEGY, 0);
    EXPECT_EQ(run.resizer().ORIGWIN.WIDTH, 200);
    EXPECT_EQ(run.resizer().ORIGWIN.XPOS, 30);
}

TEST(WindowResizer, DoublingTheWidthKeepsButtonsAtTheirEdgeAndScalesTheRest) {
    ResizerRun run(resizableWindow(), [](WindowResizerData& r) {
        for (auto& c : *r.CONTROLQUEUE)
            if (c.ID == Centred) {
                c.POSITIONALSTRATEGY = RESIZE::CentreX;
                c.RESIZESTRATEGY = RESIZE::FixedWidth;
            }
    });
    run.resize(400, 100);
    expectRect(run.at(List), {20, 10, 240, 60}, "list doubles its width");
    // Nearer the right edge: its distance to that edge (10) is kept, and its size.
    expectRect(run.at(FarButton), {350, 75, 40, 14}, "button at the right");
    expectRect(run.at(NearButton), {10, 75, 40, 14}, "button at the left");
    expectRect(run.at(Entry), {280, 10, 100, 10}, "entry keeps its height");
    expectRect(run.at(Check), {280, 30, 50, 10}, "check box keeps its size");
    EXPECT_EQ(run.at(Variable).width, RESIZE::ContentWidth);
    // 20 left of the centre stays 20 left of the new centre.
    expectRect(run.at(Centred), {180, 40, 40, 10}, "centred prompt");
}

TEST(WindowResizer, SameSizeDoesNothingAndTheInitialSizeRestoresEverything) {
    rt::WindowStructure structure = resizableWindow();
    ResizerRun run(structure);
    run.resize(400, 100);
    // Moved by the procedure after the resize: a size event with the same size leaves it.
    run.window().setPosition(List, {1, 2, 3, 4});
    run.resize(400, 100);
    expectRect(run.at(List), {1, 2, 3, 4}, "unchanged size");

    run.resize(200, 100);
    for (const rt::ControlStructure& c : structure.controls) {
        if (c.number == Variable || c.number == Menu || c.number == Item) continue;
        expectRect(run.at(c.number), c.at, c.text.c_str());
    }
}

TEST(WindowResizer, ShrinkingScalesDownAndStopsAtTheMinimumSize) {
    ResizerRun run(resizableWindow());
    run.resize(100, 50);
    expectRect(run.at(List), {5, 5, 60, 30}, "list halves");
    // Nearer the bottom and right edges: both distances kept.
    expectRect(run.at(FarButton), {50, 25, 40, 14}, "button");

    run.window().setProp(0, PROP::MinWidth, 150);
    run.window().setProp(0, PROP::MinHeight, 80);
    run.resize(100, 50);
    EXPECT_EQ(run.window().position(0).width, 150);
    EXPECT_EQ(run.window().position(0).height, 80);
    // Ratios 0.75 and 0.8 of the initial size.
    expectRect(run.at(List), {7, 8, 90, 48}, "list at the minimum size");
}

TEST(WindowResizer, RepaintDeferralIsRestoredWhenItWasNegative) {
    ResizerRun run(resizableWindow());
    run.window().setProp(0, PROP::DeferRepaint, -1);
    run.resize(300, 150);
    EXPECT_EQ(run.window().prop(0, PROP::DeferRepaint), -1);
    run.window().setProp(0, PROP::DeferRepaint, 0);
    run.resize(200, 100);
    EXPECT_EQ(run.window().prop(0, PROP::DeferRepaint), 7);
}

TEST(WindowResizer, ModeOneScalesEveryControl) {
    rt::Window window(resizableWindow());
    WindowResizerData resizer;
    InitWindowResizer(resizer, window, RESIZE::SameForAll);
    for (const auto& c : *resizer.CONTROLQUEUE) {
        EXPECT_EQ(c.POSITIONALSTRATEGY, 0) << c.ID;
        EXPECT_EQ(c.RESIZESTRATEGY, 0) << c.ID;
    }
    window.setPosition(0, {30, 20, 400, 200});
    ResizeWindowControls(resizer);
    expectRect(window.position(FarButton), {300, 150, 80, 28}, "button scaled");
    KillWindowResizer(resizer);
    EXPECT_EQ(resizer.CONTROLQUEUE, nullptr);
}

}  // namespace
