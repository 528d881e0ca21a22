#pragma once
// Codes of the procedure call protocol and of the warnings.

namespace REQ {
inline constexpr long None = 0;
inline constexpr long Insert = 1;
inline constexpr long Change = 2;
inline constexpr long Delete = 3;
inline constexpr long Select = 4;
inline constexpr long Search = 8;
}  // namespace REQ

namespace RESP {
inline constexpr long Completed = 1;
inline constexpr long Cancelled = 2;
inline constexpr long EditFound = 11;
}  // namespace RESP

// Buttons of the warnings; a set is the sum of its buttons.
namespace BTN {
inline constexpr int Ok = 1;
inline constexpr int Yes = 2;
inline constexpr int No = 4;
inline constexpr int Retry = 16;
inline constexpr int Cancel = 64;
}  // namespace BTN

namespace WARN {
inline constexpr int InvalidFile = 1;
inline constexpr int InvalidKey = 2;
inline constexpr int KeyRebuildError = 3;
inline constexpr int FileCreationError = 4;
inline constexpr int CreatedFileOpenError = 5;
inline constexpr int RecordInsertError = 14;
inline constexpr int UpdateOperationError = 15;
inline constexpr int RecordUpdateRetry = 16;
inline constexpr int DeleteOperationError = 17;
inline constexpr int RecordDeleteRetry = 18;
inline constexpr int InsertNotAllowed = 19;
inline constexpr int DeleteNotAllowed = 21;
inline constexpr int ConfirmCancel = 23;
inline constexpr int DuplicateKeyError = 24;
inline constexpr int AutoIncrementError = 25;
inline constexpr int FileAccessError = 30;
inline constexpr int ProcessWriteError = 31;
inline constexpr int ConfirmDelete = 32;
inline constexpr int SaveChanges = 33;
inline constexpr int TransactionFramingError = 34;
inline constexpr int RecordRetrievalError = 35;
inline constexpr int ViewOpenError = 36;
inline constexpr int RecordWasNotUpdated = 38;
}  // namespace WARN

// Tag tables.
namespace TAG {
inline constexpr int Contacts = 1;
inline constexpr int CheckRegister = 2;
inline constexpr int MonthlyDrafts = 8;
inline constexpr int Invoices = 10;
inline constexpr int Genealogy = 22;
inline constexpr int ChecksToPrint = 25;
}  // namespace TAG
