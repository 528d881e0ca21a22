// The program's entry: QApplication on the main thread, the procedures on application
// threads, and the event loop until the main procedure has returned.
#include <QApplication>
#include <QTimer>
#include <atomic>
#include <thread>

#include "runtime/qt/print_backend.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/ui/scheduler.h"

namespace rt::qt {

int runQtProgram(int argc, char** argv, std::function<void()> programMain) {
    QApplication app(argc, argv);
    // The program ends when its main procedure returns, not when a window closes.
    app.setQuitOnLastWindowClosed(false);
    installPrintBackend();
    QtBackend backend;
    Scheduler& scheduler = Scheduler::instance();
    try {
        scheduler.startProgram(backend, std::move(programMain));
    } catch (const std::exception&) {
        return 1;
    }
    // A watcher waits for the end on its own thread, so the GUI thread never waits.
    std::atomic<bool> quit{false};
    std::thread watcher([&] {
        while (!scheduler.waitEnded(200))
            if (quit) return;
        QMetaObject::invokeMethod(
            &app, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
    });
    app.exec();
    quit = true;
    watcher.join();
    // Updates posted by the last procedure (windows closing) are let through.
    QCoreApplication::processEvents();
    return 0;
}

}  // namespace rt::qt
