#pragma once
// The procedures of the follow-ups and appointments. Each runs under the request and
// response protocol: the request in GLO::Request, the answer in GLO::Response.

// "Contacts": every contact with a follow-up day, in order of that day.
void BrowseContacts();
// "Add New Contacts": every contact, to open the follow-up form on one or on a new one.
void AddContacts();
// Blanks the follow-up of every contact whose follow-up day lies before today.
void ClearOldContacts();
// The follow-up form: a contact with its follow-up, opening on "Contact Information".
void UpdateContactInfo();

// "Appointments": every contact with an appointment, in order of date and time.
void BrowseAppointments();
// "Add New Appointment": every contact, to open the appointment form on one or a new one.
void AddAppointments();
// Blanks the appointment of every contact whose appointment date lies before today.
void ClearOldAppointments();
// The appointment form: the follow-up form opening on "Appointments".
void UpdateAppointmentInfo();

// The follow-up and appointment reports, and the report of the contacts tagged in
// TAG::Contacts.
void PrintContactsReport();
void PrintAppointmentsReport();
void PrintMAILReport();

// Registers the procedures above by name.
void RegisterFollowUpProcedures();
