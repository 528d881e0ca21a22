#pragma once
// A small record file, a list window with 5 visible rows and a form window, and the test
// list and form built on the engines, for the browse and form engine tests.

#include <functional>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/browse_engine.h"
#include "frame/form_engine.h"
#include "runtime/data/record_file.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/window_structure.h"

namespace enginetest {

inline rt::RecordFile& items() {
    static rt::RecordFile* file =
        new rt::RecordFile(rt::FileDecl("ITEMS", "ITM:")
                               .attributes(rt::CREATE | rt::THREAD)
                               .STRING("ITM:NAME", 10)
                               .LONG("ITM:NUM")
                               .STRING("ITM:CODE", 4)
                               .MEMO("ITM:NOTES", 100)
                               .KEY("ITM:KEYNAME", rt::DUP | rt::NOCASE, {"ITM:NAME"})
                               .KEY("ITM:KEYNUM", 0, {"ITM:NUM"})
                               .KEY("ITM:KEYCODE", rt::NOCASE, {"ITM:CODE"}));
    return *file;
}
inline constexpr int kName = 0, kNum = 1, kCode = 2;
inline constexpr int kKeyName = 0, kKeyNum = 1;

// A second file for the form's lookups.
inline rt::RecordFile& codes() {
    static rt::RecordFile* file = new rt::RecordFile(rt::FileDecl("CODES", "COD:")
                                                         .attributes(rt::CREATE | rt::THREAD)
                                                         .STRING("COD:CODE", 4)
                                                         .KEY("COD:KEYCODE", 0, {"COD:CODE"}));
    return *file;
}

inline void makeCodes(const std::vector<std::string>& values) {
    rt::RecordFile& f = codes();
    f.remove();  // CREATE never replaces a file
    f.create();
    f.open();
    for (const std::string& v : values) {
        f.clear();
        f.buf().setText(0, v);
        f.add();
    }
    f.close();
}

// Creates ITEMS with the given names, numbered 1, 2, ... (codes "C1", "C2", ...).
inline void makeItems(const std::vector<std::string>& names) {
    rt::RecordFile& f = items();
    f.remove();  // CREATE never replaces a file
    f.create();
    f.open();
    int n = 0;
    for (const std::string& name : names) {
        ++n;
        f.clear();
        f.buf().setText(kName, name);
        f.buf().setInteger(kNum, n);
        f.buf().setText(kCode, "C" + std::to_string(n));
        f.add();
    }
    f.close();
}

// "N01" ... "N<count>".
inline std::vector<std::string> numberedNames(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back((i < 10 ? "N0" : "N") + std::to_string(i));
    return names;
}

// List controls.
inline constexpr int kList = 1, kInsert = 2, kChange = 3, kDelete = 4, kSelect = 5, kClose = 6,
                     kTabs = 7, kTabName = 8, kTabNum = 9, kEntry = 10, kOwn = 11, kTag = 12,
                     kUntag = 13, kTagAll = 14, kNextTagged = 15, kShowTagged = 16, kCopy = 17;

inline const rt::WindowStructure& listWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w;
        w.module = "EngineTest";
        w.label = "LIST";
        w.title = "Browse Items";
        w.at = {0, 0, 200, 120};
        auto add = [&](int number, rt::ControlKind kind, std::string text, int parent = 0) {
            rt::ControlStructure c;
            c.number = number;
            c.kind = kind;
            c.text = std::move(text);
            c.parent = parent;
            c.at = {5, 5, 40, 12};
            w.controls.push_back(c);
            return &w.controls.back();
        };
        add(kTabs, rt::ControlKind::Sheet, "");
        add(kTabName, rt::ControlKind::Tab, "By Name", kTabs);
        add(kTabNum, rt::ControlKind::Tab, "By Number", kTabs);
        rt::ControlStructure* list = add(kList, rt::ControlKind::List, "");
        list->at = {5, 20, 150, 50};              // 5 rows of 10 dialog units
        list->format = "50L@s10@30R@n5@10L@s1@";  // name, number, tag mark
        list->listFlags = 0x800;
        add(kInsert, rt::ControlKind::Button, "&Insert");
        add(kChange, rt::ControlKind::Button, "&Change");
        add(kDelete, rt::ControlKind::Button, "&Delete");
        add(kSelect, rt::ControlKind::Button, "&Select");
        add(kClose, rt::ControlKind::Button, "Close");
        rt::ControlStructure* entry = add(kEntry, rt::ControlKind::Entry, "", kTabName);
        entry->use = "ITM:NAME";
        entry->picture = "@s10";
        add(kOwn, rt::ControlKind::Button, "Own");
        add(kTag, rt::ControlKind::Button, "Tag");
        add(kUntag, rt::ControlKind::Button, "Untag");
        add(kTagAll, rt::ControlKind::Button, "Tag All");
        add(kNextTagged, rt::ControlKind::Button, "Next Tagged");
        add(kShowTagged, rt::ControlKind::Button, "Show Tagged");
        add(kCopy, rt::ControlKind::Button, "Copy");
        return w;
    }();
    return structure;
}

