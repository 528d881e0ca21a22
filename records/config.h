#pragma once
// CONFIG: the dialling configuration; the file has no keys.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl configDeclaration();
rt::RecordFile& configFile();
// No warning names this file.
inline constexpr std::string_view configDisplayName = "";
}  // namespace records

inline rt::RecordFile& CONFIG = records::configFile();

namespace CON {
// Fields, in declaration order.
inline const rt::Field COMMPORT{records::configFile(), "CON:COMMPORT"};
inline const rt::Field DIALTIME{records::configFile(), "CON:DIALTIME"};
}  // namespace CON
