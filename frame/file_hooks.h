#pragma once
// The display names of the record files in warnings, and the three hooks of every file
// with guarded writes: PrepareEdit (a form is about to keep its copy of the record),
// FinishUpdate and FinishDelete (every way out of the guarded writes). The hooks do
// nothing unless a procedure installs one.

#include <functional>
#include <string>

#include "runtime/data/record_file.h"

// "Checks" for CHECKS, "AreaCode" for AREACODE; the label for a file without one.
std::string DisplayName(const rt::RecordFile& file);

struct FileHooks {
    std::function<void()> prepareEdit;
    std::function<void()> finishUpdate;
    std::function<void()> finishDelete;
};

void SetFileHooks(const rt::RecordFile& file, FileHooks hooks);

void PrepareEdit(rt::RecordFile& file);
void FinishUpdate(rt::RecordFile& file);
void FinishDelete(rt::RecordFile& file);