// Form controls.
inline constexpr int kFormName = 1, kFormNum = 2, kFormOk = 3, kFormCancel = 4, kFormCaption = 5,
                     kFormCode = 6;

inline const rt::WindowStructure& formWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w;
        w.module = "EngineTest";
        w.label = "FORM";
        w.title = "Item Form";
        w.at = {0, 0, 150, 80};
        w.statusZones = {100};
        auto add = [&](int number, rt::ControlKind kind, std::string text, std::string use = {}) {
            rt::ControlStructure c;
            c.number = number;
            c.kind = kind;
            c.text = std::move(text);
            c.use = std::move(use);
            c.at = {5, 5 + 12 * number, 60, 10};
            w.controls.push_back(c);
            return &w.controls.back();
        };
        rt::ControlStructure* name = add(kFormName, rt::ControlKind::Entry, "", "ITM:NAME");
        name->picture = "@s10";
        name->required = true;
        rt::ControlStructure* num = add(kFormNum, rt::ControlKind::Entry, "", "ITM:NUM");
        num->picture = "@n5";
        add(kFormOk, rt::ControlKind::Button, "OK");
        add(kFormCancel, rt::ControlKind::Button, "Cancel");
        add(kFormCaption, rt::ControlKind::String, "");
        add(kFormCode, rt::ControlKind::Entry, "", "ITM:CODE")->picture = "@s4";
        return w;
    }();
    return structure;
}

// What a test form is asked to be.
struct FormOptions {
    CaptionStyle caption = CaptionStyle::WindowTitle;
    CloseQuestion question = CloseQuestion::None;
    InsertPath path = InsertPath::AddOnCompletion;
    std::function<void()> prime;
    bool ditto = false;
    bool codeLookup = false;  // the code entry looks its value up in CODES
};

inline FormOptions& formOptions() {
    static FormOptions options;
    return options;
}

inline FieldHistory& itemHistory() {
    static FieldHistory history;
    return history;
}

// A select list over CODES, in the list window.
inline void SelectCode() {
    BrowseSheet s;
    s.file = &codes();
    s.list = kList;
    s.columns = {0};
    s.orders = {BrowseOrder::keyed(0)};
    s.buttons.select = kSelect;
    s.buttons.close = kClose;
    BrowseProcedure(listWindow(), s).run();
}

class ItemForm : public FormProcedure {
  public:
    ItemForm() : FormProcedure(formWindow(), sheetFor(formOptions()), {&codes()}) {}

    static FormSheet sheetFor(const FormOptions& o) {
        FormSheet s;
        s.file = &items();
        s.caption = o.caption;
        s.captionControl = kFormCaption;
        s.closeQuestion = o.question;
        s.insertPath = o.path;
        s.numberKey = kKeyNum;
        s.numberField = kNum;
        s.okButton = kFormOk;
        s.cancelButton = kFormCancel;
        if (o.ditto) {
            s.conflictFlag = 1;  // a change by another station is told by warning 38
            s.history = &itemHistory();
            s.dittoControls = {kFormName, kFormNum};
        }
        s.duplicateKeyTexts = {{2, "ITM:KeyCode"}};
        if (o.codeLookup) {
            FormLookup l;
            l.control = kFormCode;
            l.onEntry = true;
            l.file = &codes();
            l.key = 0;
            l.prepare = [] { codes().buf().setText(0, items().buf().text(kCode)); };
            l.selectList = [] { SelectCode(); };
            l.take = [] { items().buf().setText(kCode, codes().buf().text(0)); };
            s.lookups = {l};
        }
        return s;
    }

