#include "runtime/print/page_spool.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace rt {
namespace {

constexpr char kSpoolMagic[] = "TVKSPOOL";
constexpr std::uint64_t kHeaderSize = 8;
// A page name is the spool's path and up to about 20 characters of place: a long temporary
// folder gives way to /tmp so that the name fits a preview queue entry's 80 characters.
constexpr std::size_t kLongestTempFolder = 36;

bool writeAt(int fd, const std::uint8_t* data, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n, size -= static_cast<std::size_t>(n), offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

bool readAt(int fd, std::uint8_t* data, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t n = ::pread(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;  // 0: the file ends early
        data += n, size -= static_cast<std::size_t>(n), offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

std::uint64_t fileSize(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

bool hasSpoolHeader(int fd) {
    std::uint8_t header[kHeaderSize];
    return readAt(fd, header, kHeaderSize, 0) && std::memcmp(header, kSpoolMagic, kHeaderSize) == 0;
}

bool liesInside(const SpooledPage& page, std::uint64_t size) {
    return page.offset >= kHeaderSize && page.length <= size && page.offset <= size - page.length;
}

std::string reason() {
    return std::strerror(errno);
}

template <typename Number>
bool parseNumber(std::string_view text, Number& value) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string pageName(const SpooledPage& page) {
    return page.spool.string() + "#" + std::to_string(page.offset) + ":" +
           std::to_string(page.length);
}

std::optional<SpooledPage> parsePageName(std::string_view name) {
    const std::size_t hash = name.rfind('#');
    if (hash == std::string_view::npos || hash == 0) return std::nullopt;
    const std::string_view place = name.substr(hash + 1);
    const std::size_t colon = place.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    SpooledPage page;
    if (!parseNumber(place.substr(0, colon), page.offset) ||
        !parseNumber(place.substr(colon + 1), page.length))
        return std::nullopt;
    page.spool = std::string(name.substr(0, hash));
    return page;
}

PageSpool::~PageSpool() {
    remove();
}

bool PageSpool::create(std::string& error) {
    remove();
    std::error_code noTemp;
    std::filesystem::path base = std::filesystem::temp_directory_path(noTemp);
    if (noTemp || base.string().size() > kLongestTempFolder) base = "/tmp";
    std::string pattern = (base / "tovik-pages-XXXXXX").string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        error = "cannot create a file for the report's pages in " + base.string() + ": " + reason();
        return false;
    }
    fd_ = fd;
    path_ = pattern;
    if (!writeAt(fd_, reinterpret_cast<const std::uint8_t*>(kSpoolMagic), kHeaderSize, 0)) {
        error = "cannot write the report's pages into " + path_.string() + ": " + reason();
        remove();
        return false;
    }
    end_ = kHeaderSize;
    return true;
}

bool PageSpool::append(const Page& page, std::string& error) {
    if (fd_ < 0) {
        error = "the report has no file for its pages";
        return false;
    }
    const std::vector<std::uint8_t> bytes = encodePage(page);
    if (!writeAt(fd_, bytes.data(), bytes.size(), end_)) {
        error = "cannot write the report's pages into " + path_.string() + ": " + reason();
        return false;
    }
    // A removed spool still takes writes through the open file, but nothing could read them.
    struct stat st;
    if (::fstat(fd_, &st) != 0 || st.st_nlink == 0) {
        error = "the file of the report's pages " + path_.string() + " was removed";
        return false;
    }
    index_.push_back({end_, bytes.size()});
    end_ += bytes.size();
    return true;
}

void PageSpool::remove() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    path_.clear();
    end_ = 0;
    index_.clear();
}

std::string PageSpool::pageName(std::size_t n) const {
    return rt::pageName({path_, index_.at(n).offset, index_.at(n).length});
}

PageReader::~PageReader() {
    closeSpool();
}

void PageReader::closeSpool() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    spool_.clear();
    size_ = 0;
}

bool PageReader::openSpool(const std::filesystem::path& spool, std::string& error) {
    if (fd_ >= 0 && spool == spool_) return true;
    closeSpool();
    const int fd = ::open(spool.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot open the report's pages " + spool.string() + ": " + reason();
        return false;
    }
    if (!hasSpoolHeader(fd)) {
        ::close(fd);
        error = spool.string() + " holds no report pages";
        return false;
    }
    fd_ = fd;
    spool_ = spool;
    size_ = fileSize(fd);
    return true;
}

bool PageReader::locate(std::string_view name, SpooledPage& page, std::string& error) {
    std::optional<SpooledPage> parsed = parsePageName(name);
    if (!parsed) {
        error = "not the name of a report page: " + std::string(name);
        return false;
    }
    page = std::move(*parsed);
    if (!openSpool(page.spool, error)) return false;
    if (!liesInside(page, size_)) size_ = fileSize(fd_);  // the spool may have grown since
    if (!liesInside(page, size_)) {
        error = "the report's pages in " + page.spool.string() + " end before page " +
                std::string(name);
        return false;
    }
    return true;
}

bool PageReader::check(std::string_view name, std::string& error) {
    SpooledPage page;
    return locate(name, page, error);
}

PageReadResult PageReader::read(std::string_view name) {
    PageReadResult result;
    SpooledPage page;
    if (!locate(name, page, result.error)) return result;
    bytes_.resize(page.length);
    errno = 0;
    if (!readAt(fd_, bytes_.data(), bytes_.size(), page.offset)) {
        // No error from the system: the spool was cut off since it was looked at.
        result.error = "cannot read page " + std::string(name) + ": " +
                       (errno ? reason() : std::string("the report's pages end early"));
        return result;
    }
    result = decodePage(bytes_);
    if (!result.ok()) result.error = "page " + std::string(name) + ": " + result.error;
    return result;
}

PageReadResult readPage(std::string_view name) {
    return PageReader().read(name);
}

ReplaceResult replaceTextInPage(std::string_view name, std::string_view from, std::string_view to) {
    if (from.empty() || from.size() != to.size()) return ReplaceResult::Failed;
    const std::optional<SpooledPage> page = parsePageName(name);
    if (!page) return ReplaceResult::Failed;
    const int fd = ::open(page->spool.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return ReplaceResult::Failed;
    ReplaceResult result = ReplaceResult::Failed;
    std::string bytes;
    if (hasSpoolHeader(fd) && liesInside(*page, fileSize(fd))) {
        bytes.resize(page->length);
        auto* data = reinterpret_cast<std::uint8_t*>(bytes.data());
        // Only a page that reads whole is changed: damaged bytes are left as they are.
        if (readAt(fd, data, bytes.size(), page->offset) &&
            decodePage(std::span(data, bytes.size())).ok()) {
            const std::size_t at = bytes.find(from);
            if (at == std::string::npos)
                result = ReplaceResult::NotFound;
            else if (writeAt(fd, reinterpret_cast<const std::uint8_t*>(to.data()), to.size(),
                             page->offset + at))
                result = ReplaceResult::Replaced;
        }
    }
    ::close(fd);
    return result;
}

}  // namespace rt
