#include "frame/calculator.h"

#include <string>

#include "frame/calculator_keys.h"
#include "frame/calculator_window.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/window.h"

namespace {

using namespace windows::calculator;

const KeyButton* keyButton(int control) {
    for (const KeyButton& k : calculatorKeyButtons())
        if (k.control == control) return &k;
    return nullptr;
}

}  // namespace

double ShowCalculator(std::string_view caption, int keepTitle, double start, int blankDisplay) {
    CalculatorState shown;
    shown.setDisplay(ShowCalculatorDisplay(caption, keepTitle, start, blankDisplay));
    return shown.value();
}

std::string ShowCalculatorDisplay(std::string_view caption, int keepTitle, double start,
                                  int blankDisplay) {
    CalculatorState calculator(start, blankDisplay != 0);
    rt::Window w(calculatorWindow(), [&](std::string_view name) -> rt::BindingPtr {
        if (name == "LOC:Display")
            return rt::bindFunctions(
                "LOC:Display", [&] { return rt::Value(calculator.display()); },
                [&](const rt::Value& v) { calculator.setDisplay(v.asText()); });
        if (name == "LOC:Memory")
            return rt::bindFunctions(
                "LOC:Memory", [&] { return rt::Value(CalculatorRealText(calculator.memory())); },
                [](const rt::Value&) {});
        return nullptr;
    });
    w.open();
    if (keepTitle == 0 && !rt::clip(caption).empty())
        w.setProp(0, PROP::Text, std::string(rt::clip(caption)));
    w.display();
    w.select(CalculatorControl::Digit0);
    while (w.accept()) {
        if (w.event() != EVENT::Accepted) continue;
        if (w.field() == CalculatorControl::Exit) {
            w.close();
            break;
        }
        const KeyButton* k = keyButton(w.field());
        if (!k) continue;
        std::string copied;
        calculator.press(k->key, k->digit, &copied);
        if (k->key == CalculatorKey::Copy) rt::setClipboardText(copied);
        w.display();
        // After a key that works on the number, the keyboard goes on from "&0".
        if (k->key != CalculatorKey::Digit && k->key != CalculatorKey::Point)
            w.select(CalculatorControl::Digit0);
    }
    return calculator.display();
}
