#include "frame/record_pass.h"

#include <algorithm>

#include "frame/open_data_file.h"
#include "frame/progress_window.h"
#include "frame/warnings.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/picture.h"

namespace P = windows::ProgressControl;

RecordPass::RecordPass(std::string_view module, std::vector<rt::RecordFile*> files, PassSheet sheet)
    : Procedure(windows::progressWindow(module), std::move(files)),
      sheet_(std::move(sheet)),
      view_(*sheet_.file) {}

void RecordPass::setUpRecords() {
    rt::RecordFile& file = *sheet_.file;
    PASS.ExpectedRecords = sheet_.expectedRecords;
    if (PASS.ExpectedRecords == 0)
        PASS.ExpectedRecords = static_cast<long>(sheet_.countBytes ? file.bytes() : file.records());
    PASS.BatchSize = sheet_.batchSize > 0 ? sheet_.batchSize : 25;
    PASS.RecordsDone = 0;
    PASS.PercentDone = 0;
    beforePass();
}

void RecordPass::setUpWindow() {
    PASS.ProgressShown = 0;
    window().setProp(P::Bar, PROP::Progress, 0);
    window().setProp(P::Percent, PROP::Text, "0% Completed");
    window().setProp(P::Heading, PROP::Text, headingText());
    window().setProp(0, PROP::Text, progressTitle());
    sheet_.file->send("QUICKSCAN=on");
    quickScan_ = true;
}

bool RecordPass::takeEvent() {
    switch (window().event()) {
        case EVENT::OpenWindow:
            if (outcome_ != Outcome::Running) break;
            openView();
            if (readForward() == VERDICT::End) {
                // Nothing to take: no page, no preview, and the answer stays Cancelled.
                if (outcome_ == Outcome::Running) outcome_ = Outcome::Cancelled;
                PostCloseWindow();
            } else {
                firstRecordFound();
            }
            break;
        case EVENT::Timer:
            // Batches go on until the timer has run out again: where the clock is the
            // program's own that is after each batch, otherwise the pass runs as fast as its
            // work and still waits for the window system every timer interval.
            while (outcome_ == Outcome::Running) {
                PASS.BatchCount = 0;
                batch();
                if (window().timerDue()) break;
            }
            break;
        case EVENT::Accepted:
            if (window().field() == P::Cancel && outcome_ == Outcome::Running)
                endPass(Outcome::Cancelled);
            break;
        case EVENT::CloseWindow:
        case EVENT::CloseDown:
            // A close before the pass ended counts as a cancel; a program that is ending
            // prints nothing.
            if (outcome_ == Outcome::Running || window().event() == EVENT::CloseDown)
                outcome_ = Outcome::Cancelled;
            atClose();
            break;
        default:
            break;
    }
    return false;
}

void RecordPass::openView() {
    rt::RecordFile& file = *sheet_.file;
    int error = sheet_.key.empty() ? file.set() : file.set(file.key(sheet_.key));
    if (error != 0) ShowWarningPlain(WARN::ViewOpenError);
    view_.setFilter(std::string(rt::clip(sheet_.filter)));
    if (view_.open() == 0) return;
    // The warning says the filter is ignored: the pass goes on over the whole view.
    ShowWarningPlain(WARN::ViewOpenError);
    if (view_.filter().empty()) return;
    view_.setFilter({});
    if (view_.open() != 0) ShowWarningPlain(WARN::ViewOpenError);
}

int RecordPass::readForward() {
    for (;;) {
        int error = view_.next();
        if (error != 0) {
            if (error != rt::FileError::RecordNotAvailable) {
                ShowWarningText(WARN::RecordRetrievalError, sheet_.displayName);
                endPass(Outcome::ReadFailed);
                if (error == rt::FileError::KeysMustBeRebuilt) {
                    view_.close();
                    OfferKeyRebuild(*sheet_.file);
                }
            }
            return VERDICT::End;
        }
        long size = sheet_.countBytes ? static_cast<long>(sheet_.file->bytes()) : 1;
        PASS.RecordsDone += size;
        PASS.BatchCount += size;
        showPercent();
        int verdict = recordVerdict();
        if (verdict != VERDICT::Skip) return verdict;
    }
}

void RecordPass::showPercent() {
    if (PASS.PercentDone >= 100) return;
    long long percent = PASS.ExpectedRecords > 0
                            ? static_cast<long long>(PASS.RecordsDone) * 100 / PASS.ExpectedRecords
                            : 100;
    PASS.PercentDone = static_cast<long>(std::min<long long>(percent, 100));
    if (PASS.PercentDone == PASS.ProgressShown) return;
    PASS.ProgressShown = PASS.PercentDone;
    window().setProp(P::Bar, PROP::Progress, PASS.ProgressShown);
    window().setProp(
        P::Percent, PROP::Text,
        rt::format(rt::Value(static_cast<long long>(PASS.ProgressShown)), "@N3") + "% Completed");
    window().display();
}

void RecordPass::endPass(Outcome outcome) {
    if (outcome_ != Outcome::Running) return;
    outcome_ = outcome;
    if (outcome == Outcome::Complete) LOC.Response = RESP::Completed;
    PostCloseWindow();
}

void RecordPass::atClose() {
    if (closed_) return;
    closed_ = true;
    if (quickScan_) sheet_.file->send("QUICKSCAN=off");
    quickScan_ = false;
    view_.close();
    passEnded();
    afterPass();
}
