#include "frame/saved_error.h"

#include "frame/globals.h"
#include "runtime/data/errors.h"
#include "runtime/data/transaction.h"

void SaveFileError() {
    GLO::SavedErrorCode = rt::errorCode();
    GLO::SavedErrorText = rt::errorText();
    GLO::SavedFileErrorCode = rt::fileErrorCode();
    GLO::SavedFileErrorText = rt::fileErrorText();
    rt::rollback();
}

void ClearSavedFileError() {
    GLO::SavedErrorCode = 0;
    GLO::SavedErrorText.clear();
    GLO::SavedFileErrorCode = 0;
    GLO::SavedFileErrorText.clear();
}
