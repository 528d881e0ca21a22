// Raw SQLite paging over one key column of a record file: the baseline the list benchmarks
// set beside the browse engine doing the same reads.
#pragma once

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace benchsupport {

// Pages of `rows` rows in the order of `column`, each row read with its record image,
// seeking after (or at) the last key read.
class RawKeyPages {
  public:
    // With `tagPath`, each row's tag mark is looked up too, as a tagging list shows it: the
    // tag file's pointer key (user 0, table `tagTable`, the record id), in one read
    // transaction of the tag file per page.
    RawKeyPages(const std::string& path, const std::string& column, int rows,
                const std::string& tagPath = {}, int tagTable = 0)
        : rows_(rows) {
        tagTable_ = tagTable;
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr))
            throw std::runtime_error("cannot open " + path);
        after_ = prepare(column, ">");
        atOrAfter_ = prepare(column, ">=");
        if (tagPath.empty()) return;
        if (sqlite3_open_v2(tagPath.c_str(), &tags_, SQLITE_OPEN_READONLY, nullptr))
            throw std::runtime_error("cannot open " + tagPath);
        sqlite3_prepare_v2(tags_, "SELECT id, version, image FROM rec WHERE k0 = ?1", -1, &mark_,
                           nullptr);
    }
    ~RawKeyPages() {
        sqlite3_finalize(after_);
        sqlite3_finalize(atOrAfter_);
        sqlite3_finalize(mark_);
        sqlite3_close(db_);
        sqlite3_close(tags_);
    }
    RawKeyPages(const RawKeyPages&) = delete;
    RawKeyPages& operator=(const RawKeyPages&) = delete;

    // Reads one page after (or at) `key`; answers the rows read and leaves the last key.
    int page(std::string& key, bool inclusive) {
        sqlite3_stmt* s = inclusive ? atOrAfter_ : after_;
        sqlite3_bind_blob(s, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 2, rows_);
        int rows = 0;
        if (mark_) sqlite3_exec(tags_, "BEGIN", nullptr, nullptr, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
            image_.assign(static_cast<const char*>(sqlite3_column_blob(s, 2)),
                          static_cast<std::size_t>(sqlite3_column_bytes(s, 2)));
            benchmark::DoNotOptimize(sqlite3_column_int64(s, 0));
            if (mark_) readMark(sqlite3_column_int64(s, 0));
            key.assign(static_cast<const char*>(sqlite3_column_blob(s, 3)),
                       static_cast<std::size_t>(sqlite3_column_bytes(s, 3)));
            ++rows;
        }
        sqlite3_reset(s);
        if (mark_) sqlite3_exec(tags_, "COMMIT", nullptr, nullptr, nullptr);
        return rows;
    }

  private:
    void readMark(sqlite3_int64 id) {
        const unsigned char key[8] = {0,
                                      0,
                                      static_cast<unsigned char>(tagTable_ >> 8),
                                      static_cast<unsigned char>(tagTable_),
                                      static_cast<unsigned char>(id >> 24),
                                      static_cast<unsigned char>(id >> 16),
                                      static_cast<unsigned char>(id >> 8),
                                      static_cast<unsigned char>(id)};
        sqlite3_bind_blob(mark_, 1, key, 8, SQLITE_STATIC);
        if (sqlite3_step(mark_) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_blob(mark_, 2));
        sqlite3_reset(mark_);
    }

    sqlite3_stmt* prepare(const std::string& column, const char* op) {
        const std::string sql = "SELECT id, version, image, " + column + " FROM rec WHERE " +
                                column + " " + op + " ?1 ORDER BY " + column + " LIMIT ?2";
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr);
        return s;
    }

    sqlite3* db_ = nullptr;
    sqlite3* tags_ = nullptr;
    sqlite3_stmt* mark_ = nullptr;
    int tagTable_ = 0;
    sqlite3_stmt* after_ = nullptr;
    sqlite3_stmt* atOrAfter_ = nullptr;
    int rows_;
    std::string image_;
};

// Reads the first `pages` pages once, untimed, before a benchmark pages through them: the
// engine and raw SQLite then both read from the system's cache, whichever runs first.
inline void warmPages(const std::string& path, const std::string& column, int rows, long pages) {
    RawKeyPages raw(path, column, rows);
    std::string key;
    for (long page = 0; page < pages; ++page)
        if (raw.page(key, false) < rows) break;
}

}  // namespace benchsupport
