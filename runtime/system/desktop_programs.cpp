#include "runtime/system/desktop_programs.h"
#include "runtime/system/resource_lookup.h"
#include "runtime/text/ascii_case.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>
#include <optional>

namespace desktop {

namespace {

std::mutex recorderLock;
std::function<void(const Launch&)> recorder;

std::string trimmed(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

// The full path of an executable found in PATH; empty when there is none.
std::string inPath(const std::string& program) {
    if (program.find('/') != std::string::npos)
        return access(program.c_str(), X_OK) == 0 ? program : std::string();
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

// The first command of the list whose program is installed.
std::vector<std::string> firstInstalled(std::initializer_list<std::vector<std::string>> choices) {
    for (const auto& command : choices)
        if (!inPath(command.front()).empty()) return command;
    return {};
}

std::vector<std::string> commandFor(const std::string& program, const std::string& directory) {
    if (program == "calc.exe")
        return firstInstalled({{"gnome-calculator"},
                               {"kcalc"},
                               {"mate-calc"},
                               {"galculator"},
                               {"qalculate-gtk"},
                               {"xcalc"}});
    if (program == "winfile.exe")
        return firstInstalled({{"xdg-open", directory},
                               {"nautilus", directory},
                               {"dolphin", directory},
                               {"thunar", directory},
                               {"pcmanfm", directory},
                               {"caja", directory}});
    if (program == "write.exe")
        return firstInstalled({{"libreoffice", "--writer"},
                               {"abiword"},
                               {"calligrawords"},
                               {"gedit"},
                               {"kwrite"},
                               {"mousepad"}});
    return {};
}

// A command ready to start: everything the child needs is prepared before fork, so that
// after it only exec and _exit run. The words point into the command, which outlives it.
struct ReadyCommand {
    std::string program;  // found in PATH
    std::vector<char*> argv;
};

std::optional<ReadyCommand> readyToStart(const std::vector<std::string>& command) {
    if (command.empty()) return std::nullopt;
    ReadyCommand ready{inPath(command.front()), {}};
    if (ready.program.empty()) return std::nullopt;
    for (const std::string& word : command)
        ready.argv.push_back(const_cast<char*>(word.c_str()));
    ready.argv.push_back(nullptr);
    return ready;
}

// Forks with a pipe for the child's word on how the start went; -1 when either fails.
pid_t forkWithStatusPipe(int status[2]) {
    // Close-on-exec from the start: a program another thread starts meanwhile never holds it.
    if (pipe2(status, O_CLOEXEC) != 0) return -1;
    const pid_t child = fork();
    if (child < 0) {
        close(status[0]);
        close(status[1]);
    }
    return child;
}

bool launch(Launch request) {
    {
        std::lock_guard lock(recorderLock);
        if (recorder) {
            recorder(request);
            return !request.command.empty();
        }
    }
    if (request.command.empty()) return false;
    return StartDetached(request.command, request.workingDirectory);
}

}  // namespace

bool StartDetached(const std::vector<std::string>& command,
                   const std::filesystem::path& workingDirectory) {
    std::optional<ReadyCommand> ready = readyToStart(command);
    if (!ready) return false;
    const std::string directory = workingDirectory.string();
    int status[2];
    const pid_t child = forkWithStatusPipe(status);
    if (child < 0) return false;
    if (child == 0) {
        // The middle process starts the program in a session of its own and leaves at
        // once, so the program is nobody's child here and is never waited for.
        close(status[0]);
        setsid();
        pid_t grandchild = fork();
        if (grandchild == 0) {
            if (!directory.empty() && chdir(directory.c_str()) != 0) _exit(127);
            execv(ready->program.c_str(), ready->argv.data());
            char failed = 1;
            (void)!write(status[1], &failed, 1);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(status[1]);
    int middle = 0;
    waitpid(child, &middle, 0);
    // The pipe closes on a successful exec; a byte in it means the exec failed.
    char failed = 0;
    ssize_t got = read(status[0], &failed, 1);
    close(status[0]);
    return WIFEXITED(middle) && WEXITSTATUS(middle) == 0 && got == 0;
}

std::vector<std::string> DesktopOpenCommand(const std::string& address) {
    return firstInstalled({{"xdg-open", address}, {"gio", "open", address}, {"kde-open", address}});
}

ToolAnswer RunDesktopTool(const std::vector<std::string>& command, std::chrono::milliseconds wait) {
    ToolAnswer answer;
    std::optional<ReadyCommand> ready = readyToStart(command);
    if (!ready) return answer;
    int status[2];
    const pid_t child = forkWithStatusPipe(status);
    if (child < 0) return answer;
    if (child == 0) {
        // The middle process leaves at once; the watcher it leaves behind, nobody's child
        // here, waits for the tool and writes its exit status into the pipe.
        close(status[0]);
        setsid();
        const pid_t watcher = fork();
        if (watcher != 0) _exit(watcher < 0 ? 1 : 0);
        const pid_t tool = fork();
        if (tool == 0) {
            execv(ready->program.c_str(), ready->argv.data());
            _exit(127);
        }
        int ended = 0;
        int code = tool < 0 || waitpid(tool, &ended, 0) != tool ? 127
                   : WIFEXITED(ended)                           ? WEXITSTATUS(ended)
                                                                : 128;
        (void)!write(status[1], &code, sizeof code);
        _exit(0);
    }
    close(status[1]);
    int middle = 0;
    waitpid(child, &middle, 0);
    struct pollfd answerReady {
        status[0], POLLIN, 0
    };
    const int answered = poll(&answerReady, 1, static_cast<int>(wait.count()));
    if (answered == 0) {
        answer.kind = ToolAnswer::Kind::StillRunning;
    } else if (answered > 0) {
        int code = -1;
        if (read(status[0], &code, sizeof code) == static_cast<ssize_t>(sizeof code)) {
            answer.kind = ToolAnswer::Kind::Ended;
            answer.exitCode = code;
        }
    }
    close(status[0]);
    return answer;
}

bool RunExternal(std::string_view program) {
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec);
    Launch request;
    request.request = std::string(program);
    request.workingDirectory = here;
    request.command = commandFor(rt::lowerAscii(trimmed(program)), here.string());
    return launch(std::move(request));
}

bool PlaySoundAsync(std::string_view file) {
    Launch request;
    request.request = std::string(file);
    std::filesystem::path sound = rt::findResource(file).value_or(std::filesystem::path());
    if (!sound.empty()) {
        request.command = firstInstalled({{"paplay", sound.string()},
                                          {"aplay", "-q", sound.string()},
                                          {"pw-play", sound.string()}});
    }
    return launch(std::move(request));
}

void SetLaunchRecorder(std::function<void(const Launch&)> replacement) {
    std::lock_guard lock(recorderLock);
    recorder = std::move(replacement);
}

}  // namespace desktop
