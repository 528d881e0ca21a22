#pragma once
// HELP: titled help texts (files made before in code page 437 keep it).

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl helpDeclaration();
rt::RecordFile& helpFile();
// The file's name in warnings.
inline constexpr std::string_view helpDisplayName = "Help";
}  // namespace records

inline rt::RecordFile& HELP = records::helpFile();

namespace HEL {
// Fields, in declaration order.
inline const rt::Field HELP{records::helpFile(), "HEL:HELP"};
// Memos and BLOBs.
inline const records::Memo HELPINFO{records::helpFile(), "HEL:HELPINFO"};
// Keys.
inline const int KEYHELP = records::keyOf(records::helpFile(), "HEL:KEYHELP");
}  // namespace HEL
