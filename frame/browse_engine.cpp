// The list engine: opening, the refresh, row selection, the popup menu, keys and locators,
// buttons and the update call.
#include "frame/browse_engine.h"

#include <algorithm>
#include <chrono>

#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/quick_scan_walk.h"
#include "frame/tag_writes.h"
#include "frame/tagging.h"
#include "records/tag_file.h"
#include "runtime/data/errors.h"
#include "runtime/data/read_batch.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/program.h"

namespace {

constexpr std::size_t kLocatorLength = 30;
// How long a whole walk (Tag All) works before the program's other threads get a turn.
constexpr auto kWalkSlice = std::chrono::milliseconds(50);

std::vector<rt::RecordFile*> filesOf(const BrowseSheet& sheet, std::vector<rt::RecordFile*> more) {
    std::vector<rt::RecordFile*> files{sheet.file};
    // A tagging list keeps the tag file open, so that marking each row costs one read.
    if (sheet.tagging.table) files.push_back(&records::tagFile());
    for (rt::RecordFile* f : more)
        if (f != sheet.file) files.push_back(f);
    return files;
}

// Assigns a locator text to the key field, converted to a number for a numeric key.
void assignKeyText(rt::RecordFile& file, int field, std::string_view text) {
    if (field < 0) return;
    if (file.decl().fields()[field].type == rt::FieldType::String)
        file.buf().setText(field, text);
    else
        file.buf().setNumber(field, rt::textToNumber(text));
}

}  // namespace

BrowseProcedure::BrowseProcedure(const rt::WindowStructure& window, BrowseSheet sheet,
                                 std::vector<rt::RecordFile*> moreFiles)
    : Procedure(window, filesOf(sheet, std::move(moreFiles))), sheet_(std::move(sheet)) {
    if (sheet_.orders.empty()) sheet_.orders.push_back(BrowseOrder{});
    orders_.resize(sheet_.orders.size());
    view_ = std::make_unique<rt::View>(*sheet_.file);
}

BrowseProcedure::~BrowseProcedure() = default;

const BrowseOrder& BrowseProcedure::order() const {
    return sheet_.orders.at(order_ >= 1 ? order_ - 1 : 0);
}

const std::string& BrowseProcedure::locatorText() const {
    static const std::string none;
    return order_ >= 1 ? orders_[order_ - 1].locator : none;
}

void BrowseProcedure::setLocatorText(std::string_view text) {
    if (order_ >= 1) orders_[order_ - 1].locator = std::string(text.substr(0, 30));
}

int BrowseProcedure::keyField(const BrowseOrder& o) const {
    if (o.locatorField >= 0) return o.locatorField;
    if (o.key < 0) return -1;
    return sheet_.file->decl().keys().at(o.key).components.front().field;
}

void BrowseProcedure::OnButton(int control, std::function<void()> action) {
    ownButtons_[control] = std::move(action);
}

void BrowseProcedure::setUpWindow() {
    rows_.clear();
    window().setRows(sheet_.list, rt::rowsFrom([this] { return rowCount(); },
                                               [this](int row, int field) {
                                                   const auto& f = rows_.at(row - 1).fields;
                                                   return field < static_cast<int>(f.size())
                                                              ? f[field]
                                                              : rt::Value(std::string());
                                               }));
    const BrowseButtons& b = sheet_.buttons;
    if (b.select && !selectMode()) {
        window().setProp(b.select, PROP::Disable, 1);
        if (!sheet_.selectStaysVisible) window().setProp(b.select, PROP::Hide, 1);
    }
    if (sheet_.resizable) {
        window().setProp(0, PROP::MinWidth, window().prop(0, PROP::Width));
        window().setProp(0, PROP::MinHeight, window().prop(0, PROP::Height));
        InitWindowResizer(resizer_, window(), RESIZE::ByControlType);
    }
    const int list = sheet_.list;
    window().addAlertKey(list, KEY::LeftDoubleClick);
    if (b.insert) window().addAlertKey(list, KEY::Insert);
    if (b.remove) window().addAlertKey(list, KEY::Delete);
    if (b.change) window().addAlertKey(list, KEY::CtrlEnter);
    bool typed = std::any_of(sheet_.orders.begin(), sheet_.orders.end(), [](const BrowseOrder& o) {
        return o.locator == LocatorKind::Incremental || o.locator == LocatorKind::Entry;
    });
    if (typed) {
        window().addAlertKey(list, KEY::Backspace);
        window().addAlertKey(list, KEY::Space);
    }
}

