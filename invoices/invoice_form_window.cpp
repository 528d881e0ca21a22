#include "invoices/invoice_form_window.h"

#include <string>

#include "runtime/ui/structure_builder.h"

namespace windows::invoice_form {

namespace {

using namespace InvoiceFormControl;

rt::ControlStructure& dropList(StructureBuilder& b, int number, rt::Rect at, const char* use,
                               const char* items) {
    rt::ControlStructure& c = b.add(number, rt::ControlKind::DropList, at);
    c.use = use;
    c.from = items;
    return c;
}

rt::ControlStructure& amount(StructureBuilder& b, int number, rt::Rect at, std::string use,
                             const char* picture) {
    rt::ControlStructure& c = b.entry(number, at, std::move(use), picture);
    c.align = rt::Align::Decimal;
    return c;
}

void header(StructureBuilder& b) {
    // The header's frame and background come first, so that they stay behind its controls.
    b.add(3, rt::ControlKind::Group, {4, 3, 421, 76});
    b.add(4, rt::ControlKind::Panel, {5, 4, 419, 74}).background = 0xFFFFE0;
    b.entry(Company, {80, 9, 124, 10}, "ORD:COMPANY", "@s30");
    b.prompt(5, {10, 10, 66, 10}, "Company:");
    b.prompt(6, {10, 24, 66, 10}, "First, Last Name:");
    b.entry(FirstName, {80, 23, 64, 10}, "ORD:FIRSTNAME", "@s15");
    b.entry(LastName, {148, 23, 64, 10}, "ORD:LASTNAME", "@s15");
    b.prompt(9, {10, 38, 66, 10}, "Address:");
    b.entry(Address, {80, 37, 124, 10}, "ORD:ADDRESS", "@s30");
    b.prompt(11, {10, 52, 66, 10}, "City, State, Zip:");
    b.entry(City, {80, 51, 64, 10}, "ORD:CITY", "@s15");
    b.entry(State, {148, 51, 16, 10}, "ORD:STATE", "@s2");
    b.entry(Zip, {168, 51, 30, 10}, "ORD:ZIP", "@s5");
    b.entry(InvoiceNumber, {80, 65, 56, 10}, "ORD:INVOICENUMBER", "@n-14").align = rt::Align::Right;
    b.prompt(16, {10, 66, 66, 10}, "InvoiceNumber:");
    b.entry(OrderDate, {140, 65, 50, 10}, "ORD:ORDERDATE", "@D1").align = rt::Align::Right;
    b.add(18, rt::ControlKind::String, {222, 10, 62, 10}, "Taxable:").transparent = true;
    dropList(b, Taxable, {288, 9, 30, 10}, "ORD:TAXABLE", "N|Y");
    b.add(20, rt::ControlKind::String, {222, 24, 62, 10}, "Shipping Type:").transparent = true;
    dropList(b, ShippingType, {288, 23, 64, 10}, "ORD:SHIPPINGTYPE",
             "Mail|UPS|FedEx|RPS|Emory|AirBorne|E-Mail|Internet|Other");
    b.add(22, rt::ControlKind::String, {222, 38, 62, 10}, "Shipping Speed:").transparent = true;
    dropList(b, Speed, {288, 37, 64, 10}, "ORD:SPEED",
             "Ground|Next Day|Second Day|Priority|Third Day|Same Day|First Class|Company|Other");
    b.add(24, rt::ControlKind::String, {222, 52, 62, 10}, "Payment Type:").transparent = true;
    dropList(b, PaymentType, {288, 51, 72, 10}, "ORD:PAYMENTTYPE",
             "Check|Check By Fax|Cash|Money Order|Cashier's|Visa|Master|AMX|Discover|Diners|Other");
    b.prompt(26, {222, 66, 62, 10}, "CardNumber:");
    b.entry(CardNumber, {288, 65, 124, 10}, "ORD:CARDNUMBER", "@s30");
}

void items(StructureBuilder& b) {
    b.add(28, rt::ControlKind::Panel, {5, 84, 288, 122}).background = 0xFFFFE0;
    b.add(29, rt::ControlKind::Group, {4, 83, 290, 124});
    const struct {
        int x;
        const char* text;
    } heads[] = {{22, "Item No."},
                 {236, "Total"},
                 {182, "Item Price"},
                 {150, "Quantity"},
                 {66, "Description"}};
    // Each heading as wide as the column under it reaches (the quantity's is narrow).
    for (int i = 0; i < 5; ++i)
        b.add(30 + i, rt::ControlKind::String, {heads[i].x, 88, heads[i].x == 150 ? 30 : 44, 10},
              heads[i].text)
            .transparent = true;
    for (int line = 1; line <= 8; ++line) {
        const int y = 100 + 13 * (line - 1);
        const std::string n = std::to_string(line);
        rt::ControlStructure& lookup = b.button(lookupButton(line), {8, y, 12, 11}, {});
        lookup.icon = "Order.ico";
        lookup.tip = "Choose the item of line " + n;
        b.entry(itemNumberEntry(line), {22, y, 40, 11}, "ORD:ITEMNO" + n, "@s8");
        b.entry(itemNumberEntry(line) + 1, {64, y, 84, 11}, "ORD:DISC" + n, "@s20");
        b.entry(quantityEntry(line), {150, y, 28, 11}, "ORD:Q" + n, "@n3").align = rt::Align::Right;
        amount(b, priceEntry(line), {180, y, 52, 11}, "ORD:P" + n, "@n-10.2");
        amount(b, lineTotalEntry(line), {234, y, 54, 11}, "ORD:T" + n, "@n-10.2");
    }
}

void totals(StructureBuilder& b) {
    b.add(83, rt::ControlKind::Group, {298, 83, 127, 124}, "Totals");
    const struct {
        int prompt;
        const char* text;
        const char* use;
        const char* picture;
    } rows[] = {
        {84, "SubTotal:", "ORD:SUBTOTAL", "@n-10.2"}, {86, "Tax:", "ORD:TAX", "@n-7.2"},
        {88, "Shipping:", "ORD:SHIPPING", "@n-7.2"},  {91, "Total:", "ORD:TOTAL", "@n-10.2"},
        {93, "Paid:", "ORD:PAID", "@n-10.2"},         {95, "Balance:", "ORD:BALANCE", "@n-13.2"}};
    int y = 96;
    for (const auto& row : rows) {
        b.prompt(row.prompt, {304, y + 1, 40, 10}, row.text);
        amount(b, row.prompt + 1, {346, y, 56, 11}, row.use, row.picture);
        if (row.prompt == 88) {
            rt::ControlStructure& calc = b.button(ShippingCalculator, {405, y - 1, 16, 13}, {});
            calc.icon = "Tincalc.ico";
            calc.tip = "Press Here For Help With Shipping Amount";
        }
        y += 17;
    }
}

}  // namespace

int lineOfPriceEntry(int control) {
    for (int line = 1; line <= 8; ++line)
        if (control == priceEntry(line)) return line;
    return 0;
}

const rt::WindowStructure& invoiceFormWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w;
        w.module = "Tovik047";
        w.label = "P1$FORMWINDOW";
        w.at = {0, 0, 429, 232};
        w.centered = true;
        w.font = {"Arial", 8};
        w.wallpaper = {"Tile_35.bmp", true, false};
        StructureBuilder b(w);
        b.add(1, rt::ControlKind::Box, {1, 1, 427, 230});
        header(b);
        items(b);
        totals(b);
        b.button(Cancel, {372, 213, 48, 14}, "Cancel");
        b.add(98, rt::ControlKind::Box, {4, 210, 421, 20});
        b.button(Ok, {320, 213, 48, 14}, "OK").isDefault = true;
        b.button(Memo, {10, 213, 48, 14}, "MEMO");
        b.button(SelectClient, {64, 213, 110, 14}, "Select Client For Invoice");
        return w;
    }();
    return structure;
}

}  // namespace windows::invoice_form