  protected:
    void primeRecord() override {
        if (formOptions().prime) formOptions().prime();
    }
};

inline void UpdateItem() {
    ItemForm().run();
}

// What a test list is asked to be.
struct ListOptions {
    LocatorKind nameLocator = LocatorKind::Incremental;
    StopKind numberStops = StopKind::Number;
    std::string nameFilter;
    bool quickScan = false;
    bool quickScanStops = true;
    // Called for every record the list reads and tests (page fills, stop builds).
    std::function<void()> recordRead;
    StopKind nameStops = StopKind::None;
    long tagTable = 0;
    bool resizable = false;
    std::function<void(BrowseProcedure&)> own;  // the Own button's action
    // Called after the engine handled an event of the Change or Insert button.
    std::function<void(BrowseProcedure&)> afterUpdate;
    // Called when a locator has assigned the key field, before the list locates.
    std::function<void()> locatorAssigned;
};

inline ListOptions& listOptions() {
    static ListOptions options;
    return options;
}

class ItemList : public BrowseProcedure {
  public:
    ItemList() : BrowseProcedure(listWindow(), sheetFor(listOptions())) {
        if (listOptions().own) OnButton(kOwn, [this] { listOptions().own(*this); });
    }

    static BrowseSheet sheetFor(const ListOptions& o) {
        BrowseSheet s;
        s.file = &items();
        s.list = kList;
        s.tabs = kTabs;
        s.columns = {kName, kNum};
        BrowseOrder byName = BrowseOrder::keyed(kKeyName, o.nameLocator, o.nameStops, o.nameFilter);
        byName.entryControl = kEntry;
        s.orders = {byName, BrowseOrder::keyed(kKeyNum, LocatorKind::None, o.numberStops)};
        s.quickScanFills = o.quickScan;
        s.quickScanStops = o.quickScanStops;
        s.buttons.insert = kInsert;
        s.buttons.change = kChange;
        s.buttons.remove = kDelete;
        s.buttons.select = kSelect;
        s.buttons.close = kClose;
        s.buttons.copy = kCopy;
        s.updateForm = [] { UpdateItem(); };
        s.resizable = o.resizable;
        if (o.tagTable) {
            s.tagging.table = o.tagTable;
            s.tagging.valueField = kName;
            s.tagging.tag = kTag;
            s.tagging.untag = kUntag;
            s.tagging.tagAll = kTagAll;
            s.tagging.nextTagged = kNextTagged;
            s.tagging.showTagged = kShowTagged;
            s.tagging.showAllText = "Show All";
            s.tagging.showTaggedText = "Show Tagged";
        }
        return s;
    }

    using BrowseProcedure::file;
    using BrowseProcedure::LOC;

  protected:
    bool recordTaken() override {
        if (listOptions().recordRead) listOptions().recordRead();
        return true;
    }
    void locatorAssigned() override {
        if (listOptions().locatorAssigned) listOptions().locatorAssigned();
    }
    bool takeOwnEvent() override {
        const int c = window().accepted();
        if ((c == kChange || c == kInsert) && listOptions().afterUpdate)
            listOptions().afterUpdate(*this);
        return false;
    }
};

inline void BrowseItems() {
    ItemList().run();
}

// What the user sees of the list.
inline std::vector<std::string> page(rt::Driver& d) {
    std::vector<std::string> out;
    rt::Window* w = d.active();
    const rt::ControlState* c = w->control(kList);
    const int rows = c->rows ? c->rows->rowCount() : 0;
    for (int r = 1; r <= rows; ++r)
        out.emplace_back(rt::clip(w->rowTexts(kList, r).at(0)));
    return out;
}

// The tag marks of the rows.
inline std::string marks(rt::Driver& d) {
    std::string out;
    rt::Window* w = d.active();
    const rt::ControlState* c = w->control(kList);
    for (int r = 1; r <= (c->rows ? c->rows->rowCount() : 0); ++r)
        out += w->rowTexts(kList, r).at(2).substr(0, 1);
    return out;
}

inline int highlighted(rt::Driver& d) {
    return static_cast<int>(d.active()->prop(kList, PROP::SelectedRow));
}

inline std::string highlightedName(rt::Driver& d) {
    int row = highlighted(d);
    return row == 0 ? std::string() : std::string(rt::clip(d.active()->rowTexts(kList, row).at(0)));
}

}  // namespace enginetest
