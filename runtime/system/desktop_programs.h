#pragma once
// Programs and sounds of the desktop, started detached: the program never waits for them
// and goes on when one cannot be started. A tool that opens an address is waited for, a
// while, to learn whether anything took the address.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace desktop {

// What would be started: the program's own name for it ("calc.exe ", a sound file) and
// the command line chosen for this desktop (empty when nothing fits).
struct Launch {
    std::string request;
    std::vector<std::string> command;
    std::filesystem::path workingDirectory;
};

// Starts one of the external programs the application names: "calc.exe " (the desktop's
// calculator), "winfile.exe " (its file manager, on the working directory) and
// "write.exe " (its word processor). False when none is installed or it cannot start.
bool RunExternal(std::string_view program);

// Plays a sound file asynchronously with a command-line player when one is installed.
// `file` is looked up like the program's other resources. False when it cannot be played.
bool PlaySoundAsync(std::string_view file);

// Starts `command` (its first word looked up in PATH) in `workingDirectory`, detached from
// this process; false when it cannot be started.
bool StartDetached(const std::vector<std::string>& command,
                   const std::filesystem::path& workingDirectory);

// How a desktop tool that opens addresses answered.
struct ToolAnswer {
    enum class Kind {
        Ended,         // it ended, with exitCode (0: it opened what it was given)
        StillRunning,  // it still ran when the wait was over: it started a program and waits
        NotStarted,    // no such tool, or it could not be started
    };
    Kind kind = Kind::NotStarted;
    int exitCode = -1;
};

// The desktop's tool that opens `address` with the program the user chose for its kind,
// with the address as its last word; empty when none is installed.
std::vector<std::string> DesktopOpenCommand(const std::string& address);

// Starts `command` (its first word looked up in PATH), detached like StartDetached, and waits
// up to `wait` for it to end.
ToolAnswer RunDesktopTool(const std::vector<std::string>& command, std::chrono::milliseconds wait);

// In tests: every launch goes to `recorder` instead of starting anything (nullptr: start
// for real again).
void SetLaunchRecorder(std::function<void(const Launch&)> recorder);

}  // namespace desktop
