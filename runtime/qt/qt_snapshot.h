#pragma once
// Copies of the window model for the GUI thread. The model belongs to its application
// thread, so the backend copies what the widgets need while that thread calls it, and the
// GUI thread works on the copies only.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/ui/list_format.h"
#include "runtime/ui/window_structure.h"

namespace rt {
class Window;
}

namespace rt::qt {

struct ControlData {
    ControlStructure structure;
    std::string shown;
    bool bound = false;    // shows a variable rather than its own text
    bool checked = false;  // check boxes; radios: the chosen one of their option
    int choice = 0;
    std::vector<std::string> items;
    // Lists: every row of the model as column texts.
    ListFormat listFormat;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<int>> rowIcons;  // per row, the icon number of each column (0 none)
    std::map<int, std::string> listIcons;    // icon number -> picture
    int selectedRow = 0;
    int thumb = 0;
    bool scrollBar = false;
    // Images
    std::string imageBytes;
    std::string pageFile;
    int hScroll = 0, vScroll = 0;  // dialog units the content is scrolled by
    int progress = 0;
    bool visible = true;
    bool enabled = true;
};

// What every control's visibility and state is after a change: a change to one control
// (a sheet's tab, an option's choice, a hidden group) can show or hide others.
struct ControlFlags {
    int number = 0;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
};

struct WindowData {
    WindowStructure structure;  // without controls: they are in `controls`
    std::vector<std::string> status;
    int focus = 0;
    int thread = 0;
    std::vector<ControlData> controls;
};

// On the model's thread.
ControlData snapshotControl(const Window& window, int control);
std::vector<ControlFlags> snapshotFlags(const Window& window);
// `withControls` false copies the window's own data only.
WindowData snapshotWindow(const Window& window, bool withControls);

}  // namespace rt::qt
