#pragma once
// Import and export of contacts and checks as comma-separated files.

#include <string>
#include <string_view>

// The window of import and export buttons; it answers RESP::Cancelled.
void ImportExportMenu();
// "Choose Fields for Export...": contacts and checks to a comma-separated file.
void ExportMAIL();
void ExportCHECKS();
// "Assign fields for Import...": contacts and checks from a comma-separated file.
void ImportMAIL();
void ImportCHECKS();
// "Enter Picture...": the picture typed, all blanks when cancelled.
std::string EnterPicture(std::string_view picture);

// Registers the procedures above by name.
void RegisterDataExchangeProcedures();
