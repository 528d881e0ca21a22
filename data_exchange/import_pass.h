#pragma once
// The adding pass of an import: every record of the open import file becomes one new record,
// 25 per timer event of the progress window "Importing Records", once the whole file has been
// read under "Checking Records" and nothing in it refused. Each record starts cleared
// (fields, memos and BLOBs), so a field without a column is blank, never the line before's.

#include <optional>
#include <string>
#include <vector>

#include "data_exchange/record_values.h"
#include "runtime/data/record_file.h"

// One column of the file: its picture and the fields it fills.
struct ImportColumn {
    std::string picture;
    std::vector<std::string> targets;
    std::vector<FieldRef> refs;  // the targets looked up (resolveImportColumns)
};
void resolveImportColumns(const rt::FileDecl& decl, std::vector<ImportColumn>& columns);

struct ImportJob {
    std::string module;  // of the progress window
    rt::RecordFile* file = nullptr;
    std::string addErrorCaption;  // "Cannot ADD to MAIL!"
    bool stripHeader = false;
    std::vector<ImportColumn> columns;
    // The check number of a record without a column for it: one above the highest.
    std::string numberField;
    int numberKey = -1;
    std::int64_t expectedBytes = 0;
};

// The refusals of the check before the adding: counted, the first of them named.
struct ImportCheck {
    static constexpr std::size_t kNamed = 20;
    long refused = 0;
    std::vector<std::string> first;
};

// Runs the pass; answers the records added. It first reads the whole file through the columns
// ("Checking Records"): a record or value it refuses, and a record whose values in a key
// without duplicates are already in the file or repeat an earlier line, end the pass with
// nothing added and `check` naming the refusals. An ADD that fails all the same (another
// station took the values meanwhile) takes back the records added and says so. `completed`
// tells whether every record was added (not cancelled, nothing refused, no failed ADD).
long RunImportPass(const ImportJob& job, bool& completed, ImportCheck& check);

// Fills the cleared buffer from the record just read (its columns resolved). A record or value
// that cannot be stored exactly is refused: each answer names the line, the column, the value
// and why. Empty when the whole record was stored.
std::vector<std::string> BuildImportRecord(rt::RecordFile& file,
                                           const std::vector<ImportColumn>& columns);

// The message that tells the user which values were refused.
std::string describeRefusals(const ImportCheck& check);
