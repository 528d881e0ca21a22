#pragma once
// Procedures by name, for the callers that are built before their callees: the main menu
// calls the entry procedures of the subsystems through it, and a button whose procedure is
// not registered stays in its window, disabled. The program registers its procedures
// before it starts (app/).

#include <functional>
#include <string_view>

using ProcedureEntry = std::function<void()>;

// Both throw std::logic_error for a name that is no procedure of the program (a misspelling).
void RegisterProcedure(std::string_view name, ProcedureEntry procedure);
// The procedure registered under `name`; empty when it is not built yet.
ProcedureEntry FindProcedure(std::string_view name);
