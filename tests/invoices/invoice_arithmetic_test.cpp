// Invoice arithmetic against a model of its own, in whole cents with half away from zero:
// 10,000 generated invoices (0 to 8 lines, quantities 0 to 255, discounts as negative lines,
// rates with five places, shipping, amounts paid) are worked out as the form works them out,
// stored, read back and printed as invoice documents; a sample is also typed into the form.
// Subtotal, tax, total and balance agree everywhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "drivers/driver.h"
#include "frame/globals.h"
#include "invoices/invoice_amounts.h"
#include "invoices/invoice_procedures.h"
#include "records/orders.h"
#include "runtime/text/number_text.h"
#include "runtime/text/picture.h"
#include "tests/invoices/invoice_fixture.h"
#include "tests/support/run_timers.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace invoicetest;
using rt::ControlName;

constexpr int kInvoices = 10000;
constexpr long long kLargest7 = 9999999;  // DECIMAL(7,2) in cents
constexpr long long kLargest5 = 99999;    // DECIMAL(5,2) in cents

struct Line {
    int quantity = 0;
    long long priceCents = 0;
};

struct Generated {
    std::vector<Line> lines;
    bool taxable = false;
    long long rate = 0;  // hundred-thousandths: 7125 is 7.125 %
    long long shippingCents = 0;
    long long paidCents = 0;
    // What the model gives.
    long long subtotal = 0, tax = 0, total = 0, balance = 0;
};

long long roundedDivision(long long numerator, long long denominator) {
    const long long whole = numerator / denominator;
    const long long rest = numerator % denominator;
    if (std::llabs(rest) * 2 >= denominator) return whole + (numerator < 0 ? -1 : 1);
    return whole;
}

// The model; false when an amount would not fit its field (such an invoice is refused on OK,
// which other tests show), so the generator draws again.
bool workOut(Generated& g) {
    g.subtotal = 0;
    for (const Line& l : g.lines) {
        const long long line = l.quantity * l.priceCents;
        if (std::llabs(line) > kLargest7) return false;
        g.subtotal += line;
    }
    g.tax = g.taxable ? roundedDivision(g.subtotal * g.rate, 100000) : 0;
    g.total = g.subtotal + g.tax + g.shippingCents;
    g.balance = g.total - g.paidCents;
    return std::llabs(g.subtotal) <= kLargest7 && std::llabs(g.tax) <= kLargest5 &&
           std::llabs(g.total) <= kLargest7;
}

Generated generate(std::mt19937& random) {
    auto between = [&random](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    for (;;) {
        Generated g;
        const int lines = static_cast<int>(between(0, 8));
        for (int n = 0; n < lines; ++n) {
            Line l;
            l.quantity = static_cast<int>(between(0, 255));
            // One line in six is a discount; prices end in every cent, .x5 included.
            l.priceCents = between(0, 5) == 0 ? -between(1, 5000) : between(0, 39000);
            g.lines.push_back(l);
        }
        g.taxable = between(0, 2) != 0;
        g.rate = between(0, 12500);
        g.shippingCents = between(0, 4) == 0 ? 0 : between(1, 9999);
        g.paidCents = between(0, 3) == 0 ? 0 : between(0, 500000);
        if (workOut(g)) return g;
    }
}

rt::Decimal cents(long long value) {
    return rt::Decimal::fromScaled(value, 2);
}

std::string withoutBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : std::string(rt::clip(text.substr(first)));
}

// An amount as the form and the invoice show it.
std::string shown(long long value) {
    return withoutBlanks(rt::format(rt::Value(cents(value)), "@n-10.2"));
}

// The invoice's inputs into the ORDERS buffer, its amounts zero.
void putInputs(const Generated& g, long number) {
    ORDERS.clear();
    ORD::INVOICENUMBER.setInteger(number);
    // The documents print in first-name order: the number, zero padded, keeps that order.
    std::string name = std::to_string(number);
    ORD::FIRSTNAME.setText(std::string(6 - name.size(), '0') + name);
    ORD::TAXABLE.setText(g.taxable ? "Y" : "N");
    for (std::size_t n = 0; n < g.lines.size(); ++n) {
        const std::string line = std::to_string(n + 1);
        ORDERS.buf().setText("ORD:ITEMNO" + line, "A100");
        ORDERS.buf().setInteger("ORD:Q" + line, g.lines[n].quantity);
        ORDERS.buf().setNumber("ORD:P" + line, cents(g.lines[n].priceCents));
    }
    ORD::SHIPPING.setNumber(cents(g.shippingCents));
    if (g.paidCents != 0) ORD::PAID.setText(rt::numberToText(cents(g.paidCents)));
}

void expectRecordAgrees(const Generated& g, const std::string& label) {
    EXPECT_EQ(ORD::SUBTOTAL.number(), cents(g.subtotal)) << label;
    EXPECT_EQ(ORD::TAX.number(), cents(g.tax)) << label;
    EXPECT_EQ(ORD::TOTAL.number(), cents(g.total)) << label;
    EXPECT_EQ(rt::textToNumber(ORD::BALANCE.text()), cents(g.balance)) << label;
}

