#include "data_exchange/enter_picture_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::enter_picture {

const rt::WindowStructure& enterPictureWindow() {
    static const rt::WindowStructure structure = [] {
        using namespace EnterPictureControl;
        rt::WindowStructure w =
            makeWindow("S_IMPEXP", "P15$WINDOW", "Enter Picture...", 176, 44, rt::Font{"Arial", 8});
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
