#pragma once
// Claims of a print run: the records a run writes before their pages exist (a check marked
// printed, a draft numbered, an invoice marked), each with what its changed fields held
// before. Writing them first keeps two stations from printing the same record; once the run
// has ended, the changes of records whose pages reached paper stay and the others are put
// back. The claims are noted in a file of the run's own beside the record file, locked while
// the run lives, so that the claims of a run that was killed are found and put back by the
// next opening of the list or the next run.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/data/record_buffer.h"
#include "runtime/data/record_file.h"

struct PrintRun;

// How the records of a kind are named in messages. The kind is noted with the claims, so
// that a later opening names the records of a run it puts back as that run did.
struct ClaimWords {
    std::string things;  // "checks"
    std::string title;   // the message box's title
    // The record in the file's buffer as a message names it (as it is after a put-back);
    // empty: by the label it was noted with.
    std::function<std::string()> label = {};
};

// One field a run changed: its full name and its texts before and after.
struct ClaimedChange {
    std::string field, before, after;
};

// What putting back found, by the records' labels.
struct PutBack {
    std::vector<std::string> putBack;           // back as they were before the run
    std::vector<std::string> changedElsewhere;  // another station's change kept
    std::vector<std::string> failed;            // could not be written
    std::vector<std::string> unreadable;        // could not be read: left for the next opening

    bool empty() const {
        return putBack.empty() && changedElsewhere.empty() && failed.empty() && unreadable.empty();
    }
};

class PrintClaims {
  public:
    PrintClaims(rt::RecordFile& file, ClaimWords words);
    ~PrintClaims();  // an unsettled run leaves its note for the next opening
    PrintClaims(const PrintClaims&) = delete;
    PrintClaims& operator=(const PrintClaims&) = delete;

    // Notes the change about to be written: the file's buffer holds the record as it will be
    // written, `before` as it was read. False (with the reason in lastError) when the note
    // cannot be kept: the record must not be written then.
    bool note(const rt::RecordBuffer& before, std::string label);
    // The write noted last failed: there is nothing to put back for it.
    void withdraw();

    // The records that the other runs over the file, still going, have claimed.
    std::set<std::int64_t> claimedByOtherRuns() const;

    // The detail band of the record noted last printed on `page`.
    void placeLast(int page);

    // Printing into a file: the document holding `planned`'s pages is complete under
    // `temporaryFile` and about to take its name. Notes which claims it holds, so that a run
    // killed after the rename keeps them; false when the note cannot be kept.
    bool notePaper(const PrintRun& planned, const std::string& temporaryFile);

    // After the run: keeps the changes of the records on paper, puts the others back and
    // removes the note. A record that could not be read or written stays in the note for the
    // next opening, and only such records. Shows one message when anything was put back or
    // could not be.
    PutBack settle(const PrintRun& run);

    const std::string& lastError() const { return error_; }

  private:
    struct Claim;
    bool openNote();
    bool writeLine(const std::string& line);

    rt::RecordFile& file_;
    ClaimWords words_;
    std::vector<Claim> claims_;
    int fd_ = -1;
    std::string path_;
    std::string error_;
};

// Finds the claims of runs over `file` that no longer exist, puts them back and says so in
// one message a kind of record, naming the records. `kinds` are the kinds runs over the file
// claim; a note without a known kind is of the first. The file must be open.
PutBack PutBackAbandonedClaims(rt::RecordFile& file, const std::vector<ClaimWords>& kinds);
