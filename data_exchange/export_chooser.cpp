// "Choose Fields for Export..." (ExportMAIL, ExportCHECKS): the user picks fields into an
// ordered list, may change their pictures and ask for a header line; "&OK" asks for the file
// and writes the header line and one line per record.
#include <algorithm>
#include <string>
#include <vector>

#include "data_exchange/csv_file.h"
#include "data_exchange/csv_format.h"
#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/export_chooser_window.h"
#include "data_exchange/export_pass.h"
#include "data_exchange/list_keys.h"
#include "frame/procedure.h"
#include "frame/procedure_registry.h"
#include "frame/tagging.h"
#include "records/checks.h"
#include "records/mail.h"
#include "records/tag_file.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/row_source.h"

namespace {

namespace C = windows::export_chooser::ExportChooserControl;

struct Entry {
    bool mark = false;
    std::string field;
    std::string picture;
};

// The rows of one of the two lists with their marks and the anchor of a Shift range.
struct MarkedList {
    std::vector<Entry> entries;
    int anchor = 0;

    void clearMarks() {
        for (Entry& e : entries)
            e.mark = false;
    }
    // Marking by the key that accepted the list on `row`.
    bool mark(int row, int key) {
        if (row < 1 || row > static_cast<int>(entries.size())) return false;
        constexpr int shiftKeys[] = {0x101, 0x110, 0x126, 0x128, 0x121,
                                     0x122, 0x124, 0x123, 0x324, 0x323};
        if (key == KEY::LeftClick) {
            selectOnly(row);
        } else if (key == 0x201 || key == 0x211 || key == KEY::Space) {
            anchor = row;
            entries[row - 1].mark = !entries[row - 1].mark;
        } else if (std::find(std::begin(shiftKeys), std::end(shiftKeys), key) !=
                   std::end(shiftKeys)) {
            if (anchor == 0) {
                selectOnly(row);
            } else {
                clearMarks();
                for (int r = std::min(anchor, row); r <= std::max(anchor, row); ++r)
                    entries[r - 1].mark = true;
            }
        } else {
            return false;
        }
        return true;
    }

