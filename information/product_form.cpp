// The product record's form (UpdatePLF): the product name, and the "What Else Do I Need?"
// text edited in its own window; SAVE writes both, Cancel neither.
#include "frame/form_engine.h"
#include "information/information_procedures.h"
#include "information/product_form_window.h"
#include "records/plf.h"

namespace {

namespace C = windows::product_form::ProductFormControl;

FieldHistory& productHistory() {
    static FieldHistory history;
    return history;
}

class ProductForm : public FormProcedure {
  public:
    ProductForm() : FormProcedure(windows::product_form::productFormWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &PLF;
        s.displayName = "PLF";
        s.caption = CaptionStyle::WindowTitle;
        s.okButton = C::Save;
        s.cancelButton = C::Cancel;
        s.firstField = C::Name;
        s.history = &productHistory();
        s.dittoControls = {C::Name};
        s.resizable = true;
        return s;
    }

  protected:
    bool takeOwnEvent() override {
        if (window().accepted() != C::WhatElse) return false;
        Call(&UpdateWhatElseNeeded);
        return true;
    }
};

}  // namespace

void UpdatePLF() {
    ProductForm().run();
}
