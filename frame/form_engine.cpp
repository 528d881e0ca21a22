#include "frame/form_engine.h"

#include <algorithm>

#include "frame/codes.h"
#include "frame/file_hooks.h"
#include "frame/globals.h"
#include "frame/guarded_write.h"
#include "frame/input_controls.h"
#include "frame/open_data_file.h"
#include "frame/saved_error.h"
#include "frame/warnings.h"
#include "runtime/data/errors.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"

namespace {

std::vector<rt::RecordFile*> filesOf(const FormSheet& sheet, std::vector<rt::RecordFile*> more) {
    std::vector<rt::RecordFile*> files{sheet.file};
    for (rt::RecordFile* f : more)
        if (f != sheet.file) files.push_back(f);
    return files;
}

bool sameRecord(const rt::RecordBuffer& a, const rt::RecordBuffer& b) {
    return std::ranges::equal(a.image(), b.image()) && a.memos() == b.memos();
}

void emptyBlobs(rt::RecordBuffer& buffer) {
    for (std::string& blob : buffer.blobs())
        blob.clear();
}

}  // namespace

FormProcedure::FormProcedure(const rt::WindowStructure& window, FormSheet sheet,
                             std::vector<rt::RecordFile*> moreFiles)
    : Procedure(window, filesOf(sheet, std::move(moreFiles))), sheet_(std::move(sheet)) {}

FormProcedure::~FormProcedure() = default;

std::string FormProcedure::name() const {
    return sheet_.displayName.empty() ? DisplayName(*sheet_.file) : sheet_.displayName;
}

bool FormProcedure::RecordChanged() {
    return !copy_ || !sameRecord(file().buf(), *copy_);
}

void FormProcedure::TakeCopy() {
    copy_ = file().buf();
}

int FormProcedure::firstControl() const {
    if (sheet_.firstField) return sheet_.firstField;
    for (const rt::ControlStructure& c :
         const_cast<FormProcedure*>(this)->window().structure().controls)
        if (isValueControl(c.kind) && !c.hidden && !c.disabled) return c.number;
    return 0;
}

void FormProcedure::FocusFirstField() {
    if (int first = firstControl()) window().select(first);
}

long FormProcedure::CallLookup(const std::function<void()>& selectList) {
    const long response = LOC.Response;
    Call(selectList, REQ::Select, Redisplay::No);
    const long answer = GLO::Response;
    LOC.Response = response;
    SyncWindow();
    return answer;
}

void FormProcedure::setUpRecords() {
    PrepareEdit(file());
    TakeCopy();
    if (LOC.EntryRequest == REQ::Insert) {
        LOC.Response = RESP::Completed;
        if (sheet_.insertPath == InsertPath::AutoNumbered)
            primeAutoNumbered();
        else
            primeAddOnCompletion();
        if (LOC.Response == RESP::Cancelled) FinishProcedure();
        LOC.Response = RESP::Cancelled;
    } else if (LOC.EntryRequest == REQ::Delete) {
        deleteRequest();
        FinishProcedure();
    }
}

void FormProcedure::primeAddOnCompletion() {
    file().buf() = *copy_;
    primeRecord();
    TakeCopy();
}

void FormProcedure::primeAutoNumbered() {
    rt::RecordBuffer& buf = file().buf();
    buf = *copy_;
    emptyBlobs(buf);
    primeRecord();
    TakeCopy();
    for (;;) {
        long long number = 0;
        bool writeFailed = false;
        const int code = claimNextNumber(number, writeFailed);
        if (code == 0) {
            buf = *copy_;
            emptyBlobs(buf);
            buf.setInteger(sheet_.numberField, number);
            TakeCopy();
            claimedNumber_ = number;
            return;
        }
        if (code != rt::FileError::FileLocked) {
            // Claiming the number writes to the file (a full disk fails it): that is an
            // insert that failed, not a record that could not be read.
            if (writeFailed)
                ShowWarningPlain(WARN::RecordInsertError);
            else
                ShowWarningText(WARN::RecordRetrievalError, name());
            if (code == rt::FileError::KeysMustBeRebuilt) OfferKeyRebuild(file());
            LOC.Response = RESP::Cancelled;
            return;
        }
        if (ShowWarningPlain(WARN::AutoIncrementError) == BTN::Retry) continue;
        LOC.Response = RESP::Cancelled;
        return;
    }
}

