// Record files against raw SQLite doing the same work on the same file in the same run.
// Each benchmark reports the record layer's time per record (or per operation) and, as the
// counter "x_raw", its ratio to raw SQLite: a prepared statement over the same table and key
// columns, copying each row into a buffer as the record layer does.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "records/mail.h"
#include "runtime/data/record_file.h"
#include "runtime/data/transaction.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 100000;
constexpr int kLevels = 20;

rt::FileDecl mailLikeDecl() {
    rt::FileDecl decl("MAILB", "MAI:");
    decl.STRING("MAI:FIRSTNAME", 15)
        .STRING("MAI:LASTNAME", 15)
        .LONG("MAI:IDNUMBER")
        .SHORT("MAI:LEVEL")
        .DECIMAL("MAI:AMOUNT", 7, 2);
    for (int i = 1; i <= 40; ++i)
        decl.STRING("MAI:X" + std::to_string(i), 34);
    decl.KEY("MAI:KEYLASTNAME", rt::DUP | rt::NOCASE, {"MAI:LASTNAME"})
        .KEY("MAI:KEYIDNUMBER", rt::OPT, {"MAI:IDNUMBER"})
        .KEY("MAI:KEYLEVEL", rt::DUP | rt::OPT, {"MAI:LEVEL"});
    return decl;
}

rt::FileDecl smallDecl(const std::string& label) {
    return rt::FileDecl(label, "SML:")
        .STRING("SML:NAME", 20)
        .LONG("SML:NUMBER")
        .KEY("SML:KEYNAME", rt::DUP | rt::NOCASE, {"SML:NAME"});
}

std::string randomName(std::mt19937& random) {
    std::string name;
    for (int i = 0; i < 8; ++i)
        name += static_cast<char>((i ? 'a' : 'A') + random() % 26);
    return name;
}

struct Files {
    std::filesystem::path dir;
    rt::RecordFile mail{mailLikeDecl()};
    rt::RecordFile small{smallDecl("SMALL")};
    rt::RecordFile large{smallDecl("LARGE")};
    rt::RecordFile& realMail = records::mailFile();  // the program's MAIL: 19 keys, 6 memos

    Files() {
        dir = std::filesystem::temp_directory_path() / ("tovik-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        std::mt19937 random(7);
        fill(mail, kRecords, [&](rt::RecordBuffer& b, int i) {
            b.setText("MAI:FIRSTNAME", randomName(random));
            b.setText("MAI:LASTNAME", randomName(random));
            b.setInteger("MAI:IDNUMBER", i * 7 + 1);
            b.setInteger("MAI:LEVEL", i % kLevels);
            for (int x = 1; x <= 40; ++x)
                b.setText(b.field("MAI:X" + std::to_string(x)), "filler");
        });
        realMail.setName("MAIL.KVF");
        fill(realMail, kRecords, [&](rt::RecordBuffer& b, int i) {
            b.setText("MAI:FIRSTNAME", randomName(random));
            b.setText("MAI:LASTNAME", randomName(random));
            b.setText("MAI:IDNUMBER", std::to_string(i * 7 + 1));
            b.setText("MAI:CITY", randomName(random));
            b.setInteger("MAI:LEVEL", i % kLevels);
            b.setMemo(b.memo("MAI:NOTES3"), "a short note");
        });
        fill(small, 100000, [&](rt::RecordBuffer& b, int i) {
            b.setText(0, randomName(random));
            b.setInteger(1, i);
        });
        fill(large, 1000000, [&](rt::RecordBuffer& b, int i) {
            b.setText(0, randomName(random));
            b.setInteger(1, i);
        });
        // The fill leaves hundreds of megabytes for the disk to write: without this the first
        // commits measured (the record layer's, which runs before raw SQLite's) wait for them.
        ::sync();
    }
    ~Files() {
        mail.close();
        small.close();
        large.close();
        realMail.close();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    template <class Fill>
    static void fill(rt::RecordFile& file, int count, Fill fillRecord) {
        file.create();
        file.open();
        file.stream();
        for (int i = 0; i < count; ++i) {
            file.clear();
            fillRecord(file.buf(), i);
            file.add();
        }
        file.flush();
    }
};

Files& files() {
    static Files f;
    return f;
}

// A raw SQLite connection to the same file.
struct Raw {
    sqlite3* db = nullptr;
    explicit Raw(const std::string& name) { sqlite3_open(name.c_str(), &db); }
    ~Raw() { sqlite3_close(db); }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
        return s;
    }
};

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Copies a row's id, version and record image as a reader must, and the `extra` columns
// that follow the image (memos and BLOBs).
struct RowSink {
    std::vector<char> image;
    std::vector<std::string> extras;
    std::int64_t id = 0, version = 0;
    int extra = 0;
    void take(sqlite3_stmt* s) {
        id = sqlite3_column_int64(s, 0);
        version = sqlite3_column_int64(s, 1);
        const void* data = sqlite3_column_blob(s, 2);
        std::size_t size = static_cast<std::size_t>(sqlite3_column_bytes(s, 2));
        image.resize(size);
        std::memcpy(image.data(), data, size);
        extras.resize(static_cast<std::size_t>(extra));
        for (int i = 0; i < extra; ++i) {
            const char* text = static_cast<const char*>(sqlite3_column_blob(s, 3 + i));
            extras[static_cast<std::size_t>(i)].assign(
                text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(s, 3 + i)));
        }
    }
};

long maxRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double scanOurs(rt::RecordFile& file, int key, long& count) {
    auto start = Clock::now();
    file.set(key);
    file.send("QUICKSCAN=on");
    count = 0;
    while (file.next() == 0)
        ++count;
    file.send("QUICKSCAN=off");
    return seconds(Clock::now() - start);
}

double scanRaw(const rt::FileDecl& decl, const std::string& name, int key, long& count) {
    Raw raw(name);
    std::string column = "k" + std::to_string(key);
    std::string sql = "SELECT id, version, image, ";
    RowSink sink;
    for (std::size_t m = 0; m < decl.memos().size(); ++m, ++sink.extra)
        sql += "m" + std::to_string(m) + ", ";
    for (std::size_t b = 0; b < decl.blobs().size(); ++b, ++sink.extra)
        sql += "b" + std::to_string(b) + ", ";
    sql += column + " FROM rec ORDER BY " + column;
    auto start = Clock::now();
    sqlite3_stmt* s = raw.prepare(sql.c_str());
    count = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        sink.take(s);
        ++count;
    }
    sqlite3_finalize(s);
    return seconds(Clock::now() - start);
}

void reportScan(benchmark::State& state, rt::RecordFile& file, int key) {
    // The best of the rounds on each side: the machine may be busy with other work.
    double ours = 1e9, raw = 1e9;
    long count = 0, rawCount = 0;
    long rssBefore = maxRssKb();
    for (auto _ : state) {
        double mine = scanOurs(file, key, count);
        ours = std::min(ours, mine);
        raw = std::min(raw, scanRaw(file.decl(), file.name(), key, rawCount));
        state.SetIterationTime(mine);
    }
    state.counters["records"] = static_cast<double>(count);
    state.counters["us_per_record"] = ours * 1e6 / static_cast<double>(count);
    state.counters["raw_us_per_record"] = raw * 1e6 / static_cast<double>(rawCount);
    state.counters["x_raw"] = ours / raw;
    state.counters["rss_growth_kb"] = static_cast<double>(maxRssKb() - rssBefore);
    if (count != rawCount) state.SkipWithError("the scans read different numbers of records");
}

void BM_ScanByLastName(benchmark::State& state) {
    Files& f = files();
    reportScan(state, f.mail, f.mail.key("MAI:KEYLASTNAME"));
}

// The program's own MAIL declaration: each read also brings its six memos and its BLOB.
void BM_ScanMailByLastName(benchmark::State& state) {
    Files& f = files();
    reportScan(state, f.realMail, f.realMail.key("MAI:KEYLASTNAME"));
}

void BM_ScanKeyWith20Values(benchmark::State& state) {
    Files& f = files();
    reportScan(state, f.mail, f.mail.key("MAI:KEYLEVEL"));
}

void BM_ScanSmall100k(benchmark::State& state) {
    reportScan(state, files().small, 0);
}

void BM_ScanSmall1M(benchmark::State& state) {
    reportScan(state, files().large, 0);
}

// Without quick scan every NEXT seeks again from the last key read, as a page fill of a list
// does; raw SQLite does the same with one query per step.
void BM_StepwiseReadsByLastName(benchmark::State& state) {
    Files& f = files();
    rt::RecordFile& mail = f.mail;
    int key = mail.key("MAI:KEYLASTNAME");
    constexpr int kReads = 10000;
    double ours = 0, raw = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        mail.set(key);
        for (int i = 0; i < kReads; ++i) {
            if (mail.next()) state.SkipWithError("NEXT failed");
        }
        ours = seconds(Clock::now() - start);

        Raw db(mail.name());
        sqlite3_stmt* first = db.prepare("SELECT id, version, image, k0 FROM rec ORDER BY k0");
        sqlite3_stmt* step =
            db.prepare("SELECT id, version, image, k0 FROM rec WHERE k0 > ?1 ORDER BY k0");
        RowSink sink;
        std::string last;
        start = Clock::now();
        for (int i = 0; i < kReads; ++i) {
            sqlite3_stmt* s = i == 0 ? first : step;
            if (i)
                sqlite3_bind_blob(s, 1, last.data(), static_cast<int>(last.size()),
                                  SQLITE_TRANSIENT);
            if (sqlite3_step(s) == SQLITE_ROW) {
                sink.take(s);
                last.assign(static_cast<const char*>(sqlite3_column_blob(s, 3)),
                            static_cast<std::size_t>(sqlite3_column_bytes(s, 3)));
            }
            sqlite3_reset(s);
        }
        raw = seconds(Clock::now() - start);
        sqlite3_finalize(first);
        sqlite3_finalize(step);
        state.SetIterationTime(ours);
    }
    state.counters["us_per_record"] = ours * 1e6 / kReads;
    state.counters["raw_us_per_record"] = raw * 1e6 / kReads;
    state.counters["x_raw"] = ours / raw;
}

