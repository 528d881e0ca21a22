#pragma once
// COMPANY: the user's own companies, the seller and return address.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl companyDeclaration();
rt::RecordFile& companyFile();
// The file's name in warnings.
inline constexpr std::string_view companyDisplayName = "COMPANY";
}  // namespace records

inline rt::RecordFile& COMPANY = records::companyFile();

namespace COM {
// Fields, in declaration order.
inline const rt::Field COMPANYNAME{records::companyFile(), "COM:COMPANYNAME"};
inline const rt::Field ADDRESS{records::companyFile(), "COM:ADDRESS"};
inline const rt::Field CITYSTATEZIP{records::companyFile(), "COM:CITYSTATEZIP"};
inline const rt::Field PHONE{records::companyFile(), "COM:PHONE"};
inline const rt::Field FAX{records::companyFile(), "COM:FAX"};
inline const rt::Field SALESTAX{records::companyFile(), "COM:SALESTAX"};
inline const rt::Field X1{records::companyFile(), "COM:X1"};
inline const rt::Field X2{records::companyFile(), "COM:X2"};
inline const rt::Field X3{records::companyFile(), "COM:X3"};
inline const rt::Field X4{records::companyFile(), "COM:X4"};
inline const rt::Field X5{records::companyFile(), "COM:X5"};
// Keys.
inline const int KEYCOMPANY = records::keyOf(records::companyFile(), "COM:KEYCOMPANY");
}  // namespace COM
