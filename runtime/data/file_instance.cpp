#include "runtime/data/file_instance.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

#include "runtime/data/errors.h"
#include "runtime/data/key_codec.h"
#include "runtime/data/transaction.h"
#include "runtime/text/codepage.h"

namespace rt::detail {
namespace {

constexpr const char* kFormat = "keyed record file 1";

std::string memoColumn(std::size_t i) {
    return "m" + std::to_string(i);
}
std::string blobColumn(std::size_t i) {
    return "b" + std::to_string(i);
}

bool fileExists(const std::string& name) {
    std::error_code ec;
    return std::filesystem::is_regular_file(name, ec);
}

std::string hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

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

std::string keyColumn(int key) {
    return "k" + std::to_string(key);
}

std::string indexSql(const FileDecl& decl, int key) {
    return std::string("CREATE ") + (decl.keys()[key].unique() ? "UNIQUE " : "") + "INDEX rec_" +
           keyColumn(key) + " ON rec(" + keyColumn(key) + ")";
}

FileInstance::FileInstance(const FileDecl& d) : decl(d), buffer(d), name(d.diskName()) {
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
            return FileError::FileNotFound;
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

int FileInstance::failSqlite(int rc) const {
    const char* text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return setError(mapSqlite(rc), name, rc, text ? text : "");
}

int FileInstance::openConnection(int flags, int waitMs) {
    int rc = sqlite3_open_v2(name.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        int code = failSqlite(rc);
        sqlite3_close(db);
        db = nullptr;
        return code;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, waitMs);
    return 0;
}

int FileInstance::checkSchema() {
    Statement meta;
    int rc = meta.prepare(db, "SELECT name, value FROM meta");
    if (rc != SQLITE_OK) {
        // A database without our table, or no database at all, is not a record file.
        if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED) return failSqlite(rc);
        if ((rc & 0xFF) == SQLITE_ERROR || (rc & 0xFF) == SQLITE_NOTADB)
            return setError(FileError::InvalidDeclaration, name, rc, sqlite3_errmsg(db));
        return failSqlite(rc);
    }
    std::string format, layout, keys;
    while ((rc = meta.step()) == SQLITE_ROW) {
        std::string_view key = meta.blob(0);
        std::string value(meta.blob(1));
        if (key == "format") format = value;
        if (key == "layout") layout = value;
        if (key == "keys") keys = value;
    }
    if (rc != SQLITE_DONE) return failSqlite(rc);
    if (format != kFormat || layout != decl.layoutSignature())
        return fail(FileError::InvalidDeclaration);
    if (keys != decl.keySignature()) return fail(FileError::KeysMustBeRebuilt);

    Statement indexes(db,
                      "SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = 'rec'");
    if (!indexes) return failSqlite(sqlite3_errcode(db));
    std::vector<std::string> present;
    while ((rc = indexes.step()) == SQLITE_ROW)
        present.emplace_back(indexes.blob(0));
    if (rc != SQLITE_DONE) return failSqlite(rc);
    for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k) {
        if (std::find(present.begin(), present.end(), indexSql(decl, k)) == present.end())
            return fail(FileError::KeysMustBeRebuilt);
    }
    return 0;
}

void FileInstance::buildSelectColumns() {
    selectColumns = "id, version, image";
    for (std::size_t i = 0; i < decl.memos().size(); ++i)
        selectColumns += ", " + memoColumn(i);
    for (std::size_t i = 0; i < decl.blobs().size(); ++i)
        selectColumns += ", " + blobColumn(i);
}

int FileInstance::prepareStatements() {
    const std::size_t memos = decl.memos().size(), blobs = decl.blobs().size();
    const std::size_t keys = decl.keys().size();
    buildSelectColumns();

    std::string columns = "image", values = "?2", sets = "version = version + 1, image = ?1";
    int param = 2;
    auto addColumn = [&](const std::string& column) {
        ++param;
        columns += ", " + column;
        values += ", ?" + std::to_string(param);
        sets += ", " + column + " = ?" + std::to_string(param - 1);
    };
    for (std::size_t i = 0; i < memos; ++i)
        addColumn(memoColumn(i));
    for (std::size_t i = 0; i < blobs; ++i)
        addColumn(blobColumn(i));
    for (std::size_t i = 0; i < keys; ++i)
        addColumn(keyColumn(static_cast<int>(i)));
    std::string last = std::to_string(param);
    std::string afterLast = std::to_string(param + 1);

    bool ok = byId.prepare(db, "SELECT " + selectColumns + " FROM rec WHERE id = ?1") == 0 &&
              insert.prepare(db, "INSERT INTO rec(id, version, " + columns + ") VALUES(?1, 1, " +
                                     values + ")") == 0 &&
              update.prepare(db, "UPDATE rec SET " + sets + " WHERE id = ?" + last +
                                     " AND version = ?" + afterLast) == 0 &&
              remove.prepare(db, "DELETE FROM rec WHERE id = ?1") == 0 &&
              nextId.prepare(db,
                             "SELECT coalesce((SELECT seq FROM sqlite_sequence WHERE name = "
                             "'rec'), 0) + 1") == 0;
    if (!ok)
        return setError(FileError::InvalidDeclaration, name, sqlite3_errcode(db),
                        sqlite3_errmsg(db));
    return 0;
}

int FileInstance::open(int accessMode) {
    if (isOpen()) return fail(FileError::FileAlreadyOpen);
    if (!fileExists(name)) return fail(FileError::FileNotFound);
    int flags = (accessMode & 0x0F) == 0 ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    int wait = openWaitMs;
    openWaitMs = 1000;
    if (int code = openConnection(flags, wait)) return code;
    int code = checkSchema();
    if (!code) code = prepareStatements();
    if (code) {
        close();
        return code;
    }
    sqlite3_busy_timeout(db, kDefaultWaitMs);
    access = accessMode;
    readSinceOpen = false;
    quickScan = false;
    forgetCurrent();
    sequence.setStart(-1);
    return 0;
}

void FileInstance::close() {
    if (!db) return;
    if (txReasons & kTxLogout)
        rollbackTx();
    else if (txReasons)
        endTx(txReasons);
    txReasons = 0;
    forgetLogout(this);
    for (Cursor* c : cursors)
        c->dropStatements();
    byId = Statement();
    insert = Statement();
    update = Statement();
    remove = Statement();
    nextId = Statement();
    getByKey_.clear();
    sqlite3_close(db);
    db = nullptr;
    forgetCurrent();
}

int FileInstance::create() {
    if (isOpen()) return fail(FileError::FileAlreadyOpen);
    std::error_code ec;
    std::filesystem::remove(name, ec);
    std::filesystem::remove(name + "-journal", ec);
    if (int code = openConnection(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, kDefaultWaitMs))
        return code;
    std::string sql = "BEGIN IMMEDIATE;";
    sql += "CREATE TABLE meta(name TEXT PRIMARY KEY, value TEXT NOT NULL);";
    sql +=
        "CREATE TABLE rec(id INTEGER PRIMARY KEY AUTOINCREMENT, version INTEGER NOT NULL, "
        "image BLOB NOT NULL";
    for (std::size_t i = 0; i < decl.memos().size(); ++i)
        sql += ", " + memoColumn(i) + " BLOB";
    for (std::size_t i = 0; i < decl.blobs().size(); ++i)
        sql += ", " + blobColumn(i) + " BLOB";
    for (std::size_t i = 0; i < decl.keys().size(); ++i)
        sql += ", " + keyColumn(static_cast<int>(i)) + " BLOB NOT NULL";
    sql += ");";
    for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k)
        sql += indexSql(decl, k) + ";";
    sql += "COMMIT;";
    int rc = execute(db, sql);
    if (rc == SQLITE_OK) {
        Statement meta(db, "INSERT INTO meta VALUES (?1, ?2)");
        const std::pair<const char*, std::string> rows[] = {{"format", kFormat},
                                                            {"label", decl.label()},
                                                            {"layout", decl.layoutSignature()},
                                                            {"keys", decl.keySignature()}};
        for (const auto& [key, value] : rows) {
            meta.bindText(1, key);
            meta.bindText(2, value);
            rc = meta.step();
            meta.reset();
            if (rc != SQLITE_DONE) break;
            rc = SQLITE_OK;
        }
    }
    int code = rc == SQLITE_OK ? 0 : failSqlite(rc);
    sqlite3_close(db);
    db = nullptr;
    if (code) std::filesystem::remove(name, ec);
    return code;
}

