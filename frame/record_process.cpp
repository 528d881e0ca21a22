#include "frame/record_process.h"

#include <cstdint>

#include "frame/guarded_write.h"
#include "frame/progress_window.h"
#include "frame/saved_error.h"
#include "frame/warnings.h"
#include "runtime/data/errors.h"
#include "runtime/data/transaction.h"

ProcessPass::ProcessPass(std::string_view module, std::vector<rt::RecordFile*> files,
                         PassSheet sheet, ProcessOptions options)
    : RecordPass(module, std::move(files), std::move(sheet)), options_(std::move(options)) {}

void ProcessPass::beforeSetUp() {
    TakeRequest();
}

int ProcessPass::write() {
    rt::RecordFile& file = *sheet().file;
    const bool deleting = options_.write == ProcessWrite::Delete;
    const char* operation = deleting ? "Delete" : "Put";
    const std::int64_t record = file.pointer();
    // The transaction lets go of the view's read (which would keep SQLite from waiting for
    // another station's write) and holds the file until the commit, so the record read
    // again below cannot change before it is written.
    int code = rt::logout(kGuardedWaitSeconds, {&file});
    if (code == 0) code = file.getPointer(record);
    bool written = false;
    if (code == rt::FileError::EntryNotFound) {
        code = 0;  // deleted by another station meanwhile: nothing left to change
    } else if (code == 0 && view().matches()) {
        assignFields();
        code = deleting ? file.deleteRecord() : file.put();
        written = code == 0;
    }
    if (code == 0) code = rt::commit();
    if (code != 0) {
        SaveFileError();  // keeps the error for the warning and rolls the record back
        ShowWarning(WARN::ProcessWriteError, "Process:View", operation);
        return code;
    }
    if (written) afterWrite();
    return 0;
}

void ProcessPass::batch() {
    // Every record read counts toward the batch, skipped ones included (in the byte-counting
    // variant, the bytes read).
    while (PASS.BatchCount < PASS.BatchSize) {
        if (write() != 0) {
            endPass(Outcome::WriteFailed);
            return;
        }
        if (readForward() == VERDICT::End) {
            if (outcome() == Outcome::Running) {
                window().setProp(windows::ProgressControl::Percent, PROP::Text,
                                 "Process Completed");
                window().display(windows::ProgressControl::Percent);
                endPass(Outcome::Complete);
            }
            return;
        }
    }
}
