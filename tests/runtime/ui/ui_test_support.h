#pragma once
// Small helpers for building window structures in tests.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/ui/window_spec.h"

namespace uitest {

inline rt::ControlSpec control(int number, rt::ControlKind kind, std::string text = {},
                               const std::function<void(rt::ControlSpec&)>& more = {}) {
    rt::ControlSpec c;
    c.number = number;
    c.kind = kind;
    c.text = std::move(text);
    c.at = {10, 10 * number, 60, 12};
    if (more) more(c);
    return c;
}

inline rt::WindowSpec window(std::string title, std::vector<rt::ControlSpec> controls) {
    rt::WindowSpec w;
    w.title = std::move(title);
    w.at = {0, 0, 300, 200};
    w.controls = std::move(controls);
    return w;
}

// An event as a test records it: (event, control).
using Seen = std::pair<int, int>;

}  // namespace uitest
