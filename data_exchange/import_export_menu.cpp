// The import and export menu (ImportExportMenu): one button per import and export window and
// the help list. It opens no record file and always answers RESP::Cancelled.
#include "data_exchange/data_exchange_procedures.h"
#include "data_exchange/import_export_menu_window.h"
#include "frame/procedure.h"
#include "frame/procedure_registry.h"

namespace {

namespace C = windows::import_export_menu::ImportExportMenuControl;

class ImportExportMenuWindow : public Procedure {
  public:
    ImportExportMenuWindow()
        : Procedure(windows::import_export_menu::importExportMenuWindow(), {}) {}

  protected:
    int firstControl() const override { return C::ImportClients; }

    bool takeEvent() override {
        switch (window().accepted()) {
            case C::ImportClients:
                Call(&ImportMAIL);
                break;
            case C::ExportClients:
                Call(&ExportMAIL);
                break;
            case C::ImportChecks:
                Call(&ImportCHECKS);
                break;
            case C::ExportChecks:
                Call(&ExportCHECKS);
                break;
            case C::Help:
                if (ProcedureEntry help = FindProcedure("HelpBrowse")) Call(help);
                break;
            case C::Close:
                PostCloseWindow();
                break;
            default:
                break;
        }
        return false;
    }
    void finishing() override { LOC.Response = RESP::Cancelled; }
};

}  // namespace

void ImportExportMenu() {
    ImportExportMenuWindow().run();
}
