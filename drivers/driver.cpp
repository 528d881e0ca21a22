#include "drivers/driver.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>
#include <mutex>
#include <sstream>

#include "runtime/text/ascii_case.h"
#include "runtime/text/fixed_text.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/popup_menu.h"
#include "runtime/ui/scheduler.h"

namespace rt {
namespace {

// A program that does not wait within this hangs. A step may run a whole print run of
// thousands of pages, under the sanitizers, on a loaded machine.
constexpr int kSettleMs = 60000;
constexpr int kTimerRounds = 100;    // quiet rounds before a wait gives up
constexpr int kTimerLimit = 100000;  // rounds at most, even while things change

std::string trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return std::string(clip(s));
}

std::string clipped(std::string_view s) {
    return std::string(clip(s));
}

bool namedByText(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::Item:
        case ControlKind::Tab:
        case ControlKind::Check:
        case ControlKind::Radio:
            return true;
        default:
            return false;
    }
}

struct ButtonName {
    int code;
    const char* name;
};
constexpr ButtonName kButtons[] = {{BUTTON::Ok, "OK"},         {BUTTON::Yes, "Yes"},
                                   {BUTTON::No, "No"},         {BUTTON::Abort, "Abort"},
                                   {BUTTON::Retry, "Retry"},   {BUTTON::Ignore, "Ignore"},
                                   {BUTTON::Cancel, "Cancel"}, {BUTTON::Help, "Help"}};

std::string buttonList(int buttons) {
    std::string out;
    for (const auto& b : kButtons)
        if (buttons & b.code) out += (out.empty() ? "" : ", ") + std::string(b.name);
    return out;
}

std::string describeDialog(const Dialog& d) {
    switch (d.kind) {
        case DialogKind::Message:
            return "message box \"" + d.caption + "\": \"" + d.text + "\" [" +
                   buttonList(d.buttons) + "]";
        case DialogKind::Popup:
            return "popup menu \"" + d.menu + "\"";
        case DialogKind::File:
            return "file dialog \"" + d.title + "\"";
        case DialogKind::PrinterSetup:
            return "printer dialog \"" + d.title + "\"";
    }
    return "dialog";
}

std::string controlValue(const Window& w, const ControlState& c) {
    switch (c.structure.kind) {
        case ControlKind::Entry:
        case ControlKind::Text:
        case ControlKind::Spin:
        case ControlKind::Combo:
        case ControlKind::DropList:
            return c.shown;
        case ControlKind::String:
            return c.binding ? c.shown : c.structure.text;
        case ControlKind::Check:
            return c.checked ? "1" : "0";
        case ControlKind::Option:
            return c.binding ? c.binding->get().asText() : std::to_string(c.choice);
        case ControlKind::List: {
            std::string out;
            for (const std::string& col : w.rowTexts(c.structure.number, c.selectedRow))
                out += (out.empty() ? "" : " | ") + trimmed(col);
            return out;
        }
        case ControlKind::Progress:
            return std::to_string(c.progress);
        case ControlKind::Image:
            return c.structure.icon.empty() ? (c.imageBytes.empty() ? "" : "(picture from memory)")
                                            : c.structure.icon;
        case ControlKind::Sheet:
            return std::to_string(c.choice);
        default:
            return c.structure.text;
    }
}

}  // namespace

ControlName ControlName::parse(std::string_view token) {
    ControlName n;
    if (token.size() >= 2 && token.front() == '"' && token.back() == '"') {
        n.by = By::Text;
        n.name = std::string(token.substr(1, token.size() - 2));
    } else if (!token.empty() && std::all_of(token.begin(), token.end(), [](char c) {
                   return std::isdigit(static_cast<unsigned char>(c));
               })) {
        n.by = By::Number;
        n.number = std::stoi(std::string(token));
    } else {
        n.by = By::Field;
        n.name = std::string(token);
    }
    return n;
}

std::string ControlName::describe() const {
    switch (by) {
        case By::Number:
            return "control " + std::to_string(number);
        case By::Text:
            return "control \"" + name + "\"";
        default:
            return "control " + name;
    }
}

Driver::Driver() = default;

Driver::~Driver() {
    try {
        if (started_ && !gaveUp_ && !ended()) finish();
    } catch (const DriverError&) {
        // A program that hangs cannot be ended from here; its threads stay blocked.
    }
}

