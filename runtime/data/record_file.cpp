#include "runtime/data/record_file.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "runtime/data/file_instance.h"
#include "runtime/data/key_codec.h"
#include "runtime/data/thread_state.h"
#include "runtime/data/transaction.h"
#include "runtime/data/wait_seconds.h"
#include "runtime/text/ascii_case.h"

namespace rt {
namespace {

std::atomic<std::size_t> nextSlot{0};

// This thread's instances, by the slot of their RecordFile. At thread end they close
// before the table goes, while the other per-thread state is still there.
struct InstanceTable {
    std::vector<std::unique_ptr<detail::FileInstance>> files;
    ~InstanceTable() {
        for (auto& f : files)
            f.reset();
    }
};

InstanceTable* instances(bool create = true) {
    return detail::ThreadState<InstanceTable>::get(create);
}

// A key index that the declaration does not have is a programming error.
int checkedKey(const FileDecl& decl, int key) {
    if (key < 0 || key >= static_cast<int>(decl.keys().size()))
        throw std::out_of_range(decl.label() + ": no key number " + std::to_string(key));
    return key;
}

}  // namespace

RecordFile::RecordFile(FileDecl decl)
    : decl_(std::move(decl)), slot_(nextSlot++), name_(decl_.diskName()) {}

RecordFile::~RecordFile() {
    ended_.reset();
    InstanceTable* table = instances(false);
    if (table && slot_ < table->files.size()) table->files[slot_].reset();
}

detail::FileInstance& RecordFile::instance() {
    InstanceTable* t = instances();
    if (!t) {
        // The thread's instances are gone (its end, or the program's exit for the main
        // thread): a closed instance answers every operation with "File Not Open".
        std::call_once(endedOnce_,
                       [this] { ended_ = std::make_unique<detail::FileInstance>(decl_); });
        return *ended_;
    }
    auto& table = t->files;
    if (slot_ >= table.size()) table.resize(slot_ + 1);
    if (!table[slot_]) table[slot_] = std::make_unique<detail::FileInstance>(decl_);
    return *table[slot_];
}

RecordBuffer& RecordFile::buf() {
    return instance().buffer;
}

void RecordFile::clear() {
    instance().buffer.clear();
}

int RecordFile::key(std::string_view name) const {
    int index = decl_.keyIndex(name);
    if (index < 0) throw std::out_of_range("no key " + std::string(name));
    return index;
}

std::string RecordFile::name() {
    detail::FileInstance& f = instance();
    if (f.isOpen()) return f.name;
    std::lock_guard<std::mutex> lock(nameMutex_);
    return name_;
}

void RecordFile::setName(std::string name) {
    std::lock_guard<std::mutex> lock(nameMutex_);
    name_ = std::move(name);
}

detail::FileInstance& RecordFile::instanceNamed() {
    detail::FileInstance& f = instance();
    if (!f.isOpen()) {
        std::lock_guard<std::mutex> lock(nameMutex_);
        f.name = name_;
    }
    return f;
}

int RecordFile::open(int access) {
    detail::clearError();
    return instanceNamed().open(access);
}

int RecordFile::create() {
    detail::clearError();
    return instanceNamed().create();
}

int RecordFile::close() {
    detail::clearError();
    detail::FileInstance& f = instance();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    f.close();
    return 0;
}

bool RecordFile::isOpen() {
    return instance().isOpen();
}

int RecordFile::set() {
    detail::clearError();
    detail::FileInstance& f = instance();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    f.sequence.setStart(-1);
    return 0;
}

int RecordFile::set(int key) {
    detail::clearError();
    detail::FileInstance& f = instance();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    f.sequence.setStart(checkedKey(decl_, key));
    return 0;
}

int RecordFile::setFromBuffer(int key) {
    detail::clearError();
    detail::FileInstance& f = instance();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    const KeyDecl& k = decl_.keys().at(key);
    std::string components = keycodec::encodeComponents(k, f.buffer);
    f.sequence.setAt(key, components, keycodec::upperBound(k, components), true);
    return 0;
}

int RecordFile::reset(std::string_view position) {
    detail::clearError();
    detail::FileInstance& f = instance();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    int order;
    std::int64_t id;
    std::string key;
    if (int code = f.parsePosition(position, order, id, key)) return code;
    f.sequence.setAt(order, key, key, true);
    return 0;
}

int RecordFile::next() {
    detail::clearError();
    return instance().sequence.read(true, true);
}

int RecordFile::previous() {
    detail::clearError();
    return instance().sequence.read(false, true);
}

int RecordFile::skip(long count) {
    detail::clearError();
    detail::FileInstance& f = instance();
    for (long i = 0; i < (count < 0 ? -count : count); ++i) {
        if (int code = f.sequence.read(count > 0, false)) return code;
    }
    return 0;
}

int RecordFile::get(int key) {
    detail::clearError();
    return instance().getByKey(checkedKey(decl_, key));
}

int RecordFile::getPointer(std::int64_t pointer) {
    detail::clearError();
    return instance().readById(pointer);
}

int RecordFile::reget(std::string_view position) {
    detail::clearError();
    detail::FileInstance& f = instance();
    int order;
    std::int64_t id;
    std::string key;
    if (int code = f.parsePosition(position, order, id, key)) {
        f.forgetCurrent();
        return code;
    }
    return f.readById(id);
}

// Every read remembers the record's version and every PUT checks it, so WATCH has nothing
// left to switch on; it stays for the procedures that call it.
void RecordFile::watch() {}

int RecordFile::add() {
    detail::clearError();
    return instance().addRecord();
}

int RecordFile::put() {
    detail::clearError();
    return instance().putRecord();
}

int RecordFile::deleteRecord() {
    detail::clearError();
    return instance().deleteRecord();
}

std::int64_t RecordFile::pointer() {
    return instance().currentId;
}

std::string RecordFile::position() {
    detail::FileInstance& f = instance();
    int order = f.sequence.order();
    if (order < 0) return f.positionOf(-1, f.currentId, {});
    return f.positionOf(order, f.currentId, f.keyOf(order, f.currentId));
}

std::string RecordFile::position(int key) {
    checkedKey(decl_, key);
    detail::FileInstance& f = instance();
    return f.positionOf(key, f.currentId, f.keyOf(key, f.currentId));
}

// SEND never fails, so it leaves the last error alone: a list that turns quick scan off after
// a failed read still has that read's error to report.
int RecordFile::send(std::string_view command) {
    detail::FileInstance& f = instance();
    if (sameName(command, "QUICKSCAN=on")) {
        f.quickScan = true;
    } else if (sameName(command, "QUICKSCAN=off")) {
        f.quickScan = false;
        f.suspendCursors();
    } else if (sameName(command, "HOLDWRITES=on") || sameName(command, "HOLDWRITES=off")) {
        // SQLite writes changed pages out before the commit when its cache fills, and must
        // then shut other stations' reads out until the commit. Held writes stay in memory
        // instead, for a batch of writes whose size the caller keeps small. SQLite takes the
        // setting at the start of a transaction: send it before LOCK or LOGOUT.
        if (f.isOpen())
            detail::execute(f.db, sameName(command, "HOLDWRITES=on") ? "PRAGMA cache_spill = OFF"
                                                                     : "PRAGMA cache_spill = ON");
    } else if (startsWithNoCaseAscii(command, "Recover=")) {
        // A lock left by a station that died goes with its process; a half-written
        // transaction is rolled back by the next reader. So recovery is a longer wait.
        int seconds = std::atoi(std::string(command.substr(8)).c_str());
        f.openWaitSeconds = seconds;
    }
    return 0;
}

bool RecordFile::quickScan() {
    return instance().quickScan;
}

std::int64_t RecordFile::records() {
    detail::clearError();
    detail::FileInstance& f = instance();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen), -1;
    detail::Statement count(f.db, "SELECT count(*) FROM rec");
    int rc = count.step();
    if (rc != SQLITE_ROW) return f.failSqlite(rc), -1;
    return count.integer(0);
}

