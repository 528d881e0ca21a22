// Window life, the accept loop, POST and SELECT, the accept-all pass.
#include "runtime/ui/window.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>

#include "runtime/ui/backend.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/scheduler.h"

namespace rt {

Window::Window(const WindowStructure& structure, BindingResolver resolve) : structure_(structure) {
    controls_.reserve(structure_.controls.size());
    for (const ControlStructure& cs : structure_.controls) {
        ControlState c;
        c.structure = cs;
        if (resolve && !cs.use.empty()) c.binding = resolve(cs.use);
        if (cs.kind == ControlKind::List) {
            // A garbled format is a fault of the window structure: say so at once.
            std::string error;
            auto f = parseListFormat(cs.format, &error);
            if (!f)
                throw std::invalid_argument("list " + std::to_string(cs.number) + " of window \"" +
                                            structure_.title + "\": " + error);
            c.listFormat = *f;
        }
        if (!cs.from.empty()) {
            std::string_view from = cs.from;
            for (;;) {
                std::size_t bar = from.find('|');
                c.items.emplace_back(from.substr(0, bar));
                if (bar == std::string_view::npos) break;
                from.remove_prefix(bar + 1);
            }
        }
        if (!cs.icon.empty() && cs.kind == ControlKind::Image) c.structure.icon = cs.icon;
        c.scrollBar = cs.verticalScroll;
        controls_.push_back(std::move(c));
    }
    // A sheet starts on its first tab.
    for (auto& c : controls_)
        if (c.structure.kind == ControlKind::Sheet) c.choice = 1;
    status_.resize(std::max<std::size_t>(1, structure_.statusZones.size()));
}

Window::~Window() {
    if (open_) close();
}

ControlState* Window::find(int control) {
    for (auto& c : controls_)
        if (c.structure.number == control) return &c;
    return nullptr;
}

const ControlState* Window::find(int control) const {
    for (const auto& c : controls_)
        if (c.structure.number == control) return &c;
    return nullptr;
}

void Window::bind(int control, BindingPtr binding) {
    if (ControlState* c = find(control)) {
        c->binding = std::move(binding);
        if (open_) {
            showValue(*c);
            changed(control);
        }
    }
}

void Window::setRows(int control, RowSourcePtr rows) {
    if (ControlState* c = find(control)) {
        c->rows = std::move(rows);
        if (open_) changed(control);
    }
}

void Window::changed(int control) {
    if (!open_) return;
    std::lock_guard lock(Scheduler::instance().mutex());
    Scheduler::instance().backend().controlChanged(*this, control);
}

void Window::open() {
    if (open_ || everOpened_) return;
    Scheduler& s = Scheduler::instance();
    for (auto& c : controls_)
        showValue(c);
    for (auto& c : controls_)
        if (focusable(c) && isVisible(c.structure.number) && isEnabled(c.structure.number)) {
            focus_ = c.structure.number;
            break;
        }
    std::lock_guard lock(s.mutex());
    static std::uint64_t lastOpening = 0;  // guarded by the scheduler's lock
    openingId_ = ++lastOpening;
    thread_ = s.currentThread();
    // The window below is the caller now: what the user did there before this call began
    // (a click on its Close while the call was being prepared) is dropped, not kept for
    // after the call.
    if (!s.threadWindows().empty()) s.threadWindows().back()->inputs_.clear();
    s.threadWindows().push_back(this);
    s.zOrder().push_back(this);
    open_ = everOpened_ = true;
    events_.push_back({EVENT::OpenWindow, 0, 0, 0, 0});
    s.backend().windowOpened(*this);
    if (structure_.timer > 0) s.backend().timerChanged(*this, structure_.timer);
}

void Window::close() {
    if (!open_) return;
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    open_ = false;
    passActive_ = false;
    events_.clear();
    inputs_.clear();
    if (auto* mine = s.windowsOfThread(thread_)) std::erase(*mine, this);
    auto& z = s.zOrder();
    bool wasActive = !z.empty() && z.back() == this;
    std::erase(z, this);
    if (structure_.timer > 0) s.backend().timerChanged(*this, 0);
    s.backend().windowClosed(*this);
    // The window below becomes active again and is told so.
    if (wasActive && !z.empty()) {
        z.back()->events_.push_back({EVENT::GainFocus, 0, 0, 0, 0});
        s.wake();
    }
}

void Window::setFocus(int control) {
    if (focus_ == control) return;
    focus_ = control;
    if (!open_) return;
    std::lock_guard lock(Scheduler::instance().mutex());
    Scheduler::instance().backend().focusChanged(*this, focus_);
}

void Window::queue(Pending p) {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    if (!open_) return;
    events_.push_back(p);
    s.wake();
}

void Window::post(int event, int control) {
    queue({event, control, 0, 0, 0});
}

void Window::postInput(Input input) {
    std::lock_guard lock(Scheduler::instance().mutex());
    queueInput(std::move(input));
}

bool Window::postInputIfOpen(Window* window, Input input, std::uint64_t opening) {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    // Every open window is in the z-order, and closing takes this lock: a window found
    // there cannot be destroyed before the input is queued.
    const auto& z = s.zOrder();
    if (std::find(z.begin(), z.end(), window) == z.end()) return false;
    if (opening != 0 && window->openingId_ != opening) return false;
    return window->queueInput(std::move(input));
}

bool Window::queueInput(Input input) {
    Scheduler& s = Scheduler::instance();
    if (!open_) return false;
    auto* mine = s.windowsOfThread(thread_);
    if (!mine || mine->empty() || mine->back() != this) return false;
    if (input.kind == Input::Kind::Timer) {
        // Timer events do not pile up while the procedure is busy.
        for (const auto& e : events_)
            if (e.event == EVENT::Timer) return false;
        for (const auto& i : inputs_)
            if (i.kind == Input::Kind::Timer) return false;
    }
    inputs_.push_back(std::move(input));
    s.wake();
    return true;
}

bool Window::hasWork() const {
    return !events_.empty() || !inputs_.empty() || passActive_ ||
           Scheduler::instance().programEnding();
}

bool Window::accept() {
    if (hasCurrent_) {
        hasCurrent_ = false;
        if (!consumed_) defaultAction(current_);
    }
    // The procedure may have refilled a list's rows behind the model's back: the backend
    // reads them again before the user sees the window.
    for (const auto& c : controls_)
        if (c.structure.kind == ControlKind::List) changed(c.structure.number);
    Scheduler& s = Scheduler::instance();
    std::unique_lock lock(s.mutex());
    for (;;) {
        if (!open_) return false;
        if (s.programEnding()) {
            // The program is ending: the procedure sees CloseDown once, then the window
            // closes whatever it answers.
            if (!closeDownSeen_) {
                closeDownSeen_ = true;
                current_ = {EVENT::CloseDown, 0, 0, 0, 0};
                break;
            }
            lock.unlock();
            close();
            return false;
        }
        if (!events_.empty()) {
            current_ = events_.front();
            events_.pop_front();
            break;
        }
        if (!inputs_.empty()) {
            Input in = std::move(inputs_.front());
            inputs_.pop_front();
            lock.unlock();
            applyInput(in);
            lock.lock();
            continue;
        }
        if (passActive_) {
            lock.unlock();
            stepPass();
            lock.lock();
            continue;
        }
        s.waitUntil(lock, [this] { return !open_ || hasWork(); });
    }
    lock.unlock();
    if (current_.event == EVENT::Timer) lastTimer_ = std::chrono::steady_clock::now();
    hasCurrent_ = true;
    consumed_ = false;
    setKeyCode(current_.key, current_.character);
    return true;
}

bool Window::timerDue() {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    if (structure_.timer <= 0 || s.backend().keepsProgramTime()) return true;
    for (const auto& i : inputs_)
        if (i.kind == Input::Kind::Timer) return true;
    return std::chrono::steady_clock::now() - lastTimer_ >=
           std::chrono::milliseconds(structure_.timer * 10);
}

void Window::defaultAction(const Pending& p) {
    switch (p.event) {
        case EVENT::CloseWindow:
        case EVENT::CloseDown:
            close();
            break;
        case EVENT::Accepted:
            if (const ControlState* c = find(p.control);
                c && c->structure.action == StandardAction::Close)
                post(EVENT::CloseWindow);
            break;
        case EVENT::Rejected:
            if (find(p.control)) setFocus(p.control);
            break;
        default:
            break;
    }
}

void Window::select(int control) {
    if (control == 0) {
        acceptAll();
        return;
    }
    ControlState* c = find(control);
    if (!c) return;
    passActive_ = false;
    selectedAt_ = std::chrono::steady_clock::now();
    // Bring the tab the control is on (or the tab itself) to the front of its sheet.
    for (ControlState* p = c; p; p = find(p->structure.parent)) {
        if (p->structure.kind != ControlKind::Tab) continue;
        if (ControlState* sheet = find(p->structure.parent)) {
            int index = 0;
            for (const auto& t : controls_)
                if (t.structure.kind == ControlKind::Tab &&
                    t.structure.parent == sheet->structure.number) {
                    ++index;
                    if (t.structure.number == p->structure.number && sheet->choice != index) {
                        sheet->choice = index;
                        changed(sheet->structure.number);
                    }
                }
        }
    }
    setFocus(control);
    post(EVENT::Selected, control);
}

void Window::acceptAll() {
    passActive_ = true;
    passNext_ = 0;
    if (open_) {
        std::lock_guard lock(Scheduler::instance().mutex());
        Scheduler::instance().wake();
    }
}

void Window::stepPass() {
    while (passNext_ < controls_.size()) {
        ControlState& c = controls_[passNext_++];
        switch (c.structure.kind) {
            case ControlKind::Entry:
            case ControlKind::Text:
            case ControlKind::Spin:
            case ControlKind::Combo:
            case ControlKind::DropList:
            case ControlKind::Check:
            case ControlKind::Option:
                break;
            default:
                continue;
        }
        int number = c.structure.number;
        // Controls on a tab behind another are checked too; hidden ones are not.
        if (isHidden(number) || !isEnabled(number) || c.structure.readOnly) continue;
        int detail = 0;
        if (!checkControl(c, detail)) {
            passActive_ = false;
            queue({EVENT::Rejected, number, 0, 0, detail});
            return;
        }
        queue({EVENT::Accepted, number, 0, 0, 0});
        return;
    }
    passActive_ = false;
    queue({EVENT::Completed, 0, 0, 0, 0});
}

void Window::display(int control) {
    for (auto& c : controls_) {
        if (control != 0 && c.structure.number != control) continue;
        showValue(c);
        changed(c.structure.number);
    }
}

int Window::choice(int control) const {
    const ControlState* c = find(control);
    if (!c) return 0;
    return c->structure.kind == ControlKind::List ? c->selectedRow : c->choice;
}

std::vector<int> Window::controlNumbers() const {
    std::vector<int> out;
    for (const auto& c : controls_)
        out.push_back(c.structure.number);
    return out;
}

ControlKind Window::kind(int control) const {
    const ControlState* c = find(control);
    return c ? c->structure.kind : ControlKind::String;
}

int Window::create(ControlKind kind, int parent, int number) {
    if (number == 0) {
        number = 1;
        for (const auto& c : controls_)
            number = std::max(number, c.structure.number + 1);
    } else if (find(number)) {
        return 0;
    }
    ControlState c;
    c.structure.number = number;
    c.structure.kind = kind;
    c.structure.parent = parent;
    if (kind == ControlKind::Sheet) c.choice = 1;
    controls_.push_back(std::move(c));
    if (open_) {
        std::lock_guard lock(Scheduler::instance().mutex());
        Scheduler::instance().backend().controlCreated(*this, number);
    }
    return number;
}

void Window::destroy(int control) {
    auto it = std::find_if(controls_.begin(), controls_.end(), [control](const ControlState& c) {
        return c.structure.number == control;
    });
    if (it == controls_.end()) return;
    std::size_t index = static_cast<std::size_t>(it - controls_.begin());
    controls_.erase(it);
    if (passNext_ > index) --passNext_;
    if (focus_ == control) focus_ = 0;
    if (open_) {
        std::lock_guard lock(Scheduler::instance().mutex());
        Scheduler::instance().backend().controlDestroyed(*this, control);
    }
}

bool Window::isVisible(int control) const {
    const ControlState* c = find(control);
    for (int guard = 0; c && guard < 64; ++guard) {
        if (c->structure.hidden) return false;
        const ControlState* parent = find(c->structure.parent);
        if (!parent) return true;
        // The contents of a tab show only while the tab is in front; the tab itself shows.
        if (parent->structure.kind == ControlKind::Tab && !tabInFront(*parent)) return false;
        c = parent;
    }
    return c != nullptr;
}

bool Window::tabInFront(const ControlState& tab) const {
    const ControlState* sheet = find(tab.structure.parent);
    if (!sheet) return true;
    int index = 0;
    for (const auto& t : controls_)
        if (t.structure.kind == ControlKind::Tab && t.structure.parent == sheet->structure.number) {
            ++index;
            if (&t == &tab) return index == sheet->choice;
        }
    return false;
}

bool Window::isHidden(int control) const {
    const ControlState* c = find(control);
    for (int guard = 0; c && guard < 64; ++guard) {
        if (c->structure.hidden) return true;
        c = find(c->structure.parent);
    }
    return false;
}

bool Window::isEnabled(int control) const {
    const ControlState* c = find(control);
    for (int guard = 0; c && guard < 64; ++guard) {
        if (c->structure.disabled) return false;
        c = find(c->structure.parent);
    }
    return true;
}

void Window::addAlertKey(int control, int key) {
    ControlState* c = control == 0 ? nullptr : find(control);
    if (control != 0 && !c) return;
    std::vector<int>& keys = c ? c->structure.alertKeys : structure_.alertKeys;
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
}

void Window::removeAlertKey(int control, int key) {
    if (control == 0) {
        std::erase(structure_.alertKeys, key);
    } else if (ControlState* c = find(control)) {
        std::erase(c->structure.alertKeys, key);
    }
}

bool Window::isAlertKey(int control, int key) const {
    const std::vector<int>* keys = &structure_.alertKeys;
    if (control != 0) {
        const ControlState* c = find(control);
        if (!c) return false;
        keys = &c->structure.alertKeys;
    }
    return std::find(keys->begin(), keys->end(), key) != keys->end();
}

std::string Window::status(int zone) const {
    return zone >= 1 && zone <= static_cast<int>(status_.size()) ? status_[zone - 1] : "";
}

void Window::setStatus(int zone, std::string_view text) {
    if (zone < 1) return;
    if (zone > static_cast<int>(status_.size())) status_.resize(zone);
    status_[zone - 1] = std::string(text);
    changed(0);
}

int Window::visibleRows(int control) const {
    if (!find(control)) return 0;
    if (!open_) return 0;
    std::lock_guard lock(Scheduler::instance().mutex());
    return Scheduler::instance().backend().visibleRows(*this, control);
}

}  // namespace rt
