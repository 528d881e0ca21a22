#pragma once
// Shared steps of the tagging operations: the table's key values in the tag record buffer,
// reading a table's tags in value order and the count cache.

namespace tagging {

// A table or pointer that fits its field in the tag file (SHORT, LONG) and is not 0.
bool validTable(long table);
bool validPointer(long pointer);

// Sets user 0, the table and the pointer in the buffer, ready for a GET by pointer.
void setPointerKey(long table, long pointer);
// Places the file's sequence before the table's first tag in value order.
void positionBeforeTable(long table);
// Does the tag in the buffer belong to the table (user 0)?
bool belongsTo(long table);
// Reads the next tag in the sequence: true when the read succeeded and the tag belongs to
// the table.
bool readNextOf(long table);

// The cache after a tag of `table` was added (+1) or removed (-1).
void adjustTagCount(long table, long delta);

}  // namespace tagging

namespace tagging {

// Counts the tag file in for the life of the object (or until release()).
class TagFileUse {
  public:
    TagFileUse();
    ~TagFileUse() { release(); }
    TagFileUse(const TagFileUse&) = delete;
    TagFileUse& operator=(const TagFileUse&) = delete;
    void release();

  private:
    bool counted_ = false;
};

}  // namespace tagging