void BrowseProcedure::finishing() {
    view_->close();
}

int BrowseProcedure::selectedOrder() {
    const int count = static_cast<int>(sheet_.orders.size());
    if (!sheet_.tabs) return 1;
    const int tab = window().choice(sheet_.tabs);
    int o = sheet_.orderOfTab ? sheet_.orderOfTab(tab) : tab;
    return o >= 1 && o <= count ? o : 1;
}

void BrowseProcedure::clearLocator() {
    if (order_ < 1) return;
    const BrowseOrder& o = order();
    if (o.locator != LocatorKind::Incremental && o.locator != LocatorKind::Entry) return;
    orders_[order_ - 1].locator.clear();
    assignKeyText(file(), keyField(o), "");
}

void BrowseProcedure::assignLocator() {
    const BrowseOrder& o = order();
    if (o.locator != LocatorKind::Incremental && o.locator != LocatorKind::Entry) return;
    assignKeyText(file(), keyField(o), orders_[order_ - 1].locator);
}

void BrowseProcedure::Refresh() {
    // Once Select or Close has read the highlighted record for the caller, events still
    // queued (a new selection posted with the double-click) must not overwrite it.
    if (window().acceptAllActive() || failed_ || handedBack_) return;
    const int old = order_;
    order_ = selectedOrder();
    // A select list opens on the caller's record: its key values stay for the locate.
    const bool opensOnCaller = old == 0 && selectMode();
    if (order_ != old && !opensOnCaller) clearLocator();
    if (order_ != old || LOC.RefreshPending) {
        // The highlighted record, the located page and the order's ends for the scroll
        // stops: one read transaction instead of one per seek.
        rt::ReadBatch reads(file());
        const bool highlighted = !rows_.empty();
        if (highlighted) ReadHighlightedRecord();
        ResetView();
        if (old == 0 && !selectMode()) {
            rows_.clear();
            RefreshPage(Refill::FirstPage);
            PostNewSelection();
        } else if ((opensOnCaller || highlighted) && file().pointer() != 0) {
            // The very record (the caller's, or the one highlighted), among equal keys too.
            LocateRecord(Locate::ExactRecord);
        } else {
            LocateRecord(Locate::ByKeyValue);
        }
        ComputeScrollStops();
        if (!rows_.empty()) RecordFromRow(current_);
    } else if (!rows_.empty()) {
        RecordFromRow(current_);
    }
    if (failed_) return;
    assignLocator();
    window().setProp(sheet_.list, PROP::VerticalThumb, thumb_);
    SyncWindow();
}

bool BrowseProcedure::takeEvent() {
    const int event = window().event();
    const int control = window().field();
    if (control == 0) {
        switch (event) {
            case EVENT::Sized:
                if (sheet_.resizable) ResizeWindowControls(resizer_);
                if (sheet_.handleSized || sheet_.resizable) {
                    LOC.RefreshPending = 1;
                    Refresh();
                }
                break;
            case EVENT::CloseDown:
                if (sheet_.resizable) KillWindowResizer(resizer_);
                break;
            default:
                break;
        }
        return takeOwnEvent();
    }
    if (control == sheet_.list) {
        switch (event) {
            case EVENT::NewSelection:
                newSelection();
                break;
            case EVENT::ScrollUp:
            case EVENT::ScrollDown:
            case EVENT::PageUp:
            case EVENT::PageDown:
            case EVENT::ScrollTop:
            case EVENT::ScrollBottom:
                scroll(event);
                break;
            case EVENT::AlertKey:
                alertKey();
                break;
            case EVENT::ScrollDrag:
                thumbDrag();
                break;
            default:
                break;
        }
    } else if (sheet_.tabs && control == sheet_.tabs) {
        if (event == EVENT::Accepted || event == EVENT::NewSelection ||
            event == EVENT::TabChanging || event == EVENT::Selected)
            Refresh();
    } else if (event == EVENT::Accepted) {
        if (order_ >= 1 && order().locator == LocatorKind::Entry && control == order().entryControl)
            entryLocator();
        else
            button(control);
    }
    return takeOwnEvent();
}

