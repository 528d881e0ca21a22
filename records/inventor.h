#pragma once
// INVENTOR: inventory items for the invoice lines.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl inventorDeclaration();
rt::RecordFile& inventorFile();
// The file's name in warnings.
inline constexpr std::string_view inventorDisplayName = "INVENTOR";
}  // namespace records

inline rt::RecordFile& INVENTOR = records::inventorFile();

namespace INV {
// Fields, in declaration order.
inline const rt::Field ITEM{records::inventorFile(), "INV:ITEM"};
inline const rt::Field DISC{records::inventorFile(), "INV:DISC"};
inline const rt::Field PRICE{records::inventorFile(), "INV:PRICE"};
inline const rt::Field X1{records::inventorFile(), "INV:X1"};
inline const rt::Field X2{records::inventorFile(), "INV:X2"};
inline const rt::Field X3{records::inventorFile(), "INV:X3"};
inline const rt::Field X4{records::inventorFile(), "INV:X4"};
inline const rt::Field X5{records::inventorFile(), "INV:X5"};
// Keys.
inline const int KEYITEM = records::keyOf(records::inventorFile(), "INV:KEYITEM");
inline const int KEYDISC = records::keyOf(records::inventorFile(), "INV:KEYDISC");
}  // namespace INV
