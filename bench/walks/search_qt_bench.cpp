// A search by example over the whole contacts file, selecting the 1 % marked in MAI:TAB1,
// through the contacts search form: in real widgets (the Qt backend, offscreen; the progress
// window's timer on the wall clock) and headless (the program's own clock, the driver letting
// time pass), each beside raw SQLite reading every record's image in one statement. Timed
// from the press on "&Select" until the form has closed. Sizes as the other benchmarks.

#include <sqlite3.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "bench/support/bench_sizes.h"
#include "bench/walks/contact_files.h"
#include "contacts/contact_procedures.h"
#include "contacts/contact_search_window.h"
#include "drivers/driver.h"
#include "frame/codes.h"
#include "frame/globals.h"
#include "frame/program_end.h"
#include "frame/search_by_example_windows.h"
#include "reference/reference_procedures.h"
#include "runtime/qt/page_painter.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/ui/scheduler.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void searchProgram() {
    records::mailFile().setName("MAIL.KVF");
    GLO::Request = REQ::Search;
    SearchMAIL();
}

rt::Window* topWindow() {
    std::lock_guard lock(rt::Scheduler::instance().mutex());
    auto& z = rt::Scheduler::instance().zOrder();
    return z.empty() ? nullptr : z.back();
}

// Runs the GUI's event loop until `done` holds (checked every millisecond) or 10 minutes.
void runEventsUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    check.start(1);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    loop.exec();
}

rt::Input press(int control) {
    rt::Input in;
    in.kind = rt::Input::Kind::Press;
    in.control = control;
    return in;
}

double qtSearch() {
    ResetProgramExitCode();
    rt::qt::QtBackend backend;
    rt::Scheduler& scheduler = rt::Scheduler::instance();
    scheduler.startProgram(backend, searchProgram);
    auto idleOn = [&](const char* title) {
        runEventsUntil([&] {
            rt::Window* w = topWindow();
            return scheduler.waitIdle(0) && w && w->title() == title;
        });
        return topWindow();
    };
    rt::Window* form = idleOn("Enter Search Criteria");
    rt::Input type;
    type.kind = rt::Input::Kind::Type;
    type.control = windows::contact_search::SearchControl::Tag1;
    type.text = "HIT";
    backend.deliver(form, type);
    backend.deliver(form, press(windows::contact_search::SearchControl::BeginSearch));
    rt::Window* question = idleOn("Begin Search");
    const auto start = Clock::now();
    backend.deliver(question, press(windows::search_by_example::BeginSearchControl::Select));
    runEventsUntil([&] { return scheduler.programEnded(); });
    const double seconds = secondsSince(start);
    QCoreApplication::processEvents();
    if (!scheduler.programEnded()) throw std::runtime_error("the Qt search did not end");
    return seconds;
}

double headlessSearch() {
    ResetProgramExitCode();
    rt::Driver driver;
    driver.start(searchProgram);
    driver.waitWindow("Enter Search Criteria");
    driver.type("MAI:TAB1", "HIT");
    driver.press("&Begin Search");
    driver.waitWindow("Begin Search");
    const auto start = Clock::now();
    driver.press("&Select");
    // The driver lets the program's time pass until the form has closed.
    try {
        driver.waitWindow("(the form has closed)");
    } catch (const rt::DriverError&) {
    }
    const double seconds = secondsSince(start);
    if (!driver.ended()) throw std::runtime_error("the headless search did not end");
    driver.finish();
    return seconds;
}

double rawSearch(long& matches) {
    const auto start = Clock::now();
    sqlite3* db = nullptr;
    sqlite3_open_v2("MAIL.KVF", &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* walk = nullptr;
    sqlite3_prepare_v2(db, "SELECT id, version, image FROM rec ORDER BY id", -1, &walk, nullptr);
    const int tab1 = records::mailFile().decl().fields()[MAI::TAB1.index()].offset;
    matches = 0;
    while (sqlite3_step(walk) == SQLITE_ROW) {
        const char* image = static_cast<const char*>(sqlite3_column_blob(walk, 2));
        if (std::memcmp(image + tab1, "HIT", 3) == 0) ++matches;
    }
    sqlite3_finalize(walk);
    sqlite3_close(db);
    return secondsSince(start);
}

// The tags the search left in the tag file.
long tagsWritten() {
    sqlite3* db = nullptr;
    sqlite3_open_v2("TagFile_.KVF", &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* count = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM rec", -1, &count, nullptr);
    const long n = count && sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int64(count, 0) : -1;
    sqlite3_finalize(count);
    sqlite3_close(db);
    return n;
}

}  // namespace

int main() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    rt::qt::ensureApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterContactProcedures();
    RegisterReferenceProcedures();
    std::printf("%-34s %9s  %15s  %15s  %7s\n", "search by example, 1 % selected", "contacts",
                "engine", "raw", "ratio");
    for (long contacts : benchsupport::benchSizes()) {
        benchsupport::ensureMail(contacts);
        benchsupport::removeTags();
        long matches = 0;
        rawSearch(matches);  // the file in the cache, as for the others
        const double raw = rawSearch(matches);
        const double qt = qtSearch();
        const long qtTags = tagsWritten();
        benchsupport::removeTags();
        const double headless = headlessSearch();
        const long headlessTags = tagsWritten();
        if (qtTags != matches || headlessTags != matches)
            std::printf("  (tags written: %ld in widgets, %ld headless; %ld expected)\n", qtTags,
                        headlessTags, matches);
        for (const auto& [what, seconds] :
             {std::pair{"  in widgets (Qt)", qt}, std::pair{"  headless", headless}})
            std::printf("%-34s %9ld  %12.3f s   %12.3f s   %6.2fx\n", what, contacts, seconds, raw,
                        seconds / raw);
        if (matches * 100 != contacts) std::printf("  (raw search found %ld)\n", matches);
        std::fflush(stdout);
    }
    return 0;
}
