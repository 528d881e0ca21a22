// Whole walks of the contacts file, where the user waits on them, through the real dispatch
// path: the contacts list and the search form run headless, driven as a user would (a press
// goes in as an event, the list's rows come out), on MAIL files of 10,000 contacts (or the
// sizes in TOVIK_BENCH_SIZES). Beside each, raw SQLite does the same work on the same file
// in the same run, and the ratio is printed:
//   - Tag All and Untag All against raw SQLite writing the same tags in batches of the same
//     size (one write transaction per kTagBatchWrites tags);
//   - a search by example that selects the 1 % of contacts marked in MAI:TAB1, against raw
//     SQLite reading every record's image in one statement;
//   - a full walk in a key order (a view under QUICKSCAN), per record, against raw SQLite
//     stepping one statement in one read transaction;
//   - a batch pass that writes every contact (a plain PUT each, a durable write each), against
//     raw SQLite updating the same records one autocommitted UPDATE each; up to 100,000
//     contacts only, since both sides pay a disk flush per record (TOVIK_BENCH_PASS=0: none);
//   - two stations: while this one tags the whole file, another process presses Tag once
//     every 50 ms; its slowest press is printed;
//   - the contacts list's peak memory (opened, paged down and closed in a process of its
//     own), against the same with 10,000 contacts.

#include <poll.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/bench_sizes.h"
#include "bench/walks/contact_files.h"
#include "contacts/contact_procedures.h"
#include "contacts/contacts_list_window.h"
#include "drivers/driver.h"
#include "frame/program_end.h"
#include "frame/quick_scan_walk.h"
#include "frame/record_process.h"
#include "frame/tag_writes.h"
#include "frame/tagging.h"
#include "records/mail.h"
#include "records/tag_file.h"
#include "reference/reference_procedures.h"
#include "runtime/data/transaction.h"
#include "runtime/data/view.h"
#include "runtime/ui/scheduler.h"

namespace {

using benchsupport::ensureMail;
using benchsupport::folderFor;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// --- the program, driven ---

// Runs the contacts list headless in the size's folder; `session` drives it.
void withContactsList(long contacts, const std::function<void(rt::Driver&)>& session) {
    std::filesystem::current_path(folderFor(contacts));
    ResetProgramExitCode();
    RegisterContactProcedures();
    RegisterReferenceProcedures();
    rt::Driver driver;
    driver.start([] {
        records::mailFile().setName("MAIL.KVF");
        BrowseMAIL();
    });
    driver.waitWindow("Names And Information");
    session(driver);
    driver.close();
    if (!driver.finish()) throw std::runtime_error("the list did not end");
}

// The list's first row as the user reads it: its columns' texts joined.
std::string firstRow(rt::Driver& d) {
    rt::Window* w = d.active();
    if (!w) return {};
    std::string row;
    for (const std::string& column : w->rowTexts(windows::contacts_list::ContactsControl::List, 1))
        row += (row.empty() ? "" : "|") + column;
    return row;
}

// Presses a button of the list and answers how long until the list waits again.
double pressAndSettle(rt::Driver& d, int control) {
    const auto start = Clock::now();
    // The press goes in as the driver's would, but the wait is longer than the driver's own
    // patience: a walk over a million contacts takes a while.
    rt::Input in;
    in.kind = rt::Input::Kind::Press;
    in.control = control;
    if (!rt::Window::postInputIfOpen(d.active(), in)) throw std::runtime_error("no list");
    if (!rt::Scheduler::instance().waitIdle(600000)) throw std::runtime_error("no end");
    d.settle();
    return secondsSince(start);
}

// Selects the marked contacts through the search form: its criteria typed, "Begin Search",
// "Select", back in the list.
double searchAndSelect(rt::Driver& d) {
    d.press("&Search");
    d.waitWindow("Enter Search Criteria");
    d.type("MAI:TAB1", "HIT");
    const auto start = Clock::now();
    d.press("&Begin Search");
    d.waitWindow("Begin Search");
    d.press("&Select");
    d.waitWindow("Names And Information");
    return secondsSince(start);
}

// --- raw SQLite ---

sqlite3* openRaw(const std::string& path, int flags = SQLITE_OPEN_READWRITE) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    sqlite3_busy_timeout(db, 5000);
    return db;
}

