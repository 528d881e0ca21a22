#pragma once
// A view over one record file: it reads in the order that the file was SET to when the view
// was opened (a key, or record order), from that place, and passes only the records that its
// filter (PROP:Filter, compiled against the caller's BIND names at OPEN) lets through. Records
// go into the file's buffer. A view keeps its own place, so the file can be read and written
// in between; a record deleted or rewritten during the walk does not make the walk lose its
// place or meet a record twice.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/data/record_file.h"

namespace rt {

namespace detail {
class Cursor;
}

class View {
  public:
    explicit View(RecordFile& file);
    ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    RecordFile& file() { return *file_; }

    void setFilter(std::string text) { filterText_ = std::move(text); }
    const std::string& filter() const { return filterText_; }

    int open(int access = ACCESS::ReadWriteDenyWrite);
    int close();
    bool isOpen() const { return cursor_ != nullptr; }

    int next();
    int previous();
    int skip(long count);  // the buffer and the current record stay as they are
    int reset(std::string_view position);
    std::string position();  // of the record last read through the view
    int reget(std::string_view position);
    void watch() {}
    // True when the record in the file's buffer passes the filter (a record read again).
    bool matches() const;
    int put() { return file_->put(); }
    int deleteRecord() { return file_->deleteRecord(); }

  private:
    int read(bool forward, bool load);
    int notOpen();

    RecordFile* file_;
    detail::FileInstance* instance_ = nullptr;
    std::string filterText_;
    std::unique_ptr<class Filter> filter_;
    std::unique_ptr<detail::Cursor> cursor_;
    std::unique_ptr<RecordBuffer> saved_;  // the buffer before a filtered read
};

// Binds every field of the file under its full name ("MAI:LASTNAME") and every memo under
// its name in the innermost BIND scope of the running thread; the names read the running
// thread's buffer when a filter is evaluated.
void bindFields(RecordFile& file);

}  // namespace rt
