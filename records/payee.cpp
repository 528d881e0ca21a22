#include "records/payee.h"

namespace records {

rt::FileDecl payeeDeclaration() {
    return rt::FileDecl("PAYEE", "PAY:")
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .STRING("PAY:PAYTO", 30)
        .STRING("PAY:ADDRESS", 30)
        .STRING("PAY:CITYSTATEZIP", 30)
        .STRING("PAY:X1", 20)
        .STRING("PAY:X2", 20)
        .STRING("PAY:X3", 20)
        .STRING("PAY:X4", 20)
        .STRING("PAY:X5", 20)
        .KEY("PAY:KEYPAYTO", rt::DUP | rt::NOCASE, {"PAY:PAYTO"});
}

rt::RecordFile& payeeFile() {
    static rt::RecordFile& file = *new rt::RecordFile(payeeDeclaration());
    return file;
}

}  // namespace records