sqlite3_stmt* prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    return s;
}

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
}

std::string keyColumnOf(rt::RecordFile& file, const char* key) {
    return "k" + std::to_string(file.key(key));
}

// Raw Tag All (set) or Untag All: the contacts in first-name order, one tag each in an empty
// tag file of the same layout (set) or the one just written (clear), kTagBatchWrites tags a
// write transaction: look the tag up by its pointer key, then add or delete it.
double rawTagWalk(bool set) {
    if (set) {
        std::error_code ec;
        std::filesystem::remove("RAWTAGS.KVF", ec);
        rt::RecordFile& tags = records::tagFile();
        tags.setName("RAWTAGS.KVF");
        tags.create();
        tags.setName("TagFile_.KVF");
    }
    const auto start = Clock::now();
    sqlite3* mail = openRaw("MAIL.KVF", SQLITE_OPEN_READONLY);
    sqlite3* tags = openRaw("RAWTAGS.KVF");
    const std::string order = keyColumnOf(records::mailFile(), "MAI:KEYFIRSTNAME");
    sqlite3_stmt* walk = prepare(mail, "SELECT id, image FROM rec ORDER BY " + order);
    sqlite3_stmt* find = prepare(tags, "SELECT id FROM rec WHERE k0 = ?1");
    sqlite3_stmt* add =
        prepare(tags, "INSERT INTO rec(version, image, k0, k1) VALUES(1, ?1, ?2, ?3)");
    sqlite3_stmt* remove = prepare(tags, "DELETE FROM rec WHERE id = ?1");
    const int firstName = records::mailFile().decl().fields()[MAI::FIRSTNAME.index()].offset;
    exec(mail, "BEGIN");
    int inBatch = 0;
    while (sqlite3_step(walk) == SQLITE_ROW) {
        if (inBatch == 0) exec(tags, "BEGIN IMMEDIATE");
        const long long id = sqlite3_column_int64(walk, 0);
        const char* image = static_cast<const char*>(sqlite3_column_blob(walk, 1));
        char pointerKey[8] = {0, 0, 0, 1};
        for (int i = 0; i < 4; ++i)
            pointerKey[4 + i] = static_cast<char>(id >> (24 - 8 * i));
        sqlite3_bind_blob(find, 1, pointerKey, 8, SQLITE_STATIC);
        long long found = 0;
        if (sqlite3_step(find) == SQLITE_ROW) found = sqlite3_column_int64(find, 0);
        sqlite3_reset(find);
        if (set && found == 0) {
            std::string tagImage(pointerKey, 8);
            tagImage.append(image + firstName, 10);
            std::string valueKey =
                std::string(pointerKey, 4) + tagImage.substr(8) + std::string(pointerKey + 4, 4);
            sqlite3_bind_blob(add, 1, tagImage.data(), 18, SQLITE_STATIC);
            sqlite3_bind_blob(add, 2, pointerKey, 8, SQLITE_STATIC);
            sqlite3_bind_blob(add, 3, valueKey.data(), static_cast<int>(valueKey.size()),
                              SQLITE_STATIC);
            if (sqlite3_step(add) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(tags));
            sqlite3_reset(add);
        } else if (!set && found != 0) {
            sqlite3_bind_int64(remove, 1, found);
            sqlite3_step(remove);
            sqlite3_reset(remove);
        }
        if (++inBatch == kTagBatchWrites) {
            exec(tags, "COMMIT");
            inBatch = 0;
        }
    }
    if (inBatch > 0) exec(tags, "COMMIT");
    exec(mail, "COMMIT");
    for (sqlite3_stmt* s : {walk, find, add, remove})
        sqlite3_finalize(s);
    sqlite3_close(tags);
    sqlite3_close(mail);
    return secondsSince(start);
}

