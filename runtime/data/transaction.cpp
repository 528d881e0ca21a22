#include "runtime/data/transaction.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "runtime/data/errors.h"
#include "runtime/data/file_instance.h"
#include "runtime/data/record_file.h"
#include "runtime/data/thread_state.h"
#include "runtime/data/wait_seconds.h"

namespace rt {
namespace {

struct Logout {
    bool active = false;
    std::vector<detail::FileInstance*> files;
};

Logout& current() {
    if (Logout* logout = detail::ThreadState<Logout>::get()) return *logout;
    throw std::logic_error("transaction used while its thread ends");
}

}  // namespace

int logout(int seconds, std::initializer_list<RecordFile*> files) {
    detail::clearError();
    Logout& tx = current();
    if (tx.active) {
        return detail::setError(FileError::LogoutActive,
                                files.size() ? (*files.begin())->name() : std::string());
    }
    std::vector<detail::FileInstance*> begun;
    for (RecordFile* file : files) {
        detail::FileInstance& f = file->instance();
        int code = f.beginTx(detail::kTxLogout, waitMilliseconds(seconds));
        if (code) {
            for (detail::FileInstance* b : begun)
                b->rollbackTx();
            detail::setError(code, f.name);
            return code;
        }
        begun.push_back(&f);
    }
    tx.active = true;
    tx.files = std::move(begun);
    return 0;
}

int commit() {
    detail::clearError();
    Logout& tx = current();
    int first = 0;
    for (detail::FileInstance* f : tx.files) {
        int code = f->endTx(detail::kTxLogout);
        if (code && !first) first = code;
    }
    tx.active = false;
    tx.files.clear();
    if (first) return first;
    return 0;
}

int rollback() {
    detail::clearError();
    Logout& tx = current();
    int first = 0;
    for (detail::FileInstance* f : tx.files) {
        int code = f->rollbackTx();
        if (code && !first) first = code;
    }
    tx.active = false;
    tx.files.clear();
    return first;
}

bool logoutActive() {
    return current().active;
}

namespace detail {

void forgetLogout(FileInstance* file) {
    Logout* logout = ThreadState<Logout>::get(false);
    if (!logout) return;
    std::vector<FileInstance*>& files = logout->files;
    files.erase(std::remove(files.begin(), files.end(), file), files.end());
}

}  // namespace detail
}  // namespace rt
