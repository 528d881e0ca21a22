#include "runtime/data/wait_seconds.h"

#include <algorithm>
#include <atomic>
#include <limits>

namespace rt {
namespace {

std::atomic<int> secondLength = 1000;

}  // namespace

void setWaitSecondLength(int milliseconds) {
    secondLength = std::max(1, milliseconds);
}

int waitMilliseconds(int seconds) {
    const long long ms = static_cast<long long>(std::max(0, seconds)) * secondLength.load();
    return static_cast<int>(std::min<long long>(ms, std::numeric_limits<int>::max()));
}

}  // namespace rt
