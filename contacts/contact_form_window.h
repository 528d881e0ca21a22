#pragma once
// The contact form.

#include "runtime/ui/window_structure.h"

namespace windows::contact_form {

namespace ContactFormControl {
inline constexpr int LevelHeading = 1;        // "Number on levels:"
inline constexpr int FirstLevelNumber = 140;  // the headings "1" .. "10": 140 .. 149
inline constexpr int FirstLevelCount = 2;     // MAI:L1 .. MAI:L10: 2 .. 11
inline constexpr int Sheet = 12;
inline constexpr int NameTab = 13;
inline constexpr int ContactTab = 14;
inline constexpr int AppointmentTab = 15;
inline constexpr int FirstName = 21;
inline constexpr int LastName = 22;
inline constexpr int CompanyName = 24;
inline constexpr int Address = 26;
inline constexpr int City = 28;
inline constexpr int State = 30;
inline constexpr int Zip = 32;
inline constexpr int ZipLookup = 33;
inline constexpr int PhoneGroup = 34;
// Phone row r (0..4): dial button, kind, number, extension.
inline constexpr int dialButton(int row) {
    return 35 + row * 4;
}
inline constexpr int phoneKind(int row) {
    return 36 + row * 4;
}
inline constexpr int phoneNumber(int row) {
    return 37 + row * 4;
}
inline constexpr int phoneExtension(int row) {
    return 38 + row * 4;
}
inline constexpr int AreaCodeLookup = 55;
inline constexpr int Note1 = 57;
inline constexpr int SendEMailButton = 58;
inline constexpr int EMailAddress = 59;
inline constexpr int MoreNotes = 60;
inline constexpr int WebButton = 61;
inline constexpr int WebSite = 62;
inline constexpr int EntryDate = 64;
inline constexpr int AccessDate = 66;
inline constexpr int CheckInformation = 67;
inline constexpr int CardNumber = 69;
inline constexpr int CardExpiry = 71;
inline constexpr int IdNumber = 73;
inline constexpr int Level = 75;
inline constexpr int SponsorId = 77;
inline constexpr int TakeSponsor = 78;
inline constexpr int Sponsor = 80;
inline constexpr int CompanyId = 82;
inline constexpr int Tag1 = 84;
inline constexpr int Tag2 = 86;
inline constexpr int Tag3 = 88;
inline constexpr int AdditionalNotes = 89;
inline constexpr int FollowUp = 90;  // radios 91 .. 95
inline constexpr int EMail1 = 97;
inline constexpr int EMail2 = 98;
inline constexpr int EMail3 = 99;
inline constexpr int ContactDate = 101;
inline constexpr int ContactCalendar = 102;
inline constexpr int ContactNotes = 104;
inline constexpr int ContactResults = 106;
inline constexpr int AppointmentType = 111;
inline constexpr int AppointmentDate = 113;
inline constexpr int AppointmentCalendar = 114;
inline constexpr int AppointmentTime = 116;
inline constexpr int Am = 117;
inline constexpr int Pm = 118;
inline constexpr int AppointmentSubject = 120;
inline constexpr int AppointmentNotes = 122;
inline constexpr int Ok = 130;
inline constexpr int Cancel = 131;
inline constexpr int Help = 132;
}  // namespace ContactFormControl

// The kinds of telephone numbers, in the order each row's drop list shows them.
const char* phoneKindList(int row);

// The contact form: three tabs of name and address, contact and appointment data.
const rt::WindowStructure& contactFormWindow();

}  // namespace windows::contact_form
