// BrowseInvoices: "Browse Invoice Records".
#include "invoices/invoice_list.h"

#include "frame/tagging.h"
#include "invoices/invoice_list_window.h"
#include "invoices/invoice_procedures.h"
#include "records/orders.h"
#include "runtime/text/number_text.h"
#include "runtime/ui/codes.h"

namespace {

using namespace windows::invoice_list;
using namespace InvoiceListControl;

BrowseOrder entryOrder(int key, int entry) {
    BrowseOrder o = BrowseOrder::keyed(key, LocatorKind::Entry);
    o.entryControl = entry;
    return o;
}

}  // namespace

InvoiceList::InvoiceList() : BrowseProcedure(invoiceListWindow(), sheet()) {
    OnButton(CompanyNames, [this] { Call(&BrowseCompanies); });
    OnButton(InventoryFile, [this] { Call(&InventoryFileBrowse); });
    OnButton(PrintTaggedInvoice, [this] { report(&PrintTaggedInvoices, REQ::Select); });
    OnButton(PrintUnprinted, [this] { report(&PrintUnprintedInvoices); });
    OnButton(PrintTaggedReport, [this] { report(&PrintInvoiceReport); });
    OnButton(PrintShippingLabels, [this] { report(&PrintInvoiceShippingLabels); });
}

BrowseSheet InvoiceList::sheet() {
    BrowseSheet s;
    s.file = &ORDERS;
    s.displayName = "ORDERS";
    s.list = List;
    s.tabs = Sheet;
    s.orders = {entryOrder(ORD::KEYFIRSTNAME, FirstName),
                entryOrder(ORD::KEYLASTNAME, LastName),
                entryOrder(ORD::KEYCOMPANY, Company),
                entryOrder(ORD::KEYORDERDATE, OrderDate),
                BrowseOrder::keyed(ORD::KEYFIRSTNAME, LocatorKind::Step, StopKind::None,
                                   "(Ord:Printed = ' ')"),
                BrowseOrder::keyed(ORD::KEYFIRSTNAME, LocatorKind::Incremental, StopKind::None,
                                   "(Ord:Balance > 0)")};
    s.buttons.insert = Add;
    s.buttons.change = Open;
    s.buttons.remove = Delete;
    s.buttons.close = Close;
    s.rowControls = {Open, Delete, TagAll, UntagAll, NextTag, Tag, Untag, PreviousTag};
    s.updateForm = [] { UpdateInvoice(); };
    s.popupText = "Add|&Open|&Delete";
    s.popupTextEmpty = "Add|~&Open|~&Delete";
    s.popupButtons = {Add, Open, Delete};
    s.tagging.table = TAG::Invoices;
    s.tagging.valueField = ORD::FIRSTNAME.index();
    s.tagging.iconColumn = true;
    s.tagging.tag = Tag;
    s.tagging.untag = Untag;
    s.tagging.tagAll = TagAll;
    s.tagging.untagAll = UntagAll;
    s.tagging.nextTagged = NextTag;
    s.tagging.previousTagged = PreviousTag;
    s.tagging.showTagged = ShowTagged;
    s.tagging.showAllText = "Sho&w All";
    s.tagging.showTaggedText = "Sho&w Tagged";
    s.tagging.noMoreTaggedIcon = ICON::Asterisk;  // the information icon
    return s;
}

void InvoiceList::setUpWindow() {
    // The tags of the last opening are gone: the reports work on what is tagged now.
    NewTag_(TAG::Invoices);
    BrowseProcedure::setUpWindow();
    window().setListIcon(List, 1, "~Check.ico");
}

void InvoiceList::extraColumns(std::vector<rt::Value>& row) {
    row.emplace_back(ORD::FIRSTNAME.text());
    row.emplace_back(ORD::LASTNAME.text());
    row.emplace_back(ORD::COMPANY.text());
    row.emplace_back(rt::Decimal(ORD::ORDERDATE.integer()));
    row.emplace_back(rt::textToNumber(ORD::BALANCE.text()));
}

void InvoiceList::report(void (*print)(), std::optional<long> request) {
    Call(print, request, Redisplay::No);
    LOC.RefreshPending = 1;
}

void BrowseInvoices() {
    InvoiceList().run();
}
