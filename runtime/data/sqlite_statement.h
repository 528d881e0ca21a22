#pragma once
// A prepared SQLite statement that finalizes itself.

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace rt::detail {

class Statement {
  public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql) { prepare(db, sql); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(Statement&& other) noexcept : stmt_(std::exchange(other.stmt_, nullptr)) {}
    Statement& operator=(Statement&& other) noexcept {
        if (this != &other) {
            sqlite3_finalize(stmt_);
            stmt_ = std::exchange(other.stmt_, nullptr);
        }
        return *this;
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // SQLite's result code of the prepare.
    int prepare(sqlite3* db, std::string_view sql) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        return sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                  SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    }
    sqlite3_stmt* get() const { return stmt_; }
    explicit operator bool() const { return stmt_ != nullptr; }
    void reset() const {
        if (stmt_) sqlite3_reset(stmt_);
    }

    void bind(int i, std::int64_t v) const { sqlite3_bind_int64(stmt_, i, v); }
    void bindBlob(int i, std::string_view v) const {
        sqlite3_bind_blob(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    // Binds the bytes without copying them: they must stay until the step that reads them
    // has run, and the statement must be bound again before any later step.
    void bindBlobInPlace(int i, std::string_view v) const {
        sqlite3_bind_blob(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    }
    void bindText(int i, std::string_view v) const {
        sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    }
    int step() const { return sqlite3_step(stmt_); }
    std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string_view blob(int column) const {
        const void* data = sqlite3_column_blob(stmt_, column);
        int size = sqlite3_column_bytes(stmt_, column);
        return data ? std::string_view(static_cast<const char*>(data), size) : std::string_view();
    }

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Runs SQL without results; SQLite's result code.
inline int execute(sqlite3* db, const std::string& sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

}  // namespace rt::detail
