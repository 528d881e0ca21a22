#include "frame/start_program.h"

#include <string>

#include "runtime/system/desktop_programs.h"
#include "runtime/text/ascii_case.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"

namespace {

// What the user knows the program as.
std::string kindOf(std::string_view program) {
    const std::string name = rt::lowerAscii(program);
    if (name.rfind("calc.exe", 0) == 0) return "calculator";
    if (name.rfind("winfile.exe", 0) == 0) return "file manager";
    if (name.rfind("write.exe", 0) == 0) return "word processor";
    return "program";
}

}  // namespace

void StartDesktopProgram(std::string_view program) {
    if (desktop::RunExternal(program)) return;
    const std::string kind = kindOf(program);
    rt::message("No " + kind + " could be started: none is installed on this computer.",
                "Program Not Found", ICON::Exclamation);
}
