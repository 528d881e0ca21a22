#include "checks/check_search_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::check_search {

namespace {

using namespace CheckSearchControl;

struct Row {
    int prompt;
    const char* text;
    int entry;
    const char* field;
    const char* picture;
    int x, y, width;
    bool right;
};

// Left column at x 6, right column at x 206; each entry 70 to the right of its prompt.
constexpr Row kRows[] = {
    {1, "&First Name:", FirstName, "CHE:FIRSTNAME", "@S15", 6, 8, 64, false},
    {CheckNumberPrompt, "&Check Number:", CheckNumber, "CHE:CHECKNUMBER", "@S10", 206, 8, 44,
     false},
    {5, "Check ID:", CheckId, "CHE:CHECKID", "@n_7", 6, 22, 40, true},
    {7, "&Check Date:", CheckDate, "CHE:CHECKDATE", "@D1", 206, 22, 50, true},
    {9, "&Last Name:", LastName, "CHE:LASTNAME", "@S15", 6, 36, 64, false},
    {11, "&Company Name:", CompanyName, "CHE:COMPANYNAME", "@S30", 6, 50, 120, false},
    {AmountPrompt, "Amount:", Amount, "CHE:AMOUNT", "@n$*10.2", 206, 36, 56, true},
    {15, "Address:", Address, "CHE:ADDRESS", "@s30", 6, 64, 120, false},
    {17, "City:", City, "CHE:CITY", "@s15", 6, 78, 64, false},
    {MonthlyAmountPrompt, "&Monthly Amount:", MonthlyAmount, "CHE:MONTHLYAMOUNT", "@n$10.2", 206,
     50, 56, true},
    {21, "State:", State, "CHE:STATE", "@s2", 6, 92, 16, false},
    {23, "Zip:", Zip, "CHE:ZIP", "@s12", 206, 64, 50, false},
    {25, "Phone:", Phone, "CHE:PHONE", "@P###-###-####P", 206, 78, 60, false},
    {27, "&Check Name:", CheckName, "CHE:CHECKNAME", "@S30", 6, 106, 120, false},
    {29, "Pay To:", PayTo, "CHE:PAYTO", "@s30", 6, 120, 120, false},
    {CheckMemoPrompt, "&Check Memo:", CheckMemo, "CHE:CHECKMEMO", "@S40", 6, 134, 160, false},
};

rt::WindowStructure makeWindow() {
    rt::WindowStructure w;
    w.module = "Tovik025";
    w.label = "P1$QUICKWINDOW";
    w.title = "";
    w.at = {0, 0, 387, 200};
    w.centered = true;
    w.font = {"MS Sans Serif", 8};
    w.frame = rt::FrameKind::Resizable;
    w.resizable = true;
    StructureBuilder b(w);
    for (const Row& r : kRows) {
        b.prompt(r.prompt, {r.x, r.y + 1, 64, 10}, r.text);
        rt::ControlStructure& e =
            b.entry(r.entry, {r.x + 70, r.y, r.width, 11}, r.field, r.picture);
        if (r.right) e.align = rt::Align::Right;
    }
    b.button(Ok, {180, 178, 46, 14}, "OK");
    b.button(Cancel, {230, 178, 46, 14}, "Cancel");
    b.button(SearchType, {280, 178, 50, 14}, "&Search Type").tip = "Comparison Operator";
    b.button(BeginSearch, {334, 178, 50, 14}, "&Begin Search").tip = "Begin Search";
    return w;
}

}  // namespace

const rt::WindowStructure& checkSearchWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::check_search
