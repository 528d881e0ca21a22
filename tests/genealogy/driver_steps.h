#pragma once
// Driver steps the genealogy tests share: a control by number, the rows a list holds.

#include "drivers/driver.h"

namespace genealogytest {

inline rt::ControlName number(int control) {
    return rt::ControlName{rt::ControlName::By::Number, control, {}};
}

// The rows of list `list` in the active window (-1 when there is no such list).
inline int rowsOf(rt::Driver& driver, int list) {
    driver.settle();
    rt::Window* w = driver.active();
    return w && w->control(list) && w->control(list)->rows ? w->control(list)->rows->rowCount()
                                                           : -1;
}

}  // namespace genealogytest
