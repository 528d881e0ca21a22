#include "checks/check_style_window.h"

#include "runtime/ui/structure_builder.h"

namespace windows::check_style {

rt::WindowStructure styleWindow(const std::string& module, const std::string& label,
                                const std::string& first, const std::string& second) {
    using namespace CheckStyleControl;
    rt::WindowStructure w;
    w.module = module;
    w.label = label;
    w.title = "Select Check Style And Print Check";
    w.at = {0, 0, 236, 84};
    w.centered = true;
    w.font = {"Arial", 8};
    w.icon = "CHECK.ICO";
    StructureBuilder b(w);
    b.button(FirstStyle, {8, 8, 220, 18}, first);
    b.button(SecondStyle, {8, 32, 220, 18}, second);
    b.button(Close, {94, 60, 48, 16}, "Close");
    return w;
}

}  // namespace windows::check_style
