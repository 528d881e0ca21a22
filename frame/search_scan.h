#pragma once
// The scan of a query-by-example search: where it starts (a keyed start from the key-start
// list, the tag table for an "Unselect" without one, else the file in record order), and
// the walk to the next record that passes every active field.

#include <functional>
#include <vector>

#include "frame/search_criteria.h"
#include "runtime/data/record_file.h"

struct KeyStart {
    int control = 0;  // the search field
    int key = 0;      // a key of the record file on that field
};

class SearchScan {
  public:
    enum class Result { Match, End, ReadError };

    SearchScan(rt::RecordFile& file, const SearchCriteria& criteria, long tagTable);

    // Chooses the start. `walkTagsWithoutKey`: with no keyed start, walk the tag table
    // (an "Unselect") instead of the file. Counters start at 0.
    void start(const std::vector<KeyStart>& keyStarts, bool walkTagsWithoutKey);

    // Reads on to the next match. Every 100 records read, `pause` is called with the
    // percentage done; when it answers false the scan ends as if no record matched.
    // A read error other than the end of the file ends the scan with ReadError.
    Result next(const std::function<bool(int percent)>& pause = {});

    long recordsRead() const { return read_; }
    long total() const { return total_; }
    long found() const { return found_; }
    int stopField() const { return stopField_; }
    bool walksTags() const { return walkTags_; }
    int percent() const;

  private:
    // 0 with a record in the buffer, 33 at the end, another code for a read error.
    int readNext();

    rt::RecordFile* file_;
    const SearchCriteria* criteria_;
    long tagTable_;
    int stopField_ = 0;
    bool walkTags_ = false;
    long nextTag_ = 0;
    bool ended_ = false;
    long read_ = 0;
    long total_ = 0;
    long found_ = 0;
};
