// Opening, creating and closing a record file, checking its declaration, rebuilding keys.

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "runtime/data/errors.h"
#include "runtime/data/file_instance.h"
#include "runtime/data/file_placement.h"
#include "runtime/data/transaction.h"
#include "runtime/data/wait_seconds.h"

namespace rt::detail {
namespace {

constexpr const char* kFormat = "keyed record file 1";

std::string memoColumn(std::size_t i) {
    return "m" + std::to_string(i);
}

std::string blobColumn(std::size_t i) {
    return "b" + std::to_string(i);
}

// The stored layout is the declaration's, or the same layout of a file made while the
// declaration kept its text in code page 437: such a file is still read and written in it.
bool layoutMatches(const FileDecl& decl, const std::string& layout) {
    const std::string expected = decl.layoutSignature();
    return layout == expected || (!decl.oem() && layout == expected + "OEM;");
}

}  // namespace

int FileInstance::openConnection(int flags, int waitMs) {
    int rc = sqlite3_open_v2(name.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        int code = failSqlite(rc);
        sqlite3_close(db);
        db = nullptr;
        return code;
    }
    sqlite3_extended_result_codes(db, 1);
    setBusyWait(waitMs);
    return 0;
}

int FileInstance::failForeign(int sqliteCode, std::string_view reason) const {
    return setErrorSaying(FileError::InvalidDeclaration, kNotARecordFile, name, sqliteCode, reason);
}

int FileInstance::checkSchema() {
    Statement meta;
    int rc = meta.prepare(db, "SELECT name, value FROM meta");
    if (rc != SQLITE_OK) {
        // A database without our table, or no database at all, is not a record file.
        if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED) return failSqlite(rc);
        if ((rc & 0xFF) == SQLITE_ERROR || (rc & 0xFF) == SQLITE_NOTADB)
            return failForeign(rc, sqlite3_errmsg(db));
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
    if (rc != SQLITE_DONE) {
        if ((rc & 0xFF) == SQLITE_NOTADB) return failForeign(rc, sqlite3_errmsg(db));
        return failSqlite(rc);
    }
    if (format != kFormat) return failForeign(0, "no record file format in the file");
    if (!layoutMatches(decl, layout)) return fail(FileError::InvalidDeclaration);
    storedOem = decl.oem() || layout != decl.layoutSignature();
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

    std::string columns = "image", values = "?2";
    int param = 2;
    auto addColumn = [&](const std::string& column) {
        ++param;
        columns += ", " + column;
        values += ", ?" + std::to_string(param);
    };
    for (std::size_t i = 0; i < memos; ++i)
        addColumn(memoColumn(i));
    for (std::size_t i = 0; i < blobs; ++i)
        addColumn(blobColumn(i));
    for (std::size_t i = 0; i < keys; ++i)
        addColumn(keyColumn(static_cast<int>(i)));

    bool ok = byId.prepare(db, "SELECT " + selectColumns + " FROM rec WHERE id = ?1") == 0 &&
              insert.prepare(db, "INSERT INTO rec(id, version, " + columns + ") VALUES(?1, 1, " +
                                     values + ")") == 0 &&
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
    const NameCheck check = checkName(name);
    if (check.kind == NameKind::Missing) return fail(FileError::FileNotFound);
    if (check.kind == NameKind::Unusable) return failAccess(check.systemError, check.reason);
    int flags = (accessMode & 0x0F) == 0 ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    int wait = waitMilliseconds(openWaitSeconds);
    openWaitSeconds = 1;
    if (int code = openConnection(flags, wait)) return code;
    int code = checkSchema();
    if (!code) code = prepareStatements();
    if (code) {
        close();
        return code;
    }
    setBusyWait(kDefaultWaitMs);
    // A creation of this file that was killed before it put the file in place leaves its
    // temporary file; the stations that open the file since clear it away.
    removeAbandonedTemporaries(name);
    access = accessMode;
    readSinceOpen = false;
    quickScan = false;
    forgetCurrent();
    sequence.setStart(-1);
    return 0;
}

void FileInstance::close() {
    if (!db) return;
    endReadTx();
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
    updates_.clear();
    remove = Statement();
    nextId = Statement();
    getByKey_.clear();
    duplicateLookup_.clear();
    storedKeys_ = Statement();
    idleStatements_.clear();
    beginRead = Statement();
    commitRead = Statement();
    sqlite3_close(db);
    db = nullptr;
    forgetCurrent();
}

// CREATE builds the file whole under a temporary name and renames it into place, so a
// station killed meanwhile leaves no file or a whole one. An existing file is never replaced:
// when another station has created it meanwhile, that file is the one to open.
int FileInstance::create() {
    if (isOpen()) return fail(FileError::FileAlreadyOpen);
    const NameCheck check = checkName(name);
    if (check.kind == NameKind::RegularFile) return 0;
    if (check.kind == NameKind::Unusable) return failAccess(check.systemError, check.reason);
    removeAbandonedTemporaries(name);
    const std::string temporary = temporaryNameFor(name);
    removeTemporary(temporary);
    // SQLite would tell the reason of its last try (opening the missing file read-only): the
    // file is made here first, so that a folder the user may not write is said as such.
    const int made = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (made < 0) return failCreate(errno);
    ::close(made);
    int code = buildNewFile(temporary);
    if (code) {
        removeTemporary(temporary);
        return code;
    }
    removeOrphanJournal(name);
    int systemError = 0;
    const Placement placed = placeWithoutReplacing(temporary, name, systemError);
    if (placed != Placement::Placed) removeTemporary(temporary);
    if (placed == Placement::Failed) return failCreate(systemError);
    return 0;
}

int FileInstance::buildNewFile(const std::string& temporary) {
    int rc =
        sqlite3_open_v2(temporary.c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        // No journal: nobody else sees the temporary file, and one that is left half built
        // is never put in place. The commit still syncs the file before it is renamed.
        std::string sql = "PRAGMA journal_mode = OFF; BEGIN IMMEDIATE;";
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
        rc = execute(db, sql);
    }
    if (rc == SQLITE_OK) {
        // The meta rows belong to the same commit as the tables: a file without them is
        // never seen.
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
    if (rc == SQLITE_OK) rc = execute(db, "COMMIT");
    int code = rc == SQLITE_OK ? 0 : failSqlite(rc);
    if (code) execute(db, "ROLLBACK");
    rc = sqlite3_close(db);
    db = nullptr;
    if (!code && rc != SQLITE_OK)
        code = setError(FileError::FileSystemError, name, rc, sqlite3_errstr(rc));
    return code;
}

int FileInstance::build() {
    bool wasOpen = isOpen();
    if (!wasOpen) {
        const NameCheck check = checkName(name);
        if (check.kind == NameKind::Missing) return fail(FileError::FileNotFound);
        if (check.kind == NameKind::Unusable) return failAccess(check.systemError, check.reason);
        if (int code = openConnection(SQLITE_OPEN_READWRITE, kDefaultWaitMs)) return code;
        Statement meta;
        int rc = meta.prepare(db, "SELECT value FROM meta WHERE name = 'layout'");
        std::string layout;
        if (rc == SQLITE_OK && meta.step() == SQLITE_ROW) layout = meta.blob(0);
        meta = Statement();
        if (!layoutMatches(decl, layout)) {
            close();
            return fail(FileError::InvalidDeclaration);
        }
        storedOem = decl.oem() || layout != decl.layoutSignature();
        buildSelectColumns();
    }
    suspendCursors();
    auto rebuild = [&]() -> int {
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
        // The keys' row is written even when it went missing.
        Statement meta(db, "INSERT OR REPLACE INTO meta(name, value) VALUES ('keys', ?1)");
        meta.bindText(1, decl.keySignature());
        if (int rc = meta.step(); rc != SQLITE_DONE) return failSqlite(rc);
        return 0;
    };
    int code = withWriteTx(rebuild);
    if (code == FileError::KeysMustBeRebuilt) {
        // The old keys are too damaged even to drop: forget them, then build anew.
        code = forgetDamagedKeys();
        if (!code) code = withWriteTx(rebuild);
    }
    // The file must pass the check of OPEN now, or the rebuild did not mend it.
    if (!code) code = checkSchema();
    forgetCurrent();
    if (!code && wasOpen) {
        // The statements were prepared against the old columns.
        code = prepareStatements();
        for (Cursor* c : cursors)
            c->dropStatements();
        getByKey_.clear();
        updates_.clear();
        duplicateLookup_.clear();
        storedKeys_ = Statement();
        idleStatements_.clear();
    }
    if (!wasOpen) close();
    return code;
}

// Takes the damaged keys out of the schema without reading their pages; VACUUM then writes
// the file anew from the records alone, which frees those pages and tells every other
// connection that the schema changed.
int FileInstance::forgetDamagedKeys() {
    if (txReasons) return fail(FileError::KeysMustBeRebuilt);
    endReadTx();
    suspendCursors();
    int rc = execute(db, "PRAGMA writable_schema = ON");
    if (rc == SQLITE_OK)
        rc = execute(db,
                     "DELETE FROM sqlite_master WHERE type = 'index' AND tbl_name = 'rec' AND "
                     "name LIKE 'rec_k%'");
    execute(db, "PRAGMA writable_schema = OFF");
    if (rc == SQLITE_OK) rc = execute(db, "VACUUM");
    return rc == SQLITE_OK ? 0 : failSqlite(rc);
}

Statement& FileInstance::updateFor(const std::string& changedKeys) {
    auto found = updates_.find(changedKeys);
    if (found != updates_.end()) return found->second;
    if (updates_.size() >= 64) updates_.clear();  // a few patterns of change are the rule
    Statement& s = updates_[changedKeys];
    std::string sql = "UPDATE rec SET version = version + 1, image = ?1";
    int param = 1;
    auto set = [&](const std::string& column) {
        sql += ", " + column + " = ?" + std::to_string(++param);
    };
    for (std::size_t i = 0; i < decl.memos().size(); ++i)
        set(memoColumn(i));
    for (std::size_t i = 0; i < decl.blobs().size(); ++i)
        set(blobColumn(i));
    for (std::size_t k = 0; k < changedKeys.size(); ++k) {
        if (changedKeys[k] == '1') set(keyColumn(static_cast<int>(k)));
    }
    sql += " WHERE id = ?" + std::to_string(param + 1) + " AND version = ?" +
           std::to_string(param + 2);
    s.prepare(db, sql);
    return s;
}

std::string keyColumn(int key) {
    return "k" + std::to_string(key);
}

std::string indexSql(const FileDecl& decl, int key) {
    return std::string("CREATE ") + (decl.keys()[key].unique() ? "UNIQUE " : "") + "INDEX rec_" +
           keyColumn(key) + " ON rec(" + keyColumn(key) + ")";
}

}  // namespace rt::detail
