#include "runtime/ui/dialogs.h"

#include <filesystem>
#include <mutex>

#include "runtime/text/file_names.h"
#include "runtime/ui/popup_menu.h"
#include "runtime/ui/program.h"
#include "runtime/ui/scheduler.h"

namespace rt {
namespace {

int firstButton(int buttons) {
    for (int b = BUTTON::Ok; b <= BUTTON::Help; b <<= 1)
        if (buttons & b) return b;
    return BUTTON::Ok;
}

// Shows the dialog and waits for its answer; when the program is ending, or no program
// runs, the dialog answers `fallback` at once.
int show(const DialogPtr& dialog, int fallback) {
    Scheduler& s = Scheduler::instance();
    std::unique_lock lock(s.mutex());
    if (s.programEnding() || s.currentThread() == 0) return fallback;
    s.backend().showDialog(dialog);
    s.waitUntil(lock, [&] { return dialog->answered || s.programEnding(); });
    return dialog->answered ? dialog->answer : fallback;
}

}  // namespace

void answerDialog(const DialogPtr& dialog, int answer) {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    dialog->answer = answer;
    dialog->answered = true;
    s.wake();
}

int message(std::string_view text, std::string_view caption, int icon, int buttons,
            int defaultButton) {
    auto d = std::make_shared<Dialog>();
    d->kind = DialogKind::Message;
    d->text = std::string(text);
    d->caption = std::string(caption);
    d->icon = icon;
    d->buttons = buttons == 0 ? BUTTON::Ok : buttons;
    d->defaultButton = (defaultButton & d->buttons) ? defaultButton : firstButton(d->buttons);
    return show(d, d->defaultButton);
}

int popup(std::string_view menu) {
    auto d = std::make_shared<Dialog>();
    d->kind = DialogKind::Popup;
    d->menu = std::string(menu);
    int answer = show(d, 0);
    // Only an item that exists and is not greyed counts.
    for (const PopupItem& item : parsePopupMenu(menu))
        if (!item.separator && item.number == answer) return item.greyed ? 0 : answer;
    return 0;
}

std::vector<FileFilter> parseFileFilters(std::string_view text) {
    std::vector<FileFilter> out;
    std::vector<std::string> parts;
    while (!text.empty()) {
        std::size_t bar = text.find('|');
        parts.emplace_back(text.substr(0, bar));
        if (bar == std::string_view::npos) break;
        text.remove_prefix(bar + 1);
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        out.push_back({parts[i], parts[i + 1]});
    return out;
}

std::optional<std::string> fileDialog(std::string_view title, std::string_view filters,
                                      std::string_view suggested, bool save) {
    for (;;) {
        auto d = std::make_shared<Dialog>();
        d->kind = DialogKind::File;
        d->title = std::string(title);
        d->filters = parseFileFilters(filters);
        d->fileName = std::string(suggested);
        d->save = save;
        if (show(d, 0) != 1 || d->fileName.empty()) return std::nullopt;
        std::error_code ec;
        if (save && std::filesystem::exists(userFilePath(d->fileName), ec)) {
            int answer =
                message(shownFileName(d->fileName) + " already exists.\nDo you want to replace it?",
                        title, ICON::Exclamation, BUTTON::Yes | BUTTON::No, BUTTON::No);
            if (answer != BUTTON::Yes) {
                suggested = "";
                continue;
            }
        }
        return d->fileName;
    }
}

bool printerDialog(std::string_view title, PrinterSettings& settings) {
    auto d = std::make_shared<Dialog>();
    d->kind = DialogKind::PrinterSetup;
    d->title = std::string(title);
    d->printer = settings;
    if (show(d, 0) != 1) return false;
    settings = d->printer;
    return true;
}

void beep(int sound) {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    if (s.currentThread() != 0) s.backend().beep(sound);
}

void setCursor(int cursor) {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    if (s.currentThread() != 0) s.backend().setCursor(cursor);
}

void setClipboardText(std::string_view text) {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    if (s.currentThread() != 0) s.backend().setClipboardText(std::string(text));
}

void setProgramIcon(std::string_view name) {
    Scheduler& s = Scheduler::instance();
    std::lock_guard lock(s.mutex());
    if (s.currentThread() != 0) s.backend().setProgramIcon(std::string(name));
}

int start(std::function<void()> procedure, std::size_t stackSize) {
    return Scheduler::instance().start(std::move(procedure), stackSize);
}

int threadNumber() {
    return Scheduler::instance().currentThread();
}

void yieldEvents() {
    Scheduler::instance().yieldBaton();
}

}  // namespace rt
