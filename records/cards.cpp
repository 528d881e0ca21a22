#include "records/cards.h"

namespace records {

rt::FileDecl cardsDeclaration() {
    return rt::FileDecl("CARDS", "CAR:")
        .attributes(rt::CREATE | rt::THREAD)
        .STRING("CAR:BUSINESSNAME", 40)
        .STRING("CAR:BLANK", 1)
        .STRING("CAR:NAME", 40)
        .STRING("CAR:TITLE", 20)
        .STRING("CAR:ADDRESS", 40)
        .STRING("CAR:CITYSTATEZIP", 40)
        .STRING("CAR:PHONE", 15)
        .STRING("CAR:FAX", 15)
        .STRING("CAR:EMAIL", 30)
        .STRING("CAR:WEBSITE", 30)
        .BLOB("CAR:PHOTOGRAPH")
        .KEY("CAR:KEYBUSINESSNAME", rt::DUP | rt::NOCASE, {"CAR:BUSINESSNAME"})
        .KEY("CAR:KEYNAME", rt::DUP | rt::NOCASE, {"CAR:NAME"});
}

rt::RecordFile& cardsFile() {
    static rt::RecordFile& file = *new rt::RecordFile(cardsDeclaration());
    return file;
}

}  // namespace records
