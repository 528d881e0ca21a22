#include "labels/business_card_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::business_card_form {

namespace {

struct Line {
    int prompt, entry;
    const char* text;
    const char* use;
    const char* picture;
    int width;
};

// Prompts and entries down the sheet, one line each.
const Line kLines[] = {
    {3, CardFormControl::BusinessName, "&Business Name:", "CAR:BUSINESSNAME", "@S40", 160},
    {5, CardFormControl::Name, "&Name:", "CAR:NAME", "@S40", 160},
    {8, CardFormControl::Title, "Title:", "CAR:TITLE", "@s20", 84},
    {9, CardFormControl::Address, "&Address:", "CAR:ADDRESS", "@S40", 160},
    {11, CardFormControl::CityStateZip, "&City State Zip:", "CAR:CITYSTATEZIP", "@S40", 160},
    {13, CardFormControl::Phone, "&Phone:", "CAR:PHONE", "@s15", 64},
    {15, CardFormControl::Fax, "&Fax:", "CAR:FAX", "@S15", 64},
    {17, CardFormControl::Email, "&Email:", "CAR:EMAIL", "@s30", 124},
    {19, CardFormControl::WebSite, "&Web Site:", "CAR:WEBSITE", "@s30", 124},
    {21, CardFormControl::ImageFileName, "Image File Name:", "GLO:ImageFileName", "@s40", 128},
};

}  // namespace

const rt::WindowStructure& businessCardFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace CardFormControl;
        rt::WindowStructure w;
        w.module = "Tovik108";
        w.label = "P1$QUICKWINDOW";
        w.title = "Update File";
        w.at = {0, 0, 307, 206};
        w.centered = true;
        w.font = {"MS Sans Serif", 8};
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        w.resizable = true;
        StructureBuilder b(w);
        b.add(Sheet, rt::ControlKind::Sheet, {4, 4, 299, 178});
        b.add(Tab, rt::ControlKind::Tab, {}, " ", Sheet);
        int y = 22;
        for (const Line& l : kLines) {
            // The file-name entry stands level with its "..." button.
            if (l.entry == ImageFileName) y = 151;
            b.prompt(l.prompt, {10, y + 1, 62, 10}, l.text, Tab);
            b.entry(l.entry, {74, y, l.width, 11}, l.use, l.picture, Tab);
            y += 14;
        }
        b.button(Ok, {150, 186, 45, 14}, "OK").isDefault = true;
        b.button(Cancel, {199, 186, 45, 14}, "Cancel");
        b.button(Help, {248, 186, 45, 14}, "Help");
        b.add(Picture, rt::ControlKind::Image, {221, 125, 45, 38});
        b.button(ChooseFile, {204, 151, 12, 12}, "...");
        return w;
    }();
    return structure;
}

}  // namespace windows::business_card_form
