#pragma once
// TagFile: one record per tagged record (user, tag table, record pointer, tag value).

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl tagFileDeclaration();
rt::RecordFile& tagFile();
// No warning names this file.
inline constexpr std::string_view tagFileDisplayName = "";
}  // namespace records

inline rt::RecordFile& TagFile = records::tagFile();

namespace TF_ {
// Fields, in declaration order.
inline const rt::Field USR{records::tagFile(), "TF_:USR"};
inline const rt::Field TBL{records::tagFile(), "TF_:TBL"};
inline const rt::Field PTR{records::tagFile(), "TF_:PTR"};
inline const rt::Field VAL{records::tagFile(), "TF_:VAL"};
// Keys.
inline const int PTRKEY = records::keyOf(records::tagFile(), "TF_:PTRKEY");
inline const int VALKEY = records::keyOf(records::tagFile(), "TF_:VALKEY");
}  // namespace TF_
