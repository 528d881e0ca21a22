#include "frame/procedure.h"

#include <algorithm>
#include <optional>
#include <string>

#include "frame/globals.h"
#include "frame/program_end.h"
#include "frame/tag_writes.h"
#include "frame/use_counts.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/scheduler.h"

namespace {

// The numbers a number field holds, so that a refused entry can say what it takes.
std::optional<rt::NumberRange> rangeOf(const rt::FieldDecl& f) {
    auto whole = [](long long low, long long high) {
        return rt::NumberRange{rt::Decimal(low), rt::Decimal(high), 0};
    };
    switch (f.type) {
        case rt::FieldType::Byte:
            return whole(0, 255);
        case rt::FieldType::Short:
            return whole(-32768, 32767);
        case rt::FieldType::UShort:
            return whole(0, 65535);
        case rt::FieldType::Long:
            return whole(-2147483648LL, 2147483647LL);
        case rt::FieldType::ULong:
            return whole(0, 4294967295LL);
        case rt::FieldType::Decimal:
        case rt::FieldType::PDecimal: {
            std::string nines(static_cast<std::size_t>(std::max(0, f.digits - f.places)), '9');
            if (nines.empty()) nines = "0";
            if (f.places > 0) nines += "." + std::string(static_cast<std::size_t>(f.places), '9');
            const rt::Decimal largest(nines);
            return rt::NumberRange{-largest, largest, f.places};
        }
        default:
            return std::nullopt;
    }
}

rt::BindingPtr fieldBinding(rt::RecordFile& file, int field) {
    const rt::FieldDecl& decl = file.decl().fields()[field];
    return rt::bindRefusingFunctions(
        decl.name, [&file, field] { return file.buf().value(field); },
        [&file, field](const rt::Value& v) { return file.buf().setValue(field, v); },
        rangeOf(decl));
}

rt::BindingPtr memoBinding(rt::RecordFile& file, int memo) {
    const std::string& name = file.decl().memos()[memo].name;
    return rt::bindFunctions(
        name, [&file, memo] { return rt::Value(file.buf().memoText(memo)); },
        [&file, memo](const rt::Value& v) { file.buf().setMemo(memo, v.asText()); });
}

}  // namespace

Procedure::Procedure(const rt::WindowStructure& window, std::vector<rt::RecordFile*> files)
    : structure_(window), files_(std::move(files)) {}

Procedure::~Procedure() = default;

rt::BindingPtr Procedure::bindLocal(std::string_view) {
    return nullptr;
}

rt::BindingPtr Procedure::resolve(std::string_view name) {
    if (rt::BindingPtr local = bindLocal(name)) return local;
    for (rt::RecordFile* file : files_) {
        if (int f = file->decl().fieldIndex(name); f >= 0) return fieldBinding(*file, f);
        if (int m = file->decl().memoIndex(name); m >= 0) return memoBinding(*file, m);
    }
    return nullptr;
}

void Procedure::run() {
    // An open read of a record file would hold up other stations' writes while this station
    // waits for the user: every wait of an application thread finishes its reads first.
    static const bool readsEndBeforeWaits = [] {
        rt::Scheduler::instance().setBeforeWait([] {
            EndTagBatchBeforeWait();
            rt::suspendRecordScans();
        });
        return true;
    }();
    (void)readsEndBeforeWaits;
    window_ = std::make_unique<rt::Window>(structure_,
                                           [this](std::string_view name) { return resolve(name); });
    bindScope_ = std::make_unique<rt::BindScopeGuard>();
    if (takesRequestAtEntry()) TakeRequest();
    // The right click that led here (a popup-menu choice) is no key for the new window.
    if (rt::keyCode() == KEY::RightClick) rt::clearKeyCode();
    try {
        beforeSetUp();
        SetUpProcedure();
        eventLoop();
        finish();
    } catch (const Ended& e) {
        if (e.procedure != this) throw;
    } catch (...) {
        // The program is halting: leave the counters as they were before this procedure.
        if (!finished_) releaseFiles();
        throw;
    }
}

void Procedure::TakeRequest() {
    LOC.Request = GLO::Request;
    LOC.EntryRequest = GLO::Request;
    LOC.Response = RESP::Cancelled;
    LOC.RefreshPending = 0;
    GLO::Request = 0;
    GLO::Response = 0;
}

void Procedure::SetUpProcedure() {
    for (rt::RecordFile* file : files_) {
        UseFile(*file);
        const auto& fields = file->decl().fields();
        for (int f = 0; f < static_cast<int>(fields.size()); ++f)
            rt::bind(fields[f].name, [file, f] { return file->buf().value(f); });
    }
    for (rt::RecordFile* file : files_) {
        const auto& memos = file->decl().memos();
        for (int m = 0; m < static_cast<int>(memos.size()); ++m)
            rt::bind(memos[m].name, [file, m] { return rt::Value(file->buf().memoText(m)); });
    }
    LOC.FilesInUse = 1;
    bindNames();
    setUpRecords();
    window_->open();
    LOC.WindowShown = 1;
    setUpWindow();
}

void Procedure::eventLoop() {
    while (window_->accept()) {
        RethrowPendingHalt();
        standardEvent();
        bool consumed = takeEvent();
        int event = window_->event();
        if (!consumed && (event == EVENT::CloseWindow || event == EVENT::CloseDown)) {
            // The window closes as the last step of FinishProcedure.
            window_->consume(true);
            return;
        }
        window_->consume(consumed);
    }
}

void Procedure::standardEvent() {
    switch (window_->event()) {
        case EVENT::OpenWindow:
            if (!LOC.FirstRefreshDone) {
                firstRefreshWindow();
                LOC.FirstRefreshDone = 1;
            }
            if (int first = firstControl()) window_->select(first);
            break;
        case EVENT::GainFocus:
            LOC.RefreshPending = 1;
            if (!LOC.FirstRefreshDone) {
                firstRefreshWindow();
                LOC.FirstRefreshDone = 1;
            } else {
                refreshWindow();
            }
            break;
        case EVENT::Rejected: {
            if (window_->field() == 0) break;
            std::string why =
                refusalOf(window_->field(), window_->propText(window_->field(), PROP::Text));
            const std::string windowWhy = window_->takeRefusal(window_->field());
            if (why.empty()) why = windowWhy;
            if (!why.empty())
                rt::message(why, "Entry Refused", ICON::Exclamation);
            else
                rt::beep();
            window_->display(window_->field());
            window_->select(window_->field());
            break;
        }
        default:
            break;
    }
}

void Procedure::SyncWindow() {
    if (window_->acceptAllActive()) return;
    window_->display();
    LOC.RefreshPending = 0;
}

void Procedure::FirstSyncWindow() {
    SyncWindow();
}

void Procedure::FinishProcedure() {
    finish();
    throw Ended{this};
}

void Procedure::releaseFiles() {
    if (!LOC.FilesInUse) return;
    LOC.FilesInUse = 0;
    for (rt::RecordFile* file : files_)
        ReleaseFile(*file);
}

void Procedure::finish() {
    if (finished_) return;
    finished_ = true;
    releaseFiles();
    finishing();
    GLO::Response = LOC.Response != 0 ? LOC.Response : RESP::Cancelled;
    bindScope_->close();
    window_->close();
}

void Procedure::Call(const std::function<void()>& procedure, std::optional<long> request,
                     Redisplay redisplay) {
    if (request) GLO::Request = *request;
    procedure();
    LOC.Request = LOC.EntryRequest;
    if (redisplay == Redisplay::Yes && window_->isOpen()) SyncWindow();
}
