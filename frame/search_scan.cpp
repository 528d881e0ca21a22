#include "frame/search_scan.h"

#include <algorithm>

#include "frame/search_start.h"
#include "frame/tagging.h"

SearchScan::SearchScan(rt::RecordFile& file, const SearchCriteria& criteria, long tagTable)
    : file_(&file), criteria_(&criteria), tagTable_(tagTable) {}

void SearchScan::start(const std::vector<KeyStart>& keyStarts, bool walkTagsWithoutKey) {
    stopField_ = 0;
    walkTags_ = false;
    ended_ = false;
    read_ = 0;
    found_ = 0;
    bool positioned = false;
    for (const KeyStart& ks : keyStarts) {
        const SearchField* f = criteria_->find(ks.control);
        if (f == nullptr || f->kind == FieldKind::Memo) continue;
        const int type = criteria_->type(ks.control);
        if (type == MATCH::Ignore) continue;
        const int field = file_->buf().field(f->name);
        if (SetSearchStart(*file_, ks.key, field, ks.control, type, stopField_)) {
            positioned = true;
            break;
        }
    }
    if (!positioned && walkTagsWithoutKey) {
        walkTags_ = true;
        total_ = CountTags_(tagTable_);
        nextTag_ = FirstTag_(tagTable_);
        return;
    }
    if (!positioned) file_->set();
    total_ = static_cast<long>(file_->records());
}

int SearchScan::percent() const {
    if (total_ <= 0) return 0;
    return static_cast<int>(std::min<long>(100, read_ * 100 / total_));
}

int SearchScan::readNext() {
    if (!walkTags_) return file_->next();
    while (nextTag_ != 0) {
        const long pointer = nextTag_;
        // The next tag is fetched at once, so that untagging this record does not disturb
        // the walk.
        nextTag_ = NextTag_(tagTable_);
        const int err = file_->getPointer(pointer);
        if (err == 0) return 0;
        // A tag whose record another station removed is skipped; nothing is tested in its
        // place.
        if (err != rt::FileError::EntryNotFound && err != rt::FileError::RecordNotAvailable)
            return err;
    }
    return rt::FileError::RecordNotAvailable;
}

SearchScan::Result SearchScan::next(const std::function<bool(int percent)>& pause) {
    if (ended_) return Result::End;
    for (;;) {
        if (read_ > 0 && read_ % 100 == 0 && pause && !pause(percent())) {
            ended_ = true;
            return Result::End;
        }
        const int err = readNext();
        if (err == rt::FileError::RecordNotAvailable) {
            ended_ = true;
            return Result::End;
        }
        if (err != 0) {
            ended_ = true;
            return Result::ReadError;
        }
        ++read_;
        if (stopField_ != 0 && !criteria_->passes(stopField_)) {
            ended_ = true;
            return Result::End;
        }
        if (!criteria_->passesAll(stopField_)) continue;
        ++found_;
        return Result::Match;
    }
}
