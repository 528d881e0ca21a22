// Rows of an open record file: reading and writing records, positions and transactions.

#include "runtime/data/file_instance.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

#include "runtime/data/errors.h"
#include "runtime/data/file_placement.h"
#include "runtime/data/key_codec.h"
#include "runtime/text/codepage.h"

namespace rt::detail {
namespace {

bool unhex(std::string_view text, std::string& out) {
    if (text.size() % 2) return false;
    out.clear();
    auto value = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int hi = value(text[i]), lo = value(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out += static_cast<char>(hi * 16 + lo);
    }
    return true;
}

// The highest record id this process handed out per file. A transaction that is rolled back
// takes its ids out of the file again, but the program may have passed them on (a tag holds
// a record pointer), so they are never handed out a second time.
std::int64_t claimId(const std::string& file, std::int64_t next) {
    static std::mutex mutex;
    static std::map<std::string, std::int64_t> highest;
    std::lock_guard<std::mutex> lock(mutex);
    std::error_code ec;
    std::int64_t& last = highest[std::filesystem::absolute(file, ec).string()];
    last = std::max(last + 1, next);
    return last;
}

}  // namespace

FileInstance::FileInstance(const FileDecl& d)
    : decl(d), buffer(d), name(d.diskName()), storedOem(d.oem()) {
    cursors.push_back(&sequence);
}

FileInstance::~FileInstance() {
    close();
}

int FileInstance::fail(int code) const {
    return setError(code, name);
}

int FileInstance::mapSqlite(int rc) const {
    switch (rc & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return FileError::FileLocked;
        case SQLITE_NOTADB:
            return FileError::InvalidDeclaration;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return FileError::AccessDenied;
        case SQLITE_CANTOPEN:
            // A file that is missing never reaches SQLite (see checkName): one that cannot
            // be opened exists and must never be taken for missing.
            return FileError::FileSystemError;
        case SQLITE_CONSTRAINT:
            if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
                return FileError::DuplicateKey;
            return FileError::FileSystemError;
        case SQLITE_CORRUPT:
            if (rc == SQLITE_CORRUPT_INDEX) return FileError::KeysMustBeRebuilt;
            return FileError::FileSystemError;
        default:
            return FileError::FileSystemError;
    }
}

int FileInstance::failAccess(int systemError, std::string_view reason) const {
    const bool denied = systemError == EACCES || systemError == EPERM;
    return setError(denied ? FileError::AccessDenied : FileError::FileSystemError, name,
                    SQLITE_CANTOPEN, "unable to open database file: " + std::string(reason));
}

int FileInstance::failCreate(int systemError) const {
    if (systemError != EACCES && systemError != EPERM && systemError != EROFS)
        return failAccess(systemError, std::strerror(systemError));
    std::error_code ignored;
    const std::string folder =
        std::filesystem::absolute(std::filesystem::path(name), ignored).parent_path().string();
    const std::string why = systemError == EROFS
                                ? "The folder " + folder + " is read-only"
                                : "Permission to write the folder " + folder + " is denied";
    return setErrorSaying(
        FileError::AccessDenied, why, name, SQLITE_CANTOPEN,
        "unable to create database file: " + std::string(std::strerror(systemError)));
}

int FileInstance::failSqlite(int rc) const {
    const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    std::string text = message ? message : "";
    int code = mapSqlite(rc);
    if ((rc & 0xFF) == SQLITE_CANTOPEN) {
        // Name the system's reason: too many open files, access denied, an I/O error.
        const int systemError = db ? sqlite3_system_errno(db) : 0;
        if (systemError != 0) return failAccess(systemError, std::strerror(systemError));
    }
    if ((rc & 0xFF) == SQLITE_NOTADB) return failForeign(rc, text);
    // Damage that leaves every record readable lies in the keys: BUILD mends it.
    if ((rc & 0xFF) == SQLITE_CORRUPT && db && recordsIntact()) code = FileError::KeysMustBeRebuilt;
    return setError(code, name, rc, text);
}

int FileInstance::lookUpRecord(std::int64_t id) {
    byId.bind(1, id);
    const int rc = byId.step();
    byId.reset();
    return rc;
}

bool FileInstance::recordsIntact() const {
    Statement all(db, "SELECT " + selectColumns + " FROM rec NOT INDEXED");
    if (!all) return false;
    int rc;
    while ((rc = all.step()) == SQLITE_ROW) {
    }
    return rc == SQLITE_DONE;
}

std::string FileInstance::diskImage() const {
    std::string image(buffer.image().data(), buffer.image().size());
    if (storedOem) {
        for (const FieldDecl& f : decl.fields()) {
            if (f.type != FieldType::String) continue;
            std::string converted = cp1252ToOem(std::string_view(image).substr(f.offset, f.size));
            image.replace(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.size),
                          converted);
        }
    }
    return image;
}

