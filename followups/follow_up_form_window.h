#pragma once
// The follow-up and appointment form: one window in two editions, which differ in the order
// of their pages (the first is shown at opening), the calendar tip and the mouse cursor.

#include "runtime/ui/window_structure.h"

namespace windows::follow_up_form {

enum class Edition { FollowUp, Appointment };

namespace FollowUpFormControl {
inline constexpr int Instructions = 1;
inline constexpr int Sheet = 2;
inline constexpr int ContactTab = 3;
inline constexpr int NameTab = 4;
inline constexpr int AppointmentTab = 5;
// Contact information.
inline constexpr int FollowUp = 10;  // radios 11 .. 15
inline constexpr int ContactDate = 17;
inline constexpr int ContactCalendar = 18;
inline constexpr int EMail1 = 20;
inline constexpr int EMail2 = 21;
inline constexpr int EMail3 = 22;
inline constexpr int ContactNotes = 24;
inline constexpr int ContactResults = 26;
// Name and address.
inline constexpr int FirstName = 31;
inline constexpr int LastName = 32;
inline constexpr int CompanyName = 34;
inline constexpr int CheckName = 36;
inline constexpr int Address = 38;
inline constexpr int City = 40;
inline constexpr int State = 42;
inline constexpr int Zip = 44;
inline constexpr int PhoneGroup = 45;
// Phone row r (0..3): kind, number, extension.
inline constexpr int phoneKind(int row) {
    return 46 + row * 3;
}
inline constexpr int phoneNumber(int row) {
    return 47 + row * 3;
}
inline constexpr int phoneExtension(int row) {
    return 48 + row * 3;
}
inline constexpr int PayTo = 59;
inline constexpr int CheckMemo = 61;
inline constexpr int DraftDay = 62;
inline constexpr int MonthlyAmount = 64;
inline constexpr int Note1 = 66;
inline constexpr int EMailAddress = 68;
inline constexpr int MoreNotes = 69;
inline constexpr int AdditionalNotes = 70;
inline constexpr int EntryDate = 72;
inline constexpr int AccessDate = 74;
inline constexpr int BankName = 76;
inline constexpr int BankAddress = 78;
inline constexpr int BankCityStateZip = 80;
inline constexpr int FedNumber1 = 82;
inline constexpr int FedNumber2 = 84;
inline constexpr int Transit = 86;
inline constexpr int AccountNumber = 88;
inline constexpr int CheckNumber = 90;
inline constexpr int Tag1 = 92;
inline constexpr int Tag2 = 94;
// Appointments.
inline constexpr int AppointmentType = 101;
inline constexpr int AppointmentDate = 103;
inline constexpr int AppointmentCalendar = 104;
inline constexpr int AppointmentTime = 106;
inline constexpr int Am = 107;
inline constexpr int Pm = 108;
inline constexpr int AppointmentSubject = 110;
inline constexpr int AppointmentNotes = 112;
inline constexpr int Ok = 120;
inline constexpr int Cancel = 121;
inline constexpr int Help = 122;
}  // namespace FollowUpFormControl

const rt::WindowStructure& followUpFormWindow(Edition edition);

}  // namespace windows::follow_up_form
