#include "frame/report_destination_window.h"

#include "runtime/ui/codes.h"
#include "runtime/ui/structure_builder.h"

namespace windows::report_destination {

namespace {

rt::ControlStructure button(int number, std::string text, rt::Rect at, std::string tip) {
    rt::ControlStructure c = makeControl(number, rt::ControlKind::Button, at, std::move(text));
    c.tip = std::move(tip);
    return c;
}

rt::WindowStructure makeDestinationWindow() {
    namespace C = DestinationControl;
    rt::WindowStructure w;
    w.module = "Tovik_SF";
    w.label = "DestinationWindow";
    w.title = "Report Destination";
    w.at = {0, 0, 190, 92};
    w.frame = rt::FrameKind::Single;
    w.systemMenu = false;
    w.font = {"MS Sans Serif", 8};

    rt::ControlStructure prompt =
        makeControl(C::PrinterPrompt, rt::ControlKind::String, {6, 6, 60, 10}, "Current Printer:");
    prompt.font.bold = true;
    w.controls.push_back(prompt);
    rt::ControlStructure name =
        makeControl(C::PrinterName, rt::ControlKind::String, {6, 17, 178, 10});
    name.picture = "@s50";
    w.controls.push_back(name);

    w.controls.push_back(makeControl(C::Destination, rt::ControlKind::Option, {6, 30, 110, 40}));
    rt::ControlStructure view =
        makeControl(C::ViewReport, rt::ControlKind::Radio, {12, 36, 90, 12}, "View Report");
    view.parent = C::Destination;
    view.tip = "View The Report";
    w.controls.push_back(view);
    rt::ControlStructure print =
        makeControl(C::PrintReport, rt::ControlKind::Radio, {12, 52, 90, 12}, "Print Report");
    print.parent = C::Destination;
    print.tip = "Print The Report Without Viewing";
    w.controls.push_back(print);

    rt::ControlStructure ok = button(C::Ok, "OK", {128, 32, 55, 14}, "Do It");
    ok.isDefault = true;
    w.controls.push_back(ok);
    w.controls.push_back(button(C::Cancel, "Cancel", {128, 50, 55, 14}, "Cancel Report"));
    w.controls.push_back(button(C::Options, "Options", {128, 68, 55, 14}, "Select Options"));
    return w;
}

rt::WindowStructure makePrintOptionsWindow() {
    namespace C = PrintOptionsControl;
    rt::WindowStructure w;
    w.module = "Tovik_SF";
    w.label = "PrintOptionsWindow";
    w.title = "Print Options";
    w.at = {0, 0, 220, 150};
    w.frame = rt::FrameKind::Single;
    w.systemMenu = true;
    w.font = {"MS Sans Serif", 8};

    w.controls.push_back(
        makeControl(C::CopiesGroup, rt::ControlKind::Group, {6, 4, 208, 34}, "Copies / Collate"));
    w.controls.push_back(
        makeControl(C::CopiesPrompt, rt::ControlKind::Prompt, {14, 18, 30, 10}, "Copies:"));
    rt::ControlStructure copies = makeControl(C::Copies, rt::ControlKind::Spin, {46, 17, 34, 12});
    copies.picture = "N_3B";
    copies.rangeLow = 1;
    copies.rangeHigh = 15;
    copies.step = 1;
    copies.tip = "Select Number Of Copies";
    w.controls.push_back(copies);
    rt::ControlStructure collate =
        makeControl(C::Collate, rt::ControlKind::Check, {110, 18, 60, 10}, "Collate");
    collate.tip = "Collate Report Copies";
    w.controls.push_back(collate);

    w.controls.push_back(
        makeControl(C::FileGroup, rt::ControlKind::Group, {6, 42, 208, 44}, "Print To File"));
    rt::ControlStructure toFile =
        makeControl(C::PrintToFile, rt::ControlKind::Check, {14, 54, 80, 10}, "Print To FIle");
    toFile.tip = "Print To FIle";
    w.controls.push_back(toFile);
    rt::ControlStructure file = makeControl(C::FileName, rt::ControlKind::Entry, {14, 68, 170, 12});
    file.picture = "@s60";
    file.tip = "Enter File Name";
    w.controls.push_back(file);
    rt::ControlStructure fileButton = button(C::FileButton, "", {188, 67, 18, 14}, "Select A File");
    fileButton.icon = "OPEN.ICO";
    w.controls.push_back(fileButton);

    rt::ControlStructure prompt =
        makeControl(C::PrinterPrompt, rt::ControlKind::String, {6, 92, 70, 10}, "Current Printer:");
    prompt.font.bold = true;
    w.controls.push_back(prompt);
    rt::ControlStructure name =
        makeControl(C::PrinterName, rt::ControlKind::Entry, {6, 103, 208, 12});
    name.picture = "@s50";
    name.readOnly = true;
    name.font.bold = true;
    name.tip = "Current Printer Selected";
    w.controls.push_back(name);

    rt::ControlStructure ok = button(C::Ok, "OK", {20, 126, 55, 14}, "Accept Options");
    ok.isDefault = true;
    w.controls.push_back(ok);
    w.controls.push_back(button(C::Cancel, "Cancel", {82, 126, 55, 14}, "Cancel"));
    w.controls.push_back(button(C::Select, "Select", {144, 126, 55, 14}, "Select A Printer"));
    return w;
}

}  // namespace

const rt::WindowStructure& destinationWindow() {
    static const rt::WindowStructure structure = makeDestinationWindow();
    return structure;
}

const rt::WindowStructure& printOptionsWindow() {
    static const rt::WindowStructure structure = makePrintOptionsWindow();
    return structure;
}

}  // namespace windows::report_destination
