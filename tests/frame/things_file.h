#pragma once
// A small record file for the frame's tests, on disk as THINGS.KVF in the working folder.

#include "runtime/data/record_file.h"

namespace testsupport {

inline rt::RecordFile& things() {
    static rt::RecordFile* file =
        new rt::RecordFile(rt::FileDecl("THINGS", "THI:")
                               .attributes(rt::CREATE | rt::THREAD)
                               .STRING("THI:NAME", 20)
                               .LONG("THI:COUNT")
                               .MEMO("THI:NOTES", 200)
                               .KEY("THI:KEYNAME", rt::DUP | rt::NOCASE, {"THI:NAME"}));
    return *file;
}

// The same file name with another layout: opening it answers "Invalid Record Declaration".
inline rt::RecordFile& thingsOtherLayout() {
    static rt::RecordFile* file = new rt::RecordFile(
        rt::FileDecl("THINGS", "TH2:").attributes(rt::CREATE | rt::THREAD).STRING("TH2:X", 3));
    return *file;
}

}  // namespace testsupport
