#include "frame/record_process.h"

#include "frame/guarded_write.h"
#include "frame/progress_window.h"
#include "frame/warnings.h"
#include "runtime/data/errors.h"

ProcessPass::ProcessPass(std::string_view module, std::vector<rt::RecordFile*> files,
                         PassSheet sheet, ProcessOptions options)
    : RecordPass(module, std::move(files), std::move(sheet)), options_(std::move(options)) {}

void ProcessPass::beforeSetUp() {
    TakeRequest();
}

int ProcessPass::write() {
    switch (options_.write) {
        case ProcessWrite::Put:
            return view().put();
        case ProcessWrite::GuardedUpdate:
            return GuardedUpdate(*sheet().file, 0);
        case ProcessWrite::Delete:
            return view().deleteRecord();
        case ProcessWrite::RetriedPut:
            return retriedPut();
    }
    return 0;
}

int ProcessPass::retriedPut() {
    constexpr int kTries = 10;
    rt::RecordFile& file = *sheet().file;
    const std::string position = file.position();
    int result = file.put();
    for (int attempt = 1; attempt < kTries && result == rt::FileError::RecordChanged; ++attempt) {
        if (file.reget(position) != 0) return result;
        assignFields();
        result = file.put();
    }
    return result;
}

void ProcessPass::batch() {
    // Every record read counts toward the batch, skipped ones included (in the byte-counting
    // variant, the bytes read).
    while (PASS.BatchCount < PASS.BatchSize) {
        assignFields();
        if (write() != 0) {
            ShowWarning(WARN::ProcessWriteError, "Process:View",
                        options_.write == ProcessWrite::Delete ? "Delete" : "Put");
            endPass(Outcome::WriteFailed);
            return;
        }
        afterWrite();
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
