#include "checks/draft_form_window.h"

#include <algorithm>

#include "runtime/ui/structure_builder.h"

namespace windows::draft_form {

namespace {

using namespace DraftFormControl;

constexpr int kDraftRow = 16;  // the height the draft's own row adds above the check

// The check form's controls one row lower, less what a draft does not use.
rt::WindowStructure makeWindow() {
    rt::WindowStructure w = windows::check_form::checkFormWindow();
    w.module = "Tovik089";
    w.label = "UpdateMonthlyDraft";
    w.at.height += kDraftRow;
    constexpr int kDraftsLeftPrompt = 44, kCheckNumberPrompt = 17;
    std::erase_if(w.controls, [](const rt::ControlStructure& c) {
        return c.number == SelectClient || c.number == PostMonthlyDraft || c.number == DraftsLeft ||
               c.number == kDraftsLeftPrompt;
    });
    for (rt::ControlStructure& c : w.controls) {
        if (c.parent == 0) c.at.y += kDraftRow;
        if (c.number == kCheckNumberPrompt) {
            c.text = "Last Check # Printed";
            c.at.width = 80;
        }
    }
    // The draft's own fields come first in the tab order.
    rt::WindowStructure top;
    StructureBuilder t(top);
    t.prompt(61, {6, 6, 36, 10}, "Draft Day");
    t.entry(DraftDay, {44, 5, 14, 11}, "CHE:X1", "@s2");
    t.prompt(63, {70, 6, 80, 10}, "Number Of Drafts Left");
    t.entry(NumberLeft, {152, 5, 18, 11}, "CHE:X2", "@s3");
    t.add(67, rt::ControlKind::String, {290, 6, 80, 10}, "Checks By Fax").font = {"Arial", 8, true};
    w.controls.insert(w.controls.begin(), top.controls.begin(), top.controls.end());
    StructureBuilder b(w);
    b.entry(PayeeAddress, {0, 0, 124, 11}, "PAY:ADDRESS", "@s30").hidden = true;
    b.entry(PayeeCityStateZip, {0, 0, 124, 11}, "PAY:CITYSTATEZIP", "@s30").hidden = true;
    return w;
}

}  // namespace

const rt::WindowStructure& draftFormWindow() {
    static const rt::WindowStructure structure = makeWindow();
    return structure;
}

}  // namespace windows::draft_form
