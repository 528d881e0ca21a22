#pragma once
// Threads of the program: START, the thread number, letting other work through.

#include <cstddef>
#include <functional>
#include <string_view>

namespace rt {

// START: runs `procedure` on a new application thread (with a stack of at least
// `stackSize` bytes); answers its thread number. The caller goes on at once; the new
// thread runs when the caller next waits.
int start(std::function<void()> procedure, std::size_t stackSize = 0);

// The running application thread's number (1 for the main procedure's), 0 elsewhere.
int threadNumber();

// Lets other threads and pending events through in a long loop inside an event handler:
// the caller gives the baton away once and goes on when it comes back.
void yieldEvents();

// Sets the program's icon (a resource name; a missing one leaves the default).
void setProgramIcon(std::string_view name);

}  // namespace rt
