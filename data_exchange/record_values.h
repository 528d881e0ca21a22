#pragma once
// A record's fields and memos by the names of the field tables: the value an export writes,
// and the storing of an imported text into its target. Names are looked up once (FieldRef),
// then each record reaches its values by index.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/data/record_file.h"
#include "runtime/text/value.h"

// A field or memo of a file: exactly one of the two indexes is set.
struct FieldRef {
    int field = -1;
    int memo = -1;
};

// The field or memo `name` (any case); throws std::out_of_range for a name the file lacks.
FieldRef resolveField(const rt::FileDecl& decl, std::string_view name);

// The field or memo of the record in the buffer.
rt::Value recordValue(rt::RecordFile& file, const FieldRef& ref);
inline rt::Value recordValue(rt::RecordFile& file, std::string_view name) {
    return recordValue(file, resolveField(file.decl(), name));
}

// Stores `text` exactly or refuses it: a text longer than its field or memo, a number the
// field cannot hold (out of range, more places than it keeps) and a text that is no number
// for a number field are refused; the field is left as it was and the answer says why;
// the caller names the field.
std::optional<std::string> storeImportedText(rt::RecordFile& file, const FieldRef& ref,
                                             std::string_view text);
inline std::optional<std::string> storeImportedText(rt::RecordFile& file, std::string_view name,
                                                    std::string_view text) {
    return storeImportedText(file, resolveField(file.decl(), name), text);
}
