// The "What Else Do I Need?" text of the product record: UpdateWhatElseNeeded edits it in the
// buffer for the product form, which saves it; ShowWhatElseNeeded shows the product record's
// text and writes nothing.
#include "frame/procedure.h"
#include "information/information_procedures.h"
#include "information/what_else_needed_window.h"
#include "records/plf.h"

namespace {

namespace C = windows::what_else_needed::WhatElseControl;

class EditWhatElse : public Procedure {
  public:
    EditWhatElse() : Procedure(windows::what_else_needed::editWhatElseWindow(), {&PLF}) {}

  protected:
    int firstControl() const override { return C::Text; }
    void setUpWindow() override { window().addAlertKey(C::Text, KEY::CtrlQuote); }
    bool takeEvent() override {
        if (window().event() == EVENT::AlertKey) SyncWindow();
        if (window().accepted() == C::AddInformation) PostCloseWindow();
        return false;
    }
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

class ShowWhatElse : public Procedure {
  public:
    ShowWhatElse() : Procedure(windows::what_else_needed::showWhatElseWindow(), {&PLF}) {}

  protected:
    // The product record is the first in record order, whatever record the buffer held.
    void setUpRecords() override {
        PLF.set();
        if (PLF.next() != 0) PLF.clear();
    }
    int firstControl() const override { return C::ShowClose; }
    bool takeEvent() override {
        if (window().accepted() == C::ShowClose) PostCloseWindow();
        return false;
    }
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void UpdateWhatElseNeeded() {
    EditWhatElse().run();
}

void ShowWhatElseNeeded() {
    ShowWhatElse().run();
}
