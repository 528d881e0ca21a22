// The level walk (ten sponsors raised) and the up-line search (twelve sponsors marked) from
// the foot of a twelve-level chain in a MAIL file of 100,000 contacts, beside raw SQLite doing
// the same look-ups by identification number and the same writes, each its own commit, on a
// table of the same contacts with an index on the identification number, each write also
// raising the row's version as change detection does. Costs are per walk.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "frame/use_counts.h"
#include "genealogy/genealogy_procedures.h"
#include "records/mail.h"
#include "runtime/data/transaction.h"
#include "runtime/text/decimal.h"

namespace {

constexpr long kContacts = 100000;
constexpr int kChain = 12;  // sponsors above the distributor walked from

std::filesystem::path benchFolder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / "tovik_bench_genealogy";
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

// Contact n has the ID "ID<n>"; contacts 1 ... 12 sponsor each other upwards (n's sponsor is
// n + 1) and contact 13 has none; every other contact has a sponsor somewhere in the file.
std::string idOf(long n) {
    char text[16];
    std::snprintf(text, sizeof text, "ID%07ld", n);
    return text;
}
std::string sponsorOf(long n) {
    if (n <= kChain) return idOf(n + 1);
    if (n == kChain + 1) return "";
    return idOf(1 + (n * 7919) % kContacts);
}

std::int64_t gFoot = 0;  // the record pointer of contact 1

void ensureMailFile() {
    rt::RecordFile& mail = records::mailFile();
    const std::string name = (benchFolder() / "MAIL.KVF").string();
    mail.setName(name);
    if (std::filesystem::exists(name) && mail.open() == 0) {
        if (mail.records() != kContacts) {
            mail.close();
        } else {
            MAI::IDNUMBER.setText(idOf(1));
            mail.get(MAI::KEYIDNUMBER);
            gFoot = mail.pointer();
            mail.close();
            return;
        }
    }
    if (mail.create() != 0 || mail.open() != 0) throw std::runtime_error("cannot create MAIL");
    rt::logout(30, {&mail});
    for (long n = 1; n <= kContacts; ++n) {
        mail.clear();
        MAI::FIRSTNAME.setText("First" + std::to_string(n));
        MAI::LASTNAME.setText("Last" + std::to_string(n));
        MAI::IDNUMBER.setText(idOf(n));
        MAI::SPONSORID.setText(sponsorOf(n));
        MAI::LEVEL.setInteger(1);
        if (mail.add() != 0) throw std::runtime_error("cannot add to MAIL");
        if (n == 1) gFoot = mail.pointer();
    }
    rt::commit();
    mail.close();
}

// The chain's counts back to 0, so that no count reaches its largest value while measuring.
void resetChainCounts() {
    rt::RecordFile& mail = records::mailFile();
    for (long n = 2; n <= kChain + 1; ++n) {
        MAI::IDNUMBER.setText(idOf(n));
        if (mail.get(MAI::KEYIDNUMBER) != 0) throw std::runtime_error("chain broken");
        for (const char* f : {"MAI:L1", "MAI:L2", "MAI:L3", "MAI:L4", "MAI:L5", "MAI:L6", "MAI:L7",
                              "MAI:L8", "MAI:L9", "MAI:L10"})
            mail.buf().setNumber(f, rt::Decimal(0));
        mail.put();
    }
}

void Walk(benchmark::State& state, void (*walk)(), bool counts) {
    ensureMailFile();
    rt::RecordFile& mail = records::mailFile();
    UseFile(mail);
    long done = 0;
    for (auto _ : state) {
        if (counts && ++done % 900 == 0) {
            state.PauseTiming();
            resetChainCounts();
            state.ResumeTiming();
        }
        mail.getPointer(gFoot);
        walk();
    }
    ReleaseFile(mail);
}

// The raw baseline: a plain table of the same contacts.
class RawChain {
  public:
    RawChain() {
        const std::string name = (benchFolder() / "raw.sqlite").string();
        const bool exists = std::filesystem::exists(name);
        if (sqlite3_open(name.c_str(), &db_) != SQLITE_OK) throw std::runtime_error("raw open");
        if (!exists) fill();
        prepare(find_,
                "SELECT rowid, sponsorid FROM contacts WHERE idnumber = ?1 "
                "ORDER BY idnumber, rowid LIMIT 1");
        for (int k = 1; k <= 10; ++k)
            prepare(raise_[k - 1], "UPDATE contacts SET l" + std::to_string(k) + " = l" +
                                       std::to_string(k) +
                                       " + 1, version = version + 1 WHERE rowid = ?1");
        prepare(mark_,
                "UPDATE contacts SET fromwhat = 'X', version = version + 1 WHERE rowid = ?1");
    }
    ~RawChain() {
        for (sqlite3_stmt* s : raise_)
            sqlite3_finalize(s);
        sqlite3_finalize(find_);
        sqlite3_finalize(mark_);
        sqlite3_close(db_);
    }

