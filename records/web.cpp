#include "records/web.h"

namespace records {

rt::FileDecl webDeclaration() {
    return rt::FileDecl("WEB", "WEB:")
        .attributes(rt::CREATE | rt::THREAD)
        .STRING("WEB:SITENAME", 30)
        .STRING("WEB:URL", 80)
        .STRING("WEB:GENERAL", 20)
        .STRING("WEB:SEARCH", 20)
        .STRING("WEB:NEWS", 20)
        .STRING("WEB:SOFTWARE", 20)
        .STRING("WEB:COMPUTERS", 20)
        .STRING("WEB:TRAVEL", 20)
        .STRING("WEB:ENTERTAINMENT", 20)
        .STRING("WEB:SHOPPING", 20)
        .STRING("WEB:HOBBIES", 20)
        .STRING("WEB:SPORTS", 20)
        .STRING("WEB:FINANCE", 20)
        .STRING("WEB:BUSINESS", 20)
        .STRING("WEB:HOME", 20)
        .STRING("WEB:LOCAL", 20)
        .STRING("WEB:AUDIOVIDEO", 20)
        .KEY("WEB:KEYSITENAME", rt::DUP | rt::NOCASE, {"WEB:SITENAME"});
}

rt::RecordFile& webFile() {
    static rt::RecordFile& file = *new rt::RecordFile(webDeclaration());
    return file;
}

}  // namespace records