  private:
    void selectOnly(int row) {
        anchor = row;
        clearMarks();
        entries[row - 1].mark = true;
    }
};

std::string kindText(const std::string& picture) {
    switch (csv::kindOfPicture(rt::clip(picture))) {
        case csv::ValueKind::Text:
            return "Alpha-numeric";
        case csv::ValueKind::Number:
            return "Numeric";
        case csv::ValueKind::Formatted:
            break;
    }
    return picture;
}

struct ChooserSetting {
    const char* module;
    rt::RecordFile* file;
    const char* displayName;
    long tagTable;
    const std::vector<ExportField>& (*fields)();
};

class ExportChooser : public Procedure {
  public:
    explicit ExportChooser(const ChooserSetting& setting)
        : Procedure(windows::export_chooser::exportChooserWindow(setting.module),
                    {&TagFile, setting.file}),
          setting_(setting) {
        for (const ExportField& f : setting.fields())
            all_.entries.push_back({false, f.name, f.picture});
    }

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name == "LOC:PictureKind") return rt::bindText("LOC:PictureKind", pictureKind_);
        if (name == "LOC:IncludeHeader") return rt::bindLong("LOC:IncludeHeader", includeHeader_);
        return nullptr;
    }

    void setUpRecords() override {
        LOC.Response = RESP::Cancelled;
        if (rt::keyCode() == KEY::RightClick) rt::clearKeyCode();
    }

    void setUpWindow() override {
        window().setRows(C::AllFields, rowsOf(all_));
        window().setRows(C::ExportFields, rowsOf(chosen_));
        window().setProp(C::AllFields, PROP::SelectedRow, 1);
        for (int list : {C::AllFields, C::ExportFields}) {
            for (int key :
                 {0x201, 0x211, 0x101, 0x110, 0x126, 0x128, 0x121, 0x122, 0x124, 0x123, 0x324,
                  0x323, static_cast<int>(KEY::Space), static_cast<int>(KEY::LeftClick)})
                window().addAlertKey(list, key);
        }
        tagsInUse_ = CountTags_(setting_.tagTable) > 0;
    }

    int firstControl() const override { return C::AllFields; }

    void refreshWindow() override {
        showPictureKind();
        SyncWindow();
    }

    bool takeEvent() override {
        const int event = window().event();
        const int control = window().field();
        if (data_exchange::moveListHighlight(window(), event, C::AllFields) ||
            data_exchange::moveListHighlight(window(), event, C::ExportFields))
            return false;
        if ((event == EVENT::AlertKey || event == EVENT::Accepted) &&
            (control == C::AllFields || control == C::ExportFields)) {
            markRow(control, rt::keyCode());
            return false;
        }
        if (event == EVENT::NewSelection && control == C::ExportFields) {
            showPictureKind();
            return false;
        }
        if (event != EVENT::Accepted) return false;
        allRow_ = window().choice(C::AllFields);
        chosenRow_ = window().choice(C::ExportFields);
        switch (control) {
            case C::Add:
                add();
                break;
            case C::Remove:
                remove();
                break;
            case C::ShiftUp:
                move(-1);
                break;
            case C::ShiftDown:
                move(+1);
                break;
            case C::Picture:
                picture();
                break;
            case C::Ok:
                ok();
                break;
            case C::Cancel:
                PostCloseWindow();
                break;
            case C::Help:
                if (ProcedureEntry help = FindProcedure("HelpBrowse")) Call(help);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    static rt::RowSourcePtr rowsOf(MarkedList& list) {
        return rt::rowsFrom(
            [&list] { return static_cast<int>(list.entries.size()); },
            [&list](int row, int field) {
                const Entry& e = list.entries.at(row - 1);
                return rt::Value(field == 0 ? std::string(e.mark ? "*" : "") : e.field);
            });
    }

    void markRow(int control, int key) {
        MarkedList& list = control == C::AllFields ? all_ : chosen_;
        int row = window().choice(control);
        // Shift with a moving key moves the highlight first, as the list would.
        int step = key == 0x126   ? -1
                   : key == 0x128 ? 1
                   : key == 0x121 ? -10
                   : key == 0x122 ? 10
                                  : 0;
        int count = static_cast<int>(list.entries.size());
        if (key == 0x124 || key == 0x324) row = 1;
        if (key == 0x123 || key == 0x323) row = count;
        if (step != 0) row = std::clamp(row + step, 1, std::max(count, 1));
        if (!list.mark(row, key)) return;
        window().setProp(control, PROP::SelectedRow, row);
        window().select(control);
        if (control == C::ExportFields) showPictureKind();
        SyncWindow();
    }

    void focusAfterChange() {
        if (!chosen_.entries.empty()) {
            window().setProp(C::ExportFields, PROP::SelectedRow, std::max(chosenRow_, 1));
            window().select(C::ExportFields);
        } else {
            window().select(C::AllFields);
        }
        showPictureKind();
        SyncWindow();
    }

    void add() {
        for (const Entry& e : all_.entries) {
            if (!e.mark) continue;
            auto same = std::find_if(chosen_.entries.begin(), chosen_.entries.end(),
                                     [&](const Entry& c) { return c.field == e.field; });
            if (same != chosen_.entries.end()) {
                same->mark = true;
                continue;
            }
            chosen_.entries.push_back(e);
            if (chosen_.entries.size() == 1) chosenRow_ = 1;
        }
        focusAfterChange();
    }

    void remove() {
        int row = 1;
        for (int n = static_cast<int>(chosen_.entries.size()); n >= 1; --n) {
            if (!chosen_.entries[n - 1].mark) continue;
            chosen_.entries.erase(chosen_.entries.begin() + (n - 1));
            if (n <= chosenRow_) --chosenRow_;
        }
        (void)row;
        chosenRow_ = std::clamp(chosenRow_, chosen_.entries.empty() ? 0 : 1,
                                static_cast<int>(chosen_.entries.size()));
        focusAfterChange();
    }

    void move(int step) {
        int count = static_cast<int>(chosen_.entries.size());
        int target = chosenRow_ + step;
        if (chosenRow_ >= 1 && target >= 1 && target <= count) {
            std::swap(chosen_.entries[chosenRow_ - 1], chosen_.entries[target - 1]);
            chosenRow_ = target;
            window().setProp(C::ExportFields, PROP::SelectedRow, chosenRow_);
        }
        window().select(C::ExportFields);
        SyncWindow();
    }

    void picture() {
        if (chosenRow_ >= 1 && chosenRow_ <= static_cast<int>(chosen_.entries.size())) {
            std::string typed = EnterPicture(chosen_.entries[chosenRow_ - 1].picture);
            if (!rt::clip(typed).empty()) {
                chosen_.entries[chosenRow_ - 1].picture = std::string(rt::clip(typed));
                showPictureKind();
            }
            window().select(C::ExportFields);
        } else if (!chosen_.entries.empty()) {
            window().setProp(C::ExportFields, PROP::SelectedRow, 1);
            window().select(C::ExportFields);
        } else {
            window().select(C::AllFields);
        }
        SyncWindow();
    }

    void showPictureKind() {
        int row = window().choice(C::ExportFields);
        if (chosen_.entries.empty() || row < 1 || row > static_cast<int>(chosen_.entries.size()))
            return;
        pictureKind_ = kindText(chosen_.entries[row - 1].picture);
        window().display(C::PictureKind);
    }

    void ok() {
        if (chosen_.entries.empty()) {
            rt::message("You must select one or more fields to export.",
                        "No Fields Selected for Export!", ICON::Asterisk);
            window().select(C::AllFields);
            return;
        }
        exportRecords();
        PostCloseWindow();
    }

    void exportRecords() {
        if (!OpenExportFile("")) return;
        if (includeHeader_ != 0) {
            ClearExportLine();
            for (const Entry& e : chosen_.entries)
                AppendExportField(rt::Value(e.field), "@s50", true);
            if (!WriteExportLine()) {
                CloseExportFile();
                notCompleted(0);
                return;
            }
        }
        ExportJob job;
        job.module = setting_.module;
        job.file = setting_.file;
        job.displayName = setting_.displayName;
        job.tagTable = setting_.tagTable;
        job.tagsInUse = tagsInUse_;
        for (const Entry& e : chosen_.entries)
            job.fields.push_back({e.field, e.picture});
        bool completed = false;
        long lines = RunExportPass(job, completed);
        CloseExportFile();
        if (completed) {
            LOC.Response = RESP::Completed;
        } else {
            notCompleted(lines);
        }
    }

    // The export stopped: the lines written stay in the file.
    static void notCompleted(long lines) {
        rt::message("The export was not completed. " + std::to_string(lines) +
                        (lines == 1 ? " record was" : " records were") + " written to the file.",
                    "Export Not Completed", ICON::Exclamation);
    }

    const ChooserSetting& setting_;
    MarkedList all_;
    MarkedList chosen_;
    std::string pictureKind_;
    long includeHeader_ = 0;
    int allRow_ = 0;
    int chosenRow_ = 0;
    bool tagsInUse_ = false;
};

const ChooserSetting contactSetting{"Tovik041", &records::mailFile(), "MAIL", TAG::Contacts,
                                    &contactExportFields};
const ChooserSetting checkSetting{"Tovik044", &records::checksFile(), "Checks", TAG::CheckRegister,
                                  &checkExportFields};

}  // namespace

void ExportMAIL() {
    ExportChooser(contactSetting).run();
}

void ExportCHECKS() {
    ExportChooser(checkSetting).run();
}
