#pragma once
// The fields the export windows offer, with their default pictures, and the fields the
// import windows fill, for contacts and checks. Names are spelled as the header line writes
// them; each stands for the field (or memo) of that name in capitals.

#include <string>
#include <vector>

struct ExportField {
    std::string name;
    std::string picture;
};

const std::vector<ExportField>& contactExportFields();   // 85
const std::vector<ExportField>& checkExportFields();     // 31
const std::vector<std::string>& contactImportTargets();  // 101
const std::vector<std::string>& checkImportTargets();    // 39
