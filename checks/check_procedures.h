#pragma once
// The procedures of the checks: the checks to print, the check form, the style windows and
// check reports, the check register with its report, and the check search form. Each runs
// under the request and response protocol.

// "Post Checks To Print": the checks entered and not yet printed.
void PostChecksToPrint();
// "Enter Check Information": one check, added, changed or deleted.
void UpdateCheck();

// The three windows that choose a check style and run its report.
void SelectCheckStyleTagged();
void SelectCheckStyleAll();
void SelectCheckStyleReprint();

// The check reports: each prints its checks, one per band, and marks them printed.
void PrintCheckStyle1Tagged();
void PrintCheckStyle2Tagged();
void PrintCheckStyle1All();
void PrintCheckStyle2ThreeUp();
void ReprintCheckStyle1();
void ReprintCheckStyle2();

// "Check Register - Printed Checks" and its report of the tagged printed checks.
void BrowseCheckRegister();
void PrintCheckRegister();
// The register's search form: REQ::Search tags by example in TAG::CheckRegister; REQ::Change
// edits the check in the buffer.
void SearchChecks();

// "Select The Pay To": the payees; with REQ::Select the chosen payee is left in the PAYEE
// buffer and its address in the CHECKS buffer's check address.
void SelectPayTo();
// "Enter The Pay To Name For Check": adds, changes or deletes one payee.
void UpdatePayee();

// "Print Monthly Drafts": the drafts, tagged and printed with consecutive check numbers.
void BrowseMonthlyDrafts();
// "Monthly Draft Information": the clients with a draft day (REQ::Select).
void SelectMonthlyDraftClient();
// One monthly draft, changed or deleted.
void UpdateMonthlyDraft();
// The starting number of a draft run, then the run itself.
void EnterStartingCheckNumber();
// The tagged drafts printed and numbered from the number after GLO::LastCheckNumber.
void PrintMonthlyDrafts();
// The register of the tagged drafts, by check date.
void PrintDraftRegister();
// The draft-day search of the drafts list: REQ::Search tags in TAG::MonthlyDrafts;
// REQ::Change edits the draft day of the record in the buffer.
void SearchMonthlyDrafts();

// "Print Blank Checks ": the blank checks, numbered and printed.
void BrowseBlankChecks();
// "Enter Check Information" for one blank check and its picture.
void UpdateBlankCheck();
// Every blank check printed, three to a sheet or one with a stub.
void PrintBlankChecksThreeUp();
void PrintBlankChecksOneUp();
// Every blank check's number set to "0".
void ClearBlankCheckNumbers();
// "Enter Last Check Number Used", then the numbering.
void EnterLastCheckNumber();
// The blank checks numbered after GLO::LastCheckNumber, each once.
void NumberBlankChecks();

// Registers the procedures above by name.
void RegisterCheckProcedures();
