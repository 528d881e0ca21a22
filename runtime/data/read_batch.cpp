#include "runtime/data/read_batch.h"

#include <unordered_set>

#include "runtime/data/file_instance.h"
#include "runtime/data/record_file.h"
#include "runtime/data/thread_state.h"

namespace rt::detail {
namespace {

// Instances of this thread whose batch transaction is open.
using OpenBatches = std::unordered_set<FileInstance*>;

OpenBatches* openBatches(bool create = true) {
    return ThreadState<OpenBatches>::get(create);
}

// Runs BEGIN or COMMIT through a statement prepared once for the connection: a list pays
// for a batch on every page.
int runKept(sqlite3* db, Statement& statement, const char* sql) {
    if (!statement && statement.prepare(db, sql) != SQLITE_OK) return execute(db, sql);
    const int rc = statement.step();
    statement.reset();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

void FileInstance::beginReadTx() {
    ++readBatches;
    if (readBatches > 1 || readTxOpen || txReasons || !isOpen()) return;
    if (runKept(db, beginRead, "BEGIN") != SQLITE_OK) return;  // the reads go on one by one
    readTxOpen = true;
    if (OpenBatches* open = openBatches()) open->insert(this);
}

void FileInstance::endReadBatch() {
    if (readBatches > 0) --readBatches;
    if (readBatches == 0) endReadTx();
}

void FileInstance::endReadTx() {
    if (!readTxOpen) return;
    readTxOpen = false;
    if (OpenBatches* open = openBatches(false)) open->erase(this);
    // Walks kept open only for the batch would hold its read lock on past the commit.
    if (!quickScan) suspendCursors();
    if (runKept(db, commitRead, "COMMIT") == SQLITE_OK) return;
    // Nothing was written: giving the transaction up loses nothing.
    suspendCursors();
    execute(db, "ROLLBACK");
}

void endReadBatches() {
    OpenBatches* open = openBatches(false);
    if (!open) return;
    // endReadTx() takes the instance out of the set, so work on a copy.
    OpenBatches copy = *open;
    for (FileInstance* f : copy)
        f->endReadTx();
}

}  // namespace rt::detail

namespace rt {

ReadBatch::ReadBatch(RecordFile& file) : file_(&file.instance()) {
    file_->beginReadTx();
}

ReadBatch::~ReadBatch() {
    file_->endReadBatch();
}

bool ReadBatch::active() const {
    return file_->readTxOpen;
}

}  // namespace rt
