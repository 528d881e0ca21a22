#pragma once
// Every record file of the program, with its name in warnings.

#include <span>
#include <string_view>

#include "records/areacode.h"
#include "records/blank.h"
#include "records/cards.h"
#include "records/checks.h"
#include "records/company.h"
#include "records/config.h"
#include "records/dynalbls.h"
#include "records/help.h"
#include "records/informat.h"
#include "records/inventor.h"
#include "records/mail.h"
#include "records/orders.h"
#include "records/payee.h"
#include "records/plf.h"
#include "records/tag_file.h"
#include "records/web.h"
#include "records/zip.h"

namespace records {

struct RecordFileEntry {
    rt::RecordFile* file;
    std::string_view displayName;  // empty for the files that no warning names
};

// The seventeen files, MAIL first.
std::span<const RecordFileEntry> allRecordFiles();

// Clears this thread's buffer of every file, memos and BLOBs included (start-up).
void clearAllRecordBuffers();

}  // namespace records
