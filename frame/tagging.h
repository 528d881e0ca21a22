#pragma once
// Record tagging: marks on records, kept as records of the shared tag file ("TagFile_.KVF").
// A tag belongs to a tag table (TAG::Contacts, TAG::CheckRegister, ...) and holds the tagged
// record's pointer and a 10-character sort value; a record has at most one tag per table.
// Tags are not tied to their records: deleting or changing a record leaves its tags.
// All stations share the tags.
//
// Table 0 and pointer 0 mean "none": an operation given them does nothing and answers 0.
// A failed write on the tag file ends the program ("Error #n - text (label)"); a write that
// meets another station's lock waits for it a few seconds first.
//
// Walks: FirstTag_ opens the tag file and answers the table's first tag in value order;
// each NextTag_ answers the one after the tag it answered last, exactly, even among tags of
// equal value; the call that reaches the end closes the file and answers 0. SetTag_,
// ClrTag_, GetTag_, CountTags_ and NewTag_ between the steps do not move the walk; a tag
// cleared after the walk has passed it is not answered again.

#include <optional>
#include <string_view>

#include "frame/codes.h"  // the tag tables: TAG::Contacts, ...
#include "runtime/data/read_batch.h"

namespace GLO {
// The tag count cache of this thread: the table counted last and its number of tags
// (table 0: the cache is empty). Setting and clearing tags of that table keep it up to date.
inline thread_local long TagCountTable = 0;
inline thread_local long TagCount = 0;
}  // namespace GLO

// Counts the tag file in for this thread (opened through OpenDataFile, created when missing,
// its fields bound) and out again (closed when no one uses it).
void OpenTagFile_();
void CloseTagFile_();

// Marks the record in the table; an existing tag gets the new value (cut or padded to 10).
void SetTag_(long table, long pointer, std::string_view value);
// Removes the record's tag from the table, if it has one; the tag record buffer is cleared.
void ClrTag_(long table, long pointer);
// 1 when tagged (the tag stays in the tag file's record buffer), else 0 (buffer cleared).
int GetTag_(long table, long pointer);
// The pointer of the table's first tag in value order; 0 when the table has none.
long FirstTag_(long table);
// The pointer of the walk's next tag; 0 at the end.
long NextTag_(long table);
// The number of tags in the table (from the cache when it holds this table).
long CountTags_(long table);
// Removes every tag of the table.
void NewTag_(long table);

// Holds the tag reads of a short run of GetTag_ calls (the marks of a list's page) in one
// read transaction of the tag file, instead of one per call; table 0 holds nothing. The tag
// file must be open already (a tagging list keeps it open). Keep it to a run of reads:
// a wait for the next event ends the transaction anyway.
class TagReads {
  public:
    explicit TagReads(long table);

  private:
    std::optional<rt::ReadBatch> batch_;
};
