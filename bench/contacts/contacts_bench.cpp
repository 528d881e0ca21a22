// The main contacts list over MAIL files of 10,000 contacts (or the sizes in
// TOVIK_BENCH_SIZES), in each of its six orders: choosing the order's tab (the list opens at
// the highlighted contact's key value in that order) and paging down (through the whole file,
// 5,000 pages at most), run inside the list's own thread, beside raw SQLite reading the same
// pages of the same file (a seek on the order's key column, then one page of records with
// their images and, as the list shows them, their tag marks from a tag file without tags).
// Costs are per page; the pages of a paging benchmark are read once untimed before it.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "bench/support/bench_sizes.h"
#include "bench/support/raw_key_pages.h"
#include "bench/walks/contact_files.h"
#include "contacts/contact_procedures.h"
#include "contacts/contacts_list.h"
#include "contacts/contacts_list_window.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/program_end.h"
#include "records/mail.h"
#include "records/tag_file.h"
#include "reference/reference_procedures.h"
#include "runtime/data/transaction.h"
#include "runtime/ui/codes.h"

namespace {

struct Order {
    const char* tab;
    const char* keyName;
};

constexpr Order kOrders[] = {{"First Name", "MAI:KEYFIRSTNAME"},
                             {"Last Name", "MAI:KEYLASTNAME"},
                             {"Company Name", "MAI:KEYCOMPANYNAME"},
                             {"City Name", "MAI:KEYCITY"},
                             {"State", "MAI:KEYSTATE"},
                             {"Zip Code", "MAI:KEYZIP"}};

long contactsNow = 0;  // the size being measured
// Openings of an order measured: enough that one pre-emption on a busy machine does not
// decide the mean.
constexpr int kOpenings = 500;

std::string mailName() {
    return (benchsupport::folderFor(contactsNow) / "MAIL.KVF").string();
}

// The MAIL file, and a tag file without tags: every row of the list looks up its mark.
void ensureFile() {
    benchsupport::ensureMail(contactsNow);
    static long tagsMadeFor = 0;
    if (tagsMadeFor == contactsNow) return;
    tagsMadeFor = contactsNow;
    benchsupport::removeTags();
    records::tagFile().setName("TagFile_.KVF");
    if (records::tagFile().create() != 0) throw std::runtime_error("cannot create the tag file");
}

// The contacts list whose OpenWindow runs the benchmark body inside the application thread,
// so that the figures hold the list's own work and no hand-over between threads.
class BenchContacts : public ContactsList {
  public:
    explicit BenchContacts(std::function<void(BenchContacts&)> body) : body_(std::move(body)) {}

    using BrowseProcedure::readFailed;
    using BrowseProcedure::Refresh;
    using BrowseProcedure::ScrollList;
    using BrowseProcedure::window;

