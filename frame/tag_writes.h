#pragma once
// The writing side of tagging: the tag file's lock taken for each write, with a wait for
// another station's lock, and the fatal stop that a failed write ends in.

#include <string>
#include <string_view>

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
