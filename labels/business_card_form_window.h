#pragma once
// "Update File": one business card, its texts on a sheet and its picture beside them.

#include "runtime/ui/window_structure.h"

namespace windows::business_card_form {

namespace CardFormControl {
inline constexpr int Sheet = 1;
inline constexpr int Tab = 2;
inline constexpr int BusinessName = 4;
inline constexpr int Name = 6;
inline constexpr int Title = 7;
inline constexpr int Address = 10;
inline constexpr int CityStateZip = 12;
inline constexpr int Phone = 14;
inline constexpr int Fax = 16;
inline constexpr int Email = 18;
inline constexpr int WebSite = 20;
inline constexpr int ImageFileName = 22;
inline constexpr int Ok = 23;
inline constexpr int Cancel = 24;
inline constexpr int Help = 25;
inline constexpr int Picture = 26;
inline constexpr int ChooseFile = 27;
}  // namespace CardFormControl

const rt::WindowStructure& businessCardFormWindow();

}  // namespace windows::business_card_form
