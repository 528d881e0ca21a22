#include "invoices/company_chooser_window.h"

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::company_chooser {

namespace {

// What differs between the three choosers.
struct Variant {
    const char* module;
    const char* nextStep;
    const char* headers[3];
    ChooserControls controls;
    rt::Rect choiceAt;
};

const Variant kVariants[] = {
    {"Tovik063",
     "BrowseInvoices",
     {"COMPANY NAME", "ADDRESS", "CITYSTATEZIP"},
     {1, 2, 3, 4, 5, 6, 7},
     {7, 78, 175, 21}},
    {"Tovik072",
     "PrintEnvelopes",
     {"Company Name", "Address", "City - State - Zip"},
     {1, 2, 7, 3, 4, 5, 6},
     {7, 79, 175, 19}},
    {"Tovik102",
     "PrintShippingLabel",
     {"Company Name", "Address", "City - State - Zip"},
     {1, 2, 7, 3, 4, 5, 6},
     {7, 75, 175, 24}},
};

const Variant& variant(ChooserRoad road) {
    return kVariants[static_cast<int>(road)];
}

rt::ControlStructure& blueBold(rt::ControlStructure& button) {
    button.font.color = 0x0000FF;
    button.font.bold = true;
    return button;
}

rt::WindowStructure makeWindow(const Variant& v) {
    const ChooserControls& c = v.controls;
    rt::WindowStructure w;
    w.module = v.module;
    w.label = "P1$BROWSEWINDOW";
    w.title = "Select Company Name For Return Address";
    w.at = {0, 0, 192, 137};
    w.centered = true;
    w.font = {"Arial", 8};
    w.cursor = "3dsarro.cur";
    w.wallpaper = {"Tile_35.bmp", true, false};
    StructureBuilder b(w);
    rt::ControlStructure& list = b.add(c.list, rt::ControlKind::List, {5, 7, 184, 63});
    list.format = std::string("120L(2)|M~") + v.headers[0] + "~@s30@120L(2)|M~" + v.headers[1] +
                  "~@s30@120L(2)|~" + v.headers[2] +
                  "~@s30@48R(1)|~PHONE~L@n-15.0@48R(1)|~FAX~L@n-15.0@28D(16)|~SALESTAX~L@P.#####P@";
    list.tip = "Browsing Records";
    list.font.color = 0x0000FF;
    list.background = 0xCCCCFF;
    list.verticalScroll = true;
    list.listFlags = 0x800;
    rt::ControlStructure& frame = b.add(c.frame, rt::ControlKind::Box, {1, 73, 187, 61});
    frame.font.color = 0x000000;
    frame.background = 0x0000A0;
    const bool choiceLast = c.choice > c.close;
    auto addChoice = [&] {
        blueBold(b.button(c.choice, v.choiceAt, "&Press Here After Selection"));
    };
    if (!choiceLast) addChoice();
    rt::ControlStructure& remove = b.button(c.remove, {136, 116, 45, 14}, "&Delete");
    remove.font.color = 0xFF0000;
    remove.key = KEY::Delete;
    blueBold(b.button(c.open, {136, 101, 45, 14}, "Open"));
    blueBold(b.button(c.add, {7, 101, 125, 14}, "Add"));
    blueBold(b.button(c.close, {7, 116, 125, 14}, "Close"));
    if (choiceLast) addChoice();
    return w;
}

}  // namespace

const ChooserControls& chooserControls(ChooserRoad road) {
    return variant(road).controls;
}

const char* nextStep(ChooserRoad road) {
    return variant(road).nextStep;
}

const rt::WindowStructure& companyChooserWindow(ChooserRoad road) {
    static const rt::WindowStructure structures[] = {
        makeWindow(kVariants[0]), makeWindow(kVariants[1]), makeWindow(kVariants[2])};
    return structures[static_cast<int>(road)];
}

}  // namespace windows::company_chooser
