// tovik-drive SCRIPT: runs the program headless in the current directory and follows the
// scenario file, one driver step a line. Exit code 0 when every step passed and the program
// ended normally; 2 when a step failed; the program's own exit code after a fatal error.
// Printed reports go through Qt's printing (a PDF file when printing to a file).
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "app/register_procedures.h"
#include "frame/program_end.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/print_backend.h"
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
    // Reports print as they do in the program: into PDF when printing to a file. Qt draws
    // the pages without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    rt::qt::ensureApplication();
    rt::qt::installPrintBackend();
    rt::ScenarioResult result = rt::runScenario(script, &ProgramMain, argv[1]);
    (result.passed ? std::cout : std::cerr) << result.report;
    if (!result.passed) return 2;
    return ProgramExitCode();
}
