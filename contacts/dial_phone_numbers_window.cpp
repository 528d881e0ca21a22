#include "contacts/dial_phone_numbers_window.h"

#include <string>

#include "contacts/contact_form_window.h"
#include "runtime/ui/structure_builder.h"

namespace windows::dial_phone_numbers {

const rt::WindowStructure& dialWindow() {
    static const rt::WindowStructure structure = [] {
        const char* numbers[] = {"MAI:HOMEPHONE", "MAI:WORKPHONE", "MAI:FAX", "MAI:CELLPHONE",
                                 "MAI:BEEPER"};
        rt::WindowStructure w;
        w.module = "Tovik005";
        w.label = "DialPhoneNumbers";
        w.title = "Dial Phone Numbers";
        w.at = {0, 0, 155, 106};
        w.centered = true;
        w.font = {"Arial", 8};
        w.statusZones = {150};
        StructureBuilder b(w);
        for (int r = 0; r < 5; ++r) {
            const int y = 6 + 16 * r;
            rt::ControlStructure& dial = b.button(DialControl::dialButton(r), {6, y, 14, 13}, "");
            dial.icon = "PHONE.ICO";
            rt::ControlStructure& kind =
                b.add(DialControl::kind(r), rt::ControlKind::DropList, {24, y, 60, 12});
            kind.use = "MAI:PHONE" + std::to_string(r + 1);
            kind.from = contact_form::phoneKindList(r);
            rt::ControlStructure& n = b.entry(DialControl::number(r), {88, y, 62, 12}, numbers[r],
                                              r == 0 ? "@S15" : "@s15");
            if (r < 4) n.align = rt::Align::Right;
        }
        b.button(DialControl::Close, {58, 88, 40, 14}, "Close");
        return w;
    }();
    return structure;
}

}  // namespace windows::dial_phone_numbers
