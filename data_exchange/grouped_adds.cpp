#include "data_exchange/grouped_adds.h"

#include "runtime/data/transaction.h"

namespace {

constexpr int kGroupRecords = 1000;
constexpr auto kGroupTime = std::chrono::seconds(1);

}  // namespace

int GroupedAdds::add() {
    if (!open_ && rt::logout(1, {&file_}) == 0) {
        open_ = true;
        count_ = 0;
        started_ = std::chrono::steady_clock::now();
    }
    const int code = file_.add();
    if (open_ && ++count_ >= kGroupRecords) commit();
    commitIfDue();
    return code;
}

void GroupedAdds::commitIfDue() {
    if (open_ && std::chrono::steady_clock::now() - started_ >= kGroupTime) commit();
}

void GroupedAdds::commit() {
    if (!open_) return;
    open_ = false;
    rt::commit();
}
