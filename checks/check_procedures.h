#pragma once
// The procedures of the checks subsystem. Each runs under the request and response protocol:
// the request in GLO::Request, the answer in GLO::Response.

// "Select The Pay To": the payees; with REQ::Select the chosen payee is left in the PAYEE
// buffer and its address in the CHECKS buffer's check address.
void SelectPayTo();
// "Enter The Pay To Name For Check": adds, changes or deletes one payee.
void UpdatePayee();

// Registers the procedures above by name.
void RegisterCheckProcedures();
