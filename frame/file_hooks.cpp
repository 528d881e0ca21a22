#include "frame/file_hooks.h"

#include <map>
#include <mutex>
#include <string_view>
#include <utility>

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
    static const std::pair<std::string_view, std::string_view> names[] = {
        {"MAIL", "MAIL"},
        {"CHECKS", "Checks"},
        {"BLANK", "Blank"},
        {"ORDERS", "ORDERS"},
        {"PAYEE", "Payee"},
        {"INVENTOR", "INVENTOR"},
        {"COMPANY", "COMPANY"},
        {"WEB", "Web"},
        {"ZIP", "Zip"},
        {"AREACODE", "AreaCode"},
        {"CARDS", "Cards"},
        {"PLF", "PLF"},
        {"INFORMAT", "Information"},
        {"HELP", "Help"}};
    const std::string& label = file.decl().label();
    for (const auto& [fileLabel, display] : names)
        if (rt::sameName(fileLabel, label)) return std::string(display);
    return label;
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
