#pragma once
// WEB: web bookmarks with their category.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl webDeclaration();
rt::RecordFile& webFile();
// The file's name in warnings.
inline constexpr std::string_view webDisplayName = "Web";
}  // namespace records

inline rt::RecordFile& WEB = records::webFile();

// The label and the prefix share their name, so the prefix is a class: a class name may
// stand beside a variable, and "WEB::" always finds the class.
struct WEB {
    // Fields, in declaration order.
    static inline const rt::Field SITENAME{records::webFile(), "WEB:SITENAME"};
    static inline const rt::Field URL{records::webFile(), "WEB:URL"};
    static inline const rt::Field GENERAL{records::webFile(), "WEB:GENERAL"};
    static inline const rt::Field SEARCH{records::webFile(), "WEB:SEARCH"};
    static inline const rt::Field NEWS{records::webFile(), "WEB:NEWS"};
    static inline const rt::Field SOFTWARE{records::webFile(), "WEB:SOFTWARE"};
    static inline const rt::Field COMPUTERS{records::webFile(), "WEB:COMPUTERS"};
    static inline const rt::Field TRAVEL{records::webFile(), "WEB:TRAVEL"};
    static inline const rt::Field ENTERTAINMENT{records::webFile(), "WEB:ENTERTAINMENT"};
    static inline const rt::Field SHOPPING{records::webFile(), "WEB:SHOPPING"};
    static inline const rt::Field HOBBIES{records::webFile(), "WEB:HOBBIES"};
    static inline const rt::Field SPORTS{records::webFile(), "WEB:SPORTS"};
    static inline const rt::Field FINANCE{records::webFile(), "WEB:FINANCE"};
    static inline const rt::Field BUSINESS{records::webFile(), "WEB:BUSINESS"};
    static inline const rt::Field HOME{records::webFile(), "WEB:HOME"};
    static inline const rt::Field LOCAL{records::webFile(), "WEB:LOCAL"};
    static inline const rt::Field AUDIOVIDEO{records::webFile(), "WEB:AUDIOVIDEO"};
    // Keys.
    static inline const int KEYSITENAME = records::keyOf(records::webFile(), "WEB:KEYSITENAME");
};
