#pragma once
// Another station on a thread of its own, for a test that waits until the station holds
// something (a lock, a transaction) and lets it go later. A failed ASSERT inside the station
// only returns from its body; the test then learns it at once (waitReady() answers false)
// instead of waiting for a signal that never comes, and the station is released and joined
// however the test ends.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace testsupport {

class StationThread {
  public:
    explicit StationThread(std::function<void(StationThread&)> body)
        : thread_([this, body = std::move(body)] {
              body(*this);
              std::lock_guard lock(mutex_);
              ended_ = true;
              changed_.notify_all();
          }) {}
    ~StationThread() { join(); }
    StationThread(const StationThread&) = delete;
    StationThread& operator=(const StationThread&) = delete;

    // The station: it holds what the test waits for; then waits for the test to let it go.
    void ready() { set(ready_); }
    void waitForRelease() { waitFor(released_); }

    // The test: true once the station is ready, false when it ended before.
    bool waitReady() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ready_ || ended_; });
        return ready_;
    }
    void release() { set(released_); }
    // Releases the station and waits for its end.
    void join() {
        release();
        if (thread_.joinable()) thread_.join();
    }

  private:
    void set(bool& flag) {
        std::lock_guard lock(mutex_);
        flag = true;
        changed_.notify_all();
    }
    void waitFor(bool& flag) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&flag] { return flag; });
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool ready_ = false, released_ = false, ended_ = false;
    std::thread thread_;  // last: the body starts once the rest is in place
};

}  // namespace testsupport
