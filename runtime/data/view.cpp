#include "runtime/data/view.h"

#include "runtime/data/cursor.h"
#include "runtime/data/errors.h"
#include "runtime/data/file_instance.h"
#include "runtime/eval/bind_scope.h"
#include "runtime/eval/filter.h"

namespace rt {

View::View(RecordFile& file) : file_(&file) {}

View::~View() {
    close();
}

int View::notOpen() {
    return detail::setError(FileError::FileNotOpen, file_->name());
}

int View::open(int /*access*/) {
    detail::clearError();
    detail::FileInstance& f = file_->instance();
    if (cursor_) return f.fail(FileError::FileAlreadyOpen);
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    FilterResult compiled = Filter::compile(filterText_);
    if (!compiled.ok()) {
        return detail::setError(FileError::InvalidFilter, f.name, 0, compiled.error.describe());
    }
    filter_ = std::make_unique<Filter>(std::move(*compiled.filter));
    instance_ = &f;
    cursor_ = std::make_unique<detail::Cursor>(f);
    cursor_->copyFrom(f.sequence);
    f.cursors.push_back(cursor_.get());
    return 0;
}

int View::close() {
    if (!cursor_) return 0;
    auto& cursors = instance_->cursors;
    std::erase(cursors, cursor_.get());
    cursor_.reset();
    filter_.reset();
    instance_ = nullptr;
    return 0;
}

int View::read(bool forward, bool load) {
    detail::clearError();
    if (!cursor_) return notOpen();
    detail::FileInstance& f = *instance_;
    if (filter_->isEmpty()) return cursor_->read(forward, load);
    // Judging a record needs it in the buffer; a read that finds none leaves the buffer as
    // it was. The copy goes into storage kept from read to read.
    if (!saved_)
        saved_ = std::make_unique<RecordBuffer>(f.buffer);
    else
        *saved_ = f.buffer;
    int code = cursor_->read(forward, true, [this] { return filter_->matches(); });
    if (code) f.buffer = *saved_;
    return code;
}

bool View::matches() const {
    return !filter_ || filter_->isEmpty() || filter_->matches();
}

int View::next() {
    return read(true, true);
}

int View::previous() {
    return read(false, true);
}

int View::skip(long count) {
    detail::clearError();
    if (!cursor_) return notOpen();
    detail::FileInstance& f = *instance_;
    RecordBuffer before = f.buffer;
    std::int64_t id = f.currentId, version = f.currentVersion;
    int code = 0;
    for (long i = 0; i < (count < 0 ? -count : count) && !code; ++i) {
        code = filter_->isEmpty()
                   ? cursor_->read(count > 0, false)
                   : cursor_->read(count > 0, true, [this] { return filter_->matches(); });
    }
    f.buffer = before;
    f.currentId = id;
    f.currentVersion = version;
    return code;
}

int View::reset(std::string_view position) {
    detail::clearError();
    if (!cursor_) return notOpen();
    int order;
    std::int64_t id;
    std::string key;
    if (int code = instance_->parsePosition(position, order, id, key)) return code;
    cursor_->setAt(order, key, key, true);
    return 0;
}

std::string View::position() {
    if (!cursor_) return {};
    detail::FileInstance& f = *instance_;
    int order = cursor_->order();
    if (f.currentId != 0 && f.currentId == cursor_->lastId())
        return f.positionOf(order, f.currentId, cursor_->lastKey());
    return f.positionOf(order, f.currentId,
                        order < 0 ? std::string() : f.keyOf(order, f.currentId));
}

int View::reget(std::string_view position) {
    if (!cursor_) {
        detail::clearError();
        return notOpen();
    }
    return file_->reget(position);
}

void bindFields(RecordFile& file) {
    const FileDecl& decl = file.decl();
    for (int i = 0; i < static_cast<int>(decl.fields().size()); ++i) {
        rt::bind(decl.fields()[i].name, [&file, i] { return file.buf().value(i); });
    }
    for (int m = 0; m < static_cast<int>(decl.memos().size()); ++m) {
        rt::bind(decl.memos()[m].name, [&file, m] { return Value(file.buf().memoText(m)); });
    }
}

}  // namespace rt
