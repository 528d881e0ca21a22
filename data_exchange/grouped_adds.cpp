#include "data_exchange/grouped_adds.h"

#include "runtime/data/transaction.h"

namespace {

constexpr int kGroupRecords = 1000;
constexpr auto kGroupTime = std::chrono::seconds(1);

}  // namespace

int GroupedAdds::add(long tag) {
    if (!open_ && rt::logout(1, {&file_}) == 0) {
        open_ = true;
        count_ = 0;
        started_ = std::chrono::steady_clock::now();
    }
    const int code = file_.add();
    if (code == 0) (open_ ? pending_ : kept_).push_back({file_.pointer(), tag});
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
    if (rt::commit() == 0) kept_.insert(kept_.end(), pending_.begin(), pending_.end());
    pending_.clear();
}

std::vector<long> GroupedAdds::undo() {
    if (open_) {
        open_ = false;
        rt::rollback();
    }
    pending_.clear();
    std::vector<long> left;
    const bool grouped = rt::logout(1, {&file_}) == 0;
    for (const Added& added : kept_) {
        if (file_.getPointer(added.pointer) != 0 || file_.deleteRecord() != 0)
            left.push_back(added.tag);
    }
    if (grouped && rt::commit() != 0) {
        left.clear();
        for (const Added& added : kept_)
            left.push_back(added.tag);
    }
    kept_.clear();
    return left;
}
