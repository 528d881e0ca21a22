#pragma once
// The windows of the product record: the private-label menu, the list and form of the product
// records, and the two windows of the "What Else Do I Need?" text.

#include "runtime/ui/window_structure.h"

namespace windows::product {

namespace PrivateLabelControl {
inline constexpr int Heading = 2;
inline constexpr int Explanation = 4;
inline constexpr int MakeFile = 6;
inline constexpr int Close = 7;
}  // namespace PrivateLabelControl

namespace ProductListControl {
inline constexpr int List = 1;
inline constexpr int Change = 2;
inline constexpr int Sheet = 3;
inline constexpr int Tab = 4;
inline constexpr int Insert = 5;
inline constexpr int Close = 6;
inline constexpr int Delete = 7;
}  // namespace ProductListControl

namespace ProductFormControl {
inline constexpr int Name = 4;
inline constexpr int WhatElse = 5;
inline constexpr int Save = 6;
inline constexpr int Cancel = 7;
}  // namespace ProductFormControl

namespace WhatElseControl {
inline constexpr int Text = 1;  // the text box of both windows
inline constexpr int HiddenOk = 2;
inline constexpr int AddInformation = 3;
inline constexpr int ShowText = 3;
inline constexpr int ShowClose = 4;
}  // namespace WhatElseControl

const rt::WindowStructure& privateLabelWindow();
const rt::WindowStructure& productListWindow();
const rt::WindowStructure& productFormWindow();
const rt::WindowStructure& editWhatElseWindow();
const rt::WindowStructure& showWhatElseWindow();

}  // namespace windows::product
