#pragma once
// The keyed start of a search scan: when a field's match type allows it, the file is set
// in the order of a key on that field from the criterion that the record buffer holds, and
// the scan may end at the first record that fails the field (the stop field).

#include "runtime/data/record_file.h"

// Positions `file` in the order of `key`, whose field `field` (an index of the file's
// buffer) holds the criterion. Answers whether the file was positioned; `stopField` gets
// the field's control number when the scan can end at the first failure of that field,
// else 0. Types 15 and 17 start at the first day of the criterion's year or month; the
// buffer is left as it was.
bool SetSearchStart(rt::RecordFile& file, int key, int field, int control, int matchType,
                    int& stopField);
