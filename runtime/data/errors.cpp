#include "runtime/data/errors.h"

#include "runtime/data/thread_state.h"

namespace rt {
namespace {

struct LastError {
    int code = 0;
    std::string text;
    std::string file;
    int engineCode = 0;
    std::string engineText;
    std::string key;
};

// Null once the thread's state is gone (thread end): errors are then dropped.
LastError* last() {
    return detail::ThreadState<LastError>::get();
}

const std::string& emptyText() {
    static const std::string empty;
    return empty;
}

}  // namespace

std::string_view errorTextOf(int code) {
    switch (code) {
        case FileError::None:
            return "";
        case FileError::FileNotFound:
            return "File Not Found";
        case FileError::AccessDenied:
            return "Access Denied";
        case FileError::EntryNotFound:
            return "Entry Not Found";
        case FileError::FileLocked:
            return "File Is Already Locked";
        case FileError::RecordNotAvailable:
            return "Record Not Available";
        case FileError::FileNotOpen:
            return "File Not Open";
        case FileError::DuplicateKey:
            return "Creates Duplicate Key";
        case FileError::KeysMustBeRebuilt:
            return "Key File Must Be Rebuilt";
        case FileError::InvalidDeclaration:
            return "Invalid Record Declaration";
        case FileError::FileAlreadyOpen:
            return "File Already Open";
        case FileError::LogoutActive:
            return "LOGOUT Already Active";
        case FileError::RecordChanged:
            return "Record Changed By Another Station";
        case FileError::FileSystemError:
            return "File System Error";
        case FileError::InvalidFilter:
            return "Invalid Filter Expression";
        default:
            return "Unknown Error";
    }
}

int errorCode() {
    return last() ? last()->code : 0;
}
const std::string& errorText() {
    return last() ? last()->text : emptyText();
}
const std::string& errorFile() {
    return last() ? last()->file : emptyText();
}
int fileErrorCode() {
    return last() ? last()->engineCode : 0;
}
const std::string& fileErrorText() {
    return last() ? last()->engineText : emptyText();
}
std::string errorTextWithCause() {
    std::string text(errorText());
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    if (errorCode() == FileError::FileSystemError && !fileErrorText().empty())
        text += " (" + fileErrorText() + ")";
    return text;
}
const std::string& errorKey() {
    return last() ? last()->key : emptyText();
}

namespace detail {

void clearError() {
    if (!last()) return;
    LastError& e = *last();
    e.code = 0;
    e.text.clear();
    e.file.clear();
    e.engineCode = 0;
    e.engineText.clear();
    e.key.clear();
}

int setError(int code, std::string_view file, int engineCode, std::string_view engineText,
             std::string_view key) {
    if (!last()) return code;
    LastError& e = *last();
    e.code = code;
    e.text = errorTextOf(code);
    e.file = file;
    e.engineCode = engineCode;
    e.engineText = engineText;
    e.key = key;
    return code;
}

int setErrorSaying(int code, std::string_view text, std::string_view file, int engineCode,
                   std::string_view engineText) {
    setError(code, file, engineCode, engineText);
    if (last()) last()->text = text;
    return code;
}

}  // namespace detail
}  // namespace rt
