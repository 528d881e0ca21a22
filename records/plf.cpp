#include "records/plf.h"

namespace records {

rt::FileDecl plfDeclaration() {
    return rt::FileDecl("PLF", "PLF:")
        .attributes(rt::CREATE | rt::THREAD)
        .STRING("PLF:PRODUCTNAME", 40)
        .STRING("PLF:COMPANYNAME", 40)
        .STRING("PLF:ADDRESS", 40)
        .STRING("PLF:CITYSTATEZIP", 40)
        .STRING("PLF:PHONE", 20)
        .STRING("PLF:FAX", 20)
        .STRING("PLF:EMAIL", 60)
        .STRING("PLF:PRICE", 40)
        .STRING("PLF:VISA", 1)
        .STRING("PLF:MASTERCARD", 1)
        .STRING("PLF:AMERICANEXPRESS", 1)
        .STRING("PLF:DISCOVER", 1)
        .STRING("PLF:CHECKBYFAX", 1)
        .STRING("PLF:WEB", 60)
        .MEMO("PLF:NEED", 2000)
        .MEMO("PLF:INFO", 2000)
        .KEY("PLF:KEYPRODUCT", rt::DUP | rt::OPT | rt::NOCASE, {"PLF:PRODUCTNAME"});
}

rt::RecordFile& plfFile() {
    static rt::RecordFile& file = *new rt::RecordFile(plfDeclaration());
    return file;
}

}  // namespace records
