#pragma once
// The invoice's amounts, worked out in the ORDERS buffer: line totals, subtotal, tax, total
// and balance. Arithmetic is exact; a result is rounded half away from zero only when it is
// stored. A result that does not fit its field is not stored (nothing is cut or wrapped):
// it is noted in the misfits: the form refuses the entry that made it, or OK reports it.

#include <map>
#include <string>

#include "runtime/text/decimal.h"

class InvoiceAmounts {
  public:
    // Line n (1 to 8): Tn = Qn x Pn, the subtotal, the tax when the invoice is taxable (at
    // `rate`, kept with all its places) and the total.
    void recomputeLine(int line, const rt::Decimal& rate);
    // Every line, the subtotal, tax, total and balance: after any change that moves them.
    void recomputeAll(const rt::Decimal& rate);
    // Total = subtotal + tax + shipping.
    void recomputeTotal();
    // Balance = subtotal + tax + shipping - paid, as plain number text; a paid amount that
    // is not blank is rewritten as plain number text too.
    void recomputeBalance();

    // Amounts that did not fit their fields at their last computation, by field index (in
    // the record's order), with the value that did not fit.
    const std::map<int, rt::Decimal>& misfits() const { return misfits_; }
    // The message that refuses them, one line each; empty when every amount fits.
    std::string misfitMessage() const;

  private:
    // The subtotal of the lines, the tax (from the rate when taxable, else as the field
    // holds it) and the total.
    void recomputeSums(const rt::Decimal& rate);
    // An amount's value: the one that did not fit, or what the field holds.
    rt::Decimal current(const std::string& name) const;
    // Stores `value` into the DECIMAL field `name` or notes that it does not fit.
    bool store(const std::string& name, const rt::Decimal& value);

    std::map<int, rt::Decimal> misfits_;
};

// The number a paid-amount text holds: leading blanks, an optional minus, digits and a
// fraction; grouping commas are read past; an empty text is 0.
rt::Decimal PaidAmount(std::string_view text);