// The amount printed on the same line as `caption`, right of it.
std::string printedBeside(const rt::Page& page, const std::string& caption) {
    // The lowest text of that caption: the totals stand under the lines and their headings.
    const rt::PageText* label = nullptr;
    for (const rt::PageItem& item : page.items)
        if (const auto* t = std::get_if<rt::PageText>(&item);
            t && withoutBlanks(t->text) == caption && (!label || t->y > label->y))
            label = t;
    if (!label) return "(no " + caption + ")";
    for (const rt::PageItem& item : page.items) {
        const auto* t = std::get_if<rt::PageText>(&item);
        if (t && t != label && t->x > label->x && std::abs(t->y - label->y) < 30)
            return withoutBlanks(t->text);
    }
    return "(nothing beside " + caption + ")";
}

std::vector<Generated> generatedInvoices() {
    std::mt19937 random(20261211);
    std::vector<Generated> all;
    for (int n = 0; n < kInvoices; ++n)
        all.push_back(generate(random));
    return all;
}

TEST(InvoiceArithmeticTest, GeneratedInvoicesAgreeOnTheRecordAndThePrintedInvoice) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterInvoiceProcedures();
    const std::vector<Generated> invoices = generatedInvoices();
    ORDERS.remove();
    ORDERS.create();
    ORDERS.open();
    for (int n = 0; n < kInvoices; ++n) {
        const Generated& g = invoices[static_cast<std::size_t>(n)];
        putInputs(g, n + 1);
        InvoiceAmounts amounts;
        amounts.recomputeAll(rt::Decimal::fromScaled(g.rate, 5));
        ASSERT_TRUE(amounts.misfits().empty()) << n + 1;
        ASSERT_EQ(ORDERS.add(), 0);
    }
    ORDERS.close();

    ORDERS.open();
    ORDERS.set(ORD::KEYINVOICENUMBER);
    for (int n = 0; n < kInvoices; ++n) {
        ASSERT_EQ(ORDERS.next(), 0);
        expectRecordAgrees(invoices[static_cast<std::size_t>(n)],
                           "record " + std::to_string(n + 1));
    }
    ORDERS.close();

    GLO::CompanyName = "Acme Supply";
    std::shared_ptr<PageKeeper> keeper = installPageKeeper();
    rt::Driver driver;
    driver.start(&BrowseInvoices);
    driver.waitWindow("Browse Invoice Records");
    driver.press("Print Unprinted Invoices");
    driver.waitWindow("Report Destination");
    driver.press("Print Report");
    driver.press("OK");
    testsupport::runTimersToEnd(driver);
    driver.waitWindow("Browse Invoice Records");
    driver.press("Close");
    ASSERT_TRUE(driver.finish());
    ASSERT_EQ(keeper->printed.size(), static_cast<std::size_t>(kInvoices));
    for (int n = 0; n < kInvoices; ++n) {
        const Generated& g = invoices[static_cast<std::size_t>(n)];
        const rt::Page& page = keeper->printed[static_cast<std::size_t>(n)];
        const std::string label = "printed " + std::to_string(n + 1);
        EXPECT_EQ(printedBeside(page, "Subtotal"), shown(g.subtotal)) << label;
        EXPECT_EQ(printedBeside(page, "Sales Tax"), shown(g.tax)) << label;
        EXPECT_EQ(printedBeside(page, "Total"), shown(g.total)) << label;
        EXPECT_EQ(printedBeside(page, "Balance"), shown(g.balance)) << label;
    }
    rt::printer().reset();
}

// A sample of the same invoices typed into the form: what it shows once the amount paid is
// typed, and what OK stores.
TEST(InvoiceArithmeticTest, GeneratedInvoicesTypedIntoTheFormShowAndStoreTheModelsFigures) {
    testsupport::TempDir dir{/*enter=*/true};
    RegisterInvoiceProcedures();
    const std::vector<Generated> invoices = generatedInvoices();
    for (int n = 0; n < kInvoices; n += 250) {
        const Generated& g = invoices[static_cast<std::size_t>(n)];
        const std::string label = "form " + std::to_string(n + 1);
        GLO::SalesTaxRate = rt::Decimal::fromScaled(g.rate, 5);
        ORDERS.remove();
        ORDERS.create();
        ORDERS.open();
        putInputs(g, n + 1);
        ORD::PAID.setText("");
        ASSERT_EQ(ORDERS.add(), 0);
        ORDERS.close();
        rt::Driver driver;
        driver.start(&BrowseInvoices);
        driver.waitWindow("Browse Invoice Records");
        driver.press("&Open");
        driver.waitWindow("");
        driver.type("ORD:PAID", rt::numberToText(cents(g.paidCents)));
        driver.expectText(ControlName::parse("ORD:SUBTOTAL"), shown(g.subtotal));
        driver.expectText(ControlName::parse("ORD:TAX"), shown(g.tax));
        driver.expectText(ControlName::parse("ORD:TOTAL"), shown(g.total));
        driver.expectText(ControlName::parse("ORD:BALANCE"), shown(g.balance));
        driver.press("OK");
        driver.waitWindow("Browse Invoice Records");
        driver.press("Close");
        ASSERT_TRUE(driver.finish()) << label;
        ASSERT_TRUE(readInvoice(n + 1)) << label;
        expectRecordAgrees(g, label);
    }
}

}  // namespace
