#pragma once
// Shortens the seconds that record files wait for other stations (LOGOUT, LOCK, OPEN) for the
// life of one test, so that a wait that has to run out takes a moment.

#include <chrono>

#include "runtime/data/wait_seconds.h"

namespace testsupport {

class ShortWaitSeconds {
  public:
    explicit ShortWaitSeconds(int milliseconds) : length_(milliseconds) {
        rt::setWaitSecondLength(milliseconds);
    }
    ~ShortWaitSeconds() { rt::setWaitSecondLength(1000); }
    ShortWaitSeconds(const ShortWaitSeconds&) = delete;
    ShortWaitSeconds& operator=(const ShortWaitSeconds&) = delete;

    // `seconds` of the shortened kind.
    std::chrono::milliseconds operator()(int seconds) const {
        return std::chrono::milliseconds(seconds * length_);
    }

  private:
    int length_;
};

}  // namespace testsupport
