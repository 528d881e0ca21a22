#include "frame/report_destination.h"

#include <filesystem>
#include <optional>
#include <string>

#include "frame/file_name_entry.h"
#include "frame/report_destination_window.h"
#include "frame/report_job.h"
#include "runtime/print/printer.h"
#include "runtime/text/file_names.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/binding.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/window.h"

namespace {

namespace D = windows::report_destination::DestinationControl;
namespace O = windows::report_destination::PrintOptionsControl;

constexpr std::size_t kFileNameWidth = 60;  // what the file name entry shows (@s60)

// The values of one call, bound to both windows.
struct DestinationValues {
    long copies = 1;
    std::string collate;      // the check box stores "1" when ticked
    std::string printToFile;  // likewise
    std::string fileName;     // the entry's text
    std::string printerName;  // as shown: the printer, or why there is none
    std::string device;       // the printer the windows name; empty when there is none
    FileNameEntry printFile;  // the file chosen in the save dialog, which asked before replacing it

    // The file system name of the file the entry names.
    std::string namedFile() const { return printFile.named(fileName); }

    void readPrinter() {
        device = PrinterDeviceName();
        printerName = device.empty() ? NoPrinterShown() : device;
    }
};

// Printing into a file that exists replaces it only when the user agrees.
bool mayWriteInto(const DestinationValues& v) {
    const std::string name = v.namedFile();
    std::error_code ec;
    if (name.empty() || name == v.printFile.chosen() ||
        !std::filesystem::exists(rt::userFilePath(name), ec))
        return true;
    return rt::message("The file " + rt::shownFileName(name) + " already exists. Replace it?",
                       "Report Destination", ICON::Question, BUTTON::Yes + BUTTON::No,
                       BUTTON::No) == BUTTON::Yes;
}

bool ticked(const std::string& box) {
    return rt::clip(box) == "1";
}

void runPrintOptions(DestinationValues& v) {
    rt::Window w(windows::report_destination::printOptionsWindow());
    w.bind(O::Copies, rt::bindLong("Copies", v.copies));
    w.bind(O::Collate, rt::bindText("Collate", v.collate));
    w.bind(O::PrintToFile, rt::bindText("PrintToFile", v.printToFile));
    w.bind(O::FileName, rt::bindText("FileName", v.fileName));
    w.bind(O::PrinterName, rt::bindText("PrinterName", v.printerName));
    v.readPrinter();
    w.open();
    while (w.accept()) {
        switch (w.accepted()) {
            case O::FileButton:
                // Choosing a file does not switch printing into a file on. Printing into a
                // file writes PDF, so that is what the dialog offers.
                if (auto chosen = rt::fileDialog("Select A File...", "PDF File|*.pdf",
                                                 v.namedFile(), /*save=*/true)) {
                    std::string shown(kFileNameWidth, ' ');
                    v.printFile.choose(*chosen, shown);
                    v.fileName = shown;
                }
                break;
            case O::Select: {
                rt::PrinterSettings settings;
                settings.device = v.device;
                if (rt::printerDialog("Select A Printer", settings))
                    SetPrinterDevice(settings.device);
                break;
            }
            case O::Ok:
            case O::Cancel:
                // Neither undoes what was entered: the values are bound to the controls.
                w.post(EVENT::CloseWindow);
                break;
            default:
                if (w.event() == EVENT::Rejected) {
                    rt::beep();
                    w.display(w.field());
                    w.select(w.field());
                }
                break;
        }
        v.readPrinter();
        w.display();
    }
}

}  // namespace

int SelectReportDestination() {
    DestinationValues v;
    int destination = DEST::View;
    std::optional<int> answer;  // set by OK or Cancel

    rt::Window w(windows::report_destination::destinationWindow());
    w.bind(D::PrinterName, rt::bindText("PrinterName", v.printerName));
    v.readPrinter();
    w.open();
    w.setProp(D::Destination, PROP::Choice, destination);
    while (w.accept()) {
        switch (w.accepted()) {
            case D::Ok: {
                if (ticked(v.printToFile) && !mayWriteInto(v)) break;  // the window stays
                SetPrinterCopies(static_cast<int>(v.copies), ticked(v.collate));
                // The check box decides every time, so a report after one printed into a
                // file goes to the device again when the box is clear.
                SetPrintToFile(ticked(v.printToFile));
                if (ticked(v.printToFile)) rt::printer().setPrintFileName(v.namedFile());
                answer = w.choice(D::Destination) == 2 ? DEST::Print : DEST::View;
                // The pages go to the printer the window names, or nowhere: not to another
                // that became the default meanwhile.
                rt::printer().pinDevice(v.device);
                w.post(EVENT::CloseWindow);
                break;
            }
            case D::Cancel:
                answer = DEST::Cancel;
                w.post(EVENT::CloseWindow);
                break;
            case D::Options:
                runPrintOptions(v);
                break;
            default:
                break;
        }
        v.readPrinter();
        w.display();
    }
    if (answer) return *answer;
    // Closed some other way: the radios decide and nothing was set on the printer but the
    // printer the window named.
    destination = w.choice(D::Destination) == 2 ? DEST::Print : DEST::View;
    rt::printer().pinDevice(v.device);
    return destination;
}
