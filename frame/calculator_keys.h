#pragma once
// The pocket calculator's keys and what they do to its display, without a window: the
// display is text, and every operation reads its operand back from that text.

#include <optional>
#include <string>

#include "runtime/text/decimal.h"

enum class CalculatorKey {
    Digit,  // with its digit
    Point,
    Clear,  // "CE"
    Pi,
    ChangeSign,
    Square,
    SquareRoot,
    Reciprocal,
    TimesTen,
    Percent,
    Log10,
    NaturalLog,
    MemoryRecall,
    MemoryStore,
    MemoryAdd,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Equals,
    Copy,
};

class CalculatorState {
  public:
    static constexpr std::size_t kDisplayLength = 16;

    // Opens with `start` shown (and digits appended to it) unless `blank` is set or the
    // start value is 0; then the display is blank and the next digit starts a new number.
    CalculatorState(double start = 0, bool blank = true);

    // Presses a key; `digit` is the digit of CalculatorKey::Digit. Copy answers the text to
    // put on the clipboard in `copied`.
    void press(CalculatorKey key, int digit = 0, std::string* copied = nullptr);
    // Presses the keys of a short text: digits, ".", "+", "-", "*" or "x", "/", "=", "%",
    // "^" (power), "r" (square root), "i" (1/x), "c" (CE), "n" (+/-), "s" (squared),
    // "t" (x10), "p" (pi), "m" (M), "a" (M+), "R" (MR), "l" (lg), "e" (ln); blanks are
    // passed over. For tests and the keyboard.
    void pressKeys(const std::string& keys);

    const std::string& display() const { return display_; }
    // Text typed straight into the display (cut to its 16 characters).
    void setDisplay(const std::string& text) {
        show(std::string(text.substr(0, text.find_last_not_of(' ') + 1)));
    }
    // What the display holds as a number; 0 when it is blank.
    double value() const;
    double memory() const { return memory_; }

  private:
    enum class Pending { None, Add, Subtract, Multiply, Divide, Power };

    void digit(int d);
    void completePending(bool percent);
    void ownAction(CalculatorKey key);
    // What +/-, squared, x10 and 1/x make of the display.
    std::string oneOperandResult(CalculatorKey key) const;
    void show(std::string text);

    std::string display_;
    double accumulator_ = 0;
    double memory_ = 0;
    Pending pending_ = Pending::None;
    bool newEntry_ = true;
    bool point_ = false;
    bool pointPending_ = true;
};

// The display's text as an exact decimal (an exponent form with its point moved); 0 for
// blank and for a number too small to have any of a decimal's places; nullopt for a display
// that holds no number a decimal can hold ("Overflow", "1E+40").
std::optional<rt::Decimal> CalculatorDecimal(const std::string& display);
// Whether the display shows a number and nothing else (blank, and "Overflow", count as
// numbers): text typed into it ("12,50", "abc") does not.
bool CalculatorShowsNumber(const std::string& display);

// A REAL result as the display shows it: at most 14 significant digits, no trailing
// decimal point; the exponent form when it is too long; "Overflow" beyond the largest REAL
// and "Error" for no number.
std::string CalculatorRealText(double value);
