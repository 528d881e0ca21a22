#pragma once
// The main menu's background pictures: which picture a tool button shows while it has the
// focus, and which one stays after the procedure it calls has returned.

#include <optional>
#include <string>

struct MenuBackground {
    const char* picture;
    bool tiled;
    int untiledProperty;  // window property 0x7CEC: 1 with untiled pictures, 0 with tiled
};

// The picture when `control` takes the focus; nullopt leaves the background as it is.
std::optional<MenuBackground> BackgroundOnSelected(int control);
// The picture after the call of `control` has returned; nullopt leaves it as it is.
std::optional<MenuBackground> BackgroundAfterCall(int control);
// The picture the main menu opens with.
MenuBackground OpeningBackground();
