// BrowseMAIL: "Names And Information", the main contacts list.

#include <string>
#include <vector>

#include "contacts/contact_procedures.h"
#include "contacts/contacts_list.h"
#include "contacts/contacts_list_window.h"
#include "contacts/hand_overs.h"
#include "frame/browse_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "frame/start_program.h"
#include "frame/tagging.h"
#include "records/mail.h"
#include "records/plf.h"
#include "records/tag_file.h"
#include "runtime/text/day_number.h"
#include "runtime/text/number_text.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/program.h"

namespace {

using namespace windows::contacts_list;
using namespace ContactsControl;

// Icon numbers of the list.
constexpr int kIconNone = 1, kIconToday = 2, kIconTagged = 3, kIconAppointmentAhead = 4,
              kIconFollowUpAhead = 5, kIconPast = 6;

// The status of a contact: its follow-up day and appointment against today.
int StatusIcon(long followUp, long appointment, long today) {
    if (followUp > 0 && followUp > today) return kIconFollowUpAhead;
    if (appointment > 0 && appointment > today) return kIconAppointmentAhead;
    if (followUp == today) return kIconToday;
    if (appointment == today) return kIconToday;
    if (followUp > 0 && followUp < today) return kIconPast;
    if (appointment > 0 && appointment < today) return kIconPast;
    return kIconNone;
}

struct CalledProcedure {
    int control;
    const char* name;
    long request;
};

// Buttons that call another procedure; a button whose procedure the program lacks is
// disabled.
constexpr CalledProcedure kCalls[] = {
    {ToolChecksToPrint, "PostChecksToPrint", REQ::None},
    {ToolCheckRegister, "BrowseCheckRegister", REQ::None},
    {ToolMonthlyDrafts, "BrowseMonthlyDrafts", REQ::None},
    {ToolInvoice, "SelectInvoiceCompany", REQ::Select},
    {ToolHelp, "HelpBrowse", REQ::None},
    {ToolEnvelope, "SelectEnvelopeCompany", REQ::Select},
    {ToolContacts, "BrowseContacts", REQ::None},
    {ToolAppointments, "BrowseAppointments", REQ::None},
    {ToolZipCodes, "ZipCode", REQ::None},
    {ToolAreaCodes, "AreaCodes", REQ::None},
    {ToolBusinessCards, "BrowsePrintBusinessCards", REQ::None},
    {MlmPanel, "DownlinePanel", REQ::None},
    {PrintTaggedLabels, "SelectLabelType", REQ::None},
    {PrintTaggedReport, "PrintMAILReport", REQ::None},
    {PhoneNumbers, "DialPhoneNumbers", REQ::None},
};

constexpr const rt::Field* kShownAfterFirstName[] = {
    &MAI::LASTNAME, &MAI::COMPANYNAME, &MAI::CITY,     &MAI::STATE,
    &MAI::ZIP,      &MAI::HOMEPHONE,   &MAI::WORKPHONE};

// The shown fields of a row (laid out by extraColumns) back into the buffer.
void RecordFromShownFields(const std::vector<rt::Value>& row) {
    constexpr std::size_t kFirstName = 2;  // after the tag mark and its icon
    if (row.size() < kFirstName + 2 + std::size(kShownAfterFirstName)) return;
    MAI::FIRSTNAME.setText(row[kFirstName].asText());
    std::size_t i = kFirstName + 2;  // after the status icon
    for (const rt::Field* f : kShownAfterFirstName)
        f->setText(row[i++].asText());
}

}  // namespace

ContactsList::ContactsList() : BrowseProcedure(contactsWindow(), sheet(), {&TagFile, &PLF}) {
    for (const CalledProcedure& c : kCalls) {
        const std::string name = c.name;
        const long request = c.request;
        OnButton(c.control, [this, name, request] {
            if (ProcedureEntry p = FindProcedure(name))
                Call(p, request == REQ::None ? std::nullopt : std::optional<long>(request));
        });
    }
    OnButton(ToolFileManager, [this] {
        StartDesktopProgram("winfile.exe ");
        LOC.RefreshPending = 1;
    });
    OnButton(ToolWordProcessor, [this] {
        StartDesktopProgram("write.exe ");
        LOC.RefreshPending = 1;
    });
    OnButton(ToolMlmPanel, [] {
        // The panel runs beside the list, on a thread of its own.
        if (ProcedureEntry panel = FindProcedure("DownlinePanel")) rt::start(panel, 25000);
    });
    OnButton(EMail, [] { SendEMail(MAI::NOTE2.text()); });
    OnButton(Web, [] { OpenWebSite(MAI::WEBSITE.text()); });
    OnButton(PostNewDistributor, [this] {
        // With no contact highlighted there is no distributor to count.
        if (rowCount() == 0) return;
        if (ProcedureEntry walk = FindProcedure("LevelWalk")) walk();
    });
    OnButton(NextTag, [this] { GoToNextTagged(TAG::Contacts, true); });
    OnButton(PrevTag, [this] { GoToNextTagged(TAG::Contacts, false); });
    OnButton(Search, [this] { search(); });
}

