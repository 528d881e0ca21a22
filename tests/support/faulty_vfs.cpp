#include "tests/support/faulty_vfs.h"

#include <sqlite3.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace testsupport {
namespace {

constexpr int kOps = 5;

struct State {
    std::mutex mutex;
    std::array<Fault, kOps> faults{};
    std::array<bool, kOps> armed{};
    std::array<int, kOps> seen{};
    int failures = 0;
    int lastSystemError = 0;
    sqlite3_vfs* real = nullptr;
    sqlite3_vfs vfs{};
    bool registered = false;
};

State& state() {
    static State s;
    return s;
}

bool endsWith(const char* name, const std::string& end) {
    if (end.empty()) return true;
    if (!name) return false;
    const std::size_t n = std::strlen(name);
    return n >= end.size() && std::memcmp(name + n - end.size(), end.data(), end.size()) == 0;
}

// The code a call should fail with, or 0 when it goes through.
int faultFor(FaultOp op, const char* name) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    const int i = static_cast<int>(op);
    if (!s.armed[i] || !endsWith(name, s.faults[i].nameEnd)) return 0;
    const Fault& f = s.faults[i];
    const int call = s.seen[i]++;
    if (call < f.after || (f.times >= 0 && call >= f.after + f.times)) return 0;
    ++s.failures;
    s.lastSystemError = f.systemError;
    errno = f.systemError;
    return f.sqliteCode;
}

struct FaultyFile {
    sqlite3_file base;
    const char* name;
    sqlite3_io_methods methods;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

FaultyFile* self(sqlite3_file* f) {
    return reinterpret_cast<FaultyFile*>(f);
}

int fileClose(sqlite3_file* f) {
    return self(f)->real()->pMethods->xClose(self(f)->real());
}
int fileRead(sqlite3_file* f, void* out, int amount, sqlite3_int64 offset) {
    if (int rc = faultFor(FaultOp::Read, self(f)->name)) return rc;
    return self(f)->real()->pMethods->xRead(self(f)->real(), out, amount, offset);
}
int fileWrite(sqlite3_file* f, const void* in, int amount, sqlite3_int64 offset) {
    if (int rc = faultFor(FaultOp::Write, self(f)->name)) return rc;
    return self(f)->real()->pMethods->xWrite(self(f)->real(), in, amount, offset);
}
int fileTruncate(sqlite3_file* f, sqlite3_int64 size) {
    return self(f)->real()->pMethods->xTruncate(self(f)->real(), size);
}
int fileSync(sqlite3_file* f, int flags) {
    if (int rc = faultFor(FaultOp::Sync, self(f)->name)) return rc;
    return self(f)->real()->pMethods->xSync(self(f)->real(), flags);
}
int fileSize(sqlite3_file* f, sqlite3_int64* size) {
    return self(f)->real()->pMethods->xFileSize(self(f)->real(), size);
}
int fileLock(sqlite3_file* f, int level) {
    return self(f)->real()->pMethods->xLock(self(f)->real(), level);
}
int fileUnlock(sqlite3_file* f, int level) {
    return self(f)->real()->pMethods->xUnlock(self(f)->real(), level);
}
int fileCheckLock(sqlite3_file* f, int* out) {
    return self(f)->real()->pMethods->xCheckReservedLock(self(f)->real(), out);
}
int fileControl(sqlite3_file* f, int op, void* arg) {
    return self(f)->real()->pMethods->xFileControl(self(f)->real(), op, arg);
}
int fileSectorSize(sqlite3_file* f) {
    return self(f)->real()->pMethods->xSectorSize(self(f)->real());
}
int fileDeviceCharacteristics(sqlite3_file* f) {
    return self(f)->real()->pMethods->xDeviceCharacteristics(self(f)->real());
}
int fileShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
    return self(f)->real()->pMethods->xShmMap(self(f)->real(), page, size, extend, out);
}
int fileShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return self(f)->real()->pMethods->xShmLock(self(f)->real(), offset, n, flags);
}
void fileShmBarrier(sqlite3_file* f) {
    self(f)->real()->pMethods->xShmBarrier(self(f)->real());
}
int fileShmUnmap(sqlite3_file* f, int deleteFlag) {
    return self(f)->real()->pMethods->xShmUnmap(self(f)->real(), deleteFlag);
}
int fileFetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
    return self(f)->real()->pMethods->xFetch(self(f)->real(), offset, amount, out);
}
int fileUnfetch(sqlite3_file* f, sqlite3_int64 offset, void* p) {
    return self(f)->real()->pMethods->xUnfetch(self(f)->real(), offset, p);
}

int vfsOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    FaultyFile* f = self(file);
    f->base.pMethods = nullptr;
    if (int rc = faultFor(FaultOp::Open, name)) return rc;
    sqlite3_vfs* real = state().real;
    int rc = real->xOpen(real, name, f->real(), flags, outFlags);
    if (!f->real()->pMethods) return rc;
    const sqlite3_io_methods* r = f->real()->pMethods;
    f->name = name;
    f->methods = sqlite3_io_methods{r->iVersion,
                                    fileClose,
                                    fileRead,
                                    fileWrite,
                                    fileTruncate,
                                    fileSync,
                                    fileSize,
                                    fileLock,
                                    fileUnlock,
                                    fileCheckLock,
                                    fileControl,
                                    fileSectorSize,
                                    fileDeviceCharacteristics,
                                    r->iVersion >= 2 ? fileShmMap : nullptr,
                                    r->iVersion >= 2 ? fileShmLock : nullptr,
                                    r->iVersion >= 2 ? fileShmBarrier : nullptr,
                                    r->iVersion >= 2 ? fileShmUnmap : nullptr,
                                    r->iVersion >= 3 ? fileFetch : nullptr,
                                    r->iVersion >= 3 ? fileUnfetch : nullptr};
    f->base.pMethods = &f->methods;
    return rc;
}

int vfsDelete(sqlite3_vfs*, const char* name, int syncDir) {
    if (endsWith(name, "-journal")) {
        if (int rc = faultFor(FaultOp::Commit, name)) return rc;
    }
    return state().real->xDelete(state().real, name, syncDir);
}

int vfsGetLastError(sqlite3_vfs*, int n, char* out) {
    State& s = state();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.lastSystemError != 0) return std::exchange(s.lastSystemError, 0);
    }
    return s.real->xGetLastError ? s.real->xGetLastError(s.real, n, out) : 0;
}

// The other calls go straight to the real file system.
int vfsAccess(sqlite3_vfs*, const char* name, int flags, int* out) {
    return state().real->xAccess(state().real, name, flags, out);
}
int vfsFullPathname(sqlite3_vfs*, const char* name, int n, char* out) {
    return state().real->xFullPathname(state().real, name, n, out);
}
void* vfsDlOpen(sqlite3_vfs*, const char* name) {
    return state().real->xDlOpen(state().real, name);
}
void vfsDlError(sqlite3_vfs*, int n, char* out) {
    state().real->xDlError(state().real, n, out);
}
void (*vfsDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) {
    return state().real->xDlSym(state().real, handle, symbol);
}
void vfsDlClose(sqlite3_vfs*, void* handle) {
    state().real->xDlClose(state().real, handle);
}
int vfsRandomness(sqlite3_vfs*, int n, char* out) {
    return state().real->xRandomness(state().real, n, out);
}
int vfsSleep(sqlite3_vfs*, int microseconds) {
    return state().real->xSleep(state().real, microseconds);
}
int vfsCurrentTime(sqlite3_vfs*, double* out) {
    return state().real->xCurrentTime(state().real, out);
}
int vfsCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
    return state().real->xCurrentTimeInt64(state().real, out);
}

}  // namespace

FaultyFileSystem::FaultyFileSystem() {
    State& s = state();
    if (!s.registered) {
        s.real = sqlite3_vfs_find(nullptr);
        if (!s.real) throw std::runtime_error("no SQLite file system");
        s.vfs = sqlite3_vfs{2,
                            static_cast<int>(sizeof(FaultyFile)) + s.real->szOsFile,
                            s.real->mxPathname,
                            nullptr,
                            "faulty",
                            nullptr,
                            vfsOpen,
                            vfsDelete,
                            vfsAccess,
                            vfsFullPathname,
                            vfsDlOpen,
                            vfsDlError,
                            vfsDlSym,
                            vfsDlClose,
                            vfsRandomness,
                            vfsSleep,
                            vfsCurrentTime,
                            vfsGetLastError,
                            vfsCurrentTimeInt64,
                            nullptr,
                            nullptr,
                            nullptr};
        s.registered = true;
    }
    clear();
    sqlite3_vfs_register(&s.vfs, 1);
}

FaultyFileSystem::~FaultyFileSystem() {
    clear();
    sqlite3_vfs_register(state().real, 1);
}

void FaultyFileSystem::inject(const Fault& fault) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    const int i = static_cast<int>(fault.op);
    s.faults[i] = fault;
    s.armed[i] = true;
    s.seen[i] = 0;
}

void FaultyFileSystem::clear() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.armed.fill(false);
    s.seen.fill(0);
    s.failures = 0;
    s.lastSystemError = 0;
}

int FaultyFileSystem::failures() const {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.failures;
}

int FaultyFileSystem::calls(FaultOp op) const {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.seen[static_cast<int>(op)];
}

}  // namespace testsupport
