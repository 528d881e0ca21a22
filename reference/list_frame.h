#pragma once
// Shared pieces of the zip-code and area-code windows.

#include <string>

#include "runtime/ui/window_structure.h"

namespace windows {

// A list window's frame: title, size, font, resizable with a system menu.
inline rt::WindowStructure listFrame(const char* module, const char* label, const char* title,
                                     int width, int height, rt::Font font, const char* wallpaper) {
    rt::WindowStructure w;
    w.module = module;
    w.label = label;
    w.title = title;
    w.at = {0, 0, width, height};
    w.centered = true;
    w.frame = rt::FrameKind::Resizable;
    w.resizable = true;
    w.font = std::move(font);
    w.wallpaper = {wallpaper, true, false};
    return w;
}

}  // namespace windows