BrowseSheet ContactsList::sheet() {
    BrowseSheet s;
    s.file = &MAIL;
    s.displayName = "MAIL";
    s.list = List;
    s.tabs = Sheet;
    const int keys[] = {MAI::KEYFIRSTNAME, MAI::KEYLASTNAME, MAI::KEYCOMPANYNAME,
                        MAI::KEYCITY,      MAI::KEYSTATE,    MAI::KEYZIP};
    for (int i = 0; i < 6; ++i) {
        BrowseOrder o = BrowseOrder::keyed(keys[i], LocatorKind::Entry,
                                           i == 0 ? StopKind::Text : StopKind::None);
        o.entryControl = FirstLocator + i;
        s.orders.push_back(o);
    }
    s.quickScanFills = true;
    s.buttons.insert = Add;
    s.buttons.change = Open;
    s.buttons.remove = Delete;
    s.buttons.close = Close;
    s.buttons.copy = Copy;
    s.rowControls = {Open, Delete, Copy};
    s.updateForm = [] { SearchMAIL(); };
    s.popupText = "&Add|&Open|&Delete|-|Cop&y";
    s.popupTextEmpty = "&Add|~&Open|~&Delete|-|~Cop&y";
    s.popupButtons = {Add, Open, Delete, Copy};
    s.tagging.table = TAG::Contacts;
    s.tagging.valueField = MAI::FIRSTNAME.index();
    s.tagging.tag = Tag;
    s.tagging.untag = Untag;
    s.tagging.tagAll = TagAll;
    s.tagging.untagAll = UntagAll;
    s.tagging.showTagged = ShowTagged;
    s.tagging.showAllText = "Sho&w All";
    s.tagging.showTaggedText = "Sho&w Tagged";
    return s;
}

bool ContactsList::takeEvent() {
    if (window().event() == EVENT::NewSelection && window().field() == List && rowCount() > 0) {
        int row = static_cast<int>(window().prop(List, PROP::SelectedRow));
        if (row < 1 || row > rowCount()) row = currentRow();
        if (row >= 1 && row <= rowCount()) RecordFromShownFields(rowFields(row));
    }
    const bool consumed = BrowseProcedure::takeEvent();
    publishHighlighted();
    return consumed;
}

// The downline panel, on its own thread too, searches the up-line of this contact.
void ContactsList::publishHighlighted() {
    const int row = currentRow();
    GLO::HighlightedContact = row >= 1 && row <= rowCount() ? rowPosition(row) : std::string();
}

void ContactsList::finishing() {
    GLO::HighlightedContact.clear();
    BrowseProcedure::finishing();
}

void ContactsList::setUpWindow() {
    BrowseProcedure::setUpWindow();
    const char* icons[] = {"~ ",          "~Blueb.ico",  "~C:\\icon5\\Check.ico",
                           "~Greenb.Ico", "~Greenb.ico", "~Redb.ico"};
    for (int i = 0; i < 6; ++i)
        window().setListIcon(List, i + 1, icons[i]);
    for (const CalledProcedure& c : kCalls)
        if (!FindProcedure(c.name)) window().setProp(c.control, PROP::Disable, 1);
    if (!FindProcedure("DownlinePanel")) window().setProp(ToolMlmPanel, PROP::Disable, 1);
    if (!FindProcedure("LevelWalk")) window().setProp(PostNewDistributor, PROP::Disable, 1);
}

void ContactsList::extraColumns(std::vector<rt::Value>& row) {
    const bool tagged = !row.empty() && row.front().asText() == "X";
    row.emplace_back(rt::Decimal(tagged ? kIconTagged : kIconNone));
    row.emplace_back(MAI::FIRSTNAME.text());
    const long appointment = rt::dayNumberFromText(MAI::APPOINTMENTDATE.text());
    row.emplace_back(rt::Decimal(
        StatusIcon(static_cast<long>(MAI::CONTDAY.integer()), appointment, rt::today())));
    for (const rt::Field* f : kShownAfterFirstName)
        row.emplace_back(f->text());
}

void ContactsList::search() {
    Call(&SearchMAIL, REQ::Search);
    const long response = GLO::Response;
    GLO::Response = 0;
    if (response < 0) {
        if (!showingTaggedOnly())
            window().post(EVENT::Accepted, ShowTagged);
        else
            LOC.RefreshPending = 1;
    } else {
        RefreshPage(Refill::KeepPage);
    }
    Refresh();
}

void BrowseMAIL() {
    ContactsList().run();
}
