#include "checks/blank_check_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::blank_check_form {

const rt::WindowStructure& blankCheckFormWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace BlankFormControl;
        rt::WindowStructure w;
        w.module = "Tovik100";
        w.label = "UpdateBlankCheck";
        w.title = "Enter Check Information";
        w.at = {0, 0, 410, 213};
        w.centered = true;
        w.font = {"Arial", 8};
        w.cursor = "3dsarro.cur";
        w.wallpaper.file = "Tile_35.bmp";
        w.wallpaper.tiled = true;
        StructureBuilder b(w);
        const rt::Font micr10{"MICR 010 BT", 10};
        const rt::Font micr13{"MICR 013 BT", 12};

        b.prompt(1, {6, 6, 40, 10}, "&First Name:");
        b.entry(FirstName, {48, 5, 64, 11}, "CHE1:FIRSTNAME", "@S15");
        b.entry(LastName, {116, 5, 64, 11}, "CHE1:LASTNAME", "@S15");
        b.prompt(4, {190, 6, 24, 10}, "Phone:");
        b.entry(Phone, {216, 5, 60, 11}, "CHE1:PHONE", "@P###-###-####P");
        b.prompt(6, {6, 20, 60, 10}, "Image File Name:");
        b.entry(ImageFileName, {68, 19, 160, 11}, "GLO:ImageFileName", "@s40");
        b.button(ChooseFile, {230, 18, 16, 13}, "...");

        b.prompt(8, {6, 36, 80, 10}, "Name And Address");
        rt::ControlStructure& name = b.entry(CheckName, {6, 46, 124, 11}, "CHE1:CHECKNAME", "@S30");
        name.required = true;
        b.entry(Address, {6, 58, 124, 11}, "CHE1:ADDRESS", "@s30");
        b.entry(City, {6, 70, 64, 11}, "CHE1:CITY", "@s15");
        b.entry(State, {72, 70, 16, 11}, "CHE1:STATE", "@s2").upper = true;
        b.entry(Zip, {90, 70, 40, 11}, "CHE1:ZIP", "@s12");
        b.prompt(14, {6, 97, 54, 10}, "Funds Payable:");
        rt::ControlStructure& funds = b.entry(Funds, {62, 96, 124, 11}, "CHE1:FUNDS", "@s30");
        funds.align = rt::Align::Center;
        funds.tip = "If check is to be payable in an other countries funds, change this field.";

        b.prompt(16, {6, 110, 90, 10}, "Bank Name And Address");
        b.entry(BankName, {6, 120, 124, 11}, "CHE1:BANKNAME", "@S30").required = true;
        b.entry(BankAddress, {6, 132, 124, 11}, "CHE1:BANKADDRESS", "@S30");
        b.entry(BankCityStateZip, {6, 144, 124, 11}, "CHE1:BANKCITYSTATEZIP", "@S30");
        b.prompt(20, {140, 36, 50, 10}, "Check Number");
        b.entry(CheckNumber, {140, 46, 44, 11}, "CHE1:CHECKNUMBER", "@S10");
        b.prompt(22, {140, 60, 50, 10}, "Fed Number");
        b.entry(FedNumber1, {140, 70, 64, 11}, "CHE1:FEDNUMBER1", "@S15");
        b.entry(FedNumber2, {140, 82, 64, 11}, "CHE1:FEDNUMBER2", "@S15");

        b.entry(TransitSign, {6, 168, 10, 14}, "CHE1:ANSIGN", "@s1").font = micr13;
        b.prompt(26, {18, 158, 40, 8}, "&Transit:");
        rt::ControlStructure& transit = b.entry(Transit, {18, 168, 56, 12}, "CHE1:TRANSIT", "@s9");
        transit.font = micr10;
        transit.align = rt::Align::Right;
        transit.required = true;
        b.entry(OnUsSign, {78, 168, 10, 14}, "CHE1:CKSIGN", "@s1").font = micr13;
        b.prompt(29, {92, 158, 60, 8}, "&Account Number:");
        rt::ControlStructure& account =
            b.entry(AccountNumber, {92, 168, 110, 12}, "CHE1:ACCOUNTNUMBER", "@S20");
        account.font = micr10;
        account.required = true;

        b.add(Picture, rt::ControlKind::Image, {250, 36, kPictureSide, kPictureSide});
        b.add(Caption, rt::ControlKind::String, {250, 150, 150, 12}, "Blank Check").font = {
            "Arial", 10, true, true};
        b.button(SelectClient, {6, 190, 60, 14}, "Select Client");
        b.button(Ok, {262, 190, 44, 14}, "OK").isDefault = true;
        b.button(Cancel, {310, 190, 44, 14}, "Cancel");
        b.button(Help, {358, 190, 44, 14}, "Help");
        return w;
    }();
    return structure;
}

}  // namespace windows::blank_check_form
