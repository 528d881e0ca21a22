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

// Registers the procedures above by name.
void RegisterCheckProcedures();
