#include "runtime/data/cursor.h"

#include <unordered_set>

#include "runtime/data/errors.h"
#include "runtime/data/file_instance.h"
#include "runtime/data/key_codec.h"
#include "runtime/data/read_batch.h"
#include "runtime/data/thread_state.h"

namespace rt::detail {
namespace {

// Cursors of this thread whose statement is open between reads.
using LiveCursors = std::unordered_set<Cursor*>;

LiveCursors* liveCursors(bool create = true) {
    return ThreadState<LiveCursors>::get(create);
}

std::int64_t decodeId(const std::string& key) {
    std::uint64_t id = 0;
    for (unsigned char c : key)
        id = id << 8 | c;
    return static_cast<std::int64_t>(id);
}

}  // namespace

Cursor::Cursor(FileInstance& file) : file_(file) {}

Cursor::~Cursor() {
    releaseStatements();
}

void Cursor::setStart(int order) {
    suspend();
    if (order != order_) releaseStatements();
    order_ = order;
    forwardKey_.reset();
    backwardKey_.reset();
    forwardStart_.reset();
    backwardStart_.reset();
    inclusive_ = false;
    lastForward_ = true;
    lastKey_.clear();
    lastId_ = 0;
    passed_.clear();
}

void Cursor::setAt(int order, const std::string& forwardKey, const std::string& backwardKey,
                   bool inclusive) {
    setStart(order);
    forwardKey_ = forwardStart_ = forwardKey;
    backwardKey_ = backwardStart_ = backwardKey;
    inclusive_ = inclusive;
}

void Cursor::copyFrom(const Cursor& other) {
    setStart(other.order_);
    forwardKey_ = other.forwardKey_;
    backwardKey_ = other.backwardKey_;
    forwardStart_ = other.forwardStart_;
    backwardStart_ = other.backwardStart_;
    inclusive_ = other.inclusive_;
    lastForward_ = other.lastForward_;
    lastKey_ = other.lastKey_;
    lastId_ = other.lastId_;
}

void Cursor::suspend() {
    if (!live_) return;
    live_->reset();
    live_ = nullptr;
    if (LiveCursors* live = liveCursors(false)) live->erase(this);
}

void Cursor::dropStatements() {
    suspend();
    statements_.clear();
}

void Cursor::releaseStatements() {
    suspend();
    if (file_.isOpen()) {
        for (auto& [code, prepared] : statements_)
            file_.keepStatement(std::move(prepared.sql), std::move(prepared.statement));
    }
    statements_.clear();
}

Statement& Cursor::statementFor(bool forward, Anchor anchor) {
    int code = (forward ? 0 : 3) + static_cast<int>(anchor);
    Prepared& prepared = statements_[code];
    Statement& s = prepared.statement;
    if (s) return s;
    std::string column = order_ < 0 ? "id" : keyColumn(order_);
    std::string sql = "SELECT " + file_.selectColumns;
    if (order_ >= 0) sql += ", " + column;
    sql += " FROM rec";
    if (anchor != Anchor::None) {
        const char* op = forward ? (anchor == Anchor::Inclusive ? " >= " : " > ")
                                 : (anchor == Anchor::Inclusive ? " <= " : " < ");
        sql += " WHERE " + column + op + "?1";
    }
    sql += " ORDER BY " + column + (forward ? " ASC" : " DESC");
    s = file_.takeStatement(sql);
    if (!s) s.prepare(file_.db, sql);
    prepared.sql = std::move(sql);
    return s;
}

int Cursor::read(bool forward, bool load, const std::function<bool()>& accept) {
    FileInstance& f = file_;
    if (load) f.forgetCurrent();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    if (live_ && liveForward_ != forward) suspend();
    if (!live_) {
        const std::optional<std::string>& anchor = forward ? forwardKey_ : backwardKey_;
        Anchor kind = !anchor ? Anchor::None : inclusive_ ? Anchor::Inclusive : Anchor::Exclusive;
        Statement& s = statementFor(forward, kind);
        if (!s) return f.failSqlite(sqlite3_errcode(f.db));
        if (anchor) {
            if (order_ < 0)
                s.bind(1, decodeId(*anchor));
            else
                s.bindBlob(1, *anchor);
        }
        live_ = &s;
        liveForward_ = forward;
        if (LiveCursors* live = liveCursors()) live->insert(this);
    }
    lastForward_ = forward;
    const int keyColumnIndex = 3 + static_cast<int>(f.decl.memos().size() + f.decl.blobs().size());
    for (;;) {
        int rc = live_->step();
        if (rc != SQLITE_ROW) {
            suspend();
            if (load) f.forgetCurrent();
            if (rc == SQLITE_DONE) return f.fail(FileError::RecordNotAvailable);
            return f.failSqlite(rc);
        }
        std::int64_t id = live_->integer(0);
        // The key goes into strings that keep their room from row to row.
        if (!forwardKey_) forwardKey_.emplace();
        if (order_ < 0)
            *forwardKey_ = keycodec::encodeId(id);
        else
            forwardKey_->assign(live_->blob(keyColumnIndex));
        backwardKey_ = forwardKey_;
        inclusive_ = false;
        if (passed_.count(id)) continue;
        if (load) f.loadRow(*live_);
        if (accept && !accept()) continue;
        lastKey_ = *forwardKey_;
        lastId_ = id;
        // Inside a read batch the statement stays open too: the batch holds the read lock
        // anyway and ends the statement with its transaction.
        if (!f.quickScan && !f.readTxOpen) suspend();
        return 0;
    }
}

void Cursor::recordMoved(std::int64_t id, const std::string& oldKey, const std::string& newKey) {
    if (order_ < 0) return;
    const std::optional<std::string>& at = lastForward_ ? forwardKey_ : backwardKey_;
    const std::optional<std::string>& start = lastForward_ ? forwardStart_ : backwardStart_;
    if (!at) return;
    const std::string& p = *at;
    bool passed, ahead;
    if (lastForward_) {
        passed = (inclusive_ ? oldKey < p : oldKey <= p) && (!start || oldKey >= *start);
        ahead = inclusive_ ? newKey >= p : newKey > p;
    } else {
        passed = (inclusive_ ? oldKey > p : oldKey >= p) && (!start || oldKey <= *start);
        ahead = inclusive_ ? newKey <= p : newKey < p;
    }
    if (passed && ahead) passed_.insert(id);
}

}  // namespace rt::detail

namespace rt {

void suspendRecordScans() {
    detail::endReadBatches();
    // suspend() removes the cursor from the set, so take a copy first.
    detail::LiveCursors* live = detail::liveCursors(false);
    if (!live) return;
    detail::LiveCursors copy = *live;
    for (detail::Cursor* c : copy)
        c->suspend();
}

}  // namespace rt
