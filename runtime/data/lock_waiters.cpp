#include "runtime/data/lock_waiters.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "runtime/data/record_file.h"

namespace rt {
namespace {

std::string signName(RecordFile& file) {
    return file.name() + ".wait";
}

}  // namespace

LockWaitSign::LockWaitSign(RecordFile& file) {
    fd_ = ::open(signName(file).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return;  // no sign: the wait goes on unannounced
    // The holder only tests with a non-blocking exclusive lock, so this never waits long.
    if (::flock(fd_, LOCK_SH) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

LockWaitSign::~LockWaitSign() {
    if (fd_ >= 0) ::close(fd_);  // closing drops the shared lock
}

bool othersWaitForLock(RecordFile& file) {
    const int fd = ::open(signName(file).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;  // no one has ever waited here
    // flock locks belong to open files, so a sign of another thread of this process counts.
    const bool waiting = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return waiting;
}

}  // namespace rt
