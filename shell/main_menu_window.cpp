#include "shell/main_menu_window.h"

#include <initializer_list>

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::main_menu {

namespace {

constexpr int kBlue = 0x0000FF;
constexpr int kLightGrey = 0xC0C0C0;
constexpr int kNavy = 0x000080;
constexpr const char* kHandCursor = "Glove.cur";

struct ToolButton {
    int number;
    const char* tip;
    const char* icon;
};

// Left to right, as they stand in the tool bar.
constexpr ToolButton kToolButtons[] = {
    {MenuControl::Names, "Names & Information Files", "C:\\ICO\\CRDFLE04.ICO"},
    {MenuControl::Contacts, "Check Contacts", "C:\\ICO\\CRDFLE10.ICO"},
    {MenuControl::Appointments, "Check Appointments", "C:\\ICO\\CLOCK01.ICO"},
    {MenuControl::Invoices, "Invoice Files", "C:\\icon5\\Order.ico"},
    {MenuControl::ChecksToPrint, "Post And Print Checks", "C:\\icon5\\$.ico"},
    {MenuControl::CheckRegister, "Check Register And Reprint Checks", "C:\\ICO\\NOTE14.ICO"},
    {MenuControl::MonthlyDrafts, "Monthly Drafts", "C:\\ICO\\PC02.ICO"},
    {MenuControl::BlankChecks, "Print Blank Checks", "C:\\ICO\\PC04.ICO"},
    {MenuControl::ZipCodes, "Zip Codes", "C:\\ICO\\MAIL16B.ICO"},
    {MenuControl::AreaCodes, "Telephone Area Codes", "C:\\ICO\\PHONE10.ICO"},
    {MenuControl::ImportExport, "Import & Export Files", "32526"},
    {MenuControl::Calculator, "Calculator", "C:\\icon5\\Tincalc.ico"},
    {MenuControl::FileManager, "Windows File Manager", "C:\\ICO\\FILES04.ICO"},
    {MenuControl::BusinessCards, "Print Business Cards and Return Address Labels",
     "C:\\icon4\\poker.ico"},
    {MenuControl::WordProcessor, "Word Processor", "C:\\ICO\\NOTE17.ICO"},
    {MenuControl::Help, "Help - Print Manual", "32514"},
};

rt::WindowStructure makeMenuWindow() {
    rt::WindowStructure w;
    w.module = "Tovik036";
    w.label = "P1$MENUWINDOW";
    w.title = "Ridar Uzad  Version 5.55";
    w.at = {0, 0, 317, 217};
    w.centered = true;
    w.frame = rt::FrameKind::Double;
    w.systemMenu = true;
    w.font = {"Arial", 10, /*bold=*/true};
    w.background = kLightGrey;
    w.icon = "C:\\icon4\\Computer.ico";
    w.cursor = "3dsarro.cur";
    // Escape does nothing here: the program ends through its Exit button, item or close box.
    w.alertKeys = {KEY::AltShiftInsert, KEY::Esc};
    w.toolbar = {0, 0, 319, 21};
    w.toolbarBackground = kNavy;

    rt::ControlStructure menu = makeControl(MenuControl::InformationMenu, rt::ControlKind::Menu);
    menu.text = "&Information";
    w.controls.push_back(menu);
    rt::ControlStructure item = makeControl(MenuControl::InformationItem, rt::ControlKind::Item);
    item.text = "&Information File";
    item.parent = MenuControl::InformationMenu;
    w.controls.push_back(item);
    rt::ControlStructure separator = makeControl(MenuControl::Separator, rt::ControlKind::Item);
    separator.separator = true;
    separator.parent = MenuControl::InformationMenu;
    w.controls.push_back(separator);
    rt::ControlStructure exit = makeControl(MenuControl::ExitItem, rt::ControlKind::Item);
    exit.text = "E&xit";
    exit.parent = MenuControl::InformationMenu;
    exit.action = rt::StandardAction::Close;
    w.controls.push_back(exit);

    int x = 1;
    for (const ToolButton& t : kToolButtons) {
        rt::ControlStructure b = makeControl(t.number, rt::ControlKind::Button, {x, 2, 19, 17});
        b.text = t.tip;
        b.tip = t.tip;
        b.icon = t.icon;
        b.cursor = kHandCursor;
        b.toolbar = true;
        w.controls.push_back(b);
        x += 19;
    }

    rt::ControlStructure region =
        makeControl(MenuControl::NoticeRegion, rt::ControlKind::Region, {194, 4, 122, 17});
    region.cursor = kHandCursor;
    w.controls.push_back(region);

    rt::ControlStructure exitButton =
        makeControl(MenuControl::ExitButton, rt::ControlKind::Button, {3, 165, 19, 19});
    exitButton.text = " ";
    exitButton.icon = "32531";
    exitButton.cursor = kHandCursor;
    w.controls.push_back(exitButton);

    rt::ControlStructure web =
        makeControl(MenuControl::WebBookmarks, rt::ControlKind::Button, {284, 160, 26, 22});
    web.text = " ";
    web.tip = "World Wide Web Bookmarks";
    web.icon = "C:\\Download\\globe5b.gif";
    web.cursor = kHandCursor;
    w.controls.push_back(web);

    rt::ControlStructure notice =
        makeControl(MenuControl::Notice, rt::ControlKind::String, {196, 5});
    notice.text = "Click here for information";
    notice.font = {"Arial", 8};
    notice.transparent = true;
    w.controls.push_back(notice);

    rt::ControlStructure badge =
        makeControl(MenuControl::Badge, rt::ControlKind::Image, {300, 0, 16, 11});
    badge.icon = "Blueb.ico";
    w.controls.push_back(badge);

    rt::ControlStructure product =
        makeControl(MenuControl::ProductName, rt::ControlKind::String, {20, 164, 253, 23});
    product.use = "PLF:PRODUCTNAME";
    product.picture = "@S40";
    product.align = rt::Align::Right;
    product.font = {"Times New Roman", 24, /*bold=*/true, /*italic=*/false, kBlue};
    w.controls.push_back(product);

    rt::ControlStructure tm =
        makeControl(MenuControl::Trademark, rt::ControlKind::String, {271, 165});
    tm.text = "TM";
    tm.font = {"Arial", 8, /*bold=*/true, /*italic=*/false, kBlue};
    w.controls.push_back(tm);
    return w;
}

}  // namespace

const rt::WindowStructure& menuWindow() {
    static const rt::WindowStructure structure = makeMenuWindow();
    return structure;
}

}  // namespace windows::main_menu
