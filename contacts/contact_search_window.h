#pragma once
// The contact search form (its progress window is windows::progressWindow).

#include "runtime/ui/window_structure.h"

namespace windows::contact_search {

namespace SearchControl {
inline constexpr int FirstName = 2;
inline constexpr int LastName = 3;
inline constexpr int CompanyName = 5;
inline constexpr int Address = 7;
inline constexpr int Tag3 = 9;
inline constexpr int Date = 11;
inline constexpr int City = 13;
inline constexpr int State = 14;
inline constexpr int Zip = 15;
inline constexpr int CompanyId = 17;
inline constexpr int Tag1 = 19;
inline constexpr int Tag2 = 21;
inline constexpr int PhoneGroup = 22;
inline constexpr int PhoneKind1 = 23;
inline constexpr int HomePhone = 24;
inline constexpr int PhoneKind2 = 25;
inline constexpr int WorkPhone = 26;
inline constexpr int PhoneKind3 = 27;
inline constexpr int Fax = 28;
inline constexpr int PhoneKind4 = 29;
inline constexpr int CellPhone = 30;
inline constexpr int Note1 = 32;
inline constexpr int EMail = 34;
inline constexpr int Notes = 36;
inline constexpr int SearchType = 40;
inline constexpr int BeginSearch = 41;
inline constexpr int Ok = 42;
inline constexpr int Cancel = 43;
}  // namespace SearchControl

// "P1$FORMWINDOW": "Update Records...".
const rt::WindowStructure& searchWindow();

}  // namespace windows::contact_search
