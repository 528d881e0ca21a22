#include "frame/tag_writes.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "frame/program_end.h"
#include "records/tag_file.h"
#include "runtime/data/errors.h"
#include "runtime/data/lock_waiters.h"
#include "runtime/ui/program.h"

namespace {

std::atomic<int> writeWaitMs = 5000;
thread_local int lockDepth = 0;  // nested holders on this thread share one lock
thread_local TagWriteBatch* threadBatch = nullptr;
thread_local int batchPauses = 0;  // TagBatchPause guards alive on this thread

// Waits up to TagWriteWait() for the tag file's lock; answers 0 (held) or the error code,
// with the error's text in `text`.
int acquireLock(std::string& text) {
    rt::RecordFile& file = records::tagFile();
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(writeWaitMs.load());
    std::optional<rt::LockWaitSign> waiting;
    for (;;) {
        // No wait inside the lock call: the wait happens here, where the program's other
        // threads (one of which may hold the lock) get their turn.
        int code = file.lock(0);
        if (code == 0) return 0;
        if (code != rt::FileError::FileLocked || std::chrono::steady_clock::now() >= deadline) {
            text = rt::errorText();
            return code;
        }
        // A station writing in batches lets a station that says it waits go first.
        if (!waiting) waiting.emplace(file);
        rt::yieldEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

long nowMs() {
    using namespace std::chrono;
    return static_cast<long>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

void SetTagWriteWait(int milliseconds) {
    writeWaitMs = milliseconds < 0 ? 0 : milliseconds;
}

int TagWriteWait() {
    return writeWaitMs;
}

TagFileLock::TagFileLock() {
    if (lockDepth == 0) {
        TagWriteBatch* batch = TagWriteBatch::current();
        const int code = batch ? batch->take(refusedText_) : acquireLock(refusedText_);
        if (code != 0) {
            refusedCode_ = code;
            return;
        }
        if (!batch) {  // taken for this write alone
            lockDepth = 1;
            held_ = true;
            return;
        }
        // The batch holds the lock (depth 1); this write nests inside it.
    }
    ++lockDepth;
    held_ = true;
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

SingleTagWriteSign::SingleTagWriteSign() {
    if (!TagWriteBatch::current()) sign_.emplace(records::tagFile());
}

TagWriteFailure failureOf(std::string_view label) {
    return {rt::errorCode(), rt::errorText(), std::string(label)};
}

void HaltOnTagFailure(const TagWriteFailure& failure) {
    Halt("Error #" + std::to_string(failure.code) + " - " + failure.text + " (" + failure.label +
         ")");
}

TagWriteBatch::TagWriteBatch() {
    if (threadBatch) return;  // the outer batch goes on
    threadBatch = this;
    active_ = true;
}

TagWriteBatch::~TagWriteBatch() {
    if (!active_) return;
    if (holding_) {
        holding_ = false;
        lockDepth = 0;
        records::tagFile().unlock();
        records::tagFile().send("HOLDWRITES=off");
    }
    threadBatch = nullptr;
}

TagWriteBatch* TagWriteBatch::current() {
    return threadBatch;
}

int TagWriteBatch::take(std::string& text) {
    if (holding_) return 0;
    if (failedCode_ != 0) haltOnFailure();
    // However the last batch ended (full, at a pause, before a wait or a turn of the other
    // threads), a station that waits goes first.
    giveWay();
    // A batch's changed pages stay in memory until its commit, so that other stations can
    // read the tag file (and open it for their own writes) all through the batch.
    records::tagFile().send("HOLDWRITES=on");
    const int code = acquireLock(text);
    if (code != 0) {
        records::tagFile().send("HOLDWRITES=off");
        return code;
    }
    holding_ = true;
    lockDepth = 1;  // the batch's own hold; each write nests inside it
    writes_ = 0;
    startedMs_ = nowMs();
    return 0;
}

void TagWriteBatch::wrote(std::string_view label) {
    if (!active_) return;
    label_ = label;
    if (failedCode_ != 0) haltOnFailure();
    if (!holding_) return;
    ++writes_;
    if (!due()) return;
    commit();
    if (failedCode_ != 0) haltOnFailure();
    giveWay();
}

void TagWriteBatch::commit() {
    // Never in the middle of a write: only the batch's own hold is left between writes.
    if (!holding_ || lockDepth > 1) return;
    holding_ = false;
    lockDepth = 0;
    ++commits_;
    const int code = records::tagFile().unlock();
    records::tagFile().send("HOLDWRITES=off");
    if (code != 0 && failedCode_ == 0) {
        failedCode_ = rt::errorCode();
        failedText_ = rt::errorText();
    }
}

bool TagWriteBatch::due() const {
    return holding_ && (writes_ >= kTagBatchWrites || nowMs() - startedMs_ >= kTagBatchMs);
}

void TagWriteBatch::giveWay() {
    // A station that waits takes the lock within its next try (10 ms); it takes its sign
    // down once it holds the lock.
    const long until = nowMs() + 1000;
    while (rt::othersWaitForLock(records::tagFile()) && nowMs() < until) {
        rt::yieldEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void TagWriteBatch::finish() {
    if (!active_) return;
    commit();
    if (failedCode_ != 0) haltOnFailure();
}

void TagWriteBatch::haltOnFailure() {
    TagWriteFailure failure{failedCode_, failedText_, label_};
    failedCode_ = 0;
    HaltOnTagFailure(failure);
}

void EndTagBatchBeforeWait() {
    if (threadBatch && batchPauses == 0) threadBatch->commit();
}

TagBatchPause::TagBatchPause() {
    if (TagWriteBatch* batch = threadBatch; batch && batch->due()) {
        batch->commit();
        if (batch->failedCode_ != 0) batch->haltOnFailure();
        batch->giveWay();
    }
    ++batchPauses;
}

TagBatchPause::~TagBatchPause() {
    --batchPauses;
}