void BrowseProcedure::newSelection() {
    newSelectionPosted_ = false;
    if (handedBack_) return;
    if (rt::keyCode() == KEY::RightClick) {
        if (!sheet_.noPopup) popupMenu();
        return;
    }
    if (rows_.empty()) return;
    const int selected = static_cast<int>(window().prop(sheet_.list, PROP::SelectedRow));
    if (selected >= 1 && selected <= rowCount()) current_ = selected;
    RecordFromRow(current_);
    const bool full = rowCount() >= visible();
    window().setProp(sheet_.list, PROP::VerticalScrollBar, full ? 1 : 0);
    if (full) thumbFromStops();
    Refresh();
}

void BrowseProcedure::popupMenu() {
    const BrowseButtons& b = sheet_.buttons;
    const bool rows = !rows_.empty();
    std::string text;
    std::vector<int> targets;
    if (!sheet_.popupText.empty()) {
        // Selecting belongs to select mode: outside it the menu is the empty list's, with
        // its items greyed.
        const bool selectOnly = std::all_of(sheet_.popupButtons.begin(), sheet_.popupButtons.end(),
                                            [&](int button) { return button == b.select; });
        const bool offered = rows && (selectMode() || !selectOnly);
        text = offered || sheet_.popupTextEmpty.empty() ? sheet_.popupText : sheet_.popupTextEmpty;
        targets = sheet_.popupButtons;
    } else {
        text = rows ? "Add|Open|&Delete" : "Add|~Open|~&Delete";
        targets = {b.insert, b.change, b.remove};
        if (b.select) {
            text += "|-|";
            text += selectMode() && rows ? "&Select" : "~&Select";
            targets.push_back(b.select);
        }
    }
    // A list without any of these buttons has no popup commands to show.
    if (std::none_of(targets.begin(), targets.end(), [](int button) { return button != 0; }))
        return;
    const int item = rt::popup(text);
    if (item >= 1 && item <= static_cast<int>(targets.size()) && targets[item - 1])
        window().post(EVENT::Accepted, targets[item - 1]);
}

void BrowseProcedure::alertKey() {
    const BrowseButtons& b = sheet_.buttons;
    const int key = rt::keyCode();
    const char character = rt::keyChar();
    if (rows_.empty()) {
        if (key == KEY::Insert && b.insert) window().post(EVENT::Accepted, b.insert);
        PostNewSelection();
        return;
    }
    const int selected = static_cast<int>(window().prop(sheet_.list, PROP::SelectedRow));
    if (selected >= 1 && selected <= rowCount()) current_ = selected;
    if (key == KEY::LeftDoubleClick) {
        if (selectMode() && b.select) {
            window().post(EVENT::Accepted, b.select);
        } else if (b.change) {
            RecordFromRow(current_);
            window().post(EVENT::Accepted, b.change);
        }
    } else if (key == KEY::Insert && b.insert) {
        window().post(EVENT::Accepted, b.insert);
    } else if (key == KEY::Delete && b.remove) {
        window().post(EVENT::Accepted, b.remove);
    } else if (key == KEY::CtrlEnter && b.change) {
        window().post(EVENT::Accepted, b.change);
    } else {
        locatorKey(key, character);
    }
    PostNewSelection();
}

void BrowseProcedure::locatorKey(int key, char character) {
    const BrowseOrder& o = order();
    switch (o.locator) {
        case LocatorKind::Step:
            if (character != 0 && character != ' ') stepLocator(character);
            return;
        case LocatorKind::Incremental:
        case LocatorKind::Entry: {
            std::string& text = orders_[order_ - 1].locator;
            if (key == KEY::Backspace) {
                if (text.empty()) return;
                text.pop_back();
            } else if (key == KEY::Space || character == ' ') {
                if (text.size() >= kLocatorLength) return;
                text += ' ';
            } else if (static_cast<unsigned char>(character) > ' ') {
                if (text.size() >= kLocatorLength) return;
                text += character;
            } else {
                return;
            }
            assignKeyText(file(), keyField(o), text);
            locatorAssigned();
            LocateRecord(Locate::ByKeyValue);
            return;
        }
        case LocatorKind::None:
            return;
    }
}

