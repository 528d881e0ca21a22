#pragma once
// The text-line file: a file of text lines read and written as records of one STRING(16000)
// field, for importing and exporting. ADD appends the record without its trailing blanks and
// a carriage return and line feed. NEXT reads the next line: only CR LF ends a line, a tab
// expands to blanks up to the next multiple of 8, byte 26 ends the data, and a line longer
// than the record goes on as a line of its own. Text passes unchanged, without conversion.
// One object is one instance; keep one per thread (thread_local) where threads share it.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

class LineFile {
  public:
    static constexpr int kRecordSize = 16000;

    LineFile();
    ~LineFile();
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;

    // The file system's name of the file (runtime/text/file_names.h), not code-page text.
    void setName(std::string name) { name_ = std::move(name); }
    const std::string& name() const { return name_; }

    // The record: always kRecordSize characters, blank padded.
    std::string& record() { return record_; }
    void setRecord(std::string_view text);

    int create();          // an empty file, replacing one of that name
    int open(int access);  // 0x11 write, others denied; 0x20 read, others may not write; ...
    int close();
    bool isOpen() const { return fd_ >= 0; }
    int set();  // back to the first line
    // 33 at the end of the data. A read that fails, or a file whose size or time of change is
    // no longer what it was when it was opened, is error 90 with its cause, for every later
    // read too: the file is not read as if it had ended there.
    int next();
    int add();

    // Whole lines, without the record's limits, for comma-separated files whose quoted values
    // may be longer than a record or hold line breaks. readLine takes the next line as it
    // stands (tabs kept, no length limit): a CR LF, a lone LF or a lone CR ends it, byte 26
    // ends the data; answers 33 at the end. A file that starts with a UTF-8 byte-order mark
    // has the mark skipped (its bytes count with the first line) and utf8() is true.
    int readLine(std::string& line);
    bool utf8() const { return utf8_; }
    // What ended the line readLine took: "\r\n", "\n", "\r", or "" at the end of the data.
    std::string_view lineEnd() const { return lineEnd_; }
    // Where the next readLine starts, and a return there (a reader looking ahead).
    std::int64_t position() const { return offset_; }
    void seek(std::int64_t position) { offset_ = position; }
    // Appends `text` followed by CR LF, as it stands (no blanks dropped). A write that fails
    // part-way is undone, so the file still ends with a whole line.
    int appendLine(std::string_view text);
    std::int64_t bytes();  // the file's size before the first read, the line's bytes after
    int remove();
    int send(std::string_view command);  // "QUICKSCAN=on/off": reading is buffered anyway

    // Tests: the call that reads the file's bytes (pread), to make reads fail; nullptr puts
    // pread back.
    using ReadFunction = ssize_t (*)(int fd, void* buffer, std::size_t count, off_t offset);
    static void setReadFunction(ReadFunction read);

  private:
    int byteAt(std::int64_t offset);  // -1 at the end of the file, or once a read failed
    int endOrReadError();             // 33 at the end, 90 when the read failed
    int failErrno(int error);

    std::string name_;
    std::string record_;
    int fd_ = -1;
    std::int64_t offset_ = 0;
    std::int64_t lastBytes_ = 0;
    bool readSinceOpen_ = false;
    bool utf8_ = false;
    int readErrno_ = 0;                     // of a read that failed
    bool changed_ = false;                  // the file is not as it was opened
    decltype(stat::st_mtim) openedTime_{};  // modification time when opened
    std::int64_t openedSize_ = 0;
    std::string_view lineEnd_;
    std::vector<char> chunk_;
    std::int64_t chunkStart_ = 0;
};

}  // namespace rt
