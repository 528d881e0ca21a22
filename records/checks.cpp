#include "records/checks.h"

#include "records/check_layout.h"

namespace records {

rt::FileDecl checksDeclaration() {
    return detail::checkLayout("CHECKS", "CHE:", /*checkNumberDescending=*/false);
}

rt::RecordFile& checksFile() {
    static rt::RecordFile& file = *new rt::RecordFile(checksDeclaration());
    return file;
}

}  // namespace records
