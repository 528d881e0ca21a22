#pragma once
// Finds, while an import file is read through before anything is added, the records whose
// values in a key without duplicates are already in the file or repeat an earlier line of the
// same file: their ADD would fail part-way through the import, so they are refused like any
// value that cannot be stored.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data_exchange/import_pass.h"
#include "runtime/data/record_file.h"

class ImportKeyCheck {
  public:
    // `numberField`: a field the import numbers itself at each ADD (empty: none); keys on it
    // are left to that numbering.
    ImportKeyCheck(rt::RecordFile& file, const std::vector<ImportColumn>& columns,
                   const std::string& numberField);

    // The refusal of the record built in the buffer, read from `line`; none when its keys are
    // free. The buffer is left as it was.
    std::optional<std::string> refusal(long line);

  private:
    struct UniqueKey {
        int key = 0;
        int field = 0;      // the component named in a refusal
        std::string where;  // ", column Field_2 (CHE:CheckID)"; empty: no column fills it
        std::unordered_map<std::string, long> lines;  // key values -> first line with them
    };

    rt::RecordFile& file_;
    std::vector<UniqueKey> keys_;
};
