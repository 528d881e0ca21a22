#pragma once
// The record buffer of one file instance: the fixed-length record image (text in the Windows
// code page), the memos and the BLOBs. Fields are reached by index or by their full name
// ("MAI:LASTNAME", without regard to case); an unknown name throws std::out_of_range.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/data/declaration.h"
#include "runtime/text/decimal.h"
#include "runtime/text/value.h"

namespace rt {

class RecordBuffer {
  public:
    explicit RecordBuffer(const FileDecl& decl);

    const FileDecl& decl() const { return *decl_; }

    // Typed access by field index.
    std::string_view raw(int field) const;  // the field's bytes in the record image
    std::string text(int field) const;      // STRING: its n characters; numbers: plain text
    Decimal number(int field) const;        // numbers exactly; STRING read as a number
    long long integer(int field) const;     // numbers rounded half away from zero
    double real(int field) const;
    Value value(int field) const;  // STRING gives text, every other type a number

    // Assignment cuts or pads text; a numeric field reads text leniently as a number ("12abc"
    // is 12, "abc" 0). A number that does not fit the field leaves the field unchanged and
    // answers false.
    bool setText(int field, std::string_view text);
    bool setNumber(int field, const Decimal& number);
    bool setInteger(int field, long long number);
    bool setReal(int field, double number);
    bool setValue(int field, const Value& value);

    // The same by full name.
    int field(std::string_view name) const;  // index; throws std::out_of_range
    std::string text(std::string_view name) const { return text(field(name)); }
    Decimal number(std::string_view name) const { return number(field(name)); }
    long long integer(std::string_view name) const { return integer(field(name)); }
    Value value(std::string_view name) const { return value(field(name)); }
    bool setText(std::string_view name, std::string_view text) {
        return setText(field(name), text);
    }
    bool setNumber(std::string_view name, const Decimal& n) { return setNumber(field(name), n); }
    bool setInteger(std::string_view name, long long n) { return setInteger(field(name), n); }
    bool setValue(std::string_view name, const Value& v) { return setValue(field(name), v); }

    // Memos (text cut at the declared size) and BLOBs (bytes).
    int memo(std::string_view name) const;  // index; throws std::out_of_range
    int blob(std::string_view name) const;
    const std::string& memoText(int memo) const { return memos_.at(memo); }
    void setMemo(int memo, std::string_view text);
    const std::string& blobData(int blob) const { return blobs_.at(blob); }
    void setBlob(int blob, std::string_view bytes) { blobs_.at(blob).assign(bytes); }

    // CLEAR: text blank, numbers zero, memos and BLOBs empty.
    void clear();

    std::span<char> image() { return image_; }
    std::span<const char> image() const { return image_; }
    std::vector<std::string>& memos() { return memos_; }
    const std::vector<std::string>& memos() const { return memos_; }
    std::vector<std::string>& blobs() { return blobs_; }
    const std::vector<std::string>& blobs() const { return blobs_; }

  private:
    const FieldDecl& fieldDecl(int field) const { return decl_->fields().at(field); }
    char* at(int field) { return image_.data() + fieldDecl(field).offset; }
    const char* at(int field) const { return image_.data() + fieldDecl(field).offset; }

    const FileDecl* decl_;
    std::vector<char> image_;
    std::vector<std::string> memos_;
    std::vector<std::string> blobs_;
};

}  // namespace rt
