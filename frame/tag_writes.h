#pragma once
// The writing side of tagging: the tag file's lock taken for each write, with a wait for
// another station's lock, batches of writes for whole walks, and the fatal stop that a failed
// write ends in.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/data/lock_waiters.h"

// How long a tag write waits for another station's lock before it fails (5 seconds unless a
// test shortens it).
void SetTagWriteWait(int milliseconds);
int TagWriteWait();

struct TagWriteFailure;

// Holds the tag file's lock for one write (or one step of writes): waits up to TagWriteWait()
// for another station's lock, letting the program's other threads run meanwhile.
class TagFileLock {
  public:
    TagFileLock();
    ~TagFileLock();
    TagFileLock(const TagFileLock&) = delete;
    TagFileLock& operator=(const TagFileLock&) = delete;

    bool held() const { return held_; }
    // Why the lock was not granted, as the failure of the write labelled `label`.
    TagWriteFailure refusal(std::string_view label) const;
    // Commits what was written under the lock; answers 0 or the error code.
    int release();

  private:
    bool held_ = false;
    int refusedCode_ = 0;
    std::string refusedText_;
};

// The tag writes of a whole walk (Tag All, a search's Select, ...): while a batch lives on a
// thread, SetTag_ and ClrTag_ there share one write transaction of the tag file for up to
// kTagBatchWrites writes or kTagBatchMs milliseconds instead of a durable commit each. Between
// batches the lock is let go, and a station waiting for it goes first, so another station's
// tag write waits one batch at most. A batch is also committed before the thread waits for
// its next event (EndTagBatchBeforeWait). One batch per thread; a nested one does nothing.
inline constexpr int kTagBatchWrites = 1000;
inline constexpr int kTagBatchMs = 100;

class TagWriteBatch {
  public:
    TagWriteBatch();
    // Commits what is still pending; a failure there is not reported (call finish()).
    ~TagWriteBatch();
    TagWriteBatch(const TagWriteBatch&) = delete;
    TagWriteBatch& operator=(const TagWriteBatch&) = delete;

    // Commits the writes so far; ends the program on a failed write or commit.
    void finish();
    // Number of batches committed so far (tests look at it).
    long commits() const { return commits_; }

    // --- for the tag writes ---
    // The batch of this thread, nullptr without one.
    static TagWriteBatch* current();
    // Takes the lock for the next batch unless it is held; answers 0 or the refusal's code
    // (its text in `text`).
    int take(std::string& text);
    // One write was done under the batch (`label` names it for a failed commit); a full
    // batch is committed, then other stations waiting for the lock get their turn.
    void wrote(std::string_view label);
    // Commits the batch now; a failure is kept for the next write or finish().
    void commit();
    // Has the batch reached its size or its time?
    bool due() const;

  private:
    friend class TagBatchPause;
    void giveWay();
    void haltOnFailure();

    bool active_ = false;  // this object is the thread's batch
    bool holding_ = false;
    int writes_ = 0;
    long commits_ = 0;
    long startedMs_ = 0;
    std::string label_;
    int failedCode_ = 0;
    std::string failedText_;
};

// Commits this thread's tag batch, if one is open (before the thread waits for an event),
// unless the wait is a TagBatchPause.
void EndTagBatchBeforeWait();

// A short pause of a walk for its timer (the search's progress window): a batch that is due
// is committed first, and then the batch lasts through the pause instead of paying a
// durable commit at each one. Its limits still hold: it ends at the first write or pause
// after kTagBatchMs.
class TagBatchPause {
  public:
    TagBatchPause();
    ~TagBatchPause();
    TagBatchPause(const TagBatchPause&) = delete;
    TagBatchPause& operator=(const TagBatchPause&) = delete;
};

// A tag write of its own (a Tag press, not part of a walk's batch) says from its start that
// it waits for the tag file, before the file is opened and read: a station writing in
// batches lets it go first after its next commit instead of starting another batch while
// this one waits for a read.
class SingleTagWriteSign {
  public:
    SingleTagWriteSign();
    // The write is done (or failed): the sign comes down.
    void drop() { sign_.reset(); }

  private:
    std::optional<rt::LockWaitSign> sign_;
};

// A failed write on the tag file, kept until the file is let go.
struct TagWriteFailure {
    int code = 0;
    std::string text;
    std::string label;
    explicit operator bool() const { return code != 0; }
};

// The thread's last file error with the operation's label.
TagWriteFailure failureOf(std::string_view label);

// Ends the program: "Error #<code> - <text> (<label>)" in a box titled "Halt".
[[noreturn]] void HaltOnTagFailure(const TagWriteFailure& failure);
