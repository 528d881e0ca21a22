#include "records/check_layout.h"

namespace records::detail {

rt::FileDecl checkLayout(std::string label, const std::string& prefix, bool checkNumberDescending) {
    auto name = [&prefix](const char* field) { return prefix + field; };
    // "-" before a key component sorts it descending.
    const std::string checkNumber = (checkNumberDescending ? "-" : "") + name("CHECKNUMBER");
    return rt::FileDecl(std::move(label), prefix)
        .attributes(rt::CREATE | rt::RECLAIM | rt::THREAD)
        .STRING(name("FIRSTNAME"), 15)
        .DECIMAL(name("CHECKID"), 7, 0)
        .DECIMAL(name("AMOUNT"), 7, 2)
        .STRING(name("LASTNAME"), 15)
        .STRING(name("COMPANYNAME"), 30)
        .STRING(name("CHECKNAME"), 31)
        .STRING(name("ADDRESS"), 30)
        .STRING(name("CITY"), 15)
        .STRING(name("STATE"), 2)
        .STRING(name("ZIP"), 12)
        .STRING(name("BANKNAME"), 30)
        .STRING(name("BANKADDRESS"), 30)
        .STRING(name("BANKCITYSTATEZIP"), 30)
        .STRING(name("FEDNUMBER1"), 25)
        .STRING(name("FEDNUMBER2"), 25)
        .DECIMAL(name("MONTHLYAMOUNT"), 7, 2)
        .STRING(name("CHECKNUMBER"), 10)
        .LONG(name("CHECKDATE"))  // day number
        .STRING(name("TRANSIT"), 9)
        .STRING(name("ACCOUNTNUMBER"), 20)
        .STRING(name("CHECKMEMO"), 40)
        .STRING(name("DONE"), 1)
        .STRING(name("PAYTO"), 30)
        .STRING(name("PHONE"), 12)
        .STRING(name("CKSIGN"), 1)
        .STRING(name("ANSIGN"), 1)
        .STRING(name("CKADDRESS"), 30)
        .STRING(name("CKCITYSTATEADDRESS"), 30)
        .STRING(name("FUNDS"), 30)
        .STRING(name("X1"), 20)
        .STRING(name("X2"), 20)
        .STRING(name("X3"), 20)
        .STRING(name("X4"), 20)
        .STRING(name("X5"), 20)
        .STRING(name("X6"), 20)
        .STRING(name("X7"), 20)
        .STRING(name("X8"), 20)
        .STRING(name("X9"), 20)
        .STRING(name("X10"), 20)
        .KEY(name("KEYFIRSTNAME"), rt::DUP | rt::NOCASE, {name("FIRSTNAME")})
        .KEY(name("KEYCHECKNUMBER"), rt::DUP | rt::OPT | rt::NOCASE, {checkNumber})
        .KEY(name("KEYPAYTO"), rt::DUP | rt::OPT | rt::NOCASE, {name("PAYTO")})
        .KEY(name("KEYLASTNAME"), rt::DUP | rt::NOCASE, {name("LASTNAME")})
        .KEY(name("KEYCOMPANYNAME"), rt::DUP | rt::NOCASE, {name("COMPANYNAME")})
        .KEY(name("KEYBANKNAME"), rt::DUP | rt::NOCASE, {name("BANKNAME")})
        .KEY(name("KEYCITY"), rt::DUP | rt::OPT | rt::NOCASE, {name("CITY")})
        .KEY(name("KEYSTATE"), rt::DUP | rt::OPT | rt::NOCASE, {name("STATE")})
        .KEY(name("KEYZIP"), rt::DUP | rt::OPT | rt::NOCASE, {name("ZIP")})
        .KEY(name("KEYCHECKID"), rt::OPT | rt::NOCASE, {name("CHECKID")})
        .KEY(name("KEYCHECKDATE"), rt::DUP | rt::OPT | rt::NOCASE, {name("CHECKDATE")});
}

}  // namespace records::detail
