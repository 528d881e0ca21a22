#pragma once
// Typing into a form's account number entry: a number longer than the bank line holds is
// refused with a message and the entry shows the number from before; the longest the line
// holds is taken. On the window models or on the real widgets, the form stays open.

#include <string>

#include "drivers/scenario_driver.h"

namespace testsupport {

inline constexpr const char* kTooLongAccount = "1234567890123456789";
inline constexpr const char* kLongestAccount = "123456789012345678";

inline void expectTooLongAccountRefusedAndLongestTaken(rt::ScenarioDriver& driver,
                                                       const std::string& field,
                                                       const std::string& before) {
    const rt::ControlName account = rt::ControlName::parse(field);
    driver.type(account, kTooLongAccount);
    driver.expectMessage(
        "The account number is too long for the bank line: it holds at most 18 characters.");
    driver.answer("OK");
    driver.expectText(account, before);
    driver.type(account, kLongestAccount);
    driver.expectText(account, kLongestAccount);
}

}  // namespace testsupport
