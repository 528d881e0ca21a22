#pragma once
// The names of the program's procedures. Registering or looking up any other name is a
// programming error (a misspelt name), reported at once instead of leaving a button
// silently disabled.

#include <string_view>

bool IsKnownProcedure(std::string_view name);
