#pragma once
// The program from its start to its end: the global-data initialiser, ProgramMain, the
// intro window and the main menu.

// Gives the shared data its first values: every record buffer of this thread cleared, the
// protocol globals 0, the global texts blank. Opens no record file.
void InitGlobalData();

// Runs the program: the global data initialised, the intro window (which runs the main
// menu); returns when the user has left the main menu, or after a fatal error (see
// ProgramExitCode()).
void ProgramMain();

// The intro window: the chime, the product name, closed by its first timer event (3
// seconds) or a click; its return routine runs the main menu.
void IntroWindow();

// The main menu, from which every subsystem is reached.
void MainMenu();
