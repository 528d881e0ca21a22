// "Assign fields for Import..." (ImportMAIL, ImportCHECKS): the file's columns, with the
// values of the line shown, beside the fields they can fill; "&OK" adds one record per line.
#include <algorithm>
#include <string>
#include <vector>

#include "data_exchange/csv_file.h"
#include "data_exchange/csv_format.h"
#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/field_tables.h"
#include "data_exchange/import_assigner_window.h"
#include "data_exchange/import_pass.h"
#include "data_exchange/list_keys.h"
#include "frame/procedure.h"
#include "frame/procedure_registry.h"
#include "records/checks.h"
#include "records/mail.h"
#include "runtime/text/ascii_case.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/row_source.h"

namespace {

using windows::import_assigner::ImportAssignerControls;

struct Column {
    std::string name;
    std::string picture = "@S1000";
    std::string value;
};

struct Target {
    std::string name;
    int column = 0;  // from 1; 0: none
};

struct AssignerSetting {
    const char* module;
    rt::RecordFile& (*file)();
    const char* addErrorCaption;
    const std::vector<std::string>& (*targets)();
    const char* numberField;  // numbered when no column fills it; empty: none
};

std::string shownPicture(const std::string& picture) {
    switch (csv::kindOfPicture(picture)) {
        case csv::ValueKind::Text:
            return "Alpha-num";
        case csv::ValueKind::Number:
            return "Numeric";
        case csv::ValueKind::Formatted:
            break;
    }
    return picture;
}

class ImportAssigner : public Procedure {
  public:
    explicit ImportAssigner(const AssignerSetting& setting)
        : Procedure(windows::import_assigner::importAssignerWindow(setting.module),
                    {&setting.file()}),
          setting_(setting),
          c_(windows::import_assigner::importAssignerControls(setting.module)) {
        for (const std::string& t : setting.targets())
            targets_.push_back({t, 0});
    }

  protected:
    rt::BindingPtr bindLocal(std::string_view name) override {
        if (name == "LOC:StripHeader") return rt::bindLong("LOC:StripHeader", stripHeader_);
        if (name == "LOC:LineNumber") return rt::bindLong("LOC:LineNumber", lineNumber_);
        return nullptr;
    }

    void setUpRecords() override {
        LOC.Response = RESP::Cancelled;
        if (rt::keyCode() == KEY::RightClick) rt::clearKeyCode();
        expectedBytes_ = OpenImportFile("");
        if (expectedBytes_ == 0) FinishProcedure();
        if (ReadImportLine() == 0) {
            CloseImportFile();
            FinishProcedure();
        }
        std::string value;
        for (int n = 1; ParseImportField() != 0; ++n)
            columns_.push_back(
                {"Field_" + std::to_string(n), "@S1000", ImportValue().substr(0, 100)});
        if (ReadImportLine() != 0) {
            // A bare value in the second line makes its column a number column.
            for (Column& column : columns_) {
                if (ParseImportField() == 2) column.picture = "@N30.9";
            }
            RewindImportFile(true);
            ReadImportLine();
        }
        lineNumber_ = 1;
    }

    void setUpWindow() override {
        window().setRows(c_.columns,
                         rt::rowsFrom([this] { return static_cast<int>(columns_.size()); },
                                      [this](int row, int field) {
                                          const Column& c = columns_.at(row - 1);
                                          return rt::Value(field == 0   ? c.name
                                                           : field == 1 ? shownPicture(c.picture)
                                                                        : c.value);
                                      }));
        window().setRows(
            c_.targets, rt::rowsFrom([this] { return static_cast<int>(targets_.size()); },
                                     [this](int row, int field) {
                                         const Target& t = targets_.at(row - 1);
                                         if (field == 0) return rt::Value(t.name);
                                         if (t.column == 0) return rt::Value(std::string());
                                         return rt::Value(field == 1 ? std::string("=")
                                                                     : columns_[t.column - 1].name);
                                     }));
        if (!columns_.empty()) window().setProp(c_.columns, PROP::SelectedRow, 1);
        window().setProp(c_.targets, PROP::SelectedRow, 1);
    }

    int firstControl() const override { return c_.columns; }

