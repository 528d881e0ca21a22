#pragma once
// The list engine: every list ("browse") and select list is a BrowseProcedure whose sheet
// states its file, sort orders, columns, buttons and options; the engine pages through the
// file one screen at a time through a view, locates, scrolls, drives the thumb, calls the
// update form and hands the chosen record back in select mode. A list never writes records.
//
//   class SelectPayTo : public BrowseProcedure {
//     public:
//       SelectPayTo() : BrowseProcedure(windows::payee_list::window(), sheet()) {}
//       static BrowseSheet sheet() {
//           BrowseSheet s;
//           s.file = &PAYEE;
//           s.list = 1;
//           s.columns = {PAY::PAYTO.index()};
//           s.orders = {BrowseOrder::keyed(PAY::KEYPAYTO, LocatorKind::Step)};
//           s.buttons.insert = 2;   // and change, remove, select, close
//           s.updateForm = [] { UpdatePayee(); };
//           return s;
//       }
//   };
//
// Own logic goes into the hooks below (record test, extra row columns, own events) and into
// buttons registered with OnButton. The list's refresh is Refresh(), not the frame's
// SyncWindow (which only redisplays): call it after own work that changes what the list shows.
// The frame runs it on EVENT::OpenWindow and EVENT::GainFocus.
// The list control's structure needs listFlags 0x800 for typed characters to reach locators.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/procedure.h"
#include "frame/window_resizer.h"
#include "runtime/data/view.h"
#include "runtime/text/value.h"
#include "runtime/ui/codes.h"

enum class LocatorKind {
    None,
    Step,         // one typed character picks the group of records starting with it
    Incremental,  // typing builds a search text of up to 30 characters
    Entry,        // an entry bound to the key field; typing in the list then goes on with it
};

enum class StopKind { None, Text, Number };

struct BrowseOrder {
    int key = -1;  // -1: record order
    std::string filter;
    LocatorKind locator = LocatorKind::None;
    int locatorField = -1;  // -1: the key's first field
    int entryControl = 0;   // the entry of an entry locator
    StopKind stops = StopKind::None;
    int stopClasses = 1;  // character classes of text stops (1: upper-case letters)

    static BrowseOrder keyed(int key, LocatorKind locator = LocatorKind::None,
                             StopKind stops = StopKind::None, std::string filter = {}) {
        BrowseOrder o;
        o.key = key;
        o.locator = locator;
        o.stops = stops;
        o.filter = std::move(filter);
        return o;
    }
};

struct BrowseButtons {
    int insert = 0;
    int change = 0;
    int remove = 0;  // Delete
    int select = 0;
    int close = 0;
    int copy = 0;  // calls the form for an insert starting from the highlighted record
    int help = 0;
};

// Tagging in a list: a mark column ("X" for a tagged record) and the tagging buttons, over
// one tag table; while "show tagged only" is on, untagged records are passed over.
struct BrowseTagging {
    long table = 0;           // 0: no tagging
    int valueField = -1;      // the tag value (its first 10 characters)
    bool iconColumn = false;  // a row field after the mark: icon 1 tagged, 0 not
    int tag = 0, untag = 0, tagAll = 0, untagAll = 0;  // buttons
    int nextTagged = 0, previousTagged = 0;
    int showTagged = 0;  // a toggle; its text becomes showAllText while only tagged show
    std::string showAllText, showTaggedText;
    int noMoreTaggedIcon = ICON::Exclamation;  // of "There are no more tagged records!"
};

struct BrowseSheet {
    rt::RecordFile* file = nullptr;
    std::string displayName;  // empty: the file's display name (warning 35)
    int list = 0;             // the list control
    int tabs = 0;             // the sheet of sort tabs; 0 for none
    // Selected tab -> order (from 1); empty: tab n is order n, any other tab order 1.
    std::function<int(int tab)> orderOfTab;
    std::vector<BrowseOrder> orders;  // order 1 first; empty: record order
    std::vector<int> columns;         // the file's fields shown, in row order
    bool quickScanFills = false;      // fills of more than one row send QUICKSCAN
    bool quickScanStops = true;       // the stop build sends QUICKSCAN
    BrowseButtons buttons;
    bool selectStaysVisible = false;  // outside select mode the Select button stays visible
    std::vector<int> rowControls;     // further controls enabled only while there are rows
    std::function<void()> updateForm;
    // The popup menu: text with rows and without; items map to buttons in order. Empty
    // texts: the standard menu.
    std::string popupText, popupTextEmpty;
    std::vector<int> popupButtons;
    bool noPopup = false;      // a right-click on the list shows no menu
    bool handleSized = false;  // EVENT::Sized refreshes the page for the new height
    // The window resizer keeps the controls in proportion (and the page follows the size);
    // the window cannot be made smaller than it opened.
    bool resizable = false;
    std::function<void()> help;  // the Help button's procedure
    BrowseTagging tagging;
};

class BrowseProcedure : public Procedure {
  public:
    BrowseProcedure(const rt::WindowStructure& window, BrowseSheet sheet,
                    std::vector<rt::RecordFile*> moreFiles = {});
    ~BrowseProcedure() override;

