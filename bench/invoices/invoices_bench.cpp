// The invoice list over an ORDERS file of 100,000 invoices, in each of its six orders (the
// last two filtered: every invoice is unprinted and has a balance, so each filter passes
// every invoice and the pages hold the same rows as the raw reads): choosing the order's tab
// and paging down through the whole file, run inside the list's own thread, beside raw
// SQLite reading the same pages of the same file (a seek on the order's key column, then one
// page of records with their images and, as the list shows them, their tag marks from the
// list's tag file). Costs are per page; the pages of a paging benchmark are read once
// untimed before it.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "bench/support/raw_key_pages.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/program_end.h"
#include "invoices/invoice_list.h"
#include "invoices/invoice_list_window.h"
#include "invoices/invoice_procedures.h"
#include "records/orders.h"
#include "records/tag_file.h"
#include "runtime/data/transaction.h"
#include "runtime/ui/codes.h"

namespace {

constexpr long kInvoices = 100000;
// Openings of an order measured: enough that one pre-emption on a busy machine does not
// decide the mean.
constexpr int kOpenings = 500;

struct Order {
    const char* tab;
    const char* keyName;
};

constexpr Order kOrders[] = {{"First Name", "ORD:KEYFIRSTNAME"},
                             {"Last Name", "ORD:KEYLASTNAME"},
                             {"Company", "ORD:KEYCOMPANY"},
                             {"Order Date", "ORD:KEYORDERDATE"},
                             {"Unprinted Invoices Only", "ORD:KEYFIRSTNAME"},
                             {"With Balance", "ORD:KEYFIRSTNAME"}};

std::filesystem::path benchFolder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / "tovik_bench_invoices";
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

std::string ordersName() {
    return (benchFolder() / "ORDERS.KVF").string();
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
    rt::RecordFile& orders = records::ordersFile();
    orders.setName(ordersName());
    if (std::filesystem::exists(ordersName()) && orders.open() == 0) {
        const bool complete = orders.records() == kInvoices;
        orders.close();
        if (complete) return;
    }
    orders.remove();  // an incomplete file from an earlier run: CREATE never replaces one
    if (orders.create() != 0 || orders.open() != 0) throw std::runtime_error("cannot create");
    rt::logout(30, {&orders});
    for (long n = 1; n <= kInvoices; ++n) {
        const unsigned long x = static_cast<unsigned long>(n) * 2654435761UL;
        orders.clear();
        ORD::FIRSTNAME.setText(syllables(x, 3));
        ORD::LASTNAME.setText(syllables(x >> 12, 4));
        ORD::COMPANY.setText(syllables(x >> 20, 5) + " Supplies");
        ORD::ORDERDATE.setInteger(80000 + static_cast<long>((x >> 6) % 3000));
        ORD::INVOICENUMBER.setInteger(n);
        ORD::BALANCE.setText(std::to_string(1 + n % 500) + ".25");
        if (orders.add() != 0) throw std::runtime_error("cannot add to ORDERS");
    }
    rt::commit();
    orders.close();
}

// The invoice list whose OpenWindow runs the benchmark body inside the application thread.
class BenchInvoices : public InvoiceList {
  public:
    explicit BenchInvoices(std::function<void(BenchInvoices&)> body) : body_(std::move(body)) {}

    using BrowseProcedure::readFailed;
    using BrowseProcedure::Refresh;
    using BrowseProcedure::ScrollList;
    using BrowseProcedure::window;

    // What pressing the order's tab does: the sheet's choice, then the list's refresh.
    void chooseOrder(int order) {
        window().setProp(windows::invoice_list::InvoiceListControl::Sheet, PROP::Choice, order + 1);
        Refresh();
    }
    int visibleRows() {
        return window().visibleRows(windows::invoice_list::InvoiceListControl::List);
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
    std::function<void(BenchInvoices&)> body_;
};

void withList(const std::function<void(BenchInvoices&)>& body) {
    ResetProgramExitCode();
    RegisterInvoiceProcedures();
    std::filesystem::current_path(benchFolder());
    rt::Driver driver;
    driver.start([&] {
        records::ordersFile().setName(ordersName());
        BenchInvoices(body).run();
    });
    if (!driver.finish()) throw std::runtime_error("the list did not end");
}

int pageRows() {
    static const int rows = [] {
        ensureFile();
        int n = 0;
        withList([&](BenchInvoices& list) { n = list.visibleRows(); });
        return n;
    }();
    return rows;
}

void ListOpensOrder(benchmark::State& state, int order) {
    ensureFile();
    withList([&](BenchInvoices& list) {
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
    const int key = records::ordersFile().key(kOrders[order].keyName);
    benchsupport::warmPages(ordersName(), "k" + std::to_string(key), pageRows(),
                            static_cast<long>(state.max_iterations));
}

void ListPagesDown(benchmark::State& state, int order) {
    ensureFile();
    warmOrder(order, state);
    withList([&](BenchInvoices& list) {
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

// The list emptied the tag file as it opened (pageRows() opened it first).
benchsupport::RawKeyPages rawPages(int order) {
    const int key = records::ordersFile().key(kOrders[order].keyName);
    const std::string tags = (benchFolder() / "TagFile_.KVF").string();
    return {ordersName(), "k" + std::to_string(key), pageRows(), tags, TAG::Invoices};
}

void RawPagesDown(benchmark::State& state, int order) {
    ensureFile();
    warmOrder(order, state);
    benchsupport::RawKeyPages raw = rawPages(order);
    std::string key;
    for (auto _ : state) {
        if (raw.page(key, false) < pageRows()) {
            state.PauseTiming();
            key.clear();
            state.ResumeTiming();
        }
    }
}

void RawOpensOrder(benchmark::State& state, int order) {
    ensureFile();
    benchsupport::RawKeyPages raw = rawPages(order);
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
    const long pages = kInvoices / pageRows();  // the whole file, page by page
    for (int order = 0; order < 6; ++order) {
        const std::string tab = kOrders[order].tab;
        benchmark::RegisterBenchmark(("ListOpensOrder/" + tab).c_str(), ListOpensOrder, order)
            ->Iterations(kOpenings)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("RawSqliteOpensOrder/" + tab).c_str(), RawOpensOrder, order)
            ->Iterations(kOpenings)
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
