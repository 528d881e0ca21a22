#include "frame/search_form.h"

#include <cmath>
#include <optional>
#include <string>

#include "frame/file_hooks.h"
#include "frame/globals.h"
#include "frame/input_controls.h"
#include "frame/match_windows.h"
#include "frame/open_data_file.h"
#include "frame/progress_window.h"
#include "frame/quick_scan_walk.h"
#include "frame/tag_writes.h"
#include "frame/tagging.h"
#include "frame/use_counts.h"
#include "frame/warnings.h"
#include "runtime/data/errors.h"
#include "runtime/text/picture.h"
#include "runtime/ui/dialogs.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/program.h"
#include "runtime/ui/scheduler.h"

namespace {

constexpr int kRed = 0xFF0000;

std::vector<rt::RecordFile*> filesOf(const SearchSheet& s, std::vector<rt::RecordFile*> more) {
    std::vector<rt::RecordFile*> files{s.file};
    for (rt::RecordFile* f : more)
        files.push_back(f);
    return files;
}

// While a match is shown the criteria controls are locked, option groups included.
bool isCriteriaControl(rt::ControlKind k) {
    return isValueControl(k) || k == rt::ControlKind::Option;
}

rt::Decimal decimalOf(double v) {
    return rt::Decimal::fromDouble(v, 6).value_or(rt::Decimal(0));
}

}  // namespace

SearchFormProcedure::SearchFormProcedure(const rt::WindowStructure& window, SearchSheet sheet,
                                         std::vector<rt::RecordFile*> moreFiles)
    : Procedure(window, filesOf(sheet, std::move(moreFiles))),
      sheet_(std::move(sheet)),
      criteria_(*sheet_.file, sheet_.fields) {}

int SearchFormProcedure::firstControl() const {
    return criteria_.fields().empty() ? 0 : criteria_.fields().front().control;
}

void SearchFormProcedure::setUpWindow() {
    rt::Window& w = window();
    for (const SearchField& f : criteria_.fields()) {
        const rt::Rect at = w.position(f.control);
        const int label = w.create(rt::ControlKind::String);
        w.setPosition(label, {at.x - 11, at.y, 10, at.height});
        w.setProp(label, PROP::FontColor, kRed);
        w.setProp(label, PROP::FontName, "Symbol");
        w.setProp(label, PROP::Text, "");
        labels_.emplace_back(f.control, label);
        w.addAlertKey(f.control, KEY::RightClick);
    }
    for (int control : w.controlNumbers())
        w.setProp(control, PROP::Required, 0);
    for (int control : sheet_.hiddenInSearch)
        w.setProp(control, PROP::Hide, 1);
    if (sheet_.beginButton) w.setProp(sheet_.beginButton, PROP::Default, 1);
    searchTypeText_ = w.propText(sheet_.searchTypeButton, PROP::Text);
    beginText_ = w.propText(sheet_.beginButton, PROP::Text);
    sheet_.file->clear();
    w.display();
    w.setProp(0, PROP::Text, "Enter Search Criteria");
}

void SearchFormProcedure::refreshLabel(int control) {
    for (const auto& [field, label] : labels_) {
        if (field != control) continue;
        const int type = criteria_.type(control);
        window().setProp(label, PROP::FontName, MatchSymbolIsLetter(type) ? "System" : "Symbol");
        window().setProp(label, PROP::Text, GetMatchSymbol(type));
    }
}

void SearchFormProcedure::firstEntry(int control) {
    const SearchField* f = criteria_.find(control);
    if (f == nullptr || criteria_.type(control) != MATCH::Ignore) return;
    const int type = DescribeFieldKind(f->kind).typeOnFirstEntry;
    if (type == MATCH::Ignore) {
        // A date needs its match type first: the entry is blanked again.
        sheet_.file->buf().setText(sheet_.file->buf().field(f->name), "");
        window().display(control);
    } else {
        criteria_.setType(control, type);
    }
    refreshLabel(control);
}