// The number one above the highest in the file and above every number other stations have
// claimed for records they are still adding: the record stays this station's alone until
// OK adds it. The error is kept for the warning (32: the file could not be locked).
int FormProcedure::claimNextNumber(long long& number, bool& writeFailed) {
    rt::RecordFile& f = file();
    if (const int locked = f.lock(kGuardedWaitSeconds); locked != 0) {
        SaveFileError();
        return locked;
    }
    f.set(sheet_.numberKey);
    int code = f.previous();
    if (code == rt::FileError::RecordNotAvailable) code = 0;
    std::int64_t claimed = 0;
    if (code == 0) {
        const long long highest = f.pointer() != 0 ? f.buf().integer(sheet_.numberField) : 0;
        code = f.claimNumber(numberCounter(), highest + 1, claimed);
        writeFailed = code != 0;
    }
    if (code != 0) SaveFileError();
    if (const int unlocked = f.unlock(); unlocked != 0 && code == 0) {
        // The claim's commit failed: another station's lock is tried again on Retry, any
        // other failure (a full disk) is the claim's own.
        SaveFileError();
        writeFailed = unlocked != rt::FileError::FileLocked;
        code = writeFailed ? unlocked : rt::FileError::FileLocked;
    }
    number = claimed;
    return code;
}

std::string FormProcedure::numberCounter() const {
    return sheet_.file->decl().keys()[sheet_.numberKey].name;
}

void FormProcedure::deleteRequest() {
    if (ShowWarningPlain(WARN::ConfirmDelete) != BTN::Ok) return;
    for (;;) {
        rt::setCursor(CURSOR::Wait);
        const int result = GuardedDelete(file());
        rt::setCursor(CURSOR::Normal);
        if (result == GUARDED::Done) {
            LOC.Response = RESP::Completed;
            return;
        }
        if (ShowWarningPlain(WARN::RecordDeleteRetry) != BTN::Yes) return;
    }
}

void FormProcedure::setUpWindow() {
    const bool insert = LOC.EntryRequest == REQ::Insert;
    if (insert || LOC.EntryRequest == REQ::Change) {
        std::string text = insert ? sheet_.insertCaption : sheet_.changeCaption;
        if (text.empty()) {
            if (sheet_.caption == CaptionStyle::StringControl)
                text = insert ? "Record will be Added" : "Record will be Changed";
            else
                text = (insert ? "Adding a " : "Changing a ") + name() + " Record";
        }
        switch (sheet_.caption) {
            case CaptionStyle::StringControl:
                if (sheet_.captionControl)
                    window().setProp(sheet_.captionControl, PROP::Text, text);
                break;
            case CaptionStyle::WindowTitle:
                window().setProp(0, PROP::Text, text);
                break;
            case CaptionStyle::StatusText:
                window().setProp(0, PROP::StatusText, text);
                break;
            case CaptionStyle::None:
                break;
        }
    }
    if (sheet_.resizable) {
        window().setProp(0, PROP::MinWidth, window().prop(0, PROP::Width));
        window().setProp(0, PROP::MinHeight, window().prop(0, PROP::Height));
        InitWindowResizer(resizer_, window(), RESIZE::ByControlType);
    }
    if (sheet_.history)
        for (int control : sheet_.dittoControls)
            window().addAlertKey(control, KEY::CtrlQuote);
}

bool FormProcedure::takeEvent() {
    const int event = window().event();
    const int control = window().field();
    switch (event) {
        case EVENT::AlertKey:
            if (rt::keyCode() == KEY::CtrlQuote && sheet_.history) {
                recall();
                return true;
            }
            break;
        case EVENT::CloseWindow:
        case EVENT::CloseDown:
            if (confirmClose()) return true;
            if (event == EVENT::CloseDown && sheet_.resizable) KillWindowResizer(resizer_);
            break;
        case EVENT::Completed:
            complete();
            return true;
        case EVENT::Sized:
            if (sheet_.resizable) ResizeWindowControls(resizer_);
            if (sheet_.handleSized || sheet_.resizable) {
                LOC.RefreshPending = 1;
                SyncWindow();
            }
            break;
        case EVENT::NewSelection:
        case EVENT::TabChanging:
            if (sheet_.tabs && control == sheet_.tabs) SyncWindow();
            break;
        case EVENT::Selected:
            if (sheet_.tabs && control == sheet_.tabs) SyncWindow();
            lookup(control, true);
            break;
        case EVENT::Accepted:
            if (control == 0) break;
            if (sheet_.tabs && control == sheet_.tabs) {
                SyncWindow();
                break;
            }
            if (control == sheet_.okButton) {
                if (LOC.EntryRequest == REQ::Insert || LOC.EntryRequest == REQ::Change)
                    window().acceptAll();
                else
                    window().post(EVENT::Completed);
            } else if (control == sheet_.cancelButton) {
                LOC.Response = RESP::Cancelled;
                PostCloseWindow();
            } else if (control == sheet_.helpButton && sheet_.help) {
                Call(sheet_.help);
            } else {
                lookup(control, false);
            }
            break;
        default:
            break;
    }
    return takeOwnEvent();
}

