#include "frame/program_end.h"

#include <atomic>
#include <mutex>
#include <vector>

#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/program.h"
#include "runtime/ui/scheduler.h"
#include "runtime/ui/window.h"

namespace {

std::atomic<int> exitCode{0};
std::atomic<bool> halted{false};
std::mutex haltMessageLock;
std::string haltMessage;

// Wakes the main thread's innermost window so that its loop sees the halt.
void wakeMainThread() {
    rt::Window* innermost = nullptr;
    {
        rt::Scheduler& s = rt::Scheduler::instance();
        std::lock_guard lock(s.mutex());
        if (auto* windows = s.windowsOfThread(1); windows && !windows->empty())
            innermost = windows->back();
    }
    // The main thread waits while this one runs, so its window cannot close meanwhile.
    if (innermost) innermost->post(EVENT::Timer);
}

}  // namespace

void Halt(std::string_view message, int code) {
    if (!halted.exchange(true)) {
        exitCode = code == 0 ? kHaltExitCode : code;
        std::lock_guard lock(haltMessageLock);
        haltMessage = message;
    }
    rt::message(message, "Halt", ICON::Hand, BUTTON::Ok);
    if (rt::threadNumber() > 1) wakeMainThread();
    throw ProgramHalt(std::string(message), exitCode);
}

int ProgramExitCode() {
    return exitCode;
}

void ResetProgramExitCode() {
    halted = false;
    exitCode = 0;
}

bool HaltPending() {
    return halted;
}

void RethrowPendingHalt() {
    if (!halted) return;
    std::string message;
    {
        std::lock_guard lock(haltMessageLock);
        message = haltMessage;
    }
    throw ProgramHalt(message, exitCode);
}
