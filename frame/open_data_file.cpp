#include "frame/open_data_file.h"

#include "frame/codes.h"
#include "frame/program_end.h"
#include "frame/warnings.h"
#include "runtime/data/errors.h"

namespace {

FileOpenOperations realOperations;
FileOpenOperations* operations = &realOperations;

bool opened(int code) {
    return code == 0 || code == rt::FileError::FileAlreadyOpen;
}

}  // namespace

void SetFileOpenOperations(FileOpenOperations* replacement) {
    operations = replacement ? replacement : &realOperations;
}

void OpenDataFile(rt::RecordFile& file, int access) {
    FileOpenOperations& ops = *operations;
    const std::string name = file.name();
    int code = ops.open(file, access);
    if (code == rt::FileError::FileLocked) {
        ops.send(file, "Recover=10");
        code = ops.open(file, access);
    }
    if (opened(code)) return;
    switch (code) {
        case rt::FileError::FileNotFound:
            if (ops.create(file) != 0) ShowWarningText(WARN::FileCreationError, name);
            if (!opened(ops.open(file, access))) ShowWarningText(WARN::CreatedFileOpenError, name);
            return;
        case rt::FileError::InvalidDeclaration:
            ShowWarningText(WARN::InvalidFile, name);
            return;  // not reached: the warning ends the program
        case rt::FileError::KeysMustBeRebuilt:
            ShowWarningText(WARN::InvalidKey, name);  // ends the program unless Yes
            if (ops.build(file) != 0) ShowWarningText(WARN::KeyRebuildError, name);
            code = ops.open(file, access);
            if (opened(code)) return;
            break;
        default:
            break;
    }
    ShowWarningText(WARN::FileAccessError, name);
    Halt("Disk Error");
}

void OfferKeyRebuild(rt::RecordFile& file) {
    const std::string name = file.name();
    ShowWarningText(WARN::InvalidKey, name);  // ends the program unless Yes
    if (operations->build(file) != 0) ShowWarningText(WARN::KeyRebuildError, name);
}