void SearchFormProcedure::chooseType() {
    if (current_ == 0) return;
    const SearchField* f = criteria_.find(current_);
    if (f == nullptr) return;
    const int control = current_;
    const int chosen = SelectMatchType(f->kind, criteria_.type(control));
    rt::RecordBuffer& buf = sheet_.file->buf();
    const bool memo = f->kind == FieldKind::Memo;
    if (chosen == 0) {
        criteria_.setType(control, MATCH::Ignore);
        if (memo)
            buf.setMemo(buf.memo(f->name), "");
        else
            buf.setText(buf.field(f->name), "");
        window().display(control);
    } else if (chosen == MATCH::InsideRange || chosen == MATCH::OutsideRange) {
        const bool text = f->kind == FieldKind::Text || f->kind == FieldKind::Choice ||
                          f->kind == FieldKind::Check || memo;
        const rt::Value lower =
            text ? rt::Value(criteria_.textOf(*f)) : rt::Value(decimalOf(criteria_.numberOf(*f)));
        rt::Value upper = text ? rt::Value(criteria_.limitText(control))
                               : rt::Value(decimalOf(criteria_.limitNumber(control)));
        const std::string picture = window().propText(control, PROP::Picture);
        if (EnterUpperLimit(lower, upper, picture) == 1) {
            criteria_.setType(control, chosen);
            if (text)
                criteria_.setLimitText(control, upper.asText());
            else
                criteria_.setLimitNumber(control, upper.asNumber().toDouble());
        }
    } else if (chosen == MATCH::BeginsWith && f->kind == FieldKind::NumberPicture) {
        // The divisor holds the trailing zeros the criterion shows now.
        double v = std::fabs(criteria_.numberOf(*f));
        double divisor = 1;
        while (v >= 10 && std::fmod(v, 10) == 0) {
            v /= 10;
            divisor *= 10;
        }
        criteria_.setLimitNumber(control, divisor);
        criteria_.setType(control, chosen);
    } else if (chosen > 0) {
        criteria_.setType(control, chosen);
    }
    refreshLabel(control);
    window().select(control);
}

void SearchFormProcedure::leave(long response) {
    leaving_ = true;
    LOC.Response = response;
    PostCloseWindow();
}

void SearchFormProcedure::openProgress(rt::Window& progress) {
    progress.open();
    progress.setProp(0, PROP::Text, "Searching for Matching Records");
    shownPercent_ = -1;
    shownFound_ = -1;
}

void SearchFormProcedure::showFound(const SearchScan& scan, rt::Window& progress) {
    if (scan.found() == shownFound_) return;
    shownFound_ = scan.found();
    progress.setProp(windows::ProgressControl::Heading, PROP::Text,
                     std::to_string(shownFound_) + " Found");
}

bool SearchFormProcedure::nextMatch(SearchScan& scan, rt::Window& progress) {
    using namespace windows::ProgressControl;
    if (shownFound_ < 0) showFound(scan, progress);  // the window has just opened
    const bool programTime = rt::Scheduler::instance().backend().keepsProgramTime();
    bool cancelled = false;
    auto pause = [&](int percent) {
        const bool moved = percent != shownPercent_;
        if (moved) {
            shownPercent_ = percent;
            progress.setProp(Bar, PROP::Progress, percent);
            progress.setProp(Percent, PROP::Text,
                             rt::format(rt::Value(rt::Decimal(percent)), "@N3") + "% Completed");
        }
        // Give the window system a turn once the progress window's timer has run out: wait
        // for its timer event. Where the clock is the program's own, the timer has run out
        // at every pause; the turn comes when the percentage has moved on, as that is when
        // the window has something new to show.
        if (!progress.timerDue() || (programTime && !moved)) return true;
        showFound(scan, progress);
        TagBatchPause tagBatchGoesOn;
        while (progress.accept()) {
            if (progress.accepted() == Cancel) {
                cancelled = true;
                break;
            }
            if (progress.event() == EVENT::Timer) break;
        }
        return !cancelled;
    };
    const SearchScan::Result result = scan.next(pause);
    if (result == SearchScan::Result::ReadError) {
        // The search is not finished: its partial count is no answer. The error is taken
        // before anything else is sent to the file.
        failed_ = true;
        keysDamaged_ = rt::errorCode() == rt::FileError::KeysMustBeRebuilt;
        progress.close();
        ShowWarningText(WARN::RecordRetrievalError, DisplayName(*sheet_.file));
        return false;
    }
    return result == SearchScan::Result::Match;
}

void SearchFormProcedure::endAfterReadError() {
    // Damaged keys stay damaged until rebuilt: the form offers it (No ends the program)
    // once the scan's reads are over, then closes.
    if (keysDamaged_) OfferKeyRebuild(*sheet_.file);
    leave(RESP::Cancelled);
}

bool SearchFormProcedure::nextMatchWithProgress(SearchScan& scan) {
    rt::Window progress(*sheet_.progressWindow);
    openProgress(progress);
    bool found = false;
    {
        QuickScanWalk quick(*sheet_.file);
        found = nextMatch(scan, progress);
    }
    if (progress.isOpen()) progress.close();
    if (failed_) endAfterReadError();
    return found;
}

