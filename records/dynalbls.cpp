#include "records/dynalbls.h"

namespace records {

rt::FileDecl dynaLblsDeclaration() {
    return rt::FileDecl("DYNALBLS", "DYN:")
        .attributes(rt::CREATE | rt::THREAD | rt::OEM)
        .STRING("DYN:LABELNAME", 33)
        .BYTE("DYN:LABELTYPE")
        .STRING("DYN:PAPERNAME", 20)
        .DECIMAL("DYN:PAPERWIDTH", 5, 3)
        .DECIMAL("DYN:PAPERHEIGHT", 5, 3)
        .DECIMAL("DYN:LABELWIDTH", 5, 3)
        .DECIMAL("DYN:LABELHEIGHT", 5, 3)
        .DECIMAL("DYN:TOPMARGIN", 5, 3)
        .DECIMAL("DYN:LEFTMARGIN", 5, 3)
        .STRING("DYN:PRINTERNAME", 30)
        .DECIMAL("DYN:XPRINTADJ", 5, 3)
        .DECIMAL("DYN:YPRINTADJ", 5, 3)
        .KEY("DYN:LABELNAMEKEY", rt::DUP | rt::OPT | rt::NOCASE, {"DYN:LABELNAME"})
        .KEY("DYN:LABELTYPENAMEKEY", rt::DUP | rt::OPT | rt::NOCASE,
             {"DYN:LABELTYPE", "DYN:PAPERNAME"});
}

rt::RecordFile& dynaLblsFile() {
    static rt::RecordFile& file = *new rt::RecordFile(dynaLblsDeclaration());
    return file;
}

}  // namespace records
