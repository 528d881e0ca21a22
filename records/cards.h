#pragma once
// CARDS: business-card texts and return addresses, with a picture.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl cardsDeclaration();
rt::RecordFile& cardsFile();
// The file's name in warnings.
inline constexpr std::string_view cardsDisplayName = "Cards";
}  // namespace records

inline rt::RecordFile& CARDS = records::cardsFile();

namespace CAR {
// Fields, in declaration order.
inline const rt::Field BUSINESSNAME{records::cardsFile(), "CAR:BUSINESSNAME"};
inline const rt::Field BLANK{records::cardsFile(), "CAR:BLANK"};
inline const rt::Field NAME{records::cardsFile(), "CAR:NAME"};
inline const rt::Field TITLE{records::cardsFile(), "CAR:TITLE"};
inline const rt::Field ADDRESS{records::cardsFile(), "CAR:ADDRESS"};
inline const rt::Field CITYSTATEZIP{records::cardsFile(), "CAR:CITYSTATEZIP"};
inline const rt::Field PHONE{records::cardsFile(), "CAR:PHONE"};
inline const rt::Field FAX{records::cardsFile(), "CAR:FAX"};
inline const rt::Field EMAIL{records::cardsFile(), "CAR:EMAIL"};
inline const rt::Field WEBSITE{records::cardsFile(), "CAR:WEBSITE"};
// Memos and BLOBs.
inline const records::Blob PHOTOGRAPH{records::cardsFile(), "CAR:PHOTOGRAPH"};
// Keys.
inline const int KEYBUSINESSNAME = records::keyOf(records::cardsFile(), "CAR:KEYBUSINESSNAME");
inline const int KEYNAME = records::keyOf(records::cardsFile(), "CAR:KEYNAME");
}  // namespace CAR
