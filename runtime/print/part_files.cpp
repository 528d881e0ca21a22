#include "runtime/print/part_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <random>

namespace rt {
namespace {

constexpr std::string_view kPartSuffix = ".part-";
constexpr std::size_t kRandomLength = 6;  // mkostemp's XXXXXX

// An open-file-description lock: held by the open file, whichever thread, let go when it is
// closed or the process ends, and never inherited by a program the run starts.
bool lockWhole(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool isPartFileName(const std::string& name) {
    const std::size_t at = name.rfind(kPartSuffix);
    if (at == std::string::npos || at == 0 ||
        name.size() != at + kPartSuffix.size() + kRandomLength)
        return false;
    for (std::size_t i = at + kPartSuffix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

}  // namespace

int createPartFile(const std::string& target, std::string& temporary) {
    // Made unnamed, locked, then given its name: no other run ever sees it unlocked.
    const std::filesystem::path parent = std::filesystem::path(target).parent_path();
    const int unnamed =
        ::open(parent.empty() ? "." : parent.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (unnamed >= 0) {
        if (lockWhole(unnamed)) {
            const std::string self = "/proc/self/fd/" + std::to_string(unnamed);
            std::random_device random;
            constexpr std::string_view kLetters =
                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
            for (int attempt = 0; attempt < 100; ++attempt) {
                temporary = target + std::string(kPartSuffix);
                for (std::size_t i = 0; i < kRandomLength; ++i)
                    temporary += kLetters[random() % kLetters.size()];
                if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(),
                             AT_SYMLINK_FOLLOW) == 0)
                    return unnamed;
                if (errno != EEXIST) break;
            }
        }
        ::close(unnamed);
    }
    // A file system without unnamed files: named first, locked right after.
    temporary = target + std::string(kPartSuffix) + std::string(kRandomLength, 'X');
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    if (!lockWhole(fd)) {
        const int error = errno;
        ::unlink(temporary.c_str());
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int removeAbandonedPartFiles(const std::filesystem::path& folder) {
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!isPartFileName(name) || !entry.is_regular_file(ec)) continue;
        const int fd = ::open(entry.path().c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) continue;
        // Locked: its run is still writing it. Otherwise no run will rename it any more.
        if (lockWhole(fd) && ::unlink(entry.path().c_str()) == 0) ++removed;
        ::close(fd);
    }
    return removed;
}

}  // namespace rt
