#pragma once
// ORDERS: invoices, one record each, with up to ten item lines (eight in use).

#include <string_view>

#include "records/handles.h"

namespace records {
rt::FileDecl ordersDeclaration();
rt::RecordFile& ordersFile();
// The file's name in warnings.
inline constexpr std::string_view ordersDisplayName = "ORDERS";
}  // namespace records

inline rt::RecordFile& ORDERS = records::ordersFile();

namespace ORD {
// Fields, in declaration order.
inline const rt::Field FIRSTNAME{records::ordersFile(), "ORD:FIRSTNAME"};
inline const rt::Field LASTNAME{records::ordersFile(), "ORD:LASTNAME"};
inline const rt::Field COMPANY{records::ordersFile(), "ORD:COMPANY"};
inline const rt::Field ADDRESS{records::ordersFile(), "ORD:ADDRESS"};
inline const rt::Field CITY{records::ordersFile(), "ORD:CITY"};
inline const rt::Field STATE{records::ordersFile(), "ORD:STATE"};
inline const rt::Field ZIP{records::ordersFile(), "ORD:ZIP"};
inline const rt::Field ORDERDATE{records::ordersFile(), "ORD:ORDERDATE"};
inline const rt::Field ITEMNO1{records::ordersFile(), "ORD:ITEMNO1"};
inline const rt::Field ITEMNO2{records::ordersFile(), "ORD:ITEMNO2"};
inline const rt::Field ITEMNO3{records::ordersFile(), "ORD:ITEMNO3"};
inline const rt::Field ITEMNO4{records::ordersFile(), "ORD:ITEMNO4"};
inline const rt::Field ITEMNO5{records::ordersFile(), "ORD:ITEMNO5"};
inline const rt::Field ITEMNO6{records::ordersFile(), "ORD:ITEMNO6"};
inline const rt::Field ITEMNO7{records::ordersFile(), "ORD:ITEMNO7"};
inline const rt::Field ITEMNO8{records::ordersFile(), "ORD:ITEMNO8"};
inline const rt::Field ITEMNO9{records::ordersFile(), "ORD:ITEMNO9"};
inline const rt::Field ITEMNO10{records::ordersFile(), "ORD:ITEMNO10"};
inline const rt::Field DISC1{records::ordersFile(), "ORD:DISC1"};
inline const rt::Field DISC2{records::ordersFile(), "ORD:DISC2"};
inline const rt::Field DISC3{records::ordersFile(), "ORD:DISC3"};
inline const rt::Field DISC4{records::ordersFile(), "ORD:DISC4"};
inline const rt::Field DISC5{records::ordersFile(), "ORD:DISC5"};
inline const rt::Field DISC6{records::ordersFile(), "ORD:DISC6"};
inline const rt::Field DISC7{records::ordersFile(), "ORD:DISC7"};
inline const rt::Field DISC8{records::ordersFile(), "ORD:DISC8"};
inline const rt::Field DISC9{records::ordersFile(), "ORD:DISC9"};
inline const rt::Field DISC10{records::ordersFile(), "ORD:DISC10"};
inline const rt::Field Q1{records::ordersFile(), "ORD:Q1"};
inline const rt::Field Q2{records::ordersFile(), "ORD:Q2"};
inline const rt::Field Q3{records::ordersFile(), "ORD:Q3"};
inline const rt::Field Q4{records::ordersFile(), "ORD:Q4"};
inline const rt::Field Q5{records::ordersFile(), "ORD:Q5"};
inline const rt::Field Q6{records::ordersFile(), "ORD:Q6"};
inline const rt::Field Q7{records::ordersFile(), "ORD:Q7"};
inline const rt::Field Q8{records::ordersFile(), "ORD:Q8"};
inline const rt::Field Q9{records::ordersFile(), "ORD:Q9"};
inline const rt::Field Q10{records::ordersFile(), "ORD:Q10"};
inline const rt::Field P1{records::ordersFile(), "ORD:P1"};
inline const rt::Field P2{records::ordersFile(), "ORD:P2"};
inline const rt::Field P3{records::ordersFile(), "ORD:P3"};
inline const rt::Field P4{records::ordersFile(), "ORD:P4"};
inline const rt::Field P5{records::ordersFile(), "ORD:P5"};
inline const rt::Field P6{records::ordersFile(), "ORD:P6"};
inline const rt::Field P7{records::ordersFile(), "ORD:P7"};
inline const rt::Field P8{records::ordersFile(), "ORD:P8"};
inline const rt::Field P9{records::ordersFile(), "ORD:P9"};
inline const rt::Field P10{records::ordersFile(), "ORD:P10"};
inline const rt::Field T1{records::ordersFile(), "ORD:T1"};
inline const rt::Field T2{records::ordersFile(), "ORD:T2"};
inline const rt::Field T3{records::ordersFile(), "ORD:T3"};
inline const rt::Field T4{records::ordersFile(), "ORD:T4"};
inline const rt::Field T5{records::ordersFile(), "ORD:T5"};
inline const rt::Field T6{records::ordersFile(), "ORD:T6"};
inline const rt::Field T7{records::ordersFile(), "ORD:T7"};
inline const rt::Field T8{records::ordersFile(), "ORD:T8"};
inline const rt::Field SUBTOTAL{records::ordersFile(), "ORD:SUBTOTAL"};
inline const rt::Field TOTAL{records::ordersFile(), "ORD:TOTAL"};
inline const rt::Field TAXABLE{records::ordersFile(), "ORD:TAXABLE"};
inline const rt::Field SHIPPINGTYPE{records::ordersFile(), "ORD:SHIPPINGTYPE"};
inline const rt::Field SPEED{records::ordersFile(), "ORD:SPEED"};
inline const rt::Field TAX{records::ordersFile(), "ORD:TAX"};
inline const rt::Field SHIPPING{records::ordersFile(), "ORD:SHIPPING"};
inline const rt::Field INVOICENUMBER{records::ordersFile(), "ORD:INVOICENUMBER"};
inline const rt::Field PRINTED{records::ordersFile(), "ORD:PRINTED"};
inline const rt::Field CARDNUMBER{records::ordersFile(), "ORD:CARDNUMBER"};
inline const rt::Field PAYMENTTYPE{records::ordersFile(), "ORD:PAYMENTTYPE"};
inline const rt::Field PAID{records::ordersFile(), "ORD:PAID"};
inline const rt::Field BALANCE{records::ordersFile(), "ORD:BALANCE"};
inline const rt::Field X3{records::ordersFile(), "ORD:X3"};
inline const rt::Field X4{records::ordersFile(), "ORD:X4"};
inline const rt::Field X5{records::ordersFile(), "ORD:X5"};
inline const rt::Field X6{records::ordersFile(), "ORD:X6"};
inline const rt::Field X7{records::ordersFile(), "ORD:X7"};
inline const rt::Field X8{records::ordersFile(), "ORD:X8"};
inline const rt::Field X9{records::ordersFile(), "ORD:X9"};
inline const rt::Field X10{records::ordersFile(), "ORD:X10"};
// Memos and BLOBs.
inline const records::Memo MEMO{records::ordersFile(), "ORD:MEMO"};
// Keys.
inline const int KEYFIRSTNAME = records::keyOf(records::ordersFile(), "ORD:KEYFIRSTNAME");
inline const int KEYLASTNAME = records::keyOf(records::ordersFile(), "ORD:KEYLASTNAME");
inline const int KEYCOMPANY = records::keyOf(records::ordersFile(), "ORD:KEYCOMPANY");
inline const int KEYORDERDATE = records::keyOf(records::ordersFile(), "ORD:KEYORDERDATE");
inline const int KEYINVOICENUMBER = records::keyOf(records::ordersFile(), "ORD:KEYINVOICENUMBER");
}  // namespace ORD
