#include "shell/main_menu.h"

#include <string_view>

#include "frame/globals.h"
#include "frame/procedure.h"
#include "frame/procedure_registry.h"
#include "frame/start_program.h"
#include "records/config.h"
#include "records/plf.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/program.h"
#include "shell/main_menu_window.h"
#include "shell/program_main.h"

namespace {

namespace C = windows::main_menu::MenuControl;

struct BackgroundRow {
    int control;
    std::optional<MenuBackground> onSelected;
    std::optional<MenuBackground> afterCall;
};

const BackgroundRow kBackgrounds[] = {
    {C::BlankChecks, MenuBackground{"image10.gif", false, 1}, std::nullopt},
    {C::Appointments, MenuBackground{"image9.gif", false, 1},
     MenuBackground{"Image4.gif", false, 1}},
    {C::Contacts, MenuBackground{"image5.gif", false, 1}, std::nullopt},
    {C::MonthlyDrafts, MenuBackground{"image10.gif", false, 1}, std::nullopt},
    {C::CheckRegister, MenuBackground{"image10.gif", false, 1}, std::nullopt},
    {C::ChecksToPrint, MenuBackground{"image10.gif", false, 1}, std::nullopt},
    {C::Invoices, MenuBackground{"image3.gif", false, 1}, MenuBackground{"image2.gif", true, 0}},
    {C::BusinessCards, std::nullopt, MenuBackground{"image1.gif", true, 0}},
    {C::AreaCodes, MenuBackground{"image12.gif", true, 0}, MenuBackground{"image2.gif", true, 0}},
    {C::ZipCodes, MenuBackground{"image11.gif", true, 0}, MenuBackground{"Image4.gif", false, 1}},
    {C::Names, MenuBackground{"image7.gif", false, 1}, std::nullopt},
    {C::WebBookmarks, MenuBackground{"image6.gif", false, 1},
     MenuBackground{"image7.gif", false, 1}},
};

const BackgroundRow* backgroundRow(int control) {
    for (const BackgroundRow& row : kBackgrounds)
        if (row.control == control) return &row;
    return nullptr;
}

// What each button and item calls: procedures by name (in order), or an external program.
struct Action {
    int control;
    std::initializer_list<std::string_view> procedures;
    std::optional<long> request;
    const char* program;
};

const Action kActions[] = {
    {C::InformationItem, {"Information"}, std::nullopt, nullptr},
    {C::Names, {"BrowseMAIL"}, std::nullopt, nullptr},
    {C::Contacts, {"BrowseContacts"}, std::nullopt, nullptr},
    {C::Appointments, {"BrowseAppointments"}, std::nullopt, nullptr},
    {C::Invoices, {"SelectInvoiceCompany"}, REQ::Select, nullptr},
    {C::ChecksToPrint, {"PostChecksToPrint"}, std::nullopt, nullptr},
    {C::CheckRegister, {"BrowseCheckRegister"}, std::nullopt, nullptr},
    {C::MonthlyDrafts, {"BrowseMonthlyDrafts"}, std::nullopt, nullptr},
    {C::BlankChecks, {"ClearBlankCheckNumbers", "BrowseBlankChecks"}, std::nullopt, nullptr},
    {C::ZipCodes, {"ZipCode"}, std::nullopt, nullptr},
    {C::AreaCodes, {"AreaCodes"}, std::nullopt, nullptr},
    {C::ImportExport, {"ImportExportMenu"}, std::nullopt, nullptr},
    {C::Calculator, {}, std::nullopt, "calc.exe "},
    {C::FileManager, {}, std::nullopt, "winfile.exe "},
    {C::BusinessCards, {"BrowsePrintBusinessCards"}, std::nullopt, nullptr},
    {C::WordProcessor, {}, std::nullopt, "write.exe "},
    {C::Help, {"HelpBrowse"}, std::nullopt, nullptr},
    {C::NoticeRegion, {"Information"}, std::nullopt, nullptr},
    {C::WebBookmarks, {"WebBookMarks"}, std::nullopt, nullptr},
};

bool allRegistered(const Action& action) {
    for (std::string_view name : action.procedures)
        if (!FindProcedure(name)) return false;
    return true;
}

void readFirstProduct() {
    if (PLF.set() == 0) PLF.next();
}

class MainMenuProcedure : public Procedure {
  public:
    MainMenuProcedure() : Procedure(windows::main_menu::menuWindow(), {&CONFIG, &PLF}) {}

  protected:
    void setUpRecords() override { readFirstProduct(); }
    void setUpWindow() override {
        rt::setProgramIcon("~PC04.ICO");  // the window keeps its own icon
        showBackground(OpeningBackground());
        // A button whose procedure is not part of the program stays, disabled.
        for (const Action& action : kActions)
            if (!allRegistered(action)) window().setProp(action.control, PROP::Disable, 1);
    }
    int firstControl() const override { return C::NoticeRegion; }

    bool takeEvent() override {
        rt::Window& w = window();
        if (w.field() == C::ProductName) readFirstProduct();
        switch (w.event()) {
            case EVENT::AlertKey:
                if (w.field() == 0 && rt::keyCode() == KEY::AltShiftInsert)
                    callByName({"PrivateLabelMenu"}, std::nullopt, Redisplay::No);
                return false;
            case EVENT::Selected:
                if (const BackgroundRow* row = backgroundRow(w.field()); row && row->onSelected)
                    showBackground(*row->onSelected);
                return false;
            case EVENT::Accepted:
                accepted(w.field());
                return false;
            default:
                return false;
        }
    }

  private:
    void accepted(int control) {
        if (control == C::ExitButton) {
            PostCloseWindow();
            return;
        }
        for (const Action& action : kActions) {
            if (action.control != control) continue;
            if (action.program) {
                // Started and not waited for; one that cannot start is reported.
                StartDesktopProgram(action.program);
                LOC.RefreshPending = 1;
                SyncWindow();
                return;
            }
            if (control == C::Help) GLO::HelpTopic = "Print The Manual";
            callByName(action.procedures, action.request,
                       control == C::NoticeRegion ? Redisplay::No : Redisplay::Yes);
            if (const BackgroundRow* row = backgroundRow(control); row && row->afterCall)
                showBackground(*row->afterCall);
            return;
        }
    }

    void callByName(std::initializer_list<std::string_view> names, std::optional<long> request,
                    Redisplay redisplay) {
        for (std::string_view name : names) {
            ProcedureEntry procedure = FindProcedure(name);
            if (!procedure) return;
            Call(procedure, request, redisplay);
        }
    }

    void showBackground(const MenuBackground& b) {
        rt::Window& w = window();
        w.setProp(0, PROP::Wallpaper, b.picture);
        w.setProp(0, PROP::Centered, 0);
        w.setProp(0, PROP::Tiled, b.tiled ? 1 : 0);
        w.setProp(0, PROP::WallpaperUntiled, b.untiledProperty);
    }
};

}  // namespace

std::optional<MenuBackground> BackgroundOnSelected(int control) {
    const BackgroundRow* row = backgroundRow(control);
    return row ? row->onSelected : std::nullopt;
}

std::optional<MenuBackground> BackgroundAfterCall(int control) {
    const BackgroundRow* row = backgroundRow(control);
    return row ? row->afterCall : std::nullopt;
}

MenuBackground OpeningBackground() {
    return {"image1.gif", true, 0};
}

void MainMenu() {
    MainMenuProcedure().run();
}
