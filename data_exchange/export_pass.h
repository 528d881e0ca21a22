#pragma once
// The writing pass of an export: the records of one file in record order (only the tagged
// ones when the file's tag table had a tag as the chooser opened), one line each, under the
// progress window "Exporting Records". Each timer event writes until the records read in it
// add up to 1000 bytes.

#include <string>
#include <string_view>
#include <vector>

#include "data_exchange/field_tables.h"
#include "data_exchange/record_values.h"
#include "runtime/data/record_file.h"

struct ExportJob {
    std::string module;  // of the progress window
    rt::RecordFile* file = nullptr;
    std::string displayName;  // in the read-error warning
    long tagTable = 0;
    bool tagsInUse = false;
    std::vector<ExportField> fields;  // in line order, with the pictures used
};

// Runs the pass over the open export file. Answers the lines written; `completed` tells
// whether every record was written (not cancelled, no read or write error).
long RunExportPass(const ExportJob& job, bool& completed);

// A field of the line, looked up once for the whole pass.
struct ExportColumn {
    FieldRef ref;
    std::string picture;
};
std::vector<ExportColumn> resolveExportFields(const rt::FileDecl& decl,
                                              const std::vector<ExportField>& fields);

// Builds the line of the record in the buffer.
void BuildExportLine(rt::RecordFile& file, const std::vector<ExportColumn>& columns);