    // What pressing the order's tab does: the sheet's choice, then the list's refresh.
    void chooseOrder(int order) {
        window().setProp(windows::contacts_list::ContactsControl::Sheet, PROP::Choice, order + 1);
        Refresh();
    }
    int visibleRows() {
        return window().visibleRows(windows::contacts_list::ContactsControl::List);
    }

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
    std::function<void(BenchContacts&)> body_;
};

// Runs the contacts list headless in the bench folder with `body` inside it.
void withList(const std::function<void(BenchContacts&)>& body) {
    ResetProgramExitCode();
    RegisterContactProcedures();
    RegisterReferenceProcedures();
    std::filesystem::current_path(benchsupport::folderFor(contactsNow));
    rt::Driver driver;
    driver.start([&] {
        records::mailFile().setName(mailName());
        BenchContacts(body).run();
    });
    if (!driver.finish()) throw std::runtime_error("the list did not end");
}

// The rows of a page of the list, as the engine fills it.
int pageRows() {
    static const int rows = [] {
        ensureFile();
        int n = 0;
        withList([&](BenchContacts& list) { n = list.visibleRows(); });
        return n;
    }();
    return rows;
}

void ListOpensOrder(benchmark::State& state, int order, long contacts) {
    contactsNow = contacts;
    ensureFile();
    withList([&](BenchContacts& list) {
        const int other = order == 0 ? 1 : 0;
        list.ScrollList(EVENT::PageDown);  // open from somewhere inside the file
        for (auto _ : state) {
            list.chooseOrder(order);
            state.PauseTiming();
            list.chooseOrder(other);
            state.ResumeTiming();
        }
        if (list.readFailed()) state.SkipWithError("read error");
    });
}

// The order's column and the pages a paging benchmark reads, read once before it.
void warmOrder(int order, benchmark::State& state) {
    const int key = records::mailFile().key(kOrders[order].keyName);
    benchsupport::warmPages(mailName(), "k" + std::to_string(key), pageRows(),
                            static_cast<long>(state.max_iterations));
}

void ListPagesDown(benchmark::State& state, int order, long contacts) {
    contactsNow = contacts;
    ensureFile();
    warmOrder(order, state);
    withList([&](BenchContacts& list) {
        list.chooseOrder(order);
        list.ScrollList(EVENT::ScrollTop);
        const int rows = list.rowCount();
        for (auto _ : state) {
            const std::string top = list.rowPosition(1);
            list.ScrollList(EVENT::PageDown);
            if (list.rowPosition(1) == top) {  // the end: start again at the top
                state.PauseTiming();
                list.ScrollList(EVENT::ScrollTop);
                state.ResumeTiming();
            }
        }
        if (list.readFailed()) state.SkipWithError("read error");
        state.counters["rows/page"] = rows;
    });
}

// Raw SQLite over the same file: the order's key column, one page of the list's rows with
// the record image, seeking after (or at) the last key read.
benchsupport::RawKeyPages rawMailPages(int order) {
    const int key = records::mailFile().key(kOrders[order].keyName);
    const std::string tags = (benchsupport::folderFor(contactsNow) / "TagFile_.KVF").string();
    return {mailName(), "k" + std::to_string(key), pageRows(), tags, TAG::Contacts};
}

void RawPagesDown(benchmark::State& state, int order, long contacts) {
    contactsNow = contacts;
    ensureFile();
    warmOrder(order, state);
    benchsupport::RawKeyPages raw = rawMailPages(order);
    std::string key;
    for (auto _ : state) {
        if (raw.page(key, false) < pageRows()) {
            state.PauseTiming();
            key.clear();
            state.ResumeTiming();
        }
    }
}

// Opening an order reads one page at a key value: the seek and the page.
void RawOpensOrder(benchmark::State& state, int order, long contacts) {
    contactsNow = contacts;
    ensureFile();
    benchsupport::RawKeyPages raw = rawMailPages(order);
    std::string middle;
    for (int i = 0; i < 100; ++i)
        raw.page(middle, false);  // a key some pages into the file
    for (auto _ : state) {
        std::string at = middle;
        benchmark::DoNotOptimize(raw.page(at, true));
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (long contacts : benchsupport::benchSizes()) {
        contactsNow = contacts;
        const long pages = contacts / pageRows();  // the whole file, page by page
        const std::string n = "/" + std::to_string(contacts);
        for (int order = 0; order < 6; ++order) {
            const std::string tab = kOrders[order].tab;
            benchmark::RegisterBenchmark(("ListOpensOrder/" + tab + n).c_str(), ListOpensOrder,
                                         order, contacts)
                ->Iterations(kOpenings)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("RawSqliteOpensOrder/" + tab + n).c_str(), RawOpensOrder,
                                         order, contacts)
                ->Iterations(kOpenings)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("ListPagesDown/" + tab + n).c_str(), ListPagesDown, order,
                                         contacts)
                ->Iterations(std::min(pages, 5000L))
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("RawSqlitePagesDown/" + tab + n).c_str(), RawPagesDown,
                                         order, contacts)
                ->Iterations(std::min(pages, 5000L))
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
