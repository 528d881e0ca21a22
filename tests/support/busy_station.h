#pragma once
// Another station that keeps saving: a child process that calls `save(i)` for i = 0, 1, 2 ...
// every 10 ms, with its own connections, until the test stops it. The test learns how many
// saves it made, so it can tell which values the station's last saves left. The station has
// made its first save before the constructor returns, so whatever the test runs next runs
// while the station writes.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/data/errors.h"
#include "runtime/data/record_file.h"

namespace testsupport {

class BusyStation {
  public:
    // `save` answers false when a save failed: the station then stops with exit code 2.
    explicit BusyStation(const std::function<bool(long)>& save) {
        int down[2], up[2];
        if (pipe(down) != 0 || pipe(up) != 0) std::abort();
        pid_ = fork();
        if (pid_ == 0) {
            ::close(down[1]);
            ::close(up[0]);
            _exit(run(save, down[0], up[1]));
        }
        ::close(down[0]);
        ::close(up[1]);
        stop_ = down[1];
        report_ = up[0];
        long first = 0;
        started_ = ::read(report_, &first, sizeof first) == sizeof first;
    }
    ~BusyStation() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        ::close(stop_);
        ::close(report_);
    }
    BusyStation(const BusyStation&) = delete;
    BusyStation& operator=(const BusyStation&) = delete;

    bool started() const { return started_; }

    // Stops the station: the number of saves it made, or -1 when a save failed or the
    // station died.
    long stop() {
        (void)!::write(stop_, "x", 1);
        long saves = -1;
        if (::read(report_, &saves, sizeof saves) != sizeof saves) saves = -1;
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = 0;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
        return saves;
    }

  private:
    static int run(const std::function<bool(long)>& save, int stop, int report) {
        long saves = 0;
        if (!save(saves++)) return 2;
        (void)!::write(report, &saves, sizeof saves);
        pollfd wait{stop, POLLIN, 0};
        while (::poll(&wait, 1, 10) == 0) {
            if (!save(saves++)) return 2;
        }
        (void)!::write(report, &saves, sizeof saves);
        return 0;
    }

    pid_t pid_ = 0;
    int stop_ = -1, report_ = -1;
    bool started_ = false;
};

// Saves for a BusyStation: save i writes "S<i>" into `field` of the record pointers[i % n],
// through the station's own connection to a file of `decl`, reading the record afresh when
// another station wrote it between the read and the save.
inline std::function<bool(long)> cyclicSaves(const rt::FileDecl& decl,
                                             std::vector<std::int64_t> pointers,
                                             std::string field) {
    auto file = std::make_shared<std::unique_ptr<rt::RecordFile>>();
    return [decl, pointers = std::move(pointers), field = std::move(field), file](long i) {
        if (!*file) {
            *file = std::make_unique<rt::RecordFile>(decl);
            if ((*file)->open() != 0) return false;
        }
        rt::RecordFile& f = **file;
        const std::int64_t pointer = pointers[static_cast<std::size_t>(i) % pointers.size()];
        int result = 0;
        do {
            if (f.getPointer(pointer) != 0) return false;
            f.buf().setText(field, "S" + std::to_string(i));
            result = f.put();
        } while (result == rt::FileError::RecordChanged);
        return result == 0;
    };
}

// What the last of `saves` cyclic saves over `records` records left on record k ("" when
// none reached it).
inline std::string lastCyclicSave(long k, long records, long saves) {
    if (k >= saves) return "";
    return "S" + std::to_string((saves - 1 - k) / records * records + k);
}

}  // namespace testsupport