    // Looks the sponsors up level by level from the foot and writes each one.
    void walk(int levels, bool counting) {
        std::string sponsor = sponsorOf(1);
        for (int level = 1; level <= levels && !sponsor.empty(); ++level) {
            sqlite3_bind_text(find_, 1, sponsor.c_str(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(find_) != SQLITE_ROW) {
                sqlite3_reset(find_);
                break;
            }
            const sqlite3_int64 row = sqlite3_column_int64(find_, 0);
            const unsigned char* next = sqlite3_column_text(find_, 1);
            sponsor = next ? reinterpret_cast<const char*>(next) : "";
            sqlite3_reset(find_);
            sqlite3_stmt* write = counting ? raise_[level - 1] : mark_;
            sqlite3_bind_int64(write, 1, row);
            sqlite3_step(write);
            sqlite3_reset(write);
        }
    }

  private:
    void prepare(sqlite3_stmt*& s, const std::string& sql) {
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
    }
    void fill() {
        std::string columns;
        for (int k = 1; k <= 10; ++k)
            columns += ", l" + std::to_string(k) + " INTEGER DEFAULT 0";
        sqlite3_exec(db_,
                     ("CREATE TABLE contacts(firstname TEXT, lastname TEXT, idnumber TEXT COLLATE "
                      "NOCASE, sponsorid TEXT, fromwhat TEXT, version INTEGER DEFAULT 0" +
                      columns + ");")
                         .c_str(),
                     nullptr, nullptr, nullptr);
        sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* add = nullptr;
        prepare(add,
                "INSERT INTO contacts(firstname, lastname, idnumber, sponsorid) "
                "VALUES(?1, ?2, ?3, ?4)");
        for (long n = 1; n <= kContacts; ++n) {
            const std::string values[] = {"First" + std::to_string(n), "Last" + std::to_string(n),
                                          idOf(n), sponsorOf(n)};
            for (int i = 0; i < 4; ++i)
                sqlite3_bind_text(add, i + 1, values[i].c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(add);
            sqlite3_reset(add);
        }
        sqlite3_finalize(add);
        sqlite3_exec(db_, "CREATE INDEX byid ON contacts(idnumber); COMMIT;", nullptr, nullptr,
                     nullptr);
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* find_ = nullptr;
    sqlite3_stmt* raise_[10] = {};
    sqlite3_stmt* mark_ = nullptr;
};

void LevelWalkOf100000(benchmark::State& state) {
    Walk(state, &LevelWalk, true);
}
void UplineSearchOf100000(benchmark::State& state) {
    Walk(state, &UplineSearch, false);
}
void RawSqliteLevelWalk(benchmark::State& state) {
    RawChain raw;
    for (auto _ : state)
        raw.walk(10, true);
}
void RawSqliteUplineSearch(benchmark::State& state) {
    RawChain raw;
    for (auto _ : state)
        raw.walk(kChain, false);
}

}  // namespace

BENCHMARK(LevelWalkOf100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawSqliteLevelWalk)->Unit(benchmark::kMicrosecond);
BENCHMARK(UplineSearchOf100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawSqliteUplineSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
