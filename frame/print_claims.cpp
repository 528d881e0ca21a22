#include "frame/print_claims.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "frame/codes.h"
#include "frame/record_report.h"
#include "runtime/data/errors.h"
#include "runtime/print/part_files.h"
#include "runtime/ui/dialogs.h"

namespace fs = std::filesystem;

struct PrintClaims::Claim {
    std::int64_t pointer = 0;
    std::string label;
    std::vector<ClaimedChange> changes;
    int page = -1;  // the page its band printed on; -1: none
};

namespace {

constexpr long kPutBackAttempts = 3;
constexpr const char* kNoteSuffix = ".claims";
// The line noting the document about to take its name: its temporary name and the pointers
// of the claims on it.
constexpr const char* kPaperLine = "paper";
// The note's first line: the kind of records its run claims.
constexpr const char* kKindLine = "kind";
// A claim with nothing left to put back (its write failed, or it was settled while others
// stay for the next opening).
constexpr const char* kDroppedLine = "dropped";

// The folder of the notes of the runs over one record file, beside it.
fs::path notesFolder(rt::RecordFile& file) {
    return fs::absolute(fs::path(file.name())).parent_path() / "print-claims";
}

std::string notePrefix(rt::RecordFile& file) {
    return fs::path(file.name()).filename().string() + "-";
}

// Texts in a note are written as hex, so that any byte of a field fits on its line.
std::string hex(std::string_view text) {
    static const char* const kDigits = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() * 2);
    for (unsigned char c : text) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

bool unhex(std::string_view text, std::string& out) {
    if (text.size() % 2) return false;
    out.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const std::string pair(text.substr(i, 2));
        char* end = nullptr;
        const long byte = std::strtol(pair.c_str(), &end, 16);
        if (end != pair.c_str() + 2) return false;
        out += static_cast<char>(byte);
    }
    return true;
}

bool knownField(rt::RecordFile& file, const std::string& name) {
    for (const rt::FieldDecl& f : file.decl().fields())
        if (f.name == name) return true;
    return false;
}

// The file's device and inode, which a rename keeps; empty when there is no such file.
constexpr const char* kFileWord = "file:";
std::string fileIdentity(const std::string& path) {
    struct stat about {};
    if (::stat(path.c_str(), &about) != 0) return "";
    return kFileWord + std::to_string(about.st_dev) + ":" + std::to_string(about.st_ino);
}

// A lock on the whole note while its run lives; the process's end lets it go.
bool lockNote(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Notes that nothing of the claim on `pointer` is left to put back. A line that cannot be
// written leaves the claim noted: putting it back later finds the record as it is and leaves
// it, or names it as changed meanwhile.
bool writeDropped(int fd, std::int64_t pointer) {
    const std::string line = std::string(kDroppedLine) + " " + std::to_string(pointer) + "\n";
    return ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size()) &&
           ::fdatasync(fd) == 0;
}

// One line a claim: the pointer, the label, then field:before:after for each change.
std::string lineOf(std::int64_t pointer, const std::string& label,
                   const std::vector<ClaimedChange>& changes) {
    std::string line = std::to_string(pointer) + " " + hex(label);
    for (const ClaimedChange& c : changes)
        line += " " + c.field + ":" + hex(c.before) + ":" + hex(c.after);
    return line + "\n";
}

enum class PutBackOutcome { NothingToDo, PutBack, ChangedElsewhere, Failed, Unreadable };

// The record in the buffer as a message names it, or by the label it was noted with.
std::string nameNow(const ClaimWords& words, const std::string& noted) {
    if (!words.label) return noted;
    const std::string now = words.label();
    return now.empty() ? noted : now;
}

