#include "frame/guarded_write.h"

#include <string>

#include "frame/codes.h"
#include "frame/file_hooks.h"
#include "frame/globals.h"
#include "frame/saved_error.h"
#include "frame/warnings.h"
#include "runtime/data/errors.h"
#include "runtime/data/transaction.h"

int GuardedUpdate(rt::RecordFile& file, int flag) {
    const std::string name = DisplayName(file);
    if (rt::logout(kGuardedWaitSeconds, {&file}) != 0) {
        SaveFileError();
        ShowWarning(WARN::TransactionFramingError, name, "Update");
        FinishUpdate(file);
        return GUARDED::Failed;
    }
    // The position stays with this call: a warning shown below lets other threads run, and
    // their writes must not change which record is reloaded here.
    const std::string position = file.position();
    GLO::SavedPosition = position;
    if (file.put() != 0) {
        SaveFileError();
        if (GLO::SavedErrorCode == rt::FileError::RecordChanged) {
            if (flag == 1)
                ShowWarningPlain(WARN::RecordWasNotUpdated);
            else
                ShowWarningText(WARN::UpdateOperationError, "Record Changed by Another Station");
            file.watch();
            file.reget(position);
            FinishUpdate(file);
            return GUARDED::ChangedElsewhere;
        }
        ShowWarningText(WARN::UpdateOperationError, name);
        FinishUpdate(file);
        return GUARDED::Failed;
    }
    // A commit that fails wrote nothing and must not be reported as written.
    if (rt::commit() != 0) {
        SaveFileError();
        ShowWarningText(WARN::UpdateOperationError, name);
        FinishUpdate(file);
        return GUARDED::Failed;
    }
    FinishUpdate(file);
    return GUARDED::Done;
}

int GuardedDelete(rt::RecordFile& file) {
    const std::string name = DisplayName(file);
    const bool hasKey = !file.decl().keys().empty();
    const std::string position = hasKey ? file.position(0) : file.position();
    if (rt::logout(kGuardedWaitSeconds, {&file}) != 0) {
        SaveFileError();
        ShowWarning(WARN::TransactionFramingError, name, "Delete");
        FinishDelete(file);
        return GUARDED::Failed;
    }
    // A record that cannot be read again (another station deleted it) is not deleted.
    if (file.reget(position) != 0 || file.deleteRecord() != 0) {
        SaveFileError();
        ShowWarningText(WARN::DeleteOperationError, name);
        FinishDelete(file);
        return GUARDED::Failed;
    }
    if (rt::commit() != 0) {
        SaveFileError();
        ShowWarningText(WARN::DeleteOperationError, name);
        FinishDelete(file);
        return GUARDED::Failed;
    }
    FinishDelete(file);
    return GUARDED::Done;
}
