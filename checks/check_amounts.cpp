#include "checks/check_amounts.h"

#include "records/checks.h"
#include "runtime/data/errors.h"
#include "runtime/data/view.h"

std::optional<rt::Decimal> SumCheckAmounts(const std::string& filter,
                                           const std::function<bool()>& counts) {
    const rt::RecordBuffer saved = CHECKS.buf();
    rt::View all(CHECKS);
    if (!filter.empty()) all.setFilter(filter);
    CHECKS.send("QUICKSCAN=on");
    rt::Decimal sum(0);
    int error = CHECKS.set(CHE::KEYCHECKID) == 0 ? all.open() : rt::errorCode();
    while (error == 0) {
        error = all.next();
        if (error != 0) break;
        if (counts && !counts()) continue;
        sum += CHE::AMOUNT.number();
    }
    all.close();
    CHECKS.send("QUICKSCAN=off");
    CHECKS.buf() = saved;
    if (error != rt::FileError::RecordNotAvailable) return std::nullopt;
    return sum;
}