void FormProcedure::complete() {
    if (sheet_.history) sheet_.history->record(file().decl()) = file().buf();
    if (LOC.EntryRequest == REQ::Insert)
        completeInsert();
    else if (LOC.EntryRequest == REQ::Change)
        completeChange();
    else
        PostCloseWindow();
}

void FormProcedure::completeInsert() {
    if (file().add() == 0) {
        claimedNumber_ = 0;
        LOC.Response = RESP::Completed;
        PostCloseWindow();
        return;
    }
    const auto& keys = file().decl().keys();
    const bool anyUnique =
        std::any_of(keys.begin(), keys.end(), [](const rt::KeyDecl& k) { return k.unique(); });
    if (rt::errorCode() == rt::FileError::DuplicateKey && anyUnique) {
        for (int k = 0; k < static_cast<int>(keys.size()); ++k) {
            if (!keys[k].unique() || !file().duplicate(k)) continue;
            std::string text = keys[k].name;
            for (const auto& [key, spelled] : sheet_.duplicateKeyTexts)
                if (key == k) text = spelled;
            ShowWarningText(WARN::DuplicateKeyError, text);
            break;
        }
    } else {
        ShowWarningPlain(WARN::RecordInsertError);
    }
    FocusFirstField();
}

void FormProcedure::completeChange() {
    for (;;) {
        LOC.Response = RESP::Cancelled;
        rt::setCursor(CURSOR::Wait);
        const bool changed = RecordChanged() || ownChanges();
        const int result = changed ? GuardedUpdate(file(), sheet_.conflictFlag) : GUARDED::Done;
        rt::setCursor(CURSOR::Normal);
        if (result == GUARDED::Done) {
            LOC.Response = RESP::Completed;
            PostCloseWindow();
            return;
        }
        if (result == GUARDED::Failed) {
            const int answer = ShowWarningPlain(WARN::RecordUpdateRetry);
            if (answer == BTN::Yes) continue;
            if (answer == BTN::No) {
                PostCloseWindow();
                return;
            }
        }
        // Cancel on the retry, or another station's version now in the buffer.
        window().display();
        FocusFirstField();
        return;
    }
}

bool FormProcedure::confirmClose() {
    if (LOC.Response == RESP::Completed) return false;
    const bool editing = LOC.Request == REQ::Insert || LOC.Request == REQ::Change;
    const bool changed = editing && RecordChanged();
    if (changed && sheet_.closeQuestion == CloseQuestion::SaveChanges) {
        const int answer = ShowWarningPlain(WARN::SaveChanges);
        if (answer == BTN::Yes) {
            window().post(EVENT::Accepted, sheet_.okButton);
            return true;
        }
        if (answer != BTN::No) {
            FocusFirstField();
            return true;
        }
    } else if (changed && sheet_.closeQuestion == CloseQuestion::ConfirmCancel) {
        if (ShowWarningPlain(WARN::ConfirmCancel) != BTN::Yes) {
            FocusFirstField();
            return true;
        }
    }
    if (claimedNumber_ != 0 && LOC.Response == RESP::Cancelled) {
        // Never added: the number goes back unless another station claimed one since.
        file().releaseNumber(numberCounter(), claimedNumber_);
        claimedNumber_ = 0;
    }
    return false;
}

void FormProcedure::recall() {
    const rt::ControlState* c = window().control(window().focus());
    if (!c || std::find(sheet_.dittoControls.begin(), sheet_.dittoControls.end(),
                        c->structure.number) == sheet_.dittoControls.end())
        return;
    const int field = file().decl().fieldIndex(c->structure.use);
    if (field < 0) return;
    const rt::RecordBuffer& saved = sheet_.history->record(file().decl());
    file().buf().setValue(field, saved.value(field));
    window().display();
}

bool FormProcedure::lookup(int control, bool entrySelected) {
    for (const FormLookup& l : sheet_.lookups) {
        if (l.control != control || l.onEntry != entrySelected || !l.selectList) continue;
        if (l.onEntry) {
            if (l.prepare) l.prepare();
            if (l.file && l.key >= 0 && l.file->get(l.key) == 0) return true;
        }
        const long answer = CallLookup(l.selectList);
        if ((answer == RESP::Completed || !l.takeOnlyWhenCompleted) && l.take) l.take();
        SyncWindow();
        return true;
    }
    return false;
}
