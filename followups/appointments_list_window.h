#pragma once
// "Appointments": the appointments list, with the controls of the follow-ups list.

#include "followups/follow_ups_list_window.h"

namespace windows::appointments_list {

const rt::WindowStructure& appointmentsListWindow();

}  // namespace windows::appointments_list
