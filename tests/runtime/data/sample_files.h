#pragma once
// Small record files declared for the tests, in the style of the application's declarations.

#include "runtime/data/declaration.h"

namespace datatest {

inline rt::FileDecl peopleDecl() {
    return rt::FileDecl("PEOPLE", "PEO:")
        .attributes(rt::CREATE | rt::THREAD)
        .STRING("PEO:NAME", 10)
        .STRING("PEO:CITY", 8)
        .LONG("PEO:NUMBER")
        .DECIMAL("PEO:AMOUNT", 7, 2)
        .SHORT("PEO:LEVEL")
        .MEMO("PEO:NOTES", 50)
        .BLOB("PEO:PICTURE")
        .KEY("PEO:KEYNAME", rt::DUP | rt::NOCASE, {"PEO:NAME"})
        .KEY("PEO:KEYNUMBER", rt::OPT | rt::NOCASE, {"PEO:NUMBER"})
        .KEY("PEO:KEYMIXED", rt::DUP, {"PEO:LEVEL", "-PEO:AMOUNT", "PEO:CITY"});
}

// The same layout with the name key declared case-sensitive: only the keys differ.
inline rt::FileDecl peopleCaseDecl() {
    return rt::FileDecl("PEOPLE", "PEO:")
        .STRING("PEO:NAME", 10)
        .STRING("PEO:CITY", 8)
        .LONG("PEO:NUMBER")
        .DECIMAL("PEO:AMOUNT", 7, 2)
        .SHORT("PEO:LEVEL")
        .MEMO("PEO:NOTES", 50)
        .BLOB("PEO:PICTURE")
        .KEY("PEO:KEYNAME", rt::DUP, {"PEO:NAME"})
        .KEY("PEO:KEYNUMBER", rt::OPT | rt::NOCASE, {"PEO:NUMBER"})
        .KEY("PEO:KEYMIXED", rt::DUP, {"PEO:LEVEL", "-PEO:AMOUNT", "PEO:CITY"});
}

// The same layout with unique names.
inline rt::FileDecl peopleUniqueNameDecl() {
    return rt::FileDecl("PEOPLE", "PEO:")
        .STRING("PEO:NAME", 10)
        .STRING("PEO:CITY", 8)
        .LONG("PEO:NUMBER")
        .DECIMAL("PEO:AMOUNT", 7, 2)
        .SHORT("PEO:LEVEL")
        .MEMO("PEO:NOTES", 50)
        .BLOB("PEO:PICTURE")
        .KEY("PEO:KEYNAME", rt::NOCASE, {"PEO:NAME"});
}

// The same file name with another layout (a wider name).
inline rt::FileDecl peopleWiderDecl() {
    return rt::FileDecl("PEOPLE", "PEO:")
        .STRING("PEO:NAME", 12)
        .STRING("PEO:CITY", 8)
        .LONG("PEO:NUMBER")
        .DECIMAL("PEO:AMOUNT", 7, 2)
        .SHORT("PEO:LEVEL")
        .MEMO("PEO:NOTES", 50)
        .BLOB("PEO:PICTURE")
        .KEY("PEO:KEYNAME", rt::DUP | rt::NOCASE, {"PEO:NAME"});
}

// Titles with a text, kept in the OEM code page.
inline rt::FileDecl notesDecl() {
    return rt::FileDecl("NOTES", "NOT:")
        .attributes(rt::CREATE | rt::THREAD | rt::OEM)
        .STRING("NOT:TITLE", 12)
        .MEMO("NOT:TEXT", 100)
        .KEY("NOT:KEYTITLE", rt::OPT | rt::NOCASE, {"NOT:TITLE"});
}

}  // namespace datatest
