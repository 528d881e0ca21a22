#pragma once
// A window instance: built from a WindowStructure, it holds each control's state and properties,
// its own event queue, and runs the accept loop of the procedure that opened it:
//
//   rt::Window w(structure, resolve);     // controls bound through `resolve` by their `use` name
//   w.open();                        // shown; OpenWindow is the first event
//   while (w.accept()) {             // completes the previous event unless consumed
//       switch (w.event()) { ... }   // w.field(): the control of the event (0 for the window)
//   }                                // the loop ends when the window has closed
//
// Everything here runs on the application thread that opened the window, except post(),
// postInput() and postInputIfOpen(), which any thread may call.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/ui/binding.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/list_format.h"
#include "runtime/ui/row_source.h"
#include "runtime/ui/window_structure.h"

namespace rt {

// Finds the variable a control's `use` name stands for; nullptr leaves the control unbound.
using BindingResolver = std::function<BindingPtr(std::string_view name)>;

struct ControlState {
    ControlStructure structure;  // the structure's data, changed by properties at run time
    BindingPtr binding;
    std::string shown;  // what the control shows: entry contents, string text, combo text
    bool checked = false;
    int choice = 0;  // sheet: selected tab (from 1); option: chosen radio; drop list: item
    std::vector<std::string> items;  // combo and drop-list items
    // Lists
    RowSourcePtr rows;
    ListFormat listFormat;
    int selectedRow = 0;
    int thumb = 0;
    bool scrollBar = false;
    std::map<int, std::string> listIcons;  // icon number -> picture, for icon columns
    // Images
    std::string imageBytes;  // the picture's file contents when it came from a BLOB
    int imageWidth = 0, imageHeight = 0, hScroll = 0, vScroll = 0;
    std::string pageFile;
    int progress = 0;
    std::map<int, std::string> other;  // properties the model only keeps
};

// A copy of what a window shows, for a backend that draws on another thread: taken on the
// application thread (inside a Backend notification), then handed over.
struct WindowSnapshot {
    WindowStructure
        structure;  // title, geometry, wallpaper, timer as they are now; `controls` empty
    std::vector<std::string> status;
    int focus = 0;
    std::vector<ControlState> controls;                         // without bindings and row sources
    std::map<int, std::vector<std::vector<std::string>>> rows;  // list rows as text
    std::map<int, bool> visible, enabled;                       // by control number
};

// Input from the user, as a backend or the driver delivers it.
struct Input {
    enum class Kind {
        Press,   // button, check box, radio, tab, menu item, region
        Type,    // text typed into an entry, spin, combo or text box, then accepted
        Choose,  // row `number` (from 1) of a list, combo or drop list
        Key,     // key `number` with `character` (0 for none) to the focused control
        Click,   // mouse click on `control` (row `number` of a list): key code in `key`
        Thumb,   // a list's thumb dragged to `number` (0..100)
        Wheel,   // wheel over a list: `number` > 0 up, < 0 down
        Focus,   // the user moved the focus to `control`
        Close,   // close request from the title bar or system menu
        Timer,   // the window's timer ran out
        Resize,  // the user resized the window to `number` x `number2` dialog units
        Move,    // the window stands at `number`, `number2` dialog units on the screen
    };
    Kind kind = Kind::Key;
    int control = 0;
    std::string text;
    int number = 0;
    int number2 = 0;
    int key = 0;
    char character = 0;
    // Type: the focus stays where it is (the user already moved it, or is pressing a
    // button); otherwise it moves on to the next control as after Enter.
    bool stay = false;
    // Click on a region: where, in dialog units from the top left of the client area.
    int x = 0, y = 0;
    // Focus: when the user moved it (unset: no matter when). A control the program selected
    // after that moment keeps the focus: the program answered what the user did first.
    std::chrono::steady_clock::time_point at{};
};

class Window {
  public:
    explicit Window(const WindowStructure& structure, BindingResolver resolve = {});
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // --- binding, before or after opening ---
    void bind(int control, BindingPtr binding);
    void setRows(int control, RowSourcePtr rows);

    // --- life ---
    void open();
    bool isOpen() const { return open_; }
    void close();  // closes at once; the loop ends
    int thread() const { return thread_; }

    // --- the accept loop ---
    bool accept();
    int event() const { return current_.event; }
    int field() const { return current_.control; }
    // The control whose Accepted this is (menu items, buttons); 0 for other events.
    int accepted() const { return current_.event == EVENT::Accepted ? current_.control : 0; }
    // Extra detail of the event: for a spin's Rejected, +1 above and -1 below the range.
    int eventDetail() const { return current_.detail; }
    // Why the user's typing into `control` was refused, for a number entry ("Type a number
    // from 0.00 to 99,999.99 ..."); empty when no such refusal waits. Taking it clears it.
    std::string takeRefusal(int control);
    // The procedure has handled the event: the runtime skips its own handling.
    void consume(bool consumed = true) { consumed_ = consumed; }