    bool takeEvent() override {
        const int event = window().event();
        const int control = window().field();
        if (data_exchange::moveListHighlight(window(), event, c_.columns) ||
            data_exchange::moveListHighlight(window(), event, c_.targets))
            return false;
        columnRow_ = window().choice(c_.columns);
        targetRow_ = window().choice(c_.targets);
        if (event == EVENT::NewSelection && control == c_.columns) {
            auto first = std::find_if(targets_.begin(), targets_.end(),
                                      [&](const Target& t) { return t.column == columnRow_; });
            if (columnRow_ > 0 && first != targets_.end())
                window().setProp(c_.targets, PROP::SelectedRow, first - targets_.begin() + 1);
            return false;
        }
        if (event == EVENT::NewSelection && control == c_.targets) {
            if (targetRow_ > 0 && targets_[targetRow_ - 1].column > 0)
                window().setProp(c_.columns, PROP::SelectedRow, targets_[targetRow_ - 1].column);
            return false;
        }
        if (event != EVENT::Accepted) return false;
        if (control == c_.next) {
            nextLine();
        } else if (control == c_.picture) {
            picture();
        } else if (control == c_.assign) {
            if (targetRow_ > 0 && columnRow_ > 0) targets_[targetRow_ - 1].column = columnRow_;
            window().display(c_.targets);
            window().select(c_.targets);
        } else if (control == c_.unassign) {
            if (targetRow_ > 0) targets_[targetRow_ - 1].column = 0;
            window().display(c_.targets);
            window().select(c_.targets);
        } else if (control == c_.ok) {
            ok();
        } else if (control == c_.cancel) {
            PostCloseWindow();
        } else if (control == c_.help) {
            if (ProcedureEntry help = FindProcedure("HelpBrowse")) Call(help);
        }
        return false;
    }

    void finishing() override { CloseImportFile(); }

  private:
    void showFirstLine() {
        RewindImportFile(true);
        ReadImportLine();
        lineNumber_ = 0;
        for (Column& column : columns_)
            column.value.clear();
        showLineValues();
        window().setProp(c_.next, PROP::Disable, 0);
    }

    void nextLine() {
        if (ReadImportLine() == 0) {
            if (!ImportReadError().empty())
                rt::message(ImportReadError(), kImportReadErrorCaption, ICON::Hand);
            window().setProp(c_.next, PROP::Disable, 1);
            return;
        }
        showLineValues();
    }

    void showLineValues() {
        ++lineNumber_;
        for (Column& column : columns_) {
            if (ParseImportField() == 0) break;
            column.value = ImportValue().substr(0, 100);
        }
        if (c_.lineNumber != 0) window().display(c_.lineNumber);
        window().display(c_.columns);
        window().select(c_.columns);
    }

    void picture() {
        if (columnRow_ > 0) {
            std::string typed = EnterPicture(columns_[columnRow_ - 1].picture);
            if (!rt::clip(typed).empty()) {
                columns_[columnRow_ - 1].picture = std::string(rt::clip(typed));
                window().display(c_.columns);
            }
        }
        window().select(c_.columns);
    }

    void ok() {
        ImportJob job;
        job.module = setting_.module;
        job.file = &setting_.file();
        job.addErrorCaption = setting_.addErrorCaption;
        job.stripHeader = stripHeader_ != 0;
        job.expectedBytes = expectedBytes_;
        job.columns.resize(columns_.size());
        bool anyAssigned = false;
        bool numberAssigned = false;
        for (const Target& t : targets_) {
            if (t.column == 0) continue;
            anyAssigned = true;
            job.columns[t.column - 1].targets.push_back(t.name);
            if (rt::equalNoCaseAscii(t.name, setting_.numberField)) numberAssigned = true;
        }
        if (!anyAssigned) {
            rt::message("You must select one or more fields to import.",
                        "No Fields Selected for Import!", ICON::Asterisk);
            window().select(c_.columns);
            return;
        }
        for (std::size_t n = 0; n < columns_.size(); ++n)
            job.columns[n].picture = columns_[n].picture;
        if (*setting_.numberField != 0 && !numberAssigned) {
            job.numberField = setting_.numberField;
            job.numberKey =
                setting_.file().key(std::string(setting_.numberField).replace(4, 0, "KEY"));
        }
        bool completed = false;
        ImportCheck check;
        long added = RunImportPass(job, completed, check);
        if (check.refused > 0) {
            // Nothing was added; the window stays open at the first line, for pictures to be
            // given and the import tried again.
            rt::message(describeRefusals(check), "Values Refused", ICON::Hand);
            showFirstLine();
            return;
        }
        CloseImportFile();
        if (completed) {
            LOC.Response = RESP::Completed;
        } else {
            rt::message("The import was not completed. " + std::to_string(added) +
                            (added == 1 ? " record was" : " records were") + " added.",
                        "Import Not Completed", ICON::Exclamation);
        }
        PostCloseWindow();
    }

    const AssignerSetting& setting_;
    const ImportAssignerControls c_;
    std::vector<Column> columns_;
    std::vector<Target> targets_;
    long stripHeader_ = 0;
    long lineNumber_ = 0;
    std::int64_t expectedBytes_ = 0;
    int columnRow_ = 0;
    int targetRow_ = 0;
};

const AssignerSetting contactSetting{"Tovik042", &records::mailFile, "Cannot ADD to MAIL!",
                                     &contactImportTargets, ""};
const AssignerSetting checkSetting{"Tovik043", &records::checksFile, "Cannot ADD to Checks!",
                                   &checkImportTargets, "CHE:CHECKID"};

}  // namespace

void ImportMAIL() {
    ImportAssigner(contactSetting).run();
}

void ImportCHECKS() {
    ImportAssigner(checkSetting).run();
}
