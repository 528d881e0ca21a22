// tovik: the program under Qt, working on the record files of the current directory.
#include "app/register_procedures.h"
#include "frame/program_end.h"
#include "runtime/qt/qt_backend.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
    RegisterProgramProcedures();
    int runtimeCode = rt::qt::runQtProgram(argc, argv, &ProgramMain);
    if (runtimeCode != 0) return runtimeCode;
    return ProgramExitCode();
}
