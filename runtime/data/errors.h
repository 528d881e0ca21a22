#pragma once
// Error codes of the record-file operations and the last error of the calling thread.
// Every operation clears the last error when it starts and sets it when it fails.

#include <string>
#include <string_view>

namespace rt {

namespace FileError {
inline constexpr int None = 0;
inline constexpr int FileNotFound = 2;
inline constexpr int AccessDenied = 5;
inline constexpr int EntryNotFound = 30;
inline constexpr int FileLocked = 32;
inline constexpr int RecordNotAvailable = 33;
inline constexpr int FileNotOpen = 37;
inline constexpr int DuplicateKey = 40;
inline constexpr int KeysMustBeRebuilt = 46;
inline constexpr int InvalidDeclaration = 47;
inline constexpr int FileAlreadyOpen = 52;
inline constexpr int LogoutActive = 56;
inline constexpr int RecordChanged = 89;
inline constexpr int FileSystemError = 90;
inline constexpr int InvalidFilter = 800;
}  // namespace FileError

// The fixed text of an error code ("Entry Not Found"); empty for 0.
std::string_view errorTextOf(int code);

// The last error of this thread.
int errorCode();
const std::string& errorText();
// Name on disk of the file whose operation failed last.
const std::string& errorFile();
// The storage engine's own code and text behind the last error (0 and empty when the
// failure was not the engine's, for example a duplicate key found by the record layer).
int fileErrorCode();
const std::string& fileErrorText();
// The error's text, and for a file system error (90) its cause in brackets: "File System
// Error (database or disk is full)".
std::string errorTextWithCause();
// For error 40: the name of the key that the record duplicates.
const std::string& errorKey();

namespace detail {
void clearError();
int setError(int code, std::string_view file, int engineCode = 0, std::string_view engineText = {},
             std::string_view key = {});
// The same with a text of its own instead of the code's usual one: it says what happened
// where the code alone would mislead (a file that is no record file at all answers 47).
int setErrorSaying(int code, std::string_view text, std::string_view file, int engineCode = 0,
                   std::string_view engineText = {});
}  // namespace detail

}  // namespace rt
