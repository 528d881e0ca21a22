#pragma once
// "Web Addresses": one web bookmark.

#include "runtime/ui/window_structure.h"

namespace windows::web_form {

namespace WebFormControl {
inline constexpr int Globe = 1;
inline constexpr int SiteName = 5;
inline constexpr int Category = 7;
inline constexpr int Url = 9;
inline constexpr int Ok = 10;
inline constexpr int Cancel = 11;
}  // namespace WebFormControl

const rt::WindowStructure& webFormWindow();

}  // namespace windows::web_form
