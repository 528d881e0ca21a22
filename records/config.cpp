#include "records/config.h"

namespace records {

rt::FileDecl configDeclaration() {
    return rt::FileDecl("CONFIG", "CON:")
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .STRING("CON:COMMPORT", 4)
        .BYTE("CON:DIALTIME");
}

rt::RecordFile& configFile() {
    static rt::RecordFile& file = *new rt::RecordFile(configDeclaration());
    return file;
}

}  // namespace records