// Raw search: every record's image in record order, one statement, MAI:TAB1 compared.
double rawSearch(long& matches) {
    const auto start = Clock::now();
    sqlite3* mail = openRaw("MAIL.KVF", SQLITE_OPEN_READONLY);
    sqlite3_stmt* walk = prepare(mail, "SELECT id, version, image FROM rec ORDER BY id");
    const int tab1 = records::mailFile().decl().fields()[MAI::TAB1.index()].offset;
    matches = 0;
    while (sqlite3_step(walk) == SQLITE_ROW) {
        const char* image = static_cast<const char*>(sqlite3_column_blob(walk, 2));
        if (std::memcmp(image + tab1, "HIT", 3) == 0) ++matches;
    }
    sqlite3_finalize(walk);
    sqlite3_close(mail);
    return secondsSince(start);
}

// Raw walk in first-name order: one statement in one read transaction, per record.
double rawWalkPerRecord(long contacts) {
    const auto start = Clock::now();
    sqlite3* mail = openRaw("MAIL.KVF", SQLITE_OPEN_READONLY);
    const std::string order = keyColumnOf(records::mailFile(), "MAI:KEYFIRSTNAME");
    sqlite3_stmt* walk =
        prepare(mail, "SELECT id, version, image, " + order + " FROM rec ORDER BY " + order);
    exec(mail, "BEGIN");
    long rows = 0;
    std::string image;
    while (sqlite3_step(walk) == SQLITE_ROW) {
        image.assign(static_cast<const char*>(sqlite3_column_blob(walk, 2)),
                     static_cast<std::size_t>(sqlite3_column_bytes(walk, 2)));
        ++rows;
    }
    exec(mail, "COMMIT");
    sqlite3_finalize(walk);
    sqlite3_close(mail);
    if (rows != contacts) throw std::runtime_error("the raw walk missed records");
    return secondsSince(start) / static_cast<double>(rows);
}

// The engine's walk: a view in first-name order under QUICKSCAN, on an application thread.
double engineWalkPerRecord(long contacts) {
    double perRecord = 0;
    ResetProgramExitCode();
    rt::Driver driver;
    driver.start([&] {
        rt::RecordFile& mail = records::mailFile();
        mail.setName("MAIL.KVF");
        if (mail.open() != 0) return;
        const auto start = Clock::now();
        mail.set(MAI::KEYFIRSTNAME);
        long rows = 0;
        {
            QuickScanWalk quick(mail);
            rt::View view(mail);
            view.open();
            while (view.next() == 0)
                ++rows;
        }
        perRecord = secondsSince(start) / static_cast<double>(rows);
        mail.close();
        if (rows != contacts) perRecord = -1;
    });
    if (!driver.finish()) throw std::runtime_error("the walk did not end");
    if (perRecord < 0) throw std::runtime_error("the engine's walk missed records");
    return perRecord;
}

// --- a batch pass writing every record ---

class MarkEveryContact : public ProcessPass {
  public:
    MarkEveryContact() : ProcessPass("BenchPass", {&records::mailFile()}, sheet(), {}) {}

  protected:
    void assignFields() override { MAI::TAB2.setText(MAI::TAB2.text() == "P" ? "Q" : "P"); }

  private:
    static PassSheet sheet() {
        PassSheet s;
        s.file = &records::mailFile();
        s.displayName = "Names and Information";
        return s;
    }
};

// The pass run headless; the driver lets the program's time pass until it has ended.
double enginePass() {
    ResetProgramExitCode();
    rt::Driver driver;
    const auto start = Clock::now();
    driver.start([] {
        records::mailFile().setName("MAIL.KVF");
        MarkEveryContact().run();
    });
    while (!driver.ended()) {
        if (!rt::Scheduler::instance().waitIdle(600000)) throw std::runtime_error("no end");
        if (!driver.backend().pendingDialogs().empty())
            throw std::runtime_error("the pass showed: " +
                                     driver.backend().pendingDialogs().front()->text);
        if (driver.ended() || !driver.backend().fireNextTimer()) break;
    }
    const double seconds = secondsSince(start);
    if (!driver.finish()) throw std::runtime_error("the pass did not end");
    return seconds;
}

