#include "runtime/data/declaration.h"

#include <cctype>
#include <stdexcept>

#include "runtime/text/ascii_case.h"
#include "runtime/text/decimal.h"

namespace rt {
namespace {

// The longest key whose position still fits in the 512 characters of a position text:
// "K", the key's number, ":", a record id of up to 18 digits, ":" and the hex of the key
// with its 8-byte id suffix: 4 + 18 + 1 + 2 * (236 + 8) = 511.
constexpr int kMaxKeyWidth = 236;

const char* typeName(FieldType type) {
    switch (type) {
        case FieldType::String:
            return "STRING";
        case FieldType::Byte:
            return "BYTE";
        case FieldType::Short:
            return "SHORT";
        case FieldType::UShort:
            return "USHORT";
        case FieldType::Long:
            return "LONG";
        case FieldType::ULong:
            return "ULONG";
        case FieldType::Real:
            return "REAL";
        case FieldType::Decimal:
            return "DECIMAL";
        case FieldType::PDecimal:
            return "PDECIMAL";
        case FieldType::Date:
            return "DATE";
        case FieldType::Time:
            return "TIME";
    }
    return "?";
}

// Bytes of a field's encoding inside a key.
int keyWidthOf(const FieldDecl& field) {
    switch (field.type) {
        case FieldType::String:
            return field.size;
        case FieldType::Decimal:
        case FieldType::PDecimal:
            return 16;
        default:
            return field.size;
    }
}

template <class T>
int indexByName(const std::vector<T>& items, std::string_view name) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (sameName(items[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
    return equalNoCaseAscii(a, b);
}

FileDecl::FileDecl(std::string label, std::string prefix)
    : label_(std::move(label)), prefix_(std::move(prefix)), diskName_(label_ + ".KVF") {
    if (label_.empty()) throw std::invalid_argument("record file without a label");
}

FileDecl& FileDecl::name(std::string onDisk) {
    if (onDisk.empty()) throw std::invalid_argument(label_ + ": empty file name");
    diskName_ = std::move(onDisk);
    return *this;
}

FileDecl& FileDecl::attributes(unsigned attributes) {
    attributes_ = attributes;
    return *this;
}

void FileDecl::checkNewName(const std::string& name) const {
    if (name.empty()) throw std::invalid_argument(label_ + ": empty name");
    if (fieldIndex(name) >= 0 || keyIndex(name) >= 0 || memoIndex(name) >= 0 ||
        blobIndex(name) >= 0)
        throw std::invalid_argument(label_ + ": name declared twice: " + name);
}

FileDecl& FileDecl::addField(std::string name, FieldType type, int size, int digits, int places) {
    checkNewName(name);
    if (size <= 0) throw std::invalid_argument(label_ + ": bad width of " + name);
    FieldDecl field{std::move(name), type, recordSize_, size, digits, places};
    recordSize_ += size;
    fields_.push_back(std::move(field));
    return *this;
}

FileDecl& FileDecl::STRING(std::string field, int length) {
    return addField(std::move(field), FieldType::String, length);
}
FileDecl& FileDecl::BYTE(std::string field) {
    return addField(std::move(field), FieldType::Byte, 1);
}
FileDecl& FileDecl::SHORT(std::string field) {
    return addField(std::move(field), FieldType::Short, 2);
}
FileDecl& FileDecl::USHORT(std::string field) {
    return addField(std::move(field), FieldType::UShort, 2);
}
FileDecl& FileDecl::LONG(std::string field) {
    return addField(std::move(field), FieldType::Long, 4);
}
FileDecl& FileDecl::ULONG(std::string field) {
    return addField(std::move(field), FieldType::ULong, 4);
}
FileDecl& FileDecl::REAL(std::string field) {
    return addField(std::move(field), FieldType::Real, 8);
}
FileDecl& FileDecl::DATE(std::string field) {
    return addField(std::move(field), FieldType::Date, 4);
}
FileDecl& FileDecl::TIME(std::string field) {
    return addField(std::move(field), FieldType::Time, 4);
}

FileDecl& FileDecl::DECIMAL(std::string field, int digits, int places) {
    if (digits < 1 || digits > 31 || places < 0 || places > digits)
        throw std::invalid_argument(label_ + ": bad DECIMAL " + field);
    return addField(std::move(field), FieldType::Decimal, Decimal::packedSize(digits), digits,
                    places);
}

FileDecl& FileDecl::PDECIMAL(std::string field, int digits, int places) {
    if (digits < 1 || digits > 31 || places < 0 || places > digits)
        throw std::invalid_argument(label_ + ": bad PDECIMAL " + field);
    return addField(std::move(field), FieldType::PDecimal, Decimal::packedSize(digits), digits,
                    places);
}

FileDecl& FileDecl::MEMO(std::string memo, int size) {
    checkNewName(memo);
    if (size <= 0) throw std::invalid_argument(label_ + ": bad MEMO size of " + memo);
    memos_.push_back({std::move(memo), size});
    return *this;
}

FileDecl& FileDecl::BLOB(std::string blob) {
    checkNewName(blob);
    blobs_.push_back({std::move(blob)});
    return *this;
}

FileDecl& FileDecl::KEY(std::string key, unsigned flags,
                        std::initializer_list<std::string_view> fields) {
    checkNewName(key);
    if (fields.size() == 0) throw std::invalid_argument(label_ + ": key without fields: " + key);
    KeyDecl decl{std::move(key), flags, {}, 0};
    for (std::string_view name : fields) {
        KeyComponent component;
        if (!name.empty() && (name.front() == '-' || name.front() == '+')) {
            component.descending = name.front() == '-';
            name.remove_prefix(1);
        }
        component.field = fieldIndex(name);
        if (component.field < 0)
            throw std::invalid_argument(label_ + ": key " + decl.name + " names no field " +
                                        std::string(name));
        decl.width += keyWidthOf(fields_[component.field]);
        decl.components.push_back(component);
    }
    if (decl.width > kMaxKeyWidth) throw std::invalid_argument(label_ + ": key too wide");
    keys_.push_back(std::move(decl));
    return *this;
}

int FileDecl::fieldIndex(std::string_view name) const {
    return indexByName(fields_, name);
}
int FileDecl::keyIndex(std::string_view name) const {
    return indexByName(keys_, name);
}
int FileDecl::memoIndex(std::string_view name) const {
    return indexByName(memos_, name);
}
int FileDecl::blobIndex(std::string_view name) const {
    return indexByName(blobs_, name);
}

std::string FileDecl::layoutSignature() const {
    std::string text = "layout 1;";
    for (const FieldDecl& f : fields_) {
        text += typeName(f.type);
        text += '(' + std::to_string(f.size);
        if (f.type == FieldType::Decimal || f.type == FieldType::PDecimal)
            text += ',' + std::to_string(f.digits) + ',' + std::to_string(f.places);
        text += ");";
    }
    for (const MemoDecl& m : memos_)
        text += "MEMO(" + std::to_string(m.size) + ");";
    for (std::size_t i = 0; i < blobs_.size(); ++i)
        text += "BLOB;";
    if (oem()) text += "OEM;";
    return text;
}

std::string FileDecl::keySignature() const {
    std::string text = "keys 1;";
    for (const KeyDecl& k : keys_) {
        text += k.unique() ? "U" : "D";
        text += k.noCase() ? "N" : "C";
        for (const KeyComponent& c : k.components)
            text += (c.descending ? "-" : "+") + std::to_string(c.field);
        text += ';';
    }
    return text;
}

}  // namespace rt
