#include "contacts/contact_form_window.h"

#include <string>

#include "runtime/ui/structure_builder.h"

namespace windows::contact_form {

namespace {

using namespace ContactFormControl;

constexpr const char* kKindLists[] = {
    "Home Phone|Work Phone|Fax|Cell Phone|Beeper|Data|Voice Mail",
    "Work Phone|Fax|Cell Phone|Beeper|Data|Voice Mail|Home Phone",
    "Fax|Cell Phone|Beeper|Data|Voice Mail|Home Phone|Work Phone",
    "Cell Phone|Beeper|Data|Voice Mail|Home Phone|Work Phone|Fax",
    "Beeper|Data|Voice Mail|Home Phone|Work Phone|Fax|Cell Phone",
};
constexpr const char* kPhoneFields[] = {"MAI:HOMEPHONE", "MAI:WORKPHONE", "MAI:FAX",
                                        "MAI:CELLPHONE", "MAI:BEEPER"};

rt::WindowStructure makeContactFormWindow() {
    rt::WindowStructure w;
    w.module = "Tovik002";
    w.label = "UpdateMAIL";
    w.title = "";
    w.at = {0, 0, 424, 256};
    w.centered = true;
    w.font = {"Arial", 8};
    StructureBuilder b(w);

    // "Number on levels:" and the levels 1 to 10, each right-aligned over its count, so
    // that numbers and counts line up whatever the font.
    b.add(LevelHeading, rt::ControlKind::String, {8, 2, 66, 9}, "Number on levels:");
    for (int i = 0; i < 10; ++i) {
        const rt::Rect column{76 + 33 * i, 2, 24, 9};
        b.add(FirstLevelNumber + i, rt::ControlKind::String, column, std::to_string(i + 1)).align =
            rt::Align::Right;
        rt::ControlStructure& c =
            b.add(FirstLevelCount + i, rt::ControlKind::String, {column.x, 11, column.width, 9});
        c.use = "MAI:L" + std::to_string(i + 1);
        c.picture = "@n5";
        c.align = rt::Align::Right;
    }

    b.add(Sheet, rt::ControlKind::Sheet, {4, 22, 416, 212});
    b.add(NameTab, rt::ControlKind::Tab, {}, "&Name & Address File ", Sheet);
    b.add(ContactTab, rt::ControlKind::Tab, {}, "Contact Information", Sheet);
    b.add(AppointmentTab, rt::ControlKind::Tab, {}, "Appointments", Sheet);

    // Name and address.
    const int t1 = NameTab;
    b.prompt(20, {10, 40, 60, 10}, "&First, Last Name:", t1);
    b.entry(FirstName, {72, 39, 64, 11}, "MAI:FIRSTNAME", "@s15", t1).tip =
        "Enter First Name Of Client";
    b.entry(LastName, {138, 39, 64, 11}, "MAI:LASTNAME", "@s15", t1).tip =
        "Enter The Last Name Of Client";
    b.prompt(23, {10, 53, 60, 10}, "&Company Name:", t1);
    b.entry(CompanyName, {72, 52, 130, 11}, "MAI:COMPANYNAME", "@s30", t1).tip =
        "If Client Is A Company, Enter Company Name Here";
    b.prompt(25, {10, 66, 60, 10}, "&Address:", t1);
    b.entry(Address, {72, 65, 130, 11}, "MAI:ADDRESS", "@s30", t1);
    b.prompt(27, {10, 79, 24, 10}, "&City:", t1);
    b.entry(City, {36, 78, 64, 11}, "MAI:CITY", "@s15", t1);
    b.prompt(29, {102, 79, 22, 10}, "&State:", t1);
    b.entry(State, {126, 78, 14, 11}, "MAI:STATE", "@s2", t1);
    b.prompt(31, {142, 79, 14, 10}, "&Zip:", t1);
    b.entry(Zip, {158, 78, 36, 11}, "MAI:ZIP", "@s12", t1).align = rt::Align::Right;
    b.button(ZipLookup, {196, 78, 10, 11}, "Z", t1);

    b.add(PhoneGroup, rt::ControlKind::Group, {8, 92, 200, 76}, "Phones", t1);
    for (int r = 0; r < 5; ++r) {
        const int y = 102 + 13 * r;
        rt::ControlStructure& dial = b.button(dialButton(r), {12, y, 12, 11}, "", t1);
        dial.icon = "PHONE.ICO";
        dial.tip = "Press Icon To Dial Phone";
        rt::ControlStructure& kind =
            b.add(phoneKind(r), rt::ControlKind::DropList, {26, y, 60, 11}, {}, t1);
        kind.use = "MAI:PHONE" + std::to_string(r + 1);
        kind.from = kKindLists[r];
        b.entry(phoneNumber(r), {88, y, 64, 11}, kPhoneFields[r], "@s15", t1).align =
            rt::Align::Right;
        rt::ControlStructure& ext =
            b.add(phoneExtension(r), rt::ControlKind::Spin, {154, y, 30, 11}, {}, t1);
        ext.use = "MAI:EXT" + std::to_string(r + 1);
        ext.picture = "@P###P";
    }
    b.button(AreaCodeLookup, {188, 102, 14, 11}, "A", t1);

    b.prompt(56, {10, 172, 30, 10}, "&Note :", t1);
    b.entry(Note1, {42, 171, 200, 11}, "MAI:NOTE1", "@s80", t1);
    b.button(SendEMailButton, {10, 185, 50, 12}, " Send E-Mail", t1).tip =
        "Press here to send e-mail to your default e-mail program.";
    b.entry(EMailAddress, {62, 185, 180, 11}, "MAI:NOTE2", "@s80", t1);
    rt::ControlStructure& more =
        b.add(MoreNotes, rt::ControlKind::Check, {248, 185, 50, 11}, "More Notes", t1);
    more.use = "MAI:CHECK1";
    more.trueValue = "X";
    more.falseValue = " ";
    rt::ControlStructure& web = b.button(WebButton, {10, 199, 16, 14}, "", t1);
    web.icon = "C:\\Download\\globe5b.gif";
    web.tip = "Go To Web Site After Logging On To The Internet";
    b.entry(WebSite, {28, 200, 160, 11}, "MAI:WEBSITE", "@s40", t1).tip =
        "Enter The Web Site's Address";
    b.prompt(63, {10, 216, 20, 10}, "&Date:", t1);
    b.entry(EntryDate, {32, 215, 50, 11}, "MAI:DATE", "@d1", t1);
    b.prompt(65, {90, 216, 44, 10}, "&Access Date:", t1);
    b.entry(AccessDate, {136, 215, 50, 11}, "MAI:ACCESSDATE", "@d1", t1);

    b.button(CheckInformation, {214, 38, 200, 12}, "Enter Basic Check Information", t1);
    b.prompt(68, {216, 54, 24, 10}, "Card #", t1);
    b.entry(CardNumber, {242, 53, 86, 11}, "MAI:X10", "@s20", t1);
    b.prompt(70, {332, 54, 16, 10}, "Exp.", t1);
    b.entry(CardExpiry, {350, 53, 40, 11}, "MAI:X9", "@s8", t1);
    b.prompt(72, {216, 70, 44, 10}, "ID Number:", t1);
    b.entry(IdNumber, {262, 69, 64, 11}, "MAI:IDNUMBER", "@s15", t1);
    b.prompt(74, {332, 70, 22, 10}, "Level:", t1);
    b.entry(Level, {356, 69, 16, 11}, "MAI:LEVEL", "@n2", t1);
    b.prompt(76, {216, 84, 44, 10}, "Sponsor ID:", t1);
    b.entry(SponsorId, {262, 83, 64, 11}, "MAI:SPONSORID", "@s15", t1);
    b.button(TakeSponsor, {328, 83, 14, 11}, "...", t1).tip =
        "Press after looking sponsor to enter the information.";
    b.prompt(79, {216, 98, 44, 10}, "Sponsor:", t1);
    b.entry(Sponsor, {262, 97, 86, 11}, "MAI:SPONSOR", "@s20", t1);
    b.prompt(81, {216, 112, 44, 10}, "Company ID", t1);
    b.entry(CompanyId, {262, 111, 86, 11}, "MAI:TAB4", "@s20", t1);
    b.prompt(83, {216, 126, 44, 10}, "Tag 1:", t1);
    b.entry(Tag1, {262, 125, 86, 11}, "MAI:TAB1", "@s20", t1).tip =
        "Enter tag information for later search";
    b.prompt(85, {216, 140, 44, 10}, "Tag 2:", t1);
    b.entry(Tag2, {262, 139, 86, 11}, "MAI:TAB2", "@s20", t1).tip =
        "Enter tag information for later search";
    b.prompt(87, {216, 154, 44, 10}, "Tag 3:", t1);
    b.entry(Tag3, {262, 153, 86, 11}, "MAI:TAB3", "@s20", t1);
    b.button(AdditionalNotes, {300, 184, 50, 14}, "Add'l Notes", t1);

    // Contact information.
    const int t2 = ContactTab;
    rt::ControlStructure& follow =
        b.add(FollowUp, rt::ControlKind::Option, {10, 40, 120, 80}, "Follow Up", t2);
    follow.use = "MAI:FOLLOWUP";
    const char* radios[] = {"Call Back", "They Will Call Back", "Follow With Letter",
                            "Make Appointment", "Finished"};
    for (int i = 0; i < 5; ++i)
        b.add(91 + i, rt::ControlKind::Radio, {16, 52 + 13 * i, 100, 11}, radios[i], FollowUp);
    b.prompt(96, {140, 40, 80, 10}, "E-Mail Address", t2);
    b.entry(EMail1, {140, 52, 86, 11}, "MAI:EMAIL1", "@s20", t2);
    b.entry(EMail2, {140, 65, 86, 11}, "MAI:EMAIL2", "@s20", t2);
    b.entry(EMail3, {140, 78, 86, 11}, "MAI:EMAIL3", "@s20", t2);
    b.prompt(100, {240, 40, 50, 10}, "Contact Date", t2);
    b.entry(ContactDate, {240, 52, 50, 11}, "MAI:CONTDAY", "@d1", t2);
    rt::ControlStructure& cal1 = b.button(ContactCalendar, {292, 52, 12, 11}, "", t2);
    cal1.icon = "CALENDAR.ICO";
    cal1.tip = "Press For Calandar";
    b.prompt(103, {10, 126, 80, 10}, "Contact Notes:", t2);
    b.add(ContactNotes, rt::ControlKind::Text, {10, 137, 196, 90}, {}, t2).use = "MAI:CONTACTNOTES";
    b.prompt(105, {214, 126, 80, 10}, "Contact Results", t2);
    b.add(ContactResults, rt::ControlKind::Text, {214, 137, 196, 90}, {}, t2).use =
        "MAI:CONTACTRESULTS";

    // Appointments.
    const int t3 = AppointmentTab;
    b.prompt(110, {10, 40, 70, 10}, "Appoitment Type:", t3);
    b.entry(AppointmentType, {82, 39, 86, 11}, "MAI:APPOITMENTTYPE", "@s20", t3).tip =
        "Appointment Type: ie Business - Social - Birthday - etc.";
    b.prompt(112, {10, 54, 70, 10}, "Appointment Date:", t3);
    b.entry(AppointmentDate, {82, 53, 50, 11}, "MAI:APPOINTMENTDATE", "@d1", t3);
    rt::ControlStructure& cal2 = b.button(AppointmentCalendar, {134, 53, 12, 11}, "", t3);
    cal2.icon = "CALENDAR.ICO";
    cal2.tip = "Press For Calandar";
    b.prompt(115, {10, 68, 70, 10}, "Appointment Time:", t3);
    b.entry(AppointmentTime, {82, 67, 30, 11}, "MAI:APPOINTMENTTIME", "@P##:##P", t3);
    rt::ControlStructure& am = b.add(Am, rt::ControlKind::Check, {116, 67, 24, 11}, "AM", t3);
    am.use = "MAI:AM";
    am.checkedUnlessBlank = true;
    rt::ControlStructure& pm = b.add(Pm, rt::ControlKind::Check, {142, 67, 24, 11}, "PM", t3);
    pm.use = "MAI:PM";
    pm.checkedUnlessBlank = true;
    b.prompt(119, {10, 82, 70, 10}, "Appointment Subject:", t3);
    b.entry(AppointmentSubject, {82, 81, 130, 11}, "MAI:APPOINTMENTSUBJECT", "@s30", t3);
    b.prompt(121, {10, 96, 80, 10}, "Appointment Notes:", t3);
    b.add(AppointmentNotes, rt::ControlKind::Text, {10, 107, 300, 110}, {}, t3).use =
        "MAI:APPOINTMENTNOTES";

    b.button(Ok, {290, 238, 40, 14}, "OK").isDefault = true;
    b.button(Cancel, {334, 238, 40, 14}, "Cancel");
    b.button(Help, {378, 238, 40, 14}, "Help");
    return w;
}

}  // namespace

const char* phoneKindList(int row) {
    return kKindLists[row];
}

const rt::WindowStructure& contactFormWindow() {
    static const rt::WindowStructure structure = makeContactFormWindow();
    return structure;
}

}  // namespace windows::contact_form
