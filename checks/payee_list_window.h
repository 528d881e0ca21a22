#pragma once
// "Select The Pay To": the payee list.

#include "runtime/ui/window_structure.h"

namespace windows::payee_list {

namespace PayeeListControl {
inline constexpr int List = 1;
inline constexpr int Add = 2;
inline constexpr int Open = 3;
inline constexpr int Delete = 4;
inline constexpr int Select = 5;
inline constexpr int Close = 6;
}  // namespace PayeeListControl

const rt::WindowStructure& payeeListWindow();

}  // namespace windows::payee_list
