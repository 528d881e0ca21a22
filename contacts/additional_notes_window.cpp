#include "contacts/additional_notes_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::additional_notes {

const rt::WindowStructure& notesWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w;
        w.module = "Tovik003";
        w.label = "UpdateAdditionalNotes";
        w.title = "Additional Notes";
        w.at = {0, 0, 172, 148};
        w.centered = true;
        w.font = {"Arial", 8};
        StructureBuilder b(w);
        rt::ControlStructure& notes =
            b.add(NotesControl::Notes, rt::ControlKind::Text, {4, 4, 164, 120});
        notes.use = "MAI:NOTES3";
        notes.verticalScroll = true;
        b.button(NotesControl::Ok, {66, 128, 40, 14}, "&Ok");
        b.button(NotesControl::Close, {110, 128, 40, 14}, "Close").hidden = true;
        return w;
    }();
    return structure;
}

}  // namespace windows::additional_notes
