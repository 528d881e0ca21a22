#pragma once
// A short run of reads on one record file under one SQLite read transaction:
//
//   {
//       rt::ReadBatch batch(TAGS);   // deferred BEGIN
//       for (...) TAGS.get(key);     // one shared lock for all of them
//   }                                // ended here
//
// Without it every read takes and drops the file's shared lock and checks the file anew.
// The batch does nothing when the file is not open on this thread or already has a
// transaction of its own (LOGOUT, LOCK, STREAM); nested batches share the outer one.
// A write, LOCK, STREAM, LOGOUT or CLOSE ends the batch's transaction first (the reads after
// it go on without one), and so does rt::suspendRecordScans(): a batch never holds its lock
// while the thread waits for the next event. Use it on the thread that reads.

namespace rt {

class RecordFile;

namespace detail {
class FileInstance;
}

class ReadBatch {
  public:
    explicit ReadBatch(RecordFile& file);
    ~ReadBatch();
    ReadBatch(const ReadBatch&) = delete;
    ReadBatch& operator=(const ReadBatch&) = delete;

    // True while the batch's read transaction is open.
    bool active() const;

  private:
    detail::FileInstance* file_;
};

namespace detail {
void endReadBatches();  // ends every batch transaction of this thread
}

}  // namespace rt
