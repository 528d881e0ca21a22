#include "records/inventor.h"

namespace records {

rt::FileDecl inventorDeclaration() {
    return rt::FileDecl("INVENTOR", "INV:")
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .STRING("INV:ITEM", 8)
        .STRING("INV:DISC", 20)
        .DECIMAL("INV:PRICE", 7, 2)
        .STRING("INV:X1", 20)
        .STRING("INV:X2", 20)
        .STRING("INV:X3", 20)
        .STRING("INV:X4", 20)
        .STRING("INV:X5", 20)
        .KEY("INV:KEYITEM", rt::OPT | rt::NOCASE, {"INV:ITEM"})
        .KEY("INV:KEYDISC", rt::DUP | rt::NOCASE, {"INV:DISC"});
}

rt::RecordFile& inventorFile() {
    static rt::RecordFile& file = *new rt::RecordFile(inventorDeclaration());
    return file;
}

}  // namespace records
