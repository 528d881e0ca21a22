#pragma once
// "Calculator": the display, the memory and the keys of the pocket calculator.

#include "frame/calculator_keys.h"
#include "runtime/ui/window_structure.h"

namespace windows::calculator {

namespace CalculatorControl {
inline constexpr int Display = 1;
inline constexpr int MemoryPrompt = 2;
inline constexpr int Memory = 3;
inline constexpr int Digit0 = 4;  // "&0" .. "&9": 4 .. 13
inline constexpr int Exit = 35;
}  // namespace CalculatorControl

// What a key button does: the calculator key (and digit), or Exit.
struct KeyButton {
    int control;
    CalculatorKey key;
    int digit;
};
// The buttons other than Exit, in control order.
const std::vector<KeyButton>& calculatorKeyButtons();

const rt::WindowStructure& calculatorWindow();

}  // namespace windows::calculator
