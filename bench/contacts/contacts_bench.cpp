// The main contacts list over a MAIL file of 100,000 contacts, in each of its six orders:
// choosing the order's tab (the list opens on the order's first page) and paging down, as a
// user does it through the window, beside raw SQLite reading the same pages of the same file
// (a seek on the order's key column, then one page of records). Costs are per page.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "contacts/contact_procedures.h"
#include "frame/program_end.h"
#include "records/mail.h"
#include "runtime/data/transaction.h"
#include "runtime/ui/driver.h"
#include "windows/tovik001.h"

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

// Runs the contacts list headless in the bench folder and hands the driver to `body`.
void withList(const std::function<void(rt::Driver&)>& body) {
    ResetProgramExitCode();
    RegisterContactProcedures();
    std::filesystem::current_path(benchFolder());
    rt::Driver driver;
    driver.start([] {
        records::mailFile().setName(mailName());
        BrowseMAIL();
    });
    driver.waitWindow("Names And Information");
    body(driver);
    driver.press("Close");
    if (!driver.finish()) throw std::runtime_error("the list did not end");
}

void ListOpensOrder(benchmark::State& state, int order) {
    ensureFile();
    withList([&](rt::Driver& driver) {
        const char* other = order == 0 ? "Last Name" : "First Name";
        for (auto _ : state) {
            driver.press(kOrders[order].tab);
            state.PauseTiming();
            driver.press(other);
            state.ResumeTiming();
        }
    });
}

void ListPagesDown(benchmark::State& state, int order) {
    ensureFile();
    withList([&](rt::Driver& driver) {
        driver.press(kOrders[order].tab);
        driver.click(
            rt::ControlName{
                rt::ControlName::By::Number, windows::tovik001::ContactsControl::List, {}},
            1, "LeftClick");
        const int list = windows::tovik001::ContactsControl::List;
        const auto first = driver.active()->rowTexts(list, 1);
        for (auto _ : state)
            driver.key("PgDn");
        if (driver.active()->rowTexts(list, 1) == first)
            state.SkipWithError("the list did not move");
    });
}

// Raw SQLite over the same file: pages of the order's key column with the record image.
void RawPagesDown(benchmark::State& state, int order) {
    ensureFile();
    const int key = records::mailFile().key(kOrders[order].keyName);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(mailName().c_str(), &db, SQLITE_OPEN_READONLY, nullptr))
        throw std::runtime_error("cannot open MAIL");
    const std::string column = "k" + std::to_string(key);
    sqlite3_stmt* page = nullptr;
    sqlite3_prepare_v2(db,
                       ("SELECT id, image, " + column + " FROM rec WHERE " + column +
                        " > ?1 ORDER BY " + column + " LIMIT 20")
                           .c_str(),
                       -1, &page, nullptr);
    std::string last;
    std::string image;
    for (auto _ : state) {
        sqlite3_bind_blob(page, 1, last.data(), static_cast<int>(last.size()), SQLITE_TRANSIENT);
        int rows = 0;
        while (sqlite3_step(page) == SQLITE_ROW) {
            image.assign(static_cast<const char*>(sqlite3_column_blob(page, 1)),
                         static_cast<std::size_t>(sqlite3_column_bytes(page, 1)));
            last.assign(static_cast<const char*>(sqlite3_column_blob(page, 2)),
                        static_cast<std::size_t>(sqlite3_column_bytes(page, 2)));
            ++rows;
        }
        sqlite3_reset(page);
        if (rows < 20) last.clear();
    }
    sqlite3_finalize(page);
    sqlite3_close(db);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (int order = 0; order < 6; ++order) {
        const std::string tab = kOrders[order].tab;
        benchmark::RegisterBenchmark(("ListOpensOrder/" + tab).c_str(), ListOpensOrder, order)
            ->Iterations(50)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ListPagesDown/" + tab).c_str(), ListPagesDown, order)
            ->Iterations(500)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("RawSqlitePagesDown/" + tab).c_str(), RawPagesDown, order)
            ->Iterations(500)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