std::string FileInstance::diskImage() const {
    std::string image(buffer.image().data(), buffer.image().size());
    if (decl.oem()) {
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
    if (decl.oem()) {
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
        memo = decl.oem() ? oemToCp1252(text) : std::string(text);
    }
    for (std::string& blob : buffer.blobs())
        blob = row.blob(column++);
    readSinceOpen = true;
}

void FileInstance::bindRecord(const Statement& s, int first) const {
    int param = first;
    s.bindBlob(param++, diskImage());
    for (const std::string& memo : buffer.memos())
        s.bindBlob(param++, decl.oem() ? cp1252ToOem(memo) : memo);
    for (const std::string& blob : buffer.blobs())
        s.bindBlob(param++, blob);
}

std::string FileInstance::keyOf(int key, std::int64_t id) const {
    return keycodec::encodeKey(decl.keys()[key], buffer, id);
}

std::string FileInstance::positionOf(int order, std::int64_t id, const std::string& key) const {
    if (order < 0) return "R:" + std::to_string(id);
    return "K" + std::to_string(order) + ":" + std::to_string(id) + ":" + hex(key);
}

int FileInstance::parsePosition(std::string_view position, int& order, std::int64_t& id,
                                std::string& key) const {
    // Positions may come back blank padded from a STRING(512).
    while (!position.empty() && position.back() == ' ')
        position.remove_suffix(1);
    auto number = [](std::string_view text, std::int64_t& out) {
        if (text.empty() || text.size() > 18) return false;
        out = 0;
        for (char c : text) {
            if (c < '0' || c > '9') return false;
            out = out * 10 + (c - '0');
        }
        return true;
    };
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

std::vector<std::string> FileInstance::storedKeys(std::int64_t id) {
    std::vector<std::string> keys(decl.keys().size());
    if (keys.empty()) return keys;
    std::string sql = "SELECT ";
    for (std::size_t k = 0; k < keys.size(); ++k)
        sql += (k ? ", " : "") + keyColumn(static_cast<int>(k));
    Statement s(db, sql + " FROM rec WHERE id = ?1");
    s.bind(1, id);
    if (s.step() == SQLITE_ROW) {
        for (std::size_t k = 0; k < keys.size(); ++k)
            keys[k] = s.blob(static_cast<int>(k));
    }
    return keys;
}

int FileInstance::putRecord() {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    if (currentId == 0) return fail(FileError::RecordNotAvailable);
    suspendCursors();
    bool walks = std::any_of(cursors.begin(), cursors.end(),
                             [](const Cursor* c) { return c->order() >= 0 && c->started(); });
    std::vector<std::string> before;
    if (walks) before = storedKeys(currentId);

    bindRecord(update, 1);
    int param = 2 + static_cast<int>(decl.memos().size() + decl.blobs().size());
    std::vector<std::string> after;
    for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k) {
        after.push_back(keyOf(k, currentId));
        update.bindBlob(param++, after.back());
    }
    update.bind(param++, currentId);
    update.bind(param, currentVersion);
    int rc = update.step();
    update.reset();
    if (rc != SQLITE_DONE) {
        if (mapSqlite(rc) == FileError::DuplicateKey) return duplicateFailure();
        return failSqlite(rc);
    }
    if (sqlite3_changes(db) == 0) return fail(FileError::RecordChanged);
    if (txReasons) versionsBeforeTx.emplace(currentId, currentVersion);
    ++currentVersion;
    if (walks) {
        for (Cursor* c : cursors) {
            int order = c->order();
            if (order >= 0 && before[order] != after[order])
                c->recordMoved(currentId, before[order], after[order]);
        }
    }
    return 0;
}

int FileInstance::deleteRecord() {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    if (currentId == 0) return fail(FileError::RecordNotAvailable);
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
    s.bindBlob(1, components);
    s.bindBlob(2, keycodec::upperBound(k, components));
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
    std::string column = keyColumn(key);
    Statement s(db, "SELECT id FROM rec WHERE " + column + " = ?1 AND id <> ?2 LIMIT 1");
    s.bindBlob(1, keycodec::encodeComponents(decl.keys()[key], buffer));
    s.bind(2, currentId);
    return s.step() == SQLITE_ROW;
}

int FileInstance::beginTx(unsigned reason, int waitMs) {
    if (!isOpen()) return fail(FileError::FileNotOpen);
    if (txReasons & reason) return reason == kTxLogout ? fail(FileError::LogoutActive) : 0;
    if (txReasons == 0) {
        sqlite3_busy_timeout(db, waitMs);
        int rc = execute(db, "BEGIN IMMEDIATE");
        sqlite3_busy_timeout(db, kDefaultWaitMs);
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

int FileInstance::build() {
    bool wasOpen = isOpen();
    if (!wasOpen) {
        if (!fileExists(name)) return fail(FileError::FileNotFound);
        if (int code = openConnection(SQLITE_OPEN_READWRITE, kDefaultWaitMs)) return code;
        Statement meta;
        int rc = meta.prepare(db, "SELECT value FROM meta WHERE name = 'layout'");
        std::string layout;
        if (rc == SQLITE_OK && meta.step() == SQLITE_ROW) layout = meta.blob(0);
        meta = Statement();
        if (layout != decl.layoutSignature()) {
            close();
            return fail(FileError::InvalidDeclaration);
        }
        buildSelectColumns();
    }
    suspendCursors();
    int code = withWriteTx([&]() -> int {
        // Drop the old indexes and key columns, then store every key again from the images.
        std::vector<std::string> drops;
        {
            Statement old(db,
                          "SELECT name FROM sqlite_master WHERE type = 'index' AND "
                          "tbl_name = 'rec' AND name LIKE 'rec_k%'");
            while (old.step() == SQLITE_ROW)
                drops.emplace_back(old.blob(0));
        }
        for (const std::string& index : drops) {
            if (int rc = execute(db, "DROP INDEX \"" + index + "\""); rc != SQLITE_OK)
                return failSqlite(rc);
        }
        std::vector<std::string> columns;
        {
            Statement info(db, "SELECT name FROM pragma_table_info('rec') WHERE name LIKE 'k%'");
            while (info.step() == SQLITE_ROW)
                columns.emplace_back(info.blob(0));
        }
        for (const std::string& column : columns) {
            if (int rc = execute(db, "ALTER TABLE rec DROP COLUMN " + column); rc != SQLITE_OK)
                return failSqlite(rc);
        }
        std::string sets;
        for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k) {
            if (int rc = execute(db, "ALTER TABLE rec ADD COLUMN " + keyColumn(k) + " BLOB");
                rc != SQLITE_OK)
                return failSqlite(rc);
            sets += (k ? ", " : "") + keyColumn(k) + " = ?" + std::to_string(k + 1);
        }
        if (!decl.keys().empty()) {
            std::string idParam = std::to_string(decl.keys().size() + 1);
            Statement write(db, "UPDATE rec SET " + sets + " WHERE id = ?" + idParam);
            Statement read(db, "SELECT " + selectColumns + " FROM rec");
            RecordBuffer keep = buffer;
            int rc;
            while ((rc = read.step()) == SQLITE_ROW) {
                loadRow(read);
                for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k)
                    write.bindBlob(k + 1, keyOf(k, currentId));
                write.bind(static_cast<int>(decl.keys().size()) + 1, currentId);
                int w = write.step();
                write.reset();
                if (w != SQLITE_DONE) {
                    buffer = keep;
                    return failSqlite(w);
                }
            }
            buffer = keep;
            if (rc != SQLITE_DONE) return failSqlite(rc);
        }
        for (int k = 0; k < static_cast<int>(decl.keys().size()); ++k) {
            if (int rc = execute(db, indexSql(decl, k)); rc != SQLITE_OK) {
                if (mapSqlite(rc) == FileError::DuplicateKey)
                    return setError(FileError::DuplicateKey, name, rc, sqlite3_errmsg(db),
                                    decl.keys()[k].name);
                return failSqlite(rc);
            }
        }
        Statement meta(db, "UPDATE meta SET value = ?1 WHERE name = 'keys'");
        meta.bindText(1, decl.keySignature());
        if (int rc = meta.step(); rc != SQLITE_DONE) return failSqlite(rc);
        return 0;
    });
    forgetCurrent();
    if (!code && wasOpen) {
        // The statements were prepared against the old columns.
        code = prepareStatements();
        for (Cursor* c : cursors)
            c->dropStatements();
        getByKey_.clear();
    }
    if (!wasOpen) close();
    return code;
}

}  // namespace rt::detail
