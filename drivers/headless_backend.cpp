#include "drivers/headless_backend.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <mutex>

#include "runtime/ui/image_size.h"
#include "runtime/ui/scheduler.h"
#include "runtime/ui/window.h"

namespace rt {
namespace {

constexpr int kRowHeight = 10;  // dialog units per list row
constexpr int kHeaderHeight = 10;

}  // namespace

void HeadlessBackend::windowOpened(Window&) {}

void HeadlessBackend::windowClosed(Window& window) {
    timers_.erase(&window);
}

void HeadlessBackend::timerChanged(Window& window, int hundredths) {
    if (hundredths <= 0) {
        timers_.erase(&window);
    } else {
        timers_[&window] = {hundredths, clock_ + hundredths};
    }
}

int HeadlessBackend::visibleRows(const Window& window, int control) {
    const ControlState* c = window.control(control);
    if (!c) return 0;
    bool headers = std::any_of(c->listFormat.columns.begin(), c->listFormat.columns.end(),
                               [](const ListColumn& col) { return !col.header.empty(); });
    return std::max(0, (c->structure.at.height - (headers ? kHeaderHeight : 0)) / kRowHeight);
}

std::optional<std::pair<int, int>> HeadlessBackend::pictureSize(const Window&,
                                                                const std::string& file,
                                                                const std::string& bytes) {
    std::optional<std::pair<int, int>> pixels;
    if (!bytes.empty()) {
        pixels = pictureSizeFromBytes(bytes);
    } else if (std::ifstream in(file, std::ios::binary); in) {
        pixels = pictureSizeFromBytes(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    if (!pixels) return std::nullopt;
    return pixelsToDialogUnits(*pixels, cellWidth_, cellHeight_);
}

void HeadlessBackend::setCharacterCell(int width, int height) {
    std::lock_guard lock(Scheduler::instance().mutex());
    cellWidth_ = std::max(1, width);
    cellHeight_ = std::max(1, height);
}

void HeadlessBackend::showDialog(const DialogPtr& dialog) {
    dialogs_.push_back(dialog);
}

void HeadlessBackend::beep(int) {
    ++beeps_;
}

void HeadlessBackend::setCursor(int cursor) {
    cursor_ = cursor;
}

std::vector<DialogPtr> HeadlessBackend::pendingDialogs() {
    std::lock_guard lock(Scheduler::instance().mutex());
    std::erase_if(dialogs_, [](const DialogPtr& d) { return d->answered; });
    return dialogs_;
}

bool HeadlessBackend::fireNextTimer() {
    Window* target = nullptr;
    {
        std::lock_guard lock(Scheduler::instance().mutex());
        for (auto& [window, t] : timers_)
            if (!target || t.due < timers_[target].due) target = window;
        if (!target) return false;
        TimerState& t = timers_[target];
        clock_ = std::max(clock_, t.due);
        t.due = clock_ + t.interval;
    }
    Input timer;
    timer.kind = Input::Kind::Timer;
    // The window's thread may close it as soon as the lock is let go.
    Window::postInputIfOpen(target, timer);
    return true;
}

long HeadlessBackend::clock() {
    std::lock_guard lock(Scheduler::instance().mutex());
    return clock_;
}

int HeadlessBackend::beeps() {
    std::lock_guard lock(Scheduler::instance().mutex());
    return beeps_;
}

int HeadlessBackend::cursor() {
    std::lock_guard lock(Scheduler::instance().mutex());
    return cursor_;
}

void HeadlessBackend::setProgramIcon(const std::string& name) {
    programIcon_ = name;
}

std::string HeadlessBackend::programIcon() {
    std::lock_guard lock(Scheduler::instance().mutex());
    return programIcon_;
}

void HeadlessBackend::setClipboardText(const std::string& text) {
    clipboard_ = text;
}

std::string HeadlessBackend::clipboardText() {
    std::lock_guard lock(Scheduler::instance().mutex());
    return clipboard_;
}

}  // namespace rt
