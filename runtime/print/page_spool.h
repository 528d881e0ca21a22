#pragma once
// The page spool: every finished page of one report in one file, appended one after another,
// so a report creates and deletes one file however many pages it has.
//
// Layout: "TVKSPOOL", then the pages' bytes (page_format.h) back to back. A page is named
// "<spool file>#<offset>:<length>". The name alone finds, reads or changes the page, so the
// preview queue's entries, the preview's page images and the printer need nothing else; a
// name stays under 80 characters (the size of a preview queue entry).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/print/page.h"
#include "runtime/print/page_format.h"

namespace rt {

// Where a page stands: its spool, and its bytes' place in it.
struct SpooledPage {
    std::filesystem::path spool;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

std::string pageName(const SpooledPage& page);
// The page a name stands for; nothing when the name is not that of a spooled page.
std::optional<SpooledPage> parsePageName(std::string_view name);

// The spool a report writes into.
class PageSpool {
  public:
    PageSpool() = default;
    ~PageSpool();  // removes the file
    PageSpool(const PageSpool&) = delete;
    PageSpool& operator=(const PageSpool&) = delete;

    // A new empty spool in the temporary folder (in /tmp when that folder's name is long).
    // False with the reason when it cannot be created.
    bool create(std::string& error);
    // Appends the page. False with the reason when it cannot be written (a full disk, the
    // spool removed); the page is then not kept, and the next one takes its place.
    bool append(const Page& page, std::string& error);
    // Closes and deletes the file; the pages are forgotten.
    void remove();

    bool isOpen() const { return fd_ >= 0; }
    const std::filesystem::path& path() const { return path_; }
    std::size_t pageCount() const { return index_.size(); }
    // The name of page n (from 0).
    std::string pageName(std::size_t n) const;

  private:
    struct Place {
        std::uint64_t offset, length;
    };

    int fd_ = -1;
    std::filesystem::path path_;
    std::uint64_t end_ = 0;
    std::vector<Place> index_;
};

// Reads spooled pages by name, one at a time, keeping the last spool open for the next page.
class PageReader {
  public:
    PageReader() = default;
    ~PageReader();
    PageReader(const PageReader&) = delete;
    PageReader& operator=(const PageReader&) = delete;

    // Whether the name stands for a page lying inside a spool, without reading the page.
    bool check(std::string_view name, std::string& error);
    // The page; an error when the name is foreign or the spool is missing, damaged or cut off.
    PageReadResult read(std::string_view name);

  private:
    bool locate(std::string_view name, SpooledPage& page, std::string& error);
    bool openSpool(const std::filesystem::path& spool, std::string& error);
    void closeSpool();

    int fd_ = -1;
    std::filesystem::path spool_;
    std::uint64_t size_ = 0;
    std::vector<std::uint8_t> bytes_;
};

// One page by name.
PageReadResult readPage(std::string_view name);

enum class ReplaceResult { Replaced, NotFound, Failed };

// Overwrites the first occurrence of `from` within the named page with `to` (same length),
// leaving every other byte of the spool in place. A page that does not read whole is left
// unchanged (Failed).
ReplaceResult replaceTextInPage(std::string_view name, std::string_view from, std::string_view to);

}  // namespace rt
