#include "frame/tagging.h"

#include <cstdint>
#include <memory>
#include <string>

#include "frame/globals.h"
#include "frame/tag_reading.h"
#include "frame/tag_writes.h"
#include "frame/use_counts.h"
#include "records/tag_file.h"
#include "runtime/data/view.h"
#include "runtime/eval/bind_scope.h"

namespace {

rt::RecordFile& tags() {
    return records::tagFile();
}

// The walk of this thread reads through a view of its own, so that counting, clearing and
// the other operations may use the file's sequence between its steps without moving it.
struct Walk {
    bool active = false;  // the walk holds a use of the tag file
    std::unique_ptr<rt::View> view;
};

Walk& walk() {
    // The file's instance on this thread is made first, so that it outlives the walk's view.
    tags().instance();
    thread_local Walk state;
    return state;
}

long endWalk() {
    Walk& w = walk();
    bool counted = w.active;
    w.view.reset();
    w.active = false;
    if (counted) CloseTagFile_();
    return 0;
}

// Reads the walk's next tag: its pointer when it belongs to the table, else the walk ends.
long walkOn(long table) {
    Walk& w = walk();
    if (!w.view || w.view->next() != 0 || !tagging::belongsTo(table)) return endWalk();
    return static_cast<long>(TF_::PTR.integer());
}

}  // namespace

namespace tagging {

bool validTable(long table) {
    return table != 0 && table >= -32768 && table <= 32767;
}

bool validPointer(long pointer) {
    return pointer != 0 && pointer >= INT32_MIN && pointer <= INT32_MAX;
}

void setPointerKey(long table, long pointer) {
    TF_::USR.setInteger(0);
    TF_::TBL.setInteger(table);
    TF_::PTR.setInteger(pointer);
}

void positionBeforeTable(long table) {
    TF_::VAL.setText(std::string(10, '\0'));
    TF_::USR.setInteger(0);
    TF_::TBL.setInteger(table);
    tags().setFromBuffer(TF_::VALKEY);
}

bool belongsTo(long table) {
    return TF_::TBL.integer() == table && TF_::USR.integer() == 0;
}

bool readNextOf(long table) {
    return tags().next() == 0 && belongsTo(table);
}

void adjustTagCount(long table, long delta) {
    if (delta == 0) return;
    if (GLO::TagCountTable == table) {
        GLO::TagCount += delta;
    } else {
        GLO::TagCountTable = 0;
        GLO::TagCount = 0;
    }
}

TagFileUse::TagFileUse() {
    OpenTagFile_();
    counted_ = true;
}

void TagFileUse::release() {
    if (!counted_) return;
    counted_ = false;
    CloseTagFile_();
}

}  // namespace tagging

using namespace tagging;

void OpenTagFile_() {
    rt::RecordFile& file = tags();
    UseFile(file, GLO::TagFileOpenMode);
    // A list reads a mark for every row: the names are bound once per scope, not per read.
    thread_local std::uint64_t boundInScope = ~std::uint64_t{0};
    if (boundInScope == rt::bindScopeId()) return;
    boundInScope = rt::bindScopeId();
    const auto& fields = file.decl().fields();
    for (int f = 0; f < static_cast<int>(fields.size()); ++f)
        rt::bind(fields[f].name, [f] { return records::tagFile().buf().value(f); });
}

void CloseTagFile_() {
    ReleaseFile(tags());
}

void SetTag_(long table, long pointer, std::string_view value) {
    if (!validTable(table) || !validPointer(pointer)) return;
    SingleTagWriteSign waiting;
    TagFileUse use;
    TagWriteFailure failure;
    bool added = false;
    const char* label = "SetTag_/ADD";
    {
        TagFileLock lock;
        setPointerKey(table, pointer);
        const bool found = tags().get(TF_::PTRKEY) == 0;
        setPointerKey(table, pointer);
        TF_::VAL.setText(value);
        if (found) label = "SetTag_/PUT";
        if (!lock.held())
            failure = lock.refusal(label);
        else if ((found ? tags().put() : tags().add()) != 0 || lock.release() != 0)
            failure = failureOf(label);
        else
            added = !found;
    }
    waiting.drop();
    if (failure) {
        use.release();
        HaltOnTagFailure(failure);
    }
    if (added) adjustTagCount(table, +1);
    if (TagWriteBatch* batch = TagWriteBatch::current()) batch->wrote(label);
}

void ClrTag_(long table, long pointer) {
    if (!validTable(table) || !validPointer(pointer)) return;
    SingleTagWriteSign waiting;
    TagFileUse use;
    TagWriteFailure failure;
    bool removed = false;
    {
        TagFileLock lock;
        setPointerKey(table, pointer);
        if (tags().get(TF_::PTRKEY) == 0) {
            if (!lock.held())
                failure = lock.refusal("ClrTag_/DELETE");
            else if (tags().deleteRecord() != 0 || lock.release() != 0)
                failure = failureOf("ClrTag_/DELETE");
            else
                removed = true;
        }
    }
    waiting.drop();
    tags().clear();
    if (failure) {
        use.release();
        HaltOnTagFailure(failure);
    }
    if (removed) adjustTagCount(table, -1);
    if (TagWriteBatch* batch = TagWriteBatch::current()) batch->wrote("ClrTag_/DELETE");
}

int GetTag_(long table, long pointer) {
    if (!validTable(table) || !validPointer(pointer)) return 0;
    TagFileUse use;
    setPointerKey(table, pointer);
    if (tags().get(TF_::PTRKEY) == 0) return 1;
    tags().clear();
    return 0;
}

TagReads::TagReads(long table) {
    if (validTable(table) && tags().isOpen()) batch_.emplace(tags());
}

long FirstTag_(long table) {
    if (!validTable(table)) return 0;
    Walk& w = walk();
    // A new walk takes over an unfinished one and its use of the file.
    if (!w.active) OpenTagFile_();
    w.active = true;
    positionBeforeTable(table);
    w.view = std::make_unique<rt::View>(tags());
    if (w.view->open() != 0) return endWalk();
    return walkOn(table);
}

long NextTag_(long table) {
    // Without a walk there is nothing to go on from, and no use of the file to give back.
    if (!validTable(table) || !walk().active) return 0;
    return walkOn(table);
}
