#include "records/all_files.h"

#include <array>

namespace records {

std::span<const RecordFileEntry> allRecordFiles() {
    static const std::array<RecordFileEntry, 17> files{{
        {&mailFile(), mailDisplayName},
        {&checksFile(), checksDisplayName},
        {&blankFile(), blankDisplayName},
        {&ordersFile(), ordersDisplayName},
        {&payeeFile(), payeeDisplayName},
        {&inventorFile(), inventorDisplayName},
        {&companyFile(), companyDisplayName},
        {&configFile(), configDisplayName},
        {&tagFile(), tagFileDisplayName},
        {&webFile(), webDisplayName},
        {&zipFile(), zipDisplayName},
        {&areaCodeFile(), areaCodeDisplayName},
        {&cardsFile(), cardsDisplayName},
        {&plfFile(), plfDisplayName},
        {&dynaLblsFile(), dynaLblsDisplayName},
        {&informatFile(), informatDisplayName},
        {&helpFile(), helpDisplayName},
    }};
    return files;
}

void clearAllRecordBuffers() {
    for (const RecordFileEntry& entry : allRecordFiles())
        entry.file->clear();
}

}  // namespace records
