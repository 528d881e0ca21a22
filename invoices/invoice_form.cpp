// UpdateInvoice: the invoice form. A new invoice is numbered as the form opens and added on
// OK; the amounts are worked out as the user reaches them and once more, line by line, on OK.
#include <optional>
#include <string>
#include <vector>

#include "frame/calculator.h"
#include "frame/calculator_keys.h"
#include "frame/form_engine.h"
#include "frame/globals.h"
#include "frame/procedure_registry.h"
#include "invoices/invoice_amounts.h"
#include "invoices/invoice_form_window.h"
#include "invoices/invoice_procedures.h"
#include "invoices/settled_record.h"
#include "records/inventor.h"
#include "records/mail.h"
#include "records/orders.h"
#include "runtime/text/day_number.h"
#include "runtime/ui/dialogs.h"

namespace {

using namespace windows::invoice_form;
using namespace InvoiceFormControl;

void (*const kSelectors[8])() = {&LookUp1, &LookUp2, &LookUp3, &LookUp4,
                                 &LookUp5, &LookUp6, &LookUp7, &LookUp8};

// The chosen item into line n: number, description and price; the quantity and the line
// total stay until the line is worked out again.
void takeItem(int line) {
    const std::string n = std::to_string(line);
    rt::RecordBuffer& order = ORDERS.buf();
    order.setText("ORD:ITEMNO" + n, INV::ITEM.text());
    order.setText("ORD:DISC" + n, INV::DISC.text());
    order.setNumber("ORD:P" + n, INV::PRICE.number());
}

// The chosen contact becomes the invoice's client.
void takeClient() {
    ORD::FIRSTNAME.setText(MAI::FIRSTNAME.text());
    ORD::LASTNAME.setText(MAI::LASTNAME.text());
    ORD::COMPANY.setText(MAI::COMPANYNAME.text());
    ORD::ADDRESS.setText(MAI::ADDRESS.text());
    ORD::CITY.setText(MAI::CITY.text());
    ORD::STATE.setText(MAI::STATE.text());
    ORD::ZIP.setText(MAI::ZIP.text().substr(0, 5));
    ORD::CARDNUMBER.setText(MAI::X10.text());
}

void selectClient() {
    if (ProcedureEntry clients = FindProcedure("SelectClient")) clients();
}

class InvoiceForm : public FormProcedure {
  public:
    InvoiceForm() : FormProcedure(invoiceFormWindow(), sheet(), {&INVENTOR, &MAIL}) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &ORDERS;
        s.displayName = "ORDERS";
        s.insertPath = InsertPath::AutoNumbered;
        s.numberKey = ORD::KEYINVOICENUMBER;
        s.numberField = ORD::INVOICENUMBER.index();
        s.conflictFlag = 0;
        s.closeQuestion = CloseQuestion::SaveChanges;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.firstField = Company;
        s.duplicateKeyTexts = {{ORD::KEYINVOICENUMBER, "ORD:KeyInvoiceNumber"}};
        // A selector or the client list closed without a choice changes nothing.
        for (int line = 1; line <= 8; ++line) {
            FormLookup item;
            item.control = lookupButton(line);
            item.selectList = kSelectors[line - 1];
            item.take = [line] { takeItem(line); };
            s.lookups.push_back(item);
        }
        FormLookup client;
        client.control = SelectClient;
        client.selectList = &selectClient;
        client.take = &takeClient;
        s.lookups.push_back(client);
        return s;
    }

  protected:
    void primeRecord() override {
        ORD::TAXABLE.setText("N");
        ORD::ORDERDATE.setInteger(rt::today());
    }

    void setUpWindow() override {
        FormProcedure::setUpWindow();
        if (!FindProcedure("SelectClient")) window().setProp(SelectClient, PROP::Disable, 1);
        settled_.take();
    }

    bool takeEvent() override {
        // Amounts that do not fit their fields are refused before anything is written.
        if (window().event() == EVENT::Completed && !amounts_.misfits().empty()) {
            rt::message(amounts_.misfitMessage(), "Amount Too Large", ICON::Exclamation);
            window().select(focusOfMisfit());
            return true;
        }
        return FormProcedure::takeEvent();
    }

