#include "records/informat.h"

namespace records {

rt::FileDecl informatDeclaration() {
    return rt::FileDecl("INFORMAT", "INF:")
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .STRING("INF:INFORMATIONFILE", 40)
        .MEMO("INF:INFO", 6000)
        .KEY("INF:KEYINFORMATIONFILE", rt::OPT | rt::NOCASE, {"INF:INFORMATIONFILE"});
}

rt::RecordFile& informatFile() {
    static rt::RecordFile& file = *new rt::RecordFile(informatDeclaration());
    return file;
}

}  // namespace records
