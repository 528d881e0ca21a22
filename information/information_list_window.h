#pragma once
// "Browse the Information File": the titles of the information texts.

#include "runtime/ui/window_structure.h"

namespace windows::information_list {

namespace InformationListControl {
inline constexpr int Insert = 1;
inline constexpr int View = 2;
inline constexpr int Delete = 3;
inline constexpr int WhatElse = 4;
inline constexpr int Sheet = 6;
inline constexpr int Tab = 7;
inline constexpr int List = 8;
inline constexpr int Panel = 9;
inline constexpr int Close = 11;
inline constexpr int PrintManual = 12;
}  // namespace InformationListControl

const rt::WindowStructure& informationListWindow();

}  // namespace windows::information_list
