#pragma once
// PAYEE: names that checks are paid to, with their address.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl payeeDeclaration();
rt::RecordFile& payeeFile();
// The file's name in warnings.
inline constexpr std::string_view payeeDisplayName = "Payee";
}  // namespace records

inline rt::RecordFile& PAYEE = records::payeeFile();

namespace PAY {
// Fields, in declaration order.
inline const rt::Field PAYTO{records::payeeFile(), "PAY:PAYTO"};
inline const rt::Field ADDRESS{records::payeeFile(), "PAY:ADDRESS"};
inline const rt::Field CITYSTATEZIP{records::payeeFile(), "PAY:CITYSTATEZIP"};
inline const rt::Field X1{records::payeeFile(), "PAY:X1"};
inline const rt::Field X2{records::payeeFile(), "PAY:X2"};
inline const rt::Field X3{records::payeeFile(), "PAY:X3"};
inline const rt::Field X4{records::payeeFile(), "PAY:X4"};
inline const rt::Field X5{records::payeeFile(), "PAY:X5"};
// Keys.
inline const int KEYPAYTO = records::keyOf(records::payeeFile(), "PAY:KEYPAYTO");
}  // namespace PAY
