#pragma once

// Registers every procedure of the program by name, so that the main menu can call it.
void RegisterProgramProcedures();
