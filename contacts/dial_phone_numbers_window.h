#pragma once
// "Dial Phone Numbers".

#include "runtime/ui/window_structure.h"

namespace windows::dial_phone_numbers {

namespace DialControl {
// Row r (0..4): dial button, kind, number.
inline constexpr int dialButton(int row) {
    return 1 + row * 3;
}
inline constexpr int kind(int row) {
    return 2 + row * 3;
}
inline constexpr int number(int row) {
    return 3 + row * 3;
}
inline constexpr int Close = 16;
}  // namespace DialControl

const rt::WindowStructure& dialWindow();

}  // namespace windows::dial_phone_numbers
