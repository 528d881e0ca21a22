#include "shell/program_main.h"

#include "frame/program_end.h"

void ProgramMain() {
    InitGlobalData();
    try {
        IntroWindow();
    } catch (const ProgramHalt&) {
        // The halt has shown its message and set the exit code; the program ends here.
    }
}
