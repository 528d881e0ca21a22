#include "data_exchange/export_pass.h"

#include "data_exchange/csv_file.h"
#include "data_exchange/record_values.h"
#include "frame/progress_window.h"
#include "frame/record_pass.h"
#include "frame/tagging.h"
#include "records/tag_file.h"

namespace {

namespace P = windows::ProgressControl;

class ExportPass : public RecordPass {
  public:
    explicit ExportPass(const ExportJob& job)
        : RecordPass(job.module, {&TagFile, job.file}, sheetOf(job)),
          job_(job),
          columns_(resolveExportFields(job.file->decl(), job.fields)) {}

    long linesWritten() const { return lines_; }
    // Nothing to write is no failure: the file then holds the header line or nothing.
    bool completed() const {
        return outcome() == Outcome::Complete || (!found_ && outcome() == Outcome::Cancelled);
    }

  private:
    static PassSheet sheetOf(const ExportJob& job) {
        PassSheet s;
        s.file = job.file;
        s.displayName = job.displayName;
        s.batchSize = 1000;
        s.countBytes = true;
        return s;
    }

    int recordVerdict() override {
        if (!job_.tagsInUse) return VERDICT::Take;
        return GetTag_(job_.tagTable, static_cast<long>(job_.file->pointer())) != 0 ? VERDICT::Take
                                                                                    : VERDICT::Skip;
    }
    bool isReport() const override { return false; }
    std::string progressTitle() const override { return "Exporting Records"; }
    void firstRecordFound() override { found_ = true; }
    void passEnded() override {}
    void beforeSetUp() override { TakeRequest(); }

    void batch() override {
        while (PASS.BatchCount < PASS.BatchSize) {
            BuildExportLine(*job_.file, columns_);
            if (!WriteExportLine()) {
                endPass(Outcome::WriteFailed);
                return;
            }
            ++lines_;
            if (readForward() == VERDICT::End) {
                if (outcome() == Outcome::Running) {
                    window().setProp(P::Percent, PROP::Text, "Process Completed");
                    window().display(P::Percent);
                    endPass(Outcome::Complete);
                }
                return;
            }
        }
    }

    const ExportJob& job_;
    const std::vector<ExportColumn> columns_;
    long lines_ = 0;
    bool found_ = false;
};

}  // namespace

std::vector<ExportColumn> resolveExportFields(const rt::FileDecl& decl,
                                              const std::vector<ExportField>& fields) {
    std::vector<ExportColumn> columns;
    for (const ExportField& f : fields)
        columns.push_back({resolveField(decl, f.name), f.picture});
    return columns;
}

void BuildExportLine(rt::RecordFile& file, const std::vector<ExportColumn>& columns) {
    ClearExportLine();
    for (const ExportColumn& c : columns)
        AppendExportField(recordValue(file, c.ref), c.picture, false);
}

long RunExportPass(const ExportJob& job, bool& completed) {
    ExportPass pass(job);
    pass.run();
    completed = pass.completed();
    return pass.linesWritten();
}
