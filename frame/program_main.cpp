#include "frame/program_main.h"

#include "frame/program_end.h"
#include "runtime/data/record_file.h"
#include "runtime/ui/scheduler.h"

void ProgramMain() {
    // An open read of a record file would hold up other stations' writes while this
    // station waits for the user: every wait finishes the reads first.
    rt::Scheduler::instance().setBeforeWait(rt::suspendRecordScans);
    InitGlobalData();
    try {
        IntroWindow();
    } catch (const ProgramHalt&) {
        // The halt has shown its message and set the exit code; the program ends here.
    }
}
