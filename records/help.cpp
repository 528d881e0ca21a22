#include "records/help.h"

namespace records {

rt::FileDecl helpDeclaration() {
    return rt::FileDecl("HELP", "HEL:")
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .STRING("HEL:HELP", 40)
        .MEMO("HEL:HELPINFO", 6000)
        .KEY("HEL:KEYHELP", rt::OPT | rt::NOCASE, {"HEL:HELP"});
}

rt::RecordFile& helpFile() {
    static rt::RecordFile& file = *new rt::RecordFile(helpDeclaration());
    return file;
}

}  // namespace records
