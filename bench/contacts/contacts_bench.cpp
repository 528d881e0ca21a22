// The main contacts list over a MAIL file of 100,000 contacts, in each of its six orders:
// choosing the order's tab (the list opens at the highlighted contact's key value in that
// order) and paging down through the whole file, run inside the list's own thread, beside raw
// SQLite reading the same pages of the same file (a seek on the order's key column, then one
// page of records with their images). Costs are per page.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "bench/support/raw_key_pages.h"
#include "contacts/contact_procedures.h"
#include "contacts/contacts_list.h"
#include "contacts/contacts_list_window.h"
#include "frame/program_end.h"
#include "records/mail.h"
#include "reference/reference_procedures.h"
#include "runtime/data/transaction.h"
#include "runtime/ui/codes.h"
#include "runtime/ui/driver.h"

namespace {

constexpr long kContacts = 100000;

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

std::filesystem::path benchFolder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / "tovik_bench_contacts";
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

std::string mailName() {
    return (benchFolder() / "MAIL.KVF").string();
}

std::string syllables(unsigned long x, int count) {
    static const char* parts[] = {"Ba", "Co", "De", "Fi", "Ga", "Ho", "Ju", "Ke",
                                  "La", "Mo", "Ne", "Pi", "Ro", "Sa", "Tu", "Ve"};
    std::string s;
    for (int i = 0; i < count; ++i) {
        s += parts[x % 16];
        x /= 16;
    }
    return s;
}

// Creates the file once; later runs reuse it.
void ensureFile() {
    rt::RecordFile& mail = records::mailFile();
    mail.setName(mailName());
    if (std::filesystem::exists(mailName()) && mail.open() == 0) {
        const bool complete = mail.records() == kContacts;
        mail.close();
        if (complete) return;
    }
    mail.remove();  // an incomplete file from an earlier run: CREATE never replaces one
    if (mail.create() != 0 || mail.open() != 0) throw std::runtime_error("cannot create MAIL");
    rt::logout(30, {&mail});
    for (long n = 1; n <= kContacts; ++n) {
        const unsigned long x = static_cast<unsigned long>(n) * 2654435761UL;
        mail.clear();
        MAI::FIRSTNAME.setText(syllables(x, 3));
        MAI::LASTNAME.setText(syllables(x >> 12, 4));
        MAI::COMPANYNAME.setText(syllables(x >> 20, 5) + " Supplies");
        MAI::CITY.setText(syllables(x >> 8, 3) + "ville");
        MAI::STATE.setText(syllables(x >> 16, 1));
        MAI::ZIP.setText(std::to_string(10000 + (x >> 4) % 90000));
        MAI::HOMEPHONE.setText(std::to_string(2000000000 + n));
        if (mail.add() != 0) throw std::runtime_error("cannot add to MAIL");
    }
    rt::commit();
    mail.close();
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
    std::filesystem::current_path(benchFolder());
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

void ListOpensOrder(benchmark::State& state, int order) {
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

void ListPagesDown(benchmark::State& state, int order) {
    ensureFile();
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
    return {mailName(), "k" + std::to_string(key), pageRows()};
}

void RawPagesDown(benchmark::State& state, int order) {
    ensureFile();
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
void RawOpensOrder(benchmark::State& state, int order) {
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
    const long pages = kContacts / pageRows();  // the whole file, page by page
    for (int order = 0; order < 6; ++order) {
        const std::string tab = kOrders[order].tab;
        benchmark::RegisterBenchmark(("ListOpensOrder/" + tab).c_str(), ListOpensOrder, order)
            ->Iterations(50)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("RawSqliteOpensOrder/" + tab).c_str(), RawOpensOrder, order)
            ->Iterations(50)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ListPagesDown/" + tab).c_str(), ListPagesDown, order)
            ->Iterations(pages)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("RawSqlitePagesDown/" + tab).c_str(), RawPagesDown, order)
            ->Iterations(pages)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
