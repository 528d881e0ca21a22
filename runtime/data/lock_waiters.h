#pragma once
// Stations waiting for a file's LOCK, made known to the station holding it. A station that
// writes in batches (taking the lock, releasing it, taking it again) would otherwise take it
// back before a waiter's next try: between batches it asks whether someone waits and lets
// them go first. The sign is a shared advisory lock on a small file beside the record file
// ("<name>.wait"), so it disappears with the waiter, even when its process dies.

#include <string>

namespace rt {

class RecordFile;

// Held by a station while it waits for the file's lock.
class LockWaitSign {
  public:
    explicit LockWaitSign(RecordFile& file);
    ~LockWaitSign();
    LockWaitSign(const LockWaitSign&) = delete;
    LockWaitSign& operator=(const LockWaitSign&) = delete;

  private:
    int fd_ = -1;
};

// True while another station (another process or another thread) holds a LockWaitSign on
// the file.
bool othersWaitForLock(RecordFile& file);

}  // namespace rt
