#pragma once
// The window resizer: keeps the controls of a resizable window in proportion. It records every
// control's position and size when the window opens and, after each resize, moves and scales
// them by the ratio of the window's new size to its initial size. Per-control strategies keep
// buttons at their size and near their edge, and entries at their height.
//
// A procedure keeps one WindowResizerData as a local: InitWindowResizer once its window is
// open, ResizeWindowControls on every EVENT::Sized, KillWindowResizer on EVENT::CloseDown.

#include <memory>
#include <vector>

#include "runtime/ui/window.h"

// Positional strategies: the low byte is horizontal, the high byte vertical.
namespace RESIZE {
inline constexpr unsigned short Scale = 0;
inline constexpr unsigned short FixedX = 0x01;
inline constexpr unsigned short FarEdgeX = 0x02;  // distance to the right edge kept
inline constexpr unsigned short NearEdgeX = 0x04;
inline constexpr unsigned short CentreX = 0x08;
inline constexpr unsigned short NearestEdgeX = 0x10;
inline constexpr unsigned short FixedY = 0x100;
inline constexpr unsigned short FarEdgeY = 0x200;  // distance to the bottom edge kept
inline constexpr unsigned short NearEdgeY = 0x400;
inline constexpr unsigned short CentreY = 0x800;
inline constexpr unsigned short NearestEdgeY = 0x1000;
// Resize strategy bits.
inline constexpr unsigned short FixedWidth = 1;
inline constexpr unsigned short FixedHeight = 2;
// Modes of InitWindowResizer.
inline constexpr long SameForAll = 1;
inline constexpr long ByControlType = 2;
// The width a string control gets when it should take its content's own width: the window
// model draws a control without a width of its own as wide as what it shows.
inline constexpr int ContentWidth = 0;
}  // namespace RESIZE

struct WindowResizerRect {
    long XPOS = 0, YPOS = 0, WIDTH = 0, HEIGHT = 0;
};

struct WindowResizerControl {
    long ID = 0;
    long TYPE = 0;
    unsigned short POSITIONALSTRATEGY = 0;
    unsigned short RESIZESTRATEGY = 0;
    WindowResizerRect POS;
};

struct WindowResizerData {
    WindowResizerRect ORIGWIN;
    WindowResizerRect PREVIOUSWIN;
    std::unique_ptr<std::vector<WindowResizerControl>> CONTROLQUEUE;
    rt::Window* window = nullptr;  // the window the queue was built from
};

// Builds the control queue of `window`. Mode RESIZE::ByControlType gives each control the
// default strategies of its type; any other mode scales everything.
void InitWindowResizer(WindowResizerData& resizer, rt::Window& window, long mode);
// Moves and sizes the controls for the window's current size; nothing when the size is the
// one handled last.
void ResizeWindowControls(WindowResizerData& resizer);
// Disposes of the control queue.
void KillWindowResizer(WindowResizerData& resizer);