void BrowseProcedure::stepLocator(char c) {
    const int field = keyField(order());
    if (field < 0) return;
    const char wanted = rt::upper(std::string(1, c))[0];
    auto startsWith = [&] {
        std::string text = file().buf().text(field);
        return !text.empty() && rt::upper(text.substr(0, 1))[0] == wanted;
    };
    RecordFromRow(current_);
    if (startsWith()) {
        scroll(EVENT::ScrollDown);
        RecordFromRow(current_);
        if (startsWith()) return;
    }
    file().buf().setText(field, std::string(1, wanted));
    locatorAssigned();
    LocateRecord(Locate::ByKeyValue);
}

void BrowseProcedure::entryLocator() {
    const BrowseOrder& o = order();
    const int field = keyField(o);
    if (field < 0) return;
    const rt::Value value = file().buf().value(field);
    const std::string text(rt::clip(value.asText()));
    // A number or date entry left empty reads as 0; a text key takes "0" as typed.
    if (text.empty() || (value.isNumber() && value.number().isZero())) return;
    locatorAssigned();
    LocateRecord(Locate::ByKeyValue);
    orders_[order_ - 1].locator = text.substr(0, kLocatorLength);
    window().select(sheet_.list);
    PostNewSelection();
}

void BrowseProcedure::button(int control) {
    if (control == 0) return;
    const BrowseButtons& b = sheet_.buttons;
    if (control == b.select) {
        // Disabled outside select mode: a popup item or a posted event cannot press it.
        if (!selectMode()) return;
        ReadHighlightedRecord();
        LOC.Response = RESP::Completed;
        handedBack_ = true;
        PostCloseWindow();
    } else if (control == b.close) {
        ReadHighlightedRecord();
        LOC.Response = RESP::Cancelled;
        handedBack_ = true;
        PostCloseWindow();
    } else if (control == b.insert) {
        ReadHighlightedRecord();
        file().getPointer(0);
        file().clear();
        CallUpdateForm(REQ::Insert);
    } else if (control == b.copy) {
        if (rows_.empty()) return;
        ReadHighlightedRecord();
        CallUpdateForm(REQ::Insert);
    } else if (control == b.change || control == b.remove) {
        if (rows_.empty()) return;
        ReadHighlightedRecord();
        CallUpdateForm(control == b.change ? REQ::Change : REQ::Delete);
    } else if (control == b.help && sheet_.help) {
        ReadHighlightedRecord();
        Call(sheet_.help, std::nullopt, Redisplay::No);
        Refresh();
    } else if (tagButton(control)) {
        LOC.Request = LOC.EntryRequest;
        Refresh();
    } else if (auto own = ownButtons_.find(control); own != ownButtons_.end()) {
        ReadHighlightedRecord();
        own->second();
        LOC.Request = LOC.EntryRequest;
        Refresh();
    }
}

void BrowseProcedure::CallUpdateForm(long request) {
    if (!sheet_.updateForm) return;
    view_->close();
    LOC.Request = request;
    Call(sheet_.updateForm, request, Redisplay::No);
    const long response = GLO::Response;
    ResetView();
    if (response == RESP::Completed && (request == REQ::Insert || request == REQ::Change)) {
        LocateRecord(Locate::ExactRecord);
    } else {
        if (response == RESP::Completed && request == REQ::Delete && current_ >= 1 &&
            current_ <= rowCount())
            rows_.erase(rows_.begin() + (current_ - 1));
        RefreshPage(Refill::KeepPage);
    }
    ComputeScrollStops();
    if (!rows_.empty()) RecordFromRow(current_);
    PostNewSelection();
    window().select(sheet_.list);
    LOC.Request = LOC.EntryRequest;
    LOC.Response = RESP::Cancelled;
    Refresh();
}

void BrowseProcedure::ForEachRecord(const std::function<void()>& action) {
    rt::setCursor(CURSOR::Wait);
    {
        QuickScanWalk quick(file());
        ResetView();
        // The program's other threads get their turn once a slice of time has passed (the
        // walk's open read and tag batch end first), not after every record.
        auto sliceEnd = std::chrono::steady_clock::now() + kWalkSlice;
        for (;;) {
            int code = view_->next();
            if (code == rt::FileError::RecordNotAvailable) break;
            if (code != 0) {
                rt::setCursor(CURSOR::Normal);
                readFailure();
                return;
            }
            if (!takes()) continue;
            action();
            if (std::chrono::steady_clock::now() >= sliceEnd) {
                rt::yieldEvents();
                sliceEnd = std::chrono::steady_clock::now() + kWalkSlice;
            }
        }
    }
    rt::setCursor(CURSOR::Normal);
    RefreshPage(Refill::KeepPage);
    window().select(sheet_.list);
}

