#pragma once
// A walk through one order of a file (a key, or record order), used by the file's own
// sequence and by views. The walk remembers where it stands as the stored key of the last
// record it passed, so its SQLite statement can be closed at any moment and the walk goes on
// by seeking that key again.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>

#include "runtime/data/sqlite_statement.h"

namespace rt::detail {

class FileInstance;

class Cursor {
  public:
    explicit Cursor(FileInstance& file);
    ~Cursor();
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;

    // -1 for record order.
    int order() const { return order_; }

    void setStart(int order);  // NEXT from the first record, PREVIOUS from the last
    // Both directions start at the given stored key: with `inclusive` a record with exactly
    // that key is read first.
    void setAt(int order, const std::string& forwardKey, const std::string& backwardKey,
               bool inclusive);
    void copyFrom(const Cursor& other);

    // Reads the next record in the direction. With `load` the record goes into the buffer
    // and becomes the current record; `accept` (if given) judges each record after loading.
    // 0, 33 at the end, or another error code.
    int read(bool forward, bool load, const std::function<bool()>& accept = {});

    // The stored key and id of the last record this cursor read.
    const std::string& lastKey() const { return lastKey_; }
    std::int64_t lastId() const { return lastId_; }

    // Closes the open statement; the walk goes on by seeking its key again.
    void suspend();
    // Forgets the prepared statements (the file is closing or its columns changed).
    void dropStatements();
    // Hands the prepared statements back to the file for the next walk that needs them.
    void releaseStatements();
    // True once the walk has a place other than an end of its order.
    bool started() const { return forwardKey_.has_value() || backwardKey_.has_value(); }

    // A record this cursor may have passed was rewritten from oldKey to newKey in its order.
    void recordMoved(std::int64_t id, const std::string& oldKey, const std::string& newKey);

  private:
    enum class Anchor { None, Exclusive, Inclusive };
    Statement& statementFor(bool forward, Anchor anchor);

    FileInstance& file_;
    int order_ = -1;
    std::optional<std::string> forwardKey_;
    std::optional<std::string> backwardKey_;
    // Where the walk began: records before it were never passed.
    std::optional<std::string> forwardStart_;
    std::optional<std::string> backwardStart_;
    bool inclusive_ = false;
    bool lastForward_ = true;
    std::string lastKey_;
    std::int64_t lastId_ = 0;
    // Records rewritten behind the walk into the part still ahead: met once already.
    std::unordered_set<std::int64_t> passed_;
    struct Prepared {
        std::string sql;
        Statement statement;
    };
    std::map<int, Prepared> statements_;
    Statement* live_ = nullptr;
    bool liveForward_ = true;
};

}  // namespace rt::detail
