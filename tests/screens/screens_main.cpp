// tovik-screens FOLDER: a picture of every window of the program, in real widgets on the
// offscreen platform, saved in FOLDER as one PNG per window and title it shows, named by that
// title. The windows are reached as a user reaches them (the scenarios beside this file and the
// feature scenarios of tests/scenarios), filled from the small sample data sets the scenarios
// enter; the report windows come from a report of labels over sample names.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/register_procedures.h"
#include "drivers/qt/qt_driver.h"
#include "frame/record_report.h"
#include "runtime/print/printer.h"
#include "runtime/qt/print_backend.h"
#include "runtime/qt/window_pictures.h"
#include "runtime/text/fixed_text.h"
#include "shell/program_main.h"
#include "tests/frame/report_test_pages.h"

namespace {

namespace fs = std::filesystem;

rt::RecordFile& sampleNames() {
    static rt::RecordFile* file =
        new rt::RecordFile(rt::FileDecl("SAMPLES", "SAM:")
                               .attributes(rt::CREATE | rt::THREAD)
                               .STRING("SAM:NAME", 20)
                               .KEY("SAM:KEYNAME", rt::DUP | rt::NOCASE, {"SAM:NAME"}));
    return *file;
}

class SampleLabels : public ReportPass {
  public:
    explicit SampleLabels(ReportOptions::Destination destination)
        : ReportPass("SampleLabels", {&sampleNames()}, sheet(), options(destination)) {}

  protected:
    ReportStructurePtr makeReport() override {
        return testsupport::labelReport([this] { return line_; });
    }
    int recordVerdict() override { return VERDICT::Take; }
    void beforeDetail() override { line_ = std::string(rt::clip(name_.text())); }

  private:
    static PassSheet sheet() {
        PassSheet s;
        s.file = &sampleNames();
        s.key = "SAM:KEYNAME";
        s.displayName = "SAMPLES";
        s.batchSize = 5;  // the progress window stays long enough to be seen
        return s;
    }
    static ReportOptions options(ReportOptions::Destination destination) {
        ReportOptions o;
        o.labelLayout = true;
        o.destination = destination;
        return o;
    }
    rt::Field name_{sampleNames(), "SAM:NAME"};
    std::string line_;
};

void printSampleLabels() {
    // Enough names for the progress window to be seen between its batches.
    const char* first[] = {"Ann", "Bob", "Carla", "Dan", "Eve", "Fay", "Gus", "Hal", "Ida", "Jon"};
    const char* last[] = {"Smith",  "Adams",  "Jones", "Miller", "Brown",
                          "Wilson", "Taylor", "Moore", "Clark",  "Lewis"};
    rt::RecordFile& f = sampleNames();
    if (f.create() == 0 && f.open() == 0) {
        rt::Field name(f, "SAM:NAME");
        for (const char* l : last)
            for (const char* n : first) {
                f.clear();
                name.setText(std::string(n) + " " + l);
                f.add();
            }
        f.close();
    }
    SampleLabels(ReportOptions::Destination::Ask).run();
    SampleLabels(ReportOptions::Destination::PlainPreview).run();
}

bool play(const fs::path& script, std::function<void()> programMain,
          rt::qt::WindowPictures& pictures) {
    std::ifstream in(script);
    if (!in) {
        std::cerr << "tovik-screens: cannot read " << script << "\n";
        return false;
    }
    rt::ScenarioResult result =
        rt::qt::runQtScenario(in, std::move(programMain), script.string(), &pictures);
    (result.passed ? std::cout : std::cerr) << result.report;
    return result.passed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tovik-screens FOLDER\n";
        return 2;
    }
    const fs::path folder = fs::absolute(argv[1]);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    rt::qt::installPrintBackend();
    RegisterProgramProcedures();
    fs::remove_all(folder);
    const fs::path source = TOVIK_SOURCE_DIR;
    // One set of names for the whole run: a title two windows share names both pictures.
    rt::qt::WindowPictures pictures(folder.string());
    // Each session in a data folder of its own, removed afterwards. Files a session writes
    // beside its folder (an export the import session reads) stay in a scratch folder that
    // goes at the end, so the picture folder holds pictures only.
    const fs::path scratch = folder / ".sessions";
    auto session = [&](const fs::path& script, std::function<void()> programMain) {
        const fs::path data = scratch / "sample-data";
        fs::create_directories(data);
        fs::current_path(data);
        bool passed = play(script, std::move(programMain), pictures);
        fs::current_path(folder);
        fs::remove_all(data);
        return passed;
    };
    // The windows of the features that scenarios of their own reach (each with its own small
    // data set), then every other window of the program, then the report windows.
    bool ok = true;
    for (const char* scenario :
         {"invoice_from_main_menu", "checks_post_print_register_reprint", "genealogy_panel",
          "labels_envelopes_and_cards", "bookmarks_information_product_name",
          "follow_ups_and_appointments", "monthly_draft_post_search_print",
          "blank_checks_number_and_print", "export_tagged_contacts",
          "import_contacts_into_new_folder"})
        ok = session(source / "tests/scenarios" / (std::string(scenario) + ".scenario"),
                     &ProgramMain) &&
             ok;
    ok = session(source / "tests/screens/program_windows.scenario", &ProgramMain) && ok;
    ok = session(source / "tests/screens/report_windows.scenario", &printSampleLabels) && ok;
    std::cout << pictures.count() << " windows pictured in " << folder.string() << "\n";
    fs::remove_all(scratch);
    return ok ? 0 : 1;
}
