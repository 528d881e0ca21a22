// tovik-drive [--qt] [--pictures FOLDER] SCRIPT: runs the program in the current directory
// and follows the scenario file, one driver step a line. Headless by default; with --qt
// through the real widgets on the offscreen platform, with real mouse and key events, and
// with --pictures each window the script waits for is saved there as a PNG named by its
// title. Printing works as in the program: into a PDF file, or through the print service.
// Exit code 0 when every step passed and the program ended normally; 2 when a step failed;
// the program's own exit code after a fatal error.
#include <QApplication>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "app/register_procedures.h"
#include "drivers/driver.h"
#include "drivers/qt/qt_driver.h"
#include "frame/program_end.h"
#include "runtime/qt/print_backend.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
    bool qt = false;
    std::string pictures, scriptName;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--qt") {
            qt = true;
        } else if (arg == "--pictures" && i + 1 < argc) {
            pictures = argv[++i];
            qt = true;
        } else if (scriptName.empty() && arg.rfind("--", 0) != 0) {
            scriptName = arg;
        } else {
            scriptName.clear();
            break;
        }
    }
    if (scriptName.empty()) {
        std::cerr << "usage: tovik-drive [--qt] [--pictures FOLDER] SCRIPT\n";
        return 2;
    }
    std::ifstream script(scriptName);
    if (!script) {
        std::cerr << "tovik-drive: cannot read " << scriptName << "\n";
        return 2;
    }
    // No display is needed: the widgets (and the PDF writer's fonts) work offscreen unless
    // another platform is asked for.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    rt::qt::installPrintBackend();
    RegisterProgramProcedures();
    rt::qt::WindowPictures windowPictures(pictures);
    rt::ScenarioResult result =
        qt ? rt::qt::runQtScenario(script, &ProgramMain, scriptName,
                                   pictures.empty() ? nullptr : &windowPictures)
           : rt::runScenario(script, &ProgramMain, scriptName);
    (result.passed ? std::cout : std::cerr) << result.report;
    if (!result.passed) return 2;
    return ProgramExitCode();
}
