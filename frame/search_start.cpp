#include "frame/search_start.h"

#include "frame/match_types.h"
#include "runtime/text/day_number.h"

bool SetSearchStart(rt::RecordFile& file, int key, int field, int control, int matchType,
                    int& stopField) {
    stopField = 0;
    rt::RecordBuffer& buf = file.buf();
    switch (matchType) {
        case MATCH::Equals:
        case MATCH::InsideRange:
        case MATCH::BeginsWith:
            if (file.setFromBuffer(key) != 0) return false;
            stopField = control;
            return true;
        case MATCH::MoreThan:
        case MATCH::MoreOrEqual:
            return file.setFromBuffer(key) == 0;
        case MATCH::LessThan:
        case MATCH::LessOrEqual:
            if (file.set(key) != 0) return false;
            stopField = control;
            return true;
        case MATCH::SameYear:
        case MATCH::SameYearMonth: {
            const long criterion = static_cast<long>(buf.integer(field));
            const long first = matchType == MATCH::SameYear
                                   ? rt::date(1, 1, rt::yearOf(criterion))
                                   : rt::date(rt::monthOf(criterion), 1, rt::yearOf(criterion));
            buf.setInteger(field, first);
            const int err = file.setFromBuffer(key);
            buf.setInteger(field, criterion);
            if (err != 0) return false;
            stopField = control;
            return true;
        }
        default:
            return false;
    }
}
