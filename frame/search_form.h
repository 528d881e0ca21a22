#pragma once
// A query-by-example form in search mode (REQ::Search): its entries, bound to the record's
// fields, take criteria; each search field carries a match type shown by a glyph beside it;
// "&Begin Search" finds the matching records and lets the user step through them (Edit),
// tag all of them (Select) or untag all of them (Unselect) in the calling list's tag table.
// The form answers RESP::Cancelled, minus the number of records tagged or untagged, or
// RESP::EditFound when "&Edit This" hands the found record back to its caller.

#include <functional>
#include <vector>

#include "frame/procedure.h"
#include "frame/search_criteria.h"
#include "frame/search_scan.h"

struct SearchSheet {
    rt::RecordFile* file = nullptr;
    std::vector<SearchField> fields;
    std::vector<int> hiddenInSearch;  // "OK" and whatever else search mode hides
    std::vector<KeyStart> keyStarts;
    long tagTable = 0;
    int tagValueField = -1;  // the tag value (its first 10 characters)
    int okButton = 0, searchTypeButton = 0, beginButton = 0, cancelButton = 0;
    const rt::WindowStructure* progressWindow = nullptr;  // the module's progress window
    // "&Edit This": the found record is handed to this procedure with REQ::Change.
    std::function<void()> editProcedure;
    // "&Edit This" hands the found record back to the caller instead: the form keeps its
    // window's place in GLO::KeptEditX/Y and answers RESP::EditFound; the caller then calls
    // the form again with REQ::Change.
    bool editThroughCaller = false;
};

class SearchFormProcedure : public Procedure {
  public:
    SearchFormProcedure(const rt::WindowStructure& window, SearchSheet sheet,
                        std::vector<rt::RecordFile*> moreFiles = {});

    // Runs the form. After "&Edit This" the search window has closed before the found
    // record goes to the sheet's edit procedure with REQ::Change; the form then answers
    // RESP::Cancelled.
    void runSearch();

  protected:
    void setUpWindow() override;
    int firstControl() const override;
    bool takeEvent() override;

  private:
    enum class Mode { Criteria, Viewing };
    enum class Action { Edit = 1, Select = 2, Unselect = 3 };

    bool isSearchField(int control) const { return criteria_.find(control) != nullptr; }
    void refreshLabel(int control);
    void firstEntry(int control);
    void chooseType();
    void startSearch();
    // Finds the next match with the progress window; false at the end (or on cancel).
    // A read error shows its warning and sets failed_; the caller ends the form with
    // endAfterReadError once the scan's reads are closed.
    bool nextMatch(SearchScan& scan, rt::Window& progress);
    bool nextMatchWithProgress(SearchScan& scan);
    // Opens the progress window of a scan, nothing shown in it yet.
    void openProgress(rt::Window& progress);
    // Brings the found count up to date in the progress window.
    void showFound(const SearchScan& scan, rt::Window& progress);
    void endAfterReadError();
    void showMatch();
    void backToCriteria();
    void leave(long response);

    SearchSheet sheet_;
    SearchCriteria criteria_;
    std::vector<std::pair<int, int>> labels_;  // search field -> its label
    int current_ = 0;
    Mode mode_ = Mode::Criteria;
    std::unique_ptr<SearchScan> scan_;
    std::string searchTypeText_, beginText_;
    bool failed_ = false;       // a read error ended the scan
    bool keysDamaged_ = false;  // ... and it was error 46: the keys need a rebuild
    bool leaving_ = false;      // the form is on its way out
    bool editFound_ = false;    // "&Edit This" hands the found record on once the form closed
    // What the open progress window shows: its percentage and found count (-1: nothing).
    int shownPercent_ = -1;
    long shownFound_ = -1;
};
