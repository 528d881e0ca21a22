#pragma once
// "Contacts": the follow-ups list. The appointments list has the same controls.

#include "runtime/ui/window_structure.h"

namespace windows::follow_ups_list {

namespace DatedListControl {
inline constexpr int Sheet = 1;
inline constexpr int Tab = 2;
inline constexpr int List = 3;
inline constexpr int FirstName = 4;
inline constexpr int LastName = 5;
inline constexpr int CompanyName = 6;
inline constexpr int Address = 7;
inline constexpr int City = 8;
inline constexpr int State = 9;
inline constexpr int Zip = 10;
inline constexpr int DialPhone = 11;
inline constexpr int Clear = 12;
inline constexpr int EMail = 13;
inline constexpr int Web = 14;
inline constexpr int PrintReport = 15;
inline constexpr int Add = 16;
inline constexpr int Change = 17;
inline constexpr int Insert = 18;
inline constexpr int Delete = 19;
inline constexpr int Close = 20;
// The legend and the side panel's captions and own fields follow from 21.
}  // namespace DatedListControl

// The frame both lists share: title, tab text, clearing and adding button texts, the list's
// format and width; the side panel's own fields come after.
rt::WindowStructure datedListFrame(const char* module, const char* title, const char* tabText,
                                   const char* clearText, const char* addText,
                                   const char* listFormat, int listWidth);

const rt::WindowStructure& followUpsListWindow();

}  // namespace windows::follow_ups_list
