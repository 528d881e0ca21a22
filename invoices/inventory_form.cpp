// UpdateINVENTOR: adds, changes or deletes one inventory item.
#include "frame/form_engine.h"
#include "invoices/inventory_form_window.h"
#include "invoices/invoice_procedures.h"
#include "records/inventor.h"

namespace {

using namespace windows::inventory_form;

class InventoryForm : public FormProcedure {
  public:
    InventoryForm() : FormProcedure(inventoryFormWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &INVENTOR;
        s.displayName = "INVENTOR";
        s.caption = CaptionStyle::WindowTitle;
        s.conflictFlag = 0;
        s.okButton = InventoryFormControl::Ok;
        s.cancelButton = InventoryFormControl::Cancel;
        s.firstField = InventoryFormControl::Item;
        s.duplicateKeyTexts = {{INV::KEYITEM, "INV:KEYITEM"}};
        return s;
    }
};

}  // namespace

void UpdateINVENTOR() {
    InventoryForm().run();
}
