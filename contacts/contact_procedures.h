#pragma once
// The procedures of the contacts subsystem. Each runs under the request and response
// protocol: the request in GLO::Request, the answer in GLO::Response.

// "Names And Information": the main contacts list.
void BrowseMAIL();
// The contact form; called only through SearchMAIL.
void UpdateMAIL();
// The contact search form: REQ::Search searches by example and tags in TAG::Contacts;
// every other request goes on, unchanged, to UpdateMAIL.
void SearchMAIL();
// "Additional Notes": the memo MAI:NOTES3 of the contact in the MAIL buffer.
void UpdateAdditionalNotes();
// The client's check information (bank data) of the contact in the MAIL buffer.
void UpdateClientCheckInfo();
// "Dial Phone Numbers": the five numbers of the contact in the MAIL buffer.
void DialPhoneNumbers();
// "Client Names And Information": picks a contact into the MAIL buffer (REQ::Select).
void SelectClient();

// Registers the procedures above by name.
void RegisterContactProcedures();
