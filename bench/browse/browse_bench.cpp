// The list engine over ZIP files of 10,000 records (or the sizes in TOVIK_BENCH_SIZES), in
// city order with text scroll stops and a list of 20 visible rows: paging down through the
// whole file, and thumb jumps to stop positions. Beside each, raw SQLite reads the same rows
// of the same file (a seek on the key column, then one page of rows). Costs are per page;
// the pages of a paging benchmark are read once untimed before it.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/bench_sizes.h"
#include "bench/support/raw_key_pages.h"
#include "drivers/driver.h"
#include "frame/browse_engine.h"
#include "frame/program_end.h"
#include "frame/scroll_stops.h"
#include "records/zip.h"
#include "runtime/data/key_codec.h"
#include "runtime/data/transaction.h"

namespace {

constexpr int kRows = 20;  // visible rows of the list
constexpr int kList = 1;

std::filesystem::path benchFolder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / "tovik_bench_browse";
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

std::string fileName(long records) {
    return (benchFolder() / ("ZIP" + std::to_string(records) + ".KVF")).string();
}

// A city name from the record's number: syllables in a scrambled order, so that the key
// order differs from the order of adding; about one name in eight repeats.
std::string cityOf(long n) {
    static const char* syllables[] = {"BA", "CO", "DE", "FI", "GA", "HO", "JU", "KE",
                                      "LA", "MO", "NE", "PI", "RO", "SA", "TU", "VE"};
    unsigned long x = static_cast<unsigned long>(n / 8) * 2654435761UL;
    std::string city;
    for (int i = 0; i < 5; ++i) {
        city += syllables[x % 16];
        x /= 16;
    }
    return city;
}

// Creates the file once; later runs reuse it.
void ensureFile(long records) {
    const std::string name = fileName(records);
    rt::RecordFile& zip = records::zipFile();
    zip.setName(name);
    if (std::filesystem::exists(name) && zip.open() == 0) {
        const bool complete = zip.records() == records;
        zip.close();
        if (complete) return;
    }
    zip.remove();  // an incomplete file from an earlier run: CREATE never replaces one
    if (zip.create() != 0 || zip.open() != 0) throw std::runtime_error("cannot create " + name);
    rt::logout(10, {&zip});
    for (long n = 1; n <= records; ++n) {
        zip.clear();
        ZIP::CITY.setText(cityOf(n));
        ZIP::STATE.setText(n % 3 ? "NY" : "CA");
        ZIP::ZIP_.setText(std::to_string(10000 + n % 90000));
        ZIP::POPULATION.setInteger(n % 100000);
        if (zip.add() != 0) throw std::runtime_error("cannot add to " + name);
    }
    rt::commit();
    zip.close();
}

const rt::WindowStructure& listWindow() {
    static const rt::WindowStructure structure = [] {
        rt::WindowStructure w;
        w.module = "BenchBrowse";
        w.label = "LIST";
        w.title = "Browse the Zip File";
        w.at = {0, 0, 260, 220};
        rt::ControlStructure list;
        list.number = kList;
        list.kind = rt::ControlKind::List;
        list.at = {5, 5, 250, kRows * 10};
        list.format = "80L@s20@20L@s2@30L@s5@40R@n9@";
        w.controls.push_back(list);
        return w;
    }();
    return structure;
}

// The list whose OpenWindow runs the benchmark body inside the application thread.
class ZipList : public BrowseProcedure {
  public:
    explicit ZipList(std::function<void(ZipList&)> body)
        : BrowseProcedure(listWindow(), sheet()), body_(std::move(body)) {}

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &records::zipFile();
        s.list = kList;
        s.columns = {ZIP::CITY.index(), ZIP::STATE.index(), ZIP::ZIP_.index(),
                     ZIP::POPULATION.index()};
        s.orders = {BrowseOrder::keyed(ZIP::KEYCITY, LocatorKind::Incremental, StopKind::Text)};
        s.quickScanFills = true;
        return s;
    }

    using BrowseProcedure::DragThumb;
    using BrowseProcedure::readFailed;
    using BrowseProcedure::ScrollList;

