#pragma once
// PLF: the product information record (its first record) and the supplier's contact data.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl plfDeclaration();
rt::RecordFile& plfFile();
// The file's name in warnings.
inline constexpr std::string_view plfDisplayName = "PLF";
}  // namespace records

inline rt::RecordFile& PLF = records::plfFile();

// The label and the prefix share their name, so the prefix is a class: a class name may
// stand beside a variable, and "PLF::" always finds the class.
struct PLF {
    // Fields, in declaration order.
    static inline const rt::Field PRODUCTNAME{records::plfFile(), "PLF:PRODUCTNAME"};
    static inline const rt::Field COMPANYNAME{records::plfFile(), "PLF:COMPANYNAME"};
    static inline const rt::Field ADDRESS{records::plfFile(), "PLF:ADDRESS"};
    static inline const rt::Field CITYSTATEZIP{records::plfFile(), "PLF:CITYSTATEZIP"};
    static inline const rt::Field PHONE{records::plfFile(), "PLF:PHONE"};
    static inline const rt::Field FAX{records::plfFile(), "PLF:FAX"};
    static inline const rt::Field EMAIL{records::plfFile(), "PLF:EMAIL"};
    static inline const rt::Field PRICE{records::plfFile(), "PLF:PRICE"};
    static inline const rt::Field VISA{records::plfFile(), "PLF:VISA"};
    static inline const rt::Field MASTERCARD{records::plfFile(), "PLF:MASTERCARD"};
    static inline const rt::Field AMERICANEXPRESS{records::plfFile(), "PLF:AMERICANEXPRESS"};
    static inline const rt::Field DISCOVER{records::plfFile(), "PLF:DISCOVER"};
    static inline const rt::Field CHECKBYFAX{records::plfFile(), "PLF:CHECKBYFAX"};
    static inline const rt::Field WEB{records::plfFile(), "PLF:WEB"};
    // Memos and BLOBs.
    static inline const records::Memo NEED{records::plfFile(), "PLF:NEED"};
    static inline const records::Memo INFO{records::plfFile(), "PLF:INFO"};
    // Keys.
    static inline const int KEYPRODUCT = records::keyOf(records::plfFile(), "PLF:KEYPRODUCT");
};
