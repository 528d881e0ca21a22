// The calculator in real widgets (offscreen), called from a field of a form: its exit
// button gives the keyboard back to the form, on the field that had it.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "frame/calculator.h"
#include "frame/calculator_window.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/codes.h"
#include "tests/runtime/qt/qt_test_support.h"

namespace {

using rt::ControlKind;

TEST(CalculatorFocusQt, ExitGivesTheKeyboardBackToTheFieldThatCalledIt) {
    std::atomic<rt::Window*> form{nullptr};
    qttest::QtSession session;
    session.start([&] {
        rt::WindowStructure s;
        s.title = "Invoice";
        s.at = {0, 0, 160, 60};
        std::string note, shipping;
        qttest::addControl(s, 1, ControlKind::Entry, "", {10, 10, 100, 12}).use = "NOTE";
        qttest::addControl(s, 2, ControlKind::Entry, "", {10, 30, 100, 12}).use = "SHIPPING";
        rt::Window w(s, [&](std::string_view use) -> rt::BindingPtr {
            return use == "NOTE" ? rt::bindText("NOTE", note) : rt::bindText("SHIPPING", shipping);
        });
        w.open();
        form = &w;
        while (w.accept())
            if (w.event() == EVENT::Selected && w.field() == 2)
                ShowCalculator("Shipping Calculator", 0, 0, 0);
        form = nullptr;
    });
    rt::Window* invoice = form;
    ASSERT_NE(session.shownWindow(invoice), nullptr);
    session.click(invoice, 2);  // the field opens the calculator
    rt::Window* calculator = session.shownTop();
    ASSERT_NE(calculator, invoice);
    session.click(calculator, windows::calculator::CalculatorControl::Exit);
    ASSERT_EQ(qttest::topWindow(), invoice);
    EXPECT_TRUE(qttest::keyboardBackOn(session.backend(), invoice, 2));
    ASSERT_TRUE(session.finish());
}

}  // namespace
