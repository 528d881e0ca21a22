#pragma once
// The declaration of a record file: label, prefix, name on disk, attributes, fields in order
// with their types and widths, keys with their flags and components, memos and BLOBs.
// It reads like the file's declaration table:
//
//   rt::FileDecl("ZIP", "ZIP:")
//       .attributes(rt::CREATE | rt::THREAD)
//       .STRING("ZIP:CITY", 20)
//       .DECIMAL("ZIP:POPULATION", 7, 0)
//       .KEY("ZIP:KEYCITY", rt::DUP | rt::NOCASE, {"ZIP:CITY"})
//       .KEY("CHE1:KEYCHECKNUMBER", rt::DUP, {"-CHE1:CHECKNUMBER"})  // "-": descending
//
// A mistake in a declaration is a programming error and throws std::invalid_argument.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

enum class FieldType {
    String,
    Byte,
    Short,
    UShort,
    Long,
    ULong,
    Real,
    Decimal,
    PDecimal,
    Date,
    Time
};

// Key flags.
inline constexpr unsigned DUP = 1;
inline constexpr unsigned NOCASE = 2;
inline constexpr unsigned OPT = 4;  // kept in the declaration; every record is in every key
inline constexpr unsigned PRIMARY = 8;

// File attributes.
inline constexpr unsigned CREATE = 1;
inline constexpr unsigned RECLAIM = 2;
inline constexpr unsigned THREAD = 4;
inline constexpr unsigned OEM = 8;  // text fields and memos are stored in code page 437

struct FieldDecl {
    std::string name;
    FieldType type;
    int offset = 0;  // in the record image
    int size = 0;    // bytes in the record image
    int digits = 0;  // DECIMAL and PDECIMAL
    int places = 0;
};

struct KeyComponent {
    int field = 0;
    bool descending = false;
};

struct KeyDecl {
    std::string name;
    unsigned flags = 0;
    std::vector<KeyComponent> components;
    int width = 0;  // bytes of the encoded components
    bool unique() const { return (flags & DUP) == 0; }
    bool noCase() const { return (flags & NOCASE) != 0; }
};

struct MemoDecl {
    std::string name;
    int size = 0;  // maximum characters
};

struct BlobDecl {
    std::string name;
};

class FileDecl {
  public:
    FileDecl(std::string label, std::string prefix);

    FileDecl& name(std::string onDisk);  // default: label + ".KVF"
    FileDecl& attributes(unsigned attributes);

    FileDecl& STRING(std::string field, int length);
    FileDecl& BYTE(std::string field);
    FileDecl& SHORT(std::string field);
    FileDecl& USHORT(std::string field);
    FileDecl& LONG(std::string field);
    FileDecl& ULONG(std::string field);
    FileDecl& REAL(std::string field);
    FileDecl& DECIMAL(std::string field, int digits, int places);
    FileDecl& PDECIMAL(std::string field, int digits, int places);
    FileDecl& DATE(std::string field);
    FileDecl& TIME(std::string field);
    FileDecl& MEMO(std::string memo, int size);
    FileDecl& BLOB(std::string blob);
    FileDecl& KEY(std::string key, unsigned flags, std::initializer_list<std::string_view> fields);

    const std::string& label() const { return label_; }
    const std::string& prefix() const { return prefix_; }
    const std::string& diskName() const { return diskName_; }
    unsigned attributes() const { return attributes_; }
    bool oem() const { return (attributes_ & OEM) != 0; }
    int recordSize() const { return recordSize_; }
    const std::vector<FieldDecl>& fields() const { return fields_; }
    const std::vector<KeyDecl>& keys() const { return keys_; }
    const std::vector<MemoDecl>& memos() const { return memos_; }
    const std::vector<BlobDecl>& blobs() const { return blobs_; }

    // Index by name, without regard to case; -1 when there is none.
    int fieldIndex(std::string_view name) const;
    int keyIndex(std::string_view name) const;
    int memoIndex(std::string_view name) const;
    int blobIndex(std::string_view name) const;

    // Canonical texts of the layout (fields, memos, BLOBs) and of the keys, kept in the file
    // so that a file written under another declaration is recognised.
    std::string layoutSignature() const;
    std::string keySignature() const;

  private:
    FileDecl& addField(std::string name, FieldType type, int size, int digits = 0, int places = 0);
    void checkNewName(const std::string& name) const;

    std::string label_;
    std::string prefix_;
    std::string diskName_;
    unsigned attributes_ = 0;
    int recordSize_ = 0;
    std::vector<FieldDecl> fields_;
    std::vector<KeyDecl> keys_;
    std::vector<MemoDecl> memos_;
    std::vector<BlobDecl> blobs_;
};

// True when the two names are equal without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b);

}  // namespace rt
