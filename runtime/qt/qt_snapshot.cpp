#include "runtime/qt/qt_snapshot.h"

#include "runtime/ui/window.h"

namespace rt::qt {
namespace {

// A radio is checked when it is the chosen one of its option.
bool radioChosen(const Window& window, const ControlState& radio) {
    const ControlState* option = window.control(radio.structure.parent);
    if (!option) return false;
    int index = 0;
    for (int n : window.controlNumbers()) {
        const ControlState* c = window.control(n);
        if (c->structure.kind == ControlKind::Radio &&
            c->structure.parent == option->structure.number) {
            ++index;
            if (c == &radio) return index == option->choice;
        }
    }
    return false;
}

}  // namespace

ControlData snapshotControl(const Window& window, int control) {
    ControlData d;
    const ControlState* c = window.control(control);
    if (!c) return d;
    d.structure = c->structure;
    d.shown = c->shown;
    d.bound = c->binding != nullptr;
    d.checked = c->structure.kind == ControlKind::Radio ? radioChosen(window, *c) : c->checked;
    d.choice = c->choice;
    d.items = c->items;
    if (c->structure.kind == ControlKind::List) {
        d.listFormat = c->listFormat;
        int count = c->rows ? c->rows->rowCount() : 0;
        d.rows.reserve(static_cast<std::size_t>(std::max(0, count)));
        bool icons = false;
        for (const ListColumn& column : c->listFormat.columns)
            icons = icons || column.icon;
        for (int row = 1; row <= count; ++row) {
            d.rows.push_back(window.rowTexts(control, row));
            if (!icons) continue;
            // An icon column takes the row field after its text as the icon number.
            std::vector<int> numbers;
            for (const ListColumn& column : c->listFormat.columns)
                numbers.push_back(
                    column.icon ? static_cast<int>(
                                      c->rows->field(row, column.field + 1).asNumber().toInteger())
                                : 0);
            d.rowIcons.push_back(std::move(numbers));
        }
        d.listIcons = c->listIcons;
        d.selectedRow = c->selectedRow;
        d.thumb = c->thumb;
        d.scrollBar = c->scrollBar;
    }
    if (c->structure.kind == ControlKind::Image) {
        d.imageBytes = c->imageBytes;
        d.pageFile = c->pageFile;
        d.hScroll = c->hScroll;
        d.vScroll = c->vScroll;
    }
    d.progress = c->progress;
    d.visible = window.isVisible(control);
    d.enabled = window.isEnabled(control);
    return d;
}

std::vector<ControlFlags> snapshotFlags(const Window& window) {
    std::vector<ControlFlags> out;
    for (int n : window.controlNumbers()) {
        const ControlState* c = window.control(n);
        ControlFlags f;
        f.number = n;
        f.visible = window.isVisible(n);
        f.enabled = window.isEnabled(n);
        f.checked = c->structure.kind == ControlKind::Radio ? radioChosen(window, *c) : c->checked;
        out.push_back(f);
    }
    return out;
}

WindowData snapshotWindow(const Window& window, bool withControls) {
    WindowData d;
    d.structure = window.structure();
    d.structure.controls.clear();
    int zones = std::max<int>(1, static_cast<int>(d.structure.statusZones.size()));
    for (int zone = 1; zone <= zones; ++zone)
        d.status.push_back(window.status(zone));
    d.focus = window.focus();
    d.thread = window.thread();
    if (withControls)
        for (int n : window.controlNumbers())
            d.controls.push_back(snapshotControl(window, n));
    return d;
}

}  // namespace rt::qt
