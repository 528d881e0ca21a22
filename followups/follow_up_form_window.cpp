#include "followups/follow_up_form_window.h"

#include <string>
#include <tuple>

#include "contacts/contact_form_window.h"
#include "runtime/ui/structure_builder.h"

namespace windows::follow_up_form {

namespace {

using namespace FollowUpFormControl;

constexpr const char* kPhoneFields[] = {"MAI:HOMEPHONE", "MAI:WORKPHONE", "MAI:FAX",
                                        "MAI:CELLPHONE"};

struct Row {
    int prompt, entry;
    const char* promptText;
    const char* field;
    const char* picture;
    const char* tip;
    int width;
};

// The bank data and tags in the right-hand column of the name and address page.
constexpr Row kBankRows[] = {
    {75, BankName, "Bank Name:", "MAI:BANKNAME", "@s30",
     "Enter The Name Of The Bank As It Appears On Check", 130},
    {77, BankAddress, "Bank Address:", "MAI:BANKADDRESS", "@s30",
     "Enter Bank's Address As It Appears On Check", 130},
    // "s30" as in the check-information form: the field holds 30 characters.
    {79, BankCityStateZip, "City, State, Zip", "MAI:BANKCITYSTATEZIP", "@s30",
     "Enter The City, State, And Zip Of Bank", 130},
    {81, FedNumber1, "Fed Number 1:", "MAI:FEDNUMBER1", "@s25",
     "Enter The Top Or Only Fed ID# - Small Numbers Near Check Number Usually", 110},
    {83, FedNumber2, "Fed Number 2:", "MAI:FEDNUMBER2", "@s25",
     "Enter Bottom Fed ID# - If One Exists", 110},
    {85, Transit, "Transit:", "MAI:TRANSIT", "@s9",
     "Enter 9 Digit Transit Number - Most Often First Group Of Numbers On Bottom Of Check - See "
     "Help",
     70},
    {87, AccountNumber, "Account Number:", "MAI:ACCOUNTNUMBER", "@s20",
     "Checking Account Number - Most Often Second Number - See Help", 130},
    {89, CheckNumber, "Check Number:", "MAI:CHECKNUMBER", "@s10",
     "The Check Number Client Wishes You To Use - Or Check Number On Faxed Check", 50},
    {91, Tag1, "Tag 1:", "MAI:TAB1", "@s20", "Enter tag information for later search", 90},
    {93, Tag2, "Tag 2:", "MAI:TAB2", "@s20", "Enter tag information for later search", 90},
};

rt::ControlStructure& calendarButton(StructureBuilder& b, int number, rt::Rect at, int tab) {
    rt::ControlStructure& c = b.button(number, at, "", tab);
    c.icon = "CALENDAR.ICO";
    return c;
}

void contactPage(StructureBuilder& b, Edition edition) {
    const int t = ContactTab;
    rt::ControlStructure& follow =
        b.add(FollowUp, rt::ControlKind::Option, {10, 32, 124, 82}, "Follow Up", t);
    follow.use = "MAI:FOLLOWUP";
    const char* radios[] = {"Call Back", "They Will Call Back", "Follow With Letter",
                            "Make Appointment", "Finished"};
    for (int i = 0; i < 5; ++i)
        b.add(FollowUp + 1 + i, rt::ControlKind::Radio, {16, 44 + 13 * i, 110, 11}, radios[i],
              FollowUp);
    b.prompt(19, {146, 32, 80, 10}, "E-Mail Address", t);
    b.entry(EMail1, {146, 44, 86, 11}, "MAI:EMAIL1", "@s20", t);
    b.entry(EMail2, {146, 57, 86, 11}, "MAI:EMAIL2", "@s20", t);
    b.entry(EMail3, {146, 70, 86, 11}, "MAI:EMAIL3", "@s20", t);
    b.prompt(16, {250, 32, 60, 10}, "Contact Date", t).font = {"", 0, true};
    b.entry(ContactDate, {250, 44, 52, 11}, "MAI:CONTDAY", "@d1", t);
    rt::ControlStructure& calendar = calendarButton(b, ContactCalendar, {304, 44, 12, 11}, t);
    if (edition == Edition::FollowUp) calendar.tip = "Press For Calandar";
    b.prompt(23, {10, 120, 80, 10}, "Contact Notes:", t);
    b.add(ContactNotes, rt::ControlKind::Text, {10, 131, 224, 108}, {}, t).use = "MAI:CONTACTNOTES";
    b.prompt(25, {242, 120, 80, 10}, "Contact Results", t);
    b.add(ContactResults, rt::ControlKind::Text, {242, 131, 224, 108}, {}, t).use =
        "MAI:CONTACTRESULTS";
}

void nameAndAddressPage(StructureBuilder& b) {
    const int t = NameTab;
    b.prompt(30, {10, 33, 60, 10}, "&First, Last Name:", t);
    b.entry(FirstName, {72, 32, 64, 11}, "MAI:FIRSTNAME", "@s15", t).tip =
        "Enter First Name Of Client";
    b.entry(LastName, {138, 32, 64, 11}, "MAI:LASTNAME", "@s15", t).tip =
        "Enter The Last Name Of Client";
    b.prompt(33, {10, 46, 60, 10}, "&Company Name:", t);
    b.entry(CompanyName, {72, 45, 130, 11}, "MAI:COMPANYNAME", "@s30", t).tip =
        "If Client Is A Company, Enter Company Name Here";
    b.prompt(35, {10, 59, 60, 10}, "Ckeck Name:", t);
    b.entry(CheckName, {72, 58, 130, 11}, "MAI:CKECKNAME", "@s30", t).tip =
        "Enter Name As It Appears On Check Here";
    b.prompt(37, {10, 72, 60, 10}, "&Address:", t);
    b.entry(Address, {72, 71, 130, 11}, "MAI:ADDRESS", "@s30", t);
    b.prompt(39, {10, 85, 24, 10}, "&City:", t);
    b.entry(City, {36, 84, 64, 11}, "MAI:CITY", "@s15", t);
    b.prompt(41, {104, 85, 24, 10}, "&State:", t);
    b.entry(State, {130, 84, 14, 11}, "MAI:STATE", "@s2", t).upper = true;
    b.prompt(43, {148, 85, 16, 10}, "&Zip:", t);
    b.entry(Zip, {166, 84, 44, 11}, "MAI:ZIP", "@s12", t).align = rt::Align::Right;

    b.add(PhoneGroup, rt::ControlKind::Group, {8, 98, 216, 64}, "Phones", t);
    for (int r = 0; r < 4; ++r) {
        const int y = 108 + 13 * r;
        rt::ControlStructure& kind =
            b.add(phoneKind(r), rt::ControlKind::DropList, {12, y, 64, 11}, {}, t);
        kind.use = "MAI:PHONE" + std::to_string(r + 1);
        kind.from = contact_form::phoneKindList(r);  // the contact form's lists
        kind.tip = "Enter Phone Type For This Number";
        b.entry(phoneNumber(r), {80, y, 72, 11}, kPhoneFields[r], r == 0 ? "@S15" : "@s15", t)
            .align = rt::Align::Right;
        rt::ControlStructure& ext =
            b.add(phoneExtension(r), rt::ControlKind::Spin, {156, y, 34, 11}, {}, t);
        ext.use = "MAI:EXT" + std::to_string(r + 1);
        ext.picture = "@P###P";
    }

    b.prompt(58, {10, 167, 60, 10}, "Pay To:", t);
    b.entry(PayTo, {72, 166, 130, 11}, "MAI:PAYTO", "@s30", t);
    b.prompt(60, {10, 180, 60, 10}, "Check Memo:", t);
    b.entry(CheckMemo, {72, 179, 170, 11}, "MAI:CHECKMEMO", "@s40", t).tip =
        "Enter Check Memo Here - Also For Monthly Draft Information";
    b.entry(DraftDay, {72, 192, 16, 11}, "MAI:DRAFTDAY", "@n2.0", t);
    b.prompt(63, {94, 193, 60, 10}, "Monthly Amount:", t);
    b.entry(MonthlyAmount, {156, 192, 56, 11}, "MAI:MONTHLYAMOUNT", "@n$-11.2", t).tip =
        "Enter Monthly Draft Amount";
    b.prompt(65, {10, 206, 60, 10}, "&Note 1:", t);
    b.entry(Note1, {72, 205, 250, 11}, "MAI:NOTE1", "@s80", t);
    b.prompt(67, {10, 219, 60, 10}, "E-Mail:", t);
    b.entry(EMailAddress, {72, 218, 250, 11}, "MAI:NOTE2", "@s80", t);
    rt::ControlStructure& more =
        b.add(MoreNotes, rt::ControlKind::Check, {330, 205, 56, 11}, "More Notes", t);
    more.use = "MAI:CHECK1";
    more.trueValue = "X";
    more.falseValue = " ";
    b.button(AdditionalNotes, {330, 218, 56, 13}, "Add'l Notes", t);
    b.prompt(71, {10, 232, 60, 10}, "&Date:", t);
    b.entry(EntryDate, {72, 231, 52, 11}, "MAI:DATE", "@d1", t).align = rt::Align::Right;
    b.prompt(73, {132, 232, 50, 10}, "&Access Date:", t);
    b.entry(AccessDate, {184, 231, 52, 11}, "MAI:ACCESSDATE", "@d1", t).align = rt::Align::Right;

    int y = 32;
    for (const Row& r : kBankRows) {
        const bool micr = r.entry == Transit || r.entry == AccountNumber;
        b.prompt(r.prompt, {250, y + 1, 62, 10}, r.promptText, t);
        rt::ControlStructure& e =
            b.entry(r.entry, {314, y, r.width, micr ? 13 : 11}, r.field, r.picture, t);
        e.tip = r.tip;
        if (micr) e.font = {"MICR 010 BT", 12};
        y += micr ? 15 : 13;
    }
}

void appointmentPage(StructureBuilder& b) {
    const int t = AppointmentTab;
    b.prompt(100, {10, 33, 74, 10}, "Appoitment Type:", t);
    rt::ControlStructure& type =
        b.entry(AppointmentType, {86, 32, 86, 11}, "MAI:APPOITMENTTYPE", "@s20", t);
    type.tip = "Appointment Type: ie Business - Social - Birthday - etc.";
    b.prompt(102, {10, 47, 74, 10}, "Appointment Date:", t);
    b.entry(AppointmentDate, {86, 46, 52, 11}, "MAI:APPOINTMENTDATE", "@d1", t);
    calendarButton(b, AppointmentCalendar, {140, 46, 12, 11}, t).tip = "Press For Calandar";
    b.prompt(105, {10, 61, 74, 10}, "Appointment Time:", t);
    b.entry(AppointmentTime, {86, 60, 30, 11}, "MAI:APPOINTMENTTIME", "@P##:##P", t);
    for (auto [control, left, text] : {std::tuple{Am, 122, "AM"}, std::tuple{Pm, 150, "PM"}}) {
        rt::ControlStructure& box =
            b.add(control, rt::ControlKind::Check, {left, 60, 26, 11}, text, t);
        box.use = std::string("MAI:") + text;
        box.checkedUnlessBlank = true;  // any mark but a blank shows ticked
    }
    b.prompt(109, {10, 75, 74, 10}, "Appointment Subject:", t);
    b.entry(AppointmentSubject, {86, 74, 130, 11}, "MAI:APPOINTMENTSUBJECT", "@s30", t);
    b.prompt(111, {10, 90, 80, 10}, "Appointment Notes:", t);
    b.add(AppointmentNotes, rt::ControlKind::Text, {10, 101, 456, 138}, {}, t).use =
        "MAI:APPOINTMENTNOTES";
}

rt::WindowStructure makeWindow(Edition edition) {
    rt::WindowStructure w;
    w.module = edition == Edition::FollowUp ? "Tovik020" : "Tovik021";
    w.label = edition == Edition::FollowUp ? "UpdateContactInfo" : "UpdateAppointmentInfo";
    w.title = "";
    w.at = {0, 0, 479, 270};
    w.centered = true;
    w.font = {"Arial", 8};
    if (edition == Edition::Appointment) w.cursor = "3dsarro.cur";
    StructureBuilder b(w);
    b.add(Instructions, rt::ControlKind::String, {8, 3, 300, 10},
          "Place mouse on field or press help for instructions.");
    b.add(Sheet, rt::ControlKind::Sheet, {4, 14, 471, 234});
    // The pages in the edition's order; the first is shown at opening.
    const int order[2][3] = {{ContactTab, NameTab, AppointmentTab},
                             {AppointmentTab, NameTab, ContactTab}};
    for (int tab : order[edition == Edition::FollowUp ? 0 : 1]) {
        const char* text = tab == ContactTab ? "Contact Information"
                           : tab == NameTab  ? "&Name & Address File "
                                             : "Appointments";
        b.add(tab, rt::ControlKind::Tab, {}, text, Sheet);
    }
    contactPage(b, edition);
    nameAndAddressPage(b);
    appointmentPage(b);
    b.button(Ok, {339, 252, 42, 14}, "OK").isDefault = true;
    b.button(Cancel, {385, 252, 42, 14}, "Cancel");
    b.button(Help, {431, 252, 42, 14}, "Help");
    return w;
}

}  // namespace

const rt::WindowStructure& followUpFormWindow(Edition edition) {
    static const rt::WindowStructure followUp = makeWindow(Edition::FollowUp);
    static const rt::WindowStructure appointment = makeWindow(Edition::Appointment);
    return edition == Edition::FollowUp ? followUp : appointment;
}

}  // namespace windows::follow_up_form
