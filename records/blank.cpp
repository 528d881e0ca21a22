#include "records/blank.h"

#include "records/check_layout.h"

namespace records {

rt::FileDecl blankDeclaration() {
    return detail::checkLayout("BLANK", "CHE1:", /*checkNumberDescending=*/true)
        .BLOB("CHE1:PHOTOGRAPH");  // the picture printed on the blank check
}

rt::RecordFile& blankFile() {
    static rt::RecordFile& file = *new rt::RecordFile(blankDeclaration());
    return file;
}

}  // namespace records
