#include "records/company.h"

namespace records {

rt::FileDecl companyDeclaration() {
    return rt::FileDecl("COMPANY", "COM:")
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .STRING("COM:COMPANYNAME", 30)
        .STRING("COM:ADDRESS", 30)
        .STRING("COM:CITYSTATEZIP", 30)
        .DECIMAL("COM:PHONE", 11, 0)
        .DECIMAL("COM:FAX", 11, 0)
        .DECIMAL("COM:SALESTAX", 5, 4)
        .STRING("COM:X1", 20)
        .STRING("COM:X2", 20)
        .STRING("COM:X3", 20)
        .STRING("COM:X4", 20)
        .STRING("COM:X5", 20)
        .KEY("COM:KEYCOMPANY", rt::DUP | rt::OPT | rt::NOCASE, {"COM:COMPANYNAME"});
}

rt::RecordFile& companyFile() {
    static rt::RecordFile& file = *new rt::RecordFile(companyDeclaration());
    return file;
}

}  // namespace records
