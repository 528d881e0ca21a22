#include "records/zip.h"

namespace records {

rt::FileDecl zipDeclaration() {
    return rt::FileDecl("ZIP", "ZIP:")
        .attributes(rt::CREATE | rt::THREAD)
        .STRING("ZIP:CITY", 20)
        .STRING("ZIP:STATE", 2)
        .STRING("ZIP:ZIP", 5)
        .DECIMAL("ZIP:POPULATION", 7, 0)
        .KEY("ZIP:KEYCITY", rt::DUP | rt::NOCASE, {"ZIP:CITY"})
        .KEY("ZIP:KEYSTATE", rt::DUP | rt::NOCASE, {"ZIP:STATE"})
        .KEY("ZIP:KEYZIP", rt::DUP | rt::NOCASE, {"ZIP:ZIP"})
        .KEY("ZIP:KEYPOPULATION", rt::DUP | rt::NOCASE, {"ZIP:POPULATION"});
}

rt::RecordFile& zipFile() {
    static rt::RecordFile& file = *new rt::RecordFile(zipDeclaration());
    return file;
}

}  // namespace records
