// Properties of windows and controls by number, positions, list rows as text, images.
#include <fstream>
#include <iterator>
#include <mutex>

#include "runtime/text/fixed_text.h"
#include "runtime/text/number_text.h"
#include "runtime/text/picture.h"
#include "runtime/ui/backend.h"
#include "runtime/ui/scheduler.h"
#include "runtime/ui/window.h"

namespace rt {
namespace {

long long toNumber(std::string_view text) {
    return textToNumber(text).toInteger();
}

// A new picture (a file or bytes, the other one empty) starts unscrolled; while the window
// is open the backend measures it.
void resetImageSize(const Window& window, ControlState& c, bool open) {
    c.imageWidth = c.imageHeight = c.hScroll = c.vScroll = 0;
    if (!open || (c.structure.icon.empty() && c.imageBytes.empty())) return;
    std::lock_guard lock(Scheduler::instance().mutex());
    if (auto size =
            Scheduler::instance().backend().pictureSize(window, c.structure.icon, c.imageBytes)) {
        c.imageWidth = size->first;
        c.imageHeight = size->second;
    }
}

}  // namespace

std::string Window::propText(int control, int prop) const {
    if (control == 0) {
        switch (prop) {
            case PROP::Text:
                return structure_.title;
            case PROP::Icon:
                return structure_.icon;
            case PROP::Cursor:
                return structure_.cursor;
            case PROP::Wallpaper:
                return structure_.wallpaper.file;
            case PROP::StatusText:
                return status(1);
            case PROP::FontName:
                return structure_.font.name;
            default:
                return std::to_string(this->prop(0, prop));
        }
    }
    const ControlState* c = find(control);
    if (!c) return "";
    switch (prop) {
        case PROP::Text:
            switch (c->structure.kind) {
                case ControlKind::Entry:
                case ControlKind::Text:
                case ControlKind::Spin:
                case ControlKind::Combo:
                case ControlKind::DropList:
                    return c->shown;
                case ControlKind::String:
                    return c->binding ? c->shown : c->structure.text;
                case ControlKind::List:
                    return c->structure.format;
                case ControlKind::Image:
                    return c->structure.icon;
                default:
                    return c->structure.text;
            }
        case PROP::Picture:
            return c->structure.picture;
        case PROP::Format:
            return c->structure.format;
        case PROP::From:
            return c->structure.from;
        case PROP::Icon:
            return c->structure.icon;
        case PROP::Tip:
            return c->structure.tip;
        case PROP::Cursor:
            return c->structure.cursor;
        case PROP::FontName:
            return c->structure.font.name;
        case PROP::PageFile:
            return c->pageFile;
        case PROP::ImageFromBlob: {
            if (!c->imageBytes.empty() || c->structure.icon.empty()) return c->imageBytes;
            std::ifstream in(c->structure.icon, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        }
        case PROP::ControlType:
            return controlKindName(c->structure.kind);
        default: {
            auto it = c->other.find(prop);
            if (it != c->other.end()) return it->second;
            return std::to_string(this->prop(control, prop));
        }
    }
}

long long Window::prop(int control, int prop) const {
    if (control == 0) {
        switch (prop) {
            case PROP::Xpos:
                return structure_.at.x;
            case PROP::Ypos:
                return structure_.at.y;
            case PROP::Width:
                return structure_.at.width;
            case PROP::Height:
                return structure_.at.height;
            case PROP::MinWidth:
                return structure_.minWidth;
            case PROP::MinHeight:
                return structure_.minHeight;
            case PROP::Timer:
                return structure_.timer;
            case PROP::Tiled:
                return structure_.wallpaper.tiled;
            case PROP::Centered:
                return structure_.wallpaper.centered;
            case PROP::AcceptAllActive:
                return passActive_ ? 1 : 0;
            case PROP::DeferRepaint:
                return deferRepaint_;
            case PROP::WallpaperUntiled:
                return wallpaperUntiled_;
            case PROP::Background:
                return structure_.background;
            case PROP::FontSize:
                return structure_.font.size;
            default:
                return 0;
        }
    }
    const ControlState* c = find(control);
    if (!c) return 0;
    switch (prop) {
        case PROP::Hide:
            return c->structure.hidden;
        case PROP::Disable:
            return c->structure.disabled;
        case PROP::Xpos:
            return c->structure.at.x;
        case PROP::Ypos:
            return c->structure.at.y;
        case PROP::Width:
            return c->structure.at.width;
        case PROP::Height:
            return c->structure.at.height;
        case PROP::Required:
            return c->structure.required;
        case PROP::ReadOnly:
            return c->structure.readOnly;
        case PROP::Upper:
            return c->structure.upper;
        case PROP::Default:
            return c->structure.isDefault;
        case PROP::Key:
            return c->structure.key;
        case PROP::RangeLow:
            return c->structure.rangeLow;
        case PROP::RangeHigh:
            return c->structure.rangeHigh;
        case PROP::Step:
            return c->structure.step;
        case PROP::VerticalThumb:
            return c->thumb;
        case PROP::SelectedRow:
            return c->selectedRow;
        case PROP::VisibleRows:
            return visibleRows(control);
        case PROP::VerticalScrollBar:
            return c->scrollBar;
        case PROP::ImageWidth:
            return c->imageWidth;
        case PROP::ImageHeight:
            return c->imageHeight;
        case PROP::HorizontalScroll:
            return c->hScroll;
        case PROP::VerticalScroll:
            return c->vScroll;
        case PROP::Progress:
            return c->progress;
        case PROP::Checked:
            return c->checked;
        case PROP::Choice:
            return choice(control);
        case PROP::FontSize:
            return c->structure.font.size;
        case PROP::FontColor:
            return c->structure.font.color;
        case PROP::Background:
            return c->structure.background;
        case PROP::ControlType:
            return static_cast<long long>(c->structure.kind);
        default: {
            auto it = c->other.find(prop);
            return it == c->other.end() ? 0 : toNumber(it->second);
        }
    }
}

void Window::setProp(int control, int prop, long long value) {
    if (control == 0) {
        switch (prop) {
            // A window placed by the program stands where it is put, no longer centred.
            case PROP::Xpos:
                structure_.at.x = static_cast<int>(value);
                structure_.centered = false;
                break;
            case PROP::Ypos:
                structure_.at.y = static_cast<int>(value);
                structure_.centered = false;
                break;
            case PROP::Width:
                structure_.at.width = static_cast<int>(value);
                break;
            case PROP::Height:
                structure_.at.height = static_cast<int>(value);
                break;
            case PROP::MinWidth:
                structure_.minWidth = static_cast<int>(value);
                break;
            case PROP::MinHeight:
                structure_.minHeight = static_cast<int>(value);
                break;
            case PROP::Tiled:
                structure_.wallpaper.tiled = value != 0;
                break;
            case PROP::Centered:
                structure_.wallpaper.centered = value != 0;
                break;
            case PROP::DeferRepaint:
                deferRepaint_ = static_cast<int>(value);
                break;
            case PROP::WallpaperUntiled:
                wallpaperUntiled_ = static_cast<int>(value);
                break;
            case PROP::Background:
                structure_.background = static_cast<int>(value);
                break;
            case PROP::FontSize:
                structure_.font.size = static_cast<int>(value);
                break;
            case PROP::Timer:
                structure_.timer = static_cast<int>(value);
                if (open_) {
                    std::lock_guard lock(Scheduler::instance().mutex());
                    Scheduler::instance().backend().timerChanged(*this, structure_.timer);
                }
                return;
            default:
                setProp(0, prop, std::string_view(std::to_string(value)));
                return;
        }
        changed(0);
        return;
    }
    ControlState* c = find(control);
    if (!c) return;
    const bool on = value != 0;
    switch (prop) {
        case PROP::Hide:
            c->structure.hidden = on;
            break;
        case PROP::Disable:
            c->structure.disabled = on;
            break;
        case PROP::Xpos:
            c->structure.at.x = static_cast<int>(value);
            break;
        case PROP::Ypos:
            c->structure.at.y = static_cast<int>(value);
            break;
        case PROP::Width:
            c->structure.at.width = static_cast<int>(value);
            break;
        case PROP::Height:
            c->structure.at.height = static_cast<int>(value);
            break;
        case PROP::Required:
            c->structure.required = on;
            break;
        case PROP::ReadOnly:
            c->structure.readOnly = on;
            break;
        case PROP::Upper:
            c->structure.upper = on;
            break;
        case PROP::Default:
            c->structure.isDefault = on;
            break;
        case PROP::Key:
            c->structure.key = static_cast<int>(value);
            break;
        case PROP::RangeLow:
            c->structure.rangeLow = static_cast<long>(value);
            break;
        case PROP::RangeHigh:
            c->structure.rangeHigh = static_cast<long>(value);
            break;
        case PROP::Step:
            c->structure.step = static_cast<long>(value);
            break;
        case PROP::VerticalThumb:
            c->thumb = static_cast<int>(std::clamp(value, 0LL, 100LL));
            break;
        case PROP::SelectedRow: {
            int rows = c->rows ? c->rows->rowCount() : 0;
            c->selectedRow = (value < 1 || value > rows) ? 0 : static_cast<int>(value);
            break;
        }
        case PROP::VerticalScrollBar:
            c->scrollBar = on;
            break;
        case PROP::HorizontalScroll:
            c->hScroll = static_cast<int>(value);
            break;
        case PROP::VerticalScroll:
            c->vScroll = static_cast<int>(value);
            break;
        case PROP::Progress:
            c->progress = static_cast<int>(value);
            break;
        case PROP::Checked:
            c->checked = on;
            break;
        case PROP::Choice:
            if (c->structure.kind == ControlKind::List) {
                setProp(control, PROP::SelectedRow, value);
                return;
            }
            c->choice = static_cast<int>(value);
            break;
        case PROP::FontSize:
            c->structure.font.size = static_cast<int>(value);
            break;
        case PROP::FontColor:
            c->structure.font.color = static_cast<int>(value);
            break;
        case PROP::Background:
            c->structure.background = static_cast<int>(value);
            break;
        case PROP::VisibleRows:
        case PROP::ControlType:
        case PROP::ImageWidth:
        case PROP::ImageHeight:
            return;  // read only
        default:
            c->other[prop] = std::to_string(value);
            break;
    }
    changed(control);
}

void Window::setProp(int control, int prop, std::string_view value) {
    if (control == 0) {
        switch (prop) {
            case PROP::Text:
                structure_.title = std::string(value);
                break;
            case PROP::Icon:
                structure_.icon = std::string(value);
                break;
            case PROP::Cursor:
                structure_.cursor = std::string(value);
                break;
            case PROP::Wallpaper:
                structure_.wallpaper.file = std::string(value);
                break;
            case PROP::StatusText:
                setStatus(1, value);
                return;
            case PROP::FontName:
                structure_.font.name = std::string(value);
                break;
            case PROP::AcceptAllActive:
                return;  // read only
            default:
                if (prop == PROP::Xpos || prop == PROP::Ypos || prop == PROP::Width ||
                    prop == PROP::Height || prop == PROP::MinWidth || prop == PROP::MinHeight ||
                    prop == PROP::Tiled || prop == PROP::Centered || prop == PROP::Timer ||
                    prop == PROP::DeferRepaint || prop == PROP::WallpaperUntiled ||
                    prop == PROP::Background || prop == PROP::FontSize) {
                    setProp(0, prop, toNumber(value));
                }
                return;
        }
        changed(0);
        return;
    }
    ControlState* c = find(control);
    if (!c) return;
    switch (prop) {
        case PROP::Text:
            switch (c->structure.kind) {
                case ControlKind::Entry:
                case ControlKind::Text:
                case ControlKind::Spin:
                case ControlKind::Combo:
                case ControlKind::DropList:
                    c->shown = std::string(value);
                    break;
                case ControlKind::List:
                    setProp(control, PROP::Format, value);
                    return;
                case ControlKind::Image:
                    setImageFile(*c, value);
                    break;
                default:
                    c->structure.text = std::string(value);
                    break;
            }
            break;
        case PROP::Picture:
            c->structure.picture = std::string(value);
            break;
        case PROP::Format:
            // A format that does not parse changes nothing.
            if (auto f = parseListFormat(value)) {
                c->structure.format = std::string(value);
                c->listFormat = *f;
            }
            break;
        case PROP::From: {
            c->structure.from = std::string(value);
            c->items.clear();
            std::string_view from = value;
            while (!from.empty()) {
                std::size_t bar = from.find('|');
                c->items.emplace_back(from.substr(0, bar));
                if (bar == std::string_view::npos) break;
                from.remove_prefix(bar + 1);
            }
            break;
        }
        case PROP::Icon:
            if (c->structure.kind == ControlKind::Image) {
                setImageFile(*c, value);
            } else {
                c->structure.icon = std::string(value);
            }
            break;
        case PROP::Tip:
            c->structure.tip = std::string(value);
            break;
        case PROP::Cursor:
            c->structure.cursor = std::string(value);
            break;
        case PROP::FontName:
            c->structure.font.name = std::string(value);
            break;
        case PROP::PageFile:
            c->pageFile = std::string(value);
            break;
        case PROP::ImageFromBlob:
            setImageBytes(*c, value);
            break;
        default: {
            long long n = toNumber(value);
            switch (prop) {
                case PROP::Hide:
                case PROP::Disable:
                case PROP::Xpos:
                case PROP::Ypos:
                case PROP::Width:
                case PROP::Height:
                case PROP::Required:
                case PROP::ReadOnly:
                case PROP::Upper:
                case PROP::Default:
                case PROP::Key:
                case PROP::RangeLow:
                case PROP::RangeHigh:
                case PROP::Step:
                case PROP::VerticalThumb:
                case PROP::SelectedRow:
                case PROP::VerticalScrollBar:
                case PROP::Progress:
                case PROP::Checked:
                case PROP::Choice:
                case PROP::FontSize:
                case PROP::FontColor:
                case PROP::Background:
                case PROP::HorizontalScroll:
                case PROP::VerticalScroll:
                    setProp(control, prop, n);
                    return;
                default:
                    c->other[prop] = std::string(value);
                    break;
            }
        }
    }
    changed(control);
}

WindowSnapshot Window::snapshot() const {
    WindowSnapshot out;
    out.structure = structure_;
    out.structure.controls.clear();
    out.status = status_;
    out.focus = focus_;
    out.controls.reserve(controls_.size());
    for (const ControlState& c : controls_) {
        ControlState copy = c;
        copy.binding.reset();
        copy.rows.reset();
        int n = c.structure.number;
        if (c.structure.kind == ControlKind::List && c.rows) {
            auto& rows = out.rows[n];
            for (int r = 1, count = c.rows->rowCount(); r <= count; ++r)
                rows.push_back(rowTexts(n, r));
        }
        out.visible[n] = isVisible(n);
        out.enabled[n] = isEnabled(n);
        out.controls.push_back(std::move(copy));
    }
    return out;
}

void Window::setListIcon(int control, int index, std::string_view picture) {
    ControlState* c = find(control);
    if (!c || c->structure.kind != ControlKind::List) return;
    c->listIcons[index] = std::string(picture);
    changed(control);
}

std::string Window::listIcon(int control, int index) const {
    const ControlState* c = find(control);
    if (!c) return "";
    auto it = c->listIcons.find(index);
    return it == c->listIcons.end() ? "" : it->second;
}

Rect Window::position(int control) const {
    if (control == 0) return structure_.at;
    const ControlState* c = find(control);
    return c ? c->structure.at : Rect{};
}

void Window::setPosition(int control, const Rect& at) {
    if (control == 0) {
        structure_.at = at;
    } else if (ControlState* c = find(control)) {
        c->structure.at = at;
    } else {
        return;
    }
    changed(control);
}

std::vector<std::string> Window::rowTexts(int control, int row) const {
    std::vector<std::string> out;
    const ControlState* c = find(control);
    if (!c || !c->rows || row < 1 || row > c->rows->rowCount()) return out;
    for (const ListColumn& column : c->listFormat.columns) {
        Value v = c->rows->field(row, column.field);
        out.push_back(column.picture.empty() ? v.asText() : format(v, column.picture));
    }
    if (c->listFormat.columns.empty()) out.push_back(c->rows->field(row, 0).asText());
    return out;
}

void Window::setImageFile(ControlState& c, std::string_view file) {
    c.structure.icon = std::string(file);
    c.imageBytes.clear();
    resetImageSize(*this, c, open_);
}

void Window::setImageBytes(ControlState& c, std::string_view bytes) {
    c.structure.icon.clear();
    c.imageBytes = std::string(bytes);
    resetImageSize(*this, c, open_);
}

const char* controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return "BUTTON";
        case ControlKind::Entry:
            return "ENTRY";
        case ControlKind::Text:
            return "TEXT";
        case ControlKind::String:
            return "STRING";
        case ControlKind::Prompt:
            return "PROMPT";
        case ControlKind::Check:
            return "CHECK";
        case ControlKind::Option:
            return "OPTION";
        case ControlKind::Radio:
            return "RADIO";
        case ControlKind::Spin:
            return "SPIN";
        case ControlKind::Combo:
            return "COMBO";
        case ControlKind::DropList:
            return "DROPLIST";
        case ControlKind::List:
            return "LIST";
        case ControlKind::Sheet:
            return "SHEET";
        case ControlKind::Tab:
            return "TAB";
        case ControlKind::Group:
            return "GROUP";
        case ControlKind::Panel:
            return "PANEL";
        case ControlKind::Box:
            return "BOX";
        case ControlKind::Line:
            return "LINE";
        case ControlKind::Region:
            return "REGION";
        case ControlKind::Image:
            return "IMAGE";
        case ControlKind::Progress:
            return "PROGRESS";
        case ControlKind::Menu:
            return "MENU";
        case ControlKind::Item:
            return "ITEM";
    }
    return "?";
}

}  // namespace rt