    // --- state, for tests and own logic ---
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int currentRow() const { return current_; }
    int sortOrder() const { return order_; }
    int thumb() const { return thumb_; }
    const std::string& rowPosition(int row) const { return rows_.at(row - 1).position; }
    const std::vector<rt::Value>& rowFields(int row) const { return rows_.at(row - 1).fields; }
    const std::string& locatorText() const;
    bool selectMode() const { return LOC.EntryRequest == REQ::Select; }
    bool showingTaggedOnly() const { return showTaggedOnly_; }

  protected:
    // --- hooks of a list's own logic ---
    // Judges the record just read (show-tagged-only and the like): false skips it.
    virtual bool recordTaken() { return true; }
    // Row fields after the display columns and the tag mark (icons, computed texts), from
    // the buffer.
    virtual void extraColumns(std::vector<rt::Value>& row) { (void)row; }
    // Events the engine does not handle; answers whether the event is consumed.
    virtual bool takeOwnEvent() { return false; }
    // A locator has just put what was typed into the key field and the list is about to
    // locate by key value: the other fields of a key of several parts are set here.
    virtual void locatorAssigned() {}
    // Makes `text` the current order's locator text, as if typed: the key field keeps it
    // when the list is refreshed.
    void setLocatorText(std::string_view text);

    // Registers a button of the list's own: the highlighted record is read again, the
    // action runs, the request is restored and the list refreshed.
    void OnButton(int control, std::function<void()> action);

    // --- engine operations for own logic ---
    enum class Refill { AroundRecord = 1, KeepPage = 2, FirstPage = 3, LastPage = 4 };
    enum class Locate { ByKeyValue = 2, ExactRecord = 3 };
    void Refresh();  // the list's SyncWindow
    void RefreshPage(Refill mode);
    void LocateRecord(Locate mode);
    void ResetView();
    void ReadHighlightedRecord();
    void RecordFromRow(int row);
    void UpdateRowInPlace(int row);  // rebuilds a row from the buffer (a changed mark)
    void PostNewSelection();
    void CallUpdateForm(long request);
    // The list's scroll events and the thumb, as the user raises them.
    void ScrollList(int event) { scroll(event); }
    void DragThumb(int position);
    // Reads every record of the order that the record test takes (tag all, untag all).
    void ForEachRecord(const std::function<void()>& action);
    // From the highlighted row, reads on until `wanted` holds; locates that record and
    // answers true, or answers false at the end of the data.
    bool FindFromHighlighted(bool forward, const std::function<bool()>& wanted);
    // Next Tag / Prev Tag: the next record of the order tagged in `tagTable`, that very
    // record even among equal key values; says so when there is none.
    void GoToNextTagged(long tagTable, bool forward);
    rt::View& view() { return *view_; }
    rt::RecordFile& file() { return *sheet_.file; }
    const BrowseSheet& sheet() const { return sheet_; }
    const BrowseOrder& order() const;
    bool readFailed() const { return failed_; }

    // --- Procedure ---
    void setUpWindow() override;
    int firstControl() const override { return sheet_.list; }
    void firstRefreshWindow() override { Refresh(); }
    void refreshWindow() override { Refresh(); }
    bool takeEvent() override;
    void finishing() override;

  private:
    struct Row {
        std::vector<rt::Value> fields;
        std::string position;
    };
    struct OrderState {
        std::string locator;  // at most 30 characters
        std::vector<rt::Value> stops;
        rt::Value stopsLow, stopsHigh;  // the ends the stops were made for
        bool filterIgnored = false;     // it could not be opened; warned once
    };

    int visible();
    int keyField(const BrowseOrder& o) const;
    int FillRows(int count, bool forward, bool fromEdge = true);
    void refillPage(Refill mode, bool probeRead);
    Row rowFromRecord();
    void setHighlight(int row);
    void enableRowControls(bool on);
    void readFailure();
    void viewError();
    void openView();
    const std::string& filterOf(const BrowseOrder& o) const;
    int selectedOrder();
    void ComputeScrollStops();
    void thumbFromStops();
    void plainThumb(bool backward, int missing);
    void clearLocator();
    void assignLocator();
    void scroll(int event);
    void thumbDrag();
    void newSelection();
    void popupMenu();
    void alertKey();
    void locatorKey(int key, char character);
    void stepLocator(char c);
    void entryLocator();
    void button(int control);
    bool takes();
    bool tagged();
    bool tagButton(int control);

    BrowseSheet sheet_;
    std::unique_ptr<rt::View> view_;
    std::deque<Row> rows_;
    std::vector<OrderState> orders_;
    std::map<int, std::function<void()>> ownButtons_;
    int current_ = 0;
    std::size_t rowWidth_ = 0;  // the fields of the widest row built so far
    int order_ = 0;
    int thumb_ = 0;
    bool newSelectionPosted_ = false;
    bool failed_ = false;
    bool showTaggedOnly_ = false;
    bool handedBack_ = false;  // Select or Close read the record the caller gets
    WindowResizerData resizer_;
};
