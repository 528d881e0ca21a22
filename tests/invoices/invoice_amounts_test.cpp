// The invoice's amounts over the ORDERS buffer: line totals, subtotal, tax, total and the
// balance text, and amounts that do not fit their fields.
#include <gtest/gtest.h>

#include "invoices/invoice_amounts.h"
#include "records/orders.h"
#include "runtime/text/fixed_text.h"

namespace {

struct AmountCase {
    int quantity;
    const char* price;
    const char* taxable;
    const char* rate;
    const char* shipping;
    const char* paid;
    const char* storedTax;  // before the computation
    const char* lineTotal;
    const char* tax;
    const char* total;
    const char* balance;
};

const AmountCase kCases[] = {
    // 3 x 19.99 = 59.97; 0.065 x 59.97 = 3.89805 -> 3.90; + 5.00 shipping = 68.87.
    {3, "19.99", "Y", "0.065", "5.00", "20", "0", "59.97", "3.90", "68.87", "48.87"},
    {3, "19.99", "Y", "0.065", "5.00", "68.87", "0", "59.97", "3.90", "68.87", "0"},
    {3, "19.99", "Y", "0.065", "5.00", "70", "0", "59.97", "3.90", "68.87", "-1.13"},
    {3, "19.99", "Y", "0.065", "5.00", "", "0", "59.97", "3.90", "68.87", "68.87"},
    {1, "100.00", "N", "0.065", "0", "87.5", "0", "100.00", "0.00", "100.00", "12.5"},
    {1, "100.00", "N", "0.065", "0", "0", "0", "100.00", "0.00", "100.00", "100"},
    // The company's rate keeps its four places: 8.25 % of 100.00 is 8.25, not 8.30.
    {1, "100.00", "Y", "0.0825", "0", "0", "0", "100.00", "8.25", "108.25", "108.25"},
    // Not taxable: the tax keeps what it holds.
    {2, "10.00", "N", "0.065", "1.00", "0", "2.00", "20.00", "2.00", "23.00", "23"},
    // A paid text with grouping commas reads as the whole number.
    {100, "20.00", "N", "0", "0", "1,000.50", "0", "2000.00", "0.00", "2000.00", "999.5"},
};

TEST(InvoiceAmountsTest, LineTaxTotalAndBalanceFollowFromTheRecord) {
    for (const AmountCase& c : kCases) {
        ORDERS.clear();
        ORD::Q1.setInteger(c.quantity);
        ORD::P1.setNumber(rt::Decimal(c.price));
        ORD::TAXABLE.setText(c.taxable);
        ORD::SHIPPING.setNumber(rt::Decimal(c.shipping));
        ORD::PAID.setText(c.paid);
        ORD::TAX.setNumber(rt::Decimal(c.storedTax));
        InvoiceAmounts amounts;
        amounts.recomputeLine(1, rt::Decimal(c.rate));
        amounts.recomputeBalance();
        const std::string label = std::to_string(c.quantity) + " x " + c.price;
        EXPECT_EQ(ORD::T1.number().toString(), c.lineTotal) << label;
        EXPECT_EQ(ORD::SUBTOTAL.number().toString(), c.lineTotal) << label;
        EXPECT_EQ(ORD::TAX.number().toString(), c.tax) << label;
        EXPECT_EQ(ORD::TOTAL.number().toString(), c.total) << label;
        EXPECT_EQ(std::string(rt::clip(ORD::BALANCE.text())), c.balance) << label;
        EXPECT_TRUE(amounts.misfits().empty()) << label;
        // The paid amount is kept as plain number text.
        EXPECT_EQ(std::string(rt::clip(ORD::PAID.text())).find(','), std::string::npos) << label;
    }
}

TEST(InvoiceAmountsTest, TheSubtotalAddsEveryLineAndTheTotalAddsShipping) {
    ORDERS.clear();
    ORD::Q1.setInteger(1);
    ORD::P1.setNumber(rt::Decimal("10.00"));
    ORD::Q8.setInteger(2);
    ORD::P8.setNumber(rt::Decimal("2.50"));
    ORD::T3.setNumber(rt::Decimal("7.00"));  // a line total typed by hand, its line not visited
    ORD::SHIPPING.setNumber(rt::Decimal("4.00"));
    InvoiceAmounts amounts;
    amounts.recomputeLine(1, 0);
    EXPECT_EQ(ORD::SUBTOTAL.number().toString(), "17.00");  // 10.00 + the stored 7.00
    amounts.recomputeLine(8, 0);
    EXPECT_EQ(ORD::SUBTOTAL.number().toString(), "22.00");
    EXPECT_EQ(ORD::TOTAL.number().toString(), "26.00");
    ORD::TOTAL.setNumber(rt::Decimal("1.00"));
    amounts.recomputeTotal();
    EXPECT_EQ(ORD::TOTAL.number().toString(), "26.00");
}

TEST(InvoiceAmountsTest, AmountsBeyondTheirFieldsAreNotStoredAndAreNamed) {
    ORDERS.clear();
    ORD::Q1.setInteger(255);
    ORD::P1.setNumber(rt::Decimal("999.99"));  // 254997.45 does not fit DECIMAL(7,2)
    ORD::T1.setNumber(rt::Decimal("1.00"));
    ORD::TAXABLE.setText("Y");
    InvoiceAmounts amounts;
    amounts.recomputeLine(1, rt::Decimal("0.065"));
    EXPECT_EQ(ORD::T1.number().toString(), "1.00");  // left as it was, not cut
    EXPECT_TRUE(amounts.misfits().count(ORD::T1.index()));
    EXPECT_TRUE(amounts.misfits().count(ORD::SUBTOTAL.index()));
    EXPECT_TRUE(amounts.misfits().count(ORD::TAX.index()));  // 16574.83 > 999.99
    const std::string message = amounts.misfitMessage();
    EXPECT_NE(message.find("Line 1 total 254997.45"), std::string::npos) << message;
    EXPECT_NE(message.find("99999.99"), std::string::npos) << message;
    EXPECT_NE(message.find("Tax 16574.83"), std::string::npos) << message;

    // The line brought back within bounds clears the refusal.
    ORD::Q1.setInteger(1);
    amounts.recomputeLine(1, rt::Decimal("0.065"));
    EXPECT_TRUE(amounts.misfits().empty()) << amounts.misfitMessage();
    EXPECT_EQ(ORD::T1.number().toString(), "999.99");
    EXPECT_EQ(ORD::TAX.number().toString(), "65.00");
}

TEST(InvoiceAmountsTest, PaidAmountReadsPlainAndGroupedNumbers) {
    EXPECT_EQ(PaidAmount(""), rt::Decimal(0));
    EXPECT_EQ(PaidAmount("  -12.50"), rt::Decimal("-12.5"));
    EXPECT_EQ(PaidAmount("1,234.50"), rt::Decimal("1234.5"));
    EXPECT_EQ(PaidAmount("abc"), rt::Decimal(0));
}

}  // namespace