std::int64_t RecordFile::bytes() {
    detail::FileInstance& f = instanceNamed();
    if (f.readSinceOpen) return decl_.recordSize();
    // An open file's size is that of its records: progress counted in record sizes then
    // reaches the whole file at its last record, whatever room the keys take on disk.
    if (f.isOpen()) {
        const std::int64_t count = records();
        return count < 0 ? 0 : count * decl_.recordSize();
    }
    std::error_code ec;
    auto size = std::filesystem::file_size(f.name, ec);
    return ec ? 0 : static_cast<std::int64_t>(size);
}

bool RecordFile::duplicate(int key) {
    return instance().duplicates(key);
}

bool RecordFile::duplicate() {
    for (int k = 0; k < static_cast<int>(decl_.keys().size()); ++k) {
        if (duplicate(k)) return true;
    }
    return false;
}

int RecordFile::empty() {
    detail::clearError();
    detail::FileInstance& f = instance();
    if (!f.isOpen()) return f.fail(FileError::FileNotOpen);
    f.endReadTx();
    f.suspendCursors();
    int rc = detail::execute(f.db, "DELETE FROM rec");
    if (rc != SQLITE_OK) return f.failSqlite(rc);
    f.forgetCurrent();
    return 0;
}

int RecordFile::build() {
    detail::clearError();
    return instanceNamed().build();
}

int RecordFile::remove() {
    detail::clearError();
    detail::FileInstance& f = instanceNamed();
    if (f.isOpen()) return f.fail(FileError::FileAlreadyOpen);
    std::error_code ec;
    if (!std::filesystem::remove(f.name, ec)) {
        return f.fail(ec ? FileError::AccessDenied : FileError::FileNotFound);
    }
    std::filesystem::remove(f.name + "-journal", ec);
    return 0;
}

int RecordFile::lock(int seconds) {
    detail::clearError();
    return instance().beginTx(detail::kTxLock, waitMilliseconds(seconds));
}

int RecordFile::unlock() {
    detail::clearError();
    return instance().endTx(detail::kTxLock);
}

int RecordFile::stream() {
    detail::clearError();
    return instance().beginTx(detail::kTxStream, detail::kDefaultWaitMs);
}

int RecordFile::flush() {
    detail::clearError();
    return instance().endTx(detail::kTxStream);
}

int RecordFile::claimNumber(std::string_view counter, std::int64_t atLeast, std::int64_t& claimed) {
    detail::clearError();
    return instance().claimNumber(counter, atLeast, claimed);
}

int RecordFile::releaseNumber(std::string_view counter, std::int64_t claimed) {
    detail::clearError();
    return instance().releaseNumber(counter, claimed);
}

Field::Field(RecordFile& file, std::string_view name) : file_(&file) {
    index_ = file.decl().fieldIndex(name);
    if (index_ < 0) throw std::out_of_range("no field " + std::string(name));
}

}  // namespace rt
