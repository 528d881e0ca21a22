#include "checks/check_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::check_form {

namespace {

using namespace CheckFormControl;

rt::WindowStructure makeWindow() {
    rt::WindowStructure w;
    w.module = "Tovik027";
    w.label = "UpdateCheck";
    w.title = "Enter Check Information";
    w.at = {0, 0, 400, 236};
    w.centered = true;
    w.font = {"Arial", 8};
    w.icon = "CHECK.ICO";
    StructureBuilder b(w);
    const rt::Font micr10{"MICR 010 BT", 10};
    const rt::Font micr10Large{"MICR 010 BT", 14};
    const rt::Font micr12{"MICR 012 BT", 14};

    b.prompt(1, {6, 6, 40, 10}, "&First Name:");
    b.entry(FirstName, {48, 5, 64, 11}, "CHE:FIRSTNAME", "@s15");
    b.entry(LastName, {116, 5, 64, 11}, "CHE:LASTNAME", "@s15");
    b.prompt(4, {186, 6, 24, 10}, "Phone:");
    b.entry(Phone, {212, 5, 60, 11}, "CHE:PHONE", "@P###-###-####P");
    b.prompt(6, {290, 6, 34, 10}, "Check ID:");
    rt::ControlStructure& id = b.entry(CheckId, {326, 5, 40, 11}, "CHE:CHECKID", "@n_7");
    id.align = rt::Align::Right;
    id.required = true;

    b.add(8, rt::ControlKind::Group, {4, 20, 392, 172});
    b.prompt(60, {10, 26, 80, 10}, "Name And Address");
    b.entry(CheckName, {10, 36, 124, 11}, "CHE:CHECKNAME", "@s30");
    b.entry(Address, {10, 48, 124, 11}, "CHE:ADDRESS", "@s30");
    b.entry(City, {10, 60, 64, 11}, "CHE:CITY", "@s15");
    b.entry(State, {76, 60, 16, 11}, "CHE:STATE", "@s2").upper = true;
    b.entry(Zip, {94, 60, 40, 11}, "CHE:ZIP", "@s12");
    b.prompt(14, {150, 26, 60, 10}, "Fed Number");
    b.entry(FedNumber1, {150, 36, 64, 11}, "CHE:FEDNUMBER1", "@s15");
    b.entry(FedNumber2, {150, 48, 64, 11}, "CHE:FEDNUMBER2", "@s15");
    b.prompt(17, {290, 26, 50, 10}, "Check Number");
    b.entry(CheckNumber, {290, 36, 44, 11}, "CHE:CHECKNUMBER", "@s10").required = true;
    b.prompt(19, {290, 50, 30, 10}, "Date");
    rt::ControlStructure& date = b.entry(CheckDate, {290, 60, 50, 11}, "CHE:CHECKDATE", "@d1");
    date.align = rt::Align::Right;
    date.required = true;

    b.prompt(21, {10, 78, 90, 10}, "Pay To The Order Of");
    b.entry(PayTo, {100, 77, 124, 11}, "CHE:PAYTO", "@s30").required = true;
    b.prompt(23, {250, 78, 30, 10}, "Amount");
    rt::ControlStructure& monthly =
        b.entry(MonthlyAmount, {290, 77, 60, 11}, "CHE:MONTHLYAMOUNT", "@n$10.2");
    monthly.align = rt::Align::Decimal;
    monthly.required = true;
    b.prompt(25, {10, 96, 44, 12}, "Pay Exactly");
    rt::ControlStructure& amount = b.entry(Amount, {58, 94, 90, 14}, "CHE:AMOUNT", "@n$*10.2");
    amount.font = {"Arial", 14, true, true};
    amount.required = true;
    b.prompt(27, {152, 96, 70, 12}, "Dollars && Cents");
    b.prompt(28, {226, 112, 50, 10}, "Funds Payable:");
    rt::ControlStructure& funds = b.entry(Funds, {276, 111, 116, 11}, "CHE:FUNDS", "@s30");
    funds.align = rt::Align::Center;
    funds.tip = "If check is to be payable in an other countries funds, change this field.";

    b.prompt(30, {10, 112, 90, 10}, "Bank Name And Address");
    b.entry(BankName, {10, 122, 124, 11}, "CHE:BANKNAME", "@s30").required = true;
    b.entry(BankAddress, {10, 134, 124, 11}, "CHE:BANKADDRESS", "@s30");
    b.entry(BankCityStateZip, {10, 146, 124, 11}, "CHE:BANKCITYSTATEZIP", "@s30");
    b.prompt(34, {150, 148, 24, 10}, "Memo");
    b.entry(CheckMemo, {176, 147, 160, 11}, "CHE:CHECKMEMO", "@s40");

    b.entry(TransitSign, {10, 168, 10, 14}, "CHE:ANSIGN", "@s1").font = micr12;
    b.prompt(37, {22, 162, 40, 8}, "&Transit:");
    rt::ControlStructure& transit = b.entry(Transit, {22, 170, 56, 12}, "CHE:TRANSIT", "@s9");
    transit.font = micr10;
    transit.align = rt::Align::Right;
    transit.required = true;
    b.entry(OnUsSign, {82, 168, 10, 14}, "CHE:CKSIGN", "@s1").font = micr10Large;
    b.prompt(40, {96, 162, 60, 8}, "&Account Number:");
    rt::ControlStructure& account =
        b.entry(AccountNumber, {96, 170, 110, 12}, "CHE:ACCOUNTNUMBER", "@s20");
    account.font = micr10;
    account.required = true;

    b.prompt(42, {250, 172, 26, 10}, "Printed");
    b.entry(Done, {278, 171, 10, 11}, "CHE:DONE", "@s1").upper = true;
    b.prompt(44, {300, 172, 40, 10}, "Drafts Left:");
    b.entry(DraftsLeft, {342, 171, 20, 11}, "CHE:X2", "@s3");

    b.button(SelectClient, {4, 200, 60, 14}, "Select Client");
    b.button(PostMonthlyDraft, {68, 200, 70, 14}, "Post Monthly Draft");
    b.button(Ok, {250, 200, 44, 14}, "OK").isDefault = true;
    b.button(Cancel, {298, 200, 44, 14}, "Cancel");
    b.button(Help, {346, 200, 44, 14}, "Help");
    return w;
}

}  // namespace

const rt::WindowStructure& checkFormWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::check_form
