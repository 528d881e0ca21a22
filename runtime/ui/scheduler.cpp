#include "runtime/ui/scheduler.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <stdexcept>

#include "runtime/ui/backend.h"
#include "runtime/ui/window.h"

namespace rt {

struct Scheduler::AppThread {
    int number = 0;
    std::function<bool()> ready;  // set while the thread waits for the baton
    std::vector<Window*> windows;
};

namespace {

thread_local Scheduler::AppThread* tSelf = nullptr;  // NOLINT: per-thread identity

struct StartBlock {
    Scheduler* scheduler;
    Scheduler::AppThread* self;
    std::function<void()> procedure;
};

// A C++ program needs more than the small stacks old procedures asked for.
constexpr std::size_t kMinimumStack = 8u << 20;

}  // namespace

Scheduler& Scheduler::instance() {
    static Scheduler scheduler;
    return scheduler;
}

void Scheduler::wake() {
    pick();
    changed_.notify_all();
}

void Scheduler::pick() {
    if (owner_ != 0) return;
    std::size_t n = threads_.size();
    for (std::size_t i = 1; i <= n; ++i) {
        AppThread* t = threads_[(lastPicked_ + i) % n].get();
        if (t->ready && t->ready()) {
            t->ready = nullptr;
            owner_ = t->number;
            lastPicked_ = (lastPicked_ + i) % n;
            break;
        }
    }
    changed_.notify_all();
}

void Scheduler::waitUntil(std::unique_lock<std::mutex>& lock, std::function<bool()> ready) {
    AppThread* self = tSelf;
    if (!self) throw std::logic_error("waiting for events outside an application thread");
    if (beforeWait_) beforeWait_();
    self->ready = std::move(ready);
    if (owner_ == self->number) owner_ = 0;
    pick();
    changed_.wait(lock, [&] { return owner_ == self->number; });
}

void Scheduler::yieldBaton() {
    if (!tSelf) return;
    std::unique_lock lock(mutex_);
    // Others first: the round robin starts after this thread.
    waitUntil(lock, [] { return true; });
}

int Scheduler::currentThread() const {
    return tSelf ? tSelf->number : 0;
}

std::vector<Window*>& Scheduler::threadWindows() {
    if (!tSelf) throw std::logic_error("windows belong to application threads");
    return tSelf->windows;
}

std::vector<Window*>* Scheduler::windowsOfThread(int thread) {
    for (auto& t : threads_)
        if (t->number == thread) return &t->windows;
    return nullptr;
}

int Scheduler::start(std::function<void()> procedure, std::size_t stackSize) {
    auto thread = std::make_unique<AppThread>();
    AppThread* self = thread.get();
    auto* block = new StartBlock{this, self, std::move(procedure)};
    int number;
    {
        std::lock_guard lock(mutex_);
        number = self->number = nextThread_++;
        self->ready = [] { return true; };
        threads_.push_back(std::move(thread));
    }
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, std::max(stackSize, kMinimumStack));
    pthread_t handle;
    int rc = pthread_create(
        &handle, &attr,
        [](void* arg) -> void* {
            std::unique_ptr<StartBlock> b(static_cast<StartBlock*>(arg));
            b->scheduler->threadBody(b->self, std::move(b->procedure));
            return nullptr;
        },
        block);
    pthread_attr_destroy(&attr);
    std::lock_guard lock(mutex_);
    if (rc != 0) {
        delete block;
        std::erase_if(threads_, [self](const auto& t) { return t.get() == self; });
        throw std::runtime_error("cannot start a thread");
    }
    handles_.push_back(handle);
    return number;
}

void Scheduler::threadBody(AppThread* self, std::function<void()> procedure) {
    tSelf = self;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return owner_ == self->number; });
    }
    try {
        procedure();
    } catch (const std::exception& e) {
        // A procedure that throws ends its thread; the program goes on.
        std::cerr << "thread " << self->number << " ended by an error: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "thread " << self->number << " ended by an unknown error\n";
    }
    std::unique_lock lock(mutex_);
    if (self->number == 1) {
        // The main procedure returned: every other thread is asked to end (its windows
        // close at their next wait) and the program ends when none is left.
        ending_ = true;
        wake();
        waitUntil(lock, [this] { return threads_.size() == 1; });
        ended_ = true;
        running_ = false;
        backend_->programEnded();
    }
    std::erase_if(threads_, [self](const auto& t) { return t.get() == self; });
    tSelf = nullptr;
    owner_ = 0;
    wake();
}

void Scheduler::startProgram(Backend& backend, std::function<void()> programMain) {
    {
        std::lock_guard lock(mutex_);
        if (running_) throw std::logic_error("a program is already running");
        running_ = true;
        ending_ = false;
        ended_ = false;
        owner_ = 0;
        nextThread_ = 1;
        backend_ = &backend;
        zOrder_.clear();
    }
    start(std::move(programMain), 0);
    std::lock_guard lock(mutex_);
    wake();
}

bool Scheduler::programEnded() {
    return ended_;
}
bool Scheduler::programEnding() {
    return ending_;
}

Backend& Scheduler::backend() {
    if (!backend_) throw std::logic_error("no program is running");
    return *backend_;
}

bool Scheduler::waitIdle(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                             [this] { return ended_ || owner_ == 0; });
}

void Scheduler::acquire() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return owner_ == 0; });
    owner_ = -1;
}

void Scheduler::release() {
    std::lock_guard lock(mutex_);
    if (owner_ == -1) owner_ = 0;
    wake();
}

bool Scheduler::waitEnded(int timeoutMs) {
    std::vector<pthread_t> handles;
    {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [this] { return ended_ && threads_.empty(); }))
            return false;
        handles.swap(handles_);
    }
    for (pthread_t h : handles)
        pthread_join(h, nullptr);
    return true;
}

}  // namespace rt
