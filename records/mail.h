#pragma once
// MAIL: contacts, clients and members of the sponsor genealogy, one record each.

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl mailDeclaration();
rt::RecordFile& mailFile();
// The file's name in warnings.
inline constexpr std::string_view mailDisplayName = "MAIL";
}  // namespace records

inline rt::RecordFile& MAIL = records::mailFile();

namespace MAI {
// Fields, in declaration order.
inline const rt::Field FIRSTNAME{records::mailFile(), "MAI:FIRSTNAME"};
inline const rt::Field IDNUMBER{records::mailFile(), "MAI:IDNUMBER"};
inline const rt::Field SPONSORID{records::mailFile(), "MAI:SPONSORID"};
inline const rt::Field PAYTO{records::mailFile(), "MAI:PAYTO"};
inline const rt::Field AMOUNT{records::mailFile(), "MAI:AMOUNT"};
inline const rt::Field CKECKNAME{records::mailFile(), "MAI:CKECKNAME"};
inline const rt::Field MONTHLYDRAFT{records::mailFile(), "MAI:MONTHLYDRAFT"};
inline const rt::Field MONTHLYAMOUNT{records::mailFile(), "MAI:MONTHLYAMOUNT"};
inline const rt::Field BANKNAME{records::mailFile(), "MAI:BANKNAME"};
inline const rt::Field BANKADDRESS{records::mailFile(), "MAI:BANKADDRESS"};
inline const rt::Field BANKCITYSTATEZIP{records::mailFile(), "MAI:BANKCITYSTATEZIP"};
inline const rt::Field FEDNUMBER1{records::mailFile(), "MAI:FEDNUMBER1"};
inline const rt::Field FEDNUMBER2{records::mailFile(), "MAI:FEDNUMBER2"};
inline const rt::Field TRANSIT{records::mailFile(), "MAI:TRANSIT"};
inline const rt::Field ACCOUNTNUMBER{records::mailFile(), "MAI:ACCOUNTNUMBER"};
inline const rt::Field CHECKNUMBER{records::mailFile(), "MAI:CHECKNUMBER"};
inline const rt::Field CHECKMEMO{records::mailFile(), "MAI:CHECKMEMO"};
inline const rt::Field CHECKDATE{records::mailFile(), "MAI:CHECKDATE"};
inline const rt::Field PRINTED{records::mailFile(), "MAI:PRINTED"};
inline const rt::Field LASTNAME{records::mailFile(), "MAI:LASTNAME"};
inline const rt::Field COMPANYNAME{records::mailFile(), "MAI:COMPANYNAME"};
inline const rt::Field ADDRESS{records::mailFile(), "MAI:ADDRESS"};
inline const rt::Field CITY{records::mailFile(), "MAI:CITY"};
inline const rt::Field STATE{records::mailFile(), "MAI:STATE"};
inline const rt::Field ZIP{records::mailFile(), "MAI:ZIP"};
inline const rt::Field HOMEPHONE{records::mailFile(), "MAI:HOMEPHONE"};
inline const rt::Field WORKPHONE{records::mailFile(), "MAI:WORKPHONE"};
inline const rt::Field FAX{records::mailFile(), "MAI:FAX"};
inline const rt::Field CELLPHONE{records::mailFile(), "MAI:CELLPHONE"};
inline const rt::Field BEEPER{records::mailFile(), "MAI:BEEPER"};
inline const rt::Field DATE{records::mailFile(), "MAI:DATE"};
inline const rt::Field ACCESSDATE{records::mailFile(), "MAI:ACCESSDATE"};
inline const rt::Field NOTE1{records::mailFile(), "MAI:NOTE1"};
inline const rt::Field NOTE2{records::mailFile(), "MAI:NOTE2"};
inline const rt::Field PHONE1{records::mailFile(), "MAI:PHONE1"};
inline const rt::Field PHONE2{records::mailFile(), "MAI:PHONE2"};
inline const rt::Field PHONE3{records::mailFile(), "MAI:PHONE3"};
inline const rt::Field PHONE4{records::mailFile(), "MAI:PHONE4"};
inline const rt::Field PHONE5{records::mailFile(), "MAI:PHONE5"};
inline const rt::Field EXT1{records::mailFile(), "MAI:EXT1"};
inline const rt::Field EXT2{records::mailFile(), "MAI:EXT2"};
inline const rt::Field EXT3{records::mailFile(), "MAI:EXT3"};
inline const rt::Field EXT4{records::mailFile(), "MAI:EXT4"};
inline const rt::Field EXT5{records::mailFile(), "MAI:EXT5"};
inline const rt::Field CHECK1{records::mailFile(), "MAI:CHECK1"};
inline const rt::Field CHECK2{records::mailFile(), "MAI:CHECK2"};
inline const rt::Field CHECK3{records::mailFile(), "MAI:CHECK3"};
inline const rt::Field CHECK4{records::mailFile(), "MAI:CHECK4"};
inline const rt::Field CHECK5{records::mailFile(), "MAI:CHECK5"};
inline const rt::Field TAB1{records::mailFile(), "MAI:TAB1"};
inline const rt::Field TAB2{records::mailFile(), "MAI:TAB2"};
inline const rt::Field TAB3{records::mailFile(), "MAI:TAB3"};
inline const rt::Field TAB4{records::mailFile(), "MAI:TAB4"};
inline const rt::Field TAB5{records::mailFile(), "MAI:TAB5"};
inline const rt::Field FOLLOWUP{records::mailFile(), "MAI:FOLLOWUP"};
inline const rt::Field CONTDATE{records::mailFile(), "MAI:CONTDATE"};
inline const rt::Field CONTDAY{records::mailFile(), "MAI:CONTDAY"};
inline const rt::Field EMAIL1{records::mailFile(), "MAI:EMAIL1"};
inline const rt::Field EMAIL2{records::mailFile(), "MAI:EMAIL2"};
inline const rt::Field EMAIL3{records::mailFile(), "MAI:EMAIL3"};
inline const rt::Field EMSERVICE1{records::mailFile(), "MAI:EMSERVICE1"};
inline const rt::Field EMSERVICE2{records::mailFile(), "MAI:EMSERVICE2"};
inline const rt::Field EMSERVICE3{records::mailFile(), "MAI:EMSERVICE3"};
inline const rt::Field FROMWHO{records::mailFile(), "MAI:FROMWHO"};
inline const rt::Field FROMWHAT{records::mailFile(), "MAI:FROMWHAT"};
inline const rt::Field APPOITMENTTYPE{records::mailFile(), "MAI:APPOITMENTTYPE"};
inline const rt::Field APPOINTMENTDATE{records::mailFile(), "MAI:APPOINTMENTDATE"};
inline const rt::Field APPOINTMENTTIME{records::mailFile(), "MAI:APPOINTMENTTIME"};
inline const rt::Field APPOINTMENTSUBJECT{records::mailFile(), "MAI:APPOINTMENTSUBJECT"};
inline const rt::Field AM{records::mailFile(), "MAI:AM"};
inline const rt::Field PM{records::mailFile(), "MAI:PM"};
inline const rt::Field SPONSOR{records::mailFile(), "MAI:SPONSOR"};
inline const rt::Field LEVEL{records::mailFile(), "MAI:LEVEL"};
inline const rt::Field DRAFTDAY{records::mailFile(), "MAI:DRAFTDAY"};
inline const rt::Field X1{records::mailFile(), "MAI:X1"};
inline const rt::Field X2{records::mailFile(), "MAI:X2"};
inline const rt::Field X3{records::mailFile(), "MAI:X3"};
inline const rt::Field X4{records::mailFile(), "MAI:X4"};
inline const rt::Field X5{records::mailFile(), "MAI:X5"};
inline const rt::Field X6{records::mailFile(), "MAI:X6"};
inline const rt::Field X7{records::mailFile(), "MAI:X7"};
inline const rt::Field X8{records::mailFile(), "MAI:X8"};
inline const rt::Field X9{records::mailFile(), "MAI:X9"};
inline const rt::Field X10{records::mailFile(), "MAI:X10"};
inline const rt::Field WEBSITE{records::mailFile(), "MAI:WEBSITE"};
inline const rt::Field L1{records::mailFile(), "MAI:L1"};
inline const rt::Field L2{records::mailFile(), "MAI:L2"};
inline const rt::Field L3{records::mailFile(), "MAI:L3"};
inline const rt::Field L4{records::mailFile(), "MAI:L4"};
inline const rt::Field L5{records::mailFile(), "MAI:L5"};
inline const rt::Field L6{records::mailFile(), "MAI:L6"};
inline const rt::Field L7{records::mailFile(), "MAI:L7"};
inline const rt::Field L8{records::mailFile(), "MAI:L8"};
inline const rt::Field L9{records::mailFile(), "MAI:L9"};
inline const rt::Field L10{records::mailFile(), "MAI:L10"};
// Memos and BLOBs.
inline const records::Memo NOTES3{records::mailFile(), "MAI:NOTES3"};
inline const records::Memo CONTACTNOTES{records::mailFile(), "MAI:CONTACTNOTES"};
inline const records::Memo CONTACTLETTER{records::mailFile(), "MAI:CONTACTLETTER"};
inline const records::Memo CONTACTRESULTS{records::mailFile(), "MAI:CONTACTRESULTS"};
inline const records::Memo LETTER{records::mailFile(), "MAI:LETTER"};
inline const records::Memo APPOINTMENTNOTES{records::mailFile(), "MAI:APPOINTMENTNOTES"};
inline const records::Blob LETTERS{records::mailFile(), "MAI:LETTERS"};
// Keys.
inline const int KEYFIRSTNAME = records::keyOf(records::mailFile(), "MAI:KEYFIRSTNAME");
inline const int KEYDATE = records::keyOf(records::mailFile(), "MAI:KEYDATE");
inline const int KEYCONTACT = records::keyOf(records::mailFile(), "MAI:KEYCONTACT");
inline const int CONTACTKEY = records::keyOf(records::mailFile(), "MAI:CONTACTKEY");
inline const int APOINTDATE = records::keyOf(records::mailFile(), "MAI:APOINTDATE");
inline const int KEYFOLLOWUP = records::keyOf(records::mailFile(), "MAI:KEYFOLLOWUP");
inline const int KEYLASTNAME = records::keyOf(records::mailFile(), "MAI:KEYLASTNAME");
inline const int KEYCOMPANYNAME = records::keyOf(records::mailFile(), "MAI:KEYCOMPANYNAME");
inline const int KEYCITY = records::keyOf(records::mailFile(), "MAI:KEYCITY");
inline const int KEYSTATE = records::keyOf(records::mailFile(), "MAI:KEYSTATE");
inline const int KEYZIP = records::keyOf(records::mailFile(), "MAI:KEYZIP");
inline const int KEYAPPOINTMENT = records::keyOf(records::mailFile(), "MAI:KEYAPPOINTMENT");
inline const int KEYLEVEL = records::keyOf(records::mailFile(), "MAI:KEYLEVEL");
inline const int KEYSPONSOR = records::keyOf(records::mailFile(), "MAI:KEYSPONSOR");
inline const int KEYPAYTO = records::keyOf(records::mailFile(), "MAI:KEYPAYTO");
inline const int KEYDRAFTDAY = records::keyOf(records::mailFile(), "MAI:KEYDRAFTDAY");
inline const int KEYAMOUNT = records::keyOf(records::mailFile(), "MAI:KEYAMOUNT");
inline const int KEYIDNUMBER = records::keyOf(records::mailFile(), "MAI:KEYIDNUMBER");
inline const int KEYSPONSORID = records::keyOf(records::mailFile(), "MAI:KEYSPONSORID");
}  // namespace MAI
