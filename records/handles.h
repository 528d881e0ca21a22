#pragma once
// Handles on the parts of a record file that the application names in code: memos, BLOBs and
// keys (fields use rt::Field). Each handle looks its part up by full name once and then works
// on the running thread's buffer of the file.
//
// Every file header gives the file object under its label (MAIL) and the handles in a scope
// named by the prefix (MAI::LASTNAME, MAI::NOTES3, MAI::KEYLASTNAME); the handles keep the full
// names ("MAI:LASTNAME") for BIND, filters, import and export.
//
// Each file is built on first use by its function (records::mailFile()) and never destroyed:
// the handles call that function, so they are sound in any order of initialisation, and no
// file disappears under a thread that ends after main(). Code that runs during static
// initialisation elsewhere must call the function too, not use the label or the handles.

#include <string>
#include <string_view>

#include "runtime/data/record_file.h"

namespace records {

// A memo of a record file: text of up to its declared size, kept outside the record.
class Memo {
  public:
    Memo(rt::RecordFile& file, std::string_view name);

    const std::string& text() const { return file_->buf().memoText(index_); }
    void setText(std::string_view text) const { file_->buf().setMemo(index_, text); }
    int index() const { return index_; }
    int size() const { return file_->decl().memos()[index_].size; }
    const std::string& name() const { return file_->decl().memos()[index_].name; }

  private:
    rt::RecordFile* file_;
    int index_;
};

// A BLOB of a record file: binary data (pictures) kept outside the record.
class Blob {
  public:
    Blob(rt::RecordFile& file, std::string_view name);

    const std::string& data() const { return file_->buf().blobData(index_); }
    void setData(std::string_view bytes) const { file_->buf().setBlob(index_, bytes); }
    int index() const { return index_; }
    const std::string& name() const { return file_->decl().blobs()[index_].name; }

  private:
    rt::RecordFile* file_;
    int index_;
};

// A key is named by its index, the form that the record operations take (SET, GET, ...).
inline int keyOf(const rt::RecordFile& file, std::string_view name) {
    return file.key(name);
}

}  // namespace records
