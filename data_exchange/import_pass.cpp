#include "data_exchange/import_pass.h"

#include <algorithm>

#include "data_exchange/csv_file.h"
#include "data_exchange/grouped_adds.h"
#include "data_exchange/import_key_check.h"
#include "data_exchange/record_values.h"
#include "frame/procedure.h"
#include "frame/progress_window.h"
#include "runtime/data/errors.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/picture.h"
#include "runtime/ui/dialogs.h"

namespace {

namespace P = windows::ProgressControl;

class ImportPass : public Procedure {
  public:
    explicit ImportPass(const ImportJob& job)
        : Procedure(windows::progressWindow(job.module), {job.file}),
          job_(job),
          columns_(resolvedColumns(job)),
          keys_(*job.file, columns_, job.numberField),
          adds_(*job.file) {}

    long added() const { return added_; }
    bool completed() const { return completed_; }
    const ImportCheck& check() const { return check_; }

  protected:
    void setUpWindow() override {
        window().setProp(P::Bar, PROP::Progress, 0);
        window().setProp(P::Percent, PROP::Text, "0% Completed");
        window().setProp(P::Heading, PROP::Text, "");
        window().setProp(0, PROP::Text, "Checking Records");
    }

    bool takeEvent() override {
        switch (window().event()) {
            case EVENT::OpenWindow:
                if (started_) break;
                started_ = true;
                RewindImportFile(true);
                if (job_.stripHeader) readRecord();
                break;
            case EVENT::Timer:
                if (ended_) break;
                if (checking_) {
                    checkBatch();
                } else {
                    batch();
                }
                break;
            case EVENT::Accepted:
                if (window().field() == P::Cancel && !ended_) finish(false);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    static std::vector<ImportColumn> resolvedColumns(const ImportJob& job) {
        std::vector<ImportColumn> columns = job.columns;
        resolveImportColumns(job.file->decl(), columns);
        return columns;
    }

    // The next record that holds a value; blank lines add nothing. A read that fails ends the
    // import, taking back what it added.
    bool readRecord() {
        for (;;) {
            std::int64_t bytes = ReadImportLine();
            if (bytes == 0) {
                if (!ImportReadError().empty())
                    abandon(ImportReadError(), std::string(kImportReadErrorCaption));
                return false;
            }
            bytesDone_ += bytes;
            ++batchDone_;
            showPercent();
            if (ParseImportField() != 0) return true;
        }
    }

    // The whole file is read before anything is added, so that a refused value does not leave
    // half a file imported: every record is built in the buffer and its refusals counted.
    void checkBatch() {
        batchDone_ = 0;
        while (batchDone_ < kCheckBatch) {
            if (!readRecord()) {
                if (!ended_) endChecking();
                return;
            }
            job_.file->clear();
            std::vector<std::string> refusals = BuildImportRecord(*job_.file, columns_);
            // A record whose key values are taken would fail at its ADD, part-way through.
            if (refusals.empty()) {
                if (std::optional<std::string> taken = keys_.refusal(ImportLineNumber()))
                    refusals.push_back(std::move(*taken));
            }
            for (std::string& refusal : refusals) {
                ++check_.refused;
                if (check_.first.size() < ImportCheck::kNamed)
                    check_.first.push_back(std::move(refusal));
            }
        }
    }

    // With nothing refused, the file is read again from its start, adding its records.
    void endChecking() {
        if (check_.refused > 0) {
            finish(false);
            return;
        }
        checking_ = false;
        bytesDone_ = 0;
        percent_ = 0;
        window().setProp(0, PROP::Text, "Importing Records");
        window().setProp(P::Bar, PROP::Progress, 0);
        window().setProp(P::Percent, PROP::Text, "0% Completed");
        window().display();
        RewindImportFile(true);
        if (job_.stripHeader) readRecord();
        if (!readRecord() && !ended_) {
            finish(true);
            window().setProp(P::Percent, PROP::Text, "Process Completed");
            window().display(P::Percent);
        }
    }

    void batch() {
        batchDone_ = 0;
        while (batchDone_ < 25 && !ended_) {
            if (!addRecord()) return;
            if (!readRecord()) {
                if (ended_) return;
                finish(true);
                window().setProp(P::Percent, PROP::Text, "Process Completed");
                window().display(P::Percent);
                return;
            }
        }
        adds_.commitIfDue();
    }

    bool addRecord() {
        rt::RecordFile& file = *job_.file;
        for (int attempt = 0;; ++attempt) {
            file.clear();
            std::vector<std::string> refused = BuildImportRecord(file, columns_);
            if (!refused.empty()) {
                abandon(refused.front(), "Value Refused");
                return false;
            }
            if (!job_.numberField.empty() && !numberRecord()) return false;
            if (adds_.add(ImportLineNumber()) == 0) break;
            // Another station may have taken the number: try the next one, up to three times.
            if (!job_.numberField.empty() && rt::errorCode() == rt::FileError::DuplicateKey &&
                attempt < 2) {
                continue;
            }
            abandonOnError();
            return false;
        }
        ++added_;
        return true;
    }

    // One above the highest number in the file (read by its key, the record kept aside).
    bool numberRecord() {
        rt::RecordFile& file = *job_.file;
        rt::RecordBuffer built = file.buf();
        file.set(job_.numberKey);
        int code = file.previous();
        long long next = code == 0 ? file.buf().integer(file.buf().field(job_.numberField)) + 1 : 1;
        file.buf() = built;
        if (code != 0 && code != rt::FileError::RecordNotAvailable) {
            abandonOnError();
            return false;
        }
        file.buf().setInteger(file.buf().field(job_.numberField), next);
        return true;
    }

    void abandonOnError() {
        abandon("Line " + std::to_string(ImportLineNumber()) + " could not be added: Error #" +
                    std::to_string(rt::errorCode()) + " - " + rt::errorTextWithCause(),
                job_.addErrorCaption);
    }

    // A record that cannot be added (another station took its number after the check, the
    // file failed) ends the import: the records it added are taken back, so that the file is
    // never left half imported, and the message says what became of them.
    void abandon(const std::string& why, const std::string& caption) {
        const long before = added_;
        const std::vector<long> left = adds_.undo();
        added_ = static_cast<long>(left.size());
        std::string text = why + "\n\n";
        if (before == 0) {
            text += "Nothing was imported.";
        } else if (left.empty()) {
            text += before == 1 ? "The record added before it was removed again"
                                : "The " + std::to_string(before) +
                                      " records added before it were removed again";
            text += ": nothing was imported.";
        } else {
            text += std::to_string(left.size()) + " of the " + std::to_string(before) +
                    " records added before it could not be removed again, those of line";
            text += left.size() == 1 ? " " : "s ";
            for (std::size_t n = 0; n < left.size() && n < ImportCheck::kNamed; ++n)
                text += (n == 0 ? "" : ", ") + std::to_string(left[n]);
            if (left.size() > ImportCheck::kNamed)
                text += " and " + std::to_string(left.size() - ImportCheck::kNamed) + " more";
            text += ". The other records were removed.";
        }
        rt::message(text, caption, ICON::Hand);
        finish(false);
    }

    void showPercent() {
        if (percent_ >= 100) return;
        long long p = job_.expectedBytes > 0 ? bytesDone_ * 100 / job_.expectedBytes : 100;
        p = std::min<long long>(p, 100);
        if (p == percent_) return;
        percent_ = p;
        window().setProp(P::Bar, PROP::Progress, percent_);
        window().setProp(P::Percent, PROP::Text,
                         rt::format(rt::Value(percent_), "@N3") + "% Completed");
        window().display();
    }

    void finish(bool completed) {
        adds_.commit();
        if (ended_) return;
        ended_ = true;
        completed_ = completed;
        PostCloseWindow();
    }

    static constexpr int kCheckBatch = 250;  // lines checked per timer event

    const ImportJob& job_;
    std::vector<ImportColumn> columns_;
    ImportKeyCheck keys_;
    GroupedAdds adds_;
    ImportCheck check_;
    bool checking_ = true;
    long added_ = 0;
    long long bytesDone_ = 0;
    long long percent_ = 0;
    int batchDone_ = 0;
    bool started_ = false;
    bool ended_ = false;
    bool completed_ = false;
};

}  // namespace

void resolveImportColumns(const rt::FileDecl& decl, std::vector<ImportColumn>& columns) {
    for (ImportColumn& c : columns) {
        c.refs.clear();
        for (const std::string& t : c.targets)
            c.refs.push_back(resolveField(decl, t));
    }
}

std::vector<std::string> BuildImportRecord(rt::RecordFile& file,
                                           const std::vector<ImportColumn>& columns) {
    if (!ImportRecordRefusal().empty()) return {ImportRecordRefusal()};
    std::vector<std::string> refusals;
    RestartImportValues();
    for (std::size_t n = 0; n < columns.size(); ++n) {
        if (ParseImportField() == 0) break;
        const ImportColumn& column = columns[n];
        if (column.targets.empty()) continue;
        const std::string where = "Line " + std::to_string(ImportLineNumber()) + ", column Field_" +
                                  std::to_string(n + 1);
        const std::string value = ImportValue();
        if (!ImportValueRefusal().empty()) {
            refusals.push_back(where + ": \"" + value + "\": " + ImportValueRefusal() + ".");
            continue;
        }
        if (!DeformatImportField(column.picture)) {
            refusals.push_back(where + ": \"" + value + "\" cannot be read with the picture " +
                               column.picture + ".");
            continue;
        }
        for (std::size_t t = 0; t < column.targets.size(); ++t) {
            if (std::optional<std::string> refused =
                    storeImportedText(file, column.refs[t], ImportValue())) {
                refusals.push_back(where + " (" + column.targets[t] + "): " + *refused + ".");
                break;
            }
        }
    }
    return refusals;
}

std::string describeRefusals(const ImportCheck& check) {
    std::string text = "Nothing was imported: " + std::to_string(check.refused) +
                       (check.refused == 1 ? " value cannot" : " values cannot") +
                       " be stored as the file gives " + (check.refused == 1 ? "it" : "them") +
                       ".\n";
    for (const std::string& refusal : check.first)
        text += "\n" + refusal;
    if (check.refused > static_cast<long>(check.first.size()))
        text += "\n... and " + std::to_string(check.refused - check.first.size()) + " more.";
    return text +
           "\n\nCorrect the file, or give the columns the pictures their values need, and "
           "import again.";
}

long RunImportPass(const ImportJob& job, bool& completed, ImportCheck& check) {
    ImportPass pass(job);
    pass.run();
    completed = pass.completed();
    check = pass.check();
    return pass.added();
}