void BM_RandomGetByUniqueKey(benchmark::State& state) {
    Files& f = files();
    rt::RecordFile& mail = f.mail;
    int key = mail.key("MAI:KEYIDNUMBER");
    std::mt19937 random(11);
    std::vector<int> ids;
    for (int i = 0; i < 10000; ++i)
        ids.push_back(static_cast<int>(random() % kRecords) * 7 + 1);
    double ours = 0, raw = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (int id : ids) {
            mail.buf().setInteger("MAI:IDNUMBER", id);
            if (mail.get(key)) state.SkipWithError("GET failed");
        }
        ours = seconds(Clock::now() - start);

        Raw db(mail.name());
        sqlite3_stmt* s = db.prepare("SELECT id, version, image FROM rec WHERE k1 = ?1");
        RowSink sink;
        start = Clock::now();
        for (int id : ids) {
            unsigned char k[4];
            std::uint32_t bits = static_cast<std::uint32_t>(id) ^ 0x80000000u;
            for (int i = 0; i < 4; ++i)
                k[i] = static_cast<unsigned char>(bits >> (24 - 8 * i));
            sqlite3_bind_blob(s, 1, k, 4, SQLITE_TRANSIENT);
            if (sqlite3_step(s) == SQLITE_ROW) sink.take(s);
            sqlite3_reset(s);
        }
        raw = seconds(Clock::now() - start);
        sqlite3_finalize(s);
        state.SetIterationTime(ours);
    }
    state.counters["us_per_get"] = ours * 1e6 / 10000;
    state.counters["raw_us_per_get"] = raw * 1e6 / 10000;
    state.counters["x_raw"] = ours / raw;
}

void BM_GuardedUpdates(benchmark::State& state) {
    Files& f = files();
    rt::RecordFile& mail = f.mail;
    constexpr int kUpdates = 1000;
    std::mt19937 random(13);
    auto runOurs = [&] {
        auto start = Clock::now();
        for (int i = 0; i < kUpdates; ++i) {
            if (mail.getPointer(1 + random() % kRecords)) state.SkipWithError("GET failed");
            if (rt::logout(2, {&mail})) state.SkipWithError("LOGOUT failed");
            mail.buf().setNumber("MAI:AMOUNT", rt::Decimal(i));
            if (mail.put()) state.SkipWithError("PUT failed");
            if (rt::commit()) state.SkipWithError("COMMIT failed");
        }
        return seconds(Clock::now() - start);
    };
    auto runRaw = [&] {
        Raw db(mail.name());
        sqlite3_busy_timeout(db.db, 2000);
        sqlite3_stmt* read = db.prepare("SELECT id, version, image FROM rec WHERE id = ?1");
        sqlite3_stmt* write = db.prepare(
            "UPDATE rec SET version = version + 1, image = ?1 WHERE id = ?2 AND version = ?3");
        RowSink sink;
        auto start = Clock::now();
        for (int i = 0; i < kUpdates; ++i) {
            sqlite3_bind_int64(read, 1, 1 + random() % kRecords);
            if (sqlite3_step(read) == SQLITE_ROW) sink.take(read);
            sqlite3_reset(read);
            sqlite3_exec(db.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
            sink.image[40] = static_cast<char>(i);
            sqlite3_bind_blob(write, 1, sink.image.data(), static_cast<int>(sink.image.size()),
                              SQLITE_TRANSIENT);
            sqlite3_bind_int64(write, 2, sink.id);
            sqlite3_bind_int64(write, 3, sink.version);
            sqlite3_step(write);
            sqlite3_reset(write);
            sqlite3_exec(db.db, "COMMIT", nullptr, nullptr, nullptr);
        }
        double took = seconds(Clock::now() - start);
        sqlite3_finalize(read);
        sqlite3_finalize(write);
        return took;
    };
    // Durable commits depend on the disk's other traffic: the two sides take turns going
    // first, and each keeps its best round.
    double ours = 1e9, raw = 1e9;
    int round = 0;
    for (auto _ : state) {
        double o, r;
        if (round++ % 2 == 0) {
            o = runOurs();
            r = runRaw();
        } else {
            r = runRaw();
            o = runOurs();
        }
        ours = std::min(ours, o);
        raw = std::min(raw, r);
        state.SetIterationTime(o);
    }
    state.counters["us_per_update"] = ours * 1e6 / kUpdates;
    state.counters["raw_us_per_update"] = raw * 1e6 / kUpdates;
    state.counters["x_raw"] = ours / raw;
}

BENCHMARK(BM_ScanByLastName)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanMailByLastName)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanKeyWith20Values)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepwiseReadsByLastName)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomGetByUniqueKey)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuardedUpdates)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanSmall100k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanSmall1M)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
