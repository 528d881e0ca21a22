#include "frame/calculator_window.h"

#include <string>

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::calculator {

namespace {

using namespace CalculatorControl;

// One key of the calculator: its place in the grid (column, row), text, tip and key.
struct KeyLook {
    int control;
    CalculatorKey key;
    int digit;
    int column, row;
    const char* text;
    const char* tip;
    int keyCode;
};

constexpr int kColumns = 5;
constexpr int kKeyWidth = 20, kKeyHeight = 19, kLeft = 4, kTop = 38, kGap = 2;

const std::vector<KeyLook>& keyLooks() {
    static const std::vector<KeyLook> looks = [] {
        std::vector<KeyLook> k;
        // Digits 1-9 in three rows above 0, as on a pocket calculator.
        k.push_back({Digit0, CalculatorKey::Digit, 0, 0, 6, "&0", "", KEY::Pad0});
        static const char* const digitTexts[] = {"&1", "&2", "&3", "&4", "&5",
                                                 "&6", "&7", "&8", "&9"};
        for (int d = 1; d <= 9; ++d)
            k.push_back({Digit0 + d, CalculatorKey::Digit, d, (d - 1) % 3, 5 - (d - 1) / 3,
                         digitTexts[d - 1], "", KEY::Pad0 + d});
        k.push_back({14, CalculatorKey::Point, 0, 1, 6, ".", "", KEY::PadPoint});
        k.push_back({15, CalculatorKey::Clear, 0, 4, 0, "CE", "Clear", 0});
        k.push_back({16, CalculatorKey::Pi, 0, 0, 0, "p", "Pi", 0});
        k.push_back({17, CalculatorKey::ChangeSign, 0, 2, 6, "+/-", "Change Sign", 0});
        k.push_back({18, CalculatorKey::Square, 0, 1, 0, "x\xB2", "Value Squared", 0});
        k.push_back({19, CalculatorKey::SquareRoot, 0, 2, 0, "\xD6", "Square Root", 0});
        k.push_back({20, CalculatorKey::Reciprocal, 0, 3, 0, "1/x", "Reciprocal", 0});
        k.push_back({21, CalculatorKey::TimesTen, 0, 0, 1, "10X", "Multiply by 10", 0});
        k.push_back({22, CalculatorKey::Percent, 0, 1, 1, "%", "Percent", 0});
        k.push_back({23, CalculatorKey::Log10, 0, 2, 1, " lg", "Base 10 Logarithm", 0});
        k.push_back({24, CalculatorKey::NaturalLog, 0, 3, 1, " ln", "Natural Logarithm", 0});
        k.push_back({25, CalculatorKey::MemoryRecall, 0, 0, 2, "MR", "Recall Memory", 0});
        k.push_back({26, CalculatorKey::MemoryStore, 0, 1, 2, "M", "Store in Memory", 0});
        k.push_back({27, CalculatorKey::MemoryAdd, 0, 2, 2, " M+", "Add to Memory", 0});
        k.push_back({28, CalculatorKey::Add, 0, 3, 6, "+", "Add", KEY::PadAdd});
        k.push_back({29, CalculatorKey::Subtract, 0, 3, 5, "-", "Subtract", KEY::PadSubtract});
        k.push_back({30, CalculatorKey::Multiply, 0, 3, 4, "x", "Multiply", KEY::PadMultiply});
        k.push_back({31, CalculatorKey::Divide, 0, 3, 3, "/", "Divide", KEY::PadDivide});
        k.push_back({32, CalculatorKey::Power, 0, 3, 2, " exp", "Exponent", 0});
        k.push_back({33, CalculatorKey::Equals, 0, 4, 5, "=", "", KEY::Enter});
        k.push_back({34, CalculatorKey::Copy, 0, 4, 1, "Copy", "Copy to Clipboard",
                     KEY::AltMask + KEY::letter('C')});
        return k;
    }();
    return looks;
}

rt::Rect keyAt(int column, int row, int rows = 1) {
    return {kLeft + column * (kKeyWidth + kGap), kTop + row * (kKeyHeight + kGap), kKeyWidth,
            rows * kKeyHeight + (rows - 1) * kGap};
}

rt::WindowStructure makeWindow() {
    rt::WindowStructure w;
    w.module = "Tovik_VW";
    w.label = "CalculatorWindow";
    w.title = "Calculator";
    w.at = {0, 0, 116, 192};
    w.centered = true;
    w.frame = rt::FrameKind::Double;
    w.font = {"Arial", 8};
    StructureBuilder b(w);
    rt::ControlStructure& display = b.entry(Display, {4, 4, 108, 14}, "LOC:Display", "@s20");
    display.align = rt::Align::Right;
    display.font = {"Arial", 11, true};
    b.prompt(MemoryPrompt, {4, 23, 32, 10}, "Memory:");
    rt::ControlStructure& memory = b.add(Memory, rt::ControlKind::String, {38, 23, 74, 10});
    memory.use = "LOC:Memory";
    memory.picture = "@S20";
    for (const KeyLook& k : keyLooks()) {
        // Equals spans two rows at the right, beside the last digits.
        const rt::Rect at =
            k.key == CalculatorKey::Equals ? keyAt(k.column, k.row, 2) : keyAt(k.column, k.row);
        rt::ControlStructure& button = b.button(k.control, at, k.text);
        button.tip = k.tip;
        button.key = k.keyCode;
        // Pi and the root sign are the Symbol font's letters p and 0xD6.
        if (k.key == CalculatorKey::Pi || k.key == CalculatorKey::SquareRoot)
            button.font = {"Symbol", 10};
    }
    rt::ControlStructure& exit = b.button(Exit, keyAt(4, 2), {});
    exit.icon = "TINEXITS.ICO";
    exit.tip = "Exit";
    exit.key = KEY::AltF4;
    return w;
}

}  // namespace

const std::vector<KeyButton>& calculatorKeyButtons() {
    static const std::vector<KeyButton> buttons = [] {
        std::vector<KeyButton> all;
        for (const KeyLook& k : keyLooks())
            all.push_back({k.control, k.key, k.digit});
        return all;
    }();
    return buttons;
}

const rt::WindowStructure& calculatorWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::calculator
