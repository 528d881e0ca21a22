#pragma once
// The form of one product record.

#include "runtime/ui/window_structure.h"

namespace windows::product_form {

namespace ProductFormControl {
inline constexpr int Name = 4;
inline constexpr int WhatElse = 5;
inline constexpr int Save = 6;
inline constexpr int Cancel = 7;
}  // namespace ProductFormControl

const rt::WindowStructure& productFormWindow();

}  // namespace windows::product_form