void FileInstance::loadRow(const Statement& row) {
    currentId = row.integer(0);
    currentVersion = row.integer(1);
    std::string_view image = row.blob(2);
    std::span<char> target = buffer.image();
    std::size_t n = std::min(image.size(), target.size());
    std::memcpy(target.data(), image.data(), n);
    std::memset(target.data() + n, 0, target.size() - n);
    if (storedOem) {
        for (const FieldDecl& f : decl.fields()) {
            if (f.type != FieldType::String) continue;
            std::string converted = oemToCp1252(std::string_view(target.data() + f.offset, f.size));
            std::memcpy(target.data() + f.offset, converted.data(),
                        std::min(converted.size(), static_cast<std::size_t>(f.size)));
        }
    }
    int column = 3;
    for (std::string& memo : buffer.memos()) {
        std::string_view text = row.blob(column++);
        memo = storedOem ? oemToCp1252(text) : std::string(text);
    }
    for (std::string& blob : buffer.blobs())
        blob = row.blob(column++);
    readSinceOpen = true;
}

void FileInstance::bindRecord(const Statement& s, int first) const {
    int param = first;
    s.bindBlob(param++, diskImage());
    for (const std::string& memo : buffer.memos())
        s.bindBlob(param++, storedOem ? cp1252ToOem(memo) : memo);
    for (const std::string& blob : buffer.blobs())
        s.bindBlob(param++, blob);
}

std::string FileInstance::keyOf(int key, std::int64_t id) const {
    return keycodec::encodeKey(decl.keys()[key], buffer, id);
}

std::string FileInstance::positionOf(int order, std::int64_t id, const std::string& key) const {
    if (order < 0) return "R:" + std::to_string(id);
    // Built in one buffer: a list takes a position for every row it reads.
    static const auto hexPairs = [] {
        std::array<char, 512> pairs{};
        for (int byte = 0; byte < 256; ++byte) {
            pairs[2 * byte] = "0123456789ABCDEF"[byte >> 4];
            pairs[2 * byte + 1] = "0123456789ABCDEF"[byte & 15];
        }
        return pairs;
    }();
    char orderText[16], idText[24];
    const std::size_t orderLength = static_cast<std::size_t>(
        std::to_chars(orderText, orderText + sizeof orderText, order).ptr - orderText);
    const std::size_t idLength =
        static_cast<std::size_t>(std::to_chars(idText, idText + sizeof idText, id).ptr - idText);
    std::string position(3 + orderLength + idLength + key.size() * 2, ':');
    char* out = position.data();
    *out++ = 'K';
    out = std::copy_n(orderText, orderLength, out) + 1;  // and the ':' already there
    out = std::copy_n(idText, idLength, out) + 1;
    for (unsigned char c : key)
        out = std::copy_n(&hexPairs[2 * c], 2, out);
    return position;
}

int FileInstance::parsePosition(std::string_view position, int& order, std::int64_t& id,
                                std::string& key) const {
    // Positions may come back blank padded from a STRING(512).
    while (!position.empty() && position.back() == ' ')
        position.remove_suffix(1);
    const auto number = parseDigits;
    if (position.starts_with("R:")) {
        order = -1;
        if (!number(position.substr(2), id)) return fail(FileError::EntryNotFound);
        key = keycodec::encodeId(id);
        return 0;
    }
    std::size_t first = position.find(':'), second = position.find(':', first + 1);
    std::int64_t orderNumber = 0;
    if (!position.starts_with("K") || second == std::string_view::npos ||
        !number(position.substr(1, first - 1), orderNumber) ||
        !number(position.substr(first + 1, second - first - 1), id) ||
        !unhex(position.substr(second + 1), key) ||
        orderNumber >= static_cast<std::int64_t>(decl.keys().size()))
        return fail(FileError::EntryNotFound);
    order = static_cast<int>(orderNumber);
    return 0;
}

