#include "information/text_form_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::text_form {

namespace {

rt::WindowStructure makeForm(const char* module, const char* titleField, const char* titlePicture,
                             const char* textField, const TextFormControls& c, bool panel) {
    rt::WindowStructure w =
        makeWindow(module, "P1$QUICKWINDOW", "", 417, 254, rt::Font{"MS Sans Serif", 8});
    StructureBuilder b(w);
    b.add(1, rt::ControlKind::Sheet, {4, 4, 409, 226});
    b.add(2, rt::ControlKind::Tab, {}, "General", 1);
    // A text without a title could not be listed: the title is required.
    b.entry(c.title, {10, 22, 200, 11}, titleField, titlePicture, 2).required = true;
    if (panel) b.add(4, rt::ControlKind::Panel, {10, 38, 397, 186}, {}, 2);
    rt::ControlStructure& text = b.add(c.text, rt::ControlKind::Text, {12, 40, 393, 182}, {}, 2);
    text.use = textField;
    text.font = {"Arial", 10, true};
    text.verticalScroll = true;
    text.tip = "Help";
    b.button(c.close, {290, 234, 60, 14}, " Close").isDefault = true;
    b.button(c.cancel, {353, 234, 60, 14}, "Cancel");
    return w;
}

}  // namespace

const rt::WindowStructure& informationFormWindow() {
    static const rt::WindowStructure structure = makeForm(
        "Tovik162", "INF:INFORMATIONFILE", "@s40", "INF:INFO", informationFormControls, true);
    return structure;
}

const rt::WindowStructure& helpFormWindow() {
    static const rt::WindowStructure structure =
        makeForm("Tovik164", "HEL:HELP", "@S40", "HEL:HELPINFO", helpFormControls, false);
    return structure;
}

}  // namespace windows::text_form
