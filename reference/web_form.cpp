// "Web Addresses" (UpdateWeb): adds, changes or deletes one web bookmark.
#include "frame/form_engine.h"
#include "records/web.h"
#include "reference/reference_procedures.h"
#include "reference/web_form_window.h"

namespace {

namespace C = windows::web_form::WebFormControl;

FieldHistory& webHistory() {
    static FieldHistory history;
    return history;
}

class WebForm : public FormProcedure {
  public:
    WebForm() : FormProcedure(windows::web_form::webFormWindow(), sheet()) {}

    static FormSheet sheet() {
        FormSheet s;
        s.file = &WEB;
        s.displayName = "Web";
        s.caption = CaptionStyle::WindowTitle;
        s.conflictFlag = 1;
        s.okButton = C::Ok;
        s.cancelButton = C::Cancel;
        s.firstField = C::SiteName;
        s.history = &webHistory();
        s.dittoControls = {C::SiteName, C::Category, C::Url};
        s.resizable = true;
        return s;
    }

  protected:
    void primeRecord() override {
        WEB::URL.setText("http://www.");
        WEB::GENERAL.setText("General");
    }
};

}  // namespace

void UpdateWeb() {
    WebForm().run();
}
