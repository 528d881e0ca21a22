#pragma once
// Record files for the invoice tests (invoices, items, companies, contacts) written before a
// session and read after it, and a printer that keeps the pages it is given.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "invoices/company_choice.h"
#include "records/company.h"
#include "records/inventor.h"
#include "records/mail.h"
#include "records/orders.h"
#include "runtime/print/printer.h"
#include "runtime/text/fixed_text.h"
#include "tests/support/page_keeper.h"

namespace invoicetest {

struct Invoice {
    Invoice(std::string f, std::string l, long n, std::string p = "", int q = 0,
            std::string each = "0", std::string t = "0", std::string all = "0", std::string c = "")
        : first(std::move(f)),
          last(std::move(l)),
          number(n),
          printed(std::move(p)),
          quantity(q),
          price(std::move(each)),
          tax(std::move(t)),
          total(std::move(all)),
          company(std::move(c)) {}
    std::string first, last;
    long number = 0;
    std::string printed;  // "" or "Y"
    int quantity = 0;
    std::string price = "0";
    std::string tax = "0";  // as stored
    std::string total = "0";
    std::string company;
};

// A new ORDERS file holding the invoices; answers their record pointers.
inline std::vector<long> makeInvoices(const std::vector<Invoice>& invoices) {
    std::vector<long> pointers;
    ORDERS.remove();  // CREATE never replaces a file
    ORDERS.create();
    ORDERS.open();
    for (const Invoice& i : invoices) {
        ORDERS.clear();
        ORD::FIRSTNAME.setText(i.first);
        ORD::LASTNAME.setText(i.last);
        ORD::COMPANY.setText(i.company);
        ORD::INVOICENUMBER.setInteger(i.number);
        ORD::PRINTED.setText(i.printed);
        ORD::TAXABLE.setText("N");
        ORD::ITEMNO1.setText("A100");
        ORD::Q1.setInteger(i.quantity);
        ORD::P1.setNumber(rt::Decimal(i.price));
        ORD::T1.setNumber(rt::Decimal(i.quantity) * rt::Decimal(i.price));
        ORD::SUBTOTAL.setNumber(rt::Decimal(i.quantity) * rt::Decimal(i.price));
        ORD::TAX.setNumber(rt::Decimal(i.tax));
        ORD::TOTAL.setNumber(rt::Decimal(i.total));
        ORDERS.add();
        pointers.push_back(static_cast<long>(ORDERS.pointer()));
    }
    ORDERS.close();
    return pointers;
}

// The invoice of that number as the file holds it, read after the session (the buffer is
// left holding it).
inline bool readInvoice(long number) {
    ORDERS.open();
    ORDERS.clear();
    ORD::INVOICENUMBER.setInteger(number);
    const bool found = ORDERS.get(ORD::KEYINVOICENUMBER) == 0;
    ORDERS.close();
    return found;
}

inline std::string text(const rt::Field& f) {
    return std::string(rt::clip(f.text()));
}

inline std::string amount(const rt::Field& f) {
    return f.number().toString();
}

inline void makeItems(const std::vector<std::vector<std::string>>& items) {
    INVENTOR.remove();  // CREATE never replaces a file
    INVENTOR.create();
    INVENTOR.open();
    for (const auto& item : items) {
        INVENTOR.clear();
        INV::ITEM.setText(item.at(0));
        INV::DISC.setText(item.at(1));
        INV::PRICE.setNumber(rt::Decimal(item.at(2)));
        INVENTOR.add();
    }
    INVENTOR.close();
}

struct Company {
    std::string name, address, cityStateZip;
    long long phone = 0, fax = 0;
    std::string rate = "0";
};

inline void makeCompanies(const std::vector<Company>& companies) {
    COMPANY.remove();  // CREATE never replaces a file
    COMPANY.create();
    COMPANY.open();
    for (const Company& c : companies) {
        COMPANY.clear();
        COM::COMPANYNAME.setText(c.name);
        COM::ADDRESS.setText(c.address);
        COM::CITYSTATEZIP.setText(c.cityStateZip);
        COM::PHONE.setInteger(c.phone);
        COM::FAX.setInteger(c.fax);
        EXPECT_TRUE(SetCompanyTaxRate(rt::Decimal(c.rate))) << c.rate;
        COMPANY.add();
    }
    COMPANY.close();
}

using testsupport::findText;
using testsupport::installPageKeeper;
using testsupport::PageKeeper;
using testsupport::pageTexts;

}  // namespace invoicetest