void Driver::start(std::function<void()> programMain) {
    Scheduler::instance().startProgram(backend_, std::move(programMain));
    started_ = true;
    settle();
}

bool Driver::ended() {
    return Scheduler::instance().programEnded();
}

void Driver::settle() {
    if (!Scheduler::instance().waitIdle(kSettleMs))
        throw DriverError("the program did not come back to wait for input");
}

namespace {

// The button a close question gets when it comes back after its default was given: the
// default kept the window open (a save that fails, say), so the discarding answer is tried,
// then the others in turn.
int nextAnswer(const Dialog& d, int timesAsked) {
    if (timesAsked == 0) return d.defaultButton;
    std::vector<int> order;
    for (int b : {BUTTON::No, BUTTON::Cancel, BUTTON::Ok, BUTTON::Ignore, BUTTON::Abort,
                  BUTTON::Yes, BUTTON::Retry})
        if ((d.buttons & b) && b != d.defaultButton) order.push_back(b);
    if (order.empty()) return d.defaultButton;
    return order[static_cast<std::size_t>(timesAsked - 1) % order.size()];
}

}  // namespace

bool Driver::finish() {
    if (!started_) return true;
    // A failed scenario must end promptly, so the closing rounds have a wall-clock limit.
    constexpr auto kFinishLimit = std::chrono::seconds(3);
    auto deadline = std::chrono::steady_clock::now() + kFinishLimit;
    std::map<std::string, int> asked;  // message text -> times answered
    for (int round = 0; round < 200 && !ended(); ++round) {
        if (std::chrono::steady_clock::now() > deadline) break;
        settle();
        if (ended()) break;
        auto dialogs = backend_.pendingDialogs();
        if (!dialogs.empty()) {
            const Dialog& d = *dialogs.front();
            int answer = 0;
            if (d.kind == DialogKind::Message)
                answer = nextAnswer(d, asked[d.caption + "\n" + d.text]++);
            answerDialog(dialogs.front(), answer);
            continue;
        }
        if (Window* w = active()) {
            Input in;
            in.kind = Input::Kind::Close;
            Window::postInputIfOpen(w, in);
        } else {
            break;
        }
    }
    // Once the program has ended its threads are only joined; a program still running
    // after the rounds will not end, and is given up at once.
    bool done = Scheduler::instance().waitEnded(ended() ? kSettleMs : 200);
    started_ = !done;
    gaveUp_ = !done;
    return done;
}

