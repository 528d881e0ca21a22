#pragma once
// Starts one of the desktop programs the windows offer ("calc.exe ", "winfile.exe ",
// "write.exe ") and tells the user when none is installed or it cannot start.

#include <string_view>

void StartDesktopProgram(std::string_view program);
