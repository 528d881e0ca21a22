#pragma once
// Ending the program. A normal end (the main procedure returns) exits with 0; a fatal
// error shows its message in a box titled "Halt" and ends the program with a non-zero
// exit code, so that a failure is never reported as success.

#include <stdexcept>
#include <string>
#include <string_view>

// Thrown by Halt to unwind every running procedure; ProgramMain catches it.
class ProgramHalt : public std::runtime_error {
  public:
    ProgramHalt(std::string message, int exitCode)
        : std::runtime_error(std::move(message)), exitCode_(exitCode) {}
    int exitCode() const { return exitCode_; }

  private:
    int exitCode_;
};

// The exit code of fatal stops.
inline constexpr int kHaltExitCode = 1;

// Shows `message` in a box titled "Halt" and ends the program with `exitCode`.
[[noreturn]] void Halt(std::string_view message, int exitCode = kHaltExitCode);

// The exit code the program ends with: 0 until a halt.
int ProgramExitCode();
// Forgets an earlier halt (the start of a new program run, in tests).
void ResetProgramExitCode();
// True once any thread has halted: every procedure's event loop then unwinds too.
bool HaltPending();
// Throws ProgramHalt again on this thread when another thread has halted.
void RethrowPendingHalt();
