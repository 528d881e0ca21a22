#include "frame/tag_writes.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "frame/program_end.h"
#include "records/tag_file.h"
#include "runtime/data/errors.h"
#include "runtime/ui/program.h"

namespace {

std::atomic<int> writeWaitMs = 5000;
thread_local int lockDepth = 0;  // nested holders on this thread share one lock

}  // namespace

void SetTagWriteWait(int milliseconds) {
    writeWaitMs = milliseconds < 0 ? 0 : milliseconds;
}

int TagWriteWait() {
    return writeWaitMs;
}

TagFileLock::TagFileLock() {
    if (lockDepth > 0) {
        ++lockDepth;
        held_ = true;
        return;
    }
    rt::RecordFile& file = records::tagFile();
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(writeWaitMs.load());
    for (;;) {
        // No wait inside the lock call: the wait happens here, where the program's other
        // threads (one of which may hold the lock) get their turn.
        int code = file.lock(0);
        if (code == 0) {
            held_ = true;
            lockDepth = 1;
            return;
        }
        if (code != rt::FileError::FileLocked || std::chrono::steady_clock::now() >= deadline) {
            refusedCode_ = code;
            refusedText_ = rt::errorText();
            return;
        }
        rt::yieldEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

TagFileLock::~TagFileLock() {
    release();
}

TagWriteFailure TagFileLock::refusal(std::string_view label) const {
    return {refusedCode_, refusedText_, std::string(label)};
}

int TagFileLock::release() {
    if (!held_) return 0;
    held_ = false;
    if (--lockDepth > 0) return 0;
    return records::tagFile().unlock();
}

TagWriteFailure failureOf(std::string_view label) {
    return {rt::errorCode(), rt::errorText(), std::string(label)};
}

void HaltOnTagFailure(const TagWriteFailure& failure) {
    Halt("Error #" + std::to_string(failure.code) + " - " + failure.text + " (" + failure.label +
         ")");
}
