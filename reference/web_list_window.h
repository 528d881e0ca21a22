#pragma once
// "Browse the Web File": the web bookmarks by category.

#include <array>

#include "runtime/ui/window_structure.h"

namespace windows::web_list {

namespace WebListControl {
inline constexpr int List = 1;
inline constexpr int Address = 2;
inline constexpr int Add = 3;
inline constexpr int Open = 4;
inline constexpr int GoToSite = 5;
inline constexpr int Delete = 6;
inline constexpr int SiteName = 8;
inline constexpr int Sheet = 9;
inline constexpr int FirstTab = 10;  // "All"; the categories' tabs follow, 11 to 25
inline constexpr int Close = 26;
}  // namespace WebListControl

// The fifteen categories, in the order of the form's type list and of the tabs after "All".
inline constexpr std::array<const char*, 15> kWebCategories = {
    "General", "Search", "News",    "Software", "Computers", "Home",     "Local", "Business",
    "Finance", "Sports", "Hobbies", "Shopping", "Travel",    "Politics", "Games"};

const rt::WindowStructure& webListWindow();

}  // namespace windows::web_list
