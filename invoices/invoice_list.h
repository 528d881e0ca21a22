#pragma once
// "Browse Invoice Records" (BrowseInvoices): the invoices in six orders (two of them
// filtered), tagged in TAG::Invoices for the invoice reports. Every opening starts with no
// invoice tagged.

#include <optional>
#include <vector>

#include "frame/browse_engine.h"

class InvoiceList : public BrowseProcedure {
  public:
    InvoiceList();
    static BrowseSheet sheet();

  protected:
    void setUpWindow() override;
    // Row: the tag mark and its icon, then first name, last name, company, order date and
    // the balance text as a number.
    void extraColumns(std::vector<rt::Value>& row) override;
    void finishing() override { LOC.Response = RESP::Cancelled; }

  private:
    // A report may mark invoices printed: the page is read again afterwards.
    void report(void (*print)(), std::optional<long> request = std::nullopt);
};