Window* Driver::active() {
    std::lock_guard lock(Scheduler::instance().mutex());
    auto& z = Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

Window& Driver::activeOrFail() {
    settle();
    noDialogShowing();
    Window* w = active();
    if (!w) throw DriverError("no window is open");
    return *w;
}

void Driver::noDialogShowing() {
    auto dialogs = backend_.pendingDialogs();
    if (!dialogs.empty())
        throw DriverError("a " + describeDialog(*dialogs.front()) + " is showing");
}

int findControl(Window& w, const ControlName& name) {
    if (name.by == ControlName::By::Number) {
        if (!w.hasControl(name.number))
            throw DriverError("window \"" + w.title() + "\" has no " + name.describe());
        return name.number;
    }
    auto matches = [&](bool visibleOnly) {
        std::vector<int> found;
        for (int n : w.controlNumbers()) {
            const ControlState* c = w.control(n);
            if (visibleOnly && !w.isVisible(n)) continue;
            bool byText =
                name.by != ControlName::By::Field && namedByText(c->structure.kind) &&
                clipped(withoutMnemonic(c->structure.text)) == clipped(withoutMnemonic(name.name));
            bool byField = name.by != ControlName::By::Text && c->binding &&
                           equalNoCaseAscii(c->binding->name(), name.name);
            bool byUse = name.by != ControlName::By::Text && !c->binding &&
                         equalNoCaseAscii(c->structure.use, name.name) && !c->structure.use.empty();
            if (byText || byField || byUse) found.push_back(n);
        }
        return found;
    };
    std::vector<int> found = matches(true);
    if (found.empty()) found = matches(false);
    if (found.empty()) throw DriverError("window \"" + w.title() + "\" has no " + name.describe());
    if (found.size() > 1)
        throw DriverError(name.describe() + " fits " + std::to_string(found.size()) +
                          " controls of window \"" + w.title() + "\"");
    return found.front();
}

int Driver::resolve(Window& w, const ControlName& name) {
    return findControl(w, name);
}

void Driver::deliver(Window& w, Input input) {
    Window::postInputIfOpen(&w, std::move(input));
    settle();
}

// What the user sees of the active window, to tell whether a timer round changed anything.
std::string Driver::fingerprint() {
    std::ostringstream out;
    Window* w = active();
    out << w;
    if (!w) return out.str();
    out << '\n' << w->title() << '\n' << w->status(1) << '\n' << w->status(2);
    for (int n : w->controlNumbers()) {
        const ControlState* c = w->control(n);
        out << '\n' << n << ' ' << controlValue(*w, *c) << ' ' << c->structure.hidden;
    }
    return out.str();
}

// Lets time pass while every thread waits, until `done` holds; gives up after
// kTimerRounds timer rounds in which nothing the user sees changed (or no timer is left).
template <typename Done>
bool Driver::letTimePass(Done done) {
    std::string last = fingerprint();
    for (int quiet = 0, total = 0; quiet <= kTimerRounds && total < kTimerLimit; ++total) {
        settle();
        if (done()) return true;
        if (ended() || !backend_.fireNextTimer()) return false;
        settle();
        std::string now = fingerprint();
        quiet = now == last ? quiet + 1 : 0;
        last = std::move(now);
    }
    return false;
}

std::vector<DialogPtr> Driver::waitForDialog() {
    // A dialog may come only after the program's timers have run (a report's progress
    // window).
    letTimePass([this] { return !backend_.pendingDialogs().empty(); });
    return backend_.pendingDialogs();
}

void Driver::waitWindow(std::string_view title) {
    std::string want = clipped(title);
    std::string lastSeen = "(no window)";
    bool dialog = false;
    bool found = letTimePass([&] {
        if (!backend_.pendingDialogs().empty()) return dialog = true;
        Window* w = active();
        if (!w) return false;
        std::string seen = w->title().empty() ? clipped(w->status(1)) : clipped(w->title());
        lastSeen = "\"" + seen + "\"";
        return seen == want;
    });
    if (dialog)
        throw DriverError("a " + describeDialog(*backend_.pendingDialogs().front()) +
                          " is showing, not window \"" + want + "\"");
    if (found) return;
    if (ended()) throw DriverError("the program has ended; last window: " + lastSeen);
    throw DriverError("window \"" + want + "\" did not come; the active window is " + lastSeen);
}

void Driver::press(const ControlName& name) {
    Window& w = activeOrFail();
    int n = resolve(w, name);
    const ControlState* c = w.control(n);
    switch (c->structure.kind) {
        case ControlKind::Button:
        case ControlKind::Item:
        case ControlKind::Tab:
        case ControlKind::Check:
        case ControlKind::Radio:
        case ControlKind::Region:
            break;
        default:
            throw DriverError(name.describe() + " is a " + controlKindName(c->structure.kind) +
                              ", which cannot be pressed");
    }
    if (!w.isVisible(n)) throw DriverError(name.describe() + " is hidden");
    if (!w.isEnabled(n)) throw DriverError(name.describe() + " is disabled");
    if (c->structure.separator) throw DriverError(name.describe() + " is a separator");
    Input in;
    in.kind = Input::Kind::Press;
    in.control = n;
    deliver(w, in);
}

void Driver::type(const ControlName& name, std::string_view text) {
    Window& w = activeOrFail();
    int n = resolve(w, name);
    const ControlState* c = w.control(n);
    switch (c->structure.kind) {
        case ControlKind::Entry:
        case ControlKind::Spin:
        case ControlKind::Combo:
        case ControlKind::Text:
            break;
        default:
            throw DriverError(name.describe() + " is a " + controlKindName(c->structure.kind) +
                              ", which takes no typing");
    }
    if (!w.isVisible(n)) throw DriverError(name.describe() + " is hidden");
    if (!w.isEnabled(n)) throw DriverError(name.describe() + " is disabled");
    if (c->structure.readOnly) throw DriverError(name.describe() + " is read-only");
    Input in;
    in.kind = Input::Kind::Type;
    in.control = n;
    in.text = std::string(text);
    deliver(w, in);
}

void Driver::choose(const ControlName& name, int row) {
    Window& w = activeOrFail();
    int n = resolve(w, name);
    const ControlState* c = w.control(n);
    int rows = 0;
    if (c->structure.kind == ControlKind::List) {
        rows = c->rows ? c->rows->rowCount() : 0;
    } else if (c->structure.kind == ControlKind::Combo ||
               c->structure.kind == ControlKind::DropList) {
        rows = static_cast<int>(c->items.size());
    } else {
        throw DriverError(name.describe() + " is a " + controlKindName(c->structure.kind) +
                          ", which has no rows");
    }
    if (!w.isVisible(n) || !w.isEnabled(n))
        throw DriverError(name.describe() + " is hidden or disabled");
    if (row < 1 || row > rows)
        throw DriverError(name.describe() + " has " + std::to_string(rows) + " rows, not row " +
                          std::to_string(row));
    Input in;
    in.kind = Input::Kind::Choose;
    in.control = n;
    in.number = row;
    deliver(w, in);
}

void Driver::key(std::string_view keyName) {
    Window& w = activeOrFail();
    int code = keyFromName(keyName);
    if (code == 0) throw DriverError("unknown key \"" + std::string(keyName) + "\"");
    Input in;
    in.kind = Input::Kind::Key;
    in.key = code;
    if (keyName.size() == 1) in.character = keyName[0];
    if (code == KEY::Space) in.character = ' ';
    deliver(w, in);
}

void Driver::click(const ControlName& name, int row, std::string_view keyName) {
    Window& w = activeOrFail();
    int code = keyFromName(keyName);
    if (code == 0) throw DriverError("unknown click \"" + std::string(keyName) + "\"");
    Input in;
    in.kind = Input::Kind::Click;
    in.control = name.by == ControlName::By::Number && name.number == 0 ? 0 : resolve(w, name);
    in.number = row;
    in.key = code;
    deliver(w, in);
}

void Driver::clickAt(const ControlName& name, int x, int y, std::string_view keyName) {
    Window& w = activeOrFail();
    int code = keyFromName(keyName);
    if (code == 0) throw DriverError("unknown click \"" + std::string(keyName) + "\"");
    Input in;
    in.kind = Input::Kind::Click;
    in.control = resolve(w, name);
    if (w.kind(in.control) != ControlKind::Region)
        throw DriverError(name.describe() + " is no region to click at a position");
    in.key = code;
    in.x = x;
    in.y = y;
    deliver(w, in);
}

void Driver::thumb(const ControlName& name, int position) {
    Window& w = activeOrFail();
    Input in;
    in.kind = Input::Kind::Thumb;
    in.control = resolve(w, name);
    in.number = position;
    deliver(w, in);
}

void Driver::answer(std::string_view choice) {
    auto dialogs = waitForDialog();
    if (dialogs.empty()) throw DriverError("no dialog is showing to answer");
    DialogPtr d = dialogs.front();
    std::string want = clipped(withoutMnemonic(choice));
    switch (d->kind) {
        case DialogKind::Message:
            for (const auto& b : kButtons)
                if ((d->buttons & b.code) && equalNoCaseAscii(want, b.name)) {
                    answerDialog(d, b.code);
                    settle();
                    return;
                }
            throw DriverError("the " + describeDialog(*d) + " has no button \"" + want + "\"");
        case DialogKind::Popup:
            for (const PopupItem& item : parsePopupMenu(d->menu))
                if (!item.separator && clipped(withoutMnemonic(item.text)) == want) {
                    if (item.greyed) throw DriverError("popup item \"" + want + "\" is greyed");
                    answerDialog(d, item.number);
                    settle();
                    return;
                }
            throw DriverError("the " + describeDialog(*d) + " has no item \"" + want + "\"");
        case DialogKind::File:
            d->fileName = std::string(choice);
            answerDialog(d, 1);
            settle();
            return;
        case DialogKind::PrinterSetup:
            answerDialog(d, equalNoCaseAscii(want, "OK") ? 1 : 0);
            settle();
            return;
    }
}

void Driver::cancel() {
    auto dialogs = waitForDialog();
    if (dialogs.empty()) throw DriverError("no dialog is showing to cancel");
    DialogPtr d = dialogs.front();
    int answer = 0;
    if (d->kind == DialogKind::Message)
        answer = (d->buttons & BUTTON::Cancel) ? BUTTON::Cancel : d->defaultButton;
    answerDialog(d, answer);
    settle();
}

void Driver::expectMessage(std::string_view text) {
    auto dialogs = waitForDialog();
    for (const DialogPtr& d : dialogs)
        if (d->kind == DialogKind::Message && clipped(d->text) == clipped(text)) return;
    throw DriverError(dialogs.empty() ? "no message box is showing"
                                      : "showing instead: " + describeDialog(*dialogs.front()));
}

std::string Driver::text(const ControlName& name) {
    Window& w = activeOrFail();
    int n = resolve(w, name);
    return controlValue(w, *w.control(n));
}

void Driver::expectText(const ControlName& name, std::string_view text) {
    std::string actual = this->text(name);
    // Numbers stand right-aligned in their pictures: blanks on either side do not count.
    if (trimmed(actual) != trimmed(text))
        throw DriverError(name.describe() + " shows \"" + clipped(actual) + "\", not \"" +
                          clipped(text) + "\"");
}

void Driver::expectRow(const ControlName& name, int row, std::string_view text) {
    Window& w = activeOrFail();
    int n = resolve(w, name);
    const ControlState* c = w.control(n);
    if (c->structure.kind != ControlKind::List)
        throw DriverError(name.describe() + " is not a list");
    int rows = c->rows ? c->rows->rowCount() : 0;
    if (row < 1 || row > rows)
        throw DriverError(name.describe() + " has " + std::to_string(rows) + " rows, not row " +
                          std::to_string(row));
    std::string actual;
    for (const std::string& col : w.rowTexts(n, row))
        actual += (actual.empty() ? "" : " | ") + trimmed(col);
    if (clipped(actual) != clipped(text))
        throw DriverError("row " + std::to_string(row) + " of " + name.describe() + " is \"" +
                          actual + "\", not \"" + clipped(text) + "\"");
}

void Driver::expectRowCount(const ControlName& name, int count) {
    Window& w = activeOrFail();
    int n = resolve(w, name);
    const ControlState* c = w.control(n);
    if (c->structure.kind != ControlKind::List)
        throw DriverError(name.describe() + " is not a list");
    const int rows = c->rows ? c->rows->rowCount() : 0;
    if (rows != count)
        throw DriverError(name.describe() + " has " + std::to_string(rows) + " rows, not " +
                          std::to_string(count));
}

void Driver::close() {
    Window& w = activeOrFail();
    Input in;
    in.kind = Input::Kind::Close;
    deliver(w, in);
}

void Driver::timer() {
    settle();
    if (!backend_.fireNextTimer()) throw DriverError("no window has a timer");
    settle();
}

std::string Driver::dump() {
    settle();
    std::ostringstream out;
    for (const DialogPtr& d : backend_.pendingDialogs())
        out << "showing: " << describeDialog(*d) << "\n";
    Window* w = active();
    if (!w) {
        out << "no window is open\n";
        return out.str();
    }
    out << "window \"" << w->title() << "\"";
    if (!w->status(1).empty()) out << " status \"" << clipped(w->status(1)) << "\"";
    out << " focus " << w->focus() << "\n";
    for (int n : w->controlNumbers()) {
        const ControlState* c = w->control(n);
        out << "  " << n << " " << controlKindName(c->structure.kind);
        if (c->binding && !c->binding->name().empty()) {
            out << " " << c->binding->name();
        } else if (!c->structure.use.empty()) {
            out << " " << c->structure.use;
        }
        out << " \"" << trimmed(controlValue(*w, *c)) << "\"";
        if (!w->isVisible(n)) out << " hidden";
        if (!w->isEnabled(n)) out << " disabled";
        if (c->structure.required) out << " required";
        out << "\n";
        if (c->structure.kind == ControlKind::List && c->rows) {
            int rows = c->rows->rowCount();
            for (int r = 1; r <= rows; ++r) {
                std::string line;
                for (const std::string& col : w->rowTexts(n, r))
                    line += (line.empty() ? "" : " | ") + trimmed(col);
                out << "    " << (r == c->selectedRow ? "> " : "  ") << r << ": " << line << "\n";
            }
        }
    }
    return out.str();
}

}  // namespace rt
