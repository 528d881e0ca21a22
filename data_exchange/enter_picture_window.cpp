#include "data_exchange/enter_picture_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::enter_picture {

const rt::WindowStructure& enterPictureWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace EnterPictureControl;
        rt::WindowStructure w;
        w.module = "S_IMPEXP";
        w.label = "P15$WINDOW";
        w.title = "Enter Picture...";
        w.at = {0, 0, 176, 44};
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        b.prompt(Prompt, {5, 11, 40, 10}, "Picture:");
        b.entry(Picture, {47, 11, 125, 10}, "LOC:Picture", "@s30");
        b.button(Ok, {96, 29, 36, 12}, "&OK").isDefault = true;
        b.button(Cancel, {136, 29, 36, 12}, "&Cancel");
        return w;
    }();
    return structure;
}

}  // namespace windows::enter_picture
