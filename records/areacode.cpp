#include "records/areacode.h"

namespace records {

rt::FileDecl areaCodeDeclaration() {
    return rt::FileDecl("AREACODE", "ARE:")
        .attributes(rt::CREATE | rt::THREAD)
        .DECIMAL("ARE:AREACODE", 3, 0)
        .STRING("ARE:STATE", 2)
        .STRING("ARE:CITY", 30)
        .STRING("ARE:TIMEZONE", 10)
        .KEY("ARE:KEYAREACODE", rt::DUP | rt::NOCASE, {"ARE:AREACODE"})
        .KEY("ARE:KEYSTATE", rt::DUP | rt::NOCASE, {"ARE:STATE"})
        .KEY("ARE:KEYCITY", rt::DUP | rt::NOCASE, {"ARE:CITY"});
}

rt::RecordFile& areaCodeFile() {
    static rt::RecordFile& file = *new rt::RecordFile(areaCodeDeclaration());
    return file;
}

}  // namespace records
