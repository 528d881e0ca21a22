#pragma once
// An in-memory queue: typed rows laid out like a record (declared with a FileDecl's fields),
// read and written through one row buffer. Positions count from 1.
//
//   rt::Queue page(rt::FileDecl("BRW1", "BRW1:").STRING("BRW1::PAY:PAYTO", 30)
//                                               .STRING("BRW1::POSITION", 512));
//   page.buf().setText(0, "Smith"); page.add();

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/data/declaration.h"
#include "runtime/data/record_buffer.h"

namespace rt {

class Queue {
  public:
    explicit Queue(FileDecl layout);

    const FileDecl& decl() const { return decl_; }
    RecordBuffer& buf() { return buffer_; }

    int add();               // appends the buffer; it becomes the current row
    int add(long position);  // inserts the buffer at the position (past the end: appends)
    int get(long position);  // copies the row into the buffer; 30 when there is none
    int put();               // rewrites the current row from the buffer
    int deleteRow();         // removes the current row
    // Sorts by the fields named ("-" before a name sorts it descending); rows that compare
    // equal keep their order.
    void sort(std::initializer_list<std::string_view> fields);
    long records() const { return static_cast<long>(rows_.size()); }
    long pointer() const { return current_; }  // the current row, 0 when there is none
    void free();                               // removes every row

  private:
    FileDecl decl_;
    RecordBuffer buffer_;
    std::vector<std::vector<char>> rows_;
    long current_ = 0;
};

}  // namespace rt