int FileInstance::readById(std::int64_t id) {
    forgetCurrent();
    if (!isOpen()) return fail(FileError::FileNotOpen);
    if (id <= 0) return fail(FileError::EntryNotFound);
    byId.bind(1, id);
    int rc = byId.step();
    int code = 0;
    if (rc == SQLITE_ROW)
        loadRow(byId);
    else if (rc == SQLITE_DONE)
        code = fail(FileError::EntryNotFound);
    else
        code = failSqlite(rc);
    byId.reset();
    return code;
}

int FileInstance::withWriteTx(const std::function<int()>& work) {
    if (txReasons) return work();
    endReadTx();
    int rc = execute(db, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return failSqlite(rc);
    int code = work();
    if (code) {
        execute(db, "ROLLBACK");
        return code;
    }
    rc = execute(db, "COMMIT");
    if (rc != SQLITE_OK) {
        code = failSqlite(rc);
        execute(db, "ROLLBACK");
    }
    return code;
}

int FileInstance::duplicateFailure() {
    for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k) {
        if (decl.keys()[k].unique() && duplicates(k))
            return setError(FileError::DuplicateKey, name, 0, {}, decl.keys()[k].name);
    }
    return fail(FileError::DuplicateKey);
}

int FileInstance::addRecord() {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    suspendCursors();
    std::int64_t id = 0;
    int code = withWriteTx([&] {
        int rc = nextId.step();
        std::int64_t next = nextId.integer(0);
        nextId.reset();
        if (rc != SQLITE_ROW) return failSqlite(rc);
        id = claimId(name, next);
        insert.bind(1, id);
        bindRecord(insert, 2);
        int param = 3 + static_cast<int>(decl.memos().size() + decl.blobs().size());
        for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k)
            insert.bindBlob(param++, keyOf(k, id));
        rc = insert.step();
        insert.reset();
        if (rc == SQLITE_DONE) return 0;
        if (mapSqlite(rc) == FileError::DuplicateKey) {
            std::int64_t keep = currentId;
            currentId = id;
            int duplicate = duplicateFailure();
            currentId = keep;
            return duplicate;
        }
        return failSqlite(rc);
    });
    if (code) {
        forgetCurrent();
        return code;
    }
    currentId = id;
    currentVersion = 1;
    return 0;
}

namespace {

std::string claimRow(std::string_view counter) {
    return "claimed " + std::string(counter);
}

}  // namespace