    bool takeOwnEvent() override {
        const int event = window().event();
        const int control = window().field();
        if (event != EVENT::Selected && event != EVENT::Accepted) return false;
        if (event == EVENT::Accepted && control == ShippingCalculator) {
            shippingCalculator();
        } else if (event == EVENT::Accepted && control == Memo) {
            Call(&UpdateInvoiceMemo);
        } else if (movesAmounts(control, event)) {
            // Every figure follows a change of any amount, of the tax choice or of a line.
            amounts_.recomputeAll(GLO::SalesTaxRate);
            if (event == EVENT::Accepted && refuseTooLarge(control)) return true;
            if (amounts_.misfits().empty()) settled_.take();
            window().display();
        }
        return false;
    }

  private:
    // The fields a control changes: its own, or the item a line's lookup button took.
    std::vector<int> fieldsOf(int control) {
        for (int line = 1; line <= 8; ++line)
            if (control == lookupButton(line)) {
                const std::string n = std::to_string(line);
                return {ORDERS.buf().field("ORD:ITEMNO" + n), ORDERS.buf().field("ORD:DISC" + n),
                        ORDERS.buf().field("ORD:P" + n)};
            }
        const rt::ControlState* c = window().control(control);
        if (!c || c->structure.use.empty()) return {};
        const int field = ORDERS.decl().fieldIndex(c->structure.use);
        return field < 0 ? std::vector<int>{} : std::vector<int>{field};
    }

    // An entry that makes an amount too large for its field is refused as it is made, so
    // that the figures shown always agree: the control's fields go back to what they held
    // when every amount fitted, and the message names what would not fit. An amount that
    // was too large before (a record stored that way) does not refuse the entries that
    // cannot mend it; OK refuses it.
    bool refuseTooLarge(int control) {
        if (amounts_.misfits().empty() || settled_.empty()) return false;
        const std::vector<int> fields = fieldsOf(control);
        if (fields.empty()) return false;
        const std::string why = amounts_.misfitMessage();
        const std::string typed = settled_.putBack(fields);
        amounts_.recomputeAll(GLO::SalesTaxRate);
        if (!amounts_.misfits().empty()) {
            SettledRecord::restore(fields, typed);
            amounts_.recomputeAll(GLO::SalesTaxRate);
            return false;
        }
        window().display();
        rt::message(why, "Amount Too Large", ICON::Exclamation);
        window().select(control);
        return true;
    }

    static bool movesAmounts(int control, int event) {
        for (int line = 1; line <= 8; ++line) {
            if (control == quantityEntry(line) || control == priceEntry(line) ||
                control == lineTotalEntry(line))
                return true;
            if (event == EVENT::Accepted && control == lookupButton(line)) return true;
        }
        return control == Taxable || control == SubTotal || control == Tax || control == Shipping ||
               control == Total || control == Paid;
    }

    // The calculator opens blank at 0. Its result is taken from the display as an exact
    // decimal and rounded half away from zero to cents; closed blank, it leaves the shipping
    // as it was, and so does a result the shipping cannot hold (or no number at all).
    void shippingCalculator() {
        const std::string shown = ShowCalculatorDisplay("Shipping Calculator", 0, 0, 1);
        if (rt::clip(shown).empty()) return;
        if (!CalculatorShowsNumber(shown)) {
            rt::message("The calculator shows no number to take as the shipping amount.",
                        "Entry Refused", ICON::Exclamation);
            return;
        }
        std::optional<rt::Decimal> amount = CalculatorDecimal(shown);
        if (amount) amount = amount->fitTo(5, 2);
        if (!amount || !ORD::SHIPPING.setNumber(*amount)) {
            rt::message("The shipping amount can be at most 999.99.", "Amount Too Large",
                        ICON::Exclamation);
        }
        amounts_.recomputeAll(GLO::SalesTaxRate);
        window().display();
    }

    int focusOfMisfit() const {
        const std::string& field =
            ORDERS.decl().fields().at(amounts_.misfits().begin()->first).name;
        for (int line = 1; line <= 8; ++line)
            if (field == "ORD:T" + std::to_string(line)) return quantityEntry(line);
        if (field == "ORD:TAX") return Tax;
        if (field == "ORD:TOTAL") return Total;
        return SubTotal;
    }

    InvoiceAmounts amounts_;
    SettledRecord settled_;
};

}  // namespace

void UpdateInvoice() {
    InvoiceForm().run();
}
