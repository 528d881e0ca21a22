#pragma once
// "Add New Contacts" and "Add New Appointment": every contact in three orders, to open the
// follow-up or appointment form on one.

#include "runtime/ui/window_structure.h"

namespace windows::add_contacts_list {

namespace AddListControl {
inline constexpr int Sheet = 1;
inline constexpr int FirstNameTab = 2;
inline constexpr int LastNameTab = 3;
inline constexpr int CompanyTab = 4;
inline constexpr int FirstName = 6;
inline constexpr int LastName = 8;
inline constexpr int CompanyName = 10;
inline constexpr int List = 11;
inline constexpr int Insert = 12;
inline constexpr int Open = 13;
inline constexpr int Delete = 14;
inline constexpr int Close = 15;
}  // namespace AddListControl

const rt::WindowStructure& addContactsWindow();
const rt::WindowStructure& addAppointmentsWindow();

}  // namespace windows::add_contacts_list
