#include "tests/runtime/ui/demo_program.h"

#include <algorithm>
#include <vector>

#include "runtime/text/fixed_text.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/window.h"
#include "tests/runtime/ui/ui_test_support.h"

namespace demo {
namespace {

using rt::ControlKind;
using uitest::control;

thread_local Record tRecord;

rt::BindingPtr resolve(std::string_view use) {
    Record& r = tRecord;
    if (use == "DEM:FIRSTNAME") return rt::bindFixedText("DEM:FIRSTNAME", r.firstName);
    if (use == "DEM:STATE") return rt::bindFixedText("DEM:STATE", r.state);
    if (use == "DEM:NOTES") return rt::bindText("DEM:NOTES", r.notes);
    if (use == "DEM:MEMBER") return rt::bindFixedText("DEM:MEMBER", r.member);
    if (use == "DEM:KIND") return rt::bindFixedText("DEM:KIND", r.kind);
    if (use == "DEM:AMOUNT")
        return rt::bindFunctions(
            "DEM:AMOUNT", [&r] { return rt::Value(r.amount); },
            [&r](const rt::Value& v) { r.amount = v.asNumber().rounded(2); });
    if (use == "DEM:COPIES") return rt::bindLong("DEM:COPIES", r.copies);
    if (use == "DEM:COLOR") return rt::bindFixedText("DEM:COLOR", r.color);
    if (use == "DEM:SIZE") return rt::bindFixedText("DEM:SIZE", r.size);
    if (use == "DEM:ROUTING") return rt::bindLong("DEM:ROUTING", r.routing);
    if (use == "DEM:PROGRESS") return rt::bindLong("DEM:PROGRESS", r.progress);
    return nullptr;
}

enum : int {
    kFileMenu = 1,
    kGreet = 2,
    kSeparator = 3,
    kExit = 4,
    kOptionsMenu = 5,
    kBold = 6,
    kOpenList = 7,
    kSheet = 10,
    kPersonTab = 11,
    kMoneyTab = 12,
    kFirstName = 14,
    kState = 15,
    kNotes = 16,
    kMember = 17,
    kKind = 18,
    kAmount = 21,
    kCopies = 22,
    kColor = 23,
    kSize = 24,
    kRouting = 25,
    kTotal = 31,
    kRegion = 35,
    kImage = 36,
    kProgress = 37,
    kSave = 40,
    kCancel = 41,
    kAddButton = 42,
    kRemoveButton = 43,
    kRuntimeButton = 50,
};

rt::WindowStructure controlsWindow() {
    rt::WindowStructure w = uitest::window("Demo Controls", {});
    w.statusZones = {120, 60};
    w.font = {"Arial", 10, true, false, rt::kDefaultColor};
    w.timer = 0;
    w.controls = {
        control(kFileMenu, ControlKind::Menu, "&File"),
        control(kGreet, ControlKind::Item, "&Greet", [](auto& c) { c.parent = kFileMenu; }),
        control(kSeparator, ControlKind::Item, "",
                [](auto& c) {
                    c.parent = kFileMenu;
                    c.separator = true;
                }),
        control(kExit, ControlKind::Item, "E&xit",
                [](auto& c) {
                    c.parent = kFileMenu;
                    c.action = rt::StandardAction::Close;
                }),
        control(kOptionsMenu, ControlKind::Menu, "&Options"),
        control(kBold, ControlKind::Item, "&Bold",
                [](auto& c) {
                    c.parent = kOptionsMenu;
                    c.checkItem = true;
                }),
        control(kOpenList, ControlKind::Button, "Open List",
                [](auto& c) {
                    c.toolbar = true;
                    c.icon = "list.ico";
                    c.tip = "Open the list";
                }),
        control(kSheet, ControlKind::Sheet),
        control(kPersonTab, ControlKind::Tab, "&Person", [](auto& c) { c.parent = kSheet; }),
        control(kMoneyTab, ControlKind::Tab, "&Money", [](auto& c) { c.parent = kSheet; }),
        control(13, ControlKind::Prompt, "&First name:", [](auto& c) { c.parent = kPersonTab; }),
        control(kFirstName, ControlKind::Entry, "",
                [](auto& c) {
                    c.parent = kPersonTab;
                    c.use = "DEM:FIRSTNAME";
                    c.picture = "@s20";
                    c.required = true;
                }),
        control(kState, ControlKind::Entry, "",
                [](auto& c) {
                    c.parent = kPersonTab;
                    c.use = "DEM:STATE";
                    c.picture = "@s2";
                    c.upper = true;
                }),
        control(kNotes, ControlKind::Text, "",
                [](auto& c) {
                    c.parent = kPersonTab;
                    c.use = "DEM:NOTES";
                }),
        control(kMember, ControlKind::Check, "&Member",
                [](auto& c) {
                    c.parent = kPersonTab;
                    c.use = "DEM:MEMBER";
                    c.trueValue = "Y";
                    c.falseValue = "N";
                }),
        control(kKind, ControlKind::Option, "Kind",
                [](auto& c) {
                    c.parent = kPersonTab;
                    c.use = "DEM:KIND";
                }),
        control(19, ControlKind::Radio, "&Client", [](auto& c) { c.parent = kKind; }),
        control(20, ControlKind::Radio, "&Prospect", [](auto& c) { c.parent = kKind; }),
        control(kAmount, ControlKind::Entry, "",
                [](auto& c) {
                    c.parent = kMoneyTab;
                    c.use = "DEM:AMOUNT";
                    c.picture = "@n10.2";
                    c.align = rt::Align::Right;
                }),
        control(kCopies, ControlKind::Spin, "",
                [](auto& c) {
                    c.parent = kMoneyTab;
                    c.use = "DEM:COPIES";
                    c.picture = "@n2";
                    c.rangeLow = 1;
                    c.rangeHigh = 9;
                }),
        control(kColor, ControlKind::Combo, "",
                [](auto& c) {
                    c.parent = kMoneyTab;
                    c.use = "DEM:COLOR";
                    c.from = "Red|Green|Blue";
                }),
        control(kSize, ControlKind::DropList, "",
                [](auto& c) {
                    c.parent = kMoneyTab;
                    c.use = "DEM:SIZE";
                    c.from = "Small|Medium|Large";
                }),
        control(kRouting, ControlKind::Entry, "",
                [](auto& c) {
                    c.parent = kMoneyTab;
                    c.use = "DEM:ROUTING";
                    c.picture = "@P#########P";
                    c.font = {"MICR 013 BT", 12, false, false, rt::kDefaultColor};
                }),
        control(30, ControlKind::Group, "Totals"),
        control(kTotal, ControlKind::String, "",
                [](auto& c) {
                    c.parent = 30;
                    c.use = "DEM:AMOUNT";
                    c.picture = "@n$10.2";
                }),
        control(32, ControlKind::Panel, "", [](auto& c) { c.bevel = 6; }),
        control(33, ControlKind::Box),
        control(34, ControlKind::Line),
        control(kRegion, ControlKind::Region),
        control(kImage, ControlKind::Image, "", [](auto& c) { c.icon = "logo.png"; }),
        control(kProgress, ControlKind::Progress, "", [](auto& c) { c.use = "DEM:PROGRESS"; }),
        control(kSave, ControlKind::Button, "&Save", [](auto& c) { c.isDefault = true; }),
        control(kCancel, ControlKind::Button, "Cancel", [](auto& c) { c.key = KEY::F2; }),
        control(kAddButton, ControlKind::Button, "&Add Button"),
        control(kRemoveButton, ControlKind::Button, "&Remove Button"),
    };
    return w;
}

std::string clipped(std::string_view s) {
    return std::string(rt::clip(s));
}

}  // namespace

Record::Record() {
    firstName.fill(' ');
    state.fill(' ');
    member.fill(' ');
    kind.fill(' ');
    color.fill(' ');
    size.fill(' ');
}

Record& record() {
    return tRecord;
}
void clearRecord() {
    tRecord = Record();
}

void demoProgram() {
    rt::Window w(controlsWindow(), resolve);
    w.open();
    w.setStatus(1, "Ready");
    bool saved = false;
    while (w.accept()) {
        switch (w.event()) {
            case EVENT::OpenWindow:
                w.select(kFirstName);
                break;
            case EVENT::Rejected:
                rt::beep();
                w.display(w.field());
                w.select(w.field());
                break;
            case EVENT::Completed:
                saved = true;
                rt::message("Saved " + clipped(std::string_view(tRecord.firstName.data(), 20)),
                            "Demo", ICON::Asterisk);
                w.setStatus(1, "Saved");
                break;
            case EVENT::CloseWindow:
                if (!saved) {
                    int answer = rt::message("Do you want to save the changes to this record?",
                                             "Update Cancelled", ICON::Question,
                                             BUTTON::Yes | BUTTON::No | BUTTON::Cancel, BUTTON::No);
                    if (answer == BUTTON::Cancel) w.consume();
                }
                break;
            default:
                break;
        }
        if (w.event() == EVENT::NewSelection && w.field() == kSheet)
            w.setStatus(2, w.choice(kSheet) == 1 ? "Person" : "Money");
        if (w.event() == EVENT::Accepted) {
            switch (w.field()) {
                case kGreet:
                    rt::message("Hello, " +
                                clipped(std::string_view(tRecord.firstName.data(), 20)));
                    break;
                case kOpenList:
                    demoList();
                    w.display();
                    break;
                case kAmount:
                    w.display(kTotal);  // a string shows a changed variable on DISPLAY
                    break;
                case kRegion:
                    w.setStatus(1, "Region clicked");
                    break;
                case kSave:
                    w.acceptAll();
                    break;
                case kCancel:
                    saved = true;  // leave without asking
                    w.post(EVENT::CloseWindow);
                    break;
                case kAddButton:
                    if (!w.hasControl(kRuntimeButton)) {
                        w.create(ControlKind::Button, 0, kRuntimeButton);
                        w.setProp(kRuntimeButton, PROP::Text, "Run-time");
                    }
                    break;
                case kRemoveButton:
                    w.destroy(kRuntimeButton);
                    break;
                case kRuntimeButton:
                    tRecord.progress = 100;
                    w.display(kProgress);
                    break;
                default:
                    break;
            }
        }
    }
}

namespace {

constexpr int kTotalNames = 50;

std::string nameAt(int index) {  // index from 1
    std::string n = "Name";
    if (index < 10) n += "0";
    return n + std::to_string(index);
}

}  // namespace

void demoList() {
    rt::WindowStructure structure =
        uitest::window("Demo List", {control(1, ControlKind::List, "",
                                             [](auto& c) {
                                                 c.format = "40L|M~Name~@s20@40R~Amount~L@n10.2@";
                                                 c.at = {5, 5, 200, 60};  // a header and five rows
                                                 c.alertKeys = {KEY::LeftDoubleClick};
                                                 c.listFlags = 0x800;
                                             }),
                                     control(2, ControlKind::Button, "&Select"),
                                     control(3, ControlKind::Button, "Close")});
    // The page: the rows the list shows, refilled by the procedure.
    int first = 1;
    std::vector<std::vector<rt::Value>> page;
    rt::Window w(structure);
    auto fill = [&] {
        int rows = static_cast<int>(w.prop(1, PROP::VisibleRows));
        first = std::clamp(first, 1, std::max(1, kTotalNames - rows + 1));
        page.clear();
        for (int i = first; i < first + rows && i <= kTotalNames; ++i)
            page.push_back({rt::Value(nameAt(i)), rt::Value(rt::Decimal(i * 100))});
        int thumb = first == 1 ? 0 : (first + rows > kTotalNames ? 100 : 50);
        w.setProp(1, PROP::VerticalThumb, thumb);
        w.display(1);
    };
    w.setRows(1, rt::rowsFrom(page));
    w.open();
    auto choose = [&] {
        int row = static_cast<int>(w.prop(1, PROP::SelectedRow));
        if (row > 0) tRecord.chosenName = page[row - 1][0].asText();
        w.post(EVENT::CloseWindow);
    };
    while (w.accept()) {
        int rows = static_cast<int>(page.size());
        int selected = static_cast<int>(w.prop(1, PROP::SelectedRow));
        switch (w.event()) {
            case EVENT::OpenWindow:
                fill();
                w.setProp(1, PROP::SelectedRow, 1);
                w.select(1);
                break;
            case EVENT::ScrollDown:
                if (selected < rows) {
                    w.setProp(1, PROP::SelectedRow, selected + 1);
                } else {
                    ++first;
                    fill();
                }
                break;
            case EVENT::ScrollUp:
                if (selected > 1) {
                    w.setProp(1, PROP::SelectedRow, selected - 1);
                } else {
                    --first;
                    fill();
                }
                break;
            case EVENT::PageDown:
                first += rows;
                fill();
                break;
            case EVENT::PageUp:
                first -= rows;
                fill();
                break;
            case EVENT::ScrollTop:
                first = 1;
                fill();
                w.setProp(1, PROP::SelectedRow, 1);
                break;
            case EVENT::ScrollBottom:
                first = kTotalNames;
                fill();
                w.setProp(1, PROP::SelectedRow, static_cast<long long>(page.size()));
                break;
            case EVENT::ScrollDrag:
                first =
                    1 + static_cast<int>(w.prop(1, PROP::VerticalThumb)) * (kTotalNames - 1) / 100;
                fill();
                break;
            case EVENT::NewSelection:
                if (rt::keyCode() == KEY::RightClick) {
                    if (rt::popup("&Select|-|~&Delete") == 1) choose();
                }
                break;
            case EVENT::AlertKey:
                if (rt::keyCode() == KEY::LeftDoubleClick) {
                    choose();
                } else if (rt::keyChar() != 0) {
                    // Typed characters locate: the first name starting with them.
                    int digit = rt::keyChar() - '0';
                    if (digit >= 0 && digit <= 4) {
                        first = std::max(1, digit * 10);
                        fill();
                        w.setProp(1, PROP::SelectedRow, 1);
                    }
                }
                break;
            case EVENT::Accepted:
                if (w.field() == 2) choose();
                if (w.field() == 3) w.post(EVENT::CloseWindow);
                break;
            default:
                break;
        }
    }
}

}  // namespace demo
