#pragma once
// AREACODE: telephone area codes with state, city and time zone.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl areaCodeDeclaration();
rt::RecordFile& areaCodeFile();
// The file's name in warnings.
inline constexpr std::string_view areaCodeDisplayName = "AreaCode";
}  // namespace records

inline rt::RecordFile& AREACODE = records::areaCodeFile();

namespace ARE {
// Fields, in declaration order.
inline const rt::Field AREACODE{records::areaCodeFile(), "ARE:AREACODE"};
inline const rt::Field STATE{records::areaCodeFile(), "ARE:STATE"};
inline const rt::Field CITY{records::areaCodeFile(), "ARE:CITY"};
inline const rt::Field TIMEZONE{records::areaCodeFile(), "ARE:TIMEZONE"};
// Keys.
inline const int KEYAREACODE = records::keyOf(records::areaCodeFile(), "ARE:KEYAREACODE");
inline const int KEYSTATE = records::keyOf(records::areaCodeFile(), "ARE:KEYSTATE");
inline const int KEYCITY = records::keyOf(records::areaCodeFile(), "ARE:KEYCITY");
}  // namespace ARE
