#include "shell/intro_window.h"

namespace windows::intro {

namespace {

rt::WindowStructure makeIntroWindow() {
    rt::WindowStructure w;
    w.module = "Tovik156";
    w.label = "P1$WINDOW";
    w.at = {0, 0, 387, 50};
    w.centered = true;
    w.frame = rt::FrameKind::None;
    w.systemMenu = false;
    w.font = {"MS Sans Serif", 8};
    w.wallpaper = {"Tile_24.bmp", /*tiled=*/true, /*centered=*/false};

    // The two bevelled panels carry no number of the procedure's; they stay out of its way.
    rt::ControlStructure outer;
    outer.number = 101;
    outer.kind = rt::ControlKind::Panel;
    outer.at = {1, 1, 385, 45};
    outer.bevel = 6;
    w.controls.push_back(outer);

    rt::ControlStructure inner;
    inner.number = 102;
    inner.kind = rt::ControlKind::Panel;
    inner.at = {5, 5, 377, 37};
    inner.bevel = -2;
    inner.innerBevel = 1;
    w.controls.push_back(inner);

    rt::ControlStructure name;
    name.number = IntroControl::ProductName;
    name.kind = rt::ControlKind::String;
    name.use = "PLF:PRODUCTNAME";
    name.picture = "@S40";
    name.at = {10, 10, 368, 25};
    name.align = rt::Align::Center;
    name.transparent = true;
    name.font = {"Times New Roman", 20, /*bold=*/true, /*italic=*/false, 0x00FF40};
    w.controls.push_back(name);

    rt::ControlStructure line;
    line.number = IntroControl::Underline;
    line.kind = rt::ControlKind::Group;
    line.at = {17, 31, 357, 4};
    line.bevel = 1;
    w.controls.push_back(line);
    return w;
}

}  // namespace

const rt::WindowStructure& introWindowStructure() {
    static const rt::WindowStructure structure = makeIntroWindow();
    return structure;
}

}  // namespace windows::intro
