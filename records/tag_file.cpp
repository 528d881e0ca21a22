#include "records/tag_file.h"

namespace records {

rt::FileDecl tagFileDeclaration() {
    return rt::FileDecl("TagFile", "TF_:")
        .name("TagFile_.KVF")
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .LONG("TF_:USR")  // always 0
        .SHORT("TF_:TBL")
        .LONG("TF_:PTR")  // record pointer in the tagged file
        .STRING("TF_:VAL", 10)
        .KEY("TF_:PTRKEY", rt::OPT | rt::NOCASE | rt::PRIMARY, {"TF_:USR", "TF_:TBL", "TF_:PTR"})
        .KEY("TF_:VALKEY", rt::DUP | rt::OPT | rt::NOCASE, {"TF_:USR", "TF_:TBL", "TF_:VAL"});
}

rt::RecordFile& tagFile() {
    static rt::RecordFile& file = *new rt::RecordFile(tagFileDeclaration());
    return file;
}

}  // namespace records
