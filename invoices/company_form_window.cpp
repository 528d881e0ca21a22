#include "invoices/company_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::company_form {

const rt::WindowStructure& companyFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace CompanyFormControl;
        rt::WindowStructure w;
        w.module = "Tovik064";
        w.label = "P1$FORMWINDOW";
        w.title = "Enter Your Company Name";
        w.at = {18, 5, 219, 132};
        w.centered = false;
        w.font = {"Arial", 8};
        w.cursor = "3dsarro.cur";
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        b.entry(CompanyName, {81, 8, 124, 10}, "COM:COMPANYNAME", "@s30");
        b.prompt(2, {12, 10, 66, 10}, "COMPANY NAME:");
        b.entry(Address, {81, 23, 124, 10}, "COM:ADDRESS", "@s30");
        b.prompt(4, {35, 26, 42, 10}, "ADDRESS:");
        b.entry(CityStateZip, {81, 38, 124, 10}, "COM:CITYSTATEZIP", "@s30");
        b.prompt(6, {17, 42, 60, 10}, "CITY STATE ZIP:");
        b.entry(Phone, {81, 54, 53, 12}, "COM:PHONE", "@P###-###-####Pb").align = rt::Align::Right;
        b.prompt(8, {45, 58, 32, 10}, "PHONE:");
        b.entry(Fax, {81, 70, 53, 12}, "COM:FAX", "@P###-###-####Pb").align = rt::Align::Right;
        b.prompt(10, {10, 85, 48, 10}, "SALES TAX:");
        // The rate as a number of five places, shown ".08875": typed digits are never spread
        // over the places, so a percentage ("7", "8.875") is refused rather than taken.
        b.entry(SalesTax, {14, 97, 30, 10}, "COM:SALESTAX", "@n6.5").align = rt::Align::Decimal;
        b.prompt(12, {54, 72, 24, 10}, "FAX:");
        rt::ControlStructure& hint = b.add(RateHint, rt::ControlKind::String, {47, 99, 120, 10},
                                           "6.5% Should Be Entered .06500");
        hint.font.color = 0xFF80FF;
        hint.transparent = true;
        b.add(14, rt::ControlKind::Panel, {3, 112, 213, 18}).background = 0x400080;
        b.button(Ok, {115, 115, 40, 12}, "OK").isDefault = true;
        b.button(Cancel, {162, 115, 47, 12}, "Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::company_form
