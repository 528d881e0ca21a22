#include "frame/file_hooks.h"

#include <map>
#include <mutex>
#include <string_view>
#include <utility>

#include "records/all_files.h"

namespace {

std::mutex hooksLock;
std::map<const rt::RecordFile*, FileHooks>& hooksTable() {
    static std::map<const rt::RecordFile*, FileHooks> table;
    return table;
}

std::function<void()> hook(const rt::RecordFile& file, std::function<void()> FileHooks::*which) {
    std::lock_guard lock(hooksLock);
    auto it = hooksTable().find(&file);
    return it == hooksTable().end() ? nullptr : it->second.*which;
}

}  // namespace

std::string DisplayName(const rt::RecordFile& file) {
    for (const records::RecordFileEntry& entry : records::allRecordFiles())
        if (entry.file == &file && !entry.displayName.empty())
            return std::string(entry.displayName);
    return file.decl().label();
}

void SetFileHooks(const rt::RecordFile& file, FileHooks hooks) {
    std::lock_guard lock(hooksLock);
    hooksTable()[&file] = std::move(hooks);
}

void PrepareEdit(rt::RecordFile& file) {
    if (auto h = hook(file, &FileHooks::prepareEdit)) h();
}

void FinishUpdate(rt::RecordFile& file) {
    if (auto h = hook(file, &FileHooks::finishUpdate)) h();
}

void FinishDelete(rt::RecordFile& file) {
    if (auto h = hook(file, &FileHooks::finishDelete)) h();
}
