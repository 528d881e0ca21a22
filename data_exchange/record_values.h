#pragma once
// A record's fields and memos by the names of the field tables: the value an export writes,
// and the storing of an imported text into its target.

#include <optional>
#include <string>
#include <string_view>

#include "runtime/data/record_file.h"
#include "runtime/text/value.h"

// The field or memo `name` (any case) of the record in the buffer.
rt::Value recordValue(rt::RecordFile& file, std::string_view name);

// Stores `text` into the field or memo `name`: text cut to the field, memos to their size,
// numbers read from the text (a LONG or SHORT without its fraction, a decimal rounded to its
// places). A number that the field cannot hold is refused: the field is left as it was and
// the answer says why.
std::optional<std::string> storeImportedText(rt::RecordFile& file, std::string_view name,
                                             std::string_view text);
