#pragma once
// Small helpers for building window structures in tests.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/ui/window_structure.h"

namespace uitest {

inline rt::ControlStructure control(int number, rt::ControlKind kind, std::string text = {},
                                    const std::function<void(rt::ControlStructure&)>& more = {}) {
    rt::ControlStructure c;
    c.number = number;
    c.kind = kind;
    c.text = std::move(text);
    c.at = {10, 10 * number, 60, 12};
    if (more) more(c);
    return c;
}

inline rt::WindowStructure window(std::string title, std::vector<rt::ControlStructure> controls) {
    rt::WindowStructure w;
    w.title = std::move(title);
    w.at = {0, 0, 300, 200};
    w.controls = std::move(controls);
    return w;
}

// An event as a test records it: (event, control).
using Seen = std::pair<int, int>;

}  // namespace uitest
