#pragma once
// INFORMAT: titled information texts (files made before in code page 437 keep it).

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl informatDeclaration();
rt::RecordFile& informatFile();
// The file's name in warnings.
inline constexpr std::string_view informatDisplayName = "Information";
}  // namespace records

inline rt::RecordFile& INFORMAT = records::informatFile();

namespace INF {
// Fields, in declaration order.
inline const rt::Field INFORMATIONFILE{records::informatFile(), "INF:INFORMATIONFILE"};
// Memos and BLOBs.
inline const records::Memo INFO{records::informatFile(), "INF:INFO"};
// Keys.
inline const int KEYINFORMATIONFILE =
    records::keyOf(records::informatFile(), "INF:KEYINFORMATIONFILE");
}  // namespace INF
