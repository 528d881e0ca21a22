#include "tests/records/expected_tables.h"

namespace expected {
namespace {

// Rows: the name is the C++ handle's scope and member joined by a colon.
// clang-format off
#define NAME(scope, member) #scope ":" #member
#define F(scope, member, ...) Field{NAME(scope, member), &scope::member, __VA_ARGS__}
#define K(scope, member, ...) Key{NAME(scope, member), &scope::member, __VA_ARGS__}
#define M(scope, member, size) Memo{NAME(scope, member), &scope::member, size}
#define BL(scope, member) Blob{NAME(scope, member), &scope::member}
// clang-format on

constexpr unsigned DN = rt::DUP | rt::NOCASE;
constexpr unsigned DON = rt::DUP | rt::OPT | rt::NOCASE;
constexpr unsigned UON = rt::OPT | rt::NOCASE;
constexpr unsigned CRT = rt::CREATE | rt::RECLAIM | rt::THREAD;
constexpr unsigned CT = rt::CREATE | rt::THREAD;

File mail() {
    File f{&MAIL, "MAIL", "MAI:", "MAIL.KVF", CRT, "MAIL"};
    f.fields = {F(MAI, FIRSTNAME, S, 15),
                F(MAI, IDNUMBER, S, 15),
                F(MAI, SPONSORID, S, 15),
                F(MAI, PAYTO, S, 30),
                F(MAI, AMOUNT, D, 7, 2),
                F(MAI, CKECKNAME, S, 30),
                F(MAI, MONTHLYDRAFT, S, 2),
                F(MAI, MONTHLYAMOUNT, D, 7, 2),
                F(MAI, BANKNAME, S, 30),
                F(MAI, BANKADDRESS, S, 30),
                F(MAI, BANKCITYSTATEZIP, S, 30),
                F(MAI, FEDNUMBER1, S, 25),
                F(MAI, FEDNUMBER2, S, 25),
                F(MAI, TRANSIT, S, 9),
                F(MAI, ACCOUNTNUMBER, S, 20),
                F(MAI, CHECKNUMBER, S, 10),
                F(MAI, CHECKMEMO, S, 40),
                F(MAI, CHECKDATE, SH),
                F(MAI, PRINTED, S, 2),
                F(MAI, LASTNAME, S, 15),
                F(MAI, COMPANYNAME, S, 30),
                F(MAI, ADDRESS, S, 30),
                F(MAI, CITY, S, 15),
                F(MAI, STATE, S, 2),
                F(MAI, ZIP, S, 12),
                F(MAI, HOMEPHONE, S, 15),
                F(MAI, WORKPHONE, S, 15),
                F(MAI, FAX, S, 15),
                F(MAI, CELLPHONE, S, 15),
                F(MAI, BEEPER, S, 15),
                F(MAI, DATE, L),
                F(MAI, ACCESSDATE, L),
                F(MAI, NOTE1, S, 80),
                F(MAI, NOTE2, S, 80),
                F(MAI, PHONE1, S, 10),
                F(MAI, PHONE2, S, 10),
                F(MAI, PHONE3, S, 10),
                F(MAI, PHONE4, S, 10),
                F(MAI, PHONE5, S, 10),
                F(MAI, EXT1, S, 3),
                F(MAI, EXT2, S, 3),
                F(MAI, EXT3, S, 3),
                F(MAI, EXT4, S, 3),
                F(MAI, EXT5, S, 3),
                F(MAI, CHECK1, S, 1),
                F(MAI, CHECK2, S, 1),
                F(MAI, CHECK3, S, 1),
                F(MAI, CHECK4, S, 1),
                F(MAI, CHECK5, S, 1),
                F(MAI, TAB1, S, 20),
                F(MAI, TAB2, S, 20),
                F(MAI, TAB3, S, 20),
                F(MAI, TAB4, S, 20),
                F(MAI, TAB5, S, 20),
                F(MAI, FOLLOWUP, S, 20),
                F(MAI, CONTDATE, S, 3),
                F(MAI, CONTDAY, L),
                F(MAI, EMAIL1, S, 20),
                F(MAI, EMAIL2, S, 20),
                F(MAI, EMAIL3, S, 20),
                F(MAI, EMSERVICE1, S, 10),
                F(MAI, EMSERVICE2, S, 10),
                F(MAI, EMSERVICE3, S, 10),
                F(MAI, FROMWHO, S, 20),
                F(MAI, FROMWHAT, S, 20),
                F(MAI, APPOITMENTTYPE, S, 20),
                F(MAI, APPOINTMENTDATE, S, 20),
                F(MAI, APPOINTMENTTIME, S, 5),
                F(MAI, APPOINTMENTSUBJECT, S, 30),
                F(MAI, AM, S, 2),
                F(MAI, PM, S, 20),
                F(MAI, SPONSOR, S, 20),
                F(MAI, LEVEL, SH),
                F(MAI, DRAFTDAY, D, 3, 0),
                F(MAI, X1, S, 20),
                F(MAI, X2, S, 20),
                F(MAI, X3, S, 20),
                F(MAI, X4, S, 20),
                F(MAI, X5, S, 20),
                F(MAI, X6, S, 20),
                F(MAI, X7, S, 20),
                F(MAI, X8, S, 20),
                F(MAI, X9, S, 20),
                F(MAI, X10, S, 20),
                F(MAI, WEBSITE, S, 40),
                F(MAI, L1, D, 5, 2),
                F(MAI, L2, D, 5, 2),
                F(MAI, L3, D, 5, 2),
                F(MAI, L4, D, 5, 2),
                F(MAI, L5, D, 5, 2),
                F(MAI, L6, D, 5, 2),
                F(MAI, L7, D, 5, 2),
                F(MAI, L8, D, 5, 2),
                F(MAI, L9, D, 5, 2),
                F(MAI, L10, D, 5, 2)};
    f.keys = {
        K(MAI, KEYFIRSTNAME, DN, {"MAI:FIRSTNAME"}),
        K(MAI, KEYDATE, DON, {"MAI:DATE"}),
        K(MAI, KEYCONTACT, DON, {"MAI:CONTDATE", "MAI:CONTDAY", "MAI:FIRSTNAME", "MAI:FOLLOWUP"}),
        K(MAI, CONTACTKEY, DON, {"MAI:CONTDAY"}),
        K(MAI, APOINTDATE, DON, {"MAI:APPOINTMENTDATE", "MAI:APPOINTMENTTIME", "MAI:AM", "MAI:PM"}),
        K(MAI, KEYFOLLOWUP, DON, {"MAI:FOLLOWUP"}),
        K(MAI, KEYLASTNAME, DN, {"MAI:LASTNAME"}),
        K(MAI, KEYCOMPANYNAME, DN, {"MAI:COMPANYNAME"}),
        K(MAI, KEYCITY, DN, {"MAI:CITY"}),
        K(MAI, KEYSTATE, DN, {"MAI:STATE"}),
        K(MAI, KEYZIP, DN, {"MAI:ZIP"}),
        K(MAI, KEYAPPOINTMENT, DON,
          {"MAI:APPOINTMENTDATE", "MAI:APPOINTMENTTIME", "MAI:AM", "MAI:PM"}),
        K(MAI, KEYLEVEL, DON, {"MAI:LEVEL", "MAI:SPONSOR", "MAI:DATE"}),
        K(MAI, KEYSPONSOR, DON, {"MAI:SPONSOR"}),
        K(MAI, KEYPAYTO, DON, {"MAI:PAYTO"}),
        K(MAI, KEYDRAFTDAY, DON, {"MAI:DRAFTDAY"}),
        K(MAI, KEYAMOUNT, DON, {"MAI:MONTHLYAMOUNT"}),
        K(MAI, KEYIDNUMBER, DON, {"MAI:IDNUMBER"}),
        K(MAI, KEYSPONSORID, DON, {"MAI:SPONSORID"})};
    f.memos = {M(MAI, NOTES3, 1000),        M(MAI, CONTACTNOTES, 1000),
               M(MAI, CONTACTLETTER, 2000), M(MAI, CONTACTRESULTS, 1000),
               M(MAI, LETTER, 2000),        M(MAI, APPOINTMENTNOTES, 1000)};
    f.blobs = {BL(MAI, LETTERS)};
    return f;
}

// CHECKS and BLANK share one layout under their own prefixes.
#define CHECK_FIELDS(P)                                                                            \
    F(P, FIRSTNAME, S, 15), F(P, CHECKID, D, 7, 0), F(P, AMOUNT, D, 7, 2), F(P, LASTNAME, S, 15),  \
        F(P, COMPANYNAME, S, 30), F(P, CHECKNAME, S, 31), F(P, ADDRESS, S, 30), F(P, CITY, S, 15), \
        F(P, STATE, S, 2), F(P, ZIP, S, 12), F(P, BANKNAME, S, 30), F(P, BANKADDRESS, S, 30),      \
        F(P, BANKCITYSTATEZIP, S, 30), F(P, FEDNUMBER1, S, 25), F(P, FEDNUMBER2, S, 25),           \
        F(P, MONTHLYAMOUNT, D, 7, 2), F(P, CHECKNUMBER, S, 10), F(P, CHECKDATE, L),                \
        F(P, TRANSIT, S, 9), F(P, ACCOUNTNUMBER, S, 20), F(P, CHECKMEMO, S, 40), F(P, DONE, S, 1), \
        F(P, PAYTO, S, 30), F(P, PHONE, S, 12), F(P, CKSIGN, S, 1), F(P, ANSIGN, S, 1),            \
        F(P, CKADDRESS, S, 30), F(P, CKCITYSTATEADDRESS, S, 30), F(P, FUNDS, S, 30),               \
        F(P, X1, S, 20), F(P, X2, S, 20), F(P, X3, S, 20), F(P, X4, S, 20), F(P, X5, S, 20),       \
        F(P, X6, S, 20), F(P, X7, S, 20), F(P, X8, S, 20), F(P, X9, S, 20), F(P, X10, S, 20)

#define CHECK_KEYS(P, CHECKNUMBER_COMPONENT)                                                       \
    K(P, KEYFIRSTNAME, DN, {#P ":FIRSTNAME"}), K(P, KEYCHECKNUMBER, DON, {CHECKNUMBER_COMPONENT}), \
        K(P, KEYPAYTO, DON, {#P ":PAYTO"}), K(P, KEYLASTNAME, DN, {#P ":LASTNAME"}),               \
        K(P, KEYCOMPANYNAME, DN, {#P ":COMPANYNAME"}), K(P, KEYBANKNAME, DN, {#P ":BANKNAME"}),    \
        K(P, KEYCITY, DON, {#P ":CITY"}), K(P, KEYSTATE, DON, {#P ":STATE"}),                      \
        K(P, KEYZIP, DON, {#P ":ZIP"}), K(P, KEYCHECKID, UON, {#P ":CHECKID"}),                    \
        K(P, KEYCHECKDATE, DON, {#P ":CHECKDATE"})

File checks() {
    File f{&CHECKS, "CHECKS", "CHE:", "CHECKS.KVF", CRT, "Checks"};
    f.fields = {CHECK_FIELDS(CHE)};
    f.keys = {CHECK_KEYS(CHE, "CHE:CHECKNUMBER")};
    return f;
}

File blank() {
    File f{&BLANK, "BLANK", "CHE1:", "BLANK.KVF", CRT, "Blank"};
    f.fields = {CHECK_FIELDS(CHE1)};
    f.keys = {CHECK_KEYS(CHE1, "-CHE1:CHECKNUMBER")};
    f.blobs = {BL(CHE1, PHOTOGRAPH)};
    return f;
}

File orders() {
    File f{&ORDERS, "ORDERS", "ORD:", "ORDERS.KVF", CRT, "ORDERS"};
    f.fields = {F(ORD, FIRSTNAME, S, 15),
                F(ORD, LASTNAME, S, 15),
                F(ORD, COMPANY, S, 30),
                F(ORD, ADDRESS, S, 30),
                F(ORD, CITY, S, 15),
                F(ORD, STATE, S, 2),
                F(ORD, ZIP, S, 5),
                F(ORD, ORDERDATE, L),
                F(ORD, ITEMNO1, S, 8),
                F(ORD, ITEMNO2, S, 8),
                F(ORD, ITEMNO3, S, 8),
                F(ORD, ITEMNO4, S, 8),
                F(ORD, ITEMNO5, S, 8),
                F(ORD, ITEMNO6, S, 8),
                F(ORD, ITEMNO7, S, 8),
                F(ORD, ITEMNO8, S, 8),
                F(ORD, ITEMNO9, S, 8),
                F(ORD, ITEMNO10, S, 8),
                F(ORD, DISC1, S, 20),
                F(ORD, DISC2, S, 20),
                F(ORD, DISC3, S, 20),
                F(ORD, DISC4, S, 20),
                F(ORD, DISC5, S, 20),
                F(ORD, DISC6, S, 20),
                F(ORD, DISC7, S, 20),
                F(ORD, DISC8, S, 20),
                F(ORD, DISC9, S, 20),
                F(ORD, DISC10, S, 20),
                F(ORD, Q1, B),
                F(ORD, Q2, B),
                F(ORD, Q3, B),
                F(ORD, Q4, B),
                F(ORD, Q5, B),
                F(ORD, Q6, B),
                F(ORD, Q7, B),
                F(ORD, Q8, B),
                F(ORD, Q9, B),
                F(ORD, Q10, B),
                F(ORD, P1, D, 7, 2),
                F(ORD, P2, D, 7, 2),
                F(ORD, P3, D, 7, 2),
                F(ORD, P4, D, 7, 2),
                F(ORD, P5, D, 7, 2),
                F(ORD, P6, D, 7, 2),
                F(ORD, P7, D, 7, 2),
                F(ORD, P8, D, 7, 2),
                F(ORD, P9, D, 7, 2),
                F(ORD, P10, D, 7, 2),
                F(ORD, T1, D, 7, 2),
                F(ORD, T2, D, 7, 2),
                F(ORD, T3, D, 7, 2),
                F(ORD, T4, D, 7, 2),
                F(ORD, T5, D, 7, 2),
                F(ORD, T6, D, 7, 2),
                F(ORD, T7, D, 7, 2),
                F(ORD, T8, D, 7, 2),
                F(ORD, SUBTOTAL, D, 7, 2),
                F(ORD, TOTAL, D, 7, 2),
                F(ORD, TAXABLE, S, 1),
                F(ORD, SHIPPINGTYPE, S, 10),
                F(ORD, SPEED, S, 12),
                F(ORD, TAX, D, 5, 2),
                F(ORD, SHIPPING, D, 5, 2),
                F(ORD, INVOICENUMBER, L),
                F(ORD, PRINTED, S, 1),
                F(ORD, CARDNUMBER, S, 30),
                F(ORD, PAYMENTTYPE, S, 12),
                F(ORD, PAID, S, 20),
                F(ORD, BALANCE, S, 20),
                F(ORD, X3, S, 20),
                F(ORD, X4, S, 20),
                F(ORD, X5, S, 20),
                F(ORD, X6, S, 20),
                F(ORD, X7, S, 20),
                F(ORD, X8, S, 20),
                F(ORD, X9, S, 20),
                F(ORD, X10, S, 20)};
    f.keys = {K(ORD, KEYFIRSTNAME, DN, {"ORD:FIRSTNAME"}),
              K(ORD, KEYLASTNAME, DN, {"ORD:LASTNAME"}), K(ORD, KEYCOMPANY, DN, {"ORD:COMPANY"}),
              K(ORD, KEYORDERDATE, DON, {"ORD:ORDERDATE"}),
              K(ORD, KEYINVOICENUMBER, UON, {"ORD:INVOICENUMBER"})};
    f.memos = {M(ORD, MEMO, 1000)};
    return f;
}

File payee() {
    File f{&PAYEE, "PAYEE", "PAY:", "PAYEE.KVF", CRT, "Payee"};
    f.fields = {F(PAY, PAYTO, S, 30), F(PAY, ADDRESS, S, 30), F(PAY, CITYSTATEZIP, S, 30),
                F(PAY, X1, S, 20),    F(PAY, X2, S, 20),      F(PAY, X3, S, 20),
                F(PAY, X4, S, 20),    F(PAY, X5, S, 20)};
    f.keys = {K(PAY, KEYPAYTO, DN, {"PAY:PAYTO"})};
    return f;
}

File inventor() {
    File f{&INVENTOR, "INVENTOR", "INV:", "INVENTOR.KVF", CRT, "INVENTOR"};
    f.fields = {F(INV, ITEM, S, 8), F(INV, DISC, S, 20), F(INV, PRICE, D, 7, 2), F(INV, X1, S, 20),
                F(INV, X2, S, 20),  F(INV, X3, S, 20),   F(INV, X4, S, 20),      F(INV, X5, S, 20)};
    f.keys = {K(INV, KEYITEM, UON, {"INV:ITEM"}), K(INV, KEYDISC, DN, {"INV:DISC"})};
    return f;
}

File company() {
    File f{&COMPANY, "COMPANY", "COM:", "COMPANY.KVF", CRT, "COMPANY"};
    f.fields = {F(COM, COMPANYNAME, S, 30), F(COM, ADDRESS, S, 30), F(COM, CITYSTATEZIP, S, 30),
                F(COM, PHONE, D, 11, 0),    F(COM, FAX, D, 11, 0),  F(COM, SALESTAX, D, 5, 4),
                F(COM, X1, S, 20),          F(COM, X2, S, 20),      F(COM, X3, S, 20),
                F(COM, X4, S, 20),          F(COM, X5, S, 20)};
    f.keys = {K(COM, KEYCOMPANY, DON, {"COM:COMPANYNAME"})};
    return f;
}

File config() {
    File f{&CONFIG, "CONFIG", "CON:", "CONFIG.KVF", CRT, ""};
    f.fields = {F(CON, COMMPORT, S, 4), F(CON, DIALTIME, B)};
    return f;
}

File tagFile() {
    File f{&TagFile, "TagFile", "TF_:", "TagFile_.KVF", CRT, ""};
    f.fields = {F(TF_, USR, L), F(TF_, TBL, SH), F(TF_, PTR, L), F(TF_, VAL, S, 10)};
    f.keys = {K(TF_, PTRKEY, UON | rt::PRIMARY, {"TF_:USR", "TF_:TBL", "TF_:PTR"}),
              K(TF_, VALKEY, DON, {"TF_:USR", "TF_:TBL", "TF_:VAL"})};
    return f;
}

File web() {
    File f{&WEB, "WEB", "WEB:", "WEB.KVF", CT, "Web"};
    f.fields = {F(WEB, SITENAME, S, 30),  F(WEB, URL, S, 80),       F(WEB, GENERAL, S, 20),
                F(WEB, SEARCH, S, 20),    F(WEB, NEWS, S, 20),      F(WEB, SOFTWARE, S, 20),
                F(WEB, COMPUTERS, S, 20), F(WEB, TRAVEL, S, 20),    F(WEB, ENTERTAINMENT, S, 20),
                F(WEB, SHOPPING, S, 20),  F(WEB, HOBBIES, S, 20),   F(WEB, SPORTS, S, 20),
                F(WEB, FINANCE, S, 20),   F(WEB, BUSINESS, S, 20),  F(WEB, HOME, S, 20),
                F(WEB, LOCAL, S, 20),     F(WEB, AUDIOVIDEO, S, 20)};
    f.keys = {K(WEB, KEYSITENAME, DN, {"WEB:SITENAME"})};
    return f;
}

File zip() {
    File f{&ZIP, "ZIP", "ZIP:", "ZIP.KVF", CT, "Zip"};
    f.fields = {F(ZIP, CITY, S, 20), F(ZIP, STATE, S, 2), Field{"ZIP:ZIP", &ZIP::ZIP_, S, 5},
                F(ZIP, POPULATION, D, 7, 0)};
    f.keys = {K(ZIP, KEYCITY, DN, {"ZIP:CITY"}), K(ZIP, KEYSTATE, DN, {"ZIP:STATE"}),
              K(ZIP, KEYZIP, DN, {"ZIP:ZIP"}), K(ZIP, KEYPOPULATION, DN, {"ZIP:POPULATION"})};
    return f;
}

File areaCode() {
    File f{&AREACODE, "AREACODE", "ARE:", "AREACODE.KVF", CT, "AreaCode"};
    f.fields = {F(ARE, AREACODE, D, 3, 0), F(ARE, STATE, S, 2), F(ARE, CITY, S, 30),
                F(ARE, TIMEZONE, S, 10)};
    f.keys = {K(ARE, KEYAREACODE, DN, {"ARE:AREACODE"}), K(ARE, KEYSTATE, DN, {"ARE:STATE"}),
              K(ARE, KEYCITY, DN, {"ARE:CITY"})};
    return f;
}

File cards() {
    File f{&CARDS, "CARDS", "CAR:", "CARDS.KVF", CT, "Cards"};
    f.fields = {F(CAR, BUSINESSNAME, S, 40), F(CAR, BLANK, S, 1),    F(CAR, NAME, S, 40),
                F(CAR, TITLE, S, 20),        F(CAR, ADDRESS, S, 40), F(CAR, CITYSTATEZIP, S, 40),
                F(CAR, PHONE, S, 15),        F(CAR, FAX, S, 15),     F(CAR, EMAIL, S, 30),
                F(CAR, WEBSITE, S, 30)};
    f.keys = {K(CAR, KEYBUSINESSNAME, DN, {"CAR:BUSINESSNAME"}), K(CAR, KEYNAME, DN, {"CAR:NAME"})};
    f.blobs = {BL(CAR, PHOTOGRAPH)};
    return f;
}

File plf() {
    File f{&PLF, "PLF", "PLF:", "PLF.KVF", CT, "PLF"};
    f.fields = {F(PLF, PRODUCTNAME, S, 40),
                F(PLF, COMPANYNAME, S, 40),
                F(PLF, ADDRESS, S, 40),
                F(PLF, CITYSTATEZIP, S, 40),
                F(PLF, PHONE, S, 20),
                F(PLF, FAX, S, 20),
                F(PLF, EMAIL, S, 60),
                F(PLF, PRICE, S, 40),
                F(PLF, VISA, S, 1),
                F(PLF, MASTERCARD, S, 1),
                F(PLF, AMERICANEXPRESS, S, 1),
                F(PLF, DISCOVER, S, 1),
                F(PLF, CHECKBYFAX, S, 1),
                F(PLF, WEB, S, 60)};
    f.keys = {K(PLF, KEYPRODUCT, DON, {"PLF:PRODUCTNAME"})};
    f.memos = {M(PLF, NEED, 2000), M(PLF, INFO, 2000)};
    return f;
}

File dynaLbls() {
    File f{&DYNALBLS, "DYNALBLS", "DYN:", "DYNALBLS.KVF", CT | rt::OEM, ""};
    f.fields = {
        F(DYN, LABELNAME, S, 33),     F(DYN, LABELTYPE, B),         F(DYN, PAPERNAME, S, 20),
        F(DYN, PAPERWIDTH, D, 5, 3),  F(DYN, PAPERHEIGHT, D, 5, 3), F(DYN, LABELWIDTH, D, 5, 3),
        F(DYN, LABELHEIGHT, D, 5, 3), F(DYN, TOPMARGIN, D, 5, 3),   F(DYN, LEFTMARGIN, D, 5, 3),
        F(DYN, PRINTERNAME, S, 30),   F(DYN, XPRINTADJ, D, 5, 3),   F(DYN, YPRINTADJ, D, 5, 3)};
    f.keys = {K(DYN, LABELNAMEKEY, DON, {"DYN:LABELNAME"}),
              K(DYN, LABELTYPENAMEKEY, DON, {"DYN:LABELTYPE", "DYN:PAPERNAME"})};
    return f;
}

File informat() {
    File f{&INFORMAT, "INFORMAT", "INF:", "INFORMAT.KVF", CRT, "Information"};
    f.fields = {F(INF, INFORMATIONFILE, S, 40)};
    f.keys = {K(INF, KEYINFORMATIONFILE, UON, {"INF:INFORMATIONFILE"})};
    f.memos = {M(INF, INFO, 6000)};
    return f;
}

File help() {
    File f{&HELP, "HELP", "HEL:", "HELP.KVF", CRT, "Help"};
    f.fields = {F(HEL, HELP, S, 40)};
    f.keys = {K(HEL, KEYHELP, UON, {"HEL:HELP"})};
    f.memos = {M(HEL, HELPINFO, 6000)};
    return f;
}

}  // namespace

const std::vector<File>& files() {
    static const std::vector<File> all{mail(),     checks(),   blank(),  orders(),  payee(),
                                       inventor(), company(),  config(), tagFile(), web(),
                                       zip(),      areaCode(), cards(),  plf(),     dynaLbls(),
                                       informat(), help()};
    return all;
}

}  // namespace expected
