#include "contacts/check_information_window.h"

#include <string>

#include "runtime/ui/structure_builder.h"

namespace windows::check_information {

namespace {

struct Row {
    const char* prompt;
    const char* field;
    const char* picture;
    const char* tip;
    int width;
};

// Prompts and entries, two controls a row: prompt 4 + 2i, entry 5 + 2i.
constexpr Row kRows[] = {
    {"Check Name:", "MAI:CKECKNAME", "@s30", "Enter Name As It Appears On Check Here", 124},
    {"&Address:", "MAI:ADDRESS", "@s30", "", 124},
    {"&City:", "MAI:CITY", "@s15", "", 64},
    {"&State:", "MAI:STATE", "@s2", "", 14},
    {"&Zip:", "MAI:ZIP", "@s12", "", 52},
    {"Bank Name:", "MAI:BANKNAME", "@s30", "Enter The Name Of The Bank As It Appears On Check",
     124},
    {"Bank Address:", "MAI:BANKADDRESS", "@s30", "Enter Bank's Address As It Appears On Check",
     124},
    {"City, State, Zip", "MAI:BANKCITYSTATEZIP", "@s30", "Enter The City, State, And Zip Of Bank",
     124},
    {"Fed Number 1:", "MAI:FEDNUMBER1", "@s25",
     "Enter The Top Or Only Fed ID# - Small Numbers Near Check Number Usually", 104},
    {"Fed Number 2:", "MAI:FEDNUMBER2", "@s25", "Enter Bottom Fed ID# - If One Exists", 104},
    {"Transit:", "MAI:TRANSIT", "@s9",
     "Enter 9 Digit Transit Number - Most Often First Group Of Numbers On Bottom Of Check - See "
     "Help",
     60},
    {"Account Number:", "MAI:ACCOUNTNUMBER", "@s20",
     "Checking Account Number - Most Often Second Number - See Help", 100},
    {"Check Number:", "MAI:CHECKNUMBER", "@s10",
     "The Check Number Client Wishes You To Use - Or Check Number On Faxed Check", 44},
    {"Pay To:", "MAI:PAYTO", "@s30", "", 124},
    {"Check Memo:", "MAI:CHECKMEMO", "@s40",
     "Enter Check Memo Here - Also For Monthly Draft Information", 160},
    {"Draft Day", "MAI:DRAFTDAY", "@n2.0", "If This Is A Monthly Draft, Enter The Draft Day Here",
     16},
    {"# Of Drafts", "MAI:TAB5", "@s20",
     "Enter the number of months to draft. If every month, enter 999.", 86},
    {"Monthly Amount:", "MAI:MONTHLYAMOUNT", "@n$-11.2", "Enter Monthly Draft Amount", 50},
};

}  // namespace

const rt::WindowStructure& checkInfoWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w;
        w.module = "Tovik004";
        w.label = "UpdateClientCheckInfo";
        w.title = "";
        w.at = {0, 0, 259, 270};
        w.centered = true;
        w.cursor = "3dsarro.cur";
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        b.add(CheckInfoControl::Sheet, rt::ControlKind::Sheet, {4, 4, 251, 242});
        b.add(CheckInfoControl::Page, rt::ControlKind::Tab, {}, "&Name & Address File ",
              CheckInfoControl::Sheet);
        int y = 22;
        int i = 0;
        for (const Row& r : kRows) {
            b.prompt(4 + 2 * i, {10, y + 1, 60, 10}, r.prompt, CheckInfoControl::Page);
            rt::ControlStructure& e = b.entry(5 + 2 * i, {72, y, r.width, 11}, r.field, r.picture,
                                              CheckInfoControl::Page);
            e.tip = r.tip;
            if (std::string(r.field) == "MAI:STATE") e.upper = true;
            if (std::string(r.field) == "MAI:ZIP") e.align = rt::Align::Right;
            if (std::string(r.field) == "MAI:TRANSIT" ||
                std::string(r.field) == "MAI:ACCOUNTNUMBER")
                e.font = {"MICR 010 BT", 12};
            y += 11;  // eighteen rows end above the instruction line
            ++i;
        }
        b.add(3, rt::ControlKind::String, {10, 232, 200, 10},
              "Place mouse on field or press help for instructions.", CheckInfoControl::Page);
        b.button(CheckInfoControl::Ok, {110, 250, 40, 14}, "OK");
        return w;
    }();
    return structure;
}

}  // namespace windows::check_information
