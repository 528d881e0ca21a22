#pragma once
// Application threads and the baton: exactly one application thread runs at a time, and it
// gives way only while it waits (for its next event, for a dialog's answer, or in
// yieldEvents). The outside world (the GUI thread, the test driver) hands input to windows
// under the same lock and may take the baton while every application thread waits.

#include <pthread.h>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace rt {

class Backend;
class Window;

class Scheduler {
  public:
    static Scheduler& instance();

    // The one lock over threads, window queues and the baton.
    std::mutex& mutex() { return mutex_; }
    // Called under the lock after anything that may make a waiting thread ready.
    void wake();

    // --- application-thread side (the caller holds the baton) ---
    // Gives the baton away until `ready` (evaluated under the lock) holds and the baton
    // comes back. `lock` must hold mutex().
    void waitUntil(std::unique_lock<std::mutex>& lock, std::function<bool()> ready);
    // Lets every other ready thread run once, then goes on.
    void yieldBaton();
    // Work an application thread does each time before it gives the baton away, such as
    // finishing reads that would otherwise hold up other programs sharing a file.
    void setBeforeWait(std::function<void()> hook) { beforeWait_ = std::move(hook); }
    // Starts `procedure` on a new application thread (stack at least `stackSize` bytes);
    // answers its thread number.
    int start(std::function<void()> procedure, std::size_t stackSize);
    // 0 on a thread that is not an application thread.
    int currentThread() const;
    // The windows open on the calling thread, innermost last (under the lock).
    std::vector<Window*>& threadWindows();
    std::vector<Window*>* windowsOfThread(int thread);

    // --- program ---
    // Runs `programMain` on application thread 1 with `backend`; returns at once.
    void startProgram(Backend& backend, std::function<void()> programMain);
    bool programEnded();
    bool programEnding();  // the main procedure returned: windows are being closed
    Backend& backend();

    // --- outside side (driver, GUI thread) ---
    // Waits until no application thread runs or can run, or the program has ended.
    // Answers false when `timeoutMs` passed first.
    bool waitIdle(int timeoutMs = 10000);
    // Takes the baton while every application thread waits (after waitIdle); release()
    // hands it back and lets ready threads run.
    void acquire();
    void release();
    // Waits until the program has ended (true) or the timeout passed (false).
    bool waitEnded(int timeoutMs);

    // Open windows of every thread in the order they became active (active last).
    std::vector<Window*>& zOrder() { return zOrder_; }

    struct AppThread;

  private:
    Scheduler() = default;
    void pick();  // under the lock: hand a free baton to a ready thread
    void threadBody(AppThread* self, std::function<void()> procedure);
    void endProgram();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::unique_ptr<AppThread>> threads_;
    std::vector<Window*> zOrder_;
    int owner_ = 0;  // thread number holding the baton; 0 nobody; -1 the outside
    int nextThread_ = 1;
    std::size_t lastPicked_ = 0;
    bool running_ = false;
    std::atomic<bool> ending_ = false;
    std::atomic<bool> ended_ = true;
    Backend* backend_ = nullptr;
    std::function<void()> beforeWait_;
    std::vector<pthread_t> handles_;  // joined once the program has ended
};

}  // namespace rt