// Raw: every record read and written back with one autocommitted UPDATE.
double rawPass() {
    const auto start = Clock::now();
    sqlite3* mail = openRaw("MAIL.KVF");
    std::vector<sqlite3_int64> ids;
    sqlite3_stmt* all = prepare(mail, "SELECT id FROM rec ORDER BY id");
    while (sqlite3_step(all) == SQLITE_ROW)
        ids.push_back(sqlite3_column_int64(all, 0));
    sqlite3_finalize(all);
    sqlite3_stmt* read = prepare(mail, "SELECT version, image FROM rec WHERE id = ?1");
    sqlite3_stmt* write =
        prepare(mail, "UPDATE rec SET version = version + 1, image = ?2 WHERE id = ?1");
    const int tab2 = records::mailFile().decl().fields()[MAI::TAB2.index()].offset;
    std::string image;
    for (sqlite3_int64 id : ids) {
        sqlite3_bind_int64(read, 1, id);
        if (sqlite3_step(read) == SQLITE_ROW)
            image.assign(static_cast<const char*>(sqlite3_column_blob(read, 1)),
                         static_cast<std::size_t>(sqlite3_column_bytes(read, 1)));
        sqlite3_reset(read);
        image[static_cast<std::size_t>(tab2)] =
            image[static_cast<std::size_t>(tab2)] == 'R' ? 'S' : 'R';
        sqlite3_bind_int64(write, 1, id);
        sqlite3_bind_blob(write, 2, image.data(), static_cast<int>(image.size()), SQLITE_STATIC);
        if (sqlite3_step(write) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(mail));
        sqlite3_reset(write);
    }
    sqlite3_finalize(read);
    sqlite3_finalize(write);
    sqlite3_close(mail);
    return secondsSince(start);
}

// --- the other station: a process of its own, pressing Tag every 50 ms ---

struct OtherStation {
    pid_t pid = -1;
    int toChild = -1;
    int fromChild = -1;
};

// Forked before any thread starts. Commands: a folder to work in (the presses start), "stop"
// (answers "<presses> <slowest seconds>").
OtherStation startOtherStation() {
    int down[2], up[2];
    if (pipe(down) != 0 || pipe(up) != 0) throw std::runtime_error("no pipe");
    OtherStation s;
    s.pid = fork();
    if (s.pid == 0) {
        close(down[1]);
        close(up[0]);
        FILE* in = fdopen(down[0], "r");
        char line[4096];
        while (std::fgets(line, sizeof line, in)) {
            line[std::strcspn(line, "\n")] = 0;
            if (std::strcmp(line, "quit") == 0) break;
            std::filesystem::current_path(line);
            long presses = 0;
            double slowest = 0;
            pollfd wait{down[0], POLLIN, 0};
            while (poll(&wait, 1, 50) == 0) {
                const auto start = Clock::now();
                SetTag_(TAG::Contacts + 1, 1 + presses % 1000, "OTHER");
                slowest = std::max(slowest, secondsSince(start));
                ++presses;
            }
            if (!std::fgets(line, sizeof line, in)) break;  // "stop"
            const std::string answer =
                std::to_string(presses) + " " + std::to_string(slowest) + "\n";
            if (write(up[1], answer.data(), answer.size()) < 0) break;
        }
        _exit(0);
    }
    close(down[0]);
    close(up[1]);
    s.toChild = down[1];
    s.fromChild = up[0];
    return s;
}

void tell(const OtherStation& s, const std::string& line) {
    const std::string text = line + "\n";
    if (write(s.toChild, text.data(), text.size()) < 0) throw std::runtime_error("station");
}

std::pair<long, double> stopPresses(const OtherStation& s) {
    tell(s, "stop");
    char buffer[128] = {};
    const ssize_t n = read(s.fromChild, buffer, sizeof buffer - 1);
    long presses = 0;
    double slowest = 0;
    if (n > 0) std::sscanf(buffer, "%ld %lf", &presses, &slowest);
    return {presses, slowest};
}

// --- peak memory of the list, in a process of its own ---

long listPeakKilobytes(long contacts, const char* self) {
    const std::string command = std::string(self) + " --list-memory " + std::to_string(contacts);
    FILE* child = popen(command.c_str(), "r");
    if (!child) return 0;
    long kilobytes = 0;
    if (std::fscanf(child, "%ld", &kilobytes) != 1) kilobytes = 0;
    pclose(child);
    return kilobytes;
}

