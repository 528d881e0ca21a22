// Counting and emptying tag tables: CountTags_ and NewTag_. Both work in small steps, the
// first ones without a window, and show a progress window only for long runs.
#include <algorithm>
#include <optional>
#include <string>

#include "frame/tag_progress.h"
#include "frame/tag_reading.h"
#include "frame/tag_writes.h"
#include "frame/tagging.h"
#include "records/tag_file.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/program.h"

using namespace tagging;

namespace {

constexpr int kReadsPerStep = 100;
constexpr int kDeletesPerStep = 10;
constexpr int kSilentDeleteSteps = 5;  // the first 50 deletions show no window

rt::RecordFile& tags() {
    return records::tagFile();
}

struct WaitCursor {
    WaitCursor() { rt::setCursor(CURSOR::Wait); }
    ~WaitCursor() { rt::setCursor(CURSOR::Normal); }
};

long percentOf(long done, long total) {
    if (total <= 0) return 100;
    return std::clamp(done * 100 / total, 0L, 100L);
}

// Do the first and the last tag of the whole file (in pointer order) both belong to the
// table? Then every tag does. nullopt on a read error.
std::optional<bool> tableOwnsFile(long table) {
    rt::RecordFile& f = tags();
    f.set(TF_::PTRKEY);
    if (f.next() != 0) return std::nullopt;
    bool first = belongsTo(table);
    f.set(TF_::PTRKEY);
    if (f.previous() != 0) return std::nullopt;
    return first && belongsTo(table);
}

enum class QuickWay { Emptied, ReadError, NotPossible };

// Empties the whole file when the table owns every tag in it and the lock is granted.
QuickWay tryQuick(long table, TagWriteFailure& failure) {
    rt::RecordFile& f = tags();
    std::optional<bool> owns = tableOwnsFile(table);
    if (!owns) return QuickWay::ReadError;
    if (!*owns || f.lock(1) != 0) return QuickWay::NotPossible;
    // Another station may have tagged in another table before the lock was granted.
    owns = tableOwnsFile(table);
    if (!owns || !*owns) {
        f.unlock();
        return owns ? QuickWay::NotPossible : QuickWay::ReadError;
    }
    if (f.empty() != 0) failure = failureOf("NewTag_/TryQuick/EMPTY");
    if (f.unlock() != 0 && !failure) failure = failureOf("NewTag_/TryQuick/EMPTY");
    return QuickWay::Emptied;
}

// Deletes the table's tags one by one, in steps under the file's lock, so that other
// stations' tag writes wait for one step at most. Answers whether it ran to the end.
bool slowButSure(long table, TagWriteFailure& failure) {
    const long total = CountTags_(table);
    WaitCursor wait;
    positionBeforeTable(table);
    long deleted = 0;
    // One step: up to `count` deletions; true when the table has ended (or a write failed).
    auto deleteSome = [&](int count) {
        TagFileLock lock;
        for (int i = 0; i < count; ++i) {
            if (!readNextOf(table)) {
                if (lock.release() != 0) failure = failureOf("NewTag_/SlowButSure/DELETE");
                return true;
            }
            if (tags().deleteRecord() != 0) {
                failure = failureOf("NewTag_/SlowButSure/DELETE");
                return true;
            }
            ++deleted;
        }
        if (lock.release() != 0) {
            failure = failureOf("NewTag_/SlowButSure/DELETE");
            return true;
        }
        return false;
    };
    bool ended = false;
    for (int step = 0; step < kSilentDeleteSteps && !ended; ++step) {
        rt::yieldEvents();
        ended = deleteSome(kDeletesPerStep);
    }
    if (!ended) {
        ended = RunTagProgress(tagClearingWindow(), "Clearing Tags", true, [&](rt::Window& w) {
            bool end = deleteSome(kDeletesPerStep);
            long percent = percentOf(deleted, total);
            w.setProp(TagProgress::Bar, PROP::Progress, percent);
            w.setProp(TagProgress::SecondLine, PROP::Text, std::to_string(percent) + "%");
            return end;
        });
    }
    tags().clear();
    return ended && !failure;
}

}  // namespace

long CountTags_(long table) {
    if (!validTable(table)) return 0;
    if (GLO::TagCountTable == table) return GLO::TagCount;
    TagFileUse use;
    positionBeforeTable(table);
    long count = 0;
    bool complete = true;
    if (readNextOf(table)) {
        WaitCursor wait;
        count = 1;
        const long total = static_cast<long>(tags().records());
        auto readSome = [&] {
            for (int i = 0; i < kReadsPerStep; ++i) {
                if (!readNextOf(table)) return true;
                ++count;
            }
            return false;
        };
        if (!readSome()) {
            complete =
                RunTagProgress(tagCountingWindow(), "Counting Tags", false, [&](rt::Window& w) {
                    bool end = readSome();
                    w.setProp(TagProgress::Bar, PROP::Progress, percentOf(count, total));
                    w.setProp(TagProgress::SecondLine, PROP::Text, std::to_string(count));
                    return end;
                });
        }
    }
    // A count cut short (the program ending) is not kept.
    if (complete) {
        GLO::TagCountTable = table;
        GLO::TagCount = count;
    }
    return count;
}

void NewTag_(long table) {
    if (!validTable(table)) return;
    TagFileUse use;
    positionBeforeTable(table);
    if (!readNextOf(table)) return;
    GLO::TagCountTable = 0;
    GLO::TagCount = 0;

    TagWriteFailure failure;
    bool cleared = false;
    switch (tryQuick(table, failure)) {
        case QuickWay::ReadError:
            return;
        case QuickWay::Emptied:
            cleared = !failure;
            break;
        case QuickWay::NotPossible:
            cleared = slowButSure(table, failure);
            break;
    }
    if (failure) {
        GLO::TagCountTable = 0;
        GLO::TagCount = 0;
        use.release();
        HaltOnTagFailure(failure);
    }
    // After a cancelled clearing the cache claims nothing for the table.
    GLO::TagCountTable = cleared ? table : 0;
    GLO::TagCount = 0;
}