  protected:
    bool takeOwnEvent() override {
        if (window().event() == EVENT::OpenWindow && body_) {
            auto body = std::move(body_);
            body_ = nullptr;
            body(*this);
            PostCloseWindow();
        }
        return false;
    }

  private:
    std::function<void(ZipList&)> body_;
};

void runList(long records, const std::function<void(ZipList&)>& body) {
    ResetProgramExitCode();
    rt::Driver driver;
    driver.start([&] {
        records::zipFile().setName(fileName(records));
        ZipList list(body);
        list.run();
    });
    if (!driver.finish()) throw std::runtime_error("the list did not end");
}

void EnginePageDown(benchmark::State& state, long records) {
    ensureFile(records);
    benchsupport::warmPages(fileName(records), "k0", kRows,
                            static_cast<long>(state.max_iterations));
    long rows = 0;
    runList(records, [&](ZipList& list) {
        for (auto _ : state) {
            const std::string top = list.rowPosition(1);
            list.ScrollList(EVENT::PageDown);
            rows += list.rowCount();
            if (list.rowPosition(1) == top) {  // the end: start again at the top
                state.PauseTiming();
                list.ScrollList(EVENT::ScrollTop);
                state.ResumeTiming();
            }
        }
        if (list.readFailed()) state.SkipWithError("read error");
    });
    state.counters["rows/page"] =
        static_cast<double>(rows) / static_cast<double>(state.iterations());
}

void EngineThumb(benchmark::State& state, long records) {
    ensureFile(records);
    runList(records, [&](ZipList& list) {
        int position = 2;
        for (auto _ : state) {
            list.DragThumb(position);
            position = position == 99 ? 2 : position + 1;
        }
        if (list.rowCount() != kRows) state.SkipWithError("a short page");
    });
}

// Raw SQLite over the same file: the key column k0 (city order), a page of kRows rows read
// with the record image, seeking after the last key read.
benchsupport::RawKeyPages rawZipPages(long records) {
    return {fileName(records), "k0", kRows};
}

void RawPageDown(benchmark::State& state, long records) {
    ensureFile(records);
    benchsupport::warmPages(fileName(records), "k0", kRows,
                            static_cast<long>(state.max_iterations));
    benchsupport::RawKeyPages raw = rawZipPages(records);
    std::string key;
    for (auto _ : state) {
        if (raw.page(key, false) < kRows) {
            state.PauseTiming();
            key.clear();
            state.ResumeTiming();
        }
    }
}

void RawThumb(benchmark::State& state, long records) {
    ensureFile(records);
    // The 100 stops of the city order, as key components.
    rt::RecordFile& zip = records::zipFile();
    zip.setName(fileName(records));
    zip.open();
    zip.set(ZIP::KEYCITY);
    zip.next();
    const std::string low = ZIP::CITY.text();
    zip.set(ZIP::KEYCITY);
    zip.previous();
    const std::string high = ZIP::CITY.text();
    InitStringScrollStops(low, high, 20, 1, 0);
    std::vector<std::string> stops;
    const rt::KeyDecl& key = zip.decl().keys()[ZIP::KEYCITY];
    for (int i = 0; i < 100; ++i) {
        ZIP::CITY.setText(NextStringScrollStop());
        stops.push_back(rt::keycodec::encodeComponents(key, zip.buf()));
    }
    zip.close();
    benchsupport::RawKeyPages raw = rawZipPages(records);
    int position = 2;
    for (auto _ : state) {
        std::string at = stops[position - 1];
        benchmark::DoNotOptimize(raw.page(at, true));
        position = position == 99 ? 2 : position + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (long records : benchsupport::benchSizes()) {
        const std::string n = std::to_string(records);
        const long pages = records / kRows;  // the whole file, page by page
        benchmark::RegisterBenchmark(("EnginePageDown/" + n).c_str(), EnginePageDown, records)
            ->Iterations(pages)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("RawSqlitePageDown/" + n).c_str(), RawPageDown, records)
            ->Iterations(pages)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("EngineThumb/" + n).c_str(), EngineThumb, records)
            ->Iterations(980)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("RawSqliteThumb/" + n).c_str(), RawThumb, records)
            ->Iterations(980)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
