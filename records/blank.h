#pragma once
// BLANK: blank checks, in the layout of CHECKS; the check-number key sorts descending.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl blankDeclaration();
rt::RecordFile& blankFile();
// The file's name in warnings.
inline constexpr std::string_view blankDisplayName = "Blank";
}  // namespace records

inline rt::RecordFile& BLANK = records::blankFile();

namespace CHE1 {
// Fields, in declaration order.
inline const rt::Field FIRSTNAME{records::blankFile(), "CHE1:FIRSTNAME"};
inline const rt::Field CHECKID{records::blankFile(), "CHE1:CHECKID"};
inline const rt::Field AMOUNT{records::blankFile(), "CHE1:AMOUNT"};
inline const rt::Field LASTNAME{records::blankFile(), "CHE1:LASTNAME"};
inline const rt::Field COMPANYNAME{records::blankFile(), "CHE1:COMPANYNAME"};
inline const rt::Field CHECKNAME{records::blankFile(), "CHE1:CHECKNAME"};
inline const rt::Field ADDRESS{records::blankFile(), "CHE1:ADDRESS"};
inline const rt::Field CITY{records::blankFile(), "CHE1:CITY"};
inline const rt::Field STATE{records::blankFile(), "CHE1:STATE"};
inline const rt::Field ZIP{records::blankFile(), "CHE1:ZIP"};
inline const rt::Field BANKNAME{records::blankFile(), "CHE1:BANKNAME"};
inline const rt::Field BANKADDRESS{records::blankFile(), "CHE1:BANKADDRESS"};
inline const rt::Field BANKCITYSTATEZIP{records::blankFile(), "CHE1:BANKCITYSTATEZIP"};
inline const rt::Field FEDNUMBER1{records::blankFile(), "CHE1:FEDNUMBER1"};
inline const rt::Field FEDNUMBER2{records::blankFile(), "CHE1:FEDNUMBER2"};
inline const rt::Field MONTHLYAMOUNT{records::blankFile(), "CHE1:MONTHLYAMOUNT"};
inline const rt::Field CHECKNUMBER{records::blankFile(), "CHE1:CHECKNUMBER"};
inline const rt::Field CHECKDATE{records::blankFile(), "CHE1:CHECKDATE"};
inline const rt::Field TRANSIT{records::blankFile(), "CHE1:TRANSIT"};
inline const rt::Field ACCOUNTNUMBER{records::blankFile(), "CHE1:ACCOUNTNUMBER"};
inline const rt::Field CHECKMEMO{records::blankFile(), "CHE1:CHECKMEMO"};
inline const rt::Field DONE{records::blankFile(), "CHE1:DONE"};
inline const rt::Field PAYTO{records::blankFile(), "CHE1:PAYTO"};
inline const rt::Field PHONE{records::blankFile(), "CHE1:PHONE"};
inline const rt::Field CKSIGN{records::blankFile(), "CHE1:CKSIGN"};
inline const rt::Field ANSIGN{records::blankFile(), "CHE1:ANSIGN"};
inline const rt::Field CKADDRESS{records::blankFile(), "CHE1:CKADDRESS"};
inline const rt::Field CKCITYSTATEADDRESS{records::blankFile(), "CHE1:CKCITYSTATEADDRESS"};
inline const rt::Field FUNDS{records::blankFile(), "CHE1:FUNDS"};
inline const rt::Field X1{records::blankFile(), "CHE1:X1"};
inline const rt::Field X2{records::blankFile(), "CHE1:X2"};
inline const rt::Field X3{records::blankFile(), "CHE1:X3"};
inline const rt::Field X4{records::blankFile(), "CHE1:X4"};
inline const rt::Field X5{records::blankFile(), "CHE1:X5"};
inline const rt::Field X6{records::blankFile(), "CHE1:X6"};
inline const rt::Field X7{records::blankFile(), "CHE1:X7"};
inline const rt::Field X8{records::blankFile(), "CHE1:X8"};
inline const rt::Field X9{records::blankFile(), "CHE1:X9"};
inline const rt::Field X10{records::blankFile(), "CHE1:X10"};
// Memos and BLOBs.
inline const records::Blob PHOTOGRAPH{records::blankFile(), "CHE1:PHOTOGRAPH"};
// Keys.
inline const int KEYFIRSTNAME = records::keyOf(records::blankFile(), "CHE1:KEYFIRSTNAME");
inline const int KEYCHECKNUMBER = records::keyOf(records::blankFile(), "CHE1:KEYCHECKNUMBER");
inline const int KEYPAYTO = records::keyOf(records::blankFile(), "CHE1:KEYPAYTO");
inline const int KEYLASTNAME = records::keyOf(records::blankFile(), "CHE1:KEYLASTNAME");
inline const int KEYCOMPANYNAME = records::keyOf(records::blankFile(), "CHE1:KEYCOMPANYNAME");
inline const int KEYBANKNAME = records::keyOf(records::blankFile(), "CHE1:KEYBANKNAME");
inline const int KEYCITY = records::keyOf(records::blankFile(), "CHE1:KEYCITY");
inline const int KEYSTATE = records::keyOf(records::blankFile(), "CHE1:KEYSTATE");
inline const int KEYZIP = records::keyOf(records::blankFile(), "CHE1:KEYZIP");
inline const int KEYCHECKID = records::keyOf(records::blankFile(), "CHE1:KEYCHECKID");
inline const int KEYCHECKDATE = records::keyOf(records::blankFile(), "CHE1:KEYCHECKDATE");
}  // namespace CHE1
