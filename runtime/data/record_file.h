#pragma once
// A keyed record file on SQLite. The RecordFile object is declared once for the program
// (usually a global); every thread has its own instance of it: record buffer, open state,
// current record and position. Operations answer 0 or an error code (see errors.h) and set
// the thread's last error.

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "runtime/data/declaration.h"
#include "runtime/data/errors.h"
#include "runtime/data/record_buffer.h"

namespace rt {

namespace detail {
class FileInstance;
}

// Access modes of OPEN: low nibble 0 read, 1 write, 2 read and write; high nibble
// 0x10 deny all, 0x20 deny write, 0x40 deny none.
namespace ACCESS {
inline constexpr int ReadOnly = 0x00;
inline constexpr int WriteOnly = 0x01;
inline constexpr int ReadWrite = 0x02;
inline constexpr int DenyAll = 0x10;
inline constexpr int DenyWrite = 0x20;
inline constexpr int DenyNone = 0x40;
inline constexpr int ReadWriteDenyNone = 0x42;
inline constexpr int ReadWriteDenyWrite = 0x22;
}  // namespace ACCESS

class RecordFile {
  public:
    explicit RecordFile(FileDecl decl);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    const FileDecl& decl() const { return decl_; }
    RecordBuffer& buf();  // this thread's buffer
    void clear();         // CLEAR of the buffer, memos and BLOBs included

    // Key by name (without regard to case); throws std::out_of_range when there is none.
    int key(std::string_view name) const;

    // The file name on disk (NAME): the declared one unless setName gave another; a new name
    // holds for every thread from its next OPEN, CREATE, BUILD or REMOVE on. An open
    // instance keeps the name it was opened with.
    std::string name();
    void setName(std::string name);

    int open(int access = ACCESS::ReadWriteDenyNone);
    // A new empty file, built whole and then put in place. An existing file of that name
    // is never replaced: CREATE then answers 0 and leaves it (another station may have just
    // created it); REMOVE first to start afresh.
    int create();
    int close();
    bool isOpen();

    // Sequential reading. SET without a key: record order; with a key: key order from its
    // start; setFromBuffer: key order from the key values in the buffer (the first record at
    // or after them going forward, at or before them going backward).
    int set();
    int set(int key);
    int setFromBuffer(int key);
    int reset(std::string_view position);  // the next NEXT or PREVIOUS reads that record
    int next();
    int previous();
    int skip(long count);  // forward (or backward when negative), the buffer unchanged

    // Direct reading. GET by key uses the key values in the buffer (an exact match).
    int get(int key);
    int getPointer(std::int64_t pointer);  // pointer 0 means none: fails, no current record
    int reget(std::string_view position);
    void watch();

    // Writing. PUT and DELETE act on the current record (the last one read or added).
    int add();
    int put();
    int deleteRecord();

    // The current record's pointer (0 without a current record) and positions (at most 512
    // characters; compare them only for equality).
    std::int64_t pointer();
    std::string position();         // in the order of the last SET or RESET
    std::string position(int key);  // the record in the buffer, in the key's order

    // "QUICKSCAN=on", "QUICKSCAN=off", "Recover=<s>", "HOLDWRITES=on" / "HOLDWRITES=off"
    // (the changes of the transactions begun after it stay in memory until their commit, so
    // other stations go on reading meanwhile).
    int send(std::string_view command);
    bool quickScan();  // is QUICKSCAN on for this thread's instance?
    // The number of records, or -1 when they could not be counted (the file not open, a read
    // failed): errorCode() then tells why.
    std::int64_t records();
    // Before the first read after OPEN the size of all records (records() times the record
    // size; the size on disk while closed), after a read the size of one record; 0 when it
    // cannot be told. For progress only.
    std::int64_t bytes();
    bool duplicate(int key);  // would the buffer's values duplicate another record's in key?
    bool duplicate();         // ... in any key without duplicates
    int empty();
    int build();   // rebuilds every key (the file may be closed or open)
    int remove();  // deletes the file from the disk (it must be closed)

    // LOCK waits at most `seconds` for other stations' writes to end (then 32) and keeps
    // other stations from writing until UNLOCK; they may still read. STREAM gathers the writes
    // that follow into one commit at FLUSH. Both share the file's one SQLite transaction: its
    // writes are committed when the last of LOCK, STREAM and LOGOUT ends, and a ROLLBACK
    // undoes them all.
    int lock(int seconds);
    int unlock();
    int stream();
    int flush();

    // Numbers handed out before their records are added (a form numbers its record as it
    // opens and adds it on OK): `claimed` becomes the larger of `atLeast` and one above the
    // last number claimed under `counter`, kept in the file so that no two stations claim
    // the same one. Inside LOCK or LOGOUT it belongs to that transaction.
    int claimNumber(std::string_view counter, std::int64_t atLeast, std::int64_t& claimed);
    // Gives `claimed` back while it is still the last one claimed (its record was never
    // added); a number claimed by a station that died is skipped.
    int releaseNumber(std::string_view counter, std::int64_t claimed);

    detail::FileInstance& instance();  // the running thread's instance (internal)

  private:
    detail::FileInstance& instanceNamed();  // instance() with the current name, when closed

    FileDecl decl_;
    std::size_t slot_;
    mutable std::mutex nameMutex_;
    std::string name_;
    std::once_flag endedOnce_;
    std::unique_ptr<detail::FileInstance> ended_;
};

// A field of a record file, looked up once by name: reads and writes this thread's buffer.
class Field {
  public:
    Field(RecordFile& file, std::string_view name);

    std::string text() const { return file_->buf().text(index_); }
    Decimal number() const { return file_->buf().number(index_); }
    long long integer() const { return file_->buf().integer(index_); }
    Value value() const { return file_->buf().value(index_); }
    bool setText(std::string_view text) const { return file_->buf().setText(index_, text); }
    bool setNumber(const Decimal& n) const { return file_->buf().setNumber(index_, n); }
    bool setInteger(long long n) const { return file_->buf().setInteger(index_, n); }
    bool setValue(const Value& v) const { return file_->buf().setValue(index_, v); }
    int index() const { return index_; }
    const std::string& name() const { return file_->decl().fields()[index_].name; }

  private:
    RecordFile* file_;
    int index_;
};

// Closes every read statement of this thread's record files and views, so that no open read
// blocks another station's commit. Call it before waiting for the next event: a scan goes on
// from where it stood at its next read.
void suspendRecordScans();

}  // namespace rt