    // POST: queue an event for this window's own loop (any application thread).
    void post(int event, int control = 0);
    // Input from the user (any thread). Dropped when another window of the same thread is
    // open above this one: only the innermost window of a thread takes input.
    void postInput(Input input);
    // Input for a window that its own thread may close and destroy at any moment (a GUI
    // thread, a driver): whether `window` is still open is checked under the scheduler's
    // lock before it is touched. A non-zero `opening` must also match its openingId(), so
    // a window built later at the same address is not taken for it. True when queued.
    static bool postInputIfOpen(Window* window, Input input, std::uint64_t opening = 0);
    // A number unique to this opening of the window in the process (0 before it opens).
    std::uint64_t openingId() const { return openingId_; }

    // SELECT: focus a control (its Selected event follows) and bring the tab it is on to
    // the front; select(0) starts the accept-all pass.
    void select(int control);
    // Starts the accept-all pass: every input control in turn is checked and raises
    // Accepted; the first failure raises Rejected and ends the pass; Completed when all pass.
    void acceptAll();
    bool acceptAllActive() const { return passActive_; }
    // Has the window's timer run out since the procedure took its last timer event? Work
    // paced by timer events asks before it waits, and goes on working while the answer is
    // no. Where time is the program's own (headless) time passes only while the procedure
    // waits, so the answer is always yes; so it is for a window without a timer.
    bool timerDue();
    // DISPLAY: show the bound variables again (0: every control).
    void display(int control = 0);
    int focus() const { return focus_; }
    int choice(int control) const;
    // Where the last click on a region was, in dialog units from the top left of the client
    // area (a region's MouseDown, MouseUp and Accepted come from that click).
    int mouseX() const { return mouseX_; }
    int mouseY() const { return mouseY_; }

    // --- properties (control 0 is the window) ---
    std::string propText(int control, int prop) const;
    long long prop(int control, int prop) const;
    void setProp(int control, int prop, std::string_view value);
    void setProp(int control, int prop, long long value);
    Rect position(int control) const;
    void setPosition(int control, const Rect& at);

    // --- controls ---
    std::vector<int> controlNumbers() const;
    bool hasControl(int control) const { return find(control) != nullptr; }
    ControlKind kind(int control) const;
    const ControlState* control(int control) const { return find(control); }
    // Creates a control at run time (number 0: the next free number); answers its number.
    int create(ControlKind kind, int parent = 0, int number = 0);
    void destroy(int control);
    // The user can see and reach the control: not hidden, on the selected tab, not inside
    // a hidden parent.
    bool isVisible(int control) const;
    bool isEnabled(int control) const;
    // Hidden by its own flag or a parent's (a tab behind another does not count).
    bool isHidden(int control) const;

    // Alert keys of the window (control 0) or of a control.
    void addAlertKey(int control, int key);
    void removeAlertKey(int control, int key);
    bool isAlertKey(int control, int key) const;

    // --- window data ---
    const WindowStructure& structure() const { return structure_; }
    std::string title() const { return structure_.title; }
    std::string status(int zone = 1) const;
    void setStatus(int zone, std::string_view text);

    WindowSnapshot snapshot() const;

    // The pictures of a list's icon columns by icon number (PROP:ListIcon, an array).
    void setListIcon(int control, int index, std::string_view picture);
    std::string listIcon(int control, int index) const;

    // A list row as text, columns formatted by their pictures (row from 1).
    std::vector<std::string> rowTexts(int control, int row) const;
    int visibleRows(int control) const;

  private:
    struct Pending {
        int event = 0;
        int control = 0;
        int key = 0;
        char character = 0;
        int detail = 0;
    };

    ControlState* find(int control);
    const ControlState* find(int control) const;
    void queue(Pending p);  // takes the lock
    void changed(int control);
    void setFocus(int control);
    void showValue(ControlState& c);
    void applyInput(const Input& in);
    void applyKey(int key, char character);
    void press(ControlState& c, int key);
    void typeInto(ControlState& c, const std::string& text, bool stay = false);
    void choose(ControlState& c, int row);
    bool checkControl(ControlState& c, int& detail);
    void stepPass();
    void defaultAction(const Pending& p);
    void moveFocus(int direction, int key, bool announce);
    bool focusable(const ControlState& c) const;
    bool tabInFront(const ControlState& tab) const;
    int defaultButton() const;
    void setImageFile(ControlState& c, std::string_view file);
    void setImageBytes(ControlState& c, std::string_view bytes);
    bool hasWork() const;          // under the lock
    bool queueInput(Input input);  // under the lock

    WindowStructure structure_;
    std::vector<ControlState> controls_;
    std::vector<std::string> status_;
    std::deque<Pending> events_;  // guarded by Scheduler::mutex()
    std::deque<Input> inputs_;    // guarded by Scheduler::mutex()
    Pending current_;
    bool hasCurrent_ = false;
    bool consumed_ = false;
    bool open_ = false;
    bool everOpened_ = false;
    bool closeDownSeen_ = false;
    int thread_ = 0;
    std::uint64_t openingId_ = 0;
    int focus_ = 0;
    std::chrono::steady_clock::time_point selectedAt_{};  // the program's last select()
    int mouseX_ = 0, mouseY_ = 0;
    bool passActive_ = false;
    int refusalControl_ = 0;
    std::string refusal_;
    std::chrono::steady_clock::time_point lastTimer_ = std::chrono::steady_clock::now();
    std::size_t passNext_ = 0;
    int deferRepaint_ = 0;
    int wallpaperUntiled_ = 0;
};

}  // namespace rt
