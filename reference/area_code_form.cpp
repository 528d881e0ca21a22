// "Update the AreaCode File" (UpdateAreaCode): adds, changes or deletes one area-code record.
#include "frame/form_engine.h"
#include "records/areacode.h"
#include "reference/area_code_form_window.h"
#include "reference/reference_procedures.h"

namespace {

using namespace windows;

class AreaForm : public FormProcedure {
  public:
    AreaForm() : FormProcedure(area_code_form::areaFormWindow(), sheet()) {}

    static FormSheet sheet() {
        using namespace area_code_form::AreaFormControl;
        FormSheet s;
        s.file = &AREACODE;
        s.displayName = "AreaCode";
        s.caption = CaptionStyle::WindowTitle;
        s.conflictFlag = 0;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.firstField = AreaCode;
        s.resizable = true;
        return s;
    }
};

}  // namespace

void UpdateAreaCode() {
    AreaForm().run();
}
