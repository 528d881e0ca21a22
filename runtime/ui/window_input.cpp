// User input on a window: presses, typing, choices, keys and the mouse become events;
// bound variables are shown and stored through their pictures.
#include <algorithm>
#include <mutex>
#include <optional>
#include <utility>

#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"
#include "runtime/text/picture.h"
#include "runtime/ui/backend.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/popup_menu.h"
#include "runtime/ui/scheduler.h"
#include "runtime/ui/window.h"

namespace rt {
namespace {

std::string shownText(const Value& value, const std::string& picture) {
    return picture.empty() ? value.asText() : format(value, picture);
}

// A number grouped in thousands, with the range's places: "99,999.99".
std::string rangeNumber(const Decimal& value, int places) {
    const std::string text = format(Value(value), "@n-40." + std::to_string(places));
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// What a number entry takes, for the message that refuses a typed value: the numbers both
// its picture shows and its variable holds.
std::string numberRefusal(const std::string& picture, const Binding* binding) {
    std::optional<NumberRange> range = numberPictureRange(picture);
    if (!range) return {};
    if (binding)
        if (const std::optional<NumberRange> held = binding->numberRange()) {
            range->lowest = std::max(range->lowest, held->lowest);
            range->highest = std::min(range->highest, held->highest);
            range->places = std::min(range->places, held->places);
        }
    const std::string from = rangeNumber(range->lowest, range->places);
    const std::string to = rangeNumber(range->highest, range->places);
    if (range->places == 0) return "Type a whole number from " + from + " to " + to + ".";
    return "Type a number from " + from + " to " + to + ", with at most " +
           std::to_string(range->places) +
           (range->places == 1 ? " decimal place." : " decimal places.");
}

bool sameText(std::string_view a, std::string_view b) {
    return compareText(a, b) == 0;
}

bool isListScrollKey(int key, int& event) {
    switch (key) {
        case KEY::Up:
            event = EVENT::ScrollUp;
            return true;
        case KEY::Down:
            event = EVENT::ScrollDown;
            return true;
        case KEY::PgUp:
            event = EVENT::PageUp;
            return true;
        case KEY::PgDn:
            event = EVENT::PageDown;
            return true;
        case KEY::CtrlPgUp:
        case KEY::CtrlHome:
            event = EVENT::ScrollTop;
            return true;
        case KEY::CtrlPgDn:
        case KEY::CtrlEnd:
            event = EVENT::ScrollBottom;
            return true;
        default:
            return false;
    }
}

}  // namespace

void Window::showValue(ControlState& c) {
    if (!c.binding) return;
    Value v = c.binding->get();
    switch (c.structure.kind) {
        case ControlKind::Check:
            c.checked = c.structure.checkedUnlessBlank
                            ? !clip(v.asText()).empty()
                            : sameText(v.asText(), c.structure.trueValue);
            break;
        case ControlKind::Option: {
            c.choice = 0;
            int index = 0;
            for (const auto& r : controls_)
                if (r.structure.kind == ControlKind::Radio &&
                    r.structure.parent == c.structure.number) {
                    ++index;
                    if (sameText(withoutMnemonic(r.structure.text), v.asText())) c.choice = index;
                }
            break;
        }
        case ControlKind::Combo:
        case ControlKind::DropList: {
            c.shown = shownText(v, c.structure.picture);
            c.choice = 0;
            for (std::size_t i = 0; i < c.items.size(); ++i)
                if (sameText(c.items[i], v.asText())) c.choice = static_cast<int>(i) + 1;
            break;
        }
        case ControlKind::Progress:
            c.progress = static_cast<int>(v.asNumber().toInteger());
            break;
        case ControlKind::List:
        case ControlKind::Image:
            break;
        default:
            c.shown = shownText(v, c.structure.picture);
            break;
    }
}

namespace {

bool takesFocusOnClick(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::Entry:
        case ControlKind::Text:
        case ControlKind::Spin:
        case ControlKind::Combo:
        case ControlKind::DropList:
        case ControlKind::Check:
        case ControlKind::Radio:
            return true;
        default:
            return false;
    }
}

}  // namespace

void Window::applyInput(const Input& in) {
    ControlState* c = find(in.control);
    auto usable = [&] {
        return c && isVisible(c->structure.number) && isEnabled(c->structure.number);
    };
    switch (in.kind) {
        case Input::Kind::Press:
            if (usable()) press(*c, KEY::LeftClick);
            break;
        case Input::Kind::Type:
            if (usable() && !c->structure.readOnly) typeInto(*c, in.text, in.stay);
            break;
        case Input::Kind::Choose:
            if (usable()) choose(*c, in.number);
            break;
        case Input::Kind::Key:
            applyKey(in.key, in.character);
            break;
        case Input::Kind::Click:
            if (in.control == 0) {
                if (isAlertKey(0, in.key)) queue({EVENT::AlertKey, 0, in.key, 0, 0});
            } else if (usable()) {
                if (c->structure.kind == ControlKind::Region) {
                    mouseX_ = in.x;
                    mouseY_ = in.y;
                }
                if (c->structure.kind == ControlKind::List) {
                    int rows = c->rows ? c->rows->rowCount() : 0;
                    if (in.number >= 1 && in.number <= rows) c->selectedRow = in.number;
                    setFocus(c->structure.number);
                    if (in.key == KEY::LeftDoubleClick || isAlertKey(c->structure.number, in.key)) {
                        if (isAlertKey(c->structure.number, in.key))
                            queue({EVENT::AlertKey, c->structure.number, in.key, 0, 0});
                        else
                            queue({EVENT::Accepted, c->structure.number, in.key, 0, 0});
                    } else {
                        queue({EVENT::NewSelection, c->structure.number, in.key, 0, 0});
                    }
                } else if (isAlertKey(c->structure.number, in.key)) {
                    queue({EVENT::AlertKey, c->structure.number, in.key, 0, 0});
                } else if (isAlertKey(0, in.key)) {
                    queue({EVENT::AlertKey, 0, in.key, 0, 0});
                } else {
                    // A clicked control takes the focus first, as on the desktop: Selected,
                    // then what the click does (a button's Accepted). A pressed button, by
                    // its key or the driver's press step, leaves the focus where it is.
                    if (takesFocusOnClick(c->structure.kind) && focus_ != c->structure.number) {
                        setFocus(c->structure.number);
                        queue({EVENT::Selected, focus_, 0, 0, 0});
                    }
                    press(*c, in.key);
                }
            }
            break;
        case Input::Kind::Thumb:
            if (usable() && c->structure.kind == ControlKind::List) {
                c->thumb = std::clamp(in.number, 0, 100);
                queue({EVENT::ScrollDrag, c->structure.number, 0, 0, 0});
            }
            break;
        case Input::Kind::Wheel:
            if (usable() && c->structure.kind == ControlKind::List)
                queue({in.number > 0 ? EVENT::ScrollUp : EVENT::ScrollDown, c->structure.number, 0,
                       0, 0});
            break;
        case Input::Kind::Focus:
            // The user's Tab left a field whose acceptance the program answered by selecting
            // a control: the focus stays there, and the screen is told so again.
            if (in.at != std::chrono::steady_clock::time_point{} && in.at < selectedAt_) {
                std::lock_guard lock(Scheduler::instance().mutex());
                if (open_) Scheduler::instance().backend().focusChanged(*this, focus_);
                break;
            }
            if (usable() && focus_ != c->structure.number) {
                setFocus(c->structure.number);
                queue({EVENT::Selected, focus_, 0, 0, 0});
            }
            break;
        case Input::Kind::Close:
            queue({EVENT::CloseWindow, 0, 0, 0, 0});
            break;
        case Input::Kind::Timer:
            queue({EVENT::Timer, 0, 0, 0, 0});
            break;
        case Input::Kind::Resize:
            structure_.at.width = std::max(in.number, structure_.minWidth);
            structure_.at.height = std::max(in.number2, structure_.minHeight);
            changed(0);
            queue({EVENT::Sized, 0, 0, 0, 0});
            break;
        case Input::Kind::Move:
            structure_.at.x = in.number;
            structure_.at.y = in.number2;
            structure_.centered = false;
            changed(0);
            break;
    }
}

void Window::press(ControlState& c, int key) {
    int number = c.structure.number;
    switch (c.structure.kind) {
        case ControlKind::Button:
            queue({EVENT::Accepted, number, key, 0, 0});
            break;
        case ControlKind::Region:
            // A click on a region: the mouse goes down and up, then the region is accepted.
            queue({EVENT::MouseDown, number, key, 0, 0});
            queue({EVENT::MouseUp, number, key, 0, 0});
            queue({EVENT::Accepted, number, key, 0, 0});
            break;
        case ControlKind::Item:
            if (c.structure.separator) return;
            if (c.structure.checkItem) {
                c.checked = !c.checked;
                changed(number);
            }
            queue({EVENT::Accepted, number, key, 0, 0});
            break;
        case ControlKind::Check:
            c.checked = !c.checked;
            if (c.binding)
                c.binding->set(Value(c.checked ? c.structure.trueValue : c.structure.falseValue));
            changed(number);
            setFocus(number);
            queue({EVENT::Accepted, number, key, 0, 0});
            break;
        case ControlKind::Radio:
            if (ControlState* option = find(c.structure.parent)) {
                int index = 0;
                for (const auto& r : controls_)
                    if (r.structure.kind == ControlKind::Radio &&
                        r.structure.parent == option->structure.number) {
                        ++index;
                        if (r.structure.number == number) option->choice = index;
                    }
                if (option->binding) option->binding->set(Value(withoutMnemonic(c.structure.text)));
                changed(option->structure.number);
                setFocus(number);
                queue({EVENT::Accepted, option->structure.number, key, 0, 0});
            }
            break;
        case ControlKind::Tab:
            if (ControlState* sheet = find(c.structure.parent)) {
                int index = 0, chosen = 0;
                for (const auto& t : controls_)
                    if (t.structure.kind == ControlKind::Tab &&
                        t.structure.parent == sheet->structure.number) {
                        ++index;
                        if (t.structure.number == number) chosen = index;
                    }
                if (chosen == sheet->choice) return;
                queue({EVENT::TabChanging, sheet->structure.number, key, 0, 0});
                sheet->choice = chosen;
                changed(sheet->structure.number);
                queue({EVENT::NewSelection, sheet->structure.number, key, 0, 0});
            }
            break;
        default:
            break;
    }
}

std::string Window::takeRefusal(int control) {
    if (control != refusalControl_) return {};
    refusalControl_ = 0;
    return std::exchange(refusal_, {});
}

bool Window::checkControl(ControlState& c, int& detail) {
    detail = 0;
    if (c.structure.kind == ControlKind::Check || c.structure.kind == ControlKind::Option) {
        return !(c.structure.required && c.structure.kind == ControlKind::Option && c.choice == 0);
    }
    std::string text = c.shown;
    Value value(text);
    if (!c.structure.picture.empty()) {
        DeformatResult r = deformat(text, c.structure.picture);
        if (!r.ok) return false;
        value = r.value;
    }
    if (c.structure.kind == ControlKind::Spin && c.structure.rangeLow != c.structure.rangeHigh) {
        Decimal n = value.asNumber();
        if (n < Decimal(static_cast<long long>(c.structure.rangeLow))) {
            detail = -1;
            return false;
        }
        if (n > Decimal(static_cast<long long>(c.structure.rangeHigh))) {
            detail = 1;
            return false;
        }
    }
    if (c.structure.kind == ControlKind::DropList && !c.items.empty() && c.choice == 0 &&
        c.structure.required)
        return false;
    // A required control fails when it shows no text at all (a zero shown as "0.00" is
    // text; a picture that blanks zero shows none).
    if (c.structure.required && clip(text).empty()) return false;
    return true;
}

void Window::typeInto(ControlState& c, const std::string& typed, bool stay) {
    int number = c.structure.number;
    std::string text = c.structure.upper ? upper(typed) : typed;
    if (!stay) setFocus(number);
    switch (c.structure.kind) {
        case ControlKind::Entry:
        case ControlKind::Text:
        case ControlKind::Spin:
        case ControlKind::Combo:
            break;
        default:
            return;
    }
    c.shown = text;
    int detail = 0;
    Value value(text);
    bool ok = true;
    // A number entry refuses what its picture cannot show and places it does not keep, and
    // says what it takes.
    const bool numberEntry = c.structure.kind != ControlKind::Spin &&
                             describePicture(c.structure.picture).kind == PictureKind::Number;
    if (!c.structure.picture.empty()) {
        DeformatResult r = deformat(text, c.structure.picture);
        ok = r.ok && !(numberEntry && r.placesDropped);
        value = r.value;
        if (!ok && numberEntry) {
            refusalControl_ = number;
            refusal_ = numberRefusal(c.structure.picture, c.binding.get());
        }
    } else if (c.structure.kind == ControlKind::Spin) {
        value = Value(textToNumber(text));
    }
    if (ok && c.structure.kind == ControlKind::Spin) {
        // Out of range: rejected, telling the procedure which way.
        ControlStructure& s = c.structure;
        if (s.rangeLow != s.rangeHigh) {
            Decimal n = value.asNumber();
            if (n < Decimal(static_cast<long long>(s.rangeLow))) detail = -1;
            if (n > Decimal(static_cast<long long>(s.rangeHigh))) detail = 1;
            ok = detail == 0;
        }
    }
    // A value its variable cannot hold (a number too large for its field) is refused too.
    if (ok && c.binding) {
        ok = c.binding->set(value);
        if (!ok && numberEntry) {
            refusalControl_ = number;
            refusal_ = numberRefusal(c.structure.picture, c.binding.get());
        }
    }
    if (!ok) {
        // The focus leaves as the user tabs away; the Rejected event brings it back.
        moveFocus(1, 0, false);
        changed(number);
        queue({EVENT::Rejected, number, 0, 0, detail});
        return;
    }
    if (c.binding) {
        showValue(c);
    } else if (!c.structure.picture.empty()) {
        c.shown = format(value, c.structure.picture);
    }
    if (c.structure.kind == ControlKind::Combo) {
        c.choice = 0;
        for (std::size_t i = 0; i < c.items.size(); ++i)
            if (sameText(c.items[i], text)) c.choice = static_cast<int>(i) + 1;
    }
    changed(number);
    queue({EVENT::Accepted, number, 0, 0, 0});
    if (!stay) moveFocus(1, 0, true);
}

void Window::choose(ControlState& c, int row) {
    int number = c.structure.number;
    setFocus(number);
    if (c.structure.kind == ControlKind::List) {
        int rows = c.rows ? c.rows->rowCount() : 0;
        if (row < 1 || row > rows) return;
        c.selectedRow = row;
        changed(number);
        queue({EVENT::NewSelection, number, KEY::LeftClick, 0, 0});
        return;
    }
    if (c.structure.kind != ControlKind::Combo && c.structure.kind != ControlKind::DropList) return;
    if (row < 1 || row > static_cast<int>(c.items.size())) return;
    c.choice = row;
    const std::string& item = c.items[row - 1];
    if (c.binding) {
        c.binding->set(Value(item));
        showValue(c);
        c.choice = row;
    } else {
        c.shown = item;
    }
    changed(number);
    queue({EVENT::NewSelection, number, 0, 0, 0});
    queue({EVENT::Accepted, number, 0, 0, 0});
}

bool Window::focusable(const ControlState& c) const {
    switch (c.structure.kind) {
        case ControlKind::Button:
            return !c.structure.toolbar;
        case ControlKind::Entry:
        case ControlKind::Text:
        case ControlKind::Check:
        case ControlKind::Radio:
        case ControlKind::Spin:
        case ControlKind::Combo:
        case ControlKind::DropList:
        case ControlKind::List:
        case ControlKind::Sheet:
            return true;
        default:
            return false;
    }
}

int Window::defaultButton() const {
    for (const auto& c : controls_)
        if (c.structure.kind == ControlKind::Button && c.structure.isDefault &&
            isVisible(c.structure.number) && isEnabled(c.structure.number))
            return c.structure.number;
    return 0;
}

void Window::moveFocus(int direction, int key, bool announce) {
    if (controls_.empty()) return;
    int n = static_cast<int>(controls_.size());
    int start = 0;
    for (int i = 0; i < n; ++i)
        if (controls_[i].structure.number == focus_) start = i;
    for (int step = 1; step <= n; ++step) {
        const ControlState& c = controls_[((start + direction * step) % n + n) % n];
        if (focusable(c) && isVisible(c.structure.number) && isEnabled(c.structure.number)) {
            setFocus(c.structure.number);
            if (announce) queue({EVENT::Selected, focus_, key, 0, 0});
            return;
        }
    }
}

void Window::applyKey(int key, char character) {
    key = substitutedKey(key);
    // Alert keys come first (the focused control's, then the window's), then the keys
    // that press buttons and menu items.
    ControlState* f = find(focus_);
    if (f && isAlertKey(f->structure.number, key)) {
        queue({EVENT::AlertKey, f->structure.number, key, character, 0});
        return;
    }
    if (isAlertKey(0, key)) {
        queue({EVENT::AlertKey, 0, key, character, 0});
        return;
    }
    const bool textKey = f && editsText(f->structure.kind, key);
    for (auto& c : controls_)
        if (!textKey && c.structure.key == key && isVisible(c.structure.number) &&
            isEnabled(c.structure.number) &&
            (c.structure.kind == ControlKind::Button || c.structure.kind == ControlKind::Item)) {
            press(c, key);
            return;
        }
    if (f && f->structure.kind == ControlKind::List) {
        int event = 0;
        if (isListScrollKey(key, event)) {
            queue({event, f->structure.number, key, 0, 0});
            return;
        }
        if (character != 0 && (f->structure.listFlags & 0x800)) {
            queue({EVENT::AlertKey, f->structure.number, key, character, 0});
            return;
        }
    }
    switch (key) {
        case KEY::Enter:
            if (f && f->structure.kind == ControlKind::Text) return;  // a new line in the text
            // A button with the focus answers Enter itself, so Enter on "Cancel" cancels.
            if (f && f->structure.kind == ControlKind::Button && focusable(*f)) {
                press(*f, key);
                return;
            }
            if (int b = defaultButton()) {
                press(*find(b), key);
                return;
            }
            moveFocus(1, key, true);
            return;
        case KEY::Tab:
            moveFocus(1, key, true);
            return;
        case KEY::ShiftTab:
            moveFocus(-1, key, true);
            return;
        case KEY::Esc:
        case KEY::AltF4:
            queue({EVENT::CloseWindow, 0, key, 0, 0});
            return;
        case KEY::Space:
            if (f && (f->structure.kind == ControlKind::Button ||
                      f->structure.kind == ControlKind::Check ||
                      f->structure.kind == ControlKind::Radio))
                press(*f, key);
            return;
        default:
            return;
    }
}

}  // namespace rt
