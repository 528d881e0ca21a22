#pragma once
// Per-thread state that stays safe to reach while the thread's other thread_local objects are
// being destroyed: at thread end (and at program exit for the main thread) file instances
// close and may still touch the error, transaction and scan state. `get(false)` answers null
// once the state is gone instead of touching a destroyed object.

namespace rt::detail {

template <class T>
class ThreadState {
  public:
    // The thread's T, created on first use; null after it was destroyed, or when `create`
    // is false and it does not exist yet.
    static T* get(bool create = true) {
        if (!current_ && create && !gone_) {
            thread_local Holder holder;
            current_ = &holder.value;
        }
        return current_;
    }

  private:
    struct Holder {
        T value;
        ~Holder() {
            gone_ = true;
            current_ = nullptr;
        }
    };
    static inline thread_local T* current_ = nullptr;
    static inline thread_local bool gone_ = false;
};

}  // namespace rt::detail