void BrowseProcedure::GoToNextTagged(long tagTable, bool forward) {
    std::int64_t found = 0;
    const bool any = FindFromHighlighted(forward, [&] {
        if (GetTag_(tagTable, static_cast<long>(file().pointer())) == 0) return false;
        found = file().pointer();
        return true;
    });
    if (!any) {
        rt::message("There are no more tagged records!", "", ICON::Exclamation);
        return;
    }
    if (file().getPointer(found) == 0) LocateRecord(Locate::ExactRecord);
}

bool BrowseProcedure::FindFromHighlighted(bool forward, const std::function<bool()>& wanted) {
    if (rows_.empty()) return false;
    rt::setCursor(CURSOR::Wait);
    const std::string from = rows_[current_ - 1].position;
    bool found = false;
    {
        // A walk that may cross the whole file: under QUICKSCAN, the other threads' turn
        // after each slice of time.
        QuickScanWalk quick(file());
        view_->reset(from);
        auto sliceEnd = std::chrono::steady_clock::now() + kWalkSlice;
        for (bool first = true;; first = false) {
            int code = forward ? view_->next() : view_->previous();
            if (code == rt::FileError::RecordNotAvailable) break;
            if (code != 0) {
                rt::setCursor(CURSOR::Normal);
                readFailure();
                return false;
            }
            if (first && view_->position() == from) continue;
            if (takes() && wanted()) {
                found = true;
                break;
            }
            if (std::chrono::steady_clock::now() >= sliceEnd) {
                rt::yieldEvents();
                sliceEnd = std::chrono::steady_clock::now() + kWalkSlice;
            }
        }
    }
    rt::setCursor(CURSOR::Normal);
    if (found) {
        // The very record found: among equal key values a locate by value would land on
        // the first of them and the next search would start from there again.
        LocateRecord(Locate::ExactRecord);
    } else {
        view_->reset(from);
        if (!rows_.empty()) RecordFromRow(current_);
        window().select(sheet_.list);
    }
    return found;
}

// --- tagging ---

bool BrowseProcedure::tagged() {
    return GetTag_(sheet_.tagging.table, static_cast<long>(file().pointer())) != 0;
}

bool BrowseProcedure::takes() {
    if (showTaggedOnly_ && !tagged()) return false;
    return recordTaken();
}

bool BrowseProcedure::tagButton(int control) {
    const BrowseTagging& t = sheet_.tagging;
    if (!t.table) return false;
    auto value = [&] {
        return t.valueField >= 0 ? file().buf().text(t.valueField).substr(0, 10) : std::string();
    };
    if (control == t.tag || control == t.untag) {
        if (rows_.empty()) return true;
        ReadHighlightedRecord();
        if (control == t.tag)
            SetTag_(t.table, static_cast<long>(file().pointer()), value());
        else
            ClrTag_(t.table, static_cast<long>(file().pointer()));
        UpdateRowInPlace(current_);
        window().select(sheet_.list);
        window().post(EVENT::ScrollDown, sheet_.list);
    } else if (control == t.tagAll || control == t.untagAll) {
        const bool set = control == t.tagAll;
        ReadHighlightedRecord();
        TagWriteBatch batch;
        ForEachRecord([&] {
            const long pointer = static_cast<long>(file().pointer());
            if (set)
                SetTag_(t.table, pointer, value());
            else
                ClrTag_(t.table, pointer);
        });
        batch.finish();
    } else if (control == t.nextTagged || control == t.previousTagged) {
        if (rows_.empty()) return true;
        ReadHighlightedRecord();
        if (!FindFromHighlighted(control == t.nextTagged, [this] { return tagged(); }))
            rt::message("There are no more tagged records!", "", t.noMoreTaggedIcon);
    } else if (control == t.showTagged) {
        showTaggedOnly_ = !showTaggedOnly_;
        window().setProp(control, PROP::Text, showTaggedOnly_ ? t.showAllText : t.showTaggedText);
        ReadHighlightedRecord();
        LocateRecord(Locate::ByKeyValue);
        window().select(sheet_.list);
    } else {
        return false;
    }
    return true;
}
