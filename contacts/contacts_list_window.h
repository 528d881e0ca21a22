#pragma once
// The main contacts list "Names And Information".

#include "runtime/ui/window_structure.h"

namespace windows::contacts_list {

namespace ContactsControl {
inline constexpr int List = 1;
inline constexpr int Sheet = 2;
inline constexpr int FirstTab = 3;             // tabs 3 .. 8, one per order
inline constexpr int FirstLocator = 9;         // locator entries 9 .. 14
inline constexpr int FirstLocatorPrompt = 15;  // 15 .. 20
inline constexpr int FirstTabHint = 21;        // "Enter Selection ..." 21 .. 26 (none on tab 3)
inline constexpr int PostNewDistributor = 27;
inline constexpr int Copy = 28;
inline constexpr int SideGroup = 29;
inline constexpr int MlmPanel = 30;
inline constexpr int PrintTaggedLabels = 31;
inline constexpr int PrintTaggedReport = 32;
inline constexpr int PhoneNumbers = 33;
inline constexpr int EMail = 34;
inline constexpr int Web = 35;
inline constexpr int Add = 36;
inline constexpr int Open = 37;
inline constexpr int Delete = 38;
inline constexpr int Close = 39;
inline constexpr int Tag = 40;
inline constexpr int Untag = 41;
inline constexpr int TagAll = 42;
inline constexpr int UntagAll = 43;
inline constexpr int NextTag = 44;
inline constexpr int PrevTag = 45;
inline constexpr int ShowTagged = 46;
inline constexpr int Search = 47;
// Tool bar.
inline constexpr int ToolChecksToPrint = 50;
inline constexpr int ToolCheckRegister = 51;
inline constexpr int ToolMonthlyDrafts = 52;
inline constexpr int ToolInvoice = 53;
inline constexpr int ToolFileManager = 54;
inline constexpr int ToolWordProcessor = 55;
inline constexpr int ToolHelp = 56;
inline constexpr int ToolMlmPanel = 57;
inline constexpr int ToolEnvelope = 58;
inline constexpr int ToolContacts = 59;
inline constexpr int ToolAppointments = 60;
inline constexpr int ToolZipCodes = 61;
inline constexpr int ToolAreaCodes = 62;
inline constexpr int ToolBusinessCards = 63;
}  // namespace ContactsControl

// "Names And Information": the contacts in six orders, with tags and status icons.
const rt::WindowStructure& contactsWindow();

}  // namespace windows::contacts_list
