#pragma once
// The form engine: every update form is a FormProcedure whose sheet states its file, caption,
// insert path, close question and buttons. The engine keeps a copy of the record (and its
// memos) at opening, primes a new record (claiming its number at once on the auto-numbered
// path), deletes without a window on REQ::Delete, writes on OK after the accept-all pass
// (guarded updates for changes), asks before a changed record is closed unsaved, gives a
// claimed number back when the insert is cancelled, and recalls the last saved values with
// Ctrl+'. A record being added is in no file until OK adds it, so no other station lists,
// opens or changes it, and a station that dies meanwhile leaves nothing behind.
//
//   class UpdatePayee : public FormProcedure {
//     public:
//       UpdatePayee() : FormProcedure(windows::payee_form::window(), sheet()) {}
//       static FormSheet sheet() {
//           FormSheet s;
//           s.file = &PAYEE;
//           s.caption = CaptionStyle::StringControl;
//           s.captionControl = 2;
//           s.closeQuestion = CloseQuestion::SaveChanges;
//           s.okButton = 9;
//           s.cancelButton = 10;
//           return s;
//       }
//   };

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "frame/procedure.h"
#include "frame/window_resizer.h"
#include "runtime/data/record_buffer.h"

enum class CaptionStyle {
    None,
    StringControl,  // "Record will be Added" / "Record will be Changed" in a string control
    WindowTitle,    // "Adding a Zip Record" / "Changing a Zip Record" as the window's title
    StatusText,     // the same texts as the status-bar text
};

enum class CloseQuestion {
    None,
    SaveChanges,    // warning 33: Yes saves, No leaves, Cancel stays
    ConfirmCancel,  // warning 23: Yes leaves, No stays
};

enum class InsertPath {
    AddOnCompletion,  // ADD when the form is completed
    AutoNumbered,     // numbered at opening (the number claimed in the file), ADD on completion
};

// The values a form saved last, kept for the program's run (Ctrl+' recalls them). Declare
// one per form as a static and give the sheet its address.
class FieldHistory {
  public:
    rt::RecordBuffer& record(const rt::FileDecl& decl) {
        if (!record_) record_.emplace(decl);
        return *record_;
    }

  private:
    std::optional<rt::RecordBuffer> record_;
};

// A lookup of the form: a select list called from a button, or when an entry gains the focus
// and its value is not found by key in the other file. The list's answer is only tested: the
// form's own response is kept.
struct FormLookup {
    int control = 0;       // the lookup button, or the entry
    bool onEntry = false;  // true: when the entry gains the focus
    // Lookup on entry: the file and key read first (the file must be one of the form's).
    rt::RecordFile* file = nullptr;
    int key = -1;
    std::function<void()> prepare;  // puts the form's value into the key fields
    std::function<void()> selectList;
    std::function<void()> take;  // copies the chosen values into the form
    bool takeOnlyWhenCompleted = true;
};

struct FormSheet {
    rt::RecordFile* file = nullptr;
    std::string displayName;  // in captions and warning 35; empty: the file's display name
    CaptionStyle caption = CaptionStyle::None;
    int captionControl = 0;  // the string control of CaptionStyle::StringControl
    // Caption texts other than the standard ones (empty: standard).
    std::string insertCaption, changeCaption;
    InsertPath insertPath = InsertPath::AddOnCompletion;
    int numberKey = -1;    // AutoNumbered: the key ordered by the number
    int numberField = -1;  // ... and the number field
    int conflictFlag = 0;  // a change by another station: 1 warning 38, 0 warning 15
    CloseQuestion closeQuestion = CloseQuestion::None;
    int okButton = 0;
    int cancelButton = 0;
    int helpButton = 0;
    std::function<void()> help;
    int firstField = 0;  // 0: the window's first input control
    FieldHistory* history = nullptr;
    std::vector<int> dittoControls;  // entries where Ctrl+' recalls the saved value
    // Names of the keys without duplicates in warning 24, as the form spells them (key index,
    // text); a key not listed is named by its declaration.
    std::vector<std::pair<int, std::string>> duplicateKeyTexts;
    bool handleSized = false;  // EVENT::Sized redisplays the window
    // The window resizer keeps the controls in proportion; the window cannot be made smaller
    // than it opened.
    bool resizable = false;
    int tabs = 0;  // a sheet whose tab changes redisplay the window
    std::vector<FormLookup> lookups;
};

class FormProcedure : public Procedure {
  public:
    FormProcedure(const rt::WindowStructure& window, FormSheet sheet,
                  std::vector<rt::RecordFile*> moreFiles = {});
    ~FormProcedure() override;

  protected:
    // --- hooks of a form's own logic ---
    // Assigns the form's defaults to a new record.
    virtual void primeRecord() {}
    // Changes that the byte compare does not see (a picture loaded into a BLOB).
    virtual bool ownChanges() { return false; }
    // Events the engine does not handle; answers whether the event is consumed.
    virtual bool takeOwnEvent() { return false; }

    // --- services for own logic ---
    bool RecordChanged();  // buffer or a memo differs from the copy
    void TakeCopy();       // the current buffer becomes the copy
    // Calls a lookup (select list) and answers its response; the form's own response and
    // request are kept.
    long CallLookup(const std::function<void()>& selectList);
    void FocusFirstField();
    rt::RecordFile& file() { return *sheet_.file; }
    const FormSheet& sheet() const { return sheet_; }

    // --- Procedure ---
    void setUpRecords() override;
    void setUpWindow() override;
    int firstControl() const override;
    bool takeEvent() override;

  private:
    std::string name() const;
    void primeAddOnCompletion();
    void primeAutoNumbered();
    // `writeFailed` tells that the claim itself (not the lock or the read before it) failed.
    int claimNextNumber(long long& number, bool& writeFailed);
    std::string numberCounter() const;  // the name the numbers are claimed under
    void deleteRequest();
    void complete();
    void completeInsert();
    void completeChange();
    bool confirmClose();
    void recall();
    bool lookup(int control, bool entrySelected);

    FormSheet sheet_;
    std::optional<rt::RecordBuffer> copy_;
    long long claimedNumber_ = 0;  // the number of the record being added, until it is added
    WindowResizerData resizer_;
};
