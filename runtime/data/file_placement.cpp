#include "runtime/data/file_placement.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace rt::detail {
namespace {

void syncFolderOf(const std::string& name) {
    std::filesystem::path folder = std::filesystem::path(name).parent_path();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

NameCheck checkName(const std::string& name) {
    struct stat entry {};
    if (::lstat(name.c_str(), &entry) != 0) {
        if (errno == ENOENT) return {NameKind::Missing, 0, {}};
        return {NameKind::Unusable, errno, std::strerror(errno)};
    }
    struct stat target {};
    if (::stat(name.c_str(), &target) != 0) {
        const int error = errno;
        if (error == ENOENT) return {NameKind::Unusable, error, "a link to a file that is missing"};
        return {NameKind::Unusable, error, std::strerror(error)};
    }
    if (S_ISDIR(target.st_mode)) return {NameKind::Unusable, EISDIR, "a folder, not a file"};
    if (!S_ISREG(target.st_mode)) return {NameKind::Unusable, EINVAL, "not a regular file"};
    return {NameKind::RegularFile, 0, {}};
}

namespace {

constexpr std::string_view kCreatingSuffix = ".creating";

// This machine's name as it goes into a temporary name: no '/' and no '-', which part it.
std::string machineName() {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0 || host[0] == '\0') return "host";
    std::string text = host;
    for (char& c : text)
        if (c == '/' || c == '-') c = '_';
    return text;
}

// Whether the creation that left `entry` ("<machine>-<pid>-<n>" between the file's name and
// the suffix) can be told to have ended: its process on this machine is gone, or it began
// more than a day ago (a creation takes seconds; a process on another machine cannot be
// asked).
bool creationEnded(std::string_view middle, const std::filesystem::path& entry) {
    const std::size_t last = middle.rfind('-');
    if (last != std::string_view::npos && last > 0) {
        const std::size_t before = middle.rfind('-', last - 1);
        std::int64_t pid = 0, count = 0;
        if (before != std::string_view::npos && middle.substr(0, before) == machineName() &&
            parseDigits(middle.substr(before + 1, last - before - 1), pid) &&
            parseDigits(middle.substr(last + 1), count) && pid > 0 &&
            ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            return true;
    }
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(entry, ec);
    if (ec) return false;
    return std::filesystem::file_time_type::clock::now() - written > std::chrono::hours(24);
}

}  // namespace

bool parseDigits(std::string_view text, std::int64_t& out) {
    if (text.empty() || text.size() > 18) return false;
    out = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        out = out * 10 + (c - '0');
    }
    return true;
}

std::string temporaryNameFor(const std::string& name) {
    static std::atomic<unsigned> counter{0};
    return name + "." + machineName() + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(++counter) + std::string(kCreatingSuffix);
}

void removeAbandonedTemporaries(const std::string& name) {
    const std::filesystem::path path(name);
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string prefix = path.filename().string() + ".";
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry.size() <= prefix.size() + kCreatingSuffix.size() || !entry.starts_with(prefix) ||
            !entry.ends_with(kCreatingSuffix))
            continue;
        const std::string_view middle = std::string_view(entry).substr(
            prefix.size(), entry.size() - prefix.size() - kCreatingSuffix.size());
        if (creationEnded(middle, it->path())) removeTemporary(it->path().string());
    }
}

Placement placeWithoutReplacing(const std::string& from, const std::string& to, int& systemError) {
    systemError = 0;
    int rc = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
    if (rc != 0 && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)) {
        // A file system without the no-replace rename: a hard link fails as well when the
        // name is taken.
        rc = ::link(from.c_str(), to.c_str());
        if (rc == 0) {
            ::unlink(from.c_str());
        } else if (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP || errno == ENOSYS) {
            // Nor hard links (FAT, some network shares): a plain rename while the name is
            // free, leaving only the moment between the look and the rename unguarded.
            struct stat entry {};
            if (::lstat(to.c_str(), &entry) == 0) {
                errno = EEXIST;
            } else {
                rc = ::rename(from.c_str(), to.c_str());
            }
        }
    }
    if (rc != 0) {
        systemError = errno;
        return systemError == EEXIST ? Placement::TakenMeanwhile : Placement::Failed;
    }
    syncFolderOf(to);
    return Placement::Placed;
}

void removeOrphanJournal(const std::string& name) {
    if (checkName(name).kind == NameKind::Missing) ::unlink((name + "-journal").c_str());
}

void removeTemporary(const std::string& name) {
    ::unlink(name.c_str());
    ::unlink((name + "-journal").c_str());
}

}  // namespace rt::detail
