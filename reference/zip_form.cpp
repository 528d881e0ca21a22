// "Update the Zip File" (UpdateZip): adds, changes or deletes one zip record.
#include "frame/form_engine.h"
#include "records/zip.h"
#include "reference/reference_procedures.h"
#include "reference/zip_form_window.h"

namespace {

using namespace windows;

FieldHistory& zipHistory() {
    static FieldHistory history;
    return history;
}

class ZipForm : public FormProcedure {
  public:
    ZipForm() : FormProcedure(zip_form::zipFormWindow(), sheet()) {}

    static FormSheet sheet() {
        using namespace zip_form::ZipFormControl;
        FormSheet s;
        s.file = &ZIP;
        s.displayName = "Zip";
        s.caption = CaptionStyle::WindowTitle;
        s.conflictFlag = 1;
        s.okButton = Ok;
        s.cancelButton = Cancel;
        s.firstField = City;
        s.history = &zipHistory();
        s.dittoControls = {City, State, Zip};
        s.resizable = true;
        return s;
    }
};

}  // namespace

void UpdateZip() {
    ZipForm().run();
}
