#include "followups/appointments_list_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::appointments_list {

const rt::WindowStructure& appointmentsListWindow() {
    static const rt::WindowStructure structure = [] {
        using follow_ups_list::DatedListControl::Tab;
        rt::WindowStructure w = follow_ups_list::datedListFrame(
            "Tovik028", "Appointments", "Appointment Date", "Clear Old Appointments",
            "Add New Appointment", "49L|I~ Date~@d1@?23L|~ Time~@P##:##P@11L|I@s2@80R|I@s20@", 140);
        StructureBuilder b(w);
        // The type and subject stand in the column right of the list, as the name does.
        b.add(30, rt::ControlKind::String, {156, 90, 56, 10}, "Type", Tab).font = {"", 0, true};
        b.add(31, rt::ControlKind::String, {156, 100, 56, 10}, {}, Tab).use = "MAI:APPOITMENTTYPE";
        b.add(32, rt::ControlKind::String, {156, 111, 56, 10}, "Subject", Tab).font = {"", 0, true};
        b.add(33, rt::ControlKind::String, {156, 121, 56, 10}, {}, Tab).use =
            "MAI:APPOINTMENTSUBJECT";
        // The AM and PM legend.
        b.add(34, rt::ControlKind::String, {140, 140, 14, 10}, "AM", Tab);
        b.add(35, rt::ControlKind::Image, {154, 140, 10, 10}).icon = "~greenb.ico";
        b.add(37, rt::ControlKind::String, {172, 140, 14, 10}, "PM", Tab);
        b.add(36, rt::ControlKind::Image, {186, 140, 10, 10}).icon = "~blueb.ico";
        return w;
    }();
    return structure;
}

}  // namespace windows::appointments_list
