#include "runtime/system/resource_lookup.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <string>

#include "runtime/text/ascii_case.h"
#include "runtime/text/file_names.h"

namespace fs = std::filesystem;

namespace rt {
namespace {

std::mutex gMutex;
fs::path gFirstFolder;                                         // guarded by gMutex
std::map<fs::path, std::map<std::string, fs::path>> gIndexes;  // folder -> lower name -> file

// "C:\ICO\CRDFLE04.ICO" -> "crdfle04.ico"; "~PC04.ICO" -> "pc04.ico".
std::string bareName(std::string_view name) {
    std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    while (!name.empty() && (name.front() == '~' || name.front() == ' '))
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return rt::lowerAscii(name);
}

fs::path executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

bool isResourceFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p / "icons", ec) || fs::is_directory(p / "pictures", ec) ||
           fs::is_directory(p / "cursors", ec) || fs::is_directory(p / "sounds", ec);
}

// Every file of a resources folder by its lower-case name (two levels deep).
const std::map<std::string, fs::path>& indexOf(const fs::path& folder) {
    auto [it, fresh] = gIndexes.try_emplace(folder);
    if (!fresh) return it->second;
    std::error_code ec;
    for (fs::recursive_directory_iterator i(folder, ec), end; !ec && i != end; i.increment(ec)) {
        if (i.depth() > 1) {
            i.disable_recursion_pending();
            continue;
        }
        if (i->is_regular_file(ec))
            it->second.try_emplace(rt::lowerAscii(i->path().filename().string()), i->path());
    }
    return it->second;
}

}  // namespace

void setResourceFolder(const fs::path& folder) {
    std::lock_guard lock(gMutex);
    gFirstFolder = folder;
}

std::vector<fs::path> resourceFolders() {
    std::vector<fs::path> out;
    {
        std::lock_guard lock(gMutex);
        if (!gFirstFolder.empty()) out.push_back(gFirstFolder);
    }
    if (const char* env = std::getenv("TOVIK_RESOURCES"); env && *env) out.emplace_back(env);
    fs::path dir = executableFolder();
    for (int up = 0; up < 6 && !dir.empty(); ++up) {
        if (isResourceFolder(dir / "resources")) {
            out.push_back(dir / "resources");
            break;
        }
        if (dir == dir.parent_path()) break;
        dir = dir.parent_path();
    }
    std::error_code ec;
    out.push_back(fs::current_path(ec) / "resources");
#ifdef TOVIK_RESOURCE_DIR
    out.emplace_back(TOVIK_RESOURCE_DIR);
#endif
    return out;
}

std::optional<fs::path> findResource(std::string_view name) {
    std::string utf8 = fileSystemNameOf(name);
    if (utf8.empty()) return std::nullopt;
    std::error_code ec;
    if (utf8.front() != '~' && fs::is_regular_file(utf8, ec)) return fs::path(utf8);
    std::string bare = bareName(utf8);
    if (bare.empty()) return std::nullopt;
    std::vector<fs::path> folders = resourceFolders();
    std::lock_guard lock(gMutex);
    for (const fs::path& folder : folders) {
        if (!isResourceFolder(folder)) continue;
        const auto& index = indexOf(folder);
        if (auto it = index.find(bare); it != index.end()) return it->second;
    }
    return std::nullopt;
}

}  // namespace rt
