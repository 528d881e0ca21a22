#include "runtime/data/line_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "runtime/data/errors.h"
#include "runtime/text/file_names.h"

namespace rt {
namespace {

constexpr std::size_t kChunk = 65536;

std::atomic<LineFile::ReadFunction> readFunction{nullptr};

ssize_t readAt(int fd, void* buffer, std::size_t count, off_t offset) {
    const LineFile::ReadFunction read = readFunction.load();
    for (;;) {
        const ssize_t n = read ? read(fd, buffer, count, offset) : pread(fd, buffer, count, offset);
        if (n >= 0 || errno != EINTR) return n;
    }
}

}  // namespace

void LineFile::setReadFunction(ReadFunction read) {
    readFunction.store(read);
}

LineFile::LineFile() : record_(kRecordSize, ' ') {}

LineFile::~LineFile() {
    if (fd_ >= 0) ::close(fd_);
}

void LineFile::setRecord(std::string_view text) {
    record_.assign(text.substr(0, kRecordSize));
    record_.resize(kRecordSize, ' ');
}

int LineFile::failErrno(int error) {
    switch (error) {
        case ENOENT:
            return detail::setError(FileError::FileNotFound, name_);
        case EACCES:
        case EPERM:
        case EROFS:
        case EBADF:
        case EWOULDBLOCK:
        case EISDIR:
            return detail::setError(FileError::AccessDenied, name_);
        default:
            return detail::setError(FileError::FileSystemError, name_, error, std::strerror(error));
    }
}

int LineFile::create() {
    detail::clearError();
    if (isOpen()) return detail::setError(FileError::FileAlreadyOpen, name_);
    int fd = ::open(userFilePath(name_).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return failErrno(errno);
    // Another program holding the file with others denied keeps its contents.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ftruncate(fd, 0) != 0) {
        int error = errno;
        ::close(fd);
        return failErrno(error);
    }
    ::close(fd);
    return 0;
}

int LineFile::open(int access) {
    detail::clearError();
    if (isOpen()) return detail::setError(FileError::FileAlreadyOpen, name_);
    int mode = access & 0x0F;
    int flags = mode == 0 ? O_RDONLY : mode == 1 ? O_WRONLY | O_APPEND : O_RDWR | O_APPEND;
    int fd = ::open(userFilePath(name_).c_str(), flags | O_CLOEXEC);
    if (fd < 0) return failErrno(errno);
    int lock = (access & 0xF0) == 0x10 ? LOCK_EX : LOCK_SH;
    if (flock(fd, lock | LOCK_NB) != 0) {
        ::close(fd);
        return detail::setError(FileError::AccessDenied, name_);
    }
    struct stat opened;
    if (fstat(fd, &opened) != 0) {
        const int error = errno;
        ::close(fd);
        return failErrno(error);
    }
    fd_ = fd;
    offset_ = 0;
    lastBytes_ = 0;
    readSinceOpen_ = false;
    utf8_ = false;
    readErrno_ = 0;
    changed_ = false;
    openedSize_ = opened.st_size;
    openedTime_ = opened.st_mtim;
    chunk_.clear();
    chunkStart_ = 0;
    return 0;
}

int LineFile::close() {
    detail::clearError();
    if (!isOpen()) return detail::setError(FileError::FileNotOpen, name_);
    int rc = ::close(fd_);
    fd_ = -1;
    return rc == 0 ? 0 : failErrno(errno);
}

int LineFile::set() {
    detail::clearError();
    if (!isOpen()) return detail::setError(FileError::FileNotOpen, name_);
    offset_ = 0;
    chunk_.clear();
    return 0;
}

int LineFile::byteAt(std::int64_t offset) {
    if (offset < chunkStart_ || offset >= chunkStart_ + static_cast<std::int64_t>(chunk_.size())) {
        if (readErrno_ != 0 || changed_) return -1;
        chunk_.resize(kChunk);
        const ssize_t n = readAt(fd_, chunk_.data(), kChunk, offset);
        if (n < 0) readErrno_ = errno;
        chunk_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        chunkStart_ = offset;
        // Each chunk is held against the file as it was opened: a file shortened, grown or
        // rewritten meanwhile is not read on as if nothing had happened.
        struct stat now;
        if (readErrno_ == 0 && fstat(fd_, &now) == 0 &&
            (now.st_size != openedSize_ || now.st_mtim.tv_sec != openedTime_.tv_sec ||
             now.st_mtim.tv_nsec != openedTime_.tv_nsec))
            changed_ = true;
        if (readErrno_ != 0 || changed_) chunk_.clear();
        if (chunk_.empty()) return -1;
    }
    return static_cast<unsigned char>(chunk_[static_cast<std::size_t>(offset - chunkStart_)]);
}

int LineFile::endOrReadError() {
    if (readErrno_ != 0)
        return detail::setError(
            FileError::FileSystemError, name_, readErrno_,
            "reading the file failed: " + std::string(std::strerror(readErrno_)));
    if (changed_)
        return detail::setError(FileError::FileSystemError, name_, 0,
                                "the file was changed by another program while it was read");
    return detail::setError(FileError::RecordNotAvailable, name_);
}

int LineFile::next() {
    detail::clearError();
    if (!isOpen()) return detail::setError(FileError::FileNotOpen, name_);
    std::int64_t pos = offset_;
    int first = byteAt(pos);
    if (first < 0 || first == 26) return endOrReadError();
    record_.assign(kRecordSize, ' ');
    int column = 0;
    for (;;) {
        int c = byteAt(pos);
        if (c < 0 || c == 26) break;
        if (c == '\r' && byteAt(pos + 1) == '\n') {
            pos += 2;
            break;
        }
        if (column == kRecordSize) break;  // the rest reads as a line of its own
        ++pos;
        if (c == '\t') {
            column = std::min(kRecordSize, (column / 8 + 1) * 8);
        } else {
            record_[static_cast<std::size_t>(column++)] = static_cast<char>(c);
        }
    }
    if (readErrno_ != 0 || changed_) return endOrReadError();
    lastBytes_ = pos - offset_;
    offset_ = pos;
    readSinceOpen_ = true;
    return 0;
}

int LineFile::readLine(std::string& line) {
    detail::clearError();
    if (!isOpen()) return detail::setError(FileError::FileNotOpen, name_);
    std::int64_t pos = offset_;
    if (pos == 0) {
        utf8_ = byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF;
        if (utf8_) pos = 3;
    }
    int first = byteAt(pos);
    if (first < 0 || first == 26) return endOrReadError();
    line.clear();
    lineEnd_ = "";
    for (;;) {
        int c = byteAt(pos);
        if (c < 0 || c == 26) break;
        ++pos;
        if (c == '\n') {
            lineEnd_ = "\n";
            break;
        }
        if (c == '\r') {
            // A carriage return alone ends a line too, as in files of older Mac programs.
            const bool pair = byteAt(pos) == '\n';
            pos += pair ? 1 : 0;
            lineEnd_ = pair ? "\r\n" : "\r";
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    if (readErrno_ != 0 || changed_) return endOrReadError();
    lastBytes_ = pos - offset_;
    offset_ = pos;
    readSinceOpen_ = true;
    return 0;
}

int LineFile::add() {
    std::size_t end = record_.find_last_not_of(' ');
    return appendLine(end == std::string::npos ? std::string_view()
                                               : std::string_view(record_).substr(0, end + 1));
}

int LineFile::appendLine(std::string_view text) {
    detail::clearError();
    if (!isOpen()) return detail::setError(FileError::FileNotOpen, name_);
    std::string line(text);
    line += "\r\n";
    const char* p = line.data();
    std::size_t left = line.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            // A partly written line would end the file with a fragment that a retry
            // appends after: the file is cut back to its last whole line.
            const auto written = static_cast<off_t>(line.size() - left);
            struct stat now;
            if (written > 0 && fstat(fd_, &now) == 0) {
                [[maybe_unused]] const int cut = ftruncate(fd_, now.st_size - written);
            }
            return failErrno(error);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    chunk_.clear();
    return 0;
}

std::int64_t LineFile::bytes() {
    if (readSinceOpen_) return lastBytes_;
    struct stat st;
    if (isOpen() ? fstat(fd_, &st) != 0 : stat(userFilePath(name_).c_str(), &st) != 0) return 0;
    return st.st_size;
}

int LineFile::remove() {
    detail::clearError();
    if (isOpen()) return detail::setError(FileError::FileAlreadyOpen, name_);
    if (::unlink(userFilePath(name_).c_str()) != 0) return failErrno(errno);
    return 0;
}

int LineFile::send(std::string_view /*command*/) {
    detail::clearError();
    return 0;
}

}  // namespace rt
