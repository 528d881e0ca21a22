// The pocket calculator: key sequences and what the display shows, and the window driven as a
// user does (buttons, keypad keys, the clipboard, the value answered on closing).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "drivers/driver.h"
#include "frame/calculator.h"
#include "frame/calculator_keys.h"
#include "frame/calculator_window.h"

namespace {

struct KeyCase {
    const char* keys;  // see CalculatorState::pressKeys
    const char* shown;
};

// Operators complete the operation pending before them; "%" takes a percentage of the
// accumulator; a division by zero is dropped; CE right after an operator cancels it, while
// typing the second operand it completes the operation with 0.
const KeyCase kCases[] = {
    {"2+3=", "5"},
    {"2+3+", "5"},
    {"2+3+4=", "9"},
    {"200+10%", "220"},
    {"200-10%", "180"},
    {"50x10%", "250"},
    {"2^10=", "1024"},
    {"2^10%", "0.2"},  // a pending power is dropped by %: the percentage alone is shown
    {"9r", "3"},
    {"2+9r", "3.3166247903554"},
    {"7/0=", "0"},
    {"7/0=5", "5"},
    {"25%", "25"},
    {"25%3", "3"},
    {"0i", "0"},
    {"4i", "0.25"},
    {"3i", "0.33333333333333"},
    {".5", "0.5"},
    {"1.25+.5=", "1.75"},
    {"5+3c", "5"},
    {"5+c", "0"},
    {"5+c3=", "3"},
    {"12n", "-12"},
    {"1.5s", "2.25"},
    {"1.5t", "15"},
    {"p", "3.141592654"},
    {"p2", "2"},
    {"100l", "2"},
    {"0l", "0"},
    {"4nr", "0"},
    {"1e", "0"},
    {"5m2Rx3=", "15"},
    {"4m1a2+R=", "7"},
    {"12R", "0"},    // MR in the middle of a number shows the memory (0) ...
    {"12R3", "03"},  // ... and the digits typed after it are appended to it
    {"99999999x99999999=", "9999999800000000"},
    {"2^60=", "1.1529215046E+18"},  // too long to show whole: exponent form, not cut
    {"12345678901234567890", "1234567890123456"},
    // The one-operand keys show a long result in exponent form as the operators do.
    {"123456789s", "1.524157875E+16"},
    {"1234567890123456t", "1.2345678901E+16"},
    {"1234567890123456n", "-1.23456789E+15"},
    {"1234567890123s", "1.5241578753E+24"},
    {"0.0000000000003i", "3333333333333.3"},
    {"12345678s", "152415765279684"},  // fits: shown whole
};

// The display taken as a number is the exact decimal it shows, so a caller rounds it half
// away from zero to its places as everywhere else.
TEST(CalculatorKeysTest, TheDisplayIsTakenAsTheDecimalItShows) {
    const struct {
        const char* display;
        const char* cents;  // nullptr: no amount
    } cases[] = {
        {"0.125", "0.13"},
        {"2.675", "2.68"},
        {"1.005", "1.01"},
        {"-1.005", "-1.01"},
        {"", "0.00"},
        {"7.5", "7.50"},
        {"1.5E+2", "150.00"},
        {"1.005E+0", "1.01"},
        {"1.2345678901E+24", "1234567890100000000000000.00"},  // the exponent form exactly
        {"-9.87E+29", "-987000000000000000000000000000.00"},
        {"5E-3", "0.01"},
        {"-4.9E-3", "0.00"},
        {"1E-40", "0.00"},
        {"1E+40", nullptr},  // more digits than a decimal holds
        {"Overflow", nullptr},
        {"Error", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<rt::Decimal> taken = CalculatorDecimal(c.display);
        ASSERT_EQ(taken.has_value(), c.cents != nullptr) << c.display;
        if (taken) {
            EXPECT_EQ(taken->rounded(2).toString(), c.cents) << c.display;
        }
    }
}

// Past the old limits of 1E+24 (and 2E+15 for 1/x) the one-operand keys keep the size of
// their result in exponent form as the operators do; beyond the largest REAL the display
// says so. Only a root of a negative and a logarithm of 0 or less give 0. Each expected
// display is the exact result written as the display writes it.
TEST(CalculatorKeysTest, ResultsAtTheEdgesOfTheRangeKeepTheirSize) {
    const struct {
        const char* display;  // typed into the display first ("" for none)
        const char* keys;
        const char* shown;
    } cases[] = {
        {"", "1000000000000s", "1E+24"},
        {"", "1000000000000ss", "1E+48"},
        {"", "9999999999999s", "1E+26"},  // 99999999999980000000000001 in 16 characters
        {"1E+300", "n", "-1E+300"},
        {"-2.5E+100", "n", "2.5E+100"},
        {"1E+300", "t", "1E+301"},
        {"1E+154", "s", "1E+308"},
        {"1.3E+154", "s", "1.69E+308"},
        {"1.5E+154", "s", "Overflow"},
        {"1.7E+308", "t", "Overflow"},
        {"4E-16", "i", "2500000000000000"},
        {"2E-17", "i", "5E+16"},
        {"-8E-300", "i", "-1.25E+299"},
        {"5E+299", "i", "2E-300"},
        {"1E+154", "x=", "1E+308"},  // x then = multiplies the display by itself
        {"1E+200", "x=", "Overflow"},
        {"", "10^400=", "Overflow"},
        {"", "2n^.5=", "Error"},
        {"", "4nr", "0"},
        {"", "0l", "0"},
        {"", "5nl", "0"},
        {"", "0e", "0"},
        {"1E-300", "l", "-300"},
    };
    for (const auto& c : cases) {
        CalculatorState calc;
        if (*c.display) calc.setDisplay(c.display);
        calc.pressKeys(c.keys);
        EXPECT_EQ(calc.display(), c.shown) << c.display << " then " << c.keys;
    }
}

TEST(CalculatorKeysTest, KeySequencesShowTheExpectedDisplay) {
    for (const KeyCase& c : kCases) {
        CalculatorState calc;
        calc.pressKeys(c.keys);
        EXPECT_EQ(calc.display(), c.shown) << "keys " << c.keys;
        EXPECT_LE(calc.display().size(), CalculatorState::kDisplayLength) << "keys " << c.keys;
    }
}

TEST(CalculatorKeysTest, OpensOnTheStartValueUnlessBlankOrZero) {
    CalculatorState shown(12.5, false);
    EXPECT_EQ(shown.display(), "12.5");
    shown.pressKeys("3");  // digits go on from the value shown
    EXPECT_EQ(shown.display(), "12.53");

    CalculatorState blank(12.5, true);
    EXPECT_EQ(blank.display(), "");
    EXPECT_EQ(blank.value(), 0);

    CalculatorState zero(0, false);
    EXPECT_EQ(zero.display(), "");
    zero.pressKeys("7");
    EXPECT_EQ(zero.display(), "7");
}

TEST(CalculatorKeysTest, CopyHandsOverTheDisplayAndCompletesThePendingOperation) {
    CalculatorState calc;
    calc.pressKeys("6x7");
    std::string copied;
    calc.press(CalculatorKey::Copy, 0, &copied);
    EXPECT_EQ(copied, "7");
    EXPECT_EQ(calc.display(), "42");
    calc.pressKeys("1");
    EXPECT_EQ(calc.display(), "1");
}

class CalculatorWindowTest : public ::testing::Test {
  protected:
    void TearDown() override { driver.finish(); }

    // Runs the calculator on the program's thread; its answer lands in `result`.
    void open(const char* caption, int keepTitle, double start, int blank) {
        driver.start([=, this] { result = ShowCalculator(caption, keepTitle, start, blank); });
    }

    rt::Driver driver;
    double result = -1;
};

TEST_F(CalculatorWindowTest, ButtonsAndKeypadKeysComputeAndClosingAnswersTheDisplay) {
    open("Shipping Calculator", 0, 0, 1);
    driver.waitWindow("Shipping Calculator");
    driver.press("&1");
    driver.press("&2");
    driver.key("PadAdd");
    driver.key("Pad3");
    driver.key("Enter");
    driver.expectText(rt::ControlName::parse("LOC:Display"), "15");
    driver.press(" M+");
    driver.expectText(rt::ControlName::parse("LOC:Memory"), "15");
    driver.press("Copy");
    EXPECT_EQ(driver.backend().clipboardText(), "15");
    driver.close();
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(result, 15);
}

TEST_F(CalculatorWindowTest, KeepsItsTitleAndShowsTheStartValue) {
    open("Shipping Calculator", 1, 7.25, 0);
    driver.waitWindow("Calculator");
    driver.expectText(rt::ControlName::parse("LOC:Display"), "7.25");
    driver.press(windows::calculator::CalculatorControl::Exit);
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(result, 7.25);
}

TEST_F(CalculatorWindowTest, ABlankDisplayAnswersZero) {
    open("", 0, 3, 1);
    driver.waitWindow("Calculator");
    driver.close();
    ASSERT_TRUE(driver.finish());
    EXPECT_EQ(result, 0);
}

}  // namespace
