#pragma once
// CHECKS: checks and monthly bank drafts, one record each.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl checksDeclaration();
rt::RecordFile& checksFile();
// The file's name in warnings.
inline constexpr std::string_view checksDisplayName = "Checks";
}  // namespace records

inline rt::RecordFile& CHECKS = records::checksFile();

namespace CHE {
// Fields, in declaration order.
inline const rt::Field FIRSTNAME{records::checksFile(), "CHE:FIRSTNAME"};
inline const rt::Field CHECKID{records::checksFile(), "CHE:CHECKID"};
inline const rt::Field AMOUNT{records::checksFile(), "CHE:AMOUNT"};
inline const rt::Field LASTNAME{records::checksFile(), "CHE:LASTNAME"};
inline const rt::Field COMPANYNAME{records::checksFile(), "CHE:COMPANYNAME"};
inline const rt::Field CHECKNAME{records::checksFile(), "CHE:CHECKNAME"};
inline const rt::Field ADDRESS{records::checksFile(), "CHE:ADDRESS"};
inline const rt::Field CITY{records::checksFile(), "CHE:CITY"};
inline const rt::Field STATE{records::checksFile(), "CHE:STATE"};
inline const rt::Field ZIP{records::checksFile(), "CHE:ZIP"};
inline const rt::Field BANKNAME{records::checksFile(), "CHE:BANKNAME"};
inline const rt::Field BANKADDRESS{records::checksFile(), "CHE:BANKADDRESS"};
inline const rt::Field BANKCITYSTATEZIP{records::checksFile(), "CHE:BANKCITYSTATEZIP"};
inline const rt::Field FEDNUMBER1{records::checksFile(), "CHE:FEDNUMBER1"};
inline const rt::Field FEDNUMBER2{records::checksFile(), "CHE:FEDNUMBER2"};
inline const rt::Field MONTHLYAMOUNT{records::checksFile(), "CHE:MONTHLYAMOUNT"};
inline const rt::Field CHECKNUMBER{records::checksFile(), "CHE:CHECKNUMBER"};
inline const rt::Field CHECKDATE{records::checksFile(), "CHE:CHECKDATE"};
inline const rt::Field TRANSIT{records::checksFile(), "CHE:TRANSIT"};
inline const rt::Field ACCOUNTNUMBER{records::checksFile(), "CHE:ACCOUNTNUMBER"};
inline const rt::Field CHECKMEMO{records::checksFile(), "CHE:CHECKMEMO"};
inline const rt::Field DONE{records::checksFile(), "CHE:DONE"};
inline const rt::Field PAYTO{records::checksFile(), "CHE:PAYTO"};
inline const rt::Field PHONE{records::checksFile(), "CHE:PHONE"};
inline const rt::Field CKSIGN{records::checksFile(), "CHE:CKSIGN"};
inline const rt::Field ANSIGN{records::checksFile(), "CHE:ANSIGN"};
inline const rt::Field CKADDRESS{records::checksFile(), "CHE:CKADDRESS"};
inline const rt::Field CKCITYSTATEADDRESS{records::checksFile(), "CHE:CKCITYSTATEADDRESS"};
inline const rt::Field FUNDS{records::checksFile(), "CHE:FUNDS"};
inline const rt::Field X1{records::checksFile(), "CHE:X1"};
inline const rt::Field X2{records::checksFile(), "CHE:X2"};
inline const rt::Field X3{records::checksFile(), "CHE:X3"};
inline const rt::Field X4{records::checksFile(), "CHE:X4"};
inline const rt::Field X5{records::checksFile(), "CHE:X5"};
inline const rt::Field X6{records::checksFile(), "CHE:X6"};
inline const rt::Field X7{records::checksFile(), "CHE:X7"};
inline const rt::Field X8{records::checksFile(), "CHE:X8"};
inline const rt::Field X9{records::checksFile(), "CHE:X9"};
inline const rt::Field X10{records::checksFile(), "CHE:X10"};
// Keys.
inline const int KEYFIRSTNAME = records::keyOf(records::checksFile(), "CHE:KEYFIRSTNAME");
inline const int KEYCHECKNUMBER = records::keyOf(records::checksFile(), "CHE:KEYCHECKNUMBER");
inline const int KEYPAYTO = records::keyOf(records::checksFile(), "CHE:KEYPAYTO");
inline const int KEYLASTNAME = records::keyOf(records::checksFile(), "CHE:KEYLASTNAME");
inline const int KEYCOMPANYNAME = records::keyOf(records::checksFile(), "CHE:KEYCOMPANYNAME");
inline const int KEYBANKNAME = records::keyOf(records::checksFile(), "CHE:KEYBANKNAME");
inline const int KEYCITY = records::keyOf(records::checksFile(), "CHE:KEYCITY");
inline const int KEYSTATE = records::keyOf(records::checksFile(), "CHE:KEYSTATE");
inline const int KEYZIP = records::keyOf(records::checksFile(), "CHE:KEYZIP");
inline const int KEYCHECKID = records::keyOf(records::checksFile(), "CHE:KEYCHECKID");
inline const int KEYCHECKDATE = records::keyOf(records::checksFile(), "CHE:KEYCHECKDATE");
}  // namespace CHE
