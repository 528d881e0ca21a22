#pragma once
// One thread's instance of a record file: its SQLite connection, buffer, current record,
// sequence and transaction state. Internal to the record-file layer.

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "runtime/data/cursor.h"
#include "runtime/data/declaration.h"
#include "runtime/data/record_buffer.h"
#include "runtime/data/sqlite_statement.h"

namespace rt::detail {

// Why this instance holds an SQLite transaction open.
inline constexpr unsigned kTxLogout = 1;
inline constexpr unsigned kTxLock = 2;
inline constexpr unsigned kTxStream = 4;

class FileInstance {
  public:
    explicit FileInstance(const FileDecl& decl);
    ~FileInstance();

    const FileDecl& decl;
    RecordBuffer buffer;
    std::string name;
    sqlite3* db = nullptr;
    int access = 0;
    bool quickScan = false;
    // Text kept on disk in code page 437: the declaration's choice, or that of a file made
    // while its declaration still asked for it (such a file keeps its code page).
    bool storedOem = false;
    int openWaitSeconds = 1;  // how long OPEN waits for another station's lock

    std::int64_t currentId = 0;
    std::int64_t currentVersion = 0;
    bool readSinceOpen = false;
    Cursor sequence{*this};
    std::vector<Cursor*> cursors;  // the sequence and the open views

    unsigned txReasons = 0;
    // Versions of the records rewritten in the open transaction, as they were before it:
    // a ROLLBACK gives the records back their old versions.
    std::map<std::int64_t, std::int64_t> versionsBeforeTx;

    // Read batches (read_batch.h): how many are live, and whether their deferred read
    // transaction is open.
    int readBatches = 0;
    bool readTxOpen = false;
    Statement beginRead, commitRead;  // the batch's BEGIN and COMMIT, prepared once

    // SQL pieces and statements, ready while the file is open.
    std::string selectColumns;  // id, version, image, memos, BLOBs
    Statement byId;
    Statement insert;
    Statement remove;
    Statement nextId;

    bool isOpen() const { return db != nullptr; }
    int fail(int code) const;              // sets the last error with this file's name
    int failSqlite(int sqliteCode) const;  // maps SQLite's code, keeps its text
    // An existing file that cannot be opened: 5 when the system denies access, else 90,
    // with the reason in the engine's text.
    int failAccess(int systemError, std::string_view reason) const;
    // A file that could not be created in its folder: a folder the user may not write is
    // said as such (error 5), any other reason as failAccess says it.
    int failCreate(int systemError) const;
    int mapSqlite(int sqliteCode) const;  // the error code for an SQLite result
    // 47 for a file that is no record file of this program at all (empty, garbage, another
    // program's database), saying so.
    int failForeign(int sqliteCode, std::string_view reason) const;

    int open(int accessMode);
    int create();
    void close();
    int build();

    // Loads the row (columns as in selectColumns) into the buffer as the current record.
    void loadRow(const Statement& row);
    void forgetCurrent() { currentId = currentVersion = 0; }
    int readById(std::int64_t id);
    // Whether the record is in the file: SQLITE_ROW when it is, SQLITE_DONE when it is not,
    // or the code of the failed look-up (another station's lock held too long, a read error).
    int lookUpRecord(std::int64_t id);

    std::string keyOf(int key, std::int64_t id) const;  // stored key from the buffer
    std::string positionOf(int order, std::int64_t id, const std::string& key) const;
    int parsePosition(std::string_view position, int& order, std::int64_t& id,
                      std::string& key) const;

    int addRecord();
    int putRecord();
    int deleteRecord();
    int getByKey(int key);
    int claimNumber(std::string_view counter, std::int64_t atLeast, std::int64_t& claimed);
    int releaseNumber(std::string_view counter, std::int64_t claimed);
    bool duplicates(int key);

    int beginTx(unsigned reason, int waitMs);
    int endTx(unsigned reason);  // commits when no reason is left
    int rollbackTx();            // rolls back, whatever the reasons
    void suspendCursors();

    void beginReadTx();   // a batch starts: BEGIN when it is the first and nothing else holds one
    void endReadBatch();  // a batch ends: the transaction with the last one
    void endReadTx();     // ends the batch transaction now (a write or a wait comes)

    // Read statements that no walk holds at the moment, by their SQL: a view opened again
    // takes them back instead of preparing them anew. takeStatement answers an empty
    // statement when none is kept.
    Statement takeStatement(const std::string& sql);
    void keepStatement(std::string sql, Statement statement);

    // How long a statement waits for another station's lock. The lock is tried again every
    // millisecond or two, not in SQLite's own steps that grow to a tenth of a second: a
    // lock let go is taken at once, even while its holder takes it back often.
    void setBusyWait(int milliseconds);

  private:
    static int busyRetry(void* self, int tries);
    int openConnection(int flags, int waitMs);
    int buildNewFile(const std::string& temporary);  // schema and meta rows, one commit
    bool recordsIntact() const;                      // every record reads whole, without the keys
    int forgetDamagedKeys();
    int checkSchema();
    void buildSelectColumns();
    int prepareStatements();
    void bindRecord(const Statement& s, int first) const;
    std::string diskImage() const;
    int withWriteTx(const std::function<int()>& work);
    int duplicateFailure();
    Statement& keyLookup(int key);
    // The UPDATE that writes the record and the keys marked '1' in `changedKeys`.
    Statement& updateFor(const std::string& changedKeys);
    std::vector<std::string> storedKeys(std::int64_t id);
    // The last number claimed under `counter` (0 when none); false on an engine error.
    bool lastClaimed(const std::string& row, std::int64_t& last);
    int storeClaimed(const std::string& row, std::int64_t last);

    std::map<int, Statement> getByKey_;
    std::map<std::string, Statement> updates_;
    std::map<int, Statement> duplicateLookup_;
    Statement storedKeys_;
    std::unordered_multimap<std::string, Statement> idleStatements_;
    int busyWaitMs_ = 0;
    std::chrono::steady_clock::time_point busySince_;  // the first try of the current wait
};

inline constexpr const char* kNotARecordFile = "not a record file of this program";
inline constexpr const char* kDeletedElsewhere = "Record Deleted By Another Station";

// The connection's busy wait while a statement runs.
inline constexpr int kDefaultWaitMs = 5000;

std::string keyColumn(int key);
std::string indexSql(const FileDecl& decl, int key);

}  // namespace rt::detail
