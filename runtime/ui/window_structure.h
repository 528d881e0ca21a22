#pragma once
// Window structures as plain data: what a window looks like and which controls it holds,
// with the numbers a procedure uses to address them. A Window instance is built from one.

#include <string>
#include <vector>

namespace rt {

// The values are the control-type codes that PROP::ControlType answers; the window
// resizer tells controls apart by them (string 1, entry 8, button 9, check 12, combo 15,
// spin 16, menu 19, item 20, radio 21, drop list 34). 0 is no control.
enum class ControlKind {
    String = 1,  // a string, shown from its text or a bound variable
    Prompt = 2,
    Image = 3,
    Region = 4,
    Line = 5,
    Box = 6,
    Entry = 8,
    Button = 9,
    Option = 10,
    Check = 12,
    Group = 13,
    List = 14,
    Combo = 15,
    Spin = 16,
    Text = 17,  // multi-line text box
    Menu = 19,
    Item = 20,  // menu item (a separator when `separator` is set)
    Radio = 21,
    Sheet = 25,
    Tab = 26,
    Panel = 27,
    Progress = 31,
    DropList = 34,
};

// The name of a kind as dumps and the property PROP::ControlType text show it.
const char* controlKindName(ControlKind kind);

enum class Align { Default, Left, Center, Right, Decimal };
enum class FrameKind { None, Single, Double, Resizable };
enum class StandardAction { None, Close };

inline constexpr int kDefaultColor = -1;  // colours are 0xRRGGBB

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
};

struct Font {
    std::string name;  // empty: the window's (or the system's) font
    int size = 0;
    bool bold = false;
    bool italic = false;
    int color = kDefaultColor;
};

struct ControlStructure {
    int number = 0;  // the number the procedure addresses the control by (from 1)
    ControlKind kind = ControlKind::String;
    std::string text;  // caption, button text, menu item text, string text, radio value
    Rect at;
    int parent = 0;       // tab, option, group, sheet or menu it belongs to; 0 for the window
    std::string use;      // name of the bound variable ("MAI:FIRSTNAME"), resolved at creation
    std::string picture;  // display picture of entries, strings, spins and combos
    std::string format;   // list column format
    std::string from;     // items of a combo or drop list, "A|B|C"
    std::string icon;     // picture of a button, image file of an image
    std::string tip;
    std::string cursor;
    int key = 0;  // a key that presses this button
    Font font;
    int background = kDefaultColor;
    Align align = Align::Default;
    bool hidden = false;
    bool disabled = false;
    bool required = false;
    bool readOnly = false;
    bool upper = false;
    bool isDefault = false;  // the default button (Enter presses it)
    bool transparent = false;
    bool toolbar = false;    // a button of the window's tool bar
    bool separator = false;  // a menu separator
    bool checkItem = false;  // a menu item with a check mark
    bool verticalScroll = false;
    int listFlags = 0;  // 0x800: typed characters are alert keys of the list
    StandardAction action = StandardAction::None;
    std::string trueValue = "1";                 // stored by a check box when checked
    std::string falseValue;                      // and when not (blank by default)
    bool checkedUnlessBlank = false;             // a check box shows ticked for any value but blank
    long rangeLow = 0, rangeHigh = 0, step = 1;  // spin boxes; low == high: no range
    int bevel = 0;       // panels: the outer edge (< 0 sunken, > 0 raised), its width
    int innerBevel = 0;  // panels: a second edge inside the first, the same way
    std::vector<int> alertKeys;
};

struct Wallpaper {
    std::string file;
    bool tiled = false;
    bool centered = false;
};

struct WindowStructure {
    std::string module;  // where the structure is declared ("Tovik036")
    std::string label;   // its label in the module ("P1$MENUWINDOW")
    std::string title;
    Rect at;
    bool centered = true;
    FrameKind frame = FrameKind::Double;
    bool systemMenu = true;
    bool maximizeBox = false;
    bool maximized = false;  // opens filling the screen
    bool resizable = false;
    int minWidth = 0, minHeight = 0;
    Font font;
    int background = kDefaultColor;
    std::string icon;
    std::string cursor;
    Wallpaper wallpaper;
    int timer = 0;                 // hundredths of a second; 0 for none
    std::vector<int> statusZones;  // widths of the status-bar zones; empty for no status bar
    Rect toolbar;                  // the tool bar's area (its buttons have `toolbar` set)
    int toolbarBackground = kDefaultColor;  // the tool bar's colour; default: the system's
    std::vector<int> alertKeys;
    std::vector<ControlStructure> controls;
};

}  // namespace rt