bool FileInstance::lastClaimed(const std::string& row, std::int64_t& last) {
    last = 0;
    Statement read(db, "SELECT value FROM meta WHERE name = ?1");
    if (!read) return false;
    read.bindText(1, row);
    const int rc = read.step();
    if (rc == SQLITE_ROW) {
        const std::string_view value = read.blob(0);
        std::from_chars(value.data(), value.data() + value.size(), last);
    }
    return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

int FileInstance::storeClaimed(const std::string& row, std::int64_t last) {
    Statement write(db, "INSERT OR REPLACE INTO meta(name, value) VALUES (?1, ?2)");
    if (!write) return failSqlite(sqlite3_errcode(db));
    write.bindText(1, row);
    write.bindText(2, std::to_string(last));
    const int rc = write.step();
    return rc == SQLITE_DONE ? 0 : failSqlite(rc);
}

int FileInstance::claimNumber(std::string_view counter, std::int64_t atLeast,
                              std::int64_t& claimed) {
    claimed = 0;
    if (!isOpen()) return fail(FileError::FileNotOpen);
    suspendCursors();
    const std::string row = claimRow(counter);
    std::int64_t number = 0;
    const int code = withWriteTx([&] {
        std::int64_t last = 0;
        if (!lastClaimed(row, last)) return failSqlite(sqlite3_errcode(db));
        number = std::max(atLeast, last + 1);
        return storeClaimed(row, number);
    });
    if (code == 0) claimed = number;
    return code;
}

int FileInstance::releaseNumber(std::string_view counter, std::int64_t claimed) {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    suspendCursors();
    const std::string row = claimRow(counter);
    return withWriteTx([&] {
        std::int64_t last = 0;
        if (!lastClaimed(row, last)) return failSqlite(sqlite3_errcode(db));
        return last == claimed ? storeClaimed(row, claimed - 1) : 0;
    });
}

std::vector<std::string> FileInstance::storedKeys(std::int64_t id) {
    std::vector<std::string> keys(decl.keys().size());
    if (keys.empty()) return keys;
    if (!storedKeys_) {
        std::string sql = "SELECT ";
        for (std::size_t k = 0; k < keys.size(); ++k)
            sql += (k ? ", " : "") + keyColumn(static_cast<int>(k));
        storedKeys_.prepare(db, sql + " FROM rec WHERE id = ?1");
    }
    storedKeys_.bind(1, id);
    if (storedKeys_.step() == SQLITE_ROW) {
        for (std::size_t k = 0; k < keys.size(); ++k)
            keys[k] = storedKeys_.blob(static_cast<int>(k));
    }
    storedKeys_.reset();
    return keys;
}

int FileInstance::putRecord() {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    if (currentId == 0) return fail(FileError::RecordNotAvailable);
    endReadTx();  // the write commits by itself, not with a batch of reads
    suspendCursors();
    // Only the keys whose values change are written: an unchanged key costs no index work.
    // Keys read from another station's newer version fail the version check below anyway.
    const std::vector<std::string> before = storedKeys(currentId);
    std::vector<std::string> after;
    std::string changed;
    for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k) {
        after.push_back(keyOf(k, currentId));
        changed += before[k] != after[k] ? '1' : '0';
    }
    Statement& update = updateFor(changed);
    if (!update) return failSqlite(sqlite3_errcode(db));
    bindRecord(update, 1);
    int param = 2 + static_cast<int>(decl.memos().size() + decl.blobs().size());
    for (std::size_t k = 0; k < after.size(); ++k) {
        if (changed[k] == '1') update.bindBlob(param++, after[k]);
    }
    update.bind(param++, currentId);
    update.bind(param, currentVersion);
    int rc = update.step();
    update.reset();
    if (rc != SQLITE_DONE) {
        if (mapSqlite(rc) == FileError::DuplicateKey) return duplicateFailure();
        return failSqlite(rc);
    }
    if (sqlite3_changes(db) == 0) {
        // Another station wrote the record since it was read, or deleted it; a look-up
        // that failed tells neither and is reported as the failure it is.
        const int found = lookUpRecord(currentId);
        if (found == SQLITE_DONE)
            return setErrorSaying(FileError::RecordNotAvailable, kDeletedElsewhere, name);
        if (found != SQLITE_ROW) return failSqlite(found);
        return fail(FileError::RecordChanged);
    }
    if (txReasons) versionsBeforeTx.emplace(currentId, currentVersion);
    ++currentVersion;
    for (Cursor* c : cursors) {
        int order = c->order();
        if (order >= 0 && c->started() && changed[order] == '1')
            c->recordMoved(currentId, before[order], after[order]);
    }
    return 0;
}

int FileInstance::deleteRecord() {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    if (currentId == 0) return fail(FileError::RecordNotAvailable);
    endReadTx();  // the write commits by itself, not with a batch of reads
    suspendCursors();
    remove.bind(1, currentId);
    int rc = remove.step();
    remove.reset();
    if (rc != SQLITE_DONE) return failSqlite(rc);
    if (sqlite3_changes(db) == 0) return fail(FileError::RecordNotAvailable);
    forgetCurrent();
    return 0;
}

Statement& FileInstance::keyLookup(int key) {
    Statement& s = getByKey_[key];
    if (!s) {
        std::string column = keyColumn(key);
        s.prepare(db, "SELECT " + selectColumns + " FROM rec WHERE " + column + " >= ?1 AND " +
                          column + " <= ?2 ORDER BY " + column + " LIMIT 1");
    }
    return s;
}

