#pragma once
// The program's shared globals. Those that every application thread keeps for itself
// (the call protocol, the saved file error, the CSV line) are thread_local; a new thread
// starts with them at their first values.

#include <string>

#include "runtime/text/decimal.h"
#include "runtime/text/fixed_text.h"

namespace GLO {

// The request for the next procedure called and how the last one ended.
inline thread_local long Request = 0;
inline thread_local long Response = 0;

// The error of the last failed file operation, kept for the warning that follows.
inline thread_local long SavedErrorCode = 0;
inline thread_local std::string SavedErrorText;
inline thread_local long SavedFileErrorCode = 0;
inline thread_local std::string SavedFileErrorText;
inline thread_local rt::FixedString<512> SavedPosition;

// The user's chosen own company.
inline rt::FixedString<30> CompanyName;
inline rt::FixedString<30> CompanyAddress;
inline rt::FixedString<30> CompanyCityStateZip;
inline rt::FixedString<20> CompanyPhone;
inline rt::FixedString<20> CompanyFax;
inline rt::Decimal SalesTaxRate;

// The sponsor chosen in the sponsor list.
inline rt::FixedString<20> SponsorLevel;
inline rt::FixedString<20> SponsorIdNumber;
inline rt::FixedString<20> SponsorName;

// The position of the contact highlighted in the main contacts list (empty while it shows
// none): the downline panel's up-line search starts from it, on whichever thread it runs.
inline std::string HighlightedContact;

inline rt::FixedString<10> LastCheckNumber;
inline rt::FixedString<40> ImageFileName;
inline rt::FixedString<80> ImportExportFileName;
inline thread_local rt::FixedString<4000> CsvLine;
inline rt::FixedString<20> HelpTopic;
inline long NavigationRequest = 0;

// Where a search window stood when "&Edit This" handed its record back to the caller (0, 0:
// none); the change form that follows opens there and clears it.
inline long KeptEditX = 0;
inline long KeptEditY = 0;
// Where the first change form of the run opened; later ones open at the same place.
inline long ChangeFormX = 0;
inline long ChangeFormY = 0;
inline bool ChangeFormPlaced = false;
inline long CheckID = 0;

// The access mode every procedure opens the tag file with (read and write, deny none).
inline int TagFileOpenMode = 0x42;

}  // namespace GLO
