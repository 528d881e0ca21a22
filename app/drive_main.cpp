// tovik-drive SCRIPT: runs the program headless in the current directory and follows the
// scenario file, one driver step a line. Exit code 0 when every step passed and the program
// ended normally; 2 when a step failed; the program's own exit code after a fatal error.
#include <fstream>
#include <iostream>

#include "app/register_procedures.h"
#include "frame/program_end.h"
#include "runtime/ui/driver.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tovik-drive SCRIPT\n";
        return 2;
    }
    std::ifstream script(argv[1]);
    if (!script) {
        std::cerr << "tovik-drive: cannot read " << argv[1] << "\n";
        return 2;
    }
    RegisterProgramProcedures();
    rt::ScenarioResult result = rt::runScenario(script, &ProgramMain, argv[1]);
    (result.passed ? std::cout : std::cerr) << result.report;
    if (!result.passed) return 2;
    return ProgramExitCode();
}