int FileInstance::getByKey(int key) {
    if (!isOpen()) {
        forgetCurrent();
        return fail(FileError::FileNotOpen);
    }
    const KeyDecl& k = decl.keys()[key];
    std::string components = keycodec::encodeComponents(k, buffer);
    forgetCurrent();
    Statement& s = keyLookup(key);
    if (!s) return failSqlite(sqlite3_errcode(db));
    // Both values outlive the step, and every lookup binds them anew.
    const std::string upper = keycodec::upperBound(k, components);
    s.bindBlobInPlace(1, components);
    s.bindBlobInPlace(2, upper);
    int rc = s.step();
    int code = 0;
    if (rc == SQLITE_ROW)
        loadRow(s);
    else if (rc == SQLITE_DONE)
        code = fail(FileError::EntryNotFound);
    else
        code = failSqlite(rc);
    s.reset();
    return code;
}

bool FileInstance::duplicates(int key) {
    if (!isOpen() || !decl.keys()[key].unique()) return false;
    Statement& s = duplicateLookup_[key];
    if (!s) {
        std::string column = keyColumn(key);
        s.prepare(db, "SELECT id FROM rec WHERE " + column + " = ?1 AND id <> ?2 LIMIT 1");
    }
    s.bindBlob(1, keycodec::encodeComponents(decl.keys()[key], buffer));
    s.bind(2, currentId);
    bool found = s.step() == SQLITE_ROW;
    s.reset();
    return found;
}

int FileInstance::beginTx(unsigned reason, int waitMs) {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    if (txReasons & reason) return reason == kTxLogout ? fail(FileError::LogoutActive) : 0;
    if (txReasons == 0) {
        endReadTx();
        // A walk of this connection still holding its read would make SQLite refuse the
        // write lock at once whenever another station is writing, instead of waiting for it:
        // the walks let go here and go on later from their key.
        suspendCursors();
        setBusyWait(waitMs);
        int rc = execute(db, "BEGIN IMMEDIATE");
        setBusyWait(kDefaultWaitMs);
        if (rc != SQLITE_OK) return failSqlite(rc);
    }
    txReasons |= reason;
    return 0;
}

int FileInstance::endTx(unsigned reason) {
    if (!(txReasons & reason)) return 0;
    txReasons &= ~reason;
    if (txReasons) return 0;
    suspendCursors();
    versionsBeforeTx.clear();
    int rc = execute(db, "COMMIT");
    if (rc == SQLITE_OK) return 0;
    int code = failSqlite(rc);
    execute(db, "ROLLBACK");
    return code;
}

int FileInstance::rollbackTx() {
    if (!txReasons) return 0;
    txReasons = 0;
    suspendCursors();
    auto before = versionsBeforeTx.find(currentId);
    if (before != versionsBeforeTx.end()) currentVersion = before->second;
    versionsBeforeTx.clear();
    int rc = execute(db, "ROLLBACK");
    return rc == SQLITE_OK ? 0 : failSqlite(rc);
}

void FileInstance::suspendCursors() {
    for (Cursor* c : cursors)
        c->suspend();
}

void FileInstance::setBusyWait(int milliseconds) {
    busyWaitMs_ = milliseconds;
    if (db) sqlite3_busy_handler(db, milliseconds > 0 ? &FileInstance::busyRetry : nullptr, this);
}

int FileInstance::busyRetry(void* self, int tries) {
    auto& f = *static_cast<FileInstance*>(self);
    const auto now = std::chrono::steady_clock::now();
    if (tries == 0) f.busySince_ = now;
    const auto waited = now - f.busySince_;
    if (waited >= std::chrono::milliseconds(f.busyWaitMs_)) return 0;
    // Short steps first (a writer's commit), longer ones once the wait goes on.
    std::this_thread::sleep_for(waited < std::chrono::milliseconds(100)
                                    ? std::chrono::microseconds(500)
                                    : std::chrono::milliseconds(2));
    return 1;
}

Statement FileInstance::takeStatement(const std::string& sql) {
    auto kept = idleStatements_.find(sql);
    if (kept == idleStatements_.end()) return Statement();
    Statement s = std::move(kept->second);
    idleStatements_.erase(kept);
    return s;
}

void FileInstance::keepStatement(std::string sql, Statement statement) {
    if (!statement) return;
    // A few orders' worth is enough for lists that switch between their tabs.
    constexpr std::size_t kMostKept = 32;
    if (idleStatements_.size() >= kMostKept) idleStatements_.erase(idleStatements_.begin());
    idleStatements_.emplace(std::move(sql), std::move(statement));
}

}  // namespace rt::detail