void SearchFormProcedure::startSearch() {
    criteria_.save();
    if (criteria_.active().empty()) {
        rt::message("You must specify at least one search field!", "", ICON::Exclamation);
        return;
    }
    const long table = sheet_.tagTable;
    const bool hasTags = table != 0 && CountTags_(table) > 0;
    const int action = BeginSearch(table, hasTags);
    if (action == 0) {
        backToCriteria();
        return;
    }
    if (action == static_cast<int>(Action::Select) && hasTags &&
        rt::message("Clear old selections first?", "", ICON::Question, BUTTON::Yes + BUTTON::No) ==
            BUTTON::Yes)
        NewTag_(table);
    scan_ = std::make_unique<SearchScan>(*sheet_.file, criteria_, table);
    scan_->start(sheet_.keyStarts, action == static_cast<int>(Action::Unselect));

    if (action == static_cast<int>(Action::Edit)) {
        if (nextMatchWithProgress(*scan_)) {
            showMatch();
        } else if (!failed_) {
            rt::message("There are no matching records!", "", ICON::Exclamation);
            backToCriteria();
        }
        return;
    }

    rt::Window progress(*sheet_.progressWindow);
    openProgress(progress);
    long count = 0;
    {
        QuickScanWalk quick(*sheet_.file);
        TagWriteBatch batch;
        for (;;) {
            if (!nextMatch(*scan_, progress)) break;
            const long pointer = static_cast<long>(sheet_.file->pointer());
            if (action == static_cast<int>(Action::Select))
                SetTag_(table, pointer,
                        sheet_.file->buf().text(sheet_.tagValueField).substr(0, 10));
            else
                ClrTag_(table, pointer);
            ++count;
        }
        batch.finish();
    }
    if (failed_) {
        endAfterReadError();
        return;
    }
    progress.close();
    if (count == 0) {
        rt::message("There are no matching records!", "", ICON::Exclamation);
        backToCriteria();
        return;
    }
    leave(-count);
}

void SearchFormProcedure::runSearch() {
    run();
    if (!editFound_) return;
    GLO::Request = REQ::Change;
    try {
        sheet_.editProcedure();
    } catch (...) {
        ReleaseFile(*sheet_.file);
        throw;
    }
    ReleaseFile(*sheet_.file);
    GLO::Response = RESP::Cancelled;
}

void SearchFormProcedure::showMatch() {
    mode_ = Mode::Viewing;
    rt::Window& w = window();
    w.display();
    for (int control : w.controlNumbers())
        if (isCriteriaControl(w.kind(control))) w.setProp(control, PROP::ReadOnly, 1);
    w.setProp(sheet_.searchTypeButton, PROP::Text, "&Edit This");
    w.setProp(sheet_.beginButton, PROP::Text, "&Find Next");
}

void SearchFormProcedure::backToCriteria() {
    rt::Window& w = window();
    if (mode_ == Mode::Viewing) {
        for (int control : w.controlNumbers())
            if (isCriteriaControl(w.kind(control))) w.setProp(control, PROP::ReadOnly, 0);
        w.setProp(sheet_.searchTypeButton, PROP::Text, searchTypeText_);
        w.setProp(sheet_.beginButton, PROP::Text, beginText_);
    }
    mode_ = Mode::Criteria;
    criteria_.restore();
    w.display();
    if (int first = firstControl()) w.select(first);
}

bool SearchFormProcedure::takeEvent() {
    const int event = window().event();
    const int control = window().field();
    if (mode_ == Mode::Viewing) {
        if (event == EVENT::CloseWindow || event == EVENT::CloseDown) {
            if (leaving_ || event == EVENT::CloseDown) return false;
            backToCriteria();
            return true;
        }
        if (event != EVENT::Accepted) return false;
        if (control == sheet_.beginButton) {
            if (nextMatchWithProgress(*scan_)) {
                showMatch();
            } else if (!failed_) {
                rt::message("There are no more matching records!", "", ICON::Exclamation);
                backToCriteria();
            }
        } else if (control == sheet_.searchTypeButton) {
            if (sheet_.editThroughCaller) {
                GLO::KeptEditX = window().prop(0, PROP::Xpos);
                GLO::KeptEditY = window().prop(0, PROP::Ypos);
                leave(RESP::EditFound);
                return false;
            }
            if (sheet_.editProcedure && !editFound_) {
                // The found record stays in the buffer, its file open, until the edit.
                editFound_ = true;
                UseFile(*sheet_.file);
            }
            leave(RESP::Cancelled);
        } else if (control == sheet_.cancelButton) {
            backToCriteria();
        }
        return false;
    }
    switch (event) {
        case EVENT::Selected:
            if (isSearchField(control))
                current_ = control;
            else if (control != sheet_.searchTypeButton)
                current_ = 0;
            break;
        case EVENT::AlertKey:
            if (isSearchField(control) && rt::keyCode() == KEY::RightClick) {
                current_ = control;
                chooseType();
            }
            break;
        case EVENT::Accepted:
            if (isSearchField(control)) {
                firstEntry(control);
            } else if (control == sheet_.searchTypeButton) {
                chooseType();
            } else if (control == sheet_.beginButton) {
                startSearch();
            } else if (control == sheet_.cancelButton) {
                leave(RESP::Cancelled);
            }
            break;
        default:
            break;
    }
    return false;
}