// Puts one record back: each changed field that still holds what the run wrote gets what it
// held before. A field another station changed meanwhile keeps that change, and the record
// is then left as it is. The write is guarded: a record changed between the read and the
// write is read again. A record that cannot be read is left as it is, for a later try.
PutBackOutcome putBackRecord(rt::RecordFile& file, std::int64_t pointer, const std::string& label,
                             const std::vector<ClaimedChange>& changes, const ClaimWords& words,
                             PutBack& result) {
    rt::RecordBuffer& buf = file.buf();
    for (long attempt = 0; attempt < kPutBackAttempts; ++attempt) {
        const int read = file.getPointer(pointer);
        if (read == rt::FileError::EntryNotFound) {
            result.changedElsewhere.push_back(label);  // deleted meanwhile
            return PutBackOutcome::ChangedElsewhere;
        }
        if (read == rt::FileError::FileLocked) continue;
        if (read != 0) {
            result.unreadable.push_back(label);
            return PutBackOutcome::Unreadable;
        }
        bool ours = false, theirs = false;
        for (const auto& c : changes) {
            const std::string now = buf.text(c.field);
            if (now == c.after && now != c.before)
                ours = true;
            else if (now != c.before)
                theirs = true;
        }
        if (theirs) {
            result.changedElsewhere.push_back(nameNow(words, label));
            return PutBackOutcome::ChangedElsewhere;
        }
        if (!ours) return PutBackOutcome::NothingToDo;  // never written, or put back already
        for (const auto& c : changes)
            buf.setText(c.field, c.before);
        const int error = file.put();
        if (error == 0) {
            result.putBack.push_back(nameNow(words, label));
            return PutBackOutcome::PutBack;
        }
        if (error != rt::FileError::RecordChanged && error != rt::FileError::FileLocked) break;
    }
    result.failed.push_back(label);
    return PutBackOutcome::Failed;
}

// Outcomes that leave the claim in its note, for the next opening to try again.
bool leftForLater(PutBackOutcome outcome) {
    return outcome == PutBackOutcome::Failed || outcome == PutBackOutcome::Unreadable;
}

std::string joined(const std::vector<std::string>& labels) {
    std::string text;
    for (const std::string& l : labels)
        text += (text.empty() ? "" : ", ") + l;
    return text;
}

void tell(const PutBack& result, const ClaimWords& words, const std::string& first) {
    std::string text = first;
    if (!result.changedElsewhere.empty())
        text +=
            "\n\nChanged or deleted by another station meanwhile, left as that station "
            "wrote them: " +
            joined(result.changedElsewhere) + ".";
    if (!result.failed.empty())
        text += "\n\nThese could not be put back: " + joined(result.failed) + ".";
    if (!result.unreadable.empty())
        text +=
            "\n\nThese could not be read and will be put back at the next opening of the "
            "list or the next print run: " +
            joined(result.unreadable) + ".";
    rt::message(text, words.title, ICON::Exclamation);
}

// What a note holds: the kind of its run, its claims not dropped, and the document about to
// take its name with the claims on it.
struct NoteContents {
    std::string kind;
    struct Noted {
        std::int64_t pointer;
        std::string label;
        std::vector<ClaimedChange> changes;
    };
    std::vector<Noted> noted;
    std::string paperFile;
    std::string paperIdentity;  // the document the run wrote, where the note names it
    std::set<std::int64_t> onPaper;
};

NoteContents readNote(rt::RecordFile& file, const fs::path& note) {
    NoteContents contents;
    std::ifstream in(note);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words_in(line);
        std::string first, second, text, change;
        if (!(words_in >> first >> second)) continue;
        if (first == kDroppedLine) {
            const std::int64_t pointer = std::strtoll(second.c_str(), nullptr, 10);
            std::erase_if(contents.noted,
                          [pointer](const NoteContents::Noted& n) { return n.pointer == pointer; });
            continue;
        }
        if (!unhex(second, text)) continue;
        if (first == kKindLine) {
            contents.kind = text;
            continue;
        }
        if (first == kPaperLine) {
            contents.paperFile = text;
            contents.onPaper.clear();
            contents.paperIdentity.clear();
            for (std::string word; words_in >> word;)
                if (word.rfind(kFileWord, 0) == 0)
                    contents.paperIdentity = word;
                else
                    contents.onPaper.insert(std::strtoll(word.c_str(), nullptr, 10));
            continue;
        }
        NoteContents::Noted n{std::strtoll(first.c_str(), nullptr, 10), text, {}};
        while (words_in >> change) {
            // Field names hold a colon themselves: the two texts are the last two parts.
            const std::size_t b = change.rfind(':');
            const std::size_t a =
                b == 0 || b == change.npos ? change.npos : change.rfind(':', b - 1);
            if (a == change.npos) continue;
            ClaimedChange c;
            c.field = change.substr(0, a);
            if (!knownField(file, c.field) || !unhex(change.substr(a + 1, b - a - 1), c.before) ||
                !unhex(change.substr(b + 1), c.after))
                continue;
            n.changes.push_back(std::move(c));
        }
        contents.noted.push_back(std::move(n));
    }
    return contents;
}

