#pragma once
// The error of a failed file operation, kept (per thread) for the warning that follows.

// Keeps the thread's current error (runtime and file driver) in the saved-error globals
// and rolls back the transaction in progress (harmless when there is none).
void SaveFileError();
// Forgets the saved error; every warning does so when it is shown.
void ClearSavedFileError();