int listMemoryChild(long contacts) {
    withContactsList(contacts, [](rt::Driver& d) {
        for (int i = 0; i < 50; ++i)
            d.key("PgDn");
        firstRow(d);
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}

void line(const char* what, long contacts, double engine, double raw, const char* unit,
          double scale) {
    std::printf("%-34s %9ld  %12.3f %s  %12.3f %s  %6.2fx\n", what, contacts, engine * scale, unit,
                raw * scale, unit, raw > 0 ? engine / raw : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--list-memory") == 0)
        return listMemoryChild(std::atol(argv[2]));
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const OtherStation other = startOtherStation();
    const std::vector<long> sizes = benchsupport::benchSizes();
    std::map<long, long> peak;
    std::printf("%-34s %9s  %15s  %15s  %7s\n", "walk", "contacts", "engine", "raw", "ratio");
    for (long contacts : sizes) {
        ensureMail(contacts);
        benchsupport::removeTags();
        double tagAll = 0, untagAll = 0, search = 0;
        std::string rowAfterTag, rowAfterUntag;
        withContactsList(contacts, [&](rt::Driver& d) {
            tagAll = pressAndSettle(d, windows::contacts_list::ContactsControl::TagAll);
            rowAfterTag = firstRow(d);
            untagAll = pressAndSettle(d, windows::contacts_list::ContactsControl::UntagAll);
            rowAfterUntag = firstRow(d);
            search = searchAndSelect(d);
        });
        std::filesystem::current_path(folderFor(contacts));
        const double rawTag = rawTagWalk(true);
        const double rawUntag = rawTagWalk(false);
        long matches = 0;
        const double rawFind = rawSearch(matches);
        line("Tag All (through the list)", contacts, tagAll, rawTag, "s ", 1);
        line("Untag All (through the list)", contacts, untagAll, rawUntag, "s ", 1);
        line("search by example, 1 % selected", contacts, search, rawFind, "s ", 1);
        const double engineStep = engineWalkPerRecord(contacts);
        const double rawStep = rawWalkPerRecord(contacts);
        line("full walk, per record", contacts, engineStep, rawStep, "us", 1e6);
        // The pass takes minutes at 100,000 and about half an hour at 1,000,000: it runs up to
        // 100,000; TOVIK_BENCH_PASS=0 leaves it out, TOVIK_BENCH_PASS=1 runs it at every size.
        const char* passWanted = std::getenv("TOVIK_BENCH_PASS");
        const bool passAlways = passWanted && std::strcmp(passWanted, "1") == 0;
        const bool passNever = passWanted && std::strcmp(passWanted, "0") == 0;
        if ((contacts <= 100000 || passAlways) && !passNever) {
            const double pass = enginePass();
            line("batch pass writing every record", contacts, pass, rawPass(), "s ", 1);
        }

        // Two stations: this one tags every contact while the other presses Tag.
        benchsupport::removeTags();
        double tagAllShared = 0;
        tell(other, folderFor(contacts).string());
        withContactsList(contacts, [&](rt::Driver& d) {
            tagAllShared = pressAndSettle(d, windows::contacts_list::ContactsControl::TagAll);
        });
        const auto [presses, slowest] = stopPresses(other);
        std::printf(
            "%-34s %9ld  Tag All %.3f s; the other station's %ld Tag presses took "
            "%.3f s at the slowest\n",
            "two stations", contacts, tagAllShared, presses, slowest);
        peak[contacts] = listPeakKilobytes(contacts, self.c_str());
        std::printf("%-34s %9ld  %12ld kB\n", "contacts list, peak memory", contacts,
                    peak[contacts]);
        if (rowAfterTag.rfind("X", 0) != 0 || rowAfterUntag.rfind("X", 0) == 0)
            std::printf("  (the list's first row did not show the tags: '%s' / '%s')\n",
                        rowAfterTag.c_str(), rowAfterUntag.c_str());
        if (matches * 100 != contacts) std::printf("  (raw search found %ld)\n", matches);
        std::fflush(stdout);
    }
    if (peak.count(10000))
        for (const auto& [contacts, kb] : peak)
            std::printf("%-34s %9ld  %6.2fx the list with 10,000\n", "contacts list, peak memory",
                        contacts, static_cast<double>(kb) / static_cast<double>(peak[10000]));
    tell(other, "quit");
    waitpid(other.pid, nullptr, 0);
    return 0;
}
