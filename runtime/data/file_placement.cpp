#include "runtime/data/file_placement.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

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

std::string temporaryNameFor(const std::string& name) {
    static std::atomic<unsigned> counter{0};
    return name + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".creating";
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
