#include "records/handles.h"

#include <stdexcept>

namespace records {

Memo::Memo(rt::RecordFile& file, std::string_view name)
    : file_(&file), index_(file.decl().memoIndex(name)) {
    if (index_ < 0) throw std::out_of_range("no memo " + std::string(name));
}

Blob::Blob(rt::RecordFile& file, std::string_view name)
    : file_(&file), index_(file.decl().blobIndex(name)) {
    if (index_ < 0) throw std::out_of_range("no BLOB " + std::string(name));
}

}  // namespace records
