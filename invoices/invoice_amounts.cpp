#include "invoices/invoice_amounts.h"

#include "records/orders.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"

namespace {

const rt::FieldDecl& declOf(const std::string& name) {
    const rt::FileDecl& decl = ORDERS.decl();
    return decl.fields().at(decl.fieldIndex(name));
}

std::string lineField(const char* prefix, int line) {
    return std::string("ORD:") + prefix + std::to_string(line);
}

rt::Decimal number(const std::string& name) {
    return ORDERS.buf().number(name);
}

// The name a user knows an amount by, for the refusal.
std::string shownName(const std::string& field) {
    if (field.rfind("ORD:T", 0) == 0 && field.size() <= 6)
        return "Line " + field.substr(5) + " total";
    if (field == "ORD:SUBTOTAL") return "SubTotal";
    if (field == "ORD:TAX") return "Tax";
    if (field == "ORD:TOTAL") return "Total";
    return field;
}

}  // namespace

bool InvoiceAmounts::store(const std::string& name, const rt::Decimal& value) {
    const rt::FieldDecl& f = declOf(name);
    const int index = ORDERS.decl().fieldIndex(name);
    std::optional<rt::Decimal> fitted = value.fitTo(f.digits, f.places);
    if (!fitted || !ORDERS.buf().setNumber(index, *fitted)) {
        misfits_[index] = value.rounded(f.places);
        return false;
    }
    misfits_.erase(index);
    return true;
}

void InvoiceAmounts::recomputeLine(int line, const rt::Decimal& rate) {
    store(lineField("T", line), number(lineField("Q", line)) * number(lineField("P", line)));
    recomputeSums(rate);
}

void InvoiceAmounts::recomputeAll(const rt::Decimal& rate) {
    for (int line = 1; line <= 8; ++line)
        store(lineField("T", line), number(lineField("Q", line)) * number(lineField("P", line)));
    recomputeSums(rate);
    recomputeBalance();
}

void InvoiceAmounts::recomputeSums(const rt::Decimal& rate) {
    // The sum takes a line's exact total even when it could not be stored, so that the
    // refusal names every amount that is out of bounds.
    rt::Decimal subtotal;
    for (int n = 1; n <= 8; ++n)
        subtotal += current(lineField("T", n));
    store("ORD:SUBTOTAL", subtotal);
    rt::Decimal tax;
    if (rt::clip(ORD::TAXABLE.text()) == "Y") {
        tax = (rate * subtotal).rounded(2);
        store("ORD:TAX", tax);
    } else {
        // A tax refused while the invoice was taxable no longer counts: the field's own
        // value does.
        misfits_.erase(ORDERS.decl().fieldIndex("ORD:TAX"));
        tax = number("ORD:TAX");
    }
    store("ORD:TOTAL", subtotal + tax + number("ORD:SHIPPING"));
}

rt::Decimal InvoiceAmounts::current(const std::string& name) const {
    const int index = ORDERS.decl().fieldIndex(name);
    auto misfit = misfits_.find(index);
    return misfit != misfits_.end() ? misfit->second : number(name);
}

void InvoiceAmounts::recomputeTotal() {
    store("ORD:TOTAL", current("ORD:TAX") + number("ORD:SHIPPING") + current("ORD:SUBTOTAL"));
}

void InvoiceAmounts::recomputeBalance() {
    const rt::Decimal paid = PaidAmount(ORD::PAID.text());
    if (!rt::clip(ORD::PAID.text()).empty()) ORD::PAID.setText(rt::numberToText(paid));
    const rt::Decimal due = current("ORD:TAX") + number("ORD:SHIPPING") + current("ORD:SUBTOTAL");
    ORD::BALANCE.setText(rt::numberToText(due - paid));
}

std::string InvoiceAmounts::misfitMessage() const {
    std::string text;
    for (const auto& [index, value] : misfits_) {
        const std::string& field = ORDERS.decl().fields().at(index).name;
        const rt::FieldDecl& f = declOf(field);
        const int integerDigits = f.digits - f.places;
        std::string largest(integerDigits, '9');
        largest += "." + std::string(f.places, '9');
        if (!text.empty()) text += "\n";
        text += shownName(field) + " " + value.toString() + " is more than " + largest +
                ", the most it can hold.";
    }
    return text;
}

rt::Decimal PaidAmount(std::string_view text) {
    std::string plain;
    for (char c : text)
        if (c != ',') plain += c;
    return rt::textToNumber(plain);
}
