#include "frame/window_resizer.h"

#include <algorithm>

#include "runtime/ui/codes.h"

namespace {

WindowResizerRect windowRect(const rt::Window& window) {
    rt::Rect at = window.position(0);
    return {at.x, at.y, at.width, at.height};
}

// Ratios are decimals with 4 places: kept as ten-thousandths, rounded half away from zero.
constexpr long long kOne = 10000;

long long ratioOf(long current, long initial) {
    if (initial == 0) return kOne;
    long long scaled = static_cast<long long>(current) * kOne * 2 / initial;
    return scaled >= 0 ? (scaled + 1) / 2 : (scaled - 1) / 2;
}

// value × ratio, truncated to a whole number.
long scaled(long value, long long ratio) {
    return static_cast<long>(static_cast<long long>(value) * ratio / kOne);
}

void defaultStrategies(WindowResizerControl& entry) {
    switch (static_cast<rt::ControlKind>(entry.TYPE)) {
        case rt::ControlKind::Button:
            entry.POSITIONALSTRATEGY = RESIZE::NearestEdgeX | RESIZE::NearestEdgeY;
            entry.RESIZESTRATEGY = RESIZE::FixedWidth | RESIZE::FixedHeight;
            break;
        case rt::ControlKind::Check:
        case rt::ControlKind::Radio:
            entry.RESIZESTRATEGY = RESIZE::FixedWidth | RESIZE::FixedHeight;
            break;
        case rt::ControlKind::Entry:
        case rt::ControlKind::Combo:
        case rt::ControlKind::Spin:
        case rt::ControlKind::DropList:
            entry.RESIZESTRATEGY = RESIZE::FixedHeight;
            break;
        default:
            break;
    }
}

// One direction of one control: its recorded place and size, the window's initial and
// current extent, the ratio, the strategy (1 fixed, 2 far edge, 4 near edge, 8 centre,
// 0x10 nearest edge) and whether the size stays fixed. Answers the new place.
long place(long recorded, long size, long initialExtent, long currentExtent, long long ratio,
           unsigned strategy, bool fixedSize) {
    if (strategy == RESIZE::NearestEdgeX) {
        long toNear = recorded;
        long toFar = initialExtent - (recorded + size);
        strategy = toNear <= toFar ? RESIZE::NearEdgeX : RESIZE::FarEdgeX;
    }
    long at = scaled(recorded, ratio);
    if (ratio == kOne) return at;
    switch (strategy) {
        case RESIZE::FixedX:
            return recorded;
        case RESIZE::FarEdgeX: {
            long d = initialExtent - recorded;
            return currentExtent - (fixedSize ? d : scaled(d, ratio));
        }
        case RESIZE::NearEdgeX:
            return fixedSize ? recorded : scaled(recorded, ratio);
        case RESIZE::CentreX: {
            long d = recorded - initialExtent / 2;
            return currentExtent / 2 + (fixedSize ? d : scaled(d, ratio));
        }
        default:
            return at;
    }
}

}  // namespace

void InitWindowResizer(WindowResizerData& resizer, rt::Window& window, long mode) {
    resizer.window = &window;
    resizer.CONTROLQUEUE = std::make_unique<std::vector<WindowResizerControl>>();
    resizer.ORIGWIN = windowRect(window);
    resizer.PREVIOUSWIN = resizer.ORIGWIN;
    for (int number : window.controlNumbers()) {
        long type = window.prop(number, PROP::ControlType);
        if (type == 0 || type == static_cast<long>(rt::ControlKind::Menu) ||
            type == static_cast<long>(rt::ControlKind::Item))
            continue;
        rt::Rect at = window.position(number);
        WindowResizerControl entry;
        entry.ID = number;
        entry.TYPE = type;
        entry.POS = {at.x, at.y, at.width, at.height};
        if (mode == RESIZE::ByControlType) defaultStrategies(entry);
        resizer.CONTROLQUEUE->push_back(entry);
    }
    std::stable_sort(resizer.CONTROLQUEUE->begin(), resizer.CONTROLQUEUE->end(),
                     [](const auto& a, const auto& b) { return a.ID < b.ID; });
}

void ResizeWindowControls(WindowResizerData& resizer) {
    if (!resizer.window || !resizer.CONTROLQUEUE) return;
    rt::Window& window = *resizer.window;
    const WindowResizerRect now = windowRect(window);
    if (now.WIDTH == resizer.PREVIOUSWIN.WIDTH && now.HEIGHT == resizer.PREVIOUSWIN.HEIGHT) return;
    resizer.PREVIOUSWIN = now;
    const WindowResizerRect& initial = resizer.ORIGWIN;
    const long long ratioX = ratioOf(now.WIDTH, initial.WIDTH);
    const long long ratioY = ratioOf(now.HEIGHT, initial.HEIGHT);

    // The runtime defers the repaint while the controls move.
    const long long keptDefer = window.prop(0, PROP::DeferRepaint);
    window.setProp(0, PROP::DeferRepaint, static_cast<long long>(resizer.CONTROLQUEUE->size()));

    for (const WindowResizerControl& c : *resizer.CONTROLQUEUE) {
        const bool fixedWidth = c.RESIZESTRATEGY & RESIZE::FixedWidth;
        const bool fixedHeight = c.RESIZESTRATEGY & RESIZE::FixedHeight;
        rt::Rect at;
        at.width = static_cast<int>(fixedWidth ? c.POS.WIDTH : scaled(c.POS.WIDTH, ratioX));
        at.height = static_cast<int>(fixedHeight ? c.POS.HEIGHT : scaled(c.POS.HEIGHT, ratioY));
        at.x = static_cast<int>(place(c.POS.XPOS, c.POS.WIDTH, initial.WIDTH, now.WIDTH, ratioX,
                                      c.POSITIONALSTRATEGY & 0xFF, fixedWidth));
        at.y = static_cast<int>(place(c.POS.YPOS, c.POS.HEIGHT, initial.HEIGHT, now.HEIGHT, ratioY,
                                      (c.POSITIONALSTRATEGY >> 8) & 0xFF, fixedHeight));
        if (c.TYPE == static_cast<long>(rt::ControlKind::String) && c.POS.WIDTH == 1)
            at.width = RESIZE::ContentWidth;
        window.setPosition(static_cast<int>(c.ID), at);
    }

    if (keptDefer < 0) window.setProp(0, PROP::DeferRepaint, keptDefer);
}

void KillWindowResizer(WindowResizerData& resizer) {
    resizer.CONTROLQUEUE.reset();
    resizer.window = nullptr;
}