// The notes of the runs over `file`, but `own`.
std::vector<fs::path> notesOf(rt::RecordFile& file, const std::string& own = {}) {
    std::vector<fs::path> notes;
    std::error_code ec;
    const std::string prefix = notePrefix(file);
    for (const fs::directory_entry& e : fs::directory_iterator(notesFolder(file), ec)) {
        const std::string name = e.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && e.path().extension() == kNoteSuffix &&
            e.path().string() != own)
            notes.push_back(e.path());
    }
    return notes;
}

}  // namespace

PrintClaims::PrintClaims(rt::RecordFile& file, ClaimWords words)
    : file_(file), words_(std::move(words)) {}

PrintClaims::~PrintClaims() {
    if (fd_ >= 0) ::close(fd_);
}

bool PrintClaims::openNote() {
    if (fd_ >= 0) return true;
    std::error_code ec;
    const fs::path folder = notesFolder(file_);
    fs::create_directories(folder, ec);
    // Made under a name the search for abandoned notes passes over, locked, then renamed:
    // a note is never found unlocked while its run lives. Closed on exec: a program started
    // meanwhile must not hold the lock past this run's end.
    std::string pattern = (folder / (notePrefix(file_) + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0 || !lockNote(fd_)) {
        error_ =
            "cannot keep the print run's note in " + folder.string() + ": " + std::strerror(errno);
        if (fd_ >= 0) {
            ::unlink(name.data());
            ::close(fd_);
            fd_ = -1;
        }
        return false;
    }
    path_ = std::string(name.data()) + kNoteSuffix;
    if (::rename(name.data(), path_.c_str()) != 0) {
        error_ = "cannot keep the print run's note " + path_ + ": " + std::strerror(errno);
        ::unlink(name.data());
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    return writeLine(std::string(kKindLine) + " " + hex(words_.things) + "\n");
}

bool PrintClaims::note(const rt::RecordBuffer& before, std::string label) {
    if (!openNote()) return false;
    const rt::RecordBuffer& after = file_.buf();
    Claim claim;
    claim.pointer = file_.pointer();
    claim.label = std::move(label);
    const auto& fields = after.decl().fields();
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const int index = static_cast<int>(f);
        if (before.raw(index) == after.raw(index)) continue;
        claim.changes.push_back({fields[f].name, before.text(index), after.text(index)});
    }
    if (!writeLine(lineOf(claim.pointer, claim.label, claim.changes))) return false;
    claims_.push_back(std::move(claim));
    return true;
}

bool PrintClaims::writeLine(const std::string& line) {
    if (::write(fd_, line.data(), line.size()) != static_cast<ssize_t>(line.size()) ||
        ::fdatasync(fd_) != 0) {
        error_ = "cannot keep the print run's note " + path_ + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool PrintClaims::notePaper(const PrintRun& planned, const std::string& temporaryFile) {
    if (fd_ < 0) return true;  // nothing claimed
    std::string line = std::string(kPaperLine) + " " + hex(temporaryFile);
    // The document keeps its file through the rename: a later opening finds its claims on
    // paper only where the target is that file (a part file removed is not one renamed).
    line += " " + fileIdentity(temporaryFile);
    for (const Claim& claim : claims_)
        if (planned.onPaper(claim.page)) line += " " + std::to_string(claim.pointer);
    return writeLine(line + "\n");
}

void PrintClaims::withdraw() {
    if (claims_.empty()) return;
    writeDropped(fd_, claims_.back().pointer);
    claims_.pop_back();
}

std::set<std::int64_t> PrintClaims::claimedByOtherRuns() const {
    std::set<std::int64_t> claimed;
    for (const fs::path& note : notesOf(file_, path_)) {
        const int fd = ::open(note.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        const bool live = fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
        ::close(fd);
        if (!live) continue;  // a run that ended: the next opening puts its claims back
        for (const NoteContents::Noted& n : readNote(file_, note).noted)
            claimed.insert(n.pointer);
    }
    return claimed;
}

void PrintClaims::placeLast(int page) {
    if (!claims_.empty()) claims_.back().page = page;
}

PutBack PrintClaims::settle(const PrintRun& run) {
    PutBack result;
    std::vector<std::int64_t> settled;
    for (const Claim& claim : claims_) {
        if (run.onPaper(claim.page) ||
            !leftForLater(
                putBackRecord(file_, claim.pointer, claim.label, claim.changes, words_, result)))
            settled.push_back(claim.pointer);
    }
    claims_.clear();
    if (fd_ >= 0) {
        // The claims not put back stay in the note for the next opening, and only they.
        if (result.failed.empty() && result.unreadable.empty()) {
            ::unlink(path_.c_str());
        } else {
            for (std::int64_t pointer : settled)
                writeDropped(fd_, pointer);
        }
        ::close(fd_);
        fd_ = -1;
    }
    if (!result.empty()) {
        const std::size_t count = result.putBack.size();
        const std::string first =
            count == 0 ? "Some " + words_.things + " of this run did not reach paper, because " +
                             run.reason() + "."
                       : std::to_string(count) + " of the " + words_.things +
                             " did not reach paper and " + (count == 1 ? "was" : "were") +
                             " put back as before the run, because " + run.reason() + ".";
        tell(result, words_, first);
    }
    return result;
}

PutBack PutBackAbandonedClaims(rt::RecordFile& file, const std::vector<ClaimWords>& kinds) {
    PutBack all;
    std::vector<PutBack> byKind(kinds.size());
    std::set<fs::path> folders{notesFolder(file).parent_path()};  // where part files may be
    for (const fs::path& note : notesOf(file)) {
        const int fd = ::open(note.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
        if (fd < 0) continue;
        if (!lockNote(fd)) {  // its run is still going
            ::close(fd);
            continue;
        }
        NoteContents contents = readNote(file, note);
        std::size_t kind = 0;
        for (std::size_t k = 0; k < kinds.size(); ++k)
            if (kinds[k].things == contents.kind) kind = k;
        // A document still under its temporary name never took its name: nothing of it is on
        // paper. Once renamed, the claims on it stay, unless the file under the target's name
        // is not the one the run wrote (its part file was removed after the run died).
        std::error_code ec;
        if (!contents.paperFile.empty() && fs::exists(fs::u8path(contents.paperFile), ec)) {
            fs::remove(fs::u8path(contents.paperFile), ec);
            contents.onPaper.clear();
        } else if (!contents.paperIdentity.empty() &&
                   fileIdentity(contents.paperFile.substr(0, contents.paperFile.rfind(".part-"))) !=
                       contents.paperIdentity) {
            contents.onPaper.clear();
        }
        if (!contents.paperFile.empty())
            folders.insert(fs::u8path(contents.paperFile).parent_path());
        std::vector<std::int64_t> settled;
        for (const NoteContents::Noted& n : contents.noted) {
            if (contents.onPaper.count(n.pointer) ||
                !leftForLater(
                    putBackRecord(file, n.pointer, n.label, n.changes, kinds[kind], byKind[kind])))
                settled.push_back(n.pointer);
        }
        // The claims not put back stay in the note for the next opening, and only they.
        if (settled.size() == contents.noted.size()) {
            ::unlink(note.c_str());
        } else {
            for (std::int64_t pointer : settled)
                writeDropped(fd, pointer);
        }
        ::close(fd);
    }
    for (const fs::path& f : folders)
        rt::removeAbandonedPartFiles(f);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        const PutBack& result = byKind[k];
        if (result.empty()) continue;
        tell(result, kinds[k],
             "A print run ended before its pages were printed. These " + kinds[k].things +
                 " it had claimed were put back as they were before it: " +
                 (result.putBack.empty() ? std::string("none") : joined(result.putBack)) + ".");
        for (auto part : {&PutBack::putBack, &PutBack::changedElsewhere, &PutBack::failed,
                          &PutBack::unreadable})
            (all.*part).insert((all.*part).end(), (result.*part).begin(), (result.*part).end());
    }
    return all;
}
